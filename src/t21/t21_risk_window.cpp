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
#include "dating/term_settings_access.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/text_prompt.h"
#include "t21/patient_letter_printout.h"
#include "t21/risk_model.h"
#include "t21/screening_conduct.h"
#include "t21/t21_about_window.h"
#include "ui/alarm_style.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/pictures.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

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
    followPatient(TxtDateNaiss, this->windows().patient(), PatientField::BirthDate,
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
    Frame16 = named(new QWidget, "Frame16", QStringLiteral("Calcul du risque"));
    auto* sources = new QGridLayout(Frame16);
    sources->setContentsMargins(0, 0, 0, 0);
    sources->addWidget(buildAgePanel(), 0, 0);
    sources->addWidget(buildSerumPanel(), 0, 1);
    sources->addWidget(buildNuchalPanel(), 1, 0);
    sources->addWidget(buildIntegratedPanel(), 1, 1);
    sources->addWidget(buildConductPanel(), 2, 0, 1, 2);
    layout->addWidget(Frame16);
    layout->addWidget(buildSignsPanel());

    CmdCalcule = button("CmdCalcule", QStringLiteral("&Calcule"));
    CmdCalcule->setIcon(picture(QStringLiteral("icon_compute")));
    CmdCalcule->setDefault(true);
    CmdEfface = button("CmdEfface", QStringLiteral("&Nouvelle Patiente"));
    CmdEfface->setIcon(picture(QStringLiteral("icon_reset")));
    Command1 = button("Command1", QStringLiteral("&Quitter"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CmdCalcule);
    bottom->addWidget(CmdEfface);
    bottom->addStretch();
    bottom->addWidget(Command1);
    layout->addLayout(bottom);

    // Never shown: the overall N, read by the letter.
    LblRGlobal = new QLabel(this);
    LblRGlobal->setObjectName(QStringLiteral("LblRGlobal"));
    LblRGlobal->hide();

    // A result never stays beside inputs it was not computed from: any change
    // empties them until "Calcule" is pressed again (the letter prints them).
    for (QLineEdit* input : {TxtAgeMat, TxtLCC, TxtNC, TxtRiskSero, TxtRiskComb})
        connect(input, &QLineEdit::textChanged, this, &T21RiskWindow::forgetResults);
    connect(Check1, &QCheckBox::toggled, this, &T21RiskWindow::forgetResults);
    connect(CmdCalcule, &QPushButton::clicked, this, &T21RiskWindow::calculate);
    connect(CmdEfface, &QPushButton::clicked, this, &T21RiskWindow::newPatient);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(Command1);

    setReadingOrder({TxtDateNaiss, TxtAgeMat, ScrAgeMat, TxtDatEcho, Check1, TxtRiskSero, ScrRSero,
                     TxtLCC, ScrLCC, TxtNC, ScrCN, TxtRiskComb, List1, CmdCalcule, CmdEfface,
                     Command1});
    placeOnScreen();
}

void T21RiskWindow::buildMenus() {
    menuBar = named(new QMenuBar(this), "MenuBar", QStringLiteral("Menus"));
    actionPrint = menuBar->addAction(QStringLiteral("&Imprimer"));
    actionPrint->setObjectName(QStringLiteral("MnuImprimer"));
    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MnuOptions"));
    actionLetterhead = options->addAction(QStringLiteral("Entête"));
    actionLetterhead->setObjectName(QStringLiteral("MnuEntete"));
    actionThreshold = options->addAction(QStringLiteral("Seuil pour l'amniocentèse"));
    actionThreshold->setObjectName(QStringLiteral("MnuSeuil"));
    actionHelp = menuBar->addAction(QStringLiteral("&Aide"));
    actionHelp->setObjectName(QStringLiteral("MnuAide"));
    actionAbout = menuBar->addAction(QStringLiteral("A &propos"));
    actionAbout->setObjectName(QStringLiteral("MnuAPropos"));

    connect(actionPrint, &QAction::triggered, this, &T21RiskWindow::printLetter);
    connect(actionLetterhead, &QAction::triggered, this, &T21RiskWindow::letterheadRequested);
    connect(actionThreshold, &QAction::triggered, this, &T21RiskWindow::thresholdRequested);
    connect(actionHelp, &QAction::triggered, this,
            [this] { platform().help.showTopic(kHelpTopic); });
    connect(actionAbout, &QAction::triggered, this, [this] { showCompanion<T21AboutWindow>(); });
}

QWidget* T21RiskWindow::buildInputs() {
    TxtDateNaiss = lineEdit("TxtDateNaiss", QStringLiteral("Date de naissance"));
    TxtDateNaiss->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
    TxtDateNaiss->setMaximumWidth(110);
    acceptDateCharacters(TxtDateNaiss, [] {});
    TxtAgeMat = lineEdit("TxtAgeMat", QStringLiteral("Age maternel, en années"));
    TxtAgeMat->setMaximumWidth(60);
    typeFullStopAsComma(TxtAgeMat);
    ScrAgeMat = scrollBar("ScrAgeMat", QStringLiteral("Age maternel, de 16 à 60 ans"), 16, 60, 30);
    ScrAgeMat->setMinimumWidth(90);
    TxtDatEcho = lineEdit("TxtDatEcho", QStringLiteral("Date du jour"));
    TxtDatEcho->setMaximumWidth(110);
    acceptDateCharacters(TxtDatEcho, [] {});
    Check1 = checkBox("Check1", QStringLiteral("ATCD de T21"));
    Check1->setAccessibleName(QStringLiteral("Antécédent de grossesse avec trisomie 21"));

    auto* box = new QWidget;
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(caption(QStringLiteral("Date de &naissance"), TxtDateNaiss));
    line->addWidget(TxtDateNaiss);
    line->addSpacing(12);
    line->addWidget(caption(QStringLiteral("A&ge Mat"), TxtAgeMat));
    line->addWidget(TxtAgeMat);
    line->addWidget(ScrAgeMat);
    line->addSpacing(12);
    line->addWidget(caption(QStringLiteral("Date du &jour"), TxtDatEcho));
    line->addWidget(TxtDatEcho);
    line->addSpacing(12);
    line->addWidget(Check1);
    line->addStretch();

    connect(TxtDateNaiss, &QLineEdit::textChanged, this, &T21RiskWindow::birthDateChanged);
    connect(TxtDatEcho, &QLineEdit::textChanged, this, &T21RiskWindow::birthDateChanged);
    fillsField(ScrAgeMat, TxtAgeMat);
    return box;
}

QGroupBox* T21RiskWindow::buildAgePanel() {
    LblAgeT = resultLabel("LblAgeT", QStringLiteral("Risque lié à l'âge à terme"));
    LblAge =
        resultLabel("LblAge", QStringLiteral("Risque lié à l'âge au terme actuel de la grossesse"));
    Frame11 = resultFrame("Frame11", QStringLiteral("Risque à Terme"), LblAgeT);
    Frame12 = resultFrame("Frame12", QString(), LblAge);
    ImgAge = pictureLabel("ImgAge", QStringLiteral("t21_age"),
                          QStringLiteral("Risque lié à l'âge : pas encore calculé"));

    auto* results = new QGridLayout;
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame11);
    frames->addWidget(Frame12);
    results->addLayout(frames, 0, 0);
    results->addWidget(ImgAge, 0, 0);
    Frame1 = frame(QStringLiteral("Risque lié à l'AGE"), results);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    return Frame1;
}

