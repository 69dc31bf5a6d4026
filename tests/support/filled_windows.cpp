// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/filled_windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/main_window.h"
#include "support/controls.h"
#include "support/sqlite_fixture.h"
#include "support/typing.h"

namespace tovimar::testing {
namespace {

template <class W> W* child(QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    if (!w) qWarning("fenêtre %s : pas de %s", qPrintable(window.objectName()), name);
    return w;
}

// Typed key by key into an emptied field, as a user types.
void type(QWidget& window, const char* name, const QString& text) {
    if (auto* field = child<QLineEdit>(window, name)) {
        field->setFocus();
        field->clear();
        typeText(field, text);
    }
}

void press(QWidget& window, const char* name) {
    if (auto* button = child<QAbstractButton>(window, name)) button->click();
}

void choose(QWidget& window, const char* name, int index) {
    if (auto* combo = child<QComboBox>(window, name)) combo->setCurrentIndex(index);
}

// An entry chosen as a user chooses it (a window that acts on the choice itself).
void activate(QWidget& window, const char* name, int index) {
    if (auto* combo = child<QComboBox>(window, name)) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
}

void trigger(QWidget& window, const char* name) {
    if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name)))
        action->trigger();
    else
        qWarning("fenêtre %s : pas d'action %s", qPrintable(window.objectName()), name);
}

QWidget* shownWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

// A scan at 30 weeks with every measure, the fetal weights and the customised centile.
void fillBiometry(QWidget& w) {
    type(w, "DateDGf3", "15/08/2009");
    type(w, "DateJourF3", "15/03/2010");
    type(w, "Orb", "18");
    type(w, "Bip", "78");
    type(w, "Cc", "285");
    type(w, "Dat", "82");
    type(w, "CA", "265");
    type(w, "Fem", "58");
    type(w, "Pied", "57");
    type(w, "Hum", "53");
    type(w, "Cer", "37");
    press(w, "Command1");
    press(w, "Command2");
    type(w, "TxtPds", "62");
    type(w, "TxtTaille", "165");
    choose(w, "CmbSexe", 1);
    choose(w, "CmbEthnie", 0);
    choose(w, "CmbParite", 1);
    type(w, "TxtNbrJours", "210");
    type(w, "TxtPoidsF", "1500");
    press(w, "Command3");
}

// Age, nuchal translucency, serum and combined risks, two signs ticked, one read.
void fillT21(QWidget& w) {
    type(w, "TxtDateNaiss", "12/05/1975");
    type(w, "TxtLCC", "62");
    type(w, "TxtNC", "1,8");
    type(w, "TxtRiskSero", "1000");
    type(w, "TxtRiskComb", "300");
    if (auto* signs = child<QListWidget>(w, "List1")) {
        signs->item(2)->setCheckState(Qt::Checked);
        signs->item(3)->setCheckState(Qt::Checked);
        signs->setCurrentRow(3);
    }
    press(w, "CmdCalcule");
}

void fillTransfer(QWidget& w) {
    type(w, "TxtDateNaiss", "12/05/1975");
    type(w, "TxtE2", "1500");
    type(w, "TxtFSH", "6");
    press(w, "Opt3");
    press(w, "BtnCalcule");
}

} // namespace

