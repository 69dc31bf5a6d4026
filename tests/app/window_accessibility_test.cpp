// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, as a screen reader user meets it: each control
// that Tab can reach has a French accessible name, and Tab visits the controls
// in reading order. One table gives, per window, the order expected.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/patient_dialog.h"
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

// What a screen reader says for a control.
QString spokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

// Qt's own English words, which a control left unnamed would speak.
bool soundsEnglish(const QString& name) {
    static const QStringList english = {"Previous", "Next",  "Month", "Year",   "Cancel",
                                        "Close",    "Open",  "Save",  "Search", "Back",
                                        "Forward",  "Print", "Clear", "Apply",  "Yes"};
    for (const QString& word : english)
        if (name.split(' ').contains(word)) return true;
    return false;
}

// A programmer's name ("Text1", "TxtAge") spoken instead of a caption; short
// abbreviations of the trade ("E2", "CA") are words here.
bool soundsLikeCode(const QString& name) {
    static const QRegularExpression identifier("^(?=\\w{4,}$)\\w*([a-z][A-Z]|[A-Za-z][0-9])\\w*$");
    return identifier.match(name).hasMatch();
}

// How the table names a control: its object name, or for a part Qt builds
// inside a control (the field of an editable list, a calendar's buttons), the
// control's name and what is spoken.
QString tableName(QWidget* w) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) return w->objectName();
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
            return p->objectName() + ":" + spokenName(w);
    return spokenName(w);
}

bool namedInFrench(QWidget* w) {
    const QString name = spokenName(w);
    return !name.isEmpty() && !soundsLikeCode(name) && !soundsEnglish(name);
}

// A control and what it says, for the failure message.
QString heard(QWidget* w) {
    return tableName(w) + " = \"" + spokenName(w) + "\"";
}

// The controls shown that a mouse can use, reachable by Tab or not.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                             qobject_cast<QAbstractItemView*>(w);
        if (!control || !w->isVisibleTo(window) || w->window() != window) continue;
        // The field inside an editable list speaks for the list, and a list's
        // or a text's own scroll bars are told as that control's.
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (qobject_cast<QAbstractSlider*>(w) && w->parentWidget() &&
            w->parentWidget()->objectName().startsWith("qt_scrollarea"))
            continue;
        if (!namedInFrench(w)) unnamed << heard(w);
    }
    return unnamed;
}

bool reachable(QWidget* w, QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
           w->window() == window;
}

// Tab pressed from the first reachable control until focus comes back to it
// (or stops moving: a control that keeps Tab for itself).
QStringList tabWalk(QWidget* window, QStringList& unnamed, QList<QWidget*>* visited = nullptr) {
    window->show();
    QApplication::setActiveWindow(window);
    QWidget* first = nullptr;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (reachable(w, window)) {
            first = w;
            break;
        }
    QStringList order;
    if (!first) return order;
    first->setFocus(Qt::TabFocusReason);
    // A calendar hands its focus to its grid of days.
    first = QApplication::focusWidget();
    QWidget* current = first;
    for (int steps = 0; steps < 120; ++steps) {
        order << tableName(current);
        if (visited) *visited << current;
        if (!namedInFrench(current)) unnamed << heard(current);
        QTest::keyClick(current, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (!next || next == first) break;
        if (next == current) {
            order << "(Tab reste sur " + tableName(current) + ")";
            break;
        }
        current = next;
    }
    return order;
}

// The part of `ancestor` that holds `w`: its child on the way down to `w`, or `w`.
QWidget* partHolding(QWidget* ancestor, QWidget* w) {
    while (w->parentWidget() && w->parentWidget() != ancestor)
        w = w->parentWidget();
    return w;
}

// Where Tab goes against the reading of the window: from one control to the
// next, the two parts of the panel that holds both (two frames, two controls,
// a frame and a control) must read top to bottom, and left to right when they
// share a row (overlap in height). So a panel is read whole before the next.
QStringList againstReading(QWidget* window, const QList<QWidget*>& walk) {
    QStringList faults;
    for (int i = 0; i + 1 < walk.size(); ++i) {
        QWidget* a = walk[i];
        QWidget* b = walk[i + 1];
        QWidget* common = a->parentWidget();
        while (common && common != window && !common->isAncestorOf(b))
            common = common->parentWidget();
        if (!common || a == common || b == common || common->isAncestorOf(b) == false) continue;
        QWidget* partA = partHolding(common, a);
        QWidget* partB = partHolding(common, b);
        if (partA == partB) continue;
        const QRect ra = partA->geometry();
        const QRect rb = partB->geometry();
        const int overlap = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
        const bool sameRow = overlap > 0;
        const bool forward = sameRow ? rb.left() >= ra.left() : rb.center().y() > ra.center().y();
        if (!forward)
            faults << tableName(a) + " → " + tableName(b) +
                          (sameRow ? " (vers la gauche)" : " (vers le haut)");
    }
    return faults;
}

struct Fixture {
    Fixture() {
        fake.setToday("15/03/2010");
        main = std::make_unique<MainWindow>(fake.windows());
    }
    FakePlatform fake;
    std::unique_ptr<MainWindow> main;
};

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

// What a screen reader hears, rule by rule, for the controls shown in a
// window: each list to choose from by its purpose, each button by what it
// does, the window as a window, and each result with its caption once.
QStringList unclearNames(QWidget* window) {
    QStringList faults;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
    if (!face || (face->role() != QAccessible::Window && face->role() != QAccessible::Dialog))
        faults << "la fenêtre n'est pas lue comme une fenêtre";
    QMap<QString, QStringList> buttons;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a) continue;
        const QString name = a->text(QAccessible::Name).trimmed();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const QString value = combo->currentText().trimmed();
            if (name.isEmpty() || (!value.isEmpty() && name == value))
                faults << heard(w) + " (nommée par sa valeur)";
            if (a->text(QAccessible::Value) != combo->currentText())
                faults << heard(w) + " (valeur \"" + a->text(QAccessible::Value) + "\")";
        }
        if (qobject_cast<QAbstractButton*>(w) && !name.isEmpty() && w->isEnabled())
            buttons[name.toCaseFolded()] << tableName(w);
        if (qobject_cast<QLabel*>(w)) {
            // "Coefficient de risque : Coefficient de risque = 0,27" says its caption twice.
            const qsizetype colon = name.indexOf(" : ");
            if (colon > 0 && name.mid(colon + 3).startsWith(name.left(colon), Qt::CaseInsensitive))
                faults << heard(w) + " (légende répétée)";
        }
    }
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it)
        if (it.value().size() > 1)
            faults << "boutons de même nom \"" + it.key() + "\" : " + it.value().join(", ");
    return faults;
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