QGroupBox* T21RiskWindow::buildNuchalPanel() {
    TxtLCC = lineEdit("TxtLCC", QStringLiteral("LCC, longueur cranio-caudale en mm"));
    TxtLCC->setMaximumWidth(60);
    typeFullStopAsComma(TxtLCC);
    ScrLCC = scrollBar("ScrLCC", QStringLiteral("LCC, de 44 à 85 mm"), 44, 85, 53);
    ScrLCC->setMinimumWidth(90);
    LblAgeGesta = resultText("LblAgeGesta", QStringLiteral("Age gestationnel d'après la LCC"));
    TxtNC = lineEdit("TxtNC", QStringLiteral("Clarté nucale en mm"));
    TxtNC->setMaximumWidth(60);
    typeFullStopAsComma(TxtNC);
    ScrCN = scrollBar("ScrCN", QStringLiteral("Clarté nucale, de 0 à 6 mm"), 0, 60, 15);
    ScrCN->setMinimumWidth(90);

    auto* inputs = new QGridLayout;
    inputs->addWidget(caption(QStringLiteral("&LCC"), TxtLCC), 0, 0);
    inputs->addWidget(TxtLCC, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("mm")), 0, 2);
    inputs->addWidget(ScrLCC, 0, 3);
    inputs->addWidget(LblAgeGesta, 0, 4);
    inputs->addWidget(caption(QStringLiteral("Clarté N&ucale"), TxtNC), 1, 0);
    inputs->addWidget(TxtNC, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("mm")), 1, 2);
    inputs->addWidget(ScrCN, 1, 3);
    inputs->setColumnStretch(4, 1);

    LblRCNT = resultLabel("LblRCNT", QStringLiteral("Risque lié à la clarté nucale à terme"));
    LblRCN = resultLabel(
        "LblRCN", QStringLiteral("Risque lié à la clarté nucale au terme actuel de la grossesse"));
    Frame7 = resultFrame("Frame7", QStringLiteral("Risque à Terme"), LblRCNT);
    Frame8 = resultFrame("Frame8", QString(), LblRCN);

    LblMedCn = resultText("LblMedCn", QStringLiteral("Clarté nucale attendue"));
    LblMultMed = resultText("LblMultMed", QStringLiteral("Multiple de la Médiane (MoM)"));
    LblRisqRelatif = resultText("LblRisqRelatif", QStringLiteral("Risque relatif T21"));
    LblRapVrai = resultText("LblRapVrai", QStringLiteral("Rapport de vraisemblance"));
    auto* figures = new QGridLayout;
    auto* medianCaption = new QLabel(QStringLiteral("Médiane de la clarté nucale\n"
                                                    "Clarté nucale attendue"));
    medianCaption->setObjectName(QStringLiteral("Label17"));
    figures->addWidget(medianCaption, 0, 0);
    figures->addWidget(LblMedCn, 0, 1);
    figures->addWidget(new QLabel(QStringLiteral("Multiple de la Médiane (MoM)")), 1, 0);
    figures->addWidget(LblMultMed, 1, 1);
    figures->addWidget(new QLabel(QStringLiteral("Risque relatif T21")), 2, 0);
    figures->addWidget(LblRisqRelatif, 2, 1);
    figures->addWidget(new QLabel(QStringLiteral("Rapport de vraisemblance")), 3, 0);
    figures->addWidget(LblRapVrai, 3, 1);
    Frame13 = frame(QString(), figures);
    Frame13->setObjectName(QStringLiteral("Frame13"));

    ImgCN = pictureLabel("ImgCN", QStringLiteral("t21_nuchal"),
                         QStringLiteral("Risque lié à la clarté nucale : pas encore calculé"));
    auto* results = new QGridLayout;
    auto* riskFrames = new QVBoxLayout;
    riskFrames->addWidget(Frame7);
    riskFrames->addWidget(Frame8);
    riskFrames->addStretch();
    auto* resultRow = new QHBoxLayout;
    resultRow->addLayout(riskFrames);
    resultRow->addWidget(Frame13, 1);
    results->addLayout(resultRow, 0, 0);
    results->addWidget(ImgCN, 0, 0);

    auto* content = new QVBoxLayout;
    content->addLayout(inputs);
    content->addLayout(results);
    Frame2 =
        frame(QStringLiteral("Risque lié à la CLARTE NUCALE combiné à l'âge maternel"), content);
    Frame2->setObjectName(QStringLiteral("Frame2"));

    connect(TxtLCC, &QLineEdit::textChanged, this, [this](const QString& text) {
        LblAgeGesta->setText(shown(enterCrl(screen_.state, text.toStdString())));
    });
    fillsField(ScrLCC, TxtLCC);
    fillsField(ScrCN, TxtNC, [](int tenths) { return shown(formatFrenchNumber(tenths / 10.0)); });
    return Frame2;
}

