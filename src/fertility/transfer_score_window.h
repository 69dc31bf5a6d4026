// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Score transfert embryonnaire" (Form18): the age, the ovarian
// response (E2 / FSH units) and the embryo quality are scored as they are
// entered; "Calcule" adds them and gives the number of embryos to transfer.
// Its method window (Form19) shows how the score is made.

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
    QLineEdit* TxtDateNaiss;
    QLineEdit* TxtAge;
    QScrollBar* HScroll1;
    QLabel* LblScoreAge;
    QLabel* Label5;
    QLineEdit* TxtE2;
    QScrollBar* HScroll2;
    QLineEdit* TxtFSH;
    QScrollBar* HScroll3;
    QLabel* LblScoreRep;
    QLabel* Label11;
    QRadioButton* Opt4;
    QRadioButton* Opt3;
    QRadioButton* Opt1;
    QLabel* LblScoreE;
    QLabel* Label13;
    QLabel* LblScoreT;
    QLabel* LblNbrE;
    QLabel* Label12;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Image4;
    QPushButton* BtnCalcule;
    QPushButton* BtnEfface;
    QPushButton* BtnQuitter;
    void dateOfBirthChanged();
    void ageChanged();
    void responseChanged();
    void embryoChosen();
    void calcule();
    void forgetTransferScore();
    void efface();

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
    QPlainTextEdit* Text1;
    QPushButton* BtnFermer;
};

} // namespace tovimar
