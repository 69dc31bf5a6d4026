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
    installResultsCopy(this, windowMenuBar(), windows, [this] { return resultsText(); });
}

void HormoneTherapyWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* bar = addMenuBar(layout);
    quitAction = addQuitEntry(bar, "Quitter", QStringLiteral("&Quitter"));
    helpAction = addHelpEntry(bar, "Aide", QStringLiteral("&Aide"), kHelpTopic);

    // The family of treatment.
    withPeriodsOption = radioButton("OptTT_Regles", QStringLiteral("Traitement OP avec règles"));
    withoutPeriodsOption =
        radioButton("OptTT_SsRegles", QStringLiteral("Traitement OP sans règles"));
    otherTreatmentOption = radioButton("OptTTT_Autres", QStringLiteral("Traitement Autre (SERM)"));
    auto* families = new QButtonGroup(this);
    for (QRadioButton* option : {withPeriodsOption, withoutPeriodsOption, otherTreatmentOption})
        families->addButton(option);
    auto* prescribed = new QGroupBox(QStringLiteral("TSH Prescrit"));
    prescribed->setObjectName(QStringLiteral("FrameTSH"));
    auto* prescribedLayout = new QVBoxLayout(prescribed);
    prescribedLayout->addLayout(
        row({withPeriodsOption, withoutPeriodsOption, otherTreatmentOption}));

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
    withPeriodsPanel = formPanel(
        "Frame13", QStringLiteral("TTT avec règles"), combinedWithPeriodsOption, "OptSpe_Comb_R",
        separateWithPeriodsOption, "OptSpe_OEPg_R", combinedWithPeriods, "CmbSpe_OEPg_R",
        oestrogenWithPeriods, "CmbSpe_OE_R", progestogenWithPeriods, "CmbSpe_Pg_R");
    withoutPeriodsPanel =
        formPanel("Frame14", QStringLiteral("TTT sans règles"), combinedWithoutPeriodsOption,
                  "OptSpe_Comb_SR", separateWithoutPeriodsOption, "OptSpe_OEPg_SR",
                  combinedWithoutPeriods, "CmbSpe_OEPg_SR", oestrogenWithoutPeriods, "CmbSpe_OE_SR",
                  progestogenWithoutPeriods, "CmbSpe_Pg_SR");
    otherTreatment = comboBox("CmbTTT_Autres", QStringLiteral("Traitement Autre (SERM)"));
    otherTreatment->hide();
    prescribedLayout->addWidget(withPeriodsPanel);
    prescribedLayout->addWidget(withoutPeriodsPanel);
    prescribedLayout->addWidget(otherTreatment);
    layout->addWidget(prescribed);

    // The speciality chosen.
    oestrogenPanel = namedFrame("Frame15", kOestrogenCaption, QStringLiteral("Oestrogène"));
    auto* oestrogen = new QGridLayout(oestrogenPanel);
    oestrogenMolecule = detail(oestrogen, "LblOE", QStringLiteral("OESTROGENE"));
    oestrogenDosage = detail(oestrogen, "LblDosage", QStringLiteral("Dosage"));
    oestrogenRoute = detail(oestrogen, "LblVoie", QStringLiteral("Voie d'administration"));
    oestrogenLab = detail(oestrogen, "LblLabo_Oe", QStringLiteral("Laboratoire"));
    oestrogenPosology = detail(oestrogen, "LblPoso_E", QStringLiteral("Posologie"));
    tallEnoughFor(oestrogenPosology, 7);
    oestrogenNote = detail(oestrogen, "LblNote_Oe", QStringLiteral("Remarque"));
    oestrogen->setRowStretch(oestrogen->rowCount(), 1);
    progestogenPanel =
        namedFrame("Frame16", QStringLiteral("Progestatif"), QStringLiteral("Progestatif"));
    auto* progestogen = new QGridLayout(progestogenPanel);
    progestogenMolecule = detail(progestogen, "LblPg", QStringLiteral("PROGESTERONE"));
    progestogenDosage = detail(progestogen, "LblDosage_P", QStringLiteral("Dosage"));
    progestogenLab = detail(progestogen, "LblLabo_Pg", QStringLiteral("Laboratoire"));
    progestogenPosology = detail(progestogen, "LblPoso_Pg", QStringLiteral("Posologie"));
    tallEnoughFor(progestogenPosology, 7);
    progestogenNote = detail(progestogen, "LblNote_Pg", QStringLiteral("Remarque"));
    progestogen->setRowStretch(progestogen->rowCount(), 1);
    otherTreatmentPanel = namedFrame("Frame17", QString(), QStringLiteral("Traitement autre"));
    auto* other = new QGridLayout(otherTreatmentPanel);
    otherMolecule = detail(other, "LblAutre", QStringLiteral("Molécule"));
    otherLab = detail(other, "LblLabo_Autre", QStringLiteral("Laboratoire"));
    for (QGroupBox* box : {oestrogenPanel, progestogenPanel, otherTreatmentPanel}) {
        box->setMinimumWidth(420);
        box->hide();
    }
    auto* panels = new QHBoxLayout;
    panels->addWidget(oestrogenPanel, 1);
    panels->addWidget(progestogenPanel, 1);
    panels->addWidget(otherTreatmentPanel, 1);
    layout->addLayout(panels);

    posology = resultLabel("LblPoso", QStringLiteral("Posologie"));
    posology->setWordWrap(true);
    tallEnoughFor(posology, 3);
    layout->addWidget(caption(QStringLiteral("Posologie"), posology));
    layout->addWidget(posology);

    closeButton = button("Fermer", QStringLiteral("&Fermer"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    layout->addStretch();

    for (QRadioButton* option : {withPeriodsOption, withoutPeriodsOption, otherTreatmentOption})
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) chooseFamily(option);
        });
    for (QRadioButton* option : {combinedWithPeriodsOption, separateWithPeriodsOption,
                                 combinedWithoutPeriodsOption, separateWithoutPeriodsOption})
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) chooseForm(option);
        });
    kindOf_ = {{combinedWithPeriods, TherapyKind::CombinedWithPeriods},
               {combinedWithoutPeriods, TherapyKind::CombinedWithoutPeriods},
               {oestrogenWithPeriods, TherapyKind::Oestrogen},
               {oestrogenWithoutPeriods, TherapyKind::Oestrogen},
               {progestogenWithPeriods, TherapyKind::Progestogen},
               {progestogenWithoutPeriods, TherapyKind::Progestogen},
               {otherTreatment, TherapyKind::Other}};
    for (const auto& [list, kind] : kindOf_) {
        QComboBox* chosen = list;
        connect(chosen, &QComboBox::activated, this, [this, chosen] { chooseSpeciality(chosen); });
    }
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({withPeriodsOption,
                     withoutPeriodsOption,
                     otherTreatmentOption,
                     combinedWithPeriodsOption,
                     separateWithPeriodsOption,
                     combinedWithPeriods,
                     oestrogenWithPeriods,
                     progestogenWithPeriods,
                     combinedWithoutPeriodsOption,
                     separateWithoutPeriodsOption,
                     combinedWithoutPeriods,
                     oestrogenWithoutPeriods,
                     progestogenWithoutPeriods,
                     otherTreatment,
                     oestrogenMolecule,
                     oestrogenDosage,
                     oestrogenRoute,
                     oestrogenLab,
                     oestrogenPosology,
                     oestrogenNote,
                     progestogenMolecule,
                     progestogenDosage,
                     progestogenLab,
                     progestogenPosology,
                     progestogenNote,
                     otherMolecule,
                     otherLab,
                     posology,
                     closeButton});
    setEscapeButton(closeButton);
    setMinimumWidth(900);
    placeOnScreen();
}

