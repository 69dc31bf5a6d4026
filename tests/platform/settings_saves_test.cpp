// SPDX-License-Identifier: GPL-3.0-or-later
// The settings editors as a practitioner on a French machine uses them:
// opening and saving unchanged rewrites the same bytes, a save on a full disk
// keeps the previous file and the editor open, and a character the file
// cannot hold is named before anything is saved.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <csignal>
#include <string>
#include <sys/resource.h>

#include "dating/term_settings_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/typing.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// The C library under the French locale, as QApplication sets it on the users' machines.
class FrenchLocale {
  public:
    FrenchLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        ok = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    }
    ~FrenchLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool ok = false;

  private:
    std::string previous_;
};

using tovimar::testing::FileSizeLimit;

TEST(SettingsSaves, TheTermEditorSavedUnchangedUnderAFrenchLocaleRewritesTheSameBytes) {
    FrenchLocale french;
    ASSERT_TRUE(french.ok) << "fr_FR.UTF-8 is missing: run scripts/install-dependencies.sh";
    const QByteArray files[] = {
        kShippedTerm,
        // 200 days is shown as 30,6 weeks, which must give 200 again, not 196.
        "\"10\",\"5\",\"97,5\",\"125\",\"77\",\"96,5\",\"200\",\"203\",\"250\",\"77\",\"97\"\r\n",
    };
    for (const QByteArray& bytes : files) {
        FakePlatform fake;
        fake.writeFile("term.tvx", bytes);
        auto& editor = fake.windows().open<TermSettingsWindow>();
        QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
        EXPECT_TRUE(fake.messages.shown.isEmpty());
        EXPECT_EQ(fake.readFile("term.tvx"), bytes);
    }
    FakePlatform fake;
    fake.writeFile("term.tvx", files[1]);
    TermSettingsWindow editor(fake.windows());
    EXPECT_EQ(control<QLineEdit>(editor, "Text5")->text(), "30,6");
    EXPECT_EQ(control<QLineEdit>(editor, "Text6")->text(), "31");
}

TEST(SettingsSaves, AFullDiskKeepsThePreviousFileAndTheEditorOpenWithWhatWasTyped) {
    FakePlatform fake;
    auto& editor = fake.windows().open<TermSettingsWindow>();
    control<QLineEdit>(editor, "IvgText")->clear();
    typeText(control<QLineEdit>(editor, "IvgText"), "15");
    bool visible = false;
    {
        FileSizeLimit limit(16); // less than a term.tvx
        QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
        visible = editor.isVisible();
    }
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith("Impossible d'enregistrer le fichier term.tvx"));
    EXPECT_TRUE(fake.messages.shown[0].contains(
        "(la taille permise pour un fichier est dépassée). Le fichier précédent est conservé "
        "tel quel."))
        << fake.messages.shown[0].toStdString();
    EXPECT_TRUE(visible);
    EXPECT_EQ(control<QLineEdit>(editor, "IvgText")->text(), "15");
    EXPECT_EQ(fake.readFile("term.tvx"), kShippedTerm);
    // Once there is room again, the same editor saves what was typed.
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    EXPECT_TRUE(fake.readFile("term.tvx").startsWith("\"15\",\"7\""));
}

TEST(SettingsSaves, ACharacterTheFileCannotHoldIsNamedAndNothingIsSaved) {
    FakePlatform fake;
    auto& editor = fake.windows().open<TermSettingsWindow>();
    // A paste is not filtered: Greek and Vietnamese letters have no byte in Windows-1252.
    control<QLineEdit>(editor, "IvgText")->setText(QStringLiteral(u"14 Ω"));
    control<QLineEdit>(editor, "TxtRisqueLim")->setText(QStringLiteral(u"25ễ0Ω"));
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0],
              QStringLiteral(u"Ces caractères ne peuvent pas être enregistrés dans Term.tvx : "
                             u"Ω ễ\nRemplacez-les, puis enregistrez de nouveau."));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(fake.readFile("term.tvx"), kShippedTerm);
    // The letters of French that Windows-1252 holds are saved as they are.
    control<QLineEdit>(editor, "IvgText")->setText(QStringLiteral(u"14 é"));
    control<QLineEdit>(editor, "TxtRisqueLim")->setText(QStringLiteral(u"250 Œ €"));
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.readFile("term.tvx").startsWith("\"14 \xe9\""));
    EXPECT_TRUE(fake.readFile("term.tvx").contains("\"250 \x8c \x80\""));
}

} // namespace
