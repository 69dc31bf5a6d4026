// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/moon_widget.h"
#include "app/window_links.h"
#include "core/text_lines.h"
#include "dating/term_settings_access.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/window_registry.h"
#include "utilities/payment_reminders.h"
#include "utilities/saint_of_the_day.h"

namespace tovimar {

MainWindow::MainWindow(WindowRegistry& windows) : windows_(windows), platform_(windows.platform()) {
    setObjectName("Form1");
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    auto* left = new QVBoxLayout;
    left->addWidget(buildDatingPanel());
    left->addWidget(buildConversionPanel());
    left->addWidget(buildUltrasoundPanel());
    left->addStretch();
    grid->addLayout(left, 0, 0);
    grid->addWidget(buildSchedulePanel(), 0, 1);
    grid->addWidget(buildAlmanacPanel(), 0, 2);
    setCentralWidget(central);
    buildMenus();
    linkWindows(*this);
    connectReactions();
    loadAtStartUp();
}

QString MainWindow::startOfPregnancyText() const {
    return startOfPregnancy->text();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildDatingPanel() {
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    lastPeriod = lineEdit("DateDR", QStringLiteral("DDR"));
    startOfPregnancy = lineEdit("DateDG", QStringLiteral("Début gross."));
    termDate = lineEdit("DateAP", QStringLiteral("Terme"));
    for (QLineEdit* e : {lastPeriod, startOfPregnancy, termDate}) {
        e->setMaxLength(10);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 16);
        e->setToolTip(QStringLiteral("Double clic pour choisir la date dans un calendrier"));
    }
    termDate->setToolTip(QString());
    QFont big = startOfPregnancy->font();
    big.setBold(true);
    startOfPregnancy->setFont(big);
    termDate->setFont(big);
    layout->addWidget(frame(QStringLiteral("DDR"), lastPeriod), 0, 0);
    layout->addWidget(frame(QStringLiteral("Début gross. "), startOfPregnancy), 0, 1);
    layout->addWidget(frame(QStringLiteral("Terme"), termDate), 0, 2);

    auto* age = new QGroupBox(QStringLiteral("Age gestationnel"));
    auto* ageGrid = new QGridLayout(age);
    weeksToday = lineEdit("NbreSA", QStringLiteral("Age gestationnel, S;A."), true);
    monthsToday = lineEdit("NbreMois", QStringLiteral("Age gestationnel, Mois"), true);
    daysToday = lineEdit("NbreJours", QStringLiteral("Age gestationnel, Jours de G"), true);
    ageGrid->addWidget(caption(QStringLiteral("S;A."), weeksToday), 0, 0);
    ageGrid->addWidget(weeksToday, 0, 1);
    ageGrid->addWidget(caption(QStringLiteral("Mois"), monthsToday), 1, 0);
    ageGrid->addWidget(monthsToday, 1, 1);
    ageGrid->addWidget(caption(QStringLiteral("Jours de G"), daysToday), 2, 0);
    ageGrid->addWidget(daysToday, 2, 1);
    layout->addWidget(age, 1, 0, 1, 3);

    auto* cover = new QHBoxLayout;
    fullCoverCaption = named(new QLabel(QStringLiteral(" 100% Sécu à partir du ")), "lblSecu",
                             QStringLiteral("100% Sécu à partir du"));
    fullCoverDate = resultLabel("LblCentDate", QStringLiteral("100% Sécu à partir du"));
    fullCoverDate->setMinimumWidth(fullCoverDate->fontMetrics().horizontalAdvance("00/00/00000") +
                                   10);
    cover->addWidget(fullCoverCaption);
    cover->addWidget(fullCoverDate);
    cover->addStretch();
    layout->addLayout(cover, 2, 0, 1, 3);
    layout->setRowMinimumHeight(3, 6);
    return panel;
}

QWidget* MainWindow::buildConversionPanel() {
    auto* box = new QGroupBox(QStringLiteral("Conversion  SA ->Date ->SA"));
    auto* layout = new QGridLayout(box);
    weekList =
        named(new QListWidget, "ListeSA", QStringLiteral("Conversion SA vers date, semaines"));
    weekList->setFixedWidth(weekList->fontMetrics().horizontalAdvance("4444") + 30);
    weekList->setFixedHeight(weekList->fontMetrics().height() * 4 + 10);
    chosenWeekDate = resultText("TXTsa", QStringLiteral("Conversion SA, date choisie"),
                                QStringLiteral("xx Sa le..."));
    conversionDate = lineEdit("DateSA", QStringLiteral("Conversion SA, date"));
    conversionDate->setMaxLength(10);
    weeksOnConversionDate = lineEdit("SA", QStringLiteral("Conversion SA, âge à la date"), true);
    layout->addWidget(weekList, 0, 0, 2, 1);
    layout->addWidget(chosenWeekDate, 0, 1);
    layout->addWidget(conversionDate, 0, 2);
    layout->addWidget(weeksOnConversionDate, 1, 2);
    chosenWeekDate->setBuddy(conversionDate);
    return box;
}

QWidget* MainWindow::buildUltrasoundPanel() {
    auto* box = new QGroupBox(QStringLiteral("Calcul Age Gesta."));
    auto* layout = new QGridLayout(box);
    sacField = lineEdit("Sac", QStringLiteral("Sac"));
    crownRumpField = lineEdit("CRL", QStringLiteral("LCC"));
    crownRumpField->setToolTip(QStringLiteral("Cacul âge gestationnel par le LCC"));
    crownRumpSlider = scrollBar("CRLscroll", QStringLiteral("LCC, réglage"), 1, 85, 30);
    crownRumpSlider->setPageStep(10);
    biparietalField = lineEdit("Bip", QStringLiteral("Bip"));
    femurField = lineEdit("Fem", QStringLiteral("Fém."));
    scanDate = lineEdit("DateX", QStringLiteral("Date de l'écho"));
    scanDate->setToolTip(
        QStringLiteral("Vide : aujourd'hui. Double clic pour choisir la date dans un calendrier"));
    scanDate->setMaxLength(10);
    weeksFromScan = lineEdit("SemA", QStringLiteral("Sem. d'amenorrhée"));
    for (QLineEdit* e : {sacField, crownRumpField, biparietalField, femurField, weeksFromScan}) {
        e->setMaxLength(6);
        e->setMaximumWidth(60);
    }
    layout->addWidget(caption(QStringLiteral("Sac"), sacField), 0, 0);
    layout->addWidget(sacField, 0, 1);
    layout->addWidget(caption(QStringLiteral("LCC"), crownRumpField), 0, 2);
    layout->addWidget(crownRumpField, 0, 3);
    layout->addWidget(crownRumpSlider, 0, 4, 1, 2);
    layout->addWidget(caption(QStringLiteral("Bip"), biparietalField), 1, 0);
    layout->addWidget(biparietalField, 1, 1);
    layout->addWidget(caption(QStringLiteral("Fém."), femurField), 1, 2);
    layout->addWidget(femurField, 1, 3);
    layout->addWidget(caption(QStringLiteral("Date de l'écho"), scanDate), 2, 0, 1, 2);
    layout->addWidget(scanDate, 2, 2, 1, 2);
    layout->addWidget(caption(QStringLiteral("Sem. d'amenorrhée"), weeksFromScan), 3, 0, 1, 2);
    layout->addWidget(weeksFromScan, 3, 2);
    computeFromScanButton =
        named(new QToolButton, "Command1",
              QStringLiteral("Calculer le début de grossesse à partir de l'échographie"));
    computeFromScanButton->setIcon(QIcon(picture("icon_compute")));
    computeFromScanButton->setIconSize({32, 32});
    computeFromScanButton->setToolTip(computeFromScanButton->accessibleName());
    resetDatingButton = named(new QToolButton, "Command3", QStringLiteral("Effacer la datation"));
    resetDatingButton->setIcon(QIcon(picture("icon_reset")));
    resetDatingButton->setIconSize({32, 32});
    resetDatingButton->setToolTip(resetDatingButton->accessibleName());
    layout->addWidget(computeFromScanButton, 1, 4, 3, 1);
    layout->addWidget(resetDatingButton, 1, 5, 3, 1);
    return box;
}

QWidget* MainWindow::buildSchedulePanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    prenatalVisits = resultList("ListePN", QStringLiteral("Examens Prénatals"), 6);
    layout->addWidget(frame(
        QStringLiteral("Examens Prénatals"),
        pairedLists(captionList("ListePNLibelles", {"Examen du 4ème Mois", "Examen du 5ème Mois",
                                                    "Examen du 6ème Mois", "Examen du 7ème Mois",
                                                    "Examen du 8ème Mois", "Examen du 9ème Mois"}),
                    prenatalVisits)));