QGroupBox* T21RiskWindow::buildSerumPanel() {
    TxtRiskSero = lineEdit("TxtRiskSero", QStringLiteral("Risque sérologique donné, N de 1/N"));
    TxtRiskSero->setMaximumWidth(80);
    typeFullStopAsComma(TxtRiskSero);
    ScrRSero = scrollBar("ScrRSero", QStringLiteral("Risque sérologique, de 1/100 à 1/10000"), 100,
                         10000, 1000);
    ScrRSero->setMinimumWidth(90);
    auto* label3 = caption(QStringLiteral("Risque &sérologique donné"), TxtRiskSero);
    label3->setObjectName(QStringLiteral("Label3"));
    auto* label4 = new QLabel(QStringLiteral("1/"));
    label4->setObjectName(QStringLiteral("Label4"));

    LblRiskSero = resultLabel("LblRiskSero", QStringLiteral("Risque sérologique à 15 - 18 SA"));
    LblRiskSeroT = resultLabel("LblRiskSeroT", QStringLiteral("Risque sérologique à terme"));
    Frame6 = resultFrame("Frame6", QStringLiteral("Risque à 15 - 18 SA"), LblRiskSero);
    Frame5 = resultFrame("Frame5", QStringLiteral("Risque à Terme"), LblRiskSeroT);
    ImgSero = pictureLabel("ImgSero", QStringLiteral("t21_serum"),
                           QStringLiteral("Risque sérologique : pas encore calculé"));

    auto* results = new QGridLayout;
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame6);
    frames->addWidget(Frame5);
    results->addLayout(frames, 0, 0);
    results->addWidget(ImgSero, 0, 0);

    auto* content = new QVBoxLayout;
    content->addWidget(label3);
    content->addLayout(row({label4, TxtRiskSero, ScrRSero}));
    content->addLayout(results);
    Frame3 = frame(QStringLiteral("RISQUE SEROLOGIQUE (HT21)"), content);
    Frame3->setObjectName(QStringLiteral("Frame3"));

    fillsField(ScrRSero, TxtRiskSero);
    return Frame3;
}

