// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Score transfert embryonnaire" (Form18): the age, the ovarian
// response (E2 / FSH units) and the embryo quality are scored as they are
// entered; "Calcule" adds them and gives the number of embryos to transfer.
// Its method window (Form19) shows how the score is made.

#include <array>
#include <optional>

#include "ui/results_text.h"
#include "ui/tool_window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tovimar {

class TransferScoreWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit TransferScoreWindow(WindowRegistry& windows);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QLineEdit* dateOfBirth;
    QLineEdit* ageField;
    QScrollBar* ageSlider;
    QLabel* ageScoreLabel;
    QLabel* ageVerdict;
    QLineEdit* e2Field;
    QScrollBar* e2Slider;
    QLineEdit* fshField;
    QScrollBar* fshSlider;
    QLabel* responseScoreLabel;
    QLabel* responseVerdict;
    QRadioButton* atLeastOneScore4Option;
    QRadioButton* atLeastOneScore3Option;
    QRadioButton* noScore4Nor3Option;
    QLabel* embryoScoreLabel;
    QLabel* embryoVerdict;
    QLabel* transferScoreLabel;
    QLabel* embryosToTransfer;
    QLabel* transferVerdict;
    // One embryo picture for each embryo the policy allows (Image1 to Image4).
    std::array<QLabel*, 4> embryoPictures{};
    QPushButton* computeButton;
    QPushButton* clearButton;
    QPushButton* quitButton;
    void dateOfBirthChanged();
    void ageChanged();
    void responseChanged();
    void embryoChosen();
    void compute();
    void forgetTransferScore();
    void clear();

    // What the criteria hold between "Calcule"s.
    std::optional<int> ageScore_;      // set while the age field gives a score
    std::optional<int> responseScore_; // set once E2 and FSH have given a ratio
    int embryoScore_ = 1;
};

class TransferMethodWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit TransferMethodWindow(WindowRegistry& windows);

  private:
    QPlainTextEdit* methodText;
    QPushButton* closeButton;
};

} // namespace tovimar
