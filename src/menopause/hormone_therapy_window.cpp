// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/hormone_therapy_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/settings_folder.h"
#include "ui/controls.h"
#include "ui/results_text.h"

namespace tovimar {
namespace {

constexpr int kHelpTopic = 125;
const QString kOestrogenCaption = QStringLiteral("Oestrogène");
const QString kProgestogenCaption = QStringLiteral("Progesterone");

QGroupBox* namedFrame(const char* name, const QString& title, const QString& accessibleName) {
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    return box;
}

// A detail line: its caption, then the value the program writes.
QLabel* detail(QGridLayout* grid, const char* name, const QString& captionText) {
    QLabel* value = resultLabel(name, captionText);
    value->setWordWrap(true);
    const int row = grid->rowCount();
    auto* label = new QLabel(captionText);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    grid->setColumnStretch(1, 1);
    return value;
}

// A posology runs over several lines: its label keeps room for them, so
// that the window need not grow when one is shown.
void tallEnoughFor(QLabel* label, int lines) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * lines + 8);
}

} // namespace

HormoneTherapyWindow::HormoneTherapyWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form60", QStringLiteral("THS")),
      catalogue_(platform().settings.programDir() + QStringLiteral("/VESTRA.mdb")) {
    build();
    fillLists();
    installResultsCopy(this, findChild<QMenuBar*>(), windows, [this] { return resultsText(); });
}

void HormoneTherapyWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* bar = addMenuBar(layout);
    Quitter = addQuitEntry(bar, "Quitter", QStringLiteral("&Quitter"));
    Aide = addHelpEntry(bar, "Aide", QStringLiteral("&Aide"), kHelpTopic);

    // The family of treatment.
    OptTT_Regles = radioButton("OptTT_Regles", QStringLiteral("Traitement OP avec règles"));
    OptTT_SsRegles = radioButton("OptTT_SsRegles", QStringLiteral("Traitement OP sans règles"));
    OptTTT_Autres = radioButton("OptTTT_Autres", QStringLiteral("Traitement Autre (SERM)"));
    auto* families = new QButtonGroup(this);
    for (QRadioButton* option : {OptTT_Regles, OptTT_SsRegles, OptTTT_Autres})
        families->addButton(option);
    auto* prescribed = new QGroupBox(QStringLiteral("TSH Prescrit"));
    prescribed->setObjectName(QStringLiteral("FrameTSH"));
    auto* prescribedLayout = new QVBoxLayout(prescribed);
    prescribedLayout->addLayout(row({OptTT_Regles, OptTT_SsRegles, OptTTT_Autres}));

    // One panel per family with periods or without: the form, then the lists.
    auto formPanel = [this](const char* name, const QString& title, QRadioButton*& combined,
                            const char* combinedName, QRadioButton*& separate,
                            const char* separateName, QComboBox*& combinedList,
                            const char* combinedListName, QComboBox*& oestrogenList,
                            const char* oestrogenListName, QComboBox*& progestogenList,
                            const char* progestogenListName) {
        QGroupBox* box = namedFrame(name, title, title);
        combined =
            radioButton(combinedName, QStringLiteral("Spécialité combinant OE et Progesterone"));
        separate =
            radioButton(separateName, QStringLiteral("Spécialités avec OE seul et Pg Seule"));
        auto* forms = new QButtonGroup(box);
        forms->addButton(combined);
        forms->addButton(separate);
        combinedList = comboBox(
            combinedListName, title + QStringLiteral(" : spécialité combinant OE et Progesterone"));
        oestrogenList =
            comboBox(oestrogenListName, title + QStringLiteral(" : Spécialité OE seul"));
        progestogenList = comboBox(progestogenListName,
                                   title + QStringLiteral(" : Specialité Progesterone seule"));
        auto* grid = new QGridLayout(box);
        grid->addWidget(combined, 0, 0, 1, 2);
        grid->addWidget(separate, 1, 0, 1, 2);
        grid->addWidget(combinedList, 2, 0, 1, 2);
        QLabel* oestrogenCaption = caption(QStringLiteral("Spécialité OE seul"), oestrogenList);
        QLabel* progestogenCaption =
            caption(QStringLiteral("Specialité Progesterone seule"), progestogenList);
        grid->addWidget(oestrogenCaption, 3, 0);
        grid->addWidget(oestrogenList, 3, 1);
        grid->addWidget(progestogenCaption, 4, 0);
        grid->addWidget(progestogenList, 4, 1);
        grid->setColumnStretch(1, 1);
        captionOf_[oestrogenList] = oestrogenCaption;
        captionOf_[progestogenList] = progestogenCaption;
        for (QComboBox* list : {combinedList, oestrogenList, progestogenList})
            list->hide();
        oestrogenCaption->hide();
        progestogenCaption->hide();
        box->hide();
        return box;
    };
    Frame13 = formPanel("Frame13", QStringLiteral("TTT avec règles"), OptSpe_Comb_R,
                        "OptSpe_Comb_R", OptSpe_OEPg_R, "OptSpe_OEPg_R", CmbSpe_OEPg_R,
                        "CmbSpe_OEPg_R", CmbSpe_OE_R, "CmbSpe_OE_R", CmbSpe_Pg_R, "CmbSpe_Pg_R");
    Frame14 =
        formPanel("Frame14", QStringLiteral("TTT sans règles"), OptSpe_Comb_SR, "OptSpe_Comb_SR",
                  OptSpe_OEPg_SR, "OptSpe_OEPg_SR", CmbSpe_OEPg_SR, "CmbSpe_OEPg_SR", CmbSpe_OE_SR,
                  "CmbSpe_OE_SR", CmbSpe_Pg_SR, "CmbSpe_Pg_SR");
    CmbTTT_Autres = comboBox("CmbTTT_Autres", QStringLiteral("Traitement Autre (SERM)"));
    CmbTTT_Autres->hide();
    prescribedLayout->addWidget(Frame13);
    prescribedLayout->addWidget(Frame14);
    prescribedLayout->addWidget(CmbTTT_Autres);
    layout->addWidget(prescribed);

    // The speciality chosen.
    Frame15 = namedFrame("Frame15", kOestrogenCaption, QStringLiteral("Oestrogène"));
    auto* oestrogen = new QGridLayout(Frame15);
    LblOE = detail(oestrogen, "LblOE", QStringLiteral("OESTROGENE"));
    LblDosage = detail(oestrogen, "LblDosage", QStringLiteral("Dosage"));
    LblVoie = detail(oestrogen, "LblVoie", QStringLiteral("Voie d'administration"));
    LblLabo_Oe = detail(oestrogen, "LblLabo_Oe", QStringLiteral("Laboratoire"));
    LblPoso_E = detail(oestrogen, "LblPoso_E", QStringLiteral("Posologie"));
    tallEnoughFor(LblPoso_E, 7);
    LblNote_Oe = detail(oestrogen, "LblNote_Oe", QStringLiteral("Remarque"));
    oestrogen->setRowStretch(oestrogen->rowCount(), 1);
    Frame16 = namedFrame("Frame16", QStringLiteral("Progestatif"), QStringLiteral("Progestatif"));
    auto* progestogen = new QGridLayout(Frame16);
    LblPg = detail(progestogen, "LblPg", QStringLiteral("PROGESTERONE"));
    LblDosage_P = detail(progestogen, "LblDosage_P", QStringLiteral("Dosage"));
    LblLabo_Pg = detail(progestogen, "LblLabo_Pg", QStringLiteral("Laboratoire"));
    LblPoso_Pg = detail(progestogen, "LblPoso_Pg", QStringLiteral("Posologie"));
    tallEnoughFor(LblPoso_Pg, 7);
    LblNote_Pg = detail(progestogen, "LblNote_Pg", QStringLiteral("Remarque"));
    progestogen->setRowStretch(progestogen->rowCount(), 1);
    Frame17 = namedFrame("Frame17", QString(), QStringLiteral("Traitement autre"));
    auto* other = new QGridLayout(Frame17);
    LblAutre = detail(other, "LblAutre", QStringLiteral("Molécule"));
    LblLabo_Autre = detail(other, "LblLabo_Autre", QStringLiteral("Laboratoire"));
    for (QGroupBox* box : {Frame15, Frame16, Frame17}) {
        box->setMinimumWidth(420);
        box->hide();
    }
    auto* panels = new QHBoxLayout;
    panels->addWidget(Frame15, 1);
    panels->addWidget(Frame16, 1);
    panels->addWidget(Frame17, 1);
    layout->addLayout(panels);

    LblPoso = resultLabel("LblPoso", QStringLiteral("Posologie"));
    LblPoso->setWordWrap(true);
    tallEnoughFor(LblPoso, 3);
    layout->addWidget(caption(QStringLiteral("Posologie"), LblPoso));
    layout->addWidget(LblPoso);

    Fermer = button("Fermer", QStringLiteral("&Fermer"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Fermer);
    layout->addLayout(buttons);
    layout->addStretch();

    for (QRadioButton* option : {OptTT_Regles, OptTT_SsRegles, OptTTT_Autres})
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) chooseFamily(option);
        });
    for (QRadioButton* option : {OptSpe_Comb_R, OptSpe_OEPg_R, OptSpe_Comb_SR, OptSpe_OEPg_SR})
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) chooseForm(option);
        });
    kindOf_ = {{CmbSpe_OEPg_R, TherapyKind::CombinedWithPeriods},
               {CmbSpe_OEPg_SR, TherapyKind::CombinedWithoutPeriods},
               {CmbSpe_OE_R, TherapyKind::Oestrogen},
               {CmbSpe_OE_SR, TherapyKind::Oestrogen},
               {CmbSpe_Pg_R, TherapyKind::Progestogen},
               {CmbSpe_Pg_SR, TherapyKind::Progestogen},
               {CmbTTT_Autres, TherapyKind::Other}};
    for (const auto& [list, kind] : kindOf_) {
        QComboBox* chosen = list;
        connect(chosen, &QComboBox::activated, this, [this, chosen] { chooseSpeciality(chosen); });
    }
    connect(Fermer, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({OptTT_Regles,   OptTT_SsRegles, OptTTT_Autres, OptSpe_Comb_R,  OptSpe_OEPg_R,
                     CmbSpe_OEPg_R,  CmbSpe_OE_R,    CmbSpe_Pg_R,   OptSpe_Comb_SR, OptSpe_OEPg_SR,
                     CmbSpe_OEPg_SR, CmbSpe_OE_SR,   CmbSpe_Pg_SR,  CmbTTT_Autres,  LblOE,
                     LblDosage,      LblVoie,        LblLabo_Oe,    LblPoso_E,      LblNote_Oe,
                     LblPg,          LblDosage_P,    LblLabo_Pg,    LblPoso_Pg,     LblNote_Pg,
                     LblAutre,       LblLabo_Autre,  LblPoso,       Fermer});
    setEscapeButton(Fermer);
    setMinimumWidth(900);
    placeOnScreen();
}