void HormoneTherapyWindow::fillLists() {
    const std::pair<TherapyKind, std::vector<QComboBox*>> lists[] = {
        {TherapyKind::CombinedWithPeriods, {combinedWithPeriods}},
        {TherapyKind::CombinedWithoutPeriods, {combinedWithoutPeriods}},
        {TherapyKind::Oestrogen, {oestrogenWithPeriods, oestrogenWithoutPeriods}},
        {TherapyKind::Progestogen, {progestogenWithPeriods, progestogenWithoutPeriods}},
        {TherapyKind::Other, {otherTreatment}}};
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
    setPanelTitle(oestrogenPanel, kOestrogenCaption, kOestrogenCaption);
    setPanelTitle(progestogenPanel, kProgestogenCaption, kProgestogenCaption);
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
    clear({oestrogenMolecule, oestrogenDosage, oestrogenRoute, oestrogenLab, progestogenMolecule,
           progestogenDosage, progestogenLab, posology, oestrogenNote, progestogenNote});
    for (QComboBox* list :
         {combinedWithPeriods, oestrogenWithPeriods, progestogenWithPeriods, combinedWithoutPeriods,
          oestrogenWithoutPeriods, progestogenWithoutPeriods})
        list->setCurrentIndex(-1);
    resetCaptions();
    clear({oestrogenPosology, progestogenPosology});
}

void HormoneTherapyWindow::chooseFamily(QRadioButton* option) {
    // A new family shows what a fresh window shows for it: no speciality chosen, no detail
    // left from the family before, even in a panel this family hides.
    resetForNewChoice();
    clear({otherMolecule, otherLab});
    otherTreatment->setCurrentIndex(-1);
    const bool withPeriods = option == withPeriodsOption;
    const bool withoutPeriods = option == withoutPeriodsOption;
    const bool other = option == otherTreatmentOption;
    withPeriodsPanel->setVisible(withPeriods);
    withoutPeriodsPanel->setVisible(withoutPeriods);
    oestrogenPanel->setVisible(!other);
    progestogenPanel->setVisible(!other);
    otherTreatmentPanel->setVisible(other);
    otherTreatment->setVisible(other);
}

