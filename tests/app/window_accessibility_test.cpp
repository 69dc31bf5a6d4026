// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, as a screen reader user meets it: each control
// that Tab can reach has a French accessible name, and Tab visits the controls
// in reading order. One table gives, per window, the order expected.
#include <QTabWidget>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/patient_dialog.h"
#include "app/screen_reader.h"
#include "biometry/biometry_window.h"
#include "biometry/chart_viewer_window.h"
#include "biometry/plotting_window.h"
#include "dating/planning_preview_window.h"
#include "dating/term_settings_window.h"
#include "fertility/ovarian_response_window.h"
#include "fertility/transfer_score_window.h"
#include "menopause/hormone_therapy_window.h"
#include "menopause/osiris_window.h"
#include "obstetrics/preterm_labour_window.h"
#include "obstetrics/termination_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "t21/t21_about_window.h"
#include "t21/t21_risk_window.h"
#include "ui/date_picker_window.h"
#include "ui/help_window.h"
#include "ui/window_registry.h"
#include "utilities/converter_window.h"
#include "utilities/fees_window.h"
#include "utilities/postal_directory_window.h"
#include "utilities/practice_options_window.h"
#include "utilities/public_holidays_window.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

using Opener = std::function<QWidget*(Fixture&)>;

template <class W> Opener tool() {
    return [](Fixture& f) -> QWidget* { return &f.fake.windows().open<W>(); };
}

struct WindowCase {
    const char* window;
    Opener open;
    QStringList tabOrder;
};

