// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/t21_risk_window.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/french_number.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "t21/risk_model.h"
#include "t21/t21_about_window.h"
#include "ui/alarm_style.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/pictures.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

constexpr int kHelpTopic = 70;

// A titled frame around one result.
QGroupBox* resultFrame(const char* name, const QString& title, QLabel* result) {
    QGroupBox* box = frame(title, result);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void paintRisk(QLabel* label, bool red) {
    if (red)
        showAlarm(label);
    else
        colour(label, QColor(0x00, 0x00, 0x40), QColor(0xE0, 0xE0, 0xE0));
}

} // namespace

T21RiskWindow::T21RiskWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form12", QStringLiteral("Risque de trisomie 21")) {
    build();
    reset();
    installResultsCopy(this, menuBar, windows, [this] { return resultsText(); });
    // The date of birth of the patient of the consultation, unless another is typed here.
    followPatient(birthDate, this->windows().patient(), PatientField::BirthDate,
                  platform().clock.today());
}

void T21RiskWindow::build() {
    auto* layout = new QVBoxLayout(this);
    buildMenus();
    layout->setMenuBar(menuBar);
    layout->addWidget(buildInputs());

    // The four sources of risk two by two, the conduct under them, then the
    // signs of the morphology scan across the window: within a small screen,
    // read left to right and top to bottom.
    calculationPanel = named(new QWidget, "Frame16", QStringLiteral("Calcul du risque"));
    auto* sources = new QGridLayout(calculationPanel);
    sources->setContentsMargins(0, 0, 0, 0);
    sources->addWidget(buildAgePanel(), 0, 0);
    sources->addWidget(buildSerumPanel(), 0, 1);
    sources->addWidget(buildNuchalPanel(), 1, 0);
    sources->addWidget(buildIntegratedPanel(), 1, 1);
    sources->addWidget(buildConductPanel(), 2, 0, 1, 2);
    layout->addWidget(calculationPanel);
    layout->addWidget(buildSignsPanel());

    computeButton = button("CmdCalcule", QStringLiteral("&Calcule"));
    computeButton->setIcon(picture(QStringLiteral("icon_compute")));
    computeButton->setDefault(true);
    newPatientButton = button("CmdEfface", QStringLiteral("&Nouvelle Patiente"));
    newPatientButton->setIcon(picture(QStringLiteral("icon_reset")));
    quitButton = button("Command1", QStringLiteral("&Quitter"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(computeButton);
    bottom->addWidget(newPatientButton);
    bottom->addStretch();
    bottom->addWidget(quitButton);
    layout->addLayout(bottom);

    // Never shown: the overall N, read by the letter.
    overallRiskN = new QLabel(this);
    overallRiskN->setObjectName(QStringLiteral("LblRGlobal"));
    overallRiskN->hide();

    // A result never stays beside inputs it was not computed from: any change
    // empties them until "Calcule" is pressed again (the letter prints them).
    for (QLineEdit* input :
         {maternalAge, crownRumpLength, nuchalTranslucency, givenSerumRisk, laboratoryCombinedRisk})
        connect(input, &QLineEdit::textChanged, this, &T21RiskWindow::forgetResults);
    connect(previousTrisomyBox, &QCheckBox::toggled, this, &T21RiskWindow::forgetResults);
    connect(computeButton, &QPushButton::clicked, this, &T21RiskWindow::calculate);
    connect(newPatientButton, &QPushButton::clicked, this, &T21RiskWindow::newPatient);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(quitButton);

    setReadingOrder({birthDate, maternalAge, maternalAgeSlider, examinationDate, previousTrisomyBox,
                     givenSerumRisk, serumRiskSlider, crownRumpLength, crownRumpSlider,
                     nuchalTranslucency, nuchalSlider, laboratoryCombinedRisk, signList,
                     computeButton, newPatientButton, quitButton});
    placeOnScreen();
}

void T21RiskWindow::buildMenus() {
    menuBar = named(new QMenuBar(this), "MenuBar", QStringLiteral("Menus"));
    printAction = menuBar->addAction(QStringLiteral("&Imprimer"));
    printAction->setObjectName(QStringLiteral("MnuImprimer"));
    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MnuOptions"));
    letterheadAction = options->addAction(QStringLiteral("Entête"));
    letterheadAction->setObjectName(QStringLiteral("MnuEntete"));
    thresholdAction = options->addAction(QStringLiteral("Seuil pour l'amniocentèse"));
    thresholdAction->setObjectName(QStringLiteral("MnuSeuil"));
    helpAction = menuBar->addAction(QStringLiteral("&Aide"));
    helpAction->setObjectName(QStringLiteral("MnuAide"));
    aboutAction = menuBar->addAction(QStringLiteral("A &propos"));
    aboutAction->setObjectName(QStringLiteral("MnuAPropos"));

    connect(printAction, &QAction::triggered, this, &T21RiskWindow::printLetter);
    connect(letterheadAction, &QAction::triggered, this, &T21RiskWindow::letterheadRequested);
    connect(thresholdAction, &QAction::triggered, this, &T21RiskWindow::thresholdRequested);
    connect(helpAction, &QAction::triggered, this,
            [this] { platform().help.showTopic(kHelpTopic); });
    connect(aboutAction, &QAction::triggered, this, [this] { showCompanion<T21AboutWindow>(); });
}

QWidget* T21RiskWindow::buildInputs() {
    birthDate = lineEdit("TxtDateNaiss", QStringLiteral("Date de naissance"));
    birthDate->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
    birthDate->setMaximumWidth(110);
    acceptDateCharacters(birthDate, [] {});
    maternalAge = lineEdit("TxtAgeMat", QStringLiteral("Age maternel, en années"));
    maternalAge->setMaximumWidth(60);
    typeFullStopAsComma(maternalAge);
    maternalAgeSlider =
        scrollBar("ScrAgeMat", QStringLiteral("Age maternel, de 16 à 60 ans"), 16, 60, 30);
    maternalAgeSlider->setMinimumWidth(90);
    examinationDate = lineEdit("TxtDatEcho", QStringLiteral("Date du jour"));
    examinationDate->setMaximumWidth(110);
    acceptDateCharacters(examinationDate, [] {});
    previousTrisomyBox = checkBox("Check1", QStringLiteral("ATCD de T21"));
    previousTrisomyBox->setAccessibleName(
        QStringLiteral("Antécédent de grossesse avec trisomie 21"));

    auto* box = new QWidget;
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(caption(QStringLiteral("Date de &naissance"), birthDate));
    line->addWidget(birthDate);
    line->addSpacing(12);
    line->addWidget(caption(QStringLiteral("A&ge Mat"), maternalAge));
    line->addWidget(maternalAge);
    line->addWidget(maternalAgeSlider);
    line->addSpacing(12);
    line->addWidget(caption(QStringLiteral("Date du &jour"), examinationDate));
    line->addWidget(examinationDate);
    line->addSpacing(12);
    line->addWidget(previousTrisomyBox);
    line->addStretch();

    connect(birthDate, &QLineEdit::textChanged, this, &T21RiskWindow::birthDateChanged);
    connect(examinationDate, &QLineEdit::textChanged, this, &T21RiskWindow::birthDateChanged);
    fillsField(maternalAgeSlider, maternalAge);
    return box;
}

QGroupBox* T21RiskWindow::buildAgePanel() {
    ageRiskAtTerm = resultLabel("LblAgeT", QStringLiteral("Risque lié à l'âge à terme"));
    ageRiskAtScan =
        resultLabel("LblAge", QStringLiteral("Risque lié à l'âge au terme actuel de la grossesse"));
    ageAtTermPanel = resultFrame("Frame11", QStringLiteral("Risque à Terme"), ageRiskAtTerm);
    ageAtScanPanel = resultFrame("Frame12", QString(), ageRiskAtScan);
    agePicture = pictureLabel("ImgAge", QStringLiteral("t21_age"),
                              QStringLiteral("Risque lié à l'âge : pas encore calculé"));

    auto* results = new QGridLayout;
    auto* frames = new QHBoxLayout;
    frames->addWidget(ageAtTermPanel);
    frames->addWidget(ageAtScanPanel);
    results->addLayout(frames, 0, 0);
    results->addWidget(agePicture, 0, 0);
    agePanel = frame(QStringLiteral("Risque lié à l'AGE"), results);
    agePanel->setObjectName(QStringLiteral("Frame1"));
    return agePanel;
}

QGroupBox* T21RiskWindow::buildNuchalPanel() {
    crownRumpLength = lineEdit("TxtLCC", QStringLiteral("LCC, longueur cranio-caudale en mm"));
    crownRumpLength->setMaximumWidth(60);
    typeFullStopAsComma(crownRumpLength);
    crownRumpSlider = scrollBar("ScrLCC", QStringLiteral("LCC, de 44 à 85 mm"), 44, 85, 53);
    crownRumpSlider->setMinimumWidth(90);
    gestationalAge = resultText("LblAgeGesta", QStringLiteral("Age gestationnel d'après la LCC"));
    nuchalTranslucency = lineEdit("TxtNC", QStringLiteral("Clarté nucale en mm"));
    nuchalTranslucency->setMaximumWidth(60);
    typeFullStopAsComma(nuchalTranslucency);
    nuchalSlider = scrollBar("ScrCN", QStringLiteral("Clarté nucale, de 0 à 6 mm"), 0, 60, 15);
    nuchalSlider->setMinimumWidth(90);

    auto* inputs = new QGridLayout;
    inputs->addWidget(caption(QStringLiteral("&LCC"), crownRumpLength), 0, 0);
    inputs->addWidget(crownRumpLength, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("mm")), 0, 2);
    inputs->addWidget(crownRumpSlider, 0, 3);
    inputs->addWidget(gestationalAge, 0, 4);
    inputs->addWidget(caption(QStringLiteral("Clarté N&ucale"), nuchalTranslucency), 1, 0);
    inputs->addWidget(nuchalTranslucency, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("mm")), 1, 2);
    inputs->addWidget(nuchalSlider, 1, 3);
    inputs->setColumnStretch(4, 1);

    nuchalRiskAtTerm =
        resultLabel("LblRCNT", QStringLiteral("Risque lié à la clarté nucale à terme"));
    nuchalRiskAtScan = resultLabel(
        "LblRCN", QStringLiteral("Risque lié à la clarté nucale au terme actuel de la grossesse"));
    nuchalAtTermPanel = resultFrame("Frame7", QStringLiteral("Risque à Terme"), nuchalRiskAtTerm);
    nuchalAtScanPanel = resultFrame("Frame8", QString(), nuchalRiskAtScan);

    nuchalMedian = resultText("LblMedCn", QStringLiteral("Clarté nucale attendue"));
    nuchalMultipleOfMedian =
        resultText("LblMultMed", QStringLiteral("Multiple de la Médiane (MoM)"));
    relativeRisk = resultText("LblRisqRelatif", QStringLiteral("Risque relatif T21"));
    likelihoodRatio = resultText("LblRapVrai", QStringLiteral("Rapport de vraisemblance"));
    auto* figures = new QGridLayout;
    auto* medianCaption = new QLabel(QStringLiteral("Médiane de la clarté nucale\n"
                                                    "Clarté nucale attendue"));
    medianCaption->setObjectName(QStringLiteral("Label17"));
    figures->addWidget(medianCaption, 0, 0);
    figures->addWidget(nuchalMedian, 0, 1);
    figures->addWidget(new QLabel(QStringLiteral("Multiple de la Médiane (MoM)")), 1, 0);
    figures->addWidget(nuchalMultipleOfMedian, 1, 1);
    figures->addWidget(new QLabel(QStringLiteral("Risque relatif T21")), 2, 0);
    figures->addWidget(relativeRisk, 2, 1);
    figures->addWidget(new QLabel(QStringLiteral("Rapport de vraisemblance")), 3, 0);
    figures->addWidget(likelihoodRatio, 3, 1);
    nuchalFiguresPanel = frame(QString(), figures);
    nuchalFiguresPanel->setObjectName(QStringLiteral("Frame13"));

    nuchalPicture =
        pictureLabel("ImgCN", QStringLiteral("t21_nuchal"),
                     QStringLiteral("Risque lié à la clarté nucale : pas encore calculé"));
    auto* results = new QGridLayout;
    auto* riskFrames = new QVBoxLayout;
    riskFrames->addWidget(nuchalAtTermPanel);
    riskFrames->addWidget(nuchalAtScanPanel);
    riskFrames->addStretch();
    auto* resultRow = new QHBoxLayout;
    resultRow->addLayout(riskFrames);
    resultRow->addWidget(nuchalFiguresPanel, 1);
    results->addLayout(resultRow, 0, 0);
    results->addWidget(nuchalPicture, 0, 0);

    auto* content = new QVBoxLayout;
    content->addLayout(inputs);
    content->addLayout(results);
    nuchalPanel =
        frame(QStringLiteral("Risque lié à la CLARTE NUCALE combiné à l'âge maternel"), content);
    nuchalPanel->setObjectName(QStringLiteral("Frame2"));

    connect(crownRumpLength, &QLineEdit::textChanged, this, [this](const QString& text) {
        gestationalAge->setText(shown(enterCrl(screen_.state, text.toStdString())));
    });
    fillsField(crownRumpSlider, crownRumpLength);
    fillsField(nuchalSlider, nuchalTranslucency,
               [](int tenths) { return shown(formatFrenchNumber(tenths / 10.0)); });
    return nuchalPanel;
}