void HormoneTherapyWindow::fillLists() {
    const std::pair<TherapyKind, std::vector<QComboBox*>> lists[] = {
        {TherapyKind::CombinedWithPeriods, {CmbSpe_OEPg_R}},
        {TherapyKind::CombinedWithoutPeriods, {CmbSpe_OEPg_SR}},
        {TherapyKind::Oestrogen, {CmbSpe_OE_R, CmbSpe_OE_SR}},
        {TherapyKind::Progestogen, {CmbSpe_Pg_R, CmbSpe_Pg_SR}},
        {TherapyKind::Other, {CmbTTT_Autres}}};
    for (const auto& [kind, combos] : lists) {
        for (QComboBox* combo : combos)
            combo->clear();
        const auto names = catalogue_.names(kind);
        if (!names) {
            // The lists filled so far keep their names.
            platform().messages.inform(
                QStringLiteral("Mauvaise connection avec la base de données VESTRA.MDB"));
            return;
        }
        for (QComboBox* combo : combos) {
            combo->addItems(*names);
            combo->setCurrentIndex(-1);
        }
    }
}

void HormoneTherapyWindow::clear(std::initializer_list<QLabel*> labels) {
    for (QLabel* label : labels)
        label->clear();
}

void HormoneTherapyWindow::resetCaptions() {
    setPanelTitle(Frame15, kOestrogenCaption, kOestrogenCaption);
    setPanelTitle(Frame16, kProgestogenCaption, kProgestogenCaption);
}

