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
    QLineEdit* TxtAge;
    QLineEdit* TxtPds;
    QLineEdit* TxtTaille;
    QLineEdit* TxtFSH;
    QLineEdit* TxtLh;
    QLabel* LblBmi;
    QLabel* LblLhFsh;
    // The criterion points, kept out of sight.
    QLineEdit* AgeVals;
    QLineEdit* BmiVals;
    QLineEdit* FshVals;
    QLineEdit* LhFshVals;
    QLabel* LblRo;
    QLabel* LblRepond;
    QLabel* LblDemar;
    QGroupBox* Frame4; // "Protocole AGONISTE Long"
    QGroupBox* Frame3; // "Protocole ANTAGONISTE"
    QLabel* LblStimAgo;
    QLabel* LblStimAnta;
    QPushButton* BtnCalcule;
    QPushButton* BtnEfface;
    QPushButton* BtnFermer;
    void showBmi();
    void showLhFsh();
    void calcule();
    void forgetScore();
    void efface();
};

} // namespace tovimar
