// The main window's menu bar: every tool of the program, by its caption.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/window_registry.h"
#include "dating/term_settings_window.h"
#include "platform/help_viewer.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "t21/practice_options_window.h"

namespace tovimar {

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    // An entry whose tool is not in this version yet stays visible, greyed.
    auto add = [this](QWidget* menu, const char* name, const QString& caption, auto handler) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        if constexpr (std::is_same_v<decltype(handler), std::nullptr_t>)
            action->setEnabled(false);
        else
            connect(action, &QAction::triggered, this, handler);
        menu->addAction(action);
        actions_[name] = action;
        return action;
    };
    auto submenu = [this](auto* parent, const char* name, const QString& caption) {
        QMenu* menu = parent->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        actions_[name] = menu->menuAction();
        return menu;
    };

    add(bar, "Quitter", QStringLiteral("&Quitter"), [this] { close(); });

    QMenu* print = submenu(bar, "Imprimer", QStringLiteral("&Imprimer"));
    add(print, "Aperçu", QStringLiteral("Aperçu avant Impression"), [this] { previewPlanning(); });
    add(print, "Impression", QStringLiteral("Impression Directe"),
        [this] { printPlanning(PrintMode::CurrentPrinter); });
    add(print, "Impression1", QStringLiteral("Impression avec choix de l'imprimante"),
        [this] { printPlanning(PrintMode::ChoosePrinter); });
    // Practitioners e-mail the planning: the same page, into a PDF file.
    add(print, "ImpressionPdf", QStringLiteral("Enregistrer en PDF…"),
        [this] { printPlanning(PrintMode::PdfFile); });

    QMenu* biometry = submenu(bar, "Biometries", QStringLiteral("&Biometrie"));
    add(biometry, "Biometrie", QStringLiteral("&Biometrie"), nullptr);
    QMenu* charts = submenu(biometry, "Courbes", QStringLiteral("Co&urbes"));
    add(charts, "Biparietal", QStringLiteral("Bipariétal"), nullptr);
    add(charts, "Cc", QStringLiteral("Circonf. Céphalique"), nullptr);
    add(charts, "Cervelet", QStringLiteral("Cervelet"), nullptr);
    add(charts, "AQ", QStringLiteral("Abdominal Transverse"), nullptr);
    add(charts, "CA", QStringLiteral("Circonf. Abdominale"), nullptr);
    add(charts, "Femur", QStringLiteral("Fémur"), nullptr);
    add(charts, "Pied", QStringLiteral("Pied"), nullptr);

    add(bar, "Ivg", QStringLiteral("I&VG"), nullptr);
    add(bar, "T21", QStringLiteral("T&21"), nullptr);
    add(bar, "MAP", QStringLiteral("&MAP"), nullptr);
    add(bar, "THS", QStringLiteral("T&HS"), nullptr);

    QMenu* options = submenu(bar, "Options", QStringLiteral("&Options"));
    add(options, "Entete", QStringLiteral("En-tête, mise à jour"),
        [this] { windows_.open<PracticeOptionsWindow>(); });
    add(options, "Miseajour", QStringLiteral("Dates limites IVG, mise à jour"),
        [this] { openTermSettings(); });
    add(options, "Anesth", QStringLiteral("Dates Consultation anesthésistes"),
        [this] { openTermSettings(); });
    add(options, "Tritest", QStringLiteral("Dates Marqueurs HT21"), [this] { openTermSettings(); });
    add(options, "Echo1T", QStringLiteral("Dates Echographie 1T"), [this] { openTermSettings(); });
    add(options, "Seuil", QStringLiteral("Seuil pour l'amniocentèse"),
        [this] { openTermSettings(); });

    QMenu* tools = submenu(bar, "Outils", QStringLiteral("Ou&tils"));
    add(tools, "Euro", QStringLiteral("Euro Convertisseur"), nullptr);
    add(tools, "CodePost", QStringLiteral("Codes Postaux"), nullptr);
    add(tools, "feries", QStringLiteral("Les jours fériés"), nullptr);
    QMenu* fertility = submenu(tools, "amp", QStringLiteral("AMP - FIV"));
    add(fertility, "Score01", QStringLiteral("Score réponse ovarienne"), nullptr);
    add(fertility, "Score02", QStringLiteral("Score transfert embryonnaire"), nullptr);
    add(tools, "scosiris", QStringLiteral("Score OSIRIS"), nullptr);

    add(bar, "Tarifs", QStringLiteral("&Tarifs"), nullptr);
    add(bar, "Aide", QStringLiteral("&Aide"),
        [this] { platform_.help.showTopic(HelpViewer::kContents); });
    add(bar, "AproposDe", QStringLiteral("&?"), [this] {
        AboutBox about(this);
        about.exec();
    });
}

void MainWindow::openTermSettings() {
    windows_.open<TermSettingsWindow>();
}

} // namespace tovimar
