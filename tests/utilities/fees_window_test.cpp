// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/fees_window.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"

namespace tovimar {
namespace {

using testing::control;
using testing::FakePlatform;
using testing::typeText;

const QString kReadFailure = QStringLiteral("Fichier Tarifs.tvx absent ou erronné.");

// The next control Tab reaches.
QWidget* nextTabStop(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && !((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()))
        w = w->nextInFocusChain();
    return w;
}

QStringList amounts(const FeesWindow& w) {
    QStringList texts;
    for (const std::string& a : w.amounts())
        texts.append(QString::fromStdString(a));
    return texts;
}

QStringList defaults() {
    QStringList texts;
    for (const std::string& a : defaultFeeSchedule())
        texts.append(QString::fromStdString(a));
    return texts;
}

QByteArray shippedFile() {
    QFile file(QStringLiteral(TOVIMAR_SOURCE_DIR "/data/tarifs.tvx"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FeesWindow, TheShippedFileOpensWithoutAMessageAndGivesTheTotals) {
    FakePlatform fake;
    fake.writeFile("tarifs.tvx", shippedFile());
    FeesWindow w(fake.windows());
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join("|").toStdString();
    EXPECT_EQ(amounts(w), defaults());
    EXPECT_EQ(control<QLabel>(w, "LblCsMcs")->text(), "25");
    EXPECT_EQ(control<QLabel>(w, "LblCMcsMpc")->text(), "27");
}

TEST(FeesWindow, WithoutAFileTheMessageThenTheDefaultsAndSavingWritesThem) {
    FakePlatform fake;
    FeesWindow w(fake.windows());
    EXPECT_EQ(fake.messages.shown, QStringList{kReadFailure});
    EXPECT_EQ(amounts(w), defaults());
    EXPECT_EQ(control<QLabel>(w, "LblCsMcs")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblCMcsMpc")->text(), "");

    w.show();
    control<QPushButton>(w, "Enregistrer")->click();
    EXPECT_FALSE(w.isVisible());
    const QByteArray saved = fake.readFile("tarifs.tvx");
    EXPECT_TRUE(saved.startsWith("\"20\",\"23\",\"2\",\"2\",\"25,15\",\"19,06\",\"38.40\","));
    EXPECT_TRUE(saved.endsWith(",\"48.58\"\r\n"));
    EXPECT_TRUE(saved.contains(",\"38.40\",\"\",\"52.25\",")); // the empty egg retrieval
    EXPECT_EQ(saved, shippedFile());
}

TEST(FeesWindow, FilesThatCannotBeReadWhole) {
    struct Case {
        const char* name;
        QByteArray file;
        QStringList shown;
        bool message;
        QString csMcs, csMcsMpc;
    };
    QStringList shortShown = defaults();
    shortShown[0] = "21";
    shortShown[1] = "24";
    QStringList badCs = defaults();
    badCs[1] = "vingt-trois";
    QByteArray badCsFile = shippedFile();
    badCsFile.replace("\"20\",\"23\"", "\"20\",\"vingt-trois\"");
    const Case cases[] = {
        {"empty", "", defaults(), false, "0", "0"},
        {"short", "\"21\",\"24\"\r\n", shortShown, true, "", ""},
        {"binary", QByteArray("\x00\x01\xfe\xff\"1\"", 7), defaults(), true, "", ""},
        {"CS not a number", badCsFile, badCs, true, "", ""},
    };
    for (const Case& c : cases) {
        FakePlatform fake;
        fake.writeFile("tarifs.tvx", c.file);
        FeesWindow w(fake.windows());
        EXPECT_EQ(fake.messages.shown, c.message ? QStringList{kReadFailure} : QStringList{})
            << c.name;
        EXPECT_EQ(amounts(w), c.shown) << c.name;
        EXPECT_EQ(control<QLabel>(w, "LblCsMcs")->text(), c.csMcs) << c.name;
        EXPECT_EQ(control<QLabel>(w, "LblCMcsMpc")->text(), c.csMcsMpc) << c.name;
    }
}

TEST(FeesWindow, TotalsAreThoseOfTheSavedAmounts) {
    FakePlatform fake;
    QByteArray file = shippedFile();
    file.replace("\"20\",\"23\",\"2\",\"2\"", "\"20\",\"23,5\",\"2\",\"2\"");
    fake.writeFile("tarifs.tvx", file);
    FeesWindow w(fake.windows());
    EXPECT_EQ(control<QLabel>(w, "LblCsMcs")->text(), "25,5");
    EXPECT_EQ(control<QLabel>(w, "LblCMcsMpc")->text(), "27,5");

    // Typing does not change them; the next opening shows the saved amounts' totals.
    w.show();
    control<QLineEdit>(w, "TxtMPC")->selectAll();
    typeText(control<QLineEdit>(w, "TxtMPC"), "3");
    EXPECT_EQ(control<QLabel>(w, "LblCMcsMpc")->text(), "27,5");
    control<QPushButton>(w, "Enregistrer")->click();
    FeesWindow again(fake.windows());
    EXPECT_EQ(control<QLabel>(again, "LblCMcsMpc")->text(), "28,5");
}

TEST(FeesWindow, KeysOfTheConsultationAmounts) {
    FakePlatform fake;
    fake.writeFile("tarifs.tvx", shippedFile());
    FeesWindow w(fake.windows());
    w.show();
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtEC"), control<QLineEdit>(w, "TxtECs"),
                         control<QLineEdit>(w, "TxtENuit"), control<QLineEdit>(w, "TxtEFerie")}) {
        f->clear();
        typeText(f, "25.5 €x");
        EXPECT_EQ(f->text(), "25,5") << f->objectName().toStdString();
    }
    // The other amounts are free text, kept as typed.
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtMCS"), control<QLineEdit>(w, "TxtGyn01"),
                         control<QLineEdit>(w, "TxtEGyn07")}) {
        f->clear();
        typeText(f, "38.40 € \"HN\"");
        EXPECT_EQ(f->text(), "38.40 € \"HN\"") << f->objectName().toStdString();
    }
}

TEST(FeesWindow, EveryTypedAmountComesBackExactly) {
    FakePlatform fake;
    fake.writeFile("tarifs.tvx", shippedFile());
    FeesWindow w(fake.windows());
    w.show();
    control<QLineEdit>(w, "TxtPMA04")->clear();
    typeText(control<QLineEdit>(w, "TxtPMA04"), "Dépassement \"DE\" 120,50");
    control<QLineEdit>(w, "TxtEObs16")->clear();
    control<QLineEdit>(w, "TxtEGyn07")->setText(QStringLiteral("  48,58  "));
    const QStringList typed = amounts(w);
    control<QPushButton>(w, "Enregistrer")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fake.readFile("tarifs.tvx").contains("\"D\xe9passement \"\"DE\"\" 120,50\""));

