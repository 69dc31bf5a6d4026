// SPDX-License-Identifier: GPL-3.0-or-later
// "Copier les résultats" of every window of the menu, filled as at the end of
// a consultation: the text copied against the window it was copied from.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

#include "app/main_window.h"
#include "support/filled_windows.h"
#include "support/typing.h"
#include "ui/results_text.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// Windows of the menu that show no result of the patient: settings, about
// boxes, the planning's page (its figures are the main window's).
const std::set<QString> kNoResults = {"Form13", "Form19", "Form5", "Form9", "FrmTarifs", "Form2"};

// Text a window shows that is not a result of the patient: the explanation
// of the trisomy 21 sign selected (help on the sign); the main window's
// almanac (saint, proverb, moon, reminder), its conversion's prompt and
// the weeks it offers to convert.
const std::set<QString> kNotResults = {"LblSignes",  "LblSaint", "LblAlmanach", "Label11",
                                       "LblAvertir", "TXTsa",    "ListeSA"};

// What a control shows, read here apart from the kit.
QString seen(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text().simplified();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        const QString text = label->text();
        return (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText()
                                          : text)
            .simplified();
    }
    return {};
}

// Each line a label shows (a list of points), or its one line.
QStringList seenLines(const QWidget* control) {
    QStringList out;
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        const QString text = label->text();
        const QString plain =
            Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
        for (const QString& line : plain.split(QLatin1Char('\n')))
            if (!line.simplified().isEmpty()) out << line.simplified();
    } else if (!seen(control).isEmpty()) {
        out << seen(control);
    }
    return out;
}

bool shown(const QWidget* control) {
    return control->isVisibleTo(control->window());
}

// The results on screen: framed or plain result labels, read-only fields,
// result lists.
QStringList resultsOnScreen(QWidget& window) {
    QStringList onScreen;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->property("tovimarResultCaption").isValid() && shown(label) &&
            !kNotResults.count(label->objectName()))
            onScreen << seenLines(label);
    for (const QLineEdit* field : window.findChildren<QLineEdit*>())
        if (field->isReadOnly() && shown(field)) onScreen << seen(field);
    for (const QListWidget* list : window.findChildren<QListWidget*>())
        if (list->objectName().startsWith(QLatin1String("Liste")) && shown(list) &&
            !list->objectName().endsWith(QLatin1String("Libelles")) &&
            !kNotResults.count(list->objectName()))
            for (int i = 0; i < list->count(); ++i)
                onScreen << list->item(i)->text().simplified();
    onScreen.removeAll(QString());
    return onScreen;
}

// Each line of the copy against the window: the title and the date are
// there; each value is what its control shows, on a line of its own; every
// result the window shows is in the copy.
void expectCopyOf(QWidget& window, const ResultsText& read, const QString& copied,
                  const QString& today) {
    const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(read.title)) << copied.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Date : ") + today)) << copied.toStdString();
    for (const auto* part : {&read.inputs, &read.results})
        for (const ResultsLine& line : *part) {
            if (line.value.isEmpty()) continue;
            if (auto* list = qobject_cast<const QListWidget*>(line.control)) {
                EXPECT_FALSE(list->findItems(line.value, Qt::MatchExactly).isEmpty())
                    << line.value.toStdString();
            } else if (line.control && !qobject_cast<const QAbstractButton*>(line.control)) {
                EXPECT_TRUE(line.value == seen(line.control) ||
                            seenLines(line.control).contains(line.value))
                    << line.control->objectName().toStdString() << " : "
                    << line.value.toStdString();
            }
            const bool onALine = std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
                return l == line.value || l.endsWith(QStringLiteral(" : ") + line.value);
            });
            EXPECT_TRUE(onALine) << line.value.toStdString() << "\n" << copied.toStdString();
        }
    for (const QString& value : resultsOnScreen(window)) {
        EXPECT_TRUE(copied.contains(value)) << "« " << value.toStdString() << " » manque :\n"
                                            << copied.toStdString();
    }
}

