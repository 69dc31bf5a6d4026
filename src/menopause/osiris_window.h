// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Score Osiris (OS Index RISk)" (osiris): the OSIRIS osteoporosis
// score of a post-menopausal woman, recomputed at every change of the age,
// the weight, the hormone therapy or the history of fracture, shown as a
// number, a coloured risk class with its picture, a bar and four lines of advice.

#include "ui/results_text.h"
#include "ui/tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;

namespace tovimar {

class OsirisWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit OsirisWindow(WindowRegistry& windows);

    // The picture shown: 1 light risk, 2 serious, 3 intermediate, 4 at opening.
    int pictureIndex() const { return picture_; }

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QLineEdit* TxtAge;
    QSlider* SliderAge;
    QLineEdit* TxtPds;
    QSlider* SliderPds;
    QLineEdit* TxtDateNaiss;
    QCheckBox* ChkTHS;
    QCheckBox* ChkFract;
    QLabel* Image1;
    QLabel* LblScore;
    QLabel* LblScore2;
    QProgressBar* ProgressBar1;
    QLabel* LblCommenta;
    QLabel* LblCommentb;
    QLabel* LblCommentc;
    QLabel* LblCommentd;
    void CALCULE();
    void dateOfBirthChanged();
    void showPicture(int index);

    int picture_ = 4;
};

} // namespace tovimar
