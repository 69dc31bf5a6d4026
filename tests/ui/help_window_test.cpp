// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: its pages, contents, history, links, search and printing.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "platform/help_document.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "ui/help_window.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

const QString kHelpFile = QStringLiteral(TOVIMAR_SOURCE_DIR "/data/TOVIMAR.HLP");

// Three pages, one holding an anchor of its own further down.
const char* const kSmallHelp = R"(<html><head><title>Aide</title></head><body>
<a name="sommaire"></a>
<h1>Sommaire</h1>
<p>Voir <a href="#sujet-40">la biométrie</a> et <a href="#reglages">les réglages</a>.</p>
<a name="sujet-40"></a>
<h2>Biométrie <i>fœtale</i></h2>
<p>Les mesures de l'Échographie.</p>
<a name="reglages"></a>
<h2>Réglages</h2>
<p>Premier paragraphe.</p>
<a name="seuil"></a><h3>Seuil</h3>
<p>Le seuil d'échographie et le cœur.</p>
</body></html>)";

QString writeHelp(const QTemporaryDir& dir, const char* html) {
    const QString path = dir.filePath("TOVIMAR.HLP");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html);
    return path;
}

// Shortcuts act in the active window, as on a desktop.
void showActive(HelpWindow& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

QListWidget* contentsOf(HelpWindow& w) {
    return control<QListWidget>(w, "HelpContents");
}

QStringList listed(HelpWindow& w) {
    QStringList titles;
    for (int i = 0; i < contentsOf(w)->count(); ++i)
        titles << contentsOf(w)->item(i)->text();
    return titles;
}

} // namespace

TEST(HelpDocument, CutsTheFileIntoPagesAtTheirHeadings) {
    HelpDocument document;
    ASSERT_TRUE(document.parse(QString::fromUtf8(kSmallHelp)));
    ASSERT_EQ(document.sections().size(), 3u);
    EXPECT_EQ(document.sections()[0].anchor, "sommaire");
    EXPECT_EQ(document.sections()[1].title, "Biométrie fœtale");
    EXPECT_EQ(document.sections()[2].title, "Réglages");
    // An anchor without a heading of its own stays in its page.
    EXPECT_EQ(document.sectionOf("seuil"), 2);
    EXPECT_EQ(document.sectionOf("nulle-part"), -1);
    // Each page is whole HTML and holds its own text only.
    EXPECT_TRUE(document.sections()[1].html.startsWith("<html>"));
    EXPECT_TRUE(document.sections()[1].plainText.contains("Échographie"));
    EXPECT_FALSE(document.sections()[1].plainText.contains("Premier paragraphe"));

    EXPECT_FALSE(HelpDocument().parse("<html><body><p>Rien</p></body></html>"));
}

TEST(HelpDocument, SearchIgnoresCaseAccentsAndLigatures) {
    struct Case {
        const char* typed;
        std::vector<int> pages;
    };
    const std::vector<Case> cases = {
        {"echographie", {1, 2}}, {"ÉCHOGRAPHIE", {1, 2}},  {"foetale", {1}}, {"coeur", {2}},
        {"seuil d'echo", {2}},   {"  reglages  ", {0, 2}}, {"inconnu", {}},  {"", {}},
    };
    HelpDocument document;
    ASSERT_TRUE(document.parse(QString::fromUtf8(kSmallHelp)));
    for (const Case& c : cases)
        EXPECT_EQ(document.search(QString::fromUtf8(c.typed)), c.pages) << c.typed;
}

