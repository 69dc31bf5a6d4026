// SPDX-License-Identifier: GPL-3.0-or-later
// "Copier les résultats" in the window kit: the text a window's results make
// for the practitioner's record, and the entry and shortcut that copy it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "ui/controls.h"
#include "ui/results_text.h"
#include "ui/tool_window.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// A small window with a menu bar, two inputs, a choice and two results.
class CopyingWindow : public ToolWindow {
  public:
    explicit CopyingWindow(WindowRegistry& windows)
        : ToolWindow(windows, "FormCopie", QStringLiteral("Essai de copie")) {
        auto* layout = new QVBoxLayout(this);
        menu = new QMenuBar(this);
        menu->addAction(QStringLiteral("&Quitter"));
        menu->addAction(QStringLiteral("&Aide"));
        layout->setMenuBar(menu);
        weight = lineEdit("TxtPds", QStringLiteral("Poids (kg)"));
        height = lineEdit("TxtTaille", QStringLiteral("Taille (cm)"));
        sex = comboBox("CmbSexe", QStringLiteral("Sexe foetal"));
        sex->addItems({QStringLiteral("Masculin"), QStringLiteral("Féminin")});
        smoker = checkBox("ChkTabac", QStringLiteral("&Tabac"));
        bmi = resultLabel("LblBmi", QStringLiteral("IMC :"));
        advice = resultText("LblConseil", QStringLiteral("Conseil"));
        advice->setTextFormat(Qt::RichText);
        for (QWidget* w : std::initializer_list<QWidget*>{weight, height, sex, smoker, bmi, advice})
            layout->addWidget(w);
        installResultsCopy(this, menu, windows, [this] {
            ResultsText t;
            t.title = windowTitle();
            t.inputsOf({weight, height, sex});
            t.tick(smoker);
            t.result(bmi, {}, QStringLiteral("Quetelet"));
            t.result(advice);
            return t;
        });
    }
    QMenuBar* menu;
    QLineEdit *weight, *height;
    QComboBox* sex;
    QCheckBox* smoker;
    QLabel *bmi, *advice;
};

QAction* copyAction(QWidget& w) {
    return w.findChild<QAction*>(QStringLiteral("CopierResultats"));
}

TEST(ResultsCopy, TheTextHasTheTitleTheDateTheInputsAndTheResultsShownOneLineEach) {
    FakePlatform fake;
    fake.setToday("10/12/2026");
    CopyingWindow w(fake.windows());
    w.weight->setText("64");
    w.sex->setCurrentIndex(1);
    w.smoker->setChecked(true);
    w.bmi->setText("23,5");
    w.advice->setText("Poids <b>normal</b>,\n  rien à   signaler");
    copyAction(w)->trigger();
    // The empty height is left out; the rich text is copied as the words shown.
    EXPECT_EQ(fake.clipboard.text, "Essai de copie\n"
                                   "Date : 10/12/2026\n"
                                   "Poids (kg) : 64\n"
                                   "Sexe foetal : Féminin\n"
                                   "Tabac : oui\n"
                                   "IMC (Quetelet) : 23,5\n"
                                   "Conseil : Poids normal, rien à signaler\n");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // The patient of the consultation heads it, with her date of birth when given.
    fake.windows().patient().set("Madame", "Dupont", readFrenchDate("20/06/1985"));
    copyAction(w)->trigger();
    EXPECT_TRUE(fake.clipboard.text.startsWith(
        "Patiente : Madame Dupont, née le 20/06/1985\nEssai de copie\nDate : 10/12/2026\n"))
        << fake.clipboard.text.toStdString();
    fake.windows().patient().set("Mademoiselle", "Durand", std::nullopt);
    copyAction(w)->trigger();
    EXPECT_TRUE(fake.clipboard.text.startsWith("Patiente : Mademoiselle Durand\nEssai de copie\n"));
}

TEST(ResultsCopy, AHiddenResultIsNotCopied) {
    FakePlatform fake;
    CopyingWindow w(fake.windows());
    w.bmi->setText("23,5");
    w.advice->setText("Ancien conseil");
    w.advice->hide();
    copyAction(w)->trigger();
    EXPECT_TRUE(fake.clipboard.text.contains("IMC (Quetelet) : 23,5"));
    EXPECT_FALSE(fake.clipboard.text.contains("Ancien conseil"));
}

TEST(ResultsCopy, WithoutAResultNothingIsCopiedTheClipboardIsEmptiedAndTheUserTold) {
    FakePlatform fake;
    CopyingWindow w(fake.windows());
    w.weight->setText("64");
    w.bmi->setText("23,5");
    copyAction(w)->trigger();
    ASSERT_TRUE(fake.clipboard.text.contains("23,5"));
    // The result goes with its input: a copy now leaves no earlier figure to paste.
    w.bmi->clear();
    copyAction(w)->trigger();
    EXPECT_EQ(fake.clipboard.text, "");
    EXPECT_EQ(fake.clipboard.copies, 2);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith("Aucun résultat à copier"));
    EXPECT_TRUE(fake.messages.shown[0].contains("« Essai de copie »"));
}

TEST(ResultsCopy, TheEntryStandsBeforeAideAndCtrlShiftCCopiesFromAField) {
    FakePlatform fake;
    CopyingWindow w(fake.windows());
    QStringList entries;
    for (QAction* a : w.menu->actions())
        entries << a->text();
    EXPECT_EQ(entries, (QStringList{"&Quitter", "&Copier les résultats", "&Aide"}));
    EXPECT_EQ(copyAction(w)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));

    w.bmi->setText("23,5");
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.weight->setFocus();
    QTest::keyClick(w.weight, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fake.clipboard.copies, 1);
    EXPECT_TRUE(fake.clipboard.text.contains("IMC (Quetelet) : 23,5"));
    // The field keeps what was typed: the keys went to the copy, not into it.
    EXPECT_EQ(w.weight->text(), "");
}

TEST(ResultsCopy, AWindowWithoutMenuBarCopiesByItsShortcut) {
    FakePlatform fake;
    QWidget w;
    auto* field = new QLineEdit(&w);
    auto* result = resultText("LblResultat", QStringLiteral("Résultat"), QStringLiteral("12 %"));
    result->setParent(&w);
    installResultsCopy(&w, nullptr, fake.windows(), [&] {
        ResultsText t;
        t.title = QStringLiteral("Sans menu");
        t.result(result);
        return t;
    });
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fake.clipboard.copies, 1);
    EXPECT_TRUE(fake.clipboard.text.contains("Résultat : 12 %"));
}

} // namespace