    auto* echoes = new QGroupBox(QStringLiteral("Echographies"));
    auto* echoLayout = new QVBoxLayout(echoes);
    auto* firstRow = new QHBoxLayout;
    firstTrimesterScan = resultLabel("LblEcho1T", QStringLiteral("Echo 1T"));
    firstRow->addWidget(caption(QStringLiteral("Echo 1T")));
    firstRow->addWidget(firstTrimesterScan, 1);
    echoLayout->addLayout(firstRow);
    scanList = resultList("ListeUS", QStringLiteral("Echographies"), 2);
    echoLayout->addWidget(pairedLists(
        captionList("ListeUSLibelles", {"Echographie 22 Sem. A.", "Echographie 32 Sem. A."}),
        scanList));
    layout->addWidget(echoes);

    firstTrimesterMarkers = lineEdit("DatesHT21_1T", QStringLiteral("HT 21 : Marqueurs 1er Ter"));
    secondTrimesterMarkers = lineEdit("DatesHT21_2T", QStringLiteral("HT 21 : Marqueurs 2ème Ter"));
    layout->addWidget(frame(QStringLiteral("HT 21 : Marqueurs 1er Ter"), firstTrimesterMarkers));
    layout->addWidget(frame(QStringLiteral("HT 21 : Marqueurs 2ème Ter"), secondTrimesterMarkers));
    anaesthetistVisit = resultLabel("LblAnesth", QStringLiteral("Consultation anesthésistes"));
    layout->addWidget(frame(QStringLiteral("Consultation anesthésistes"), anaesthetistVisit));