ResultsCopyAction* copyOf(QWidget& window) {
    return dynamic_cast<ResultsCopyAction*>(
        window.findChild<QAction*>(QStringLiteral("CopierResultats")));
}

class FilledWindowCopy : public ::testing::TestWithParam<std::size_t> {};

TEST_P(FilledWindowCopy, TheTextHoldsWhatTheWindowShows) {
    const FilledWindow& row = filledWindows()[GetParam()];
    FilledProgram program;
    QWidget* window = program.open(row);
    ASSERT_TRUE(window) << row.window;
    ResultsCopyAction* copy = copyOf(*window);
    if (kNoResults.count(QString::fromLatin1(row.window))) {
        EXPECT_FALSE(copy);
        return;
    }
    ASSERT_TRUE(copy) << "pas de « Copier les résultats »";
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    // A window with a menu bar shows the entry there, before its "Aide".
    if (auto* bar = window->findChild<QMenuBar*>()) {
        const QList<QAction*> entries = bar->actions();
        EXPECT_TRUE(entries.contains(copy));
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i]->text().remove(QLatin1Char('&')) == QLatin1String("Aide")) {
                EXPECT_LT(entries.indexOf(copy), i);
            }
        }
    }
    // A speciality chosen with the mouse shows what the catalogue says of it.
    if (auto* other = window->findChild<QComboBox*>(QStringLiteral("CmbTTT_Autres")))
        emit other->activated(other->currentIndex());
    copy->trigger();
    const QString copied = program.fake.clipboard.text;
    if (copied.isEmpty()) {
        // Nothing copied only when nothing is shown (the chart viewer before
        // any point), and the user is told.
        EXPECT_EQ(resultsOnScreen(*window), QStringList());
        ASSERT_EQ(program.fake.messages.shown.size(), 1);
        EXPECT_TRUE(program.fake.messages.shown[0].startsWith("Aucun résultat à copier"));
        return;
    }
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Patiente : Madame Dupont\n")));
    expectCopyOf(*window, copy->read(), copied, QStringLiteral("15/03/2010"));
    EXPECT_TRUE(program.fake.messages.shown.isEmpty());
    std::printf("%s", qPrintable(copied));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, FilledWindowCopy,
                         ::testing::Range<std::size_t>(0, filledWindows().size()),
                         [](const auto& info) {
                             return std::string(filledWindows()[info.param].window);
                         });