const std::vector<FilledWindow>& filledWindows() {
    static const std::vector<FilledWindow> rows = {
        {"Biometrie", "Form3", fillBiometry},
        {"Biometrie", "Form7",
         [](QWidget& biometry) {
             fillBiometry(biometry);
             press(biometry, "Courbes");
             if (QWidget* charts = shownWindow("Form7")) {
                 type(*charts, "Sem_Entier", "30");
                 press(*charts, "CmdBip");
             }
         }},
        {"Biparietal", "Form4", [](QWidget&) {}},
        {"Ivg", "Form8",
         [](QWidget& w) {
             type(w, "Text2", "01/02/2010");
             type(w, "Text1", "15/02/2010");
         }},
        {"T21", "Form12", fillT21},
        {"T21", "Form13",
         [](QWidget& t21) {
             fillT21(t21);
             trigger(t21, "MnuAPropos");
         }},
        // The start of pregnancy comes from the main window.
        {"MAP", "Main",
         [](QWidget& w) {
             type(w, "TxtCol", "25");
             press(w, "ChkPrema");
             press(w, "OpPosFibro");
             press(w, "OpNulli");
             press(w, "CmdCalcule");
         }},
        // With periods: an oestrogen and a progestogen chosen apart, each with its details.
        {"THS", "Form60",
         [](QWidget& w) {
             press(w, "OptTT_Regles");
             activate(w, "CmbSpe_OE_R", 1);
             activate(w, "CmbSpe_Pg_R", 1);
         }},
        {"Entete", "Form5", [](QWidget&) {}},
        {"Miseajour", "Form9", [](QWidget&) {}},
        {"Euro", "Form25", [](QWidget& w) { type(w, "Text1", "152,45"); }},
        // The towns of a code listed, one chosen and opened for correction.
        {"CodePost", "Form40",
         [](QWidget& w) {
             type(w, "TxtCodes", "42000");
             if (auto* towns = child<QListWidget>(w, "List1"); towns && towns->count() > 0) {
                 towns->setCurrentRow(0);
                 emit towns->itemActivated(towns->item(0));
             }
             press(w, "CmdModif");
         }},
        {"feries", "Form35", [](QWidget& w) { type(w, "Text1", "14/07/2010"); }},
        {"Score01", "Form11",
         [](QWidget& w) {
             type(w, "TxtAge", "36");
             type(w, "TxtPds", "60");
             type(w, "TxtTaille", "165");
             type(w, "TxtFSH", "8");
             type(w, "TxtLh", "4");
             press(w, "BtnCalcule");
         }},
        {"Score02", "Form18", fillTransfer},
        {"Score02", "Form19",
         [](QWidget& w) {
             fillTransfer(w);
             trigger(w, "APropos");
         }},
        {"scosiris", "osiris",
         [](QWidget& w) {
             type(w, "TxtDateNaiss", "12/05/1948");
             type(w, "TxtPds", "55");
             press(w, "ChkTHS");
             press(w, "ChkFract");
         }},
        {"Tarifs", "FrmTarifs", [](QWidget&) {}},
        // The planning of the pregnancy typed in the main window.
        {"Aperçu", "Form2", [](QWidget&) {}},
    };
    return rows;
}

FilledProgram::FilledProgram() {
    fake.setToday("15/03/2010");
    for (const char* file : {"tarifs.tvx", "options.tvx"}) {
        QFile shipped(QStringLiteral(TOVIMAR_BUILD_DIR "/") + QLatin1String(file));
        if (shipped.open(QIODevice::ReadOnly))
            fake.writeFile(QLatin1String(file), shipped.readAll());
    }
    copyShippedDatabase(QStringLiteral("Codespost.mdb"), fake.folder());
    copyShippedDatabase(QStringLiteral("VESTRA.mdb"), fake.folder());
    fake.windows().patient().set(QStringLiteral("Madame"), QStringLiteral("Dupont"), std::nullopt);
    main = new MainWindow(fake.windows());
    fake.keepUntilEnd(main);
    main->show();
    // A pregnancy of 18 weeks, its planning and leave computed.
    control<QLineEdit>(*main, "DateDR")->setFocus();
    typeText(control<QLineEdit>(*main, "DateDR"), QStringLiteral("01/11/2009"));
    typeText(control<QLineEdit>(*main, "NbrEnf"), QStringLiteral("1"));
    control<QPushButton>(*main, "Command2")->click();
    QApplication::processEvents();
}

FilledProgram::~FilledProgram() = default;

QWidget* FilledProgram::open(const FilledWindow& row) {
    QWidgetList shownBefore;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shownBefore << w;
    QAction* entry = main->action(QString::fromUtf8(row.entry));
    if (!entry) return nullptr;
    entry->trigger();
    QApplication::processEvents();
    // The window the entry opened: the one shown now that was not before.
    QWidget* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!opened && w->isVisible() && !shownBefore.contains(w) && !w->objectName().isEmpty())
            opened = w;
    if (!opened) return nullptr;
    row.fill(*opened);
    QApplication::processEvents();
    return shownWindow(row.window);
}

} // namespace tovimar::testing