QGroupBox* T21RiskWindow::buildIntegratedPanel() {
    LblRiskInt = resultLabel("LblRiskInt", QStringLiteral("Risque intégré à 15 - 18 SA"));
    LblRiskIntT = resultLabel("LblRiskIntT", QStringLiteral("Risque intégré à terme"));
    Frame10 = resultFrame("Frame10", QStringLiteral("Risque à 15 - 18 SA"), LblRiskInt);
    Frame9 = resultFrame("Frame9", QStringLiteral("Risque à Terme"), LblRiskIntT);
    ImgInt = pictureLabel("ImgInt", QStringLiteral("t21_integrated"),
                          QStringLiteral("Risque intégré : pas encore calculé"));
    auto* results = new QGridLayout;
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame10);
    frames->addWidget(Frame9);
    results->addLayout(frames, 0, 0);
    results->addWidget(ImgInt, 0, 0);
    Frame4 = frame(QStringLiteral("RISQUE INTEGRE (Risque sérologique combiné au risque lié à la "
                                  "clarté nucale)"),
                   results);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    return Frame4;
}

void T21RiskWindow::calculate() {
    T21Inputs in;
    in.age = TxtAgeMat->text().toStdString();
    in.previousTrisomy21 = Check1->isChecked();
    in.serum = TxtRiskSero->text().toStdString();
    in.crl = TxtLCC->text().toStdString();
    in.nt = TxtNC->text().toStdString();
    in.combined = TxtRiskComb->text().toStdString();
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
    for (int i = 0; i < List1->count(); ++i)
        List1->item(i)->setCheckState(Qt::Unchecked);
    reset();
}

