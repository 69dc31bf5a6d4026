// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The little builders every window uses. Each control gets its object name
// (the name tests and the program use) and a French accessible name, so the
// program reads the same to a screen reader as on screen.

#include <QColor>
#include <QString>
#include <QStringList>
#include <initializer_list>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace tovimar {

// A caption as a screen reader should hear it: without the access-key
// marker and the blanks around it ("&Calcule" -> "Calcule").
QString spokenCaption(const QString& caption);

// Gives a widget its object name and accessible name.
template <class W> W* named(W* widget, const char* objectName, const QString& accessibleName);

QLineEdit* lineEdit(const char* name, const QString& accessibleName, bool readOnly = false);
// A caption; its buddy takes the focus on the caption's access key.
QLabel* caption(const QString& text, QWidget* buddy = nullptr, bool wrap = false);
QPushButton* button(const char* name, const QString& caption);
QCheckBox* checkBox(const char* name, const QString& caption);
QRadioButton* radioButton(const char* name, const QString& caption);
QScrollBar* scrollBar(const char* name, const QString& accessibleName, int minimum, int maximum,
                      int value);
// A list whose typed text never becomes an entry: text matching an entry selects it.
QComboBox* comboBox(const char* name, const QString& accessibleName, bool editable = false);

// A result the program writes: selectable text framed like a field. A screen
// reader hears its caption and the value it shows now ("Terme : 29/02/2012").
QLabel* resultLabel(const char* name, const QString& caption);
// Makes any label read as "caption : value", kept current as its text changes.
void readAsResult(QLabel* label, const QString& caption);
// A plain label that shows a result without a frame, read the same way.
QLabel* resultText(const char* name, const QString& caption, const QString& text = {});

// A month calendar in French (Monday first, French month and day names, its
// navigation buttons named for a screen reader).
QCalendarWidget* frenchCalendar(const char* name, const QString& accessibleName);

// A frame with a title around one control or layout.
QGroupBox* frame(const QString& title, QWidget* content);
QGroupBox* frame(const QString& title, QLayout* content);
// A row of controls, left to right, with a stretch at the end.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true);

// A list box of fixed captions shown beside a result list, line for line.
QListWidget* captionList(const char* name, const QStringList& captions);
QListWidget* resultList(const char* name, const QString& accessibleName, int rows);
// A list and its fixed captions side by side, the same height.
QWidget* pairedLists(QListWidget* captions, QListWidget* results);

// The red of results that call for attention, as text on the window or as the
// background of white text: dark enough for both to read at the AA level of
// the accessibility guidelines (pure red reads at 4:1 only).
inline const QColor kReadableRed(0xC0, 0x00, 0x00);

// Text and background colours of a control.
void colour(QWidget* widget, const QColor& text, const QColor& background);
// The contrast of two colours as the accessibility guidelines (WCAG 2) measure
// it, from 1 (the same) to 21 (black on white); ordinary text wants 4.5 at
// least, large text (18 points, or 14 in bold) 3.
double contrastRatio(const QColor& a, const QColor& b);
// The text colour, moved as little as needed to read on the background at the
// AA level (4.5:1): darkened on a light background, lightened on a dark one (a
// dark desktop); pure red becomes kReadableRed where that reads.
QColor readableOn(const QColor& text, const QColor& background);
// Black or white, whichever reads better on the background.
QColor textOn(const QColor& background);
// Writes the widget's text in a colour of its own (a result in red, a caption
// in blue) made readable on what the widget is drawn on: the window's colour,
// or the base of a field. Light and dark desktops alike, and again when the
// desktop's colours change while the window is open. An invalid colour ends it
// (the widget's palette is then the caller's to set back).
void tintText(QWidget* widget, const QColor& text);

// The keyboard's reading order: Tab goes from each control to the next.
void setReadingOrder(std::initializer_list<QWidget*> controls);

// ---- implementation of the template

template <class W> W* named(W* widget, const char* objectName, const QString& accessibleName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace tovimar