TEST(HelpWindow, EveryTopicTheWindowsAskForOpensItsOwnPage) {
    // The topics the program's windows open, with a word of their page's title.
    struct Topic {
        int number;
        const char* titleWord;
    };
    const std::vector<Topic> topics = {
        {HelpViewer::kContents, "Tovimar-S"},
        {40, "Biométrie"},
        {50, "Courbes"},
        {60, "IVG"},
        {70, "trisomie 21"},
        {125, "ménopause"},
        {130, "ovarienne"},
        {141, "fériés"},
        {142, "postaux"},
    };
    RecordingMessages messages;
    HelpWindowViewer viewer(kHelpFile, messages);
    for (const Topic& t : topics) {
        SCOPED_TRACE(t.number);
        viewer.showTopic(t.number);
        ASSERT_NE(viewer.window(), nullptr);
        EXPECT_EQ(viewer.window()->currentSection(), helpAnchor(t.number));
        const int page = viewer.window()->document().sectionOf(helpAnchor(t.number));
        const HelpSection& section = viewer.window()->document().sections()[page];
        EXPECT_TRUE(section.title.contains(QString::fromUtf8(t.titleWord), Qt::CaseInsensitive))
            << section.title.toStdString();
        EXPECT_TRUE(viewer.window()->browser()->toPlainText().contains(section.title));
        // Each page is more than a placeholder.
        EXPECT_GT(section.plainText.size(), 400) << section.title.toStdString();
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
}

TEST(HelpWindow, LinksBackAndForwardMoveLikeABrowser) {
    QTemporaryDir dir;
    HelpWindow w;
    ASSERT_TRUE(w.load(writeHelp(dir, kSmallHelp)));
    showActive(w);
    auto* back = control<QPushButton>(w, "HelpBack");
    auto* forward = control<QPushButton>(w, "HelpForward");
    EXPECT_EQ(w.currentSection(), "sommaire");
    EXPECT_FALSE(back->isEnabled());

    emit w.browser()->anchorClicked(QUrl("#sujet-40"));
    EXPECT_EQ(w.currentSection(), "sujet-40");
    emit w.browser()->anchorClicked(QUrl("#seuil")); // an anchor inside a page
    EXPECT_EQ(w.currentSection(), "reglages");

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(w.currentSection(), "sujet-40");
    QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(w.currentSection(), "sommaire");
    EXPECT_FALSE(back->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(w.currentSection(), "sujet-40");
    EXPECT_TRUE(forward->isEnabled());

    // A new page from the middle of the history drops the pages ahead.
    QTest::mouseClick(control<QPushButton>(w, "HelpHome"), Qt::LeftButton);
    EXPECT_EQ(w.currentSection(), "sommaire");
    EXPECT_FALSE(forward->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(w.currentSection(), "sujet-40");

    // Choosing a page in the contents list opens it.
    QListWidget* contents = contentsOf(w);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(contents->item(2)).center());
    EXPECT_EQ(w.currentSection(), "reglages");
    // An unknown anchor changes nothing.
    EXPECT_FALSE(w.showAnchor("nulle-part"));
    EXPECT_EQ(w.currentSection(), "reglages");
}

TEST(HelpWindow, SearchListsThePagesAndStepsThroughTheOccurrences) {
    QTemporaryDir dir;
    HelpWindow w;
    ASSERT_TRUE(w.load(writeHelp(dir, kSmallHelp)));
    showActive(w);
    auto* field = control<QLineEdit>(w, "HelpSearch");
    auto* status = control<QLabel>(w, "HelpSearchStatus");

    QTest::keyClicks(field, "echographie");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(listed(w), (QStringList{"Biométrie fœtale", "Réglages"}));
    EXPECT_EQ(status->text(), "2 pages contiennent « echographie ».");
    EXPECT_EQ(w.currentSection(), "sujet-40");
    EXPECT_EQ(w.browser()->textCursor().selectedText(), "Échographie");
    EXPECT_EQ(w.browser()->extraSelections().size(), 1);

    // Enter again: the next occurrence, on the next page found.
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(w.currentSection(), "reglages");
    EXPECT_EQ(w.browser()->textCursor().selectedText(), "échographie");
    // F3 at the last one comes back to the first.
    QTest::keyClick(&w, Qt::Key_F3);
    EXPECT_EQ(w.currentSection(), "sujet-40");

    field->clear();
    QTest::keyClicks(field, "introuvable");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(status->text(), "Aucune page de l'aide ne contient « introuvable ».");
    EXPECT_EQ(listed(w).size(), 3);
    EXPECT_EQ(w.currentSection(), "sujet-40");
    EXPECT_TRUE(w.browser()->extraSelections().isEmpty());
}

TEST(HelpWindow, PrintsThePageShownOrNothingWhenCancelled) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("aide.pdf");
    bool accept = true;
    HelpWindow w(nullptr, [&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accept;
    });
    ASSERT_TRUE(w.load(writeHelp(dir, kSmallHelp)));
    showActive(w);
    w.showAnchor("reglages");

    accept = false;
    EXPECT_FALSE(w.print());
    EXPECT_FALSE(QFile::exists(pdf));

    accept = true;
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
}

TEST(HelpWindow, ThePageFollowsTheTopicHighlightedWithTheArrowKeys) {
    HelpWindow w;
    ASSERT_TRUE(w.load(kHelpFile));
    w.resize(1000, 700);
    w.show();
    auto* contents = control<QListWidget>(w, "HelpContents");
    ASSERT_NE(contents, nullptr);
    contents->setFocus();
    const auto& sections = w.document().sections();
    ASSERT_GE(sections.size(), 3u);
    for (int row = 1; row <= 2; ++row) {
        QTest::keyClick(contents, Qt::Key_Down);
        EXPECT_EQ(contents->currentRow(), row);
        EXPECT_EQ(w.currentSection(), sections[row].anchor) << "without Enter";
    }
    QTest::keyClick(contents, Qt::Key_Up);
    EXPECT_EQ(w.currentSection(), sections[1].anchor);
    // Refilling the list (a search) is not a choice of the user: the page
    // shown is the first page found, not whatever the refill highlights.
    ASSERT_TRUE(w.search("amniocentèse"));
    const QString found = w.currentSection();
    EXPECT_NE(found, QString());
    EXPECT_EQ(contents->currentItem() ? contents->currentItem()->data(Qt::UserRole).toString()
                                      : found,
              found);
}

TEST(HelpWindow, LongTitlesAreShownWholeInTheContents) {
    HelpWindow w;
    ASSERT_TRUE(w.load(kHelpFile));
    w.resize(860, 640);
    w.show();
    QApplication::processEvents();
    auto* contents = control<QListWidget>(w, "HelpContents");
    ASSERT_NE(contents, nullptr);
    const int room = contents->viewport()->width();
    for (int row = 0; row < contents->count(); ++row) {
        QListWidgetItem* item = contents->item(row);
        const int needed = contents->fontMetrics().horizontalAdvance(item->text());
        if (needed <= room) continue;
        // A title wider than the list takes more than one line, never cut.
        EXPECT_GT(contents->visualItemRect(item).height(), contents->fontMetrics().height() * 3 / 2)
            << item->text().toStdString();
    }
    EXPECT_TRUE(contents->wordWrap());
    EXPECT_EQ(contents->textElideMode(), Qt::ElideNone);
}

TEST(HelpWindow, ControlsHaveFrenchNamesAndTabFollowsTheReadingOrder) {
    QTemporaryDir dir;
    HelpWindow w;
    ASSERT_TRUE(w.load(writeHelp(dir, kSmallHelp)));
    w.show();
    const QStringList expected = {"HelpBack",   "HelpForward",  "HelpHome",     "HelpPrint",
                                  "HelpSearch", "HelpFindNext", "HelpContents", "HelpText"};
    // Precedent is disabled at first: Tab starts from the first enabled control.
    w.showAnchor("reglages");
    QWidget* at = control<QWidget>(w, "HelpBack");
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << at->objectName();
        EXPECT_FALSE(at->accessibleName().isEmpty()) << at->objectName().toStdString();
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisibleTo(&w))
            at = at->nextInFocusChain();
    }
    EXPECT_EQ(visited, expected);
}

TEST(HelpWindowViewer, ReportsAMissingFileAndAMissingTopic) {
    QTemporaryDir dir;
    RecordingMessages messages;
    HelpWindowViewer missing(dir.filePath("absent.HLP"), messages);
    missing.showTopic(40);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("Le fichier d'aide"));

    HelpWindowViewer small(writeHelp(dir, kSmallHelp), messages);
    small.showTopic(142);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1], "L'aide ne contient pas encore de page pour ce sujet (n° 142).");
    EXPECT_EQ(small.window()->currentSection(), "sommaire");
}