void T21RiskWindow::reset() {
    screen_ = resetT21Screen(screen_);
    TxtDatEcho->setText(shown(platform().clock.today().toText()));
    for (QLineEdit* field : {TxtDateNaiss, TxtAgeMat, TxtLCC, TxtNC, TxtRiskSero, TxtRiskComb})
        field->clear();
    Check1->setChecked(false);
    LblAgeGesta->clear();
    LblSignes->clear();
    LblSignes->hide();
    ImgEchoMorph->show();
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
         {Risk{LblAgeT, r.ageAtTerm, red.ageAtTerm}, Risk{LblAge, r.ageAtScan, red.ageAtScan},
          Risk{LblRCNT, r.nuchalAtTerm, red.nuchalAtTerm},
          Risk{LblRCN, r.nuchalAtScan, red.nuchalAtScan},
          Risk{LblRiskSero, r.serumAtTesting, red.serumAtTesting},
          Risk{LblRiskSeroT, r.serumAtTerm, red.serumAtTerm},
          Risk{LblRiskInt, r.integratedAtTesting, red.integratedAtTesting},
          Risk{LblRiskIntT, r.integratedAtTerm, red.integratedAtTerm},
          Risk{LblRiskEcho, r.afterMorphologyScan, red.afterMorphologyScan}}) {
        risk.label->setText(shown(risk.text));
        paintRisk(risk.label, risk.red);
    }
    LblMedCn->setText(shown(r.nuchalMedian));
    LblMultMed->setText(shown(r.nuchalMultipleOfMedian));
    LblRisqRelatif->setText(shown(r.relativeRisk));
    LblRapVrai->setText(shown(r.likelihoodRatio));
    LblRGlobal->setText(shown(r.afterMorphologyScanN));
    Frame12->setTitle(shown(r.ageAtScanCaption));
    Frame8->setTitle(shown(r.nuchalAtScanCaption));

    // A panel shows its results once it has some; until then its picture.
    Frame11->setVisible(!r.ageAtTerm.empty());
    Frame12->setVisible(!r.ageAtScan.empty());
    ImgAge->setVisible(r.ageAtTerm.empty() && r.ageAtScan.empty());
    Frame6->setVisible(!r.serumAtTesting.empty());
    Frame5->setVisible(!r.serumAtTerm.empty());
    ImgSero->setVisible(r.serumAtTesting.empty());
    Frame13->setVisible(!r.nuchalMultipleOfMedian.empty());
    Frame7->setVisible(!r.nuchalAtTerm.empty());
    Frame8->setVisible(!r.nuchalAtScan.empty());
    ImgCN->setVisible(r.nuchalMultipleOfMedian.empty() && r.nuchalAtTerm.empty());
    Frame10->setVisible(!r.integratedAtTesting.empty());
    Frame9->setVisible(!r.integratedAtTerm.empty());
    ImgInt->setVisible(r.integratedAtTesting.empty());
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
        TxtDateNaiss->text().toStdString(), TxtDatEcho->text().toStdString());
    if (age) TxtAgeMat->setText(shown(*age));
}

void T21RiskWindow::printLetter() {
    // Nothing is printed without a threshold or an overall risk to compare with it.
    const std::optional<long long> threshold =
        letterThreshold(currentTermSettings(windows())[TermSettings::AmniocentesisThreshold]);
    if (!threshold) return;
    std::optional<T21LetterData> letter = letterFromScreen(screen_);
    if (!letter) {
        platform().messages.inform(
            QStringLiteral("Calculez d'abord le risque (bouton « Calcule ») : la lettre imprime "
                           "les risques affichés."));
        return;
    }
    setLetterConduct(*letter, screen_, currentScreeningStrategy(windows()), *threshold);
    letter->letterhead = currentPracticeOptions(windows());
    // Cancelling the name gives an empty name; the printing goes on.
    // The letter writes "Madame" itself: a civility typed with the name is left out.
    const QString name = windows().patient().nameForPrintout(platform().prompt);
    letter->patientName = name.toStdString();
    letter->issued = platform().clock.today().toText();
    printReport(platform().reports, platform().messages, PrintMode::ChoosePrinter,
                documentForPatient(kT21LetterDocumentName, name),
                [&](ReportPrinter& printer) { printT21Letter(printer, *letter); });
}

// "Copier les résultats": the mother's and the scan's data as typed, the
// signs ticked, then each risk as shown and the conduct it leads to (the
// explanation of the selected sign is help, not a result).
ResultsText T21RiskWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({TxtDateNaiss, TxtAgeMat, TxtDatEcho});
    t.tick(Check1);
    t.inputsOf({TxtLCC, TxtNC});
    // The risks given are typed as N of 1/N.
    auto risk = [](const QLineEdit* n) {
        return n->text().isEmpty() ? QString() : QStringLiteral("1/") + n->text();
    };
    t.input(QStringLiteral("Risque sérologique donné"), risk(TxtRiskSero));
    t.input(QStringLiteral("Risque combiné du laboratoire"), risk(TxtRiskComb));
    QStringList signs;
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->checkState() == Qt::Checked) signs << List1->item(i)->text();
    t.input(captionOf(List1), signs.join(QStringLiteral(", ")));
    t.resultsOf({LblAgeT, LblAge, LblAgeGesta, LblRCNT, LblRCN, LblMedCn, LblMultMed,
                 LblRisqRelatif, LblRapVrai, LblRiskSero, LblRiskSeroT, LblRiskInt, LblRiskIntT});
    // These two say what they are ("Coefficient de risque = 10,05").
    t.sentence(LblCoef);
    t.result(LblRiskEcho);
    t.sentence(LblRisqueRetenu);
    t.result(LblConduite);
    return t;
}

} // namespace tovimar