QGroupBox* T21RiskWindow::buildSerumPanel() {
    givenSerumRisk = lineEdit("TxtRiskSero", QStringLiteral("Risque sérologique donné, N de 1/N"));
    givenSerumRisk->setMaximumWidth(80);
    typeFullStopAsComma(givenSerumRisk);
    serumRiskSlider = scrollBar(
        "ScrRSero", QStringLiteral("Risque sérologique, de 1/100 à 1/10000"), 100, 10000, 1000);
    serumRiskSlider->setMinimumWidth(90);
    auto* serumRiskCaption = caption(QStringLiteral("Risque &sérologique donné"), givenSerumRisk);
    serumRiskCaption->setObjectName(QStringLiteral("Label3"));
    auto* serumRiskPrefix = new QLabel(QStringLiteral("1/"));
    serumRiskPrefix->setObjectName(QStringLiteral("Label4"));

    serumRiskAtTesting =
        resultLabel("LblRiskSero", QStringLiteral("Risque sérologique à 15 - 18 SA"));
    serumRiskAtTerm = resultLabel("LblRiskSeroT", QStringLiteral("Risque sérologique à terme"));
    serumAtTestingPanel =
        resultFrame("Frame6", QStringLiteral("Risque à 15 - 18 SA"), serumRiskAtTesting);
    serumAtTermPanel = resultFrame("Frame5", QStringLiteral("Risque à Terme"), serumRiskAtTerm);
    serumPicture = pictureLabel("ImgSero", QStringLiteral("t21_serum"),
                                QStringLiteral("Risque sérologique : pas encore calculé"));

    auto* results = new QGridLayout;
    auto* frames = new QHBoxLayout;
    frames->addWidget(serumAtTestingPanel);
    frames->addWidget(serumAtTermPanel);
    results->addLayout(frames, 0, 0);
    results->addWidget(serumPicture, 0, 0);

    auto* content = new QVBoxLayout;
    content->addWidget(serumRiskCaption);
    content->addLayout(row({serumRiskPrefix, givenSerumRisk, serumRiskSlider}));
    content->addLayout(results);
    serumPanel = frame(QStringLiteral("RISQUE SEROLOGIQUE (HT21)"), content);
    serumPanel->setObjectName(QStringLiteral("Frame3"));

    fillsField(serumRiskSlider, givenSerumRisk);
    return serumPanel;
}

