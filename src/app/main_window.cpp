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
    return DateDG->text();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildDatingPanel() {
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    DateDR = lineEdit("DateDR", QStringLiteral("DDR"));
    DateDG = lineEdit("DateDG", QStringLiteral("Début gross."));
    DateAP = lineEdit("DateAP", QStringLiteral("Terme"));
    for (QLineEdit* e : {DateDR, DateDG, DateAP}) {
        e->setMaxLength(10);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 16);
        e->setToolTip(QStringLiteral("Double clic pour choisir la date dans un calendrier"));
    }
    DateAP->setToolTip(QString());
    QFont big = DateDG->font();
    big.setBold(true);
    DateDG->setFont(big);
    DateAP->setFont(big);
    layout->addWidget(frame(QStringLiteral("DDR"), DateDR), 0, 0);
    layout->addWidget(frame(QStringLiteral("Début gross. "), DateDG), 0, 1);
    layout->addWidget(frame(QStringLiteral("Terme"), DateAP), 0, 2);

    auto* age = new QGroupBox(QStringLiteral("Age gestationnel"));
    auto* ageGrid = new QGridLayout(age);
    NbreSA = lineEdit("NbreSA", QStringLiteral("Age gestationnel, S;A."), true);
    NbreMois = lineEdit("NbreMois", QStringLiteral("Age gestationnel, Mois"), true);
    NbreJours = lineEdit("NbreJours", QStringLiteral("Age gestationnel, Jours de G"), true);
    ageGrid->addWidget(caption(QStringLiteral("S;A."), NbreSA), 0, 0);
    ageGrid->addWidget(NbreSA, 0, 1);
    ageGrid->addWidget(caption(QStringLiteral("Mois"), NbreMois), 1, 0);
    ageGrid->addWidget(NbreMois, 1, 1);
    ageGrid->addWidget(caption(QStringLiteral("Jours de G"), NbreJours), 2, 0);
    ageGrid->addWidget(NbreJours, 2, 1);
    layout->addWidget(age, 1, 0, 1, 3);

    auto* cover = new QHBoxLayout;
    lblSecu = named(new QLabel(QStringLiteral(" 100% Sécu à partir du ")), "lblSecu",
                    QStringLiteral("100% Sécu à partir du"));
    LblCentDate = resultLabel("LblCentDate", QStringLiteral("100% Sécu à partir du"));
    LblCentDate->setMinimumWidth(LblCentDate->fontMetrics().horizontalAdvance("00/00/00000") + 10);
    cover->addWidget(lblSecu);
    cover->addWidget(LblCentDate);
    cover->addStretch();
    layout->addLayout(cover, 2, 0, 1, 3);
    layout->setRowMinimumHeight(3, 6);
    return panel;
}

QWidget* MainWindow::buildConversionPanel() {
    auto* box = new QGroupBox(QStringLiteral("Conversion  SA ->Date ->SA"));
    auto* layout = new QGridLayout(box);
    ListeSA =
        named(new QListWidget, "ListeSA", QStringLiteral("Conversion SA vers date, semaines"));
    ListeSA->setFixedWidth(ListeSA->fontMetrics().horizontalAdvance("4444") + 30);
    ListeSA->setFixedHeight(ListeSA->fontMetrics().height() * 4 + 10);
    TXTsa = resultText("TXTsa", QStringLiteral("Conversion SA, date choisie"),
                       QStringLiteral("xx Sa le..."));
    DateSA = lineEdit("DateSA", QStringLiteral("Conversion SA, date"));
    DateSA->setMaxLength(10);
    SA = lineEdit("SA", QStringLiteral("Conversion SA, âge à la date"), true);
    layout->addWidget(ListeSA, 0, 0, 2, 1);
    layout->addWidget(TXTsa, 0, 1);
    layout->addWidget(DateSA, 0, 2);
    layout->addWidget(SA, 1, 2);
    TXTsa->setBuddy(DateSA);
    return box;
}