// A screen reader hears the panel's part and the speciality it shows.
void HormoneTherapyWindow::setPanelTitle(QGroupBox* panel, const QString& part,
                                         const QString& title) {
    panel->setTitle(title);
    panel->setAccessibleName(title == part ? part : part + QStringLiteral(" : ") + title);
}

// What a new family or form empties: the details, the lists' choices, the
// captions and the posologies.
void HormoneTherapyWindow::resetForNewChoice() {
    clear({LblOE, LblDosage, LblVoie, LblLabo_Oe, LblPg, LblDosage_P, LblLabo_Pg, LblPoso,
           LblNote_Oe, LblNote_Pg});
    for (QComboBox* list :
         {CmbSpe_OEPg_R, CmbSpe_OE_R, CmbSpe_Pg_R, CmbSpe_OEPg_SR, CmbSpe_OE_SR, CmbSpe_Pg_SR})
        list->setCurrentIndex(-1);
    resetCaptions();
    clear({LblPoso_E, LblPoso_Pg});
}

void HormoneTherapyWindow::chooseFamily(QRadioButton* option) {
    // A new family shows what a fresh window shows for it: no speciality chosen, no detail
    // left from the family before, even in a panel this family hides.
    resetForNewChoice();
    clear({LblAutre, LblLabo_Autre});
    CmbTTT_Autres->setCurrentIndex(-1);
    const bool withPeriods = option == OptTT_Regles;
    const bool withoutPeriods = option == OptTT_SsRegles;
    const bool other = option == OptTTT_Autres;
    Frame13->setVisible(withPeriods);
    Frame14->setVisible(withoutPeriods);
    Frame15->setVisible(!other);
    Frame16->setVisible(!other);
    Frame17->setVisible(other);
    CmbTTT_Autres->setVisible(other);
}

void HormoneTherapyWindow::chooseForm(QRadioButton* option) {
    resetForNewChoice();
    const bool combined = option == OptSpe_Comb_R || option == OptSpe_Comb_SR;
    const bool withPeriods = option == OptSpe_Comb_R || option == OptSpe_OEPg_R;
    QComboBox* combinedList = withPeriods ? CmbSpe_OEPg_R : CmbSpe_OEPg_SR;
    QComboBox* oestrogenList = withPeriods ? CmbSpe_OE_R : CmbSpe_OE_SR;
    QComboBox* progestogenList = withPeriods ? CmbSpe_Pg_R : CmbSpe_Pg_SR;
    combinedList->setVisible(combined);
    for (QComboBox* list : {oestrogenList, progestogenList}) {
        list->setVisible(!combined);
        captionOf_[list]->setVisible(!combined);
    }
    if (option == OptSpe_OEPg_R) CmbTTT_Autres->hide();
}

