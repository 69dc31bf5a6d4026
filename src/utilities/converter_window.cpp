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
        t.resultsOf({Text1, Text2});
        return t;
    });
    placeOnScreen();
}

void ConverterWindow::build() {
    Text1 = amountField("Text1", QStringLiteral("€uros"));
    Text2 = amountField("Text2", QStringLiteral("Francs"));
    Label1 = caption(QStringLiteral("€&uros"), Text1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = caption(QStringLiteral("&Francs"), Text2);
    Label2->setObjectName(QStringLiteral("Label2"));

    Command1 = named(new QPushButton, "Command1", QStringLiteral("Effacer"));
    Command1->setIcon(QIcon(picture(QStringLiteral("icon_reset"))));
    Command1->setIconSize(QSize(24, 24));
    Command1->setToolTip(QStringLiteral("Effacer les deux montants"));
    Command2 = named(new QPushButton, "Command2", QStringLiteral("Calculatrice"));
    Command2->setIcon(QIcon(calculatorPicture()));
    Command2->setIconSize(QSize(24, 24));
    Command2->setToolTip(QStringLiteral("Ouvrir la calculatrice"));
    Command3 = button("Command3", QStringLiteral("&Quitter"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(caption(QStringLiteral("1 € = 6,55957 F")), 2, 1, Qt::AlignRight);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Each conversion follows what the user changed in one field and writes
    // only the other, so that the amount typed is never rewritten.
    connect(Text1, &QLineEdit::textEdited, this, [this](const QString& text) {
        Text2->setText(QString::fromStdString(EUROFRANCS2(text.toStdString())));
    });
    connect(Text2, &QLineEdit::textEdited, this, [this](const QString& text) {
        Text1->setText(QString::fromStdString(FRANCEUROS2(text.toStdString())));
    });
    connect(Command1, &QPushButton::clicked, this, &ConverterWindow::clear);
    connect(Command2, &QPushButton::clicked, this, [this] { openDesktopCalculator(platform()); });
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(Command3);
    setReadingOrder({Text1, Text2, Command1, Command2, Command3});
}

void ConverterWindow::clear() {
    Text1->clear();
    Text2->clear();
    Text1->setFocus();
}

} // namespace tovimar
