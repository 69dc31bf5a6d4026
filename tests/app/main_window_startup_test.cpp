// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the moon, the menus and the date pickers of the main window.
#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/moon_widget.h"
#include "dating/term_settings_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "ui/date_picker_window.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

struct Started {
    explicit Started(const char* today, QByteArray term = kShippedTerm) {
        fake.setToday(today);
        fake.writeFile("term.tvx", term);
        window = std::make_unique<MainWindow>(windows);
    }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST(MainWindowStartUp, TitleSaintProverbListAndMoonOfToday) {
    Started s("01/01/2010");
    EXPECT_EQ(s.window->windowTitle(), "Calculette Obstétricale" + QString(40, ' ') + "01/01/2010");
    EXPECT_EQ(control<QLabel>(*s.window, "LblSaint")->text(), "Jour de l'an");
    EXPECT_EQ(control<QLabel>(*s.window, "LblAlmanach")->text(),
              "Au jour de l'an,\nLes jours croissent d'un vol de faisan.");
    ASSERT_EQ(control<QListWidget>(*s.window, "ListeSA")->count(), 42);
    EXPECT_EQ(control<QListWidget>(*s.window, "ListeSA")->item(0)->text(), "2");
    EXPECT_EQ(control<QListWidget>(*s.window, "ListeSA")->item(41)->text(), "43");
    EXPECT_EQ(control<QListWidget>(*s.window, "ListeSA")->currentItem()->text(), "6");
    EXPECT_EQ(control<QLineEdit>(*s.window, "TxtDateJ")->text(), "01/01/2010");
    EXPECT_FALSE(control<QTimer>(*s.window, "Timer1")->isActive());
    EXPECT_TRUE(control<QLabel>(*s.window, "LblAvertir")->isHidden());
    for (QLineEdit* e :
         {control<QLineEdit>(*s.window, "DateDR"), control<QLineEdit>(*s.window, "DateDG"),
          control<QLineEdit>(*s.window, "DateAP"), control<QLineEdit>(*s.window, "DateSA")})
        EXPECT_TRUE(e->text().isEmpty());
    EXPECT_TRUE(s.fake.messages.shown.isEmpty());
    EXPECT_EQ(s.window->termSettings()[TermSettings::SerumFirstFrom], "77");
}

TEST(MainWindowStartUp, EmptyDaysOfTheAlmanacEmptyTheLabels) {
    Started s("20/09/2011");
    EXPECT_EQ(control<QLabel>(*s.window, "LblSaint")->text(), "");
    EXPECT_EQ(control<QLabel>(*s.window, "LblAlmanach")->text(), "");
}

TEST(MainWindowStartUp, ADueReminderShowsAndBlinks) {
    Started s("10/01/2011");
    EXPECT_EQ(control<QLabel>(*s.window, "LblAvertir")->text(),
              "Plus que 5 jours pour payer les charges de la "
              "Secrétaire\n\n(Dernier délai le 15 Janvier)");
    EXPECT_TRUE(control<QTimer>(*s.window, "Timer1")->isActive());
    EXPECT_EQ(control<QTimer>(*s.window, "Timer1")->interval(), 800);
    const bool before = control<QLabel>(*s.window, "LblAvertir")->isHidden();
    QTest::qWait(900);
    EXPECT_NE(control<QLabel>(*s.window, "LblAvertir")->isHidden(), before);
}

TEST(MainWindowStartUp, AFaultyTermFileGivesTheMessageAndTheDefaults) {
    const QByteArray faulty[] = {
        "", "\"10\",\"5\"\r\n", QByteArray("\x00\x01\x02\xff", 4),
        "\"14\",\"7\",\"98,\"125\",\"77\",\"97\",\"210\",\"238\",\"250\",\"77\",\"97"};
    for (const QByteArray& bytes : faulty) {
        Started s("15/03/2010", bytes);
        EXPECT_EQ(s.fake.messages.shown, QStringList({"Fichier Term.tvx absent ou erronné."}));
        // No windows in the defaults: the schedule stops silently.
        control<QLineEdit>(*s.window, "DateDG")->setText("15/01/2010");
        EXPECT_EQ(control<QLineEdit>(*s.window, "DateAP")->text(), "15/10/2010");
        EXPECT_TRUE(control<QLineEdit>(*s.window, "DatesHT21_1T")->text().isEmpty());
        // Told once: the windows that follow the date do not repeat it.
        EXPECT_EQ(s.fake.messages.shown.size(), 1);
    }
    // Unquoted values are read.
    Started unquoted("15/03/2010", "14,7,98,125,77,97,210,238,250,77,97\r\n");
    EXPECT_TRUE(unquoted.fake.messages.shown.isEmpty());
    control<QLineEdit>(*unquoted.window, "DateDG")->setText("15/01/2010");
    EXPECT_EQ(control<QLineEdit>(*unquoted.window, "DatesHT21_1T")->text(),
              "19/03/2010 --> 08/04/2010");
}

TEST(MainWindowMoon, PhaseDirectionAndDayButtons) {
    Started s("06/01/2000");
    EXPECT_EQ(control<QLabel>(*s.window, "Label11")->text(), "Descendante");
    EXPECT_NEAR(control<MoonWidget>(*s.window, "Picture1")->phase(), 0.470, 0.001);
    control<QLineEdit>(*s.window, "TxtDateJ")->setText("21/01/2000");
    EXPECT_EQ(control<QLabel>(*s.window, "Label11")->text(), "Montante");
    EXPECT_NEAR(control<MoonWidget>(*s.window, "Picture1")->phase(), 0.978, 0.001);

    control<QLineEdit>(*s.window, "TxtDateJ")->setText("31/12/2010");
    QTest::mouseClick(control<QPushButton>(*s.window, "CmdDatePlus"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(*s.window, "TxtDateJ")->text(), "01/01/2011");
    QTest::mouseClick(control<QPushButton>(*s.window, "CmdDateMoins"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(*s.window, "CmdDateMoins"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(*s.window, "TxtDateJ")->text(), "30/12/2010");
    const double phase = control<MoonWidget>(*s.window, "Picture1")->phase();

    // Text that is not a date leaves the moon as it was; the buttons do nothing.
    control<QLineEdit>(*s.window, "TxtDateJ")->setText("30/12/201");
    QTest::mouseClick(control<QPushButton>(*s.window, "CmdDatePlus"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(*s.window, "TxtDateJ")->text(), "30/12/201");
    EXPECT_EQ(control<MoonWidget>(*s.window, "Picture1")->phase(), phase);
}

TEST(MainWindowMoon, DrawsADarkDiscWithItsLitPart) {
    Started s("06/01/2000");
    auto litShare = [&](const char* day) {
        control<QLineEdit>(*s.window, "TxtDateJ")->setText(day);
        const QImage image = control<MoonWidget>(*s.window, "Picture1")->grab().toImage();
        int white = 0, black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (c == qRgb(255, 255, 255)) ++white;
                if (c == qRgb(0, 0, 0)) ++black;
            }
        return double(white) / (white + black);
    };
    EXPECT_GT(litShare("21/01/2000"), 0.9);  // full moon
    EXPECT_LT(litShare("06/01/2000"), 0.15); // new moon
    const double quarter = litShare("14/01/2000");
    EXPECT_GT(quarter, 0.35);
    EXPECT_LT(quarter, 0.75);
}

TEST(MainWindowMenus, EveryCaptionAndTheToolsNotYetBuiltGreyed) {
    Started s("15/03/2010");
    const std::pair<const char*, const char*> captions[] = {
        {"Quitter", "&Quitter"},
        {"Imprimer", "&Imprimer"},
        {"Aperçu", "Aperçu avant Impression"},
        {"Impression", "Impression Directe"},
        {"Impression1", "Impression avec choix de l'imprimante"},
        {"ImpressionPdf", "Enregistrer en PDF…"},
        {"Biometries", "&Biometrie"},
        {"Biometrie", "&Biometrie"},
        {"Courbes", "Co&urbes"},
        {"Biparietal", "Bipariétal"},
        {"Cc", "Circonf. Céphalique"},
        {"Cervelet", "Cervelet"},
        {"AQ", "Abdominal Transverse"},
        {"CA", "Circonf. Abdominale"},
        {"Femur", "Fémur"},
        {"Pied", "Pied"},
        {"Ivg", "I&VG"},
        {"T21", "T&21"},
        {"MAP", "&MAP"},
        {"THS", "T&HS"},
        {"Options", "&Options"},
        {"Entete", "En-tête, mise à jour"},
        {"Miseajour", "Dates limites IVG, mise à jour"},
        {"Anesth", "Dates Consultation anesthésistes"},
        {"Tritest", "Dates Marqueurs HT21"},
        {"Echo1T", "Dates Echographie 1T"},
        {"Seuil", "Seuil pour l'amniocentèse"},
        {"Outils", "Ou&tils"},
        {"Euro", "Euro Convertisseur"},
        {"CodePost", "Codes Postaux"},
        {"feries", "Les jours fériés"},
        {"amp", "AMP - FIV"},
        {"Score01", "Score réponse ovarienne"},
        {"Score02", "Score transfert embryonnaire"},
        {"scosiris", "Score OSIRIS"},
        {"Tarifs", "&Tarifs"},
        {"Aide", "&Aide"},
        {"AproposDe", "&?"},
    };
    for (const auto& [name, caption] : captions) {
        QAction* action = s.window->action(QString::fromUtf8(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << name;
    }
    for (const char* ready :
         {"Quitter", "Aperçu", "Impression", "Impression1", "ImpressionPdf", "Entete", "Miseajour",
          "Anesth", "Tritest", "Echo1T", "Seuil", "Aide", "AproposDe"})
        EXPECT_TRUE(s.window->action(QString::fromUtf8(ready))->isEnabled()) << ready;
    // Every tool is built now: no entry stays greyed.
    for (const char* tool :
         {"Biometrie", "Ivg", "T21", "MAP", "THS", "Euro", "Tarifs", "Score01", "scosiris"})
        EXPECT_TRUE(s.window->action(tool)->isEnabled()) << tool;
}

TEST(MainWindowMenus, TheFiveSettingsEntriesOpenOneEditor) {
    Started s("15/03/2010");
    s.window->action("Miseajour")->trigger();
    TermSettingsWindow* editor = s.windows.existing<TermSettingsWindow>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    for (const char* name : {"Anesth", "Tritest", "Echo1T", "Seuil"}) {
        s.window->action(name)->trigger();
        EXPECT_EQ(s.windows.existing<TermSettingsWindow>(), editor) << name;
        EXPECT_TRUE(editor->isVisible());
    }
    EXPECT_EQ(QApplication::topLevelWidgets().count(editor), 1);
}

TEST(MainWindowMenus, HelpOpensAtTheContentsPage) {
    Started s("15/03/2010");
    s.window->action("Aide")->trigger();
    EXPECT_EQ(s.fake.help.topics, std::vector<int>{0});
}

TEST(MainWindowMenus, AboutBoxNamesTheProgramAndItsVersion) {
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), "À propos de Tovimar-S");
    EXPECT_EQ(control<QLabel>(about, "lblTitle")->text(), "Tovimar-S");
    EXPECT_EQ(control<QLabel>(about, "lblVersion")->text(), "Version 6.2.0");
    EXPECT_EQ(control<QLabel>(about, "lblDescription")->text(),
              "Logiciel d'aide à la pratique de l'Obstétrique");
    about.show();
    QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(MainWindowDatePickers, ADoubleClickOpensTheCalendarWhoseDayFillsTheField) {
    Started s("15/03/2010");
    QTest::mouseDClick(control<QLineEdit>(*s.window, "DateDR"), Qt::LeftButton);
    DatePickerWindow* picker = s.windows.existing<DatePickerWindow>();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->windowTitle(), "Date des dernières règles");
    EXPECT_TRUE(picker->calendar()->isVisible());
    EXPECT_EQ(picker->field(), control<QLineEdit>(*s.window, "DateDR"));
    EXPECT_EQ(picker->calendar()->accessibleName(), "Calendrier des dernières règles");
    emit picker->calendar()->clicked(QDate(2010, 1, 1));
    EXPECT_EQ(control<QLineEdit>(*s.window, "DateDR")->text(), "01/01/2010");
    EXPECT_EQ(control<QLineEdit>(*s.window, "DateDG")->text(), "15/01/2010");
    EXPECT_EQ(control<QListWidget>(*s.window, "ListePN")->count(), 6);
    EXPECT_TRUE(picker->isVisible()); // stays open between picks

    QTest::mouseDClick(control<QLineEdit>(*s.window, "DateDG"), Qt::LeftButton);
    EXPECT_EQ(s.windows.existing<DatePickerWindow>(), picker);
    EXPECT_EQ(picker->windowTitle(), "Date du début de grossesse");
    EXPECT_EQ(picker->field(), control<QLineEdit>(*s.window, "DateDG"));
    EXPECT_EQ(picker->calendar()->selectedDate(), QDate(2010, 1, 15));
    QTest::mouseDClick(control<QLineEdit>(*s.window, "DateX"), Qt::LeftButton);
    EXPECT_EQ(picker->windowTitle(), "Date de l'échographie");
    emit picker->calendar()->clicked(QDate(2010, 2, 28));
    EXPECT_EQ(control<QLineEdit>(*s.window, "DateX")->text(), "28/02/2010");
}

TEST(MainWindowAccessibility, EveryControlHasAFrenchNameAndTabFollowsReading) {
    Started s("15/03/2010");
    for (QWidget* w : s.window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QScrollBar*>(w);
        if (!control || w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    // From the LMP, Tab walks the dating fields in reading order.
    QWidget* w = control<QLineEdit>(*s.window, "DateDR");
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled())
            w = w->nextInFocusChain();
    }
    EXPECT_EQ(order,
              QStringList({"DateDR", "DateDG", "DateAP", "NbreSA", "NbreMois", "NbreJours"}));
}

} // namespace

#include <QToolButton>

#include "ui/pictures.h"

namespace {

TEST(Pictures, EveryPictureIsBuiltIntoTheProgram) {
    for (const char* name :
         {"app_icon", "icon_compute", "icon_reset", "main_decor", "splash_tile", "splash_picture"})
        EXPECT_FALSE(picture(name).isNull()) << name;
    Started s("15/03/2010");
    EXPECT_FALSE(control<QToolButton>(*s.window, "Command1")->icon().isNull());
    EXPECT_FALSE(control<QLabel>(*s.window, "Image1")->pixmap().isNull());
}

} // namespace

namespace {

TEST(MainWindowMoon, ShortAndLongFormsOfADayShowTheSameMoon) {
    Started s("06/01/2000");
    control<QLineEdit>(*s.window, "TxtDateJ")->setText("21/1/00");
    const double shortForm = control<MoonWidget>(*s.window, "Picture1")->phase();
    control<QLineEdit>(*s.window, "TxtDateJ")->setText("06/01/2000");
    control<QLineEdit>(*s.window, "TxtDateJ")->setText("21/01/2000");
    EXPECT_EQ(control<MoonWidget>(*s.window, "Picture1")->phase(), shortForm);
    EXPECT_EQ(control<QLabel>(*s.window, "Label11")->text(), "Montante");
}

} // namespace

namespace {

TEST(MainWindowDatePickers, ACalendarOnAnEmptyFieldOpensOnToday) {
    Started s("15/03/2010");
    QTest::mouseDClick(control<QLineEdit>(*s.window, "DateX"), Qt::LeftButton);
    DatePickerWindow* picker = s.windows.existing<DatePickerWindow>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->calendar()->selectedDate(), QDate(2010, 3, 15));
}

} // namespace
