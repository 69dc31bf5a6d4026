#include "t21/practice_options_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window_registry.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "platform/settings_folder.h"

namespace tovimar {
namespace {

const QString kFileName = QStringLiteral("options.tvx");
const QString kReadFailure = QStringLiteral("Fichier Options.tvx absent ou erronné.");

// Reads the file; a failure is reported and what was read is kept.
PracticeOptions readFile(Platform& platform) {
    const PracticeOptionsReading reading =
        readPracticeOptions(platform.settings.read(kFileName).value_or(""));
    if (!reading.complete) platform.messages.inform(kReadFailure);
    return reading.options;
}

QLineEdit* textField(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    return edit;
}

// Free text: the practitioner types any title; nothing is offered.
QComboBox* freeTextCombo(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    // Enter must not turn what was typed into a list entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setAccessibleName(accessibleName);
    combo->lineEdit()->setAccessibleName(accessibleName);
    return combo;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(text);
    return b;
}

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

void setComboText(QComboBox* combo, const std::string& text) {
    combo->setEditText(QString::fromStdString(text));
}

} // namespace

PracticeOptionsWindow::PracticeOptionsWindow(WindowRegistry& windows)
    : PracticeOptionsWindow(windows.platform()) {}

PracticeOptionsWindow::PracticeOptionsWindow(Platform& platform)
    : QWidget(nullptr, Qt::Window), platform_(platform) {
    build();
    load();
}

void PracticeOptionsWindow::build() {
    setObjectName("Form5");
    setWindowTitle(QStringLiteral("En tête et seuil pour l'amniocentèse"));
    auto* layout = new QVBoxLayout(this);

    Combo1 = freeTextCombo(this, "Combo1", QStringLiteral("Civilité"));
    Text1 = textField(this, "Text1", QStringLiteral("NOM"));
    Text2 = textField(this, "Text2", QStringLiteral("Prénom"));
    Combo2 = freeTextCombo(this, "Combo2", QStringLiteral("Spécialité"));
    Text3 = textField(this, "Text3", QStringLiteral("Etablissement"));
    Text4 = textField(this, "Text4", QStringLiteral("Adresse 1"));
    Text5 = textField(this, "Text5", QStringLiteral("Adresse 2"));
    Text6 = textField(this, "Text6", QStringLiteral("Ville"));
    Text7 = textField(this, "Text7", QStringLiteral("Département"));
    Text8 = textField(this, "Text8", QStringLiteral("Télephone"));

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
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    Annuler = button(this, "Annuler", QStringLiteral("Effacer"));
    Quitte = button(this, "Quitte", QStringLiteral("Quitter"));
    Enregistre = button(this, "Enregistre", QStringLiteral("Enregistrer Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Annuler);
    buttons->addWidget(Quitte);
    buttons->addWidget(Enregistre);
    layout->addLayout(buttons);

    connect(Annuler, &QPushButton::clicked, this, [this] { showOptions(PracticeOptions{}); });
    connect(Quitte, &QPushButton::clicked, this, &QWidget::close);
    connect(Enregistre, &QPushButton::clicked, this, &PracticeOptionsWindow::save);

    // Reading order: line by line, left to right, then the buttons.
    QWidget* const order[] = {Combo1, Text1, Text2, Combo2,  Text3,  Text4,     Text5,
                              Text6,  Text7, Text8, Annuler, Quitte, Enregistre};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    setMinimumWidth(480);
    adjustSize();
    centreOnScreen(this);
}

void PracticeOptionsWindow::load() {
    showOptions(readFile(platform_));
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
    return o;
}

void PracticeOptionsWindow::save() {
    // On failure nothing typed is lost: the screen stays open.
    if (saveSettingsFile(platform_.settings, platform_.messages, kFileName,
                         encodePracticeOptions(currentOptions())))
        close();
}

PracticeOptions loadPracticeOptions(Platform& platform) {
    return readFile(platform);
}

PracticeOptions currentPracticeOptions(WindowRegistry& windows) {
    if (const PracticeOptionsWindow* screen = windows.existing<PracticeOptionsWindow>())
        return screen->currentOptions();
    return loadPracticeOptions(windows.platform());
}

} // namespace tovimar