QGroupBox* T21RiskWindow::buildIntegratedPanel() {
    integratedRiskAtTesting =
        resultLabel("LblRiskInt", QStringLiteral("Risque intégré à 15 - 18 SA"));
    integratedRiskAtTerm = resultLabel("LblRiskIntT", QStringLiteral("Risque intégré à terme"));
    integratedAtTestingPanel =
        resultFrame("Frame10", QStringLiteral("Risque à 15 - 18 SA"), integratedRiskAtTesting);
    integratedAtTermPanel =
        resultFrame("Frame9", QStringLiteral("Risque à Terme"), integratedRiskAtTerm);
    integratedPicture = pictureLabel("ImgInt", QStringLiteral("t21_integrated"),
                                     QStringLiteral("Risque intégré : pas encore calculé"));
    auto* results = new QGridLayout;
    auto* frames = new QHBoxLayout;
    frames->addWidget(integratedAtTestingPanel);
    frames->addWidget(integratedAtTermPanel);
    results->addLayout(frames, 0, 0);
    results->addWidget(integratedPicture, 0, 0);
    integratedPanel =
        frame(QStringLiteral("RISQUE INTEGRE (Risque sérologique combiné au risque lié à la "
                             "clarté nucale)"),
              results);
    integratedPanel->setObjectName(QStringLiteral("Frame4"));
    return integratedPanel;
}