QWidget* MainWindow::buildUltrasoundPanel() {
    auto* box = new QGroupBox(QStringLiteral("Calcul Age Gesta."));
    auto* layout = new QGridLayout(box);
    Sac = lineEdit("Sac", QStringLiteral("Sac"));
    CRL = lineEdit("CRL", QStringLiteral("LCC"));
    CRL->setToolTip(QStringLiteral("Cacul âge gestationnel par le LCC"));
    CRLscroll = scrollBar("CRLscroll", QStringLiteral("LCC, réglage"), 1, 85, 30);
    CRLscroll->setPageStep(10);
    Bip = lineEdit("Bip", QStringLiteral("Bip"));
    Fem = lineEdit("Fem", QStringLiteral("Fém."));
    DateX = lineEdit("DateX", QStringLiteral("Date de l'écho"));
    DateX->setToolTip(
        QStringLiteral("Vide : aujourd'hui. Double clic pour choisir la date dans un calendrier"));
    DateX->setMaxLength(10);
    SemA = lineEdit("SemA", QStringLiteral("Sem. d'amenorrhée"));
    for (QLineEdit* e : {Sac, CRL, Bip, Fem, SemA}) {
        e->setMaxLength(6);
        e->setMaximumWidth(60);
    }
    layout->addWidget(caption(QStringLiteral("Sac"), Sac), 0, 0);
    layout->addWidget(Sac, 0, 1);
    layout->addWidget(caption(QStringLiteral("LCC"), CRL), 0, 2);
    layout->addWidget(CRL, 0, 3);
    layout->addWidget(CRLscroll, 0, 4, 1, 2);
    layout->addWidget(caption(QStringLiteral("Bip"), Bip), 1, 0);
    layout->addWidget(Bip, 1, 1);
    layout->addWidget(caption(QStringLiteral("Fém."), Fem), 1, 2);
    layout->addWidget(Fem, 1, 3);
    layout->addWidget(caption(QStringLiteral("Date de l'écho"), DateX), 2, 0, 1, 2);
    layout->addWidget(DateX, 2, 2, 1, 2);
    layout->addWidget(caption(QStringLiteral("Sem. d'amenorrhée"), SemA), 3, 0, 1, 2);
    layout->addWidget(SemA, 3, 2);
    Command1 = named(new QToolButton, "Command1",
                     QStringLiteral("Calculer le début de grossesse à partir de l'échographie"));
    Command1->setIcon(QIcon(picture("icon_compute")));
    Command1->setIconSize({32, 32});
    Command1->setToolTip(Command1->accessibleName());
    Command3 = named(new QToolButton, "Command3", QStringLiteral("Effacer la datation"));
    Command3->setIcon(QIcon(picture("icon_reset")));
    Command3->setIconSize({32, 32});
    Command3->setToolTip(Command3->accessibleName());
    layout->addWidget(Command1, 1, 4, 3, 1);
    layout->addWidget(Command3, 1, 5, 3, 1);
    return box;
}

