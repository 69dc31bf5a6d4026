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

#include "app/images.h"
#include "app/key_filters.h"
#include "app/moon_widget.h"
#include "app/window_registry.h"
#include "core/text_lines.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "platform/settings_folder.h"
#include "utilities/payment_reminders.h"
#include "utilities/saint_of_the_day.h"

namespace tovimar {
namespace {

template <class W> W* named(W* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

QLineEdit* lineEdit(const char* name, const QString& accessibleName, bool readOnly = false) {
    auto* edit = named(new QLineEdit, name, accessibleName);
    edit->setReadOnly(readOnly);
    return edit;
}

QGroupBox* frame(const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(content);
    return box;
}

// A result shown as text that can be selected, framed like a field.
QLabel* resultLabel(const char* name, const QString& accessibleName) {
    auto* l = named(new QLabel, name, accessibleName);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setMinimumHeight(l->fontMetrics().height() + 8);
    l->setMargin(2);
    l->setBackgroundRole(QPalette::Base);
    l->setAutoFillBackground(true);
    return l;
}

QLabel* label(const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text);
    if (buddy) l->setBuddy(buddy);
    return l;
}

// A list box of fixed captions shown beside a result list, line for line.
QListWidget* captionList(const char* name, const QStringList& captions) {
    auto* list = named(new QListWidget, name, captions.join(", "));
    list->addItems(captions);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int widest = 0;
    for (const QString& c : captions)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(c));
    list->setFixedWidth(widest + 2 * list->frameWidth() + 10);
    return list;
}

QListWidget* resultList(const char* name, const QString& accessibleName, int rows) {
    auto* list = named(new QListWidget, name, accessibleName);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setMinimumWidth(190);
    list->setFixedHeight(list->fontMetrics().height() * rows + 10);
    return list;
}

// A list and its fixed captions side by side, the same height.
QWidget* pairedLists(QListWidget* captions, QListWidget* results) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    captions->setFixedHeight(results->height());
    layout->addWidget(captions);
    layout->addWidget(results, 1);
    return row;
}

void colour(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

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
    connectReactions();
    loadAtStartUp();
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
    ageGrid->addWidget(label(QStringLiteral("S;A."), NbreSA), 0, 0);
    ageGrid->addWidget(NbreSA, 0, 1);
    ageGrid->addWidget(label(QStringLiteral("Mois"), NbreMois), 1, 0);
    ageGrid->addWidget(NbreMois, 1, 1);
    ageGrid->addWidget(label(QStringLiteral("Jours de G"), NbreJours), 2, 0);
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
    TXTsa = named(new QLabel(QStringLiteral("xx Sa le...")), "TXTsa",
                  QStringLiteral("Semaines choisies"));
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
    CRLscroll = named(new QScrollBar(Qt::Horizontal), "CRLscroll", QStringLiteral("LCC, réglage"));
    CRLscroll->setRange(1, 85);
    CRLscroll->setPageStep(10);
    CRLscroll->setValue(30);
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
    layout->addWidget(label(QStringLiteral("Sac"), Sac), 0, 0);
    layout->addWidget(Sac, 0, 1);
    layout->addWidget(label(QStringLiteral("LCC"), CRL), 0, 2);
    layout->addWidget(CRL, 0, 3);
    layout->addWidget(CRLscroll, 0, 4, 1, 2);
    layout->addWidget(label(QStringLiteral("Bip"), Bip), 1, 0);
    layout->addWidget(Bip, 1, 1);
    layout->addWidget(label(QStringLiteral("Fém."), Fem), 1, 2);
    layout->addWidget(Fem, 1, 3);
    layout->addWidget(label(QStringLiteral("Date de l'écho"), DateX), 2, 0, 1, 2);
    layout->addWidget(DateX, 2, 2, 1, 2);
    layout->addWidget(label(QStringLiteral("Sem. d'amenorrhée"), SemA), 3, 0, 1, 2);
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
    firstRow->addWidget(label(QStringLiteral("Echo 1T")));
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
    NbrEnfScroll =
        named(new QScrollBar(Qt::Horizontal), "NbrEnfScroll", QStringLiteral("Nbre Enf., réglage"));
    NbrEnfScroll->setRange(0, 10);
    NbrEnfScroll->setValue(1);
    NbrEnfScroll->setMinimumWidth(60);
    leaveLayout->addWidget(label(QStringLiteral("Nbre Enf."), NbrEnf), 1, 0);
    leaveLayout->addWidget(NbrEnf, 1, 1);
    leaveLayout->addWidget(NbrEnfScroll, 1, 2, 1, 2);
    Gemell = named(new QCheckBox(QStringLiteral("Gr. Gemell.")), "Gemell",
                   QStringLiteral("Gr. Gemell."));
    Triple =
        named(new QCheckBox(QStringLiteral("Gr. Triple")), "Triple", QStringLiteral("Gr. Triple"));
    leaveLayout->addWidget(Gemell, 2, 0, 1, 2);
    leaveLayout->addWidget(Triple, 2, 2, 1, 2);
    Command2 = named(new QPushButton(QStringLiteral("&Calcule Congés")), "Command2",
                     QStringLiteral("Calcule Congés"));
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

    LblSaint = named(new QLabel, "LblSaint", QStringLiteral("Saint du jour"));
    LblSaint->setAlignment(Qt::AlignCenter);
    LblSaint->setMargin(4);
    QFont saintFont = LblSaint->font();
    saintFont.setBold(true);
    LblSaint->setFont(saintFont);
    colour(LblSaint, Qt::red, QColor(0xC0, 0xFF, 0xFF));
    layout->addWidget(LblSaint);

    LblAlmanach = named(new QLabel(QStringLiteral("Almanach")), "LblAlmanach",
                        QStringLiteral("Dicton du jour"));
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
    Label11 = named(new QLabel(QStringLiteral("Descendante")), "Label11",
                    QStringLiteral("Sens de la lune"));
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

    LblAvertir =
        named(new QLabel(QStringLiteral("Attention")), "LblAvertir", QStringLiteral("Rappel"));
    LblAvertir->setAlignment(Qt::AlignCenter);
    LblAvertir->setMargin(6);
    QFont warningFont = LblAvertir->font();
    warningFont.setBold(true);
    LblAvertir->setFont(warningFont);
    colour(LblAvertir, Qt::yellow, Qt::red);
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
    const TermSettingsReading reading =
        readTermSettings(platform_.settings.read("term.tvx").value_or(""));
    termSettings_ = reading.settings;
    if (!reading.complete)
        platform_.messages.inform(QStringLiteral("Fichier Term.tvx absent ou erronné."));
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
