// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/converter_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/key_filters.h"
#include "ui/pictures.h"
#include "ui/results_text.h"
#include "utilities/desktop_calculator.h"
#include "utilities/euro_converter.h"
#include "utilities/utility_pictures.h"

namespace tovimar {
namespace {

// Refuses a digit that would give the amount more digits before the comma
// than the conversion takes.
class IntegerDigitsLimit : public QObject {
  public:
    explicit IntegerDigitsLimit(QLineEdit* field) : QObject(field), field_(field) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_ || event->type() != QEvent::KeyPress) return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || !typed[0].isDigit()) return false;
        QString after = field_->text();
        int at = field_->cursorPosition();
        if (field_->hasSelectedText()) {
            at = field_->selectionStart();
            after.remove(at, field_->selectedText().size());
        }
        after.insert(at, typed);
        // A full stop pasted for the comma separates the decimals too.
        int comma = after.indexOf(u',');
        if (comma < 0) comma = after.indexOf(u'.');
        int digits = 0;
        for (QChar c : comma < 0 ? after : after.left(comma))
            if (c.isDigit()) ++digits;
        return digits > kConverterIntegerDigits;
    }

  private:
    QLineEdit* field_;
};

QLineEdit* amountField(const char* name, const QString& accessibleName) {
    QLineEdit* field = lineEdit(name, accessibleName);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(
        field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000,00")) + 16);
    acceptDecimal(field);
    // Installed last, it looks at each key first.
    field->installEventFilter(new IntegerDigitsLimit(field));
    return field;
}

} // namespace

ConverterWindow::ConverterWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form25", QStringLiteral("Convertisseur € / F")) {
    build();
    // "Copier les résultats": the two amounts, the one typed and its conversion.
    installResultsCopy(this, nullptr, windows, [this] {
        ResultsText t;
        t.title = windowTitle();
        t.resultsOf({euros, francs});
        return t;
    });
    placeOnScreen();
}

void ConverterWindow::build() {
    euros = amountField("Text1", QStringLiteral("€uros"));
    francs = amountField("Text2", QStringLiteral("Francs"));
    eurosCaption = caption(QStringLiteral("€&uros"), euros);
    eurosCaption->setObjectName(QStringLiteral("Label1"));
    francsCaption = caption(QStringLiteral("&Francs"), francs);
    francsCaption->setObjectName(QStringLiteral("Label2"));

    clearButton = named(new QPushButton, "Command1", QStringLiteral("Effacer"));
    clearButton->setIcon(QIcon(picture(QStringLiteral("icon_reset"))));
    clearButton->setIconSize(QSize(24, 24));
    clearButton->setToolTip(QStringLiteral("Effacer les deux montants"));
    calculatorButton = named(new QPushButton, "Command2", QStringLiteral("Calculatrice"));
    calculatorButton->setIcon(QIcon(calculatorPicture()));
    calculatorButton->setIconSize(QSize(24, 24));
    calculatorButton->setToolTip(QStringLiteral("Ouvrir la calculatrice"));
    quitButton = button("Command3", QStringLiteral("&Quitter"));

    auto* grid = new QGridLayout;
    grid->addWidget(eurosCaption, 0, 0);
    grid->addWidget(euros, 0, 1);
    grid->addWidget(francsCaption, 1, 0);
    grid->addWidget(francs, 1, 1);
    grid->addWidget(caption(QStringLiteral("1 € = 6,55957 F")), 2, 1, Qt::AlignRight);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addWidget(calculatorButton);
    buttons->addStretch();
    buttons->addWidget(quitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Each conversion follows what the user changed in one field and writes
    // only the other, so that the amount typed is never rewritten.
    connect(euros, &QLineEdit::textEdited, this, [this](const QString& text) {
        francs->setText(QString::fromStdString(EUROFRANCS2(text.toStdString())));
    });
    connect(francs, &QLineEdit::textEdited, this, [this](const QString& text) {
        euros->setText(QString::fromStdString(FRANCEUROS2(text.toStdString())));
    });
    connect(clearButton, &QPushButton::clicked, this, &ConverterWindow::clear);
    connect(calculatorButton, &QPushButton::clicked, this,
            [this] { openDesktopCalculator(platform()); });
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(quitButton);
    setReadingOrder({euros, francs, clearButton, calculatorButton, quitButton});
}

void ConverterWindow::clear() {
    euros->clear();
    francs->clear();
    euros->setFocus();
}

} // namespace tovimar