QWidget* MainWindow::buildSchedulePanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    ListePN = resultList("ListePN", QStringLiteral("Examens Prénatals"), 6);
    layout->addWidget(frame(
        QStringLiteral("Examens Prénatals"),
        pairedLists(captionList("ListePNLibelles", {"Examen du 4ème Mois", "Examen du 5ème Mois",
                                                    "Examen du 6ème Mois", "Examen du 7ème Mois",
                                                    "Examen du 8ème Mois", "Examen du 9ème Mois"}),
                    ListePN)));

    auto* echoes = new QGroupBox(QStringLiteral("Echographies"));
    auto* echoLayout = new QVBoxLayout(echoes);
    auto* firstRow = new QHBoxLayout;
    LblEcho1T = resultLabel("LblEcho1T", QStringLiteral("Echo 1T"));
    firstRow->addWidget(caption(QStringLiteral("Echo 1T")));
    firstRow->addWidget(LblEcho1T, 1);
    echoLayout->addLayout(firstRow);
    ListeUS = resultList("ListeUS", QStringLiteral("Echographies"), 2);
    echoLayout->addWidget(pairedLists(
        captionList("ListeUSLibelles", {"Echographie 22 Sem. A.", "Echographie 32 Sem. A."}),
        ListeUS));
    layout->addWidget(echoes);

    DatesHT21_1T = lineEdit("DatesHT21_1T", QStringLiteral("HT 21 : Marqueurs 1er Ter"));
    DatesHT21_2T = lineEdit("DatesHT21_2T", QStringLiteral("HT 21 : Marqueurs 2ème Ter"));
    layout->addWidget(frame(QStringLiteral("HT 21 : Marqueurs 1er Ter"), DatesHT21_1T));
    layout->addWidget(frame(QStringLiteral("HT 21 : Marqueurs 2ème Ter"), DatesHT21_2T));
    LblAnesth = resultLabel("LblAnesth", QStringLiteral("Consultation anesthésistes"));
    layout->addWidget(frame(QStringLiteral("Consultation anesthésistes"), LblAnesth));

    auto* leave = new QGroupBox(QStringLiteral("Congés"));
    auto* leaveLayout = new QGridLayout(leave);
    ListeCONGE = resultList("ListeCONGE", QStringLiteral("Congés"), 2);
    leaveLayout->addWidget(
        pairedLists(captionList("ListeCONGELibelles", {"Congé Prénatal", "Congé Patho."}),
                    ListeCONGE),
        0, 0, 1, 4);
    NbrEnf = lineEdit("NbrEnf", QStringLiteral("Nbre Enf."));
    NbrEnf->setMaximumWidth(40);
    NbrEnf->setMaxLength(2);
    NbrEnfScroll = scrollBar("NbrEnfScroll", QStringLiteral("Nbre Enf., réglage"), 0, 10, 1);
    NbrEnfScroll->setMinimumWidth(60);
    leaveLayout->addWidget(caption(QStringLiteral("Nbre Enf."), NbrEnf), 1, 0);
    leaveLayout->addWidget(NbrEnf, 1, 1);
    leaveLayout->addWidget(NbrEnfScroll, 1, 2, 1, 2);
    Gemell = checkBox("Gemell", QStringLiteral("Gr. Gemell."));
    Triple = checkBox("Triple", QStringLiteral("Gr. Triple"));
    leaveLayout->addWidget(Gemell, 2, 0, 1, 2);
    leaveLayout->addWidget(Triple, 2, 2, 1, 2);
    Command2 = button("Command2", QStringLiteral("&Calcule Congés"));
    leaveLayout->addWidget(Command2, 3, 0, 1, 4);
    layout->addWidget(leave);
    layout->addStretch();
    return panel;
}