    auto* leave = new QGroupBox(QStringLiteral("Congés"));
    auto* leaveLayout = new QGridLayout(leave);
    leaveList = resultList("ListeCONGE", QStringLiteral("Congés"), 2);
    leaveLayout->addWidget(
        pairedLists(captionList("ListeCONGELibelles", {"Congé Prénatal", "Congé Patho."}),
                    leaveList),
        0, 0, 1, 4);
    childrenField = lineEdit("NbrEnf", QStringLiteral("Nbre Enf."));
    childrenField->setMaximumWidth(40);
    childrenField->setMaxLength(2);
    childrenSlider = scrollBar("NbrEnfScroll", QStringLiteral("Nbre Enf., réglage"), 0, 10, 1);
    childrenSlider->setMinimumWidth(60);
    leaveLayout->addWidget(caption(QStringLiteral("Nbre Enf."), childrenField), 1, 0);
    leaveLayout->addWidget(childrenField, 1, 1);
    leaveLayout->addWidget(childrenSlider, 1, 2, 1, 2);
    twinsBox = checkBox("Gemell", QStringLiteral("Gr. Gemell."));
    tripletsBox = checkBox("Triple", QStringLiteral("Gr. Triple"));
    leaveLayout->addWidget(twinsBox, 2, 0, 1, 2);
    leaveLayout->addWidget(tripletsBox, 2, 2, 1, 2);
    computeLeaveButton = button("Command2", QStringLiteral("&Calcule Congés"));
    leaveLayout->addWidget(computeLeaveButton, 3, 0, 1, 4);
    layout->addWidget(leave);
    layout->addStretch();
    return panel;
}