// The geometric check on a small window of two panels side by side: Tab that
// leaves the left panel for the right one and comes back (as it once went
// from the CRL to the serum and back to the nuchal translucency) is caught,
// and reading each panel whole is not.
TEST(WindowAccessibility, TabLeavingAPanelAndComingBackIsAgainstReading) {
    Fixture f;
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* left = new QGroupBox("Clarté nucale");
    auto* leftRows = new QVBoxLayout(left);
    auto* crl = new QLineEdit;
    crl->setObjectName("TxtLCC");
    auto* nt = new QLineEdit;
    nt->setObjectName("TxtNC");
    leftRows->addWidget(crl);
    leftRows->addWidget(nt);
    auto* right = new QGroupBox("Sérologie");
    auto* serum = new QLineEdit;
    serum->setObjectName("TxtRiskSero");
    (new QVBoxLayout(right))->addWidget(serum);
    layout->addWidget(left);
    layout->addWidget(right);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(againstReading(&window, {crl, serum, nt}),
              QStringList{"TxtRiskSero → TxtNC (vers la gauche)"});
    EXPECT_EQ(againstReading(&window, {crl, nt, serum}), QStringList());
    // Within a panel too: upwards is against reading.
    EXPECT_EQ(againstReading(&window, {nt, crl}), QStringList{"TxtNC → TxtLCC (vers le haut)"});
}

TEST(WindowAccessibility, ComboBoxesAreNamedByTheirPurposeNotTheirValue) {
    // In Qt 6 on Linux a combo box answers its current text, whatever its
    // accessible name: ours answer by their name, else by their label.
    Fixture f;
    QWidget form;
    auto* layout = new QFormLayout(&form);
    auto* named = new QComboBox;
    named->addItems({"Masculin", "Féminin"});
    named->setCurrentIndex(1);
    named->setAccessibleName("Sexe Foetal");
    auto* labelled = new QComboBox;
    labelled->addItems({"A4", "Lettre US"});
    layout->addRow("&Format du papier :", labelled);
    layout->addRow("Sexe", named);
    form.show();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(named);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::ComboBox);
    EXPECT_EQ(a->text(QAccessible::Name), "Sexe Foetal");
    EXPECT_EQ(a->text(QAccessible::Value), "Féminin");
    EXPECT_EQ(spokenName(labelled), "Format du papier");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(labelled)->text(QAccessible::Value), "A4");
    // Its list is its first child, as in Qt's own; opening it is its action.
    ASSERT_GE(a->childCount(), 1);
    EXPECT_EQ(a->child(0)->object(), named->view());
    EXPECT_EQ(a->indexOfChild(a->child(0)), 0);
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_TRUE(
        a->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
}

TEST(WindowAccessibility, QtsOwnFileAndPrintDialogsSpeakFrenchNames) {
    Fixture f;
    QTranslator qtFrench;
    ASSERT_TRUE(qtFrench.load(QLocale(QLocale::French), "qtbase", "_",
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QApplication::installTranslator(&qtFrench);
    QFileDialog files(f.main.get(), "Enregistrer en PDF");
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setNameFilter("Document PDF (*.pdf)");
    QPrinter printer;
    QPrintDialog print(&printer, f.main.get());
    for (QWidget* dialog : std::initializer_list<QWidget*>{&files, &print}) {
        dialog->show();
        QApplication::processEvents();
        const QStringList unclear = unclearNames(dialog);
        EXPECT_TRUE(unclear.isEmpty())
            << dialog->windowTitle().toStdString() << ": " << unclear.join(", ").toStdString();
        for (QComboBox* combo : dialog->findChildren<QComboBox*>()) {
            if (combo->isVisibleTo(dialog)) {
                EXPECT_TRUE(namedInFrench(combo)) << heard(combo).toStdString();
            }
        }
        dialog->hide();
    }
    QApplication::removeTranslator(&qtFrench);
}

} // namespace