QWidget* MainWindow::buildAlmanacPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(250);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    LblSaint = resultText("LblSaint", QStringLiteral("Saint du jour"));
    LblSaint->setAlignment(Qt::AlignCenter);
    LblSaint->setMargin(4);
    QFont saintFont = LblSaint->font();
    saintFont.setBold(true);
    LblSaint->setFont(saintFont);
    colour(LblSaint, kReadableRed, QColor(0xC0, 0xFF, 0xFF));
    layout->addWidget(LblSaint);

    LblAlmanach =
        resultText("LblAlmanach", QStringLiteral("Dicton du jour"), QStringLiteral("Almanach"));
    LblAlmanach->setAlignment(Qt::AlignCenter);
    LblAlmanach->setMargin(6);
    LblAlmanach->setMinimumHeight(LblAlmanach->fontMetrics().height() * 5);
    // A serif face, as almanacs print their sayings; DejaVu Serif is always installed.
    QFont almanacFont(QStringLiteral("DejaVu Serif"));
    almanacFont.setStyleHint(QFont::Serif);
    almanacFont.setItalic(true);
    almanacFont.setPointSizeF(LblAlmanach->font().pointSizeF());
    LblAlmanach->setFont(almanacFont);
    colour(LblAlmanach, QColor(0x00, 0x00, 0x80), QColor(0xE0, 0xE0, 0xE0));
    layout->addWidget(LblAlmanach);

    auto* moon = new QGroupBox(QStringLiteral("Lune"));
    auto* moonLayout = new QGridLayout(moon);
    TxtDateJ = lineEdit("TxtDateJ", QStringLiteral("Date de la lune"));
    TxtDateJ->setMaxLength(10);
    TxtDateJ->setAlignment(Qt::AlignCenter);
    colour(TxtDateJ, Qt::white, QColor(0x00, 0x00, 0xC0));
    CmdDateMoins = named(new QPushButton(QStringLiteral("<")), "CmdDateMoins",
                         QStringLiteral("Jour précédent"));
    CmdDatePlus =
        named(new QPushButton(QStringLiteral(">")), "CmdDatePlus", QStringLiteral("Jour suivant"));
    for (QPushButton* b : {CmdDateMoins, CmdDatePlus})
        b->setFixedWidth(28);
    Picture1 = named(new MoonWidget, "Picture1", QStringLiteral("Lune"));
    Picture1->setToolTip(
        QStringLiteral("Double clic sur la garde, ou entrer une date pour voir la lune"));
    Label11 =
        resultText("Label11", QStringLiteral("Sens de la lune"), QStringLiteral("Descendante"));
    Label11->setAlignment(Qt::AlignCenter);
    moonLayout->addWidget(CmdDateMoins, 0, 0);
    moonLayout->addWidget(TxtDateJ, 0, 1);
    moonLayout->addWidget(CmdDatePlus, 0, 2);
    moonLayout->addWidget(Picture1, 1, 0, 1, 3, Qt::AlignHCenter);
    moonLayout->addWidget(Label11, 2, 0, 1, 3);
    layout->addWidget(moon);

    Image1 = named(new QLabel, "Image1", QStringLiteral("Illustration"));
    Image1->setPixmap(picture("main_decor"));
    Image1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Image1);

    LblAvertir = resultText("LblAvertir", QStringLiteral("Rappel"), QStringLiteral("Attention"));
    LblAvertir->setAlignment(Qt::AlignCenter);
    LblAvertir->setMargin(6);
    QFont warningFont = LblAvertir->font();
    warningFont.setBold(true);
    LblAvertir->setFont(warningFont);
    colour(LblAvertir, Qt::yellow, kReadableRed);
    // Keeps its place while blinking.
    QSizePolicy keep = LblAvertir->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    LblAvertir->setSizePolicy(keep);
    LblAvertir->hide();
    layout->addWidget(LblAvertir);
    layout->addStretch();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(800);
    connect(Timer1, &QTimer::timeout, this,
            [this] { LblAvertir->setHidden(!LblAvertir->isHidden()); });
    return panel;
}

void MainWindow::loadAtStartUp() {
    const VbDate today = platform_.clock.today();
    adjustSize();
    centreOnScreen(this);
    const SaintOfTheDay saint = SAINT_DU_JOUR(today);
    LblSaint->setText(QString::fromStdString(saint.saint));
    LblAlmanach->setText(QString::fromStdString(toLineFeeds(saint.proverb)));
    if (const auto warning = RAPPEL_ECHEANCES(today)) {
        // The warning's lines are long for the panel: they wrap.
        LblAvertir->setWordWrap(true);
        LblAvertir->setText(QString::fromStdString(toLineFeeds(*warning)));
        LblAvertir->show();
        Timer1->start();
    }
    setWindowTitle(QStringLiteral("Calculette Obstétricale") + QString(40, ' ') +
                   QString::fromStdString(today.toText()));
    for (int weeks = 2; weeks <= 43; ++weeks)
        ListeSA->addItem(QString::number(weeks));
    {
        // Selecting the default entry is not a choice of the user.
        const QSignalBlocker quiet(ListeSA);
        ListeSA->setCurrentRow(4);
    }
    // The settings are read once, here; the main window keeps those of its
    // start (the editor says saved changes apply at the next start).
    TermSettingsModel& settings = termSettingsModel(windows_);
    settings.tellIfNotWhole();
    termSettings_ = settings.saved();
    termBounds_ = TermBounds::of(termSettings_);
    TxtDateJ->setText(QString::fromStdString(today.toText()));
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
