// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Copier les résultats": a window's results as a short French plain text
// for the practitioner's record software. Each window says which of its
// controls are inputs and which results (ResultsText); the kit writes the
// text, one line each:
//
//   Patiente : Madame Dupont, née le 20/06/1985
//   Biometrie
//   Date : 10/12/2026
//   Bip : 85
//   Poids foetal estimé (Hadlock 1985) : 1594 g
//
// Values are what the controls show, nothing recomputed; empty ones are left
// out. A window with no result copies nothing: no old figure is left to paste.

#include <QAction>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

#include "core/vb_date.h"

class QAbstractButton;
class QLabel;
class QListWidget;
class QMenuBar;
class QWidget;

namespace tovimar {

class ConsultationPatient;
class WindowRegistry;

struct ResultsLine {
    QString caption;
    QString value;
    QString method;                   // "Hadlock 1985": written after the caption
    const QWidget* control = nullptr; // the control it was read from, when one
};

struct ResultsText {
    QString title; // the tool's title
    std::vector<ResultsLine> inputs;
    std::vector<ResultsLine> results;

    // An input as typed or chosen (a field, a list's choice); the caption is
    // the control's own spoken name unless one is given.
    void input(const QWidget* control, const QString& caption = {});
    void inputsOf(std::initializer_list<const QWidget*> controls);
    void input(const QString& caption, const QString& value);
    // A box: "oui" when ticked; an unticked one is left out unless `saysNo`.
    void tick(const QAbstractButton* box, const QString& caption = {}, bool saysNo = false);
    // The option chosen among `options` (radio buttons), by its caption.
    void choice(const QString& caption, std::initializer_list<const QAbstractButton*> options);
    // A result as shown, with the named method that computed it.
    void result(const QWidget* control, const QString& caption = {}, const QString& method = {});
    void resultsOf(std::initializer_list<const QWidget*> controls);
    void result(const QString& caption, const QString& value, const QString& method = {});
    // Two lists side by side, a caption beside each value (empty rows left out).
    void resultPairs(const QListWidget* captions, const QListWidget* values);
    // A result that says what it is ("Coefficient de risque = 0,27"), on a
    // line of its own without a caption.
    void sentence(const QWidget* control);
    // A label that lists one result a line (the points of a chart): each line
    // as a sentence of its own.
    void sentences(const QLabel* label);

    // Whether any result has a value: without one nothing is copied.
    bool hasResults() const;
};

// What a control shows, as one line: a field's or a list's current text, a
// label's text as plain text with its blanks and line breaks made single
// spaces; empty for a control that is hidden in its window.
QString shownText(const QWidget* control);
// The caption a control is known by: a result's caption, else its spoken name.
QString captionOf(const QWidget* control);

// The text put on the clipboard: the patient's line when she was named, the
// title, the date of `day`, then the inputs and the results that have a
// value, each "caption : value".
QString formatResults(const ResultsText& text, VbDate day, const ConsultationPatient& patient);

// Puts the text of `text` on the platform's clipboard; without a result,
// empties it instead and tells the user in French.
void copyResults(WindowRegistry& windows, const ResultsText& text);

// "Copier les résultats" (Ctrl+Maj+C, object name "CopierResultats") of one
// window: `gather` reads the window at the moment of the copy.
class ResultsCopyAction : public QAction {
    Q_OBJECT
  public:
    ResultsCopyAction(QWidget* window, WindowRegistry& windows,
                      std::function<ResultsText()> gather);
    // What the window shows now, as a copy would take it.
    ResultsText read() const { return gather_(); }

  private:
    std::function<ResultsText()> gather_;
};

// Gives `window` its "Copier les résultats": an entry of `menuBar` before its
// "Aide" when the window has one, else a shortcut of the window alone.
ResultsCopyAction* installResultsCopy(QWidget* window, QMenuBar* menuBar, WindowRegistry& windows,
                                      std::function<ResultsText()> gather);

} // namespace tovimar
