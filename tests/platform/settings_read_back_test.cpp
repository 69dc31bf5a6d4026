// SPDX-License-Identifier: GPL-3.0-or-later
// A save writes only what the next start reads back: over the three settings
// files, a value their reader would refuse (an invisible character pasted
// from elsewhere, a number too large for its field) is named to the user and
// nothing is saved; the editor stays open with what was typed.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "dating/term_settings.h"
#include "dating/term_settings_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "ui/window_registry.h"
#include "utilities/fee_schedule.h"
#include "utilities/fees_window.h"
#include "utilities/practice_options.h"
#include "utilities/practice_options_window.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// One settings editor: how to open it, the field a value is typed into, its
// save button, its file and what the next start reads of that file.
struct Editor {
    const char* file;
    const char* shownName;
    std::function<QWidget*(FakePlatform&)> open;
    std::function<QLineEdit*(QWidget*)> field;
    std::function<QPushButton*(QWidget*)> saveButton;
    std::function<bool(const QByteArray&)> readsWhole;
};

std::vector<Editor> editors() {
    return {
        {"term.tvx", "Term.tvx",
         [](FakePlatform& fake) -> QWidget* { return &fake.windows().open<TermSettingsWindow>(); },
         [](QWidget* w) {
             return control<QLineEdit>(*static_cast<TermSettingsWindow*>(w), "TxtRisqueLim");
         },
         [](QWidget* w) {
             return control<QPushButton>(*static_cast<TermSettingsWindow*>(w), "CmdEnregistrer");
         },
         [](const QByteArray& bytes) { return readTermSettings(bytes.toStdString()).complete; }},
        {"options.tvx", "Options.tvx",
         [](FakePlatform& fake) -> QWidget* {
             return &fake.windows().open<PracticeOptionsWindow>();
         },
         [](QWidget* w) {
             return control<QLineEdit>(*static_cast<PracticeOptionsWindow*>(w), "Text3");
         },
         [](QWidget* w) {
             return control<QPushButton>(*static_cast<PracticeOptionsWindow*>(w), "Enregistre");
         },
         [](const QByteArray& bytes) { return readPracticeOptions(bytes.toStdString()).complete; }},
        {"tarifs.tvx", "Tarifs.tvx",
         [](FakePlatform& fake) -> QWidget* { return &fake.windows().open<FeesWindow>(); },
         [](QWidget* w) { return control<QLineEdit>(*static_cast<FeesWindow*>(w), "TxtGyn01"); },
         [](QWidget* w) {
             return control<QPushButton>(*static_cast<FeesWindow*>(w), "Enregistrer");
         },
         [](const QByteArray& bytes) { return readFeeSchedule(bytes.toStdString()).complete; }},
    };
}

TEST(SettingsReadBack, AnInvisibleCharacterIsNamedAndNothingIsSaved) {
    struct Value {
        QString typed;
        const char* named;
    } values[] = {
        {QStringLiteral("25\v0"), "tabulation verticale (U+000B) dans « 250 »"},
        {QStringLiteral("250") + QChar(0x01), "caractère de commande U+0001 dans « 250 »"},
        {QStringLiteral("2") + QChar(0) + QStringLiteral("50"),
         "caractère nul (U+0000) dans « 250 »"},
        {QStringLiteral("250") + QChar(0x7F), "effacement (U+007F) dans « 250 »"},
        {QStringLiteral("\x1b") + QStringLiteral("250"), "échappement (U+001B) dans « 250 »"},
    };
    for (const Editor& editor : editors()) {
        for (const Value& value : values) {
            SCOPED_TRACE(std::string(editor.file) + " " + value.named);
            FakePlatform fake;
            const QByteArray before = fake.readFile(editor.file);
            QWidget* window = editor.open(fake);
            fake.messages.shown.clear(); // a file missing at the opening is told then
            QLineEdit* field = editor.field(window);
            field->setText(value.typed);
            ASSERT_EQ(field->text(), value.typed) << "the field takes the pasted text as it is";
            QTest::mouseClick(editor.saveButton(window), Qt::LeftButton);
            ASSERT_EQ(fake.messages.shown.size(), 1) << fake.messages.shown.join('|').toStdString();
            EXPECT_EQ(fake.messages.shown[0],
                      QStringLiteral("Ces caractères invisibles ne peuvent pas être enregistrés "
                                     "dans ") +
                          editor.shownName + " : " + QString::fromUtf8(value.named) +
                          ".\nSupprimez-les, puis enregistrez de nouveau.");
            EXPECT_EQ(fake.readFile(editor.file), before) << "nothing saved";
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(field->text(), value.typed);
            // Once removed, the value is saved and read back whole.
            field->setText(QStringLiteral("250"));
            QTest::mouseClick(editor.saveButton(window), Qt::LeftButton);
            EXPECT_EQ(fake.messages.shown.size(), 1);
            EXPECT_TRUE(editor.readsWhole(fake.readFile(editor.file)));
        }
    }
}

