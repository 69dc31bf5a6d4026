// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/accessibility.h"

namespace tovimar {

QString spokenCaption(const QString& caption) {
    QString spoken;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i; // "&&" is a literal ampersand, "&x" marks the access key x
        }
        spoken += caption[i];
    }
    return spoken.simplified();
}

QLineEdit* lineEdit(const char* name, const QString& accessibleName, bool readOnly) {
    auto* edit = named(new QLineEdit, name, accessibleName);
    edit->setReadOnly(readOnly);
    return edit;
}

QLabel* caption(const QString& text, QWidget* buddy, bool wrap) {
    auto* label = new QLabel(text);
    label->setWordWrap(wrap);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QPushButton* button(const char* name, const QString& caption) {
    return named(new QPushButton(caption), name, spokenCaption(caption));
}

QCheckBox* checkBox(const char* name, const QString& caption) {
    return named(new QCheckBox(caption), name, spokenCaption(caption));
}

QRadioButton* radioButton(const char* name, const QString& caption) {
    return named(new QRadioButton(caption), name, spokenCaption(caption));
}

QScrollBar* scrollBar(const char* name, const QString& accessibleName, int minimum, int maximum,
                      int value) {
    auto* bar = named(new QScrollBar(Qt::Horizontal), name, accessibleName);
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    return bar;
}

QComboBox* comboBox(const char* name, const QString& accessibleName, bool editable) {
    // Read by its name, not by the entry it shows.
    installAccessibleInterfaces();
    auto* combo = named(new QComboBox, name, accessibleName);
    combo->setEditable(editable);
    if (editable) {
        // Enter must not turn what was typed into a list entry.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setAccessibleName(accessibleName);
    }
    return combo;
}

void readAsResult(QLabel* label, const QString& caption) {
    announceAsResult(label, spokenCaption(caption));
}

QLabel* resultLabel(const char* name, const QString& caption) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    readAsResult(label, caption);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumHeight(label->fontMetrics().height() + 8);
    label->setMargin(2);
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    return label;
}

QLabel* resultText(const char* name, const QString& caption, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    readAsResult(label, caption);
    return label;
}

QCalendarWidget* frenchCalendar(const char* name, const QString& accessibleName) {
    auto* calendar = named(new QCalendarWidget, name, accessibleName);
    calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The month and year on the bar above the days, and the day chosen, are
    // written in the desktop's colours for a selection: its background is
    // darkened where those would not read at the AA level.
    QPalette selection = calendar->palette();
    const QColor chosenText = selection.color(QPalette::HighlightedText);
    if (contrastRatio(chosenText, selection.color(QPalette::Highlight)) < 4.5) {
        selection.setColor(QPalette::Highlight,
                           readableOn(selection.color(QPalette::Highlight), chosenText));
        calendar->setPalette(selection);
    }
    // The days of the week-end in red, as Qt writes them, but a red that
    // reads on the calendar's base, light or dark (Qt's pure red does not).
    for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
        QTextCharFormat weekEnd = calendar->weekdayTextFormat(day);
        weekEnd.setForeground(
            readableOn(QColor(0xFF, 0x00, 0x00), calendar->palette().color(QPalette::Base)));
        calendar->setWeekdayTextFormat(day, weekEnd);
    }
    const std::pair<const char*, const char*> parts[] = {
        {"qt_calendar_prevmonth", "Mois précédent"},
        {"qt_calendar_nextmonth", "Mois suivant"},
        {"qt_calendar_monthbutton", "Choisir le mois"},
        {"qt_calendar_yearbutton", "Choisir l'année"},
        {"qt_calendar_yearedit", "Année"},
        {"qt_calendar_calendarview", "Jours du mois"}};
    for (const auto& [part, spoken] : parts)
        if (auto* w = calendar->findChild<QWidget*>(QLatin1String(part)))
            w->setAccessibleName(QString::fromUtf8(spoken));
    return calendar;
}

