// SPDX-License-Identifier: GPL-3.0-or-later
// The patient of the consultation: named once for every printout, in memory
// only, and emptied with every window by "Nouvelle patiente".
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/patient_dialog.h"
#include "biometry/biometry_window.h"
#include "fertility/ovarian_response_window.h"
#include "fertility/transfer_score_window.h"
#include "menopause/osiris_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/window_driver.h"
#include "t21/t21_risk_window.h"
#include "ui/consultation_patient.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

TEST(ConsultationPatient, KeepsTheNameWithoutACivilityAndCountsHerAge) {
    ConsultationPatient patient;
    EXPECT_TRUE(patient.isEmpty());
    EXPECT_EQ(patient.civility(), "Madame");
    patient.set("Madame", "  Mme Zoé Lefèvre ", readFrenchDate("29/02/1980"));
    EXPECT_EQ(patient.name(), "Zoé Lefèvre");
    EXPECT_FALSE(patient.isEmpty());
    struct Case {
        const char* day;
        std::optional<int> age;
    } cases[] = {{"28/02/2010", 29}, {"01/03/2010", 30}, {"29/02/1980", 0}, {"28/02/1980", {}}};
    for (const Case& c : cases)
        EXPECT_EQ(patient.ageOn(*readFrenchDate(c.day)), c.age) << c.day;
    patient.clear();
    EXPECT_TRUE(patient.isEmpty());
    EXPECT_EQ(patient.ageOn(*readFrenchDate("01/03/2010")), std::nullopt);
}

TEST(ConsultationPatient, AFileNameHoldsTheNameAndTheDateWithoutCharactersAFileCannotHold) {
    const VbDate day = *readFrenchDate("10/12/2026");
    EXPECT_EQ(patientFileName("Courbe BIP", "Dupont", day, "pdf"),
              "Courbe BIP - Dupont - 2026-12-10.pdf");
    EXPECT_EQ(patientFileName("Courbe BIP", "", day, "svg"), "Courbe BIP - 2026-12-10.svg");
    EXPECT_EQ(patientFileName("Courbe BIP", "Du/pont: \"A\"*?<>|\\", day, "pdf"),
              "Courbe BIP - Du-pont- -A------- - 2026-12-10.pdf");
    EXPECT_EQ(documentForPatient("Planning de grossesse", "Dupont"),
              "Planning de grossesse - Dupont");
    EXPECT_EQ(documentForPatient("Planning de grossesse", ""), "Planning de grossesse");
}

class Consultation : public ::testing::Test {
  protected:
    Consultation() {
        fake.setToday("15/03/2010");
        main = new MainWindow(fake.windows());
        fake.keepUntilEnd(main);
        control<QLineEdit>(*main, "DateDR")->setText("01/01/2010");
        control<QLineEdit>(*main, "NbrEnf")->setText("1");
        control<QPushButton>(*main, "Command2")->click();
    }
    FakePlatform fake;
    MainWindow* main;
};

TEST_F(Consultation, ThePatientDialogKeepsHerAndRefusesADateOfBirthThatIsNone) {
    PatientDialog dialog(fake.windows().patient(), fake.messages);
    control<QLineEdit>(dialog, "TxtNom")->setText("Mme Dupont");
    control<QLineEdit>(dialog, "TxtNaissance")->setText("31/02/1980");
    dialog.accept();
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown.value(0).contains("« 31/02/1980 » n’est pas une date"));
    EXPECT_TRUE(fake.windows().patient().isEmpty());
    control<QLineEdit>(dialog, "TxtNaissance")->setText("12/05/1980");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fake.windows().patient().name(), "Dupont");
    EXPECT_EQ(fake.windows().patient().birthDate(), readFrenchDate("12/05/1980"));
}

TEST_F(Consultation, TheMainWindowReachesThePatientByItsMenuWithAShortcut) {
    QAction* patient = main->action("FichePatiente");
    ASSERT_NE(patient, nullptr);
    EXPECT_EQ(patient->text(), "&Patiente…");
    EXPECT_FALSE(patient->shortcut().isEmpty());
    QAction* next = main->action("NouvellePatiente");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    // The dialog opens on what she is, and OK keeps what is typed.
    fake.windows().patient().set("Madame", "Dupont", std::nullopt);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PatientDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = control<QLineEdit>(*dialog, "TxtNom")->text();
        control<QLineEdit>(*dialog, "TxtNom")->setText("Martin");
        dialog->accept();
    });
    patient->trigger();
    EXPECT_EQ(shown, "Dupont");
    EXPECT_EQ(fake.windows().patient().name(), "Martin");
}