QWidget* MainWindow::buildAlmanacPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(250);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    saintLabel = resultText("LblSaint", QStringLiteral("Saint du jour"));
    saintLabel->setAlignment(Qt::AlignCenter);
    saintLabel->setMargin(4);
    QFont saintFont = saintLabel->font();
    saintFont.setBold(true);
    saintLabel->setFont(saintFont);
    colour(saintLabel, kReadableRed, QColor(0xC0, 0xFF, 0xFF));
    layout->addWidget(saintLabel);

    proverbLabel =
        resultText("LblAlmanach", QStringLiteral("Dicton du jour"), QStringLiteral("Almanach"));
    proverbLabel->setAlignment(Qt::AlignCenter);
    proverbLabel->setMargin(6);
    proverbLabel->setMinimumHeight(proverbLabel->fontMetrics().height() * 5);
    // A serif face, as almanacs print their sayings; DejaVu Serif is always installed.
    QFont almanacFont(QStringLiteral("DejaVu Serif"));
    almanacFont.setStyleHint(QFont::Serif);
    almanacFont.setItalic(true);
    almanacFont.setPointSizeF(proverbLabel->font().pointSizeF());
    proverbLabel->setFont(almanacFont);
    colour(proverbLabel, QColor(0x00, 0x00, 0x80), QColor(0xE0, 0xE0, 0xE0));
    layout->addWidget(proverbLabel);

    auto* moon = new QGroupBox(QStringLiteral("Lune"));
    auto* moonLayout = new QGridLayout(moon);
    moonDate = lineEdit("TxtDateJ", QStringLiteral("Date de la lune"));
    moonDate->setMaxLength(10);
    moonDate->setAlignment(Qt::AlignCenter);
    colour(moonDate, Qt::white, QColor(0x00, 0x00, 0xC0));
    previousMoonDay = named(new QPushButton(QStringLiteral("<")), "CmdDateMoins",
                            QStringLiteral("Jour précédent"));
    nextMoonDay =
        named(new QPushButton(QStringLiteral(">")), "CmdDatePlus", QStringLiteral("Jour suivant"));
    for (QPushButton* b : {previousMoonDay, nextMoonDay})
        b->setFixedWidth(28);
    moonPicture = named(new MoonWidget, "Picture1", QStringLiteral("Lune"));
    moonPicture->setToolTip(
        QStringLiteral("Double clic sur la garde, ou entrer une date pour voir la lune"));
    moonCaption =
        resultText("Label11", QStringLiteral("Sens de la lune"), QStringLiteral("Descendante"));
    moonCaption->setAlignment(Qt::AlignCenter);
    moonLayout->addWidget(previousMoonDay, 0, 0);
    moonLayout->addWidget(moonDate, 0, 1);
    moonLayout->addWidget(nextMoonDay, 0, 2);
    moonLayout->addWidget(moonPicture, 1, 0, 1, 3, Qt::AlignHCenter);
    moonLayout->addWidget(moonCaption, 2, 0, 1, 3);
    layout->addWidget(moon);

    illustration = named(new QLabel, "Image1", QStringLiteral("Illustration"));
    illustration->setPixmap(picture("main_decor"));
    illustration->setAlignment(Qt::AlignCenter);
    layout->addWidget(illustration);

    reminderLabel = resultText("LblAvertir", QStringLiteral("Rappel"), QStringLiteral("Attention"));
    reminderLabel->setAlignment(Qt::AlignCenter);
    reminderLabel->setMargin(6);
    QFont warningFont = reminderLabel->font();
    warningFont.setBold(true);
    reminderLabel->setFont(warningFont);
    colour(reminderLabel, Qt::yellow, kReadableRed);
    // Keeps its place while blinking.
    QSizePolicy keep = reminderLabel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    reminderLabel->setSizePolicy(keep);
    reminderLabel->hide();
    layout->addWidget(reminderLabel);
    layout->addStretch();

    reminderBlink = new QTimer(this);
    reminderBlink->setObjectName("Timer1");
    reminderBlink->setInterval(800);
    connect(reminderBlink, &QTimer::timeout, this,
            [this] { reminderLabel->setHidden(!reminderLabel->isHidden()); });
    return panel;
}

void MainWindow::loadAtStartUp() {
    const VbDate today = platform_.clock.today();
    adjustSize();
    centreOnScreen(this);
    const SaintOfTheDay saint = SAINT_DU_JOUR(today);
    saintLabel->setText(QString::fromStdString(saint.saint));
    proverbLabel->setText(QString::fromStdString(toLineFeeds(saint.proverb)));
    if (const auto warning = RAPPEL_ECHEANCES(today)) {
        // The warning's lines are long for the panel: they wrap.
        reminderLabel->setWordWrap(true);
        reminderLabel->setText(QString::fromStdString(toLineFeeds(*warning)));
        reminderLabel->show();
        reminderBlink->start();
    }
    setWindowTitle(QStringLiteral("Calculette Obstétricale") + QString(40, ' ') +
                   QString::fromStdString(today.toText()));
    for (int weeks = 2; weeks <= 43; ++weeks)
        weekList->addItem(QString::number(weeks));
    {
        // Selecting the default entry is not a choice of the user.
        const QSignalBlocker quiet(weekList);
        weekList->setCurrentRow(4);
    }
    // The settings are read once, here; the main window keeps those of its
    // start (the editor says saved changes apply at the next start).
    TermSettingsModel& settings = termSettingsModel(windows_);
    settings.tellIfNotWhole();
    termSettings_ = settings.saved();
    termBounds_ = TermBounds::of(termSettings_);
    moonDate->setText(QString::fromStdString(today.toText()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The end of the program: every other window closes with it; nothing is saved.
    windows_.closeAll();
    event->accept();
    QCoreApplication::quit();
}

QAction* MainWindow::action(const QString& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

} // namespace tovimar