    FeesWindow again(fake.windows());
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join("|").toStdString();
    EXPECT_EQ(amounts(again), typed);
}

TEST(FeesWindow, AFailedSaveKeepsTheWindowOpenWithEveryAmount) {
    FakePlatform fake;
    FeesWindow w(fake.windows());
    fake.messages.shown.clear();
    w.show();
    control<QLineEdit>(w, "TxtECs")->clear();
    typeText(control<QLineEdit>(w, "TxtECs"), "30");
    typeText(control<QLineEdit>(w, "TxtEObs03"), "0");
    const QStringList typed = amounts(w);
    // A folder in the file's place: the save cannot replace it.
    ASSERT_TRUE(QDir(fake.folder()).mkdir("tarifs.tvx"));
    control<QPushButton>(w, "Enregistrer")->click();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith("Impossible d'enregistrer le fichier tarifs.tvx"))
        << fake.messages.shown[0].toStdString();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(amounts(w), typed);

    ASSERT_TRUE(QDir(fake.folder()).rmdir("tarifs.tvx"));
    control<QPushButton>(w, "Enregistrer")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fake.readFile("tarifs.tvx").startsWith("\"20\",\"30\","));
}

TEST(FeesWindow, CharactersTheFileCannotHoldAreNamedNotLost) {
    FakePlatform fake;
    fake.writeFile("tarifs.tvx", shippedFile());
    FeesWindow w(fake.windows());
    w.show();
    control<QLineEdit>(w, "TxtGyn01")->setText(QStringLiteral("38,40 → 40 ✓"));
    control<QPushButton>(w, "Enregistrer")->click();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains(QStringLiteral("→ ✓")))
        << fake.messages.shown[0].toStdString();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(control<QLineEdit>(w, "TxtGyn01")->text(), QStringLiteral("38,40 → 40 ✓"));
    EXPECT_EQ(fake.readFile("tarifs.tvx"), shippedFile());
}

TEST(FeesWindow, AnnulerQuitterLeavesTheFileAlone) {
    FakePlatform fake;
    fake.writeFile("tarifs.tvx", shippedFile());
    FeesWindow w(fake.windows());
    w.show();
    typeText(control<QLineEdit>(w, "TxtEC"), "5");
    control<QPushButton>(w, "Quitter")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(fake.readFile("tarifs.tvx"), shippedFile());

    FeesWindow again(fake.windows());
    again.show();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
}

TEST(FeesWindow, ControlsAreNamedLabelledAndInReadingOrder) {
    FakePlatform fake;
    fake.writeFile("tarifs.tvx", shippedFile());
    FeesWindow w(fake.windows());
    w.show();
    EXPECT_EQ(w.objectName(), "FrmTarifs");
    EXPECT_EQ(w.windowTitle(), "Tarifs habituels");
    EXPECT_EQ(control<QLineEdit>(w, "TxtGyn01")->accessibleName(), "Pose DIU (JKLD001)");
    EXPECT_EQ(control<QLineEdit>(w, "TxtECs")->accessibleName(), "CS");
    EXPECT_EQ(control<QPushButton>(w, "Enregistrer")->accessibleName(), "Enregistrer");
    EXPECT_EQ(control<QPushButton>(w, "Quitter")->accessibleName(), "Annuler / Quitter");

    // Each amount has its act as a caption and its place in the keyboard's order.
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < kFeeCount; ++i) {
        const FeeField& fee = feeFields()[i];
        auto* field =
            w.findChild<QLineEdit*>(QString::fromUtf8(fee.control.data(), fee.control.size()));
        ASSERT_NE(field, nullptr) << fee.control;
        bool labelled = false;
        for (const QLabel* l : w.findChildren<QLabel*>())
            labelled = labelled || (l->buddy() == field &&
                                    l->text() == QString::fromUtf8(fee.act.data(), fee.act.size()));
        EXPECT_TRUE(labelled) << fee.control;
        if (previous) {
            EXPECT_EQ(nextTabStop(previous), field) << fee.control;
        }
        previous = field;
    }
    EXPECT_EQ(nextTabStop(previous), control<QPushButton>(w, "Enregistrer"));

    // The frames of the acts.
    QStringList frames;
    for (const QGroupBox* g : w.findChildren<QGroupBox*>())
        frames.append(g->title());
    for (const char* title : {"Actes de consultation", "Actes techniques de consultation",
                              "Actes de PMA", "Obstétrique", "Gynécologie"})
        EXPECT_TRUE(frames.contains(QString::fromUtf8(title))) << title;
}

} // namespace
} // namespace tovimar