TEST_F(Consultation, APrintoutAsksTheNameOnceAndEveryPageSaysWhoseAndWhen) {
    fake.prompt.answer = "Mme Zoé Lefèvre";
    main->action("Impression")->trigger();
    main->action("ImpressionPdf")->trigger();
    EXPECT_EQ(fake.prompt.asked.size(), 1); // what is typed is the consultation's name
    EXPECT_EQ(fake.windows().patient().name(), "Zoé Lefèvre");
    ASSERT_EQ(fake.reports.names.size(), 2u);
    EXPECT_EQ(fake.reports.names[1], "Planning de grossesse - Zoé Lefèvre");
    const QStringList lines = fake.reports.last().lines();
    EXPECT_TRUE(lines.contains("Madame Zoé Lefèvre,")) << lines.join('\n').toStdString();
    bool dated = false;
    for (const QString& l : lines)
        dated = dated || (l.startsWith("Le 15/03/2010") && l.contains("Signature du praticien"));
    EXPECT_TRUE(dated) << lines.join('\n').toStdString();
}

TEST_F(Consultation, ANameGivenBeforePrintingIsNotAsked) {
    fake.windows().patient().set("Madame", "Dupont", std::nullopt);
    main->action("Impression")->trigger();
    EXPECT_TRUE(fake.prompt.asked.isEmpty());
    EXPECT_TRUE(fake.reports.last().lines().contains("Madame Dupont,"));
}

TEST_F(Consultation, HerDateOfBirthFillsTheAgeFieldsUnlessAnotherIsTyped) {
    fake.windows().patient().set("Madame", "Dupont", readFrenchDate("12/05/1980"));
    auto& ovarian = fake.windows().open<OvarianResponseWindow>();
    EXPECT_EQ(control<QLineEdit>(ovarian, "TxtAge")->text(), "29");
    auto& transfer = fake.windows().open<TransferScoreWindow>();
    EXPECT_EQ(control<QLineEdit>(transfer, "TxtDateNaiss")->text(), "12/05/1980");
    auto& osiris = fake.windows().open<OsirisWindow>();
    EXPECT_EQ(control<QLineEdit>(osiris, "TxtDateNaiss")->text(), "12/05/1980");
    auto& t21 = fake.windows().open<T21RiskWindow>();
    auto* t21Birth = control<QLineEdit>(t21, "TxtDateNaiss");
    EXPECT_EQ(t21Birth->text(), "12/05/1980");
    // A date typed in a window stays there; the others follow the patient.
    t21Birth->setText("01/01/1975");
    fake.windows().patient().set("Madame", "Dupont", readFrenchDate("20/06/1970"));
    EXPECT_EQ(t21Birth->text(), "01/01/1975");
    EXPECT_EQ(control<QLineEdit>(transfer, "TxtDateNaiss")->text(), "20/06/1970");
    EXPECT_EQ(control<QLineEdit>(ovarian, "TxtAge")->text(), "39");
    fake.windows().patient().clear();
    EXPECT_EQ(control<QLineEdit>(osiris, "TxtDateNaiss")->text(), "");
}

// Every tool the menu opens, as a user opens it (the settings' windows aside:
// "Nouvelle patiente" leaves them alone).
std::vector<QAction*> toolEntries(MainWindow& main) {
    static const std::set<QString> notTools = {
        "Quitter",     "Aide",         "AproposDe", "FichePatiente", "NouvellePatiente",
        "Entete",      "Miseajour",    "Anesth",    "Tritest",       "Echo1T",
        "Seuil",       "Tarifs",       "CodePost",  "Aperçu",        "Impression",
        "Impression1", "ImpressionPdf"};
    std::vector<QAction*> out;
    for (const MenuRow& row : menuRows())
        if (!row.submenu && row.action && !notTools.count(QString::fromUtf8(row.name)))
            out.push_back(main.action(QString::fromUtf8(row.name)));
    return out;
}

std::map<QString, QWidget*> toolWindowsBut(const std::set<QWidget*>& others) {
    std::map<QString, QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!others.count(w) && w->isVisible() && !w->objectName().isEmpty() &&
            !qobject_cast<MainWindow*>(w))
            out[w->objectName()] = w;
    return out;
}

void fill(QWidget* window) {
    for (auto* e : window->findChildren<QLineEdit*>())
        if (e->isEnabled() && !e->isReadOnly() && e->isVisible()) {
            e->clear();
            QTest::keyClicks(e, "12");
        }
    for (auto* c : window->findChildren<QCheckBox*>())
        if (c->isEnabled() && c->isVisible()) c->setChecked(!c->isChecked());
}