QGroupBox* frame(const QString& title, QWidget* content) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(content);
    return frame(title, layout);
}

QGroupBox* frame(const QString& title, QLayout* content) {
    auto* box = new QGroupBox(title);
    content->setContentsMargins(6, 4, 6, 6);
    box->setLayout(content);
    return box;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretchAtEnd) layout->addStretch();
    return layout;
}

QListWidget* captionList(const char* name, const QStringList& captions) {
    auto* list = named(new QListWidget, name, captions.join(QStringLiteral(", ")));
    list->addItems(captions);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int widest = 0;
    for (const QString& c : captions)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(c));
    list->setFixedWidth(widest + 2 * list->frameWidth() + 10);
    return list;
}

QListWidget* resultList(const char* name, const QString& accessibleName, int rows) {
    auto* list = named(new QListWidget, name, accessibleName);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setMinimumWidth(190);
    list->setFixedHeight(list->fontMetrics().height() * rows + 10);
    return list;
}

QWidget* pairedLists(QListWidget* captions, QListWidget* results) {
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    captions->setFixedHeight(results->height());
    layout->addWidget(captions);
    layout->addWidget(results, 1);
    return pair;
}

void colour(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a.toRgb());
    const double lb = luminance(b.toRgb());
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background) {
    if (text == QColor(0xFF, 0x00, 0x00) && contrastRatio(kReadableRed, background) >= 4.5)
        return kReadableRed;
    // Towards black on a light background, towards white on a dark one, a
    // tenth of the way at each step: the hue stays recognisable.
    const bool lighten = textOn(background) == QColor(Qt::white);
    QColor c = text.toRgb();
    for (int step = 0; step < 40 && contrastRatio(c, background) < 4.5; ++step)
        c = lighten
                ? QColor(c.red() + (255 - c.red() + 9) / 10, c.green() + (255 - c.green() + 9) / 10,
                         c.blue() + (255 - c.blue() + 9) / 10)
                : QColor(c.red() * 9 / 10, c.green() * 9 / 10, c.blue() * 9 / 10);
    return c;
}

QColor textOn(const QColor& background) {
    return contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background)
               ? QColor(Qt::white)
               : QColor(Qt::black);
}

namespace {

constexpr char kTextTint[] = "tovimarTextTint";

// Keeps a widget's own text colour readable when the colours under it change:
// the desktop turning dark at night, or the widget put on another background.
class TextTint : public QObject {
  public:
    TextTint(QWidget* widget, const QColor& colour) : QObject(widget), colour_(colour) {
        setObjectName(QLatin1String(kTextTint));
        widget->installEventFilter(this);
    }
    void setColour(const QColor& colour) {
        colour_ = colour;
        apply();
    }
    void apply() {
        auto* widget = static_cast<QWidget*>(parent());
        QPalette p = widget->palette();
        const QColor onWindow = readableOn(colour_, p.color(QPalette::Window));
        const QColor onBase = readableOn(colour_, p.color(QPalette::Base));
        // Setting the palette tells the widget of a change: once is enough.
        if (p.color(QPalette::WindowText) == onWindow && p.color(QPalette::Text) == onBase) return;
        p.setColor(QPalette::WindowText, onWindow);
        p.setColor(QPalette::Text, onBase);
        widget->setPalette(p);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange ||
            event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return false;
    }

  private:
    QColor colour_;
};

} // namespace

void tintText(QWidget* widget, const QColor& text) {
    auto* tint = static_cast<TextTint*>(
        widget->findChild<QObject*>(QLatin1String(kTextTint), Qt::FindDirectChildrenOnly));
    if (!text.isValid()) {
        delete tint;
        return;
    }
    if (tint)
        tint->setColour(text);
    else
        (new TextTint(widget, text))->apply();
}

void setReadingOrder(std::initializer_list<QWidget*> controls) {
    const QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (previous) QWidget::setTabOrder(const_cast<QWidget*>(previous), w);
        previous = w;
    }
}

} // namespace tovimar
