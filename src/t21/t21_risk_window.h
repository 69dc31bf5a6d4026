// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Risque de trisomie 21": the practitioner types what is known of one
// pregnancy (age or date of birth, CRL and nuchal translucency, the
// laboratory's serum risk, the signs seen at the scans) and reads each risk
// in its own panel, red when high; prints the letter for the patient.

#include "t21/risk_calculation.h"
#include "ui/results_text.h"
#include "ui/tool_window.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace tovimar {

class T21RiskWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit T21RiskWindow(WindowRegistry& windows);

    // The state and the results as the window holds them now.
    const T21Screen& screen() const { return screen_; }

  signals:
    // "Options > Entête": the practice options, whose letterhead heads the letter.
    void letterheadRequested();
    // "Options > Seuil pour l'amniocentèse": the term settings, which hold it.
    void thresholdRequested();

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    // Inputs.
    QLineEdit *birthDate, *maternalAge, *examinationDate, *crownRumpLength, *nuchalTranslucency,
        *givenSerumRisk;
    // The laboratory's first-trimester combined risk, N of 1/N.
    QLineEdit* laboratoryCombinedRisk;
    QScrollBar *maternalAgeSlider, *crownRumpSlider, *nuchalSlider, *serumRiskSlider;
    QCheckBox* previousTrisomyBox;
    QListWidget* signList;
    // Panels and result frames.
    QWidget* calculationPanel;
    QGroupBox *agePanel, *nuchalPanel, *serumPanel, *integratedPanel, *serumAtTermPanel,
        *serumAtTestingPanel, *nuchalAtTermPanel, *nuchalAtScanPanel, *integratedAtTermPanel,
        *integratedAtTestingPanel, *ageAtTermPanel, *ageAtScanPanel, *nuchalFiguresPanel,
        *signsPanel, *afterMorphologyScanPanel;
    // Results.
    QLabel *ageRiskAtTerm, *ageRiskAtScan, *gestationalAge, *nuchalMedian, *nuchalMultipleOfMedian,
        *relativeRisk, *likelihoodRatio, *nuchalRiskAtTerm, *nuchalRiskAtScan, *serumRiskAtTesting,
        *serumRiskAtTerm, *integratedRiskAtTesting, *integratedRiskAtTerm, *riskAfterMorphologyScan,
        *overallRiskN, *riskCoefficient, *selectedSignExplanation;
    // Pictures standing in for the results until there are some.
    QLabel *agePicture, *nuchalPicture, *serumPicture, *integratedPicture, *signsPicture;
    // The conduct: the risk judged and its band in words and colour, by the
    // strategy of the practice options.
    QGroupBox* conductPanel;
    QLabel *retainedRisk, *conductAdvice;
    QPushButton *computeButton, *newPatientButton, *quitButton;
    QMenuBar* menuBar;
    QAction *printAction, *letterheadAction, *thresholdAction, *helpAction, *aboutAction;
    void build();
    QWidget* buildInputs();
    QGroupBox* buildAgePanel();
    QGroupBox* buildNuchalPanel();
    QGroupBox* buildSerumPanel();
    QGroupBox* buildIntegratedPanel();
    QGroupBox* buildSignsPanel();
    QGroupBox* buildConductPanel();
    void buildMenus();

    void calculate();
    void forgetResults();
    void newPatient();
    void reset();
    void showResults();
    void showSigns();
    void showConduct();
    void signTicked(QListWidgetItem* item);
    void signSelected(int row);
    void birthDateChanged();
    void printLetter();

    void changeEvent(QEvent* event) override;

    T21Screen screen_;
};

} // namespace tovimar
