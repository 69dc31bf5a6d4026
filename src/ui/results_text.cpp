// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTextDocumentFragment>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/consultation_patient.h"
#include "ui/controls.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

const QString kSeparator = QStringLiteral(" : ");

// A caption as a line of text starts: without a colon at its end ("Terme :").
QString plainCaption(const QString& caption) {
    QString c = spokenCaption(caption);
    while (c.endsWith(QLatin1Char(':')))
        c = c.chopped(1).trimmed();
    return c;
}

QString lineOf(const ResultsLine& line) {
    QString caption = plainCaption(line.caption);
    if (!line.method.isEmpty()) caption += QStringLiteral(" (") + line.method + QLatin1Char(')');
    // A sentence that says what it is ("Le 1er mai est un samedi") stands alone.
    return caption.isEmpty() ? line.value : caption + kSeparator + line.value;
}

} // namespace

QString shownText(const QWidget* control) {
    if (!control || !control->isVisibleTo(control->window())) return {};
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        text = edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        text = combo->currentText();
    } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
        text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich) text = QTextDocumentFragment::fromHtml(text).toPlainText();
    } else if (const auto* list = qobject_cast<const QListWidget*>(control)) {
        if (const QListWidgetItem* item = list->currentItem()) text = item->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        text = button->text();
    }
    return text.simplified();
}

QString captionOf(const QWidget* control) {
    if (!control) return {};
    const QVariant result = control->property("tovimarResultCaption");
    if (result.isValid() && !result.toString().isEmpty()) return plainCaption(result.toString());
    return plainCaption(control->accessibleName());
}

void ResultsText::input(const QWidget* control, const QString& caption) {
    inputs.push_back(
        {caption.isEmpty() ? captionOf(control) : caption, shownText(control), {}, control});
}

void ResultsText::inputsOf(std::initializer_list<const QWidget*> controls) {
    for (const QWidget* c : controls)
        input(c);
}

void ResultsText::input(const QString& caption, const QString& value) {
    inputs.push_back({caption, value.simplified(), {}, nullptr});
}

void ResultsText::tick(const QAbstractButton* box, const QString& caption, bool saysNo) {
    if (!box || !box->isVisibleTo(box->window())) return;
    if (!box->isChecked() && !saysNo) return;
    const QString c = caption.isEmpty() ? plainCaption(box->text()) : caption;
    inputs.push_back(
        {c, box->isChecked() ? QStringLiteral("oui") : QStringLiteral("non"), {}, box});
}

void ResultsText::choice(const QString& caption,
                         std::initializer_list<const QAbstractButton*> options) {
    for (const QAbstractButton* option : options)
        if (option && option->isChecked() && option->isVisibleTo(option->window()))
            inputs.push_back({caption, plainCaption(option->text()), {}, option});
}

void ResultsText::result(const QWidget* control, const QString& caption, const QString& method) {
    results.push_back(
        {caption.isEmpty() ? captionOf(control) : caption, shownText(control), method, control});
}

void ResultsText::resultsOf(std::initializer_list<const QWidget*> controls) {
    for (const QWidget* c : controls)
        result(c);
}

void ResultsText::result(const QString& caption, const QString& value, const QString& method) {
    results.push_back({caption, value.simplified(), method, nullptr});
}

void ResultsText::resultPairs(const QListWidget* captions, const QListWidget* values) {
    if (!values || !values->isVisibleTo(values->window())) return;
    for (int i = 0; i < values->count(); ++i) {
        const QString caption =
            captions && i < captions->count() ? plainCaption(captions->item(i)->text()) : QString();
        results.push_back({caption.isEmpty() ? captionOf(values) : caption,
                           values->item(i)->text().simplified(),
                           {},
                           values});
    }
}

void ResultsText::sentence(const QWidget* control) {
    results.push_back({QString(), shownText(control), {}, control});
}

void ResultsText::sentences(const QLabel* label) {
    if (!label || !label->isVisibleTo(label->window())) return;
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString value = line.simplified();
        if (!value.isEmpty()) results.push_back({QString(), value, {}, label});
    }
}

bool ResultsText::hasResults() const {
    for (const ResultsLine& r : results)
        if (!r.value.isEmpty()) return true;
    return false;
}

QString formatResults(const ResultsText& text, VbDate day, const ConsultationPatient& patient) {
    QStringList lines;
    if (!patient.name().isEmpty()) {
        QString who = patient.civility() + QLatin1Char(' ') + patient.name();
        if (patient.birthDate())
            who +=
                QStringLiteral(", née le ") + QString::fromStdString(patient.birthDate()->toText());
        lines << QStringLiteral("Patiente") + kSeparator + who;
    }
    lines << text.title;
    lines << QStringLiteral("Date") + kSeparator + QString::fromStdString(day.toText());
    for (const auto* part : {&text.inputs, &text.results})
        for (const ResultsLine& line : *part)
            if (!line.value.isEmpty()) lines << lineOf(line);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void copyResults(WindowRegistry& windows, const ResultsText& text) {
    Platform& platform = windows.platform();
    if (!text.hasResults()) {
        // An earlier copy left there would be pasted as this window's results.
        platform.clipboard.setText(QString());
        platform.messages.inform(
            QStringLiteral("Aucun résultat à copier : « %1 » n'affiche pas encore de résultat. "
                           "Le presse-papiers a été vidé, pour qu'aucun résultat précédent n'y "
                           "reste.")
                .arg(text.title));
        return;
    }
    platform.clipboard.setText(formatResults(text, platform.clock.today(), windows.patient()));
}

ResultsCopyAction::ResultsCopyAction(QWidget* window, WindowRegistry& windows,
                                     std::function<ResultsText()> gather)
    : QAction(QStringLiteral("&Copier les résultats"), window), gather_(std::move(gather)) {
    setObjectName(QStringLiteral("CopierResultats"));
    setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    setShortcutContext(Qt::WindowShortcut);
    connect(this, &QAction::triggered, this, [this, &windows] { copyResults(windows, read()); });
}

ResultsCopyAction* installResultsCopy(QWidget* window, QMenuBar* menuBar, WindowRegistry& windows,
                                      std::function<ResultsText()> gather) {
    auto* action = new ResultsCopyAction(window, windows, std::move(gather));
    if (menuBar) {
        QAction* before = nullptr;
        for (QAction* a : menuBar->actions())
            if (spokenCaption(a->text()) == QStringLiteral("Aide")) before = a;
        menuBar->insertAction(before, action);
    } else {
        window->addAction(action);
    }
    return action;
}

} // namespace tovimar
