// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Score réponse ovarienne" (Form11): age, weight, height, FSH and
// LH give the BMI and the LH/FSH ratio as they are typed; "&Calcule" adds the
// four criterion points and shows the verdict and the two protocols.

#include "ui/results_text.h"
#include "ui/tool_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tovimar {

class OvarianResponseWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit OvarianResponseWindow(WindowRegistry& windows);

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QLineEdit* ageField;
    QLineEdit* weightField;
    QLineEdit* heightField;
    QLineEdit* fshField;
    QLineEdit* lhField;
    QLabel* bmiLabel;
    QLabel* lhFshLabel;
    // The criterion points, kept out of sight.
    QLineEdit* agePoints;
    QLineEdit* bmiPoints;
    QLineEdit* fshPoints;
    QLineEdit* lhFshPoints;
    QLabel* totalScore;
    QLabel* responseClass;
    QLabel* advice;
    QGroupBox* agonistPanel;    // "Protocole AGONISTE Long"
    QGroupBox* antagonistPanel; // "Protocole ANTAGONISTE"
    QLabel* agonistStartDose;
    QLabel* antagonistStartDose;
    QPushButton* computeButton;
    QPushButton* clearButton;
    QPushButton* closeButton;
    void showBmi();
    void showLhFsh();
    void compute();
    void forgetScore();
    void clear();
};

} // namespace tovimar