const std::vector<WindowCase>& windows() {
    static const std::vector<WindowCase> cases = {
        {"MainWindow",
         [](Fixture& f) -> QWidget* { return f.main.get(); },
         {"DateDR",  "DateDG",       "DateAP",       "NbreSA",     "NbreMois",   "NbreJours",
          "ListeSA", "DateSA",       "SA",           "Sac",        "CRL",        "Bip",
          "Fem",     "DateX",        "SemA",         "Command1",   "Command3",   "ListePN",
          "ListeUS", "DatesHT21_1T", "DatesHT21_2T", "ListeCONGE", "NbrEnf",     "Gemell",
          "Triple",  "Command2",     "CmdDateMoins", "TxtDateJ",   "CmdDatePlus"}},
        {"Form3",
         tool<BiometryWindow>(),
         {"DateDGf3",  "DateJourF3", "Orb",         "Bip",      "Cc",        "Dat",
          "CA",        "Fem",        "Pied",        "Hum",      "Cer",       "SAF3",
          "CBip",      "CCc",        "CDat",        "CCa",      "CFem",      "CPied",
          "CHum",      "CCer",       "Command1",    "DioBip",   "FemPied",   "TxtPoids2",
          "TxtPoids1", "TxtPoids0",  "Command2",    "TxtPds",   "TxtTaille", "CmbSexe",
          "CmbEthnie", "CmbParite",  "TxtNbrJours", "TxtNbrSA", "TxtPoidsF", "Command3",
          "Command4",  "Courbes",    "Imprimer",    "QuitterF3"}},
        {"ChartViewer",
         tool<ChartViewerWindow>(),
         {"BoutonBip", "BoutonDat", "BoutonCc", "BoutonCa", "BoutonFem", "BoutonPied", "BoutonCerv",
          "TblEchos", "Quitter"}},
        {"Plotting",
         tool<PlottingWindow>(),
         {"CmdBip", "CmdCc", "CmdDat", "CmdCa", "CmdFem", "CmdPied", "CmdCerv", "Sem_Entier",
          "TblEchos", "Quitter"}},
        {"Form9",
         tool<TermSettingsWindow>(),
         {"IvgText", "RuText", "TxtRisqueLim", "Text5", "Text6", "Text9", "Text10", "Text1",
          "Text2", "Text15", "Text16", "CmdEnregistrer", "CmdQuitter"}},
        {"Preview", tool<PlanningPreviewWindow>(), {"Entet"}},
        {"Form6", tool<DatePickerWindow>(), {"Calendar1:Jours du mois", "CmdQuitter"}},
        {"Form8", tool<TerminationWindow>(), {"Text2", "Text1", "Command1"}},
        {"MAP",
         tool<PretermLabourWindow>(),
         {"DateDR", "DateDG", "TxtCol", "Slider1", "OpPosFibro", "ChkPrema", "OpNulli",
          "CmdCalcule", "CmdEfface", "Command1"}},
        {"MAPStart", tool<PretermStartCalendar>(), {"Calendar1:Jours du mois", "CmdFermer"}},
        {"MAPLmp", tool<PretermLmpCalendar>(), {"Calendar1:Jours du mois", "CmdFermer"}},
        {"T21",
         tool<T21RiskWindow>(),
         {"TxtDateNaiss", "TxtAgeMat", "TxtDatEcho", "Check1", "TxtRiskSero", "TxtLCC", "TxtNC",
          "TxtRiskComb", "List1", "CmdCalcule", "CmdEfface", "Command1"}},
        {"T21About", tool<T21AboutWindow>(), {"Text1", "Command1"}},
        {"THS", tool<HormoneTherapyWindow>(), {"OptTT_Regles", "Fermer"}},
        {"Osiris",
         tool<OsirisWindow>(),
         {"TxtAge", "SliderAge", "TxtPds", "SliderPds", "TxtDateNaiss", "ChkTHS", "ChkFract"}},
        {"Ovarian",
         tool<OvarianResponseWindow>(),
         {"TxtAge", "TxtPds", "TxtTaille", "TxtFSH", "TxtLh", "BtnCalcule", "BtnEfface",
          "BtnFermer"}},
        {"Transfer",
         tool<TransferScoreWindow>(),
         {"TxtDateNaiss", "TxtAge", "HScroll1", "TxtE2", "HScroll2", "TxtFSH", "HScroll3", "Opt4",
          "BtnCalcule", "BtnEfface", "BtnQuitter"}},
        {"TransferMethod", tool<TransferMethodWindow>(), {"Text1", "BtnFermer"}},
        {"Converter",
         tool<ConverterWindow>(),
         {"Text1", "Text2", "Command1", "Command2", "Command3"}},
        {"Fees",
         tool<FeesWindow>(),
         {"Pages:Consultations, actes techniques et PMA",
          "TxtEC",
          "TxtECs",
          "TxtMCS",
          "TxtMPC",
          "TxtENuit",
          "TxtEFerie",
          "TxtGyn01",
          "TxtGyn02",
          "TxtGyn03",
          "TxtGyn04",
          "TxtGyn05",
          "TxtGyn06",
          "TxtGyn07",
          "TxtGyn08",
          "TxtGyn09",
          "TxtGyn10",
          "TxtPMA01",
          "TxtPMA02",
          "TxtPMA03",
          "TxtPMA04",
          "TxtPMA05",
          "Enregistrer",
          "Quitter"}},
        {"Fees, page des échographies",
         [](Fixture& f) -> QWidget* {
             auto& fees = f.fake.windows().open<FeesWindow>();
             control<QTabWidget>(fees, "Pages")->setCurrentIndex(1);
             return &fees;
         },
         {"Pages:Actes d'échographie",
          "TxtEObs01",
          "TxtEObs02",
          "TxtEObs03",
          "TxtEObs04",
          "TxtEObs05",
          "TxtEObs06",
          "TxtEObs07",
          "TxtEObs08",
          "TxtEObs09",
          "TxtEObs10",
          "TxtEObs11",
          "TxtEObs12",
          "TxtEObs13",
          "TxtEObs14",
          "TxtEObs15",
          "TxtEObs16",
          "TxtEGyn01",
          "TxtEGyn02",
          "TxtEGyn03",
          "TxtEGyn04",
          "TxtEGyn05",
          "TxtEGyn06",
          "TxtEGyn07",
          "Enregistrer",
          "Quitter"}},
        {"Postal",
         tool<PostalDirectoryWindow>(),
         {"TxtVilles", "TxtCodes", "Command1", "Command2", "List1", "CmdNouv", "CmdModif",
          "CmdQuitter"}},
        {"Options",
         tool<PracticeOptionsWindow>(),
         {"Combo1", "Text1", "Text2", "Combo2", "Text3", "Text4", "Text5", "Text6", "Text7",
          "Text8", "CboConduite", "Annuler", "Quitte", "Enregistre"}},
        {"Holidays", tool<PublicHolidaysWindow>(), {"Text1", "List1", "Command1"}},
        {"Patient",
         [](Fixture& f) -> QWidget* {
             auto* dialog =
                 new PatientDialog(f.fake.windows().patient(), f.fake.messages, f.main.get());
             dialog->setAttribute(Qt::WA_DeleteOnClose);
             return dialog;
         },
         {"CboCivilite", "TxtNom", "TxtNaissance", "CmdOK", "CmdAnnuler"}},
        {"About",
         [](Fixture& f) -> QWidget* {
             auto* about = new AboutBox(f.main.get());
             about->setAttribute(Qt::WA_DeleteOnClose);
             return about;
         },
         {"cmdOK"}},
        {"Help",
         [](Fixture& f) -> QWidget* {
             auto* help = new HelpWindow(f.main.get());
             help->setAttribute(Qt::WA_DeleteOnClose);
             help->setWindowFlag(Qt::Window);
             return help;
         },
         {"HelpHome", "HelpPrint", "HelpSearch", "HelpFindNext", "HelpContents", "HelpText"}},
    };
    return cases;
}

TEST(WindowAccessibility, EveryReachableControlHasAFrenchNameAndTabFollowsReading) {
    for (const WindowCase& c : windows()) {
        Fixture f;
        QWidget* window = c.open(f);
        ASSERT_NE(window, nullptr) << c.window;
        QStringList unnamed;
        QList<QWidget*> walk;
        const QStringList order = tabWalk(window, unnamed, &walk);
        if (qEnvironmentVariableIsSet("TOVIMAR_DUMP_TAB_ORDER"))
            std::printf("%s: {\"%s\"}\n", c.window, qPrintable(order.join("\", \"")));
        EXPECT_TRUE(unnamed.isEmpty()) << c.window << ": " << unnamed.join(", ").toStdString();
        // Compared as text, so that a failure reads as names.
        EXPECT_EQ(order.join(", ").toStdString(), c.tabOrder.join(", ").toStdString()) << c.window;
        // ... and that order is the one the window reads in.
        const QStringList backwards = againstReading(window, walk);
        EXPECT_TRUE(backwards.isEmpty()) << c.window << ": " << backwards.join(", ").toStdString();
        const QStringList mouseOnly = unnamedControls(window);
        EXPECT_TRUE(mouseOnly.isEmpty()) << c.window << ": " << mouseOnly.join(", ").toStdString();
        const QStringList unclear = unclearNames(window);
        EXPECT_TRUE(unclear.isEmpty()) << c.window << ": " << unclear.join(", ").toStdString();
    }
}

} // namespace
