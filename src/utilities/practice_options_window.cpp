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

    Combo1 = comboBox("Combo1", QStringLiteral("Civilité"), true);
    Text1 = lineEdit("Text1", QStringLiteral("NOM"));
    Text2 = lineEdit("Text2", QStringLiteral("Prénom"));
    Combo2 = comboBox("Combo2", QStringLiteral("Spécialité"), true);
    Text3 = lineEdit("Text3", QStringLiteral("Etablissement"));
    Text4 = lineEdit("Text4", QStringLiteral("Adresse 1"));
    Text5 = lineEdit("Text5", QStringLiteral("Adresse 2"));
    Text6 = lineEdit("Text6", QStringLiteral("Ville"));
    Text7 = lineEdit("Text7", QStringLiteral("Département"));
    Text8 = lineEdit("Text8", QStringLiteral("Télephone"));
    CboConduite = comboBox("CboConduite", QStringLiteral("Conduite selon"), false);
    CboConduite->addItem(QStringLiteral("le seuil unique des réglages du terme"));
    CboConduite->addItem(QStringLiteral("les seuils de 2018 (1/1000 et 1/50)"));

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
    pair(QStringLiteral("Civilité"), Combo1, QStringLiteral("NOM"), Text1);
    single(QStringLiteral("Prénom"), Text2);
    single(QStringLiteral("Spécialité"), Combo2);
    single(QStringLiteral("Etablissement"), Text3);
    single(QStringLiteral("Adresse 1"), Text4);
    single(QStringLiteral("Adresse 2"), Text5);
    pair(QStringLiteral("Ville"), Text6, QStringLiteral("Département"), Text7);
    single(QStringLiteral("Télephone"), Text8);
    single(QStringLiteral("Conduite selon"), CboConduite);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    Annuler = button("Annuler", QStringLiteral("Effacer"));
    Quitte = button("Quitte", QStringLiteral("Quitter"));
    Enregistre = button("Enregistre", QStringLiteral("Enregistrer Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Annuler);
    buttons->addWidget(Quitte);
    buttons->addWidget(Enregistre);
    layout->addLayout(buttons);

    // "Effacer" empties the ten texts; the choice of conduct is no text and stays.
    connect(Annuler, &QPushButton::clicked, this, [this] {
        PracticeOptions empty;
        empty.strategy = currentOptions().strategy;
        showOptions(empty);
    });
    connect(Quitte, &QPushButton::clicked, this, &QWidget::close);
    connect(Enregistre, &QPushButton::clicked, this, &PracticeOptionsWindow::save);

    // Reading order: line by line, left to right, then the buttons.
    setReadingOrder({Combo1, Text1, Text2, Combo2, Text3, Text4, Text5, Text6, Text7, Text8,
                     CboConduite, Annuler, Quitte, Enregistre});
    setEscapeButton(Quitte);

    setMinimumWidth(480);
    placeOnScreen();
}

void PracticeOptionsWindow::load() {
    model_.tellIfNotWhole();
    showOptions(model_.saved());
}

void PracticeOptionsWindow::showOptions(const PracticeOptions& o) {
    setComboText(Combo1, o.civility);
    Text1->setText(QString::fromStdString(o.lastName));
    Text2->setText(QString::fromStdString(o.firstName));
    setComboText(Combo2, o.speciality);
    Text3->setText(QString::fromStdString(o.establishment));
    Text4->setText(QString::fromStdString(o.address1));
    Text5->setText(QString::fromStdString(o.address2));
    Text6->setText(QString::fromStdString(o.town));
    Text7->setText(QString::fromStdString(o.department));
    Text8->setText(QString::fromStdString(o.telephone));
    CboConduite->setCurrentIndex(o.strategy == ScreeningStrategy::Thresholds2018 ? 1 : 0);
}

PracticeOptions PracticeOptionsWindow::currentOptions() const {
    PracticeOptions o;
    o.civility = Combo1->currentText().toStdString();
    o.lastName = Text1->text().toStdString();
    o.firstName = Text2->text().toStdString();
    o.speciality = Combo2->currentText().toStdString();
    o.establishment = Text3->text().toStdString();
    o.address1 = Text4->text().toStdString();
    o.address2 = Text5->text().toStdString();
    o.town = Text6->text().toStdString();
    o.department = Text7->text().toStdString();
    o.telephone = Text8->text().toStdString();
    o.strategy = CboConduite->currentIndex() == 1 ? ScreeningStrategy::Thresholds2018
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
