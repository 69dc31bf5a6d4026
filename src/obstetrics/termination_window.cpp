// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/termination_window.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "dating/term_settings_access.h"
#include "obstetrics/calendar_bounds.h"
#include "obstetrics/termination_deadlines.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

constexpr int kHelpTopic = 60;

struct WeekRow {
    const char* weekName;
    const char* weekCaption;
    const char* dateName;
    const char* placeholder;
    const char* lengthName;
    const char* lengthCaption;
};

constexpr WeekRow kRows[9] = {
    {"Label15", "6 Semaines A.", "Sem6", "06/00/00", "Label16", "LCC = 4 mm"},
    {"Label7", "7 Semaines A.", "Sem7", "07/00/00", "Label17", "LCC = 10 mm"},
    {"Label8", "8 Semaines A.", "Sem8", "08/00/00", "Label18", "LCC = 15 mm"},
    {"Label9", "9 Semaines A.", "Sem9", "09/00/00", "Label19", "LCC = 22 mm"},
    {"Label10", "10 Semaines A.", "Sem10", "10/00/00", "Label20", "LCC = 30 mm"},
    {"Label11", "11 Semaines A.", "Sem11", "11/00/00", "Label21", "LCC = 41 mm"},
    {"Label12", "12 Semaines A.", "Sem12", "12/00/00", "Label22", "LCC = 54 mm"},
    {"Label13", "13 Semaines A.", "Sem13", "13/00/00", "Label23", "LCC = 66 mm"},
    {"Label14", "14 Semaines A.", "Sem14", "14/00/00", "Label24", "LCC = 78 mm"},
};

struct Marker {
    const char* name;
    const char* spoken;
};

