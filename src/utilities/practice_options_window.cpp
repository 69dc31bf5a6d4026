// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/practice_options_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

void setComboText(QComboBox* combo, const std::string& text) {
    combo->setEditText(QString::fromStdString(text));
}

} // namespace

PracticeOptionsWindow::PracticeOptionsWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form5", QStringLiteral("En tête et seuil pour l'amniocentèse")),
      model_(practiceOptionsModel(windows)) {
    build();
    load();
    // While the screen exists, what it shows is in force for every printout.
    publishEditsOf(this, [this] { model_.edit(currentOptions()); });
    model_.edit(currentOptions());
}

PracticeOptionsWindow::~PracticeOptionsWindow() {
    model_.endEditing();
}

void PracticeOptionsWindow::build() {
    auto* layout = new QVBoxLayout(this);

    civilityChoice = comboBox("Combo1", QStringLiteral("Civilité"), true);
    lastNameField = lineEdit("Text1", QStringLiteral("NOM"));
    firstNameField = lineEdit("Text2", QStringLiteral("Prénom"));
    specialityChoice = comboBox("Combo2", QStringLiteral("Spécialité"), true);
    establishmentField = lineEdit("Text3", QStringLiteral("Etablissement"));
    address1Field = lineEdit("Text4", QStringLiteral("Adresse 1"));
    address2Field = lineEdit("Text5", QStringLiteral("Adresse 2"));
    townField = lineEdit("Text6", QStringLiteral("Ville"));
    departmentField = lineEdit("Text7", QStringLiteral("Département"));
    telephoneField = lineEdit("Text8", QStringLiteral("Télephone"));
    strategyChoice = comboBox("CboConduite", QStringLiteral("Conduite selon"), false);
    strategyChoice->addItem(QStringLiteral("le seuil unique des réglages du terme"));
    strategyChoice->addItem(QStringLiteral("les seuils de 2018 (1/1000 et 1/50)"));

    // Label, field, and for the paired lines a second label and field.
    auto* grid = new QGridLayout;
    int row = 0;
    auto pair = [&](const QString& a, QWidget* fa, const QString& b, QWidget* fb) {
        grid->addWidget(caption(a, fa), row, 0);
        grid->addWidget(fa, row, 1);
        grid->addWidget(caption(b, fb), row, 2);
        grid->addWidget(fb, row, 3);
        ++row;
    };
    auto single = [&](const QString& a, QWidget* fa) {
        grid->addWidget(caption(a, fa), row, 0);
        grid->addWidget(fa, row, 1, 1, 3);
        ++row;
    };
    pair(QStringLiteral("Civilité"), civilityChoice, QStringLiteral("NOM"), lastNameField);
    single(QStringLiteral("Prénom"), firstNameField);
    single(QStringLiteral("Spécialité"), specialityChoice);
    single(QStringLiteral("Etablissement"), establishmentField);
    single(QStringLiteral("Adresse 1"), address1Field);
    single(QStringLiteral("Adresse 2"), address2Field);
    pair(QStringLiteral("Ville"), townField, QStringLiteral("Département"), departmentField);
    single(QStringLiteral("Télephone"), telephoneField);
    single(QStringLiteral("Conduite selon"), strategyChoice);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    clearButton = button("Annuler", QStringLiteral("Effacer"));
    quitButton = button("Quitte", QStringLiteral("Quitter"));
    saveAndQuitButton = button("Enregistre", QStringLiteral("Enregistrer Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(quitButton);
    buttons->addWidget(saveAndQuitButton);
    layout->addLayout(buttons);

    // "Effacer" empties the ten texts; the choice of conduct is no text and stays.
    connect(clearButton, &QPushButton::clicked, this, [this] {
        PracticeOptions empty;
        empty.strategy = currentOptions().strategy;
        showOptions(empty);
    });
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(saveAndQuitButton, &QPushButton::clicked, this, &PracticeOptionsWindow::save);

    // Reading order: line by line, left to right, then the buttons.
    setReadingOrder({civilityChoice, lastNameField, firstNameField, specialityChoice,
                     establishmentField, address1Field, address2Field, townField, departmentField,
                     telephoneField, strategyChoice, clearButton, quitButton, saveAndQuitButton});
    setEscapeButton(quitButton);

    setMinimumWidth(480);
    placeOnScreen();
}

void PracticeOptionsWindow::load() {
    model_.tellIfNotWhole();
    showOptions(model_.saved());
}

void PracticeOptionsWindow::showOptions(const PracticeOptions& o) {
    setComboText(civilityChoice, o.civility);
    lastNameField->setText(QString::fromStdString(o.lastName));
    firstNameField->setText(QString::fromStdString(o.firstName));
    setComboText(specialityChoice, o.speciality);
    establishmentField->setText(QString::fromStdString(o.establishment));
    address1Field->setText(QString::fromStdString(o.address1));
    address2Field->setText(QString::fromStdString(o.address2));
    townField->setText(QString::fromStdString(o.town));
    departmentField->setText(QString::fromStdString(o.department));
    telephoneField->setText(QString::fromStdString(o.telephone));
    strategyChoice->setCurrentIndex(o.strategy == ScreeningStrategy::Thresholds2018 ? 1 : 0);
}

PracticeOptions PracticeOptionsWindow::currentOptions() const {
    PracticeOptions o;
    o.civility = civilityChoice->currentText().toStdString();
    o.lastName = lastNameField->text().toStdString();
    o.firstName = firstNameField->text().toStdString();
    o.speciality = specialityChoice->currentText().toStdString();
    o.establishment = establishmentField->text().toStdString();
    o.address1 = address1Field->text().toStdString();
    o.address2 = address2Field->text().toStdString();
    o.town = townField->text().toStdString();
    o.department = departmentField->text().toStdString();
    o.telephone = telephoneField->text().toStdString();
    o.strategy = strategyChoice->currentIndex() == 1 ? ScreeningStrategy::Thresholds2018
                                                     : ScreeningStrategy::SingleThreshold;
    return o;
}

void PracticeOptionsWindow::save() {
    // On failure nothing typed is lost: the screen stays open.
    const PracticeOptions options = currentOptions();
    const std::vector<std::string> values = practiceOptionsValues(options);
    // Empty texts with the same choice: a record the reader takes.
    PracticeOptions plain;
    plain.strategy = options.strategy;
    // Only what the next start reads back is saved.
    if (model_.save(
            options, values,
            [](std::string_view bytes) { return readPracticeOptions(bytes).complete; },
            practiceOptionsValues(plain)))
        close();
}

} // namespace tovimar
