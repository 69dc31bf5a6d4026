// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Score Osiris (OS Index RISk)" (osiris): the OSIRIS osteoporosis
// score of a post-menopausal woman, recomputed at every change of the age,
// the weight, the hormone therapy or the history of fracture, shown as a
// number, a coloured risk class with its picture, a bar and four lines of advice.

#include <array>

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
    QLineEdit* ageField;
    QSlider* ageSlider;
    QLineEdit* weightField;
    QSlider* weightSlider;
    QLineEdit* dateOfBirth;
    QCheckBox* hormoneTherapyBox;
    QCheckBox* fractureHistoryBox;
    QLabel* riskPicture;
    QLabel* scoreSentence;
    QLabel* scoreLabel;
    QProgressBar* riskBar;
    // The four lines of advice (LblCommenta to LblCommentd).
    std::array<QLabel*, 4> commentLines{};
    // The score and everything shown of it, from the inputs as they stand:
    // run at every change of the age, the weight or a tick.
    void recompute();
    void dateOfBirthChanged();
    void showPicture(int index);

    int picture_ = 4;
};

} // namespace tovimar