constexpr Marker kMarkers[10] = {
    {"Picture_6", "Aujourd'hui : avant 6 semaines d'aménorrhée"},
    {"Picture6_7", "Aujourd'hui : entre 6 et 7 semaines d'aménorrhée"},
    {"Picture7_8", "Aujourd'hui : entre 7 et 8 semaines d'aménorrhée"},
    {"Picture8_9", "Aujourd'hui : entre 8 et 9 semaines d'aménorrhée"},
    {"Picture9_10", "Aujourd'hui : entre 9 et 10 semaines d'aménorrhée"},
    {"Picture10_11", "Aujourd'hui : entre 10 et 11 semaines d'aménorrhée"},
    {"Picture11_12", "Aujourd'hui : entre 11 et 12 semaines d'aménorrhée"},
    {"Picture12_13", "Aujourd'hui : entre 12 et 13 semaines d'aménorrhée"},
    {"Picture13_14", "Aujourd'hui : entre 13 et 14 semaines d'aménorrhée"},
    {"Picture14_", "Aujourd'hui : après 14 semaines d'aménorrhée"},
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// "Aujourd'hui" with an arrow pointing at the rows: where today falls, in a
// blue that reads on the window's colour, light or dark.
QPixmap todayMarker(const QColor& window) {
    const qreal ratio = 2;
    QPixmap pixmap(QSize(104, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue = readableOn(QColor(0x00, 0x40, 0xC0), window);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(blue);
    p.drawText(QRectF(0, 0, 80, 16), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Aujourd'hui"));
    QPainterPath arrow;
    arrow.moveTo(84, 5);
    arrow.lineTo(94, 5);
    arrow.lineTo(94, 1);
    arrow.lineTo(103, 8);
    arrow.lineTo(94, 15);
    arrow.lineTo(94, 11);
    arrow.lineTo(84, 11);
    arrow.closeSubpath();
    p.fillPath(arrow, blue);
    return pixmap;
}

// A red warning triangle: a deadline has passed.
QPixmap warningSign() {
    const qreal ratio = 2;
    QPixmap pixmap(QSize(28, 24) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(14, 1);
    triangle.lineTo(27, 23);
    triangle.lineTo(1, 23);
    triangle.closeSubpath();
    p.fillPath(triangle, QColor(0xFF, 0x00, 0x00));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 6, 28, 18), Qt::AlignCenter, QStringLiteral("!"));
    return pixmap;
}

QLabel* namedCaption(const char* name, const QString& textShown) {
    QLabel* label = caption(textShown);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* pictureLabel(const char* name, const QString& spoken, const QPixmap& pixmap) {
    auto* label = named(new QLabel, name, spoken);
    label->setPixmap(pixmap);
    label->hide();
    return label;
}

void paintRed(QLabel* label, bool red) {
    if (!red) {
        tintText(label, QColor());
        label->setPalette(QPalette());
        return;
    }
    tintText(label, QColor(0xFF, 0x00, 0x00));
}

} // namespace

TerminationWindow::TerminationWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form8", QStringLiteral("IVG")) {
    build();
    installResultsCopy(this, windowMenuBar(), windows, [this] { return resultsText(); });
    const TermSettings settings = currentTermSettings(this->windows());
    showLimitCaptions(settings[TermSettings::TerminationLimitWeeks]);
    deadlinePanel->hide();
}

void TerminationWindow::build() {
    auto* layout = new QVBoxLayout(this);
    // The window grows with the deadline panel when a date shows it.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    QMenuBar* menus = addMenuBar(layout);
    quitAction = addQuitEntry(menus, "mnuQuitter", QStringLiteral("&Quitter"));
    helpAction = addHelpEntry(menus, "mnuAide", QStringLiteral("&Aide"), kHelpTopic);

    lastPeriod = lineEdit("Text2", QStringLiteral("Dernières Règles"));
    startOfPregnancy = lineEdit("Text1", QStringLiteral("Début de grossesse"));
    lastPeriodCaption = namedCaption("Label6", QStringLiteral("Dernières Règles"));
    startOfPregnancyCaption = namedCaption("Label2", QStringLiteral("Début de grossesse"));
    lastPeriodCaption->setBuddy(lastPeriod);
    startOfPregnancyCaption->setBuddy(startOfPregnancy);
    lastPeriodFormatCaption = namedCaption("Label25", QStringLiteral("JJ/MM/AA"));
    startOfPregnancyFormatCaption = namedCaption("Label26", QStringLiteral("JJ/MM/AA"));
    auto* entry = new QGridLayout;
    entry->addWidget(lastPeriodCaption, 0, 0);
    entry->addWidget(lastPeriod, 0, 1);
    entry->addWidget(lastPeriodFormatCaption, 0, 2);
    entry->addWidget(startOfPregnancyCaption, 1, 0);
    entry->addWidget(startOfPregnancy, 1, 1);
    entry->addWidget(startOfPregnancyFormatCaption, 1, 2);
    entry->setColumnStretch(3, 1);
    for (QLineEdit* date : {lastPeriod, startOfPregnancy}) {
        date->setMaximumWidth(110);
        acceptDateCharacters(date, [] {});
    }
    layout->addLayout(entry);

    legalDatesCaption = namedCaption("Label1", QStringLiteral("Dates légales de l'IVG"));
    QFont title = legalDatesCaption->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    legalDatesCaption->setFont(title);
    legalLimitLabel = resultText("Label27", QStringLiteral("Limite légale"));
    layout->addLayout(row({legalDatesCaption, legalLimitLabel}));

    // Rows of weeks, with the places where today's marker can stand between them.
    auto* weeks = new QGridLayout;
    weeks->setVerticalSpacing(1);
    weeks->setHorizontalSpacing(12);
    const QPixmap marker = todayMarker(palette().color(QPalette::Window));
    for (int i = 0; i < 10; ++i) {
        markers[i] = pictureLabel(kMarkers[i].name, QString::fromUtf8(kMarkers[i].spoken), marker);
        weeks->addWidget(markers[i], 2 * i, 0);
    }
    for (int i = 0; i < 9; ++i) {
        const WeekRow& r = kRows[i];
        weekCaptions[i] = namedCaption(r.weekName, QString::fromUtf8(r.weekCaption));
        weekDates[i] = resultText(r.dateName, QString::fromUtf8(r.weekCaption),
                                  QString::fromLatin1(r.placeholder));
        weekDates[i]->setStyleSheet("font-weight: bold");
        crownRumpCaptions[i] = namedCaption(r.lengthName, QString::fromUtf8(r.lengthCaption));
        weeks->addWidget(weekCaptions[i], 2 * i + 1, 1);
        weeks->addWidget(weekDates[i], 2 * i + 1, 2);
        weeks->addWidget(crownRumpCaptions[i], 2 * i + 1, 3);
    }
    weeks->setColumnMinimumWidth(0, marker.width() / marker.devicePixelRatio());
    weeks->setColumnStretch(4, 1);
    layout->addLayout(weeks);

    const QPixmap warning = warningSign();
    deadlinePanel = named(new QFrame, "Frame1", QStringLiteral("Date limite d'IVG"));
    deadlinePanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    terminationLimitCaption =
        namedCaption("Label3", QStringLiteral("Date limite d'IVG autorisée "));
    latestTermCaption = namedCaption("Tmaxi", QStringLiteral("Le terme maximum était le"));
    terminationLimitDate = resultText("DateIVG", QStringLiteral("Date limite d'IVG autorisée"),
                                      QStringLiteral("00/0/00"));
    deadlineLimitLabel = resultText("Label4", QStringLiteral("Limite légale"));
    termPassedWarning = namedCaption("Depasse", QStringLiteral("Terme dépassé IVG non autorisée"));
    termPassedPicture = pictureLabel("Picture1", QStringLiteral("Terme dépassé"), warning);
    QFont strong = terminationLimitDate->font();
    strong.setBold(true);
    strong.setPointSizeF(strong.pointSizeF() * 1.15);
    terminationLimitDate->setFont(strong);
    termPassedWarning->setFont(strong);
    tintText(termPassedWarning, QColor(0xFF, 0x00, 0x00));
    latestTermCaption->hide();
    termPassedWarning->hide();
    auto* panel = new QVBoxLayout(deadlinePanel);
    panel->addLayout(row({terminationLimitCaption, latestTermCaption, terminationLimitDate}));
    panel->addLayout(row({deadlineLimitLabel, termPassedPicture, termPassedWarning}));
    layout->addWidget(deadlinePanel);

    mifepristoneLimitCaption =
        namedCaption("Label5", QStringLiteral("Date ultime d'utilisation du RU"));
    mifepristoneLimitDate = resultText("DateRU", QStringLiteral("Date ultime d'utilisation du RU"),
                                       QStringLiteral("00/00/00"));
    mifepristoneLimitDate->setFont(strong);
    mifepristonePassedPicture =
        pictureLabel("Picture2", QStringLiteral("Date du RU dépassée"), warning);
    layout->addLayout(
        row({mifepristoneLimitCaption, mifepristoneLimitDate, mifepristonePassedPicture}));

    quitButton = button("Command1", QStringLiteral("&Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(quitButton);
    layout->addLayout(buttons);

    connect(lastPeriod, &QLineEdit::textChanged, this, [this] {
        const auto lmp = dateIn(lastPeriod);
        if (!lmp) return;
        if (const auto start = startFromLmp(*lmp)) startOfPregnancy->setText(text(start->toText()));
    });
    connect(startOfPregnancy, &QLineEdit::textChanged, this, &TerminationWindow::compute);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({lastPeriod, startOfPregnancy, quitButton});
    setEscapeButton(quitButton);
    placeOnScreen();
}

void TerminationWindow::setStartOfPregnancy(const QString& start) {
    if (startOfPregnancy->text() == start)
        compute();
    else
        startOfPregnancy->setText(start);
}

bool TerminationWindow::limitsMissingOnOpening() {
    const TermSettings settings = currentTermSettings(windows());
    if (!settings[TermSettings::TerminationLimitWeeks].empty() &&
        !settings[TermSettings::MedicationLimitWeeks].empty())
        return false;
    platform().messages.inform(text(std::string(kMissingLimitsOnOpening)));
    emit termSettingsRequested();
    return true;
}

void TerminationWindow::setVisible(bool visible) {
    if (!visible || isVisible()) {
        ToolWindow::setVisible(visible);
        return;
    }
    if (limitsMissingOnOpening()) return;
    setWindowTitle(QStringLiteral("IVG") + QString(20, QLatin1Char(' ')) +
                   text(platform().clock.today().toText()));
    // What is shown is computed with the limits in force now, once shown, so
    // that limits that give no date are told.
    ToolWindow::setVisible(true);
    compute();
}

void TerminationWindow::showLimitCaptions(const std::string& legalLimit) {
    legalLimitLabel->setText(text(limitCaption(legalLimit)));
    deadlineLimitLabel->setText(text(limitCaptionInParentheses(legalLimit)));
    // With a legal limit of 10 weeks or less, 13 and 14 weeks are out of time.
    const bool red = lateRowsInRed(legalLimit);
    for (int i : {7, 8})
        for (QLabel* label : {weekCaptions[i], weekDates[i], crownRumpCaptions[i]})
            paintRed(label, red);
}

void TerminationWindow::showPlaceholders() {
    for (int i = 0; i < 9; ++i)
        weekDates[i]->setText(QString::fromLatin1(kRows[i].placeholder));
    terminationLimitDate->setText(QStringLiteral("00/0/00"));
    mifepristoneLimitDate->setText(QStringLiteral("00/00/00"));
    for (QLabel* m : markers)
        m->hide();
}

void TerminationWindow::showMarker(std::string_view name) {
    for (int i = 0; i < 10; ++i)
        markers[i]->setVisible(name == kMarkers[i].name);
}

void TerminationWindow::compute() {
    const TermSettings settings = currentTermSettings(windows());
    const std::string& legal = settings[TermSettings::TerminationLimitWeeks];
    const std::string& medication = settings[TermSettings::MedicationLimitWeeks];
    if (const auto message = missingLimitMessage(legal, medication)) {
        // No deadline without its limits. A hidden window (built by a change of
        // the start in the main window) says nothing: a box the user did not
        // see coming would take the keys typed there. Opening it tells.
        showPlaceholders();
        if (!isVisible()) return;
        platform().messages.inform(text(std::string(*message)));
        emit termSettingsRequested();
        hide();
        return;
    }
    // The captions always name the limit the dates below are computed with.
    showLimitCaptions(legal);

    const auto start = dateIn(startOfPregnancy);
    deadlinePanel->setVisible(start.has_value());
    for (QLabel* hidden :
         {termPassedPicture, mifepristonePassedPicture, termPassedWarning, latestTermCaption})
        hidden->hide();
    terminationLimitCaption->show();
    deadlineLimitLabel->show();

    const TerminationOutcome outcome =
        start ? DELAIS_IVG(*start, legal, medication, platform().clock.today())
              : TerminationOutcome{};
    if (!outcome.deadlines) {
        // No start, or limits that give no date: no date of another pregnancy stays.
        showPlaceholders();
        return;
    }
    const TerminationDeadlines& d = *outcome.deadlines;
    terminationLimitDate->setText(text(d.dateIvg));
    mifepristoneLimitDate->setText(text(d.dateRu));
    for (int i = 0; i < 9; ++i)
        weekDates[i]->setText(text(d.weeks[i]));
    if (d.legalPassed) {
        termPassedPicture->show();
        termPassedWarning->show();
        latestTermCaption->show();
        terminationLimitCaption->hide();
        deadlineLimitLabel->hide();
    }
    mifepristonePassedPicture->setVisible(d.medicationPassed);
    showMarker(d.marker);
}

// "Copier les résultats": the dates as typed, then the deadlines, the dates of
// 6 to 14 weeks and where today falls; nothing while only placeholders show.
ResultsText TerminationWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("IVG");
    t.inputsOf({lastPeriod, startOfPregnancy});
    if (!deadlinePanel->isVisibleTo(&*this)) return t;
    t.result(legalLimitLabel);
    const bool passed = termPassedWarning->isVisibleTo(&*this);
    t.result(terminationLimitDate,
             passed ? latestTermCaption->text().trimmed()
                    : terminationLimitCaption->text().trimmed(),
             shownText(deadlineLimitLabel).remove(QLatin1Char('(')).remove(QLatin1Char(')')));
    if (passed) t.result(QStringLiteral("IVG"), termPassedWarning->text());
    t.result(mifepristoneLimitDate, mifepristoneLimitCaption->text().trimmed());
    if (mifepristonePassedPicture->isVisibleTo(&*this))
        t.result(QStringLiteral("RU"), mifepristonePassedPicture->accessibleName());
    for (std::size_t i = 0; i < weekDates.size(); ++i)
        t.result(weekDates[i], weekCaptions[i]->text().trimmed() + QStringLiteral(", ") +
                                   crownRumpCaptions[i]->text());
    for (QLabel* m : markers)
        if (m->isVisibleTo(&*this))
            t.result(QStringLiteral("Aujourd'hui"),
                     m->accessibleName().section(QStringLiteral(" : "), 1));
    return t;
}

} // namespace tovimar
