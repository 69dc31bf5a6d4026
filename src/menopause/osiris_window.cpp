// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/osiris_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/french_number.h"
#include "core/vb_date.h"
#include "menopause/osiris_about.h"
#include "menopause/score_osiris.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/pictures.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

const char* const kPictures[] = {"osiris_gymnast", "osiris_cane", "osiris_swing", "osiris_sporty"};
const char* const kPictureNames[] = {
    "Jeune gymnaste en plein saut : risque léger",
    "Femme âgée voûtée marchant avec une canne : risque sérieux",
    "Femme âgée riant sur une balançoire : risque intermédiaire",
    "Femme mûre souriante en tenue de sport",
};

QColor rgb(unsigned value) {
    return QColor(QRgb(value));
}

// The numbers of a slider's scale, each centred under its tick: where the
// slider's thumb stands at that value, as the style draws it.
class SliderScale : public QWidget {
  public:
    SliderScale(QSlider* slider, int labelEvery) : slider_(slider) {
        for (int v = slider->minimum(); v <= slider->maximum(); v += labelEvery) {
            auto* mark = new QLabel(QString::number(v), this);
            mark->setObjectName(QStringLiteral("Graduation%1").arg(v));
            QFont small = mark->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            mark->setFont(small);
            mark->adjustSize();
            marks_.emplace_back(v, mark);
        }
        setMinimumHeight(marks_.empty() ? 0 : marks_.front().second->height());
        slider->installEventFilter(this);
    }
    QSize sizeHint() const override { return {0, minimumHeight()}; }

  protected:
    void resizeEvent(QResizeEvent*) override { place(); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) place();
        return false;
    }

  private:
    void place() {
        QStyleOptionSlider option;
        option.initFrom(slider_);
        option.orientation = slider_->orientation();
        option.minimum = slider_->minimum();
        option.maximum = slider_->maximum();
        option.tickPosition = slider_->tickPosition();
        option.tickInterval = slider_->tickInterval();
        option.singleStep = slider_->singleStep();
        option.pageStep = slider_->pageStep();
        option.upsideDown = slider_->invertedAppearance();
        option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
        for (auto& [value, mark] : marks_) {
            option.sliderPosition = value;
            option.sliderValue = value;
            const QRect thumb = slider_->style()->subControlRect(QStyle::CC_Slider, &option,
                                                                 QStyle::SC_SliderHandle, slider_);
            const int centre = mapFromGlobal(slider_->mapToGlobal(thumb.center())).x();
            const int left =
                std::clamp(centre - mark->width() / 2, 0, std::max(0, width() - mark->width()));
            mark->move(left, 0);
        }
    }

    QSlider* slider_;
    std::vector<std::pair<int, QLabel*>> marks_;
};

// A slider with its scale written under it, every `labelEvery` units.
QWidget* sliderWithScale(QSlider* slider, int labelEvery) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(labelEvery);
    layout->addWidget(slider);
    layout->addWidget(new SliderScale(slider, labelEvery));
    return box;
}

QSlider* slider(const char* name, const QString& accessibleName, int minimum, int maximum, int page,
                int value) {
    auto* s = named(new QSlider(Qt::Horizontal), name, accessibleName);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(page);
    s->setValue(value);
    s->setFocusPolicy(Qt::StrongFocus);
    s->setMinimumWidth(260);
    return s;
}

QLabel* legend(const QString& title, const QString& rule, unsigned background) {
    auto* label = new QLabel(title + QLatin1Char('\n') + rule);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    // Results on red read white on a darker red: dark text on pure red reads poorly.
    const QColor back = background == 0xFF0000u ? kReadableRed : rgb(background);
    colour(label, textOn(back), back);
    label->setMargin(3);
    label->setAccessibleName(title + QStringLiteral(" : ") + rule);
    return label;
}