void T21RiskWindow::calculate() {
    T21Inputs in;
    in.age = maternalAge->text().toStdString();
    in.previousTrisomy21 = previousTrisomyBox->isChecked();
    in.serum = givenSerumRisk->text().toStdString();
    in.crl = crownRumpLength->text().toStdString();
    in.nt = nuchalTranslucency->text().toStdString();
    in.combined = laboratoryCombinedRisk->text().toStdString();
    const T21Calculation result = calculateT21Risk(screen_, in);
    screen_ = result.screen;
    showResults();
    if (result.failure != T21Failure::None)
        platform().messages.inform(shown(failureMessage(result.failure)));
}

void T21RiskWindow::forgetResults() {
    screen_ = forgetT21Results(screen_);
    showResults();
}

void T21RiskWindow::newPatient() {
    for (int i = 0; i < signList->count(); ++i)
        signList->item(i)->setCheckState(Qt::Unchecked);
    reset();
}

void T21RiskWindow::reset() {
    screen_ = resetT21Screen(screen_);
    examinationDate->setText(shown(platform().clock.today().toText()));
    for (QLineEdit* field : {birthDate, maternalAge, crownRumpLength, nuchalTranslucency,
                             givenSerumRisk, laboratoryCombinedRisk})
        field->clear();
    previousTrisomyBox->setChecked(false);
    gestationalAge->clear();
    selectedSignExplanation->clear();
    selectedSignExplanation->hide();
    signsPicture->show();
    showResults();
}

