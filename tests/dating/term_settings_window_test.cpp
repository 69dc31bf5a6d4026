// SPDX-License-Identifier: GPL-3.0-or-later
// The term settings editor: load, convert, save, and its failures.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "dating/term_settings_access.h"
#include "dating/term_settings_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

TEST(TermSettingsWindow, LoadsTheFileAndShowsTheAnaesthesiaWindowInWeeks) {
    FakePlatform fake;
    TermSettingsWindow editor(fake.windows());
    EXPECT_EQ(editor.windowTitle(), "Modifications");
    EXPECT_EQ(control<QLineEdit>(editor, "IvgText")->text(), "14");
    EXPECT_EQ(control<QLineEdit>(editor, "RuText")->text(), "7");
    EXPECT_EQ(control<QLineEdit>(editor, "Text9")->text(), "77");
    EXPECT_EQ(control<QLineEdit>(editor, "Text10")->text(), "97");
    EXPECT_EQ(control<QLineEdit>(editor, "Text1")->text(), "98");
    EXPECT_EQ(control<QLineEdit>(editor, "Text2")->text(), "125");
    EXPECT_EQ(control<QLineEdit>(editor, "Text7")->text(), "210");
    EXPECT_EQ(control<QLineEdit>(editor, "Text8")->text(), "238");
    EXPECT_EQ(control<QLineEdit>(editor, "Text5")->text(), "32");
    EXPECT_EQ(control<QLineEdit>(editor, "Text6")->text(), "36");
    EXPECT_EQ(control<QLineEdit>(editor, "TxtRisqueLim")->text(), "250");
    EXPECT_FALSE(control<QLineEdit>(editor, "Text7")->isVisibleTo(&editor));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(TermSettingsWindow, WeeksConvertToDaysRoundedHalfToEven) {
    FakePlatform fake;
    fake.writeFile("term.tvx",
                   "\"10\",\"5\",\"\",\"\",\"\",\"\",\"200\",\"\",\"250\",\"\",\"\"\r\n");
    TermSettingsWindow editor(fake.windows());
    EXPECT_EQ(control<QLineEdit>(editor, "Text5")->text(), "30,6");
    EXPECT_EQ(control<QLineEdit>(editor, "Text7")->text(), "200");
    EXPECT_EQ(control<QLineEdit>(editor, "Text6")->text(), "");
    control<QLineEdit>(editor, "Text5")->setText("30,5");
    EXPECT_EQ(control<QLineEdit>(editor, "Text7")->text(), "200");
    control<QLineEdit>(editor, "Text5")->setText("trente");
    EXPECT_EQ(control<QLineEdit>(editor, "Text7")->text(), "200");
}

TEST(TermSettingsWindow, KeyFilters) {
    FakePlatform fake;
    TermSettingsWindow editor(fake.windows());
    for (QLineEdit* f :
         {control<QLineEdit>(editor, "IvgText"), control<QLineEdit>(editor, "RuText"),
          control<QLineEdit>(editor, "TxtRisqueLim"), control<QLineEdit>(editor, "Text15"),
          control<QLineEdit>(editor, "Text16")}) {
        f->clear();
        typeText(f, "1a,.é2");
        EXPECT_EQ(f->text(), "12") << f->objectName().toStdString();
    }
    for (QLineEdit* f :
         {control<QLineEdit>(editor, "Text1"), control<QLineEdit>(editor, "Text2"),
          control<QLineEdit>(editor, "Text9"), control<QLineEdit>(editor, "Text10")}) {
        f->clear();
        typeText(f, "97.5x");
        EXPECT_EQ(f->text(), "97,5") << f->objectName().toStdString();
    }
    control<QLineEdit>(editor, "Text5")->clear();
    typeText(control<QLineEdit>(editor, "Text5"), "3a");
    EXPECT_EQ(control<QLineEdit>(editor, "Text5")->text(), "3a");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(TermSettingsWindow, SavesWhatIsTypedAndClosesThenReopensTheSame) {
    FakePlatform fake;
    WindowRegistry windows(*fake.platform);
    auto& editor = windows.open<TermSettingsWindow>();
    control<QLineEdit>(editor, "Text9")->clear();
    typeText(control<QLineEdit>(editor, "Text9"), "97.5");
    control<QLineEdit>(editor, "Text5")->setText("32");
    control<QLineEdit>(editor, "Text6")->setText("36");
    control<QLineEdit>(editor, "Text8")->setText("0"); // replaced by the conversion below
    control<QLineEdit>(editor, "Text6")->setText("36,0");
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    EXPECT_EQ(
        fake.readFile("term.tvx"),
        "\"14\",\"7\",\"98\",\"125\",\"97,5\",\"97\",\"210\",\"238\",\"250\",\"77\",\"97\"\r\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(windows.existing<TermSettingsWindow>(), nullptr); // closed and gone
    auto& again = windows.get<TermSettingsWindow>();
    EXPECT_EQ(control<QLineEdit>(again, "Text9")->text(), "97,5");
    EXPECT_EQ(control<QLineEdit>(again, "Text5")->text(), "32");
    EXPECT_EQ(control<QLineEdit>(again, "Text6")->text(), "36");
}

TEST(TermSettingsWindow, EmptyFieldsSaveElevenEmptyValues) {
    FakePlatform fake;
    TermSettingsWindow editor(fake.windows());
    for (QLineEdit* f : editor.findChildren<QLineEdit*>())
        f->clear();
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    EXPECT_EQ(fake.readFile("term.tvx"),
              "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

TEST(TermSettingsWindow, QuitDoesNotWrite) {
    FakePlatform fake;
    TermSettingsWindow editor(fake.windows());
    editor.show();
    control<QLineEdit>(editor, "IvgText")->setText("99");
    QTest::mouseClick(control<QPushButton>(editor, "CmdQuitter"), Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(fake.readFile("term.tvx"), kShippedTerm);
}

TEST(TermSettingsWindow, AFaultyFileGivesTheMessageAndTheDefaults) {
    FakePlatform fake;
    fake.writeFile("term.tvx", "\"16\",\"9\",\"98\"\r\n");
    TermSettingsWindow editor(fake.windows());
    EXPECT_EQ(fake.messages.shown, QStringList({"Fichier Term.tvx absent ou erronné."}));
    EXPECT_EQ(control<QLineEdit>(editor, "IvgText")->text(), "16"); // read before the failure
    EXPECT_EQ(control<QLineEdit>(editor, "Text1")->text(), "98");
    EXPECT_EQ(control<QLineEdit>(editor, "Text2")->text(), "");
    EXPECT_EQ(control<QLineEdit>(editor, "TxtRisqueLim")->text(), "250");
    EXPECT_EQ(control<QLineEdit>(editor, "Text5")->text(), ""); // the conversion is skipped

    // The file is read once: a second editor tells the same fault again.
    TermSettingsWindow second(fake.windows());
    EXPECT_EQ(fake.messages.shown.size(), 2);

    FakePlatform withoutFile;
    QFile::remove(withoutFile.folder() + "/term.tvx");
    TermSettingsWindow missing(withoutFile.windows());
    EXPECT_EQ(withoutFile.messages.shown.size(), 1);
    // Without the file, the termination limits are today's law, not an older one's.
    EXPECT_EQ(control<QLineEdit>(missing, "IvgText")->text(), "14");
    EXPECT_EQ(control<QLineEdit>(missing, "RuText")->text(), "7");
}

TEST(TermSettingsWindow, AFailedSaveKeepsThePreviousFileAndTheEditorOpen) {
    FakePlatform fake;
    TermSettingsWindow editor(fake.windows());
    editor.show();
    control<QLineEdit>(editor, "IvgText")->setText("15");
    // A folder in the file's place: the new file cannot replace it.
    QFile::remove(fake.folder() + "/term.tvx");
    QDir(fake.folder()).mkdir("term.tvx");
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith("Impossible d'enregistrer le fichier term.tvx"));
    EXPECT_TRUE(fake.messages.shown[0].contains("Le fichier précédent est conservé"));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(control<QLineEdit>(editor, "IvgText")->text(), "15");
    EXPECT_TRUE(QFileInfo(fake.folder() + "/term.tvx").isDir());
}

// The values in force for the other windows: those the open editor shows,
// saved or not; once it is closed, those last saved. term.tvx is read once:
// what changes on disk behind the program's back is not read per request.
TEST(TermSettingsInForce, TheOpenEditorsValuesThenTheSavedOnesNeverTheDiskAgain) {
    FakePlatform fake;
    WindowRegistry& windows = fake.windows();
    TermSettingsModel& model = termSettingsModel(windows);
    int changes = 0;
    QObject::connect(&model, &SettingsModelSignals::changed, [&changes] { ++changes; });
    EXPECT_EQ(currentTermSettings(windows)[TermSettings::TerminationLimitWeeks], "14");

    fake.writeFile("term.tvx", "\"12\",\"5\",\"\",\"\",\"\",\"\",\"\",\"\",\"300\",\"\",\"\"\r\n");
    EXPECT_EQ(currentTermSettings(windows)[TermSettings::AmniocentesisThreshold], "250");

    auto& editor = windows.open<TermSettingsWindow>();
    EXPECT_EQ(control<QLineEdit>(editor, "IvgText")->text(),
              "14"); // the model's values, not the disk's new ones
    typeText(control<QLineEdit>(editor, "TxtRisqueLim"), "0"); // 2500, typed, not saved
    EXPECT_EQ(currentTermSettings(windows)[TermSettings::AmniocentesisThreshold], "2500");
    EXPECT_GT(changes, 0);

    editor.close(); // "Quitter": nothing saved
    QCoreApplication::processEvents();
    ASSERT_EQ(windows.existing<TermSettingsWindow>(), nullptr);
    EXPECT_EQ(currentTermSettings(windows)[TermSettings::AmniocentesisThreshold], "250");

    auto& again = windows.open<TermSettingsWindow>();
    control<QLineEdit>(again, "TxtRisqueLim")->setText("1000");
    control<QLineEdit>(again, "IvgText")->setText("13");
    changes = 0;
    control<QPushButton>(again, "CmdEnregistrer")->click();
    QCoreApplication::processEvents();
    EXPECT_GT(changes, 0);
    EXPECT_EQ(windows.existing<TermSettingsWindow>(), nullptr);
    EXPECT_EQ(currentTermSettings(windows)[TermSettings::AmniocentesisThreshold], "1000");
    EXPECT_EQ(currentTermSettings(windows)[TermSettings::TerminationLimitWeeks], "13");
    EXPECT_TRUE(fake.readFile("term.tvx").startsWith("\"13\",\"7\","));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

} // namespace