void showCommentLine(QLabel* label, const OsirisCommentLine& line, const QPalette& base) {
    label->setText(QString::fromStdString(line.text));
    QPalette p = label->palette();
    // A coloured line darkened (or on a dark desktop lightened) as little as
    // needed to read on the window.
    p.setColor(QPalette::WindowText, line.rgb
                                         ? readableOn(rgb(*line.rgb), base.color(QPalette::Window))
                                         : base.color(QPalette::WindowText));
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(line.bold);
    f.setUnderline(line.underline);
    label->setFont(f);
}

} // namespace

OsirisWindow::OsirisWindow(WindowRegistry& windows)
    : ToolWindow(windows, "osiris", QStringLiteral("Score Osiris (OS Index RISk)")) {
    ageField = lineEdit("TxtAge", QStringLiteral("Age en années"));
    ageField->setText(QStringLiteral("50"));
    ageSlider = slider("SliderAge", QStringLiteral("Age, de 40 à 90 ans"), 40, 90, 5, 50);
    weightField = lineEdit("TxtPds", QStringLiteral("Poids en kilos"));
    weightField->setText(QStringLiteral("60"));
    weightSlider = slider("SliderPds", QStringLiteral("Poids, de 30 à 150 kilos"), 30, 150, 10, 60);
    dateOfBirth = lineEdit("TxtDateNaiss", QStringLiteral("Date de Naissance"));
    dateOfBirth->setPlaceholderText(QStringLiteral("JJ/MM/AA"));
    for (QLineEdit* f : {ageField, weightField, dateOfBirth})
        f->setMaximumWidth(100);
    hormoneTherapyBox = checkBox("ChkTHS", QStringLiteral("Prise d'un &THS"));
    fractureHistoryBox = checkBox("ChkFract", QStringLiteral("ATCD de &Fracture"));

    auto* inputs = new QGridLayout;
    inputs->addWidget(caption(QStringLiteral("&Age"), ageField), 0, 0);
    inputs->addWidget(ageField, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Ans")), 0, 2);
    inputs->addWidget(sliderWithScale(ageSlider, 10), 0, 3);
    inputs->addWidget(caption(QStringLiteral("&Poids"), weightField), 1, 0);
    inputs->addWidget(weightField, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Kilos")), 1, 2);
    inputs->addWidget(sliderWithScale(weightSlider, 10), 1, 3);
    inputs->addWidget(caption(QStringLiteral("&Date de Naissance"), dateOfBirth), 2, 0);
    inputs->addWidget(dateOfBirth, 2, 1);
    inputs->addWidget(new QLabel(QStringLiteral("JJ/MM/AA")), 2, 2);
    inputs->addLayout(row({hormoneTherapyBox, fractureHistoryBox}), 3, 0, 1, 4);
    inputs->setColumnStretch(3, 1);

    // The risk panel: the bar, the score and the three legends.
    riskBar = named(new QProgressBar, "ProgressBar1", QStringLiteral("Evaluation du risque"));
    riskBar->setRange(0, 13);
    riskBar->setValue(4);
    riskBar->setTextVisible(false);
    riskBar->setMinimumWidth(220);
    scoreLabel = resultText("LblScore2", QStringLiteral("Score OSIRIS"), QStringLiteral("2"));
    scoreLabel->setAlignment(Qt::AlignCenter);
    scoreLabel->setMinimumWidth(48);
    scoreLabel->setAutoFillBackground(true);
    QFont bold = scoreLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    scoreLabel->setFont(bold);
    auto* riskGrid = new QGridLayout;
    riskGrid->addWidget(riskBar, 0, 0, 1, 2);
    riskGrid->addWidget(new QLabel(QStringLiteral("Score OSIRIS")), 0, 2, Qt::AlignRight);
    riskGrid->addWidget(scoreLabel, 0, 3);
    // The legends say where 1 and -3 belong: both are intermediate, as in the published score.
    auto* legends = new QHBoxLayout;
    legends->addWidget(
        legend(QStringLiteral("Risque léger"), QStringLiteral("Score > 1"), 0x00FF00));
    legends->addWidget(legend(QStringLiteral("Risque intermédiaire"),
                              QStringLiteral("1 >= Score >= -3"), 0xFFFF00));
    legends->addWidget(
        legend(QStringLiteral("Risque sérieux"), QStringLiteral("Score < -3"), 0xFF0000));
    riskGrid->addLayout(legends, 1, 0, 1, 4);

    // The picture and the advice.
    riskPicture = new QLabel;
    riskPicture->setObjectName(QStringLiteral("Image1"));
    riskPicture->setFixedSize(124, 124);
    riskPicture->setAlignment(Qt::AlignCenter);
    scoreSentence =
        resultText("LblScore", QStringLiteral("Résultat"), QStringLiteral("Score Osiris"));
    commentLines = {
        resultText("LblCommenta", QStringLiteral("Commentaire"), QStringLiteral("SCORE OSIRIS")),
        resultText("LblCommentb", QStringLiteral("Commentaire"),
                   QStringLiteral("Saisissez l'âge en années")),
        resultText("LblCommentc", QStringLiteral("Commentaire"),
                   QStringLiteral("Saisissez le poids en kilos")),
        resultText("LblCommentd", QStringLiteral("Commentaire"),
                   QStringLiteral("Cochez si prise de THS et ou antécédent de fracture"))};
    auto* advice = new QVBoxLayout;
    advice->addWidget(scoreSentence);
    for (QLabel* l : commentLines) {
        l->setWordWrap(true);
        l->setMinimumWidth(380);
        advice->addWidget(l);
    }
    advice->addStretch();
    auto* adviceRow = new QHBoxLayout;
    adviceRow->addWidget(riskPicture);
    adviceRow->addLayout(advice, 1);
    showPicture(4);
    colour(scoreLabel, Qt::black, rgb(0x00FF00));

    auto* menu = new QMenuBar(this);
    QAction* quit = addQuitEntry(menu, "Quitter", QStringLiteral("Quitter"));
    QMenu* about = menu->addMenu(QStringLiteral("A propos"));
    about->setObjectName(QStringLiteral("APropos"));
    for (const OsirisAboutEntry& entry : osirisAboutEntries()) {
        const QString caption = QString::fromStdString(entry.caption);
        const QString message = QString::fromStdString(entry.message)
                                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QAction* a = about->addAction(caption);
        connect(a, &QAction::triggered, this,
                [this, message] { platform().messages.inform(message); });
    }
    about->addSeparator();
    installResultsCopy(this, menu, windows, [this] { return resultsText(); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addLayout(inputs);
    layout->addWidget(frame(QStringLiteral("Evaluation du risque"), riskGrid));
    layout->addLayout(adviceRow);
    // Whatever the score, a fragility fracture is on its own an indication for densitometry.
    QLabel* fracture = caption(QStringLiteral("Une fracture de fragilité est à elle seule une "
                                              "indication d'ostéodensitométrie, quel que soit "
                                              "le score."),
                               nullptr, true);
    fracture->setObjectName(QStringLiteral("LblFracture"));
    fracture->setVisible(false);
    layout->addWidget(fracture);

    setReadingOrder({ageField, ageSlider, weightField, weightSlider, dateOfBirth, hormoneTherapyBox,
                     fractureHistoryBox});
    setEscapeAction(quit);

    // The opening values are those of 50 years, 60 kilos and no tick; they
    // are set above without computing, and every change recomputes from here.
    fillsField(ageSlider, ageField);
    fillsField(weightSlider, weightField);
    connect(ageField, &QLineEdit::textChanged, this, &OsirisWindow::recompute);
    connect(weightField, &QLineEdit::textChanged, this, &OsirisWindow::recompute);
    connect(hormoneTherapyBox, &QCheckBox::toggled, this, &OsirisWindow::recompute);
    connect(fractureHistoryBox, &QCheckBox::toggled, this, &OsirisWindow::recompute);
    connect(fractureHistoryBox, &QCheckBox::toggled, fracture, &QWidget::setVisible);
    connect(dateOfBirth, &QLineEdit::textChanged, this, &OsirisWindow::dateOfBirthChanged);
    // The date of birth of the patient of the consultation, unless another is typed here.
    followPatient(dateOfBirth, this->windows().patient(), PatientField::BirthDate,
                  platform().clock.today());
    placeOnScreen();
}

void OsirisWindow::showPicture(int index) {
    picture_ = index;
    riskPicture->setPixmap(picture(QString::fromLatin1(kPictures[index - 1])));
    riskPicture->setAccessibleName(QString::fromUtf8(kPictureNames[index - 1]));
}

void OsirisWindow::recompute() {
    const auto age = numberIn(ageField);
    const auto weight = numberIn(weightField);
    const auto s = age && weight ? SCORE_OSIRIS(*age, *weight, hormoneTherapyBox->isChecked(),
                                                fractureHistoryBox->isChecked())
                                 : std::nullopt;
    if (!s) {
        // Nothing of an earlier score stays: the bar, the picture and the colour go back to
        // their neutral state, and an implausible age or weight is named with its limits.
        for (QLabel* l : {scoreSentence, scoreLabel})
            l->clear();
        for (QLabel* l : commentLines)
            l->clear();
        riskBar->setValue(0);
        showPicture(4);
        colour(scoreLabel, palette().color(QPalette::WindowText),
               palette().color(QPalette::Window));
        scoreLabel->setAccessibleDescription(QString());
        riskBar->setAccessibleDescription(QString());
        if (age && weight) {
            const std::string refusal = osirisRefusal(*age, *weight);
            showCommentLine(commentLines[0], {refusal, 0xFF0000u, true, false}, palette());
        }
        return;
    }
    const QString score = QString::fromStdString(formatFrenchNumber(s->score));
    scoreSentence->setText(QStringLiteral("Score Osiris = ") + score);
    scoreLabel->setText(score);
    riskBar->setValue(s->bar);
    const OsirisAdvice advice = osirisAdvice(s->risk);
    showPicture(advice.picture);
    const QColor back =
        advice.scoreBackground == 0xFF0000u ? kReadableRed : rgb(advice.scoreBackground);
    colour(scoreLabel, textOn(back), back);
    scoreLabel->setAccessibleDescription(QString::fromStdString(advice.className));
    riskBar->setAccessibleDescription(QString::fromStdString(advice.className));
    for (std::size_t i = 0; i < commentLines.size(); ++i)
        showCommentLine(commentLines[i], advice.lines[i], palette());
}

void OsirisWindow::dateOfBirthChanged() {
    const auto birth = dateIn(dateOfBirth);
    if (!birth) return;
    const int age = osirisAgeFromBirth(*birth, platform().clock.today());
    ageField->setText(QString::number(age));
    // The slider shows the age within its range, without writing back into
    // the field: an age of 95 stays 95 while the slider stands at its end.
    const QSignalBlocker quiet(ageSlider);
    ageSlider->setValue(age);
}

// "Copier les résultats": the data as given, the score with its class of
// risk and the advice; nothing before a score (the opening texts are prompts).
ResultsText OsirisWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Score OSIRIS");
    t.inputsOf({dateOfBirth, ageField, weightField});
    t.tick(hormoneTherapyBox, QStringLiteral("Prise d'un THS"), true);
    t.tick(fractureHistoryBox, QStringLiteral("ATCD de fracture"), true);
    if (!scoreSentence->text().startsWith(QStringLiteral("Score Osiris ="))) return t;
    t.sentence(scoreSentence); // "Score Osiris = -1"
    t.result(QStringLiteral("Risque"), scoreLabel->accessibleDescription());
    for (const QLabel* comment : commentLines)
        t.result(comment);
    return t;
}

} // namespace tovimar