void T21RiskWindow::showResults() {
    const T21Slots& r = screen_.results;
    const T21RedResults red = redResults(screen_);
    struct Risk {
        QLabel* label;
        const std::string& text;
        bool red;
    };
    for (const Risk& risk :
         {Risk{ageRiskAtTerm, r.ageAtTerm, red.ageAtTerm},
          Risk{ageRiskAtScan, r.ageAtScan, red.ageAtScan},
          Risk{nuchalRiskAtTerm, r.nuchalAtTerm, red.nuchalAtTerm},
          Risk{nuchalRiskAtScan, r.nuchalAtScan, red.nuchalAtScan},
          Risk{serumRiskAtTesting, r.serumAtTesting, red.serumAtTesting},
          Risk{serumRiskAtTerm, r.serumAtTerm, red.serumAtTerm},
          Risk{integratedRiskAtTesting, r.integratedAtTesting, red.integratedAtTesting},
          Risk{integratedRiskAtTerm, r.integratedAtTerm, red.integratedAtTerm},
          Risk{riskAfterMorphologyScan, r.afterMorphologyScan, red.afterMorphologyScan}}) {
        risk.label->setText(shown(risk.text));
        paintRisk(risk.label, risk.red);
    }
    nuchalMedian->setText(shown(r.nuchalMedian));
    nuchalMultipleOfMedian->setText(shown(r.nuchalMultipleOfMedian));
    relativeRisk->setText(shown(r.relativeRisk));
    likelihoodRatio->setText(shown(r.likelihoodRatio));
    overallRiskN->setText(shown(r.afterMorphologyScanN));
    ageAtScanPanel->setTitle(shown(r.ageAtScanCaption));
    nuchalAtScanPanel->setTitle(shown(r.nuchalAtScanCaption));

    // A panel shows its results once it has some; until then its picture.
    ageAtTermPanel->setVisible(!r.ageAtTerm.empty());
    ageAtScanPanel->setVisible(!r.ageAtScan.empty());
    agePicture->setVisible(r.ageAtTerm.empty() && r.ageAtScan.empty());
    serumAtTestingPanel->setVisible(!r.serumAtTesting.empty());
    serumAtTermPanel->setVisible(!r.serumAtTerm.empty());
    serumPicture->setVisible(r.serumAtTesting.empty());
    nuchalFiguresPanel->setVisible(!r.nuchalMultipleOfMedian.empty());
    nuchalAtTermPanel->setVisible(!r.nuchalAtTerm.empty());
    nuchalAtScanPanel->setVisible(!r.nuchalAtScan.empty());
    nuchalPicture->setVisible(r.nuchalMultipleOfMedian.empty() && r.nuchalAtTerm.empty());
    integratedAtTestingPanel->setVisible(!r.integratedAtTesting.empty());
    integratedAtTermPanel->setVisible(!r.integratedAtTerm.empty());
    integratedPicture->setVisible(r.integratedAtTesting.empty());
    showSigns();
    showConduct();
}

void T21RiskWindow::changeEvent(QEvent* event) {
    // The strategy or the threshold may have been changed in their windows meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) showConduct();
    ToolWindow::changeEvent(event);
}

void T21RiskWindow::birthDateChanged() {
    const std::optional<std::string> age = maternalAgeFromBirthDate(
        birthDate->text().toStdString(), examinationDate->text().toStdString());
    if (age) maternalAge->setText(shown(*age));
}

} // namespace tovimar