void HormoneTherapyWindow::chooseForm(QRadioButton* option) {
    resetForNewChoice();
    const bool combined =
        option == combinedWithPeriodsOption || option == combinedWithoutPeriodsOption;
    const bool withPeriods =
        option == combinedWithPeriodsOption || option == separateWithPeriodsOption;
    QComboBox* combinedList = withPeriods ? combinedWithPeriods : combinedWithoutPeriods;
    QComboBox* oestrogenList = withPeriods ? oestrogenWithPeriods : oestrogenWithoutPeriods;
    QComboBox* progestogenList = withPeriods ? progestogenWithPeriods : progestogenWithoutPeriods;
    combinedList->setVisible(combined);
    for (QComboBox* list : {oestrogenList, progestogenList}) {
        list->setVisible(!combined);
        captionOf_[list]->setVisible(!combined);
    }
    if (option == separateWithPeriodsOption) otherTreatment->hide();
}

void HormoneTherapyWindow::chooseSpeciality(QComboBox* list) {
    const TherapyKind kind = kindOf_.at(list);
    switch (kind) {
    case TherapyKind::Oestrogen:
        clear({oestrogenMolecule, oestrogenLab, oestrogenDosage, oestrogenRoute, otherMolecule,
               otherLab, posology, oestrogenPosology, oestrogenNote});
        break;
    case TherapyKind::Progestogen:
        clear({progestogenMolecule, progestogenDosage, progestogenLab, otherMolecule, otherLab,
               posology, progestogenPosology, progestogenNote});
        break;
    default:
        clear({oestrogenMolecule, oestrogenDosage, oestrogenRoute, oestrogenLab, oestrogenPosology,
               progestogenMolecule, progestogenDosage, progestogenLab, progestogenPosology,
               otherMolecule, otherLab, posology, oestrogenNote, progestogenNote});
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
        setPanelTitle(oestrogenPanel, kOestrogenCaption, text.text);
        break;
    case TherapyField::ProgestogenTitle:
        setPanelTitle(progestogenPanel, kProgestogenCaption, text.text);
        break;
    case TherapyField::Oestrogen:
        oestrogenMolecule->setText(text.text);
        break;
    case TherapyField::Dosage:
        oestrogenDosage->setText(text.text);
        break;
    case TherapyField::Route:
        oestrogenRoute->setText(text.text);
        break;
    case TherapyField::OestrogenLab:
        oestrogenLab->setText(text.text);
        break;
    case TherapyField::OestrogenPosology:
        oestrogenPosology->setText(text.text);
        break;
    case TherapyField::Progestogen:
        progestogenMolecule->setText(text.text);
        break;
    case TherapyField::ProgestogenDosage:
        progestogenDosage->setText(text.text);
        break;
    case TherapyField::ProgestogenLab:
        progestogenLab->setText(text.text);
        break;
    case TherapyField::ProgestogenPosology:
        progestogenPosology->setText(text.text);
        break;
    case TherapyField::OtherMolecule:
        otherMolecule->setText(text.text);
        break;
    case TherapyField::OtherLab:
        otherLab->setText(text.text);
        break;
    case TherapyField::Posology:
        posology->setText(text.text);
        break;
    case TherapyField::OestrogenNote:
        oestrogenNote->setText(text.text);
        break;
    case TherapyField::ProgestogenNote:
        progestogenNote->setText(text.text);
        break;
    }
}

// "Copier les résultats": the treatment chosen, then what the catalogue
// says of each speciality shown.
ResultsText HormoneTherapyWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Traitement hormonal substitutif");
    t.choice(QStringLiteral("Traitement"),
             {withPeriodsOption, withoutPeriodsOption, otherTreatmentOption});
    t.choice(QStringLiteral("Forme"), {combinedWithPeriodsOption, separateWithPeriodsOption,
                                       combinedWithoutPeriodsOption, separateWithoutPeriodsOption});
    for (const QComboBox* list :
         {combinedWithPeriods, oestrogenWithPeriods, progestogenWithPeriods, combinedWithoutPeriods,
          oestrogenWithoutPeriods, progestogenWithoutPeriods, otherTreatment})
        if (list->currentIndex() >= 0) t.input(list);
    const QString oestrogen = QStringLiteral("Oestrogène, ");
    const QString progestogen = QStringLiteral("Progestatif, ");
    t.result(oestrogenMolecule, QStringLiteral("Oestrogène"));
    for (const QLabel* l :
         {oestrogenDosage, oestrogenRoute, oestrogenLab, oestrogenPosology, oestrogenNote})
        t.result(l, oestrogen + captionOf(l));
    t.result(progestogenMolecule, QStringLiteral("Progestatif"));
    for (const QLabel* l :
         {progestogenDosage, progestogenLab, progestogenPosology, progestogenNote})
        t.result(l, progestogen + captionOf(l));
    t.resultsOf({otherMolecule, otherLab, posology});
    return t;
}

} // namespace tovimar