void HormoneTherapyWindow::chooseSpeciality(QComboBox* list) {
    const TherapyKind kind = kindOf_.at(list);
    switch (kind) {
    case TherapyKind::Oestrogen:
        clear({LblOE, LblLabo_Oe, LblDosage, LblVoie, LblAutre, LblLabo_Autre, LblPoso, LblPoso_E,
               LblNote_Oe});
        break;
    case TherapyKind::Progestogen:
        clear({LblPg, LblDosage_P, LblLabo_Pg, LblAutre, LblLabo_Autre, LblPoso, LblPoso_Pg,
               LblNote_Pg});
        break;
    default:
        clear({LblOE, LblDosage, LblVoie, LblLabo_Oe, LblPoso_E, LblPg, LblDosage_P, LblLabo_Pg,
               LblPoso_Pg, LblAutre, LblLabo_Autre, LblPoso, LblNote_Oe, LblNote_Pg});
        resetCaptions();
        break;
    }
    if (list->currentIndex() < 0) return;
    const auto speciality = catalogue_.speciality(kind, list->currentText());
    if (!speciality) return; // shown as far as it could be read: nothing
    for (const TherapyText& text : therapyTexts(kind, *speciality))
        showValue(text);
}

void HormoneTherapyWindow::showValue(const TherapyText& text) {
    switch (text.field) {
    case TherapyField::OestrogenTitle:
        setPanelTitle(Frame15, kOestrogenCaption, text.text);
        break;
    case TherapyField::ProgestogenTitle:
        setPanelTitle(Frame16, kProgestogenCaption, text.text);
        break;
    case TherapyField::Oestrogen:
        LblOE->setText(text.text);
        break;
    case TherapyField::Dosage:
        LblDosage->setText(text.text);
        break;
    case TherapyField::Route:
        LblVoie->setText(text.text);
        break;
    case TherapyField::OestrogenLab:
        LblLabo_Oe->setText(text.text);
        break;
    case TherapyField::OestrogenPosology:
        LblPoso_E->setText(text.text);
        break;
    case TherapyField::Progestogen:
        LblPg->setText(text.text);
        break;
    case TherapyField::ProgestogenDosage:
        LblDosage_P->setText(text.text);
        break;
    case TherapyField::ProgestogenLab:
        LblLabo_Pg->setText(text.text);
        break;
    case TherapyField::ProgestogenPosology:
        LblPoso_Pg->setText(text.text);
        break;
    case TherapyField::OtherMolecule:
        LblAutre->setText(text.text);
        break;
    case TherapyField::OtherLab:
        LblLabo_Autre->setText(text.text);
        break;
    case TherapyField::Posology:
        LblPoso->setText(text.text);
        break;
    case TherapyField::OestrogenNote:
        LblNote_Oe->setText(text.text);
        break;
    case TherapyField::ProgestogenNote:
        LblNote_Pg->setText(text.text);
        break;
    }
}

// "Copier les résultats": the treatment chosen, then what the catalogue
// says of each speciality shown.
ResultsText HormoneTherapyWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Traitement hormonal substitutif");
    t.choice(QStringLiteral("Traitement"), {OptTT_Regles, OptTT_SsRegles, OptTTT_Autres});
    t.choice(QStringLiteral("Forme"),
             {OptSpe_Comb_R, OptSpe_OEPg_R, OptSpe_Comb_SR, OptSpe_OEPg_SR});
    for (const QComboBox* list : {CmbSpe_OEPg_R, CmbSpe_OE_R, CmbSpe_Pg_R, CmbSpe_OEPg_SR,
                                  CmbSpe_OE_SR, CmbSpe_Pg_SR, CmbTTT_Autres})
        if (list->currentIndex() >= 0) t.input(list);
    const QString oestrogen = QStringLiteral("Oestrogène, ");
    const QString progestogen = QStringLiteral("Progestatif, ");
    t.result(LblOE, QStringLiteral("Oestrogène"));
    for (const QLabel* l : {LblDosage, LblVoie, LblLabo_Oe, LblPoso_E, LblNote_Oe})
        t.result(l, oestrogen + captionOf(l));
    t.result(LblPg, QStringLiteral("Progestatif"));
    for (const QLabel* l : {LblDosage_P, LblLabo_Pg, LblPoso_Pg, LblNote_Pg})
        t.result(l, progestogen + captionOf(l));
    t.resultsOf({LblAutre, LblLabo_Autre, LblPoso});
    return t;
}

} // namespace tovimar