TEST(MainWindowCopy, TheTermAndTheScheduleAsShown) {
    FilledProgram program;
    MainWindow& main = *program.main;
    main.action(QStringLiteral("CopierResultats"))->trigger();
    const QString copied = program.fake.clipboard.text;
    expectCopyOf(main, main.resultsText(), copied, QStringLiteral("15/03/2010"));
    EXPECT_TRUE(copied.contains(QStringLiteral("DDR : 01/11/2009\n")));
    EXPECT_EQ(main.action(QStringLiteral("CopierResultats"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    std::printf("%s", qPrintable(copied));
}

// After an input changes, the figures it gave are gone from the window and
// from the copy: a copy never carries an earlier result.
struct ChangedInput {
    const char* window;
    const char* field;  // the input changed
    const char* typed;  // what is typed there instead
    QStringList before; // captions of the results that go with it
    bool nothingLeft;   // no result is left at all: nothing is copied
};

TEST(ResultsCopyAfterAChange, NoEarlierFigureIsCopied) {
    const std::vector<ChangedInput> cases = {
        {"Form3",
         "Fem",
         "60",
         {"Poids foetal estimé (Hadlock 1985)", "Poids foetal estimé (Dudley)", "Pied / Fem"},
         false},
        {"Form12",
         "TxtNC",
         "2,5",
         {"Risque lié à la clarté nucale à terme", "Risque intégré à terme", "Conduite à tenir"},
         false},
        {"Form8", "Text1", "", {}, true},
        {"osiris", "TxtPds", "", {}, true},
        {"Form11", "TxtFSH", "9", {"Score (Pr Parinaud)", "Réponse"}, false},
        {"Main", "TxtCol", "30", {"Risque d'Acct prématuré (tableau historique)"}, false},
    };
    for (const ChangedInput& c : cases) {
        SCOPED_TRACE(c.window);
        const auto& rows = filledWindows();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const FilledWindow& r) {
            return QLatin1String(r.window) == QLatin1String(c.window);
        });
        ASSERT_NE(row, rows.end());
        FilledProgram program;
        QWidget* window = program.open(*row);
        ASSERT_TRUE(window);
        ResultsCopyAction* copy = copyOf(*window);
        ASSERT_TRUE(copy);
        copy->trigger();
        const QStringList first = program.fake.clipboard.text.split(QLatin1Char('\n'));
        QStringList earlier;
        for (const QString& caption : c.before) {
            const auto line = std::find_if(first.begin(), first.end(), [&](const QString& l) {
                return l.startsWith(caption + QStringLiteral(" : "));
            });
            ASSERT_NE(line, first.end()) << caption.toStdString();
            earlier << *line;
        }
        auto* field = window->findChild<QLineEdit*>(QLatin1String(c.field));
        ASSERT_TRUE(field);
        field->setFocus();
        field->clear();
        typeText(field, QString::fromUtf8(c.typed));
        program.fake.messages.shown.clear();
        copy->trigger();
        const QString again = program.fake.clipboard.text;
        if (c.nothingLeft) {
            EXPECT_EQ(again, "");
            ASSERT_EQ(program.fake.messages.shown.size(), 1);
            EXPECT_TRUE(program.fake.messages.shown[0].startsWith("Aucun résultat à copier"));
            continue;
        }
        for (const QString& line : earlier)
            EXPECT_FALSE(again.split(QLatin1Char('\n')).contains(line)) << line.toStdString();
        expectCopyOf(*window, copy->read(), again, QStringLiteral("15/03/2010"));
    }
}

// The chart viewer, opened after the biometry was filled: today's point of
// the measure shown, with its band, is copied as the window lists it.
TEST(ChartViewerCopy, TodaysPointAsListed) {
    FilledProgram program;
    ASSERT_TRUE(program.open(filledWindows().front())); // the biometry, filled
    program.main->action(QStringLiteral("Biparietal"))->trigger();
    QWidget* viewer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("Form4")) viewer = w;
    ASSERT_TRUE(viewer);
    // Two earlier scans of the measure, and one after today that cannot be placed.
    auto* scans = viewer->findChild<QTableWidget*>(QStringLiteral("TblEchos"));
    ASSERT_TRUE(scans);
    const char* rows[][2] = {{"17/11/2009", "20"}, {"12/01/2010", "50"}, {"20/03/2010", "80"}};
    for (int r = 0; r < 3; ++r) {
        scans->setItem(r, 0, new QTableWidgetItem(QString::fromUtf8(rows[r][0])));
        scans->setItem(r, 1, new QTableWidgetItem(QString::fromUtf8(rows[r][1])));
    }
    ASSERT_FALSE(resultsOnScreen(*viewer).isEmpty()) << "aucun point affiché";
    ResultsCopyAction* copy = copyOf(*viewer);
    ASSERT_TRUE(copy);
    copy->trigger();
    const QString copied = program.fake.clipboard.text;
    expectCopyOf(*viewer, copy->read(), copied, QStringLiteral("15/03/2010"));
    EXPECT_TRUE(copied.contains(QStringLiteral("12/01/2010"))) << copied.toStdString();
    EXPECT_TRUE(copied.contains(QStringLiteral("20/03/2010"))) << copied.toStdString();
    std::printf("%s", qPrintable(copied));
}

} // namespace