std::string differences(QWidget* seen, QWidget* fresh) {
    const auto a = snapshot(seen, {});
    const auto b = snapshot(fresh, {});
    std::string out;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString l = i < a.size() ? a[i].name + ": " + a[i].state : "(rien)";
        const QString r = i < b.size() ? b[i].name + ": " + b[i].state : "(rien)";
        if (l != r) out += "  " + l.toStdString() + "\n  au lieu de " + r.toStdString() + "\n";
    }
    return out;
}

TEST(NewPatient, EmptiesThePatientAndEveryWindowAsAFreshStartWould) {
    FakePlatform used;
    used.setToday("15/03/2010");
    auto* main = new MainWindow(used.windows());
    used.keepUntilEnd(main);
    main->show();
    used.windows().patient().set("Mademoiselle", "Dupont", readFrenchDate("12/05/1980"));
    const QWidgetList atStart = QApplication::topLevelWidgets();
    const std::set<QWidget*> before(atStart.begin(), atStart.end());
    for (QAction* a : toolEntries(*main))
        a->trigger();
    const auto opened = toolWindowsBut(before);
    ASSERT_GE(opened.size(), 8u);
    for (const auto& [name, w] : opened)
        fill(w);
    fill(main);
    used.messages.answers = {Messages::Answer::Yes};
    main->action("NouvellePatiente")->trigger();
    EXPECT_EQ(used.messages.warnings, QStringList({"Nouvelle patiente [question]"}));
    EXPECT_TRUE(used.windows().patient().isEmpty());
    for (QAction* a : toolEntries(*main))
        a->trigger();
    const auto renewed = toolWindowsBut(before);

    FakePlatform fresh;
    fresh.setToday("15/03/2010");
    auto* freshMain = new MainWindow(fresh.windows());
    fresh.keepUntilEnd(freshMain);
    freshMain->show();
    const QWidgetList beforeFresh = QApplication::topLevelWidgets();
    const std::set<QWidget*> notFresh(beforeFresh.begin(), beforeFresh.end());
    for (QAction* a : toolEntries(*freshMain))
        a->trigger();
    const auto freshOnes = toolWindowsBut(notFresh);

    EXPECT_EQ(differences(main, freshMain), "") << "Form1";
    for (const auto& [name, w] : freshOnes) {
        ASSERT_TRUE(renewed.count(name)) << name.toStdString();
        EXPECT_EQ(differences(renewed.at(name), w), "") << name.toStdString();
    }
}

TEST(NewPatient, AsksNothingWhenNothingWasTypedAndKeepsAllWhenRefused) {
    FakePlatform fake;
    auto* main = new MainWindow(fake.windows());
    fake.keepUntilEnd(main);
    main->action("NouvellePatiente")->trigger();
    EXPECT_TRUE(fake.messages.warnings.isEmpty());
    fake.windows().patient().set("Madame", "Dupont", std::nullopt);
    control<QLineEdit>(*main, "DateDR")->setText("01/01/2010");
    fake.messages.answers = {Messages::Answer::No};
    main->action("NouvellePatiente")->trigger();
    EXPECT_EQ(fake.messages.warnings.size(), 1);
    EXPECT_EQ(fake.windows().patient().name(), "Dupont");
    EXPECT_EQ(control<QLineEdit>(*main, "DateDR")->text(), "01/01/2010");
}

TEST(NewPatient, AsksWhenAClosedWindowLeftItsExaminationWithTheConsultation) {
    FakePlatform fake;
    auto* main = new MainWindow(fake.windows());
    fake.keepUntilEnd(main);
    main->action("Biometrie")->trigger();
    auto* biometry = fake.windows().existing<BiometryWindow>();
    ASSERT_NE(biometry, nullptr);
    control<QLineEdit>(*biometry, "SAF3")->setText("30");
    biometry->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(fake.windows().existing<BiometryWindow>(), nullptr);

    fake.messages.answers = {Messages::Answer::No};
    main->action("NouvellePatiente")->trigger();
    EXPECT_EQ(fake.messages.warnings, QStringList({"Nouvelle patiente [question]"}));
    main->action("Biometrie")->trigger();
    biometry = fake.windows().existing<BiometryWindow>();
    EXPECT_EQ(control<QLineEdit>(*biometry, "SAF3")->text(), "30");
}

} // namespace
