// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: every tool of the program, by its caption.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/window_links.h"
#include "biometry/biometry_window.h"
#include "biometry/chart_viewer_window.h"
#include "dating/term_settings_access.h"
#include "dating/term_settings_window.h"
#include "fertility/ovarian_response_window.h"
#include "fertility/transfer_score_window.h"
#include "menopause/hormone_therapy_window.h"
#include "menopause/osiris_window.h"
#include "obstetrics/termination_window.h"
#include "platform/help_viewer.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "t21/t21_risk_window.h"
#include "ui/window_registry.h"
#include "utilities/converter_window.h"
#include "utilities/fees_window.h"
#include "utilities/postal_directory_window.h"
#include "utilities/practice_options_window.h"
#include "utilities/public_holidays_window.h"

namespace tovimar {
namespace {

// An entry that shows a tool window (created on first use, then raised).
template <class W> MenuAction opens() {
    return [](MainWindow& main) { main.windows().open<W>(); };
}

MenuRow submenu(const char* name, const char* parent, const QString& caption) {
    return {name, parent, caption, {}, true};
}

// A growth chart of the viewer, as its own button shows it.
MenuAction showsChart(Measure m) {
    return [m](MainWindow& main) { main.windows().get<ChartViewerWindow>().showMeasure(m); };
}

const MenuAction termSettings = [](MainWindow& main) { main.windows().open<TermSettingsWindow>(); };

} // namespace

const std::vector<MenuRow>& menuRows() {
    static const std::vector<MenuRow> rows = {
        {"Quitter", nullptr, QStringLiteral("&Quitter"), [](MainWindow& m) { m.close(); }},

        // The patient of the consultation: named once for every printout, and
        // emptied with every window's inputs between two patients.
        submenu("Patiente", nullptr, QStringLiteral("&Patiente")),
        {"FichePatiente", "Patiente", QStringLiteral("&Patiente…"),
         [](MainWindow& m) { m.editPatient(); }, false,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"NouvellePatiente", "Patiente", QStringLiteral("&Nouvelle patiente"),
         [](MainWindow& m) { m.newPatient(); }, false, QKeySequence(Qt::CTRL | Qt::Key_N)},
        // The term and the schedule, as text for her record.
        {"CopierResultats", "Patiente", QStringLiteral("&Copier les résultats"),
         [](MainWindow& m) { copyResults(m.windows(), m.resultsText()); }, false,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},

        submenu("Imprimer", nullptr, QStringLiteral("&Imprimer")),
        {"Aperçu", "Imprimer", QStringLiteral("Aperçu avant Impression"),
         [](MainWindow& m) { m.previewPlanning(); }},
        {"Impression", "Imprimer", QStringLiteral("Impression Directe"),
         [](MainWindow& m) { m.printPlanning(PrintMode::CurrentPrinter); }},
        {"Impression1", "Imprimer", QStringLiteral("Impression avec choix de l'imprimante"),
         [](MainWindow& m) { m.printPlanning(PrintMode::ChoosePrinter); }},
        // Practitioners e-mail the planning: the same page, into a PDF file.
        {"ImpressionPdf", "Imprimer", QStringLiteral("Enregistrer en PDF…"),
         [](MainWindow& m) { m.printPlanning(PrintMode::PdfFile); }},

        submenu("Biometries", nullptr, QStringLiteral("&Biometrie")),
        {"Biometrie", "Biometries", QStringLiteral("&Biometrie"), opens<BiometryWindow>()},
        submenu("Courbes", "Biometries", QStringLiteral("Co&urbes")),
        {"Biparietal", "Courbes", QStringLiteral("Bipariétal"), showsChart(Measure::Bip)},
        {"Cc", "Courbes", QStringLiteral("Circonf. Céphalique"), showsChart(Measure::Cc)},
        {"Cervelet", "Courbes", QStringLiteral("Cervelet"), showsChart(Measure::Cer)},
        {"AQ", "Courbes", QStringLiteral("Abdominal Transverse"), showsChart(Measure::Dat)},
        {"CA", "Courbes", QStringLiteral("Circonf. Abdominale"), showsChart(Measure::CA)},
        {"Femur", "Courbes", QStringLiteral("Fémur"), showsChart(Measure::Fem)},
        {"Pied", "Courbes", QStringLiteral("Pied"), showsChart(Measure::Pied)},

        {"Ivg", nullptr, QStringLiteral("I&VG"), opens<TerminationWindow>()},
        {"T21", nullptr, QStringLiteral("T&21"), opens<T21RiskWindow>()},
        {"MAP", nullptr, QStringLiteral("&MAP"),
         // The preterm labour window starts from the start of pregnancy typed here.
         openPretermLabour},
        {"THS", nullptr, QStringLiteral("T&HS"), opens<HormoneTherapyWindow>()},

        submenu("Options", nullptr, QStringLiteral("&Options")),
        {"Entete", "Options", QStringLiteral("En-tête, mise à jour"),
         opens<PracticeOptionsWindow>()},
        {"Miseajour", "Options", QStringLiteral("Dates limites IVG, mise à jour"), termSettings},
        {"Anesth", "Options", QStringLiteral("Dates Consultation anesthésistes"), termSettings},
        {"Tritest", "Options", QStringLiteral("Dates Marqueurs HT21"), termSettings},
        {"Echo1T", "Options", QStringLiteral("Dates Echographie 1T"), termSettings},
        {"Seuil", "Options", QStringLiteral("Seuil pour l'amniocentèse"), termSettings},

        submenu("Outils", nullptr, QStringLiteral("Ou&tils")),
        {"Euro", "Outils", QStringLiteral("Euro Convertisseur"), opens<ConverterWindow>()},
        {"CodePost", "Outils", QStringLiteral("Codes Postaux"), opens<PostalDirectoryWindow>()},
        {"feries", "Outils", QStringLiteral("Les jours fériés"), opens<PublicHolidaysWindow>()},
        submenu("amp", "Outils", QStringLiteral("AMP - FIV")),
        {"Score01", "amp", QStringLiteral("Score réponse ovarienne"),
         opens<OvarianResponseWindow>()},
        {"Score02", "amp", QStringLiteral("Score transfert embryonnaire"),
         opens<TransferScoreWindow>()},
        {"scosiris", "Outils", QStringLiteral("Score OSIRIS"), opens<OsirisWindow>()},

        {"Tarifs", nullptr, QStringLiteral("&Tarifs"), opens<FeesWindow>()},
        {"Aide", nullptr, QStringLiteral("&Aide"),
         [](MainWindow& m) { m.platform().help.showTopic(HelpViewer::kContents); }},
        {"AproposDe", nullptr, QStringLiteral("&?"),
         [](MainWindow& m) {
             AboutBox about(&m);
             about.exec();
         }},
    };
    return rows;
}

void MainWindow::buildMenus() {
    std::map<QString, QMenu*> menus;
    for (const MenuRow& row : menuRows()) {
        QMenu* parent = row.parent ? menus.at(QString::fromLatin1(row.parent)) : nullptr;
        const QString name = QString::fromUtf8(row.name);
        QAction* action;
        if (row.submenu) {
            QMenu* menu = parent ? parent->addMenu(row.caption) : menuBar()->addMenu(row.caption);
            menu->setObjectName(name);
            menus[name] = menu;
            action = menu->menuAction();
        } else {
            action = new QAction(row.caption, this);
            if (!row.shortcut.isEmpty()) action->setShortcut(row.shortcut);
            if (row.action)
                connect(action, &QAction::triggered, this,
                        [this, run = row.action] { run(*this); });
            else
                action->setEnabled(false); // visible, greyed: not in this version yet
            if (parent)
                parent->addAction(action);
            else
                menuBar()->addAction(action);
        }
        action->setObjectName(name);
        actions_[name] = action;
    }
}

} // namespace tovimar