// A value the term file's reader refuses at the next start (more than 100000)
// was saved, then the default silently used at every start: it is named now.
TEST(SettingsReadBack, ANumberTooLargeForItsFieldIsNamedAndNothingIsSaved) {
    struct Case {
        const char* field;
        const char* typed;
    } cases[] = {
        {"TxtRisqueLim", "100001"},
        {"IvgText", "100001"},
        {"IvgText", "250000"},
        {"Text1", "-250000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FakePlatform fake;
        auto& editor = fake.windows().open<TermSettingsWindow>();
        QLineEdit* field = control<QLineEdit>(editor, c.field);
        field->setText(QString::fromLatin1(c.typed));
        QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0],
                  QStringLiteral("Ces valeurs ne seraient pas relues au prochain démarrage et ne "
                                 "peuvent pas être enregistrées dans Term.tvx : « ") +
                      c.typed + " »\nCorrigez-les, puis enregistrez de nouveau.");
        EXPECT_EQ(fake.readFile("term.tvx"), kShippedTerm);
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(field->text(), c.typed);
    }
    // The largest value the reader takes is saved, and read back as it is.
    FakePlatform fake;
    auto& editor = fake.windows().open<TermSettingsWindow>();
    control<QLineEdit>(editor, "TxtRisqueLim")->setText("100000");
    QTest::mouseClick(control<QPushButton>(editor, "CmdEnregistrer"), Qt::LeftButton);
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join('|').toStdString();
    const auto read = readTermSettings(fake.readFile("term.tvx").toStdString());
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.settings[TermSettings::AmniocentesisThreshold], "100000");
}

// The consultation fees make the totals the fees window shows when it opens:
// one that is no number made tarifs.tvx refused at every opening.
TEST(SettingsReadBack, AConsultationFeeThatIsNoNumberIsNamedAndNothingIsSaved) {
    struct Case {
        const char* field;
        const char* typed;
    } cases[] = {
        {"TxtECs", "abc"},
        {"TxtMCS", "2 euros"},
        {"TxtMPC", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FakePlatform fake;
        auto& editor = fake.windows().open<FeesWindow>();
        fake.messages.shown.clear();
        control<QLineEdit>(editor, c.field)->setText(QString::fromUtf8(c.typed));
        QTest::mouseClick(control<QPushButton>(editor, "Enregistrer"), Qt::LeftButton);
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0],
                  QStringLiteral("Ces valeurs ne seraient pas relues au prochain démarrage et ne "
                                 "peuvent pas être enregistrées dans Tarifs.tvx : « ") +
                      QString::fromUtf8(c.typed) +
                      " »\nCorrigez-les, puis enregistrez de nouveau.");
        EXPECT_TRUE(fake.readFile("tarifs.tvx").isEmpty()) << "nothing saved";
        EXPECT_TRUE(editor.isVisible());
    }
}

} // namespace
