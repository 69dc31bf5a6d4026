// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/postal_directory_window.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

#include "platform/database.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/settings_folder.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/results_text.h"

namespace tovimar {
namespace {

constexpr int kHelpTopic = 142;
const QString kConnectionFault =
    QStringLiteral("La base de données CODESPOST n'est pas correctement connectée.");
const QString kNoTownChosen = QStringLiteral("Pas de ville selectionnée");
const QString kEmptyTown = QStringLiteral("Veuillez saisir le nom de la ville.");

// Town names are written in capitals: small letters typed or pasted become
// capitals, accented ones too (é becomes É, not a lone small letter in a
// name in capitals).
class CapitalsValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar& c : input)
            if (c.isLower() && c.toUpper().isUpper()) c = c.toUpper();
        return Acceptable;
    }
};

QLineEdit* townField(const char* name, const QString& accessibleName, QObject* owner) {
    QLineEdit* field = lineEdit(name, accessibleName);
    field->setValidator(new CapitalsValidator(owner));
    return field;
}

QGroupBox* panel(const char* name, const QString& title, const QColor& background) {
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(title);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, background);
    // Its title and captions in the colour that reads on it, whatever the desktop's.
    palette.setColor(QPalette::WindowText, textOn(background));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    box->hide();
    return box;
}

// The user's own copy of the directory, made when needed; when it cannot be
// made, the shipped file, which can be searched but not changed, and why.
PostalDirectory openDirectory(const SettingsFolder& settings, QString& copyFailure) {
    const QString path =
        writableDatabasePath(settings, QStringLiteral("Codespost.mdb"), &copyFailure);
    return PostalDirectory(path, copyFailure.isEmpty() ? DatabaseFile::Access::ReadWrite
                                                       : DatabaseFile::Access::ReadOnly);
}

} // namespace

PostalDirectoryWindow::PostalDirectoryWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form40", QStringLiteral("Codes Postaux")),
      directory_(openDirectory(platform().settings, copyFailure_)) {
    build();
    // "Copier les résultats": the search as typed and the town found.
    installResultsCopy(this, findChild<QMenuBar*>(), windows, [this] {
        ResultsText t;
        t.title = windowTitle();
        t.inputsOf({TxtVilles, TxtCodes});
        t.result(Label1);
        return t;
    });
}

void PostalDirectoryWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* bar = addMenuBar(layout);
    Quitter = addQuitEntry(bar, "Quitter", QStringLiteral("&Quitter"));
    Aide = addHelpEntry(bar, "Aide", QStringLiteral("&Aide"), kHelpTopic);

    auto* title = new QLabel(QStringLiteral("Codes Postaux"));
    title->setObjectName(QStringLiteral("LblTitre"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    // Two small pictures decorate the title: a letter and a town on the map.
    auto decoration = [](const char* name, const char* pictureName) {
        auto* label = new QLabel;
        label->setObjectName(QString::fromLatin1(name));
        label->setPixmap(picture(QString::fromLatin1(pictureName)));
        return label;
    };
    Image1 = decoration("Image1", "postal_envelope");
    Image2 = decoration("Image2", "postal_pin");
    auto* heading = new QHBoxLayout;
    heading->addWidget(Image1);
    heading->addWidget(title, 1);
    heading->addWidget(Image2);
    layout->addLayout(heading);

    // The searches.
    TxtVilles = townField("TxtVilles", QStringLiteral("Ville à rechercher"), this);
    TxtCodes = lineEdit("TxtCodes", QStringLiteral("Code Postal"));
    TxtCodes->setMaxLength(10);
    auto* search = new QGridLayout;
    search->addWidget(caption(QStringLiteral("&Ville à rechercher"), TxtVilles), 0, 0);
    search->addWidget(TxtVilles, 1, 0);
    search->addWidget(caption(QStringLiteral("Code &Postal"), TxtCodes), 0, 1);
    search->addWidget(TxtCodes, 1, 1);
    search->setColumnStretch(0, 3);
    search->setColumnStretch(1, 1);
    layout->addLayout(search);

    // The entry found, with the arrows through the towns.
    Label1 = resultLabel("Label1", QStringLiteral("Ville trouvée"));
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(QString(40, 'M')) / 2);
    Command1 = button("Command1", QStringLiteral("<"));
    Command1->setAccessibleName(QStringLiteral("Ville précédente"));
    Command2 = button("Command2", QStringLiteral(">"));
    Command2->setAccessibleName(QStringLiteral("Ville suivante"));
    for (QPushButton* arrow : {Command1, Command2})
        arrow->setFixedWidth(36);
    auto* found = new QHBoxLayout;
    found->addWidget(Command1);
    found->addWidget(Label1, 1);
    found->addWidget(Command2);
    layout->addLayout(found);

    List1 = new QListWidget;
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Villes ayant ce code postal"));
    List1->setMinimumHeight(List1->fontMetrics().height() * 6);
    layout->addWidget(caption(QStringLiteral("Villes ayant ce &code postal"), List1));
    layout->addWidget(List1);

    CmdNouv = button("CmdNouv", QStringLiteral("A&jouter"));
    CmdModif = button("CmdModif", QStringLiteral("&Modifier"));
    CmdQuitter = button("CmdQuitter", QStringLiteral("&Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdNouv);
    buttons->addWidget(CmdModif);
    buttons->addStretch();
    buttons->addWidget(CmdQuitter);
    layout->addLayout(buttons);

    // The two panels take the same place; one shows at a time.
    Frame1 = panel("Frame1", QStringLiteral("Nouvelle Ville"), QColor(0xFF, 0xFF, 0xC0));
    TxtVilNew = townField("TxtVilNew", QStringLiteral("Nouvelle ville : Ville"), this);
    TxtCodeNew = lineEdit("TxtCodeNew", QStringLiteral("Nouvelle ville : Code Postal"));
    CmdEnregNew = button("CmdEnregNew", QStringLiteral("&Enregistrer"));
    CmdEnregNew->setAccessibleName(QStringLiteral("Enregistrer la nouvelle ville"));
    Command3 = button("Command3", QStringLiteral("Quitter"));
    Command3->setAccessibleName(QStringLiteral("Fermer le cadre Nouvelle Ville"));
    auto* newGrid = new QGridLayout(Frame1);
    newGrid->addWidget(caption(QStringLiteral("Ville"), TxtVilNew), 0, 0);
    newGrid->addWidget(TxtVilNew, 0, 1);
    newGrid->addWidget(caption(QStringLiteral("Code Postal"), TxtCodeNew), 1, 0);
    newGrid->addWidget(TxtCodeNew, 1, 1);
    newGrid->addLayout(row({CmdEnregNew, Command3}), 2, 0, 1, 2);
    layout->addWidget(Frame1);

    Frame2 = panel("Frame2", QStringLiteral("Modifier une Ville"), QColor(0xC0, 0xFF, 0xC0));
    TxtVilModif = townField("TxtVilModif", QStringLiteral("Modifier une ville : Ville"), this);
    TxtCodeModif = lineEdit("TxtCodeModif", QStringLiteral("Modifier une ville : Code Postal"));
    CmdEnregMod = button("CmdEnregMod", QStringLiteral("&Enregistrer"));
    CmdEnregMod->setAccessibleName(QStringLiteral("Enregistrer la correction"));
    Command5 = button("Command5", QStringLiteral("&Supprimer"));
    Command4 = button("Command4", QStringLiteral("Quitter"));
    Command4->setAccessibleName(QStringLiteral("Fermer le cadre Modifier une Ville"));
    auto* modifyGrid = new QGridLayout(Frame2);
    modifyGrid->addWidget(caption(QStringLiteral("Ville"), TxtVilModif), 0, 0);
    modifyGrid->addWidget(TxtVilModif, 0, 1);
    modifyGrid->addWidget(caption(QStringLiteral("Code Postal"), TxtCodeModif), 1, 0);
    modifyGrid->addWidget(TxtCodeModif, 1, 1);
    modifyGrid->addLayout(row({CmdEnregMod, Command5, Command4}), 2, 0, 1, 2);
    layout->addWidget(Frame2);
    layout->addStretch();

    // Only the user's own typing empties the other field: a search never
    // erases the text being typed.
    connect(TxtVilles, &QLineEdit::textEdited, this, &PostalDirectoryWindow::onTownEdited);
    connect(TxtCodes, &QLineEdit::textEdited, this, &PostalDirectoryWindow::onCodeEdited);
    // A double-click, or Enter from the keyboard, shows a town of the list.
    connect(List1, &QListWidget::itemDoubleClicked, this, &PostalDirectoryWindow::chooseListedTown);
    connect(List1, &QListWidget::itemActivated, this, &PostalDirectoryWindow::chooseListedTown);
    connect(Command1, &QPushButton::clicked, this, [this] { step(false); });
    connect(Command2, &QPushButton::clicked, this, [this] { step(true); });
    connect(CmdNouv, &QPushButton::clicked, this, [this] { openPanel(Frame1, TxtVilNew); });
    connect(CmdModif, &QPushButton::clicked, this, [this] { openPanel(Frame2, TxtVilModif); });
    connect(Command3, &QPushButton::clicked, Frame1, &QWidget::hide);
    connect(Command4, &QPushButton::clicked, Frame2, &QWidget::hide);
    connect(CmdEnregNew, &QPushButton::clicked, this, &PostalDirectoryWindow::saveNew);
    connect(CmdEnregMod, &QPushButton::clicked, this, &PostalDirectoryWindow::saveCorrection);
    connect(Command5, &QPushButton::clicked, this, &PostalDirectoryWindow::deleteEntry);
    connect(TxtVilNew, &QLineEdit::returnPressed, CmdEnregNew, &QPushButton::click);
    connect(TxtCodeNew, &QLineEdit::returnPressed, CmdEnregNew, &QPushButton::click);
    connect(TxtVilModif, &QLineEdit::returnPressed, CmdEnregMod, &QPushButton::click);
    connect(TxtCodeModif, &QLineEdit::returnPressed, CmdEnregMod, &QPushButton::click);
    connect(CmdQuitter, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({TxtVilles, TxtCodes, Command1, Label1, Command2, List1, CmdNouv, CmdModif,
                     CmdQuitter, TxtVilNew, TxtCodeNew, CmdEnregNew, Command3, TxtVilModif,
                     TxtCodeModif, CmdEnregMod, Command5, Command4});
    setEscapeButton(CmdQuitter);
    setMinimumWidth(460);
    placeOnScreen();
}

void PostalDirectoryWindow::onTownEdited(const QString& text) {
    if (!TxtCodes->text().isEmpty()) {
        const QSignalBlocker quiet(TxtCodes);
        TxtCodes->clear();
        searchCode(QString());
    }
    searchTown(text);
}

void PostalDirectoryWindow::onCodeEdited(const QString& text) {
    if (!TxtVilles->text().isEmpty()) {
        const QSignalBlocker quiet(TxtVilles);
        TxtVilles->clear();
        searchTown(QString());
    }
    searchCode(text);
}

void PostalDirectoryWindow::searchTown(const QString& text) {
    setArrowsVisible(true);
    List1->clear();
    if (text.isEmpty()) return;
    showFound(directory_.findTown(text), QStringLiteral("Ce Nom n'existe pas"));
}

// The entry a search found, or why there is none; with none found, no entry
// is current any more and none is shown.
void PostalDirectoryWindow::showFound(const PostalDirectory::Result& result,
                                      const QString& notFound) {
    switch (result.outcome) {
    case PostalDirectory::Outcome::Done:
        showEntry(result.entry);
        break;
    case PostalDirectory::Outcome::NotFound:
        Label1->clear();
        platform().messages.inform(notFound);
        break;
    default:
        tellConnectionFault();
        break;
    }
}

void PostalDirectoryWindow::searchCode(const QString& text) {
    Label1->clear();
    const auto towns = directory_.townsWithCode(text);
    List1->clear();
    if (!towns) {
        tellConnectionFault();
        return;
    }
    List1->addItems(*towns);
}

void PostalDirectoryWindow::chooseListedTown(QListWidgetItem* item) {
    if (!item) return;
    // The town chosen is the entry a correction ("Modifier") goes to.
    // Not found: deleted or changed meanwhile (another copy of the program).
    showFound(directory_.chooseTownWithCode(item->text(), TxtCodes->text()),
              QStringLiteral("Ville non trouvée"));
}

void PostalDirectoryWindow::step(bool forward) {
    const auto entry = forward ? directory_.next() : directory_.previous();
    if (entry) showEntry(*entry);
}

void PostalDirectoryWindow::showEntry(const PostalEntry& entry) {
    Label1->setText(postalEntryText(entry));
    TxtVilModif->setText(entry.town);
    TxtCodeModif->setText(entry.code);
}

void PostalDirectoryWindow::openPanel(QGroupBox* panel, QLineEdit* firstField) {
    (panel == Frame1 ? Frame2 : Frame1)->hide();
    panel->show();
    firstField->setFocus();
}

void PostalDirectoryWindow::saveNew() {
    const auto result = directory_.add({TxtVilNew->text(), TxtCodeNew->text()});
    switch (result.outcome) {
    case PostalDirectory::Outcome::Done:
        // The new town is the current entry: a correction now goes to it.
        showEntry(result.entry);
        Frame1->hide();
        setArrowsVisible(false);
        platform().messages.inform(result.entry.town + QStringLiteral(" rajouté"));
        break;
    case PostalDirectory::Outcome::EmptyTown:
        platform().messages.inform(kEmptyTown);
        break;
    default:
        tellChangeFault();
        break;
    }
}

void PostalDirectoryWindow::saveCorrection() {
    const auto result = directory_.modifyCurrent({TxtVilModif->text(), TxtCodeModif->text()});
    switch (result.outcome) {
    case PostalDirectory::Outcome::Done:
        showEntry(result.entry);
        Frame2->hide();
        setArrowsVisible(false);
        platform().messages.inform(result.entry.town + QStringLiteral(" modifié"));
        break;
    case PostalDirectory::Outcome::NoCurrentEntry:
        platform().messages.inform(kNoTownChosen);
        break;
    case PostalDirectory::Outcome::EmptyTown:
        platform().messages.inform(kEmptyTown);
        break;
    default:
        tellChangeFault();
        break;
    }
}

void PostalDirectoryWindow::deleteEntry() {
    const PostalEntry entry{TxtVilModif->text(), TxtCodeModif->text()};
    Messages& messages = platform().messages;
    const QString attention = QStringLiteral("Attention");
    if (messages.askWarning(attention,
                            QStringLiteral("Voulez vous vraiment supprimer ") + entry.town +
                                QStringLiteral(" ?"),
                            Messages::Icon::Question, true) != Messages::Answer::Yes)
        return;
    if (messages.askWarning(attention,
                            QStringLiteral("Attention ") + entry.town +
                                QStringLiteral(" va être supprimé. CONTINUER ?"),
                            Messages::Icon::Stop, false) != Messages::Answer::Yes)
        return;
    const auto result = directory_.remove(entry);
    switch (result.outcome) {
    case PostalDirectory::Outcome::Done:
        messages.inform(entry.town + QStringLiteral(" Supprimé"));
        Label1->clear();
        setArrowsVisible(false);
        break;
    case PostalDirectory::Outcome::NotFound:
        messages.inform(QStringLiteral("Ville non trouvée"));
        break;
    default:
        tellChangeFault();
        break;
    }
}

void PostalDirectoryWindow::setArrowsVisible(bool visible) {
    Command1->setVisible(visible);
    Command2->setVisible(visible);
}

// A file that cannot be opened at all is not connected; any other failure
// says its cause, from the engine's own error code.
void PostalDirectoryWindow::tellConnectionFault() {
    const DatabaseFailure& failure = directory_.lastFailure();
    if (failure.kind == DatabaseFailure::Kind::CannotOpen ||
        failure.kind == DatabaseFailure::Kind::None) {
        platform().messages.inform(kConnectionFault);
        return;
    }
    platform().messages.inform(QStringLiteral("La base de données CODESPOST n'a pas pu être lue "
                                              "(%1).")
                                   .arg(databaseFailureCause(failure)));
}

void PostalDirectoryWindow::tellChangeFault() {
    const DatabaseFailure& failure = directory_.lastFailure();
    // The user's own copy could not be made: the shipped file, which cannot
    // be written, is the one open. The cause is the copy's.
    if (!copyFailure_.isEmpty() && (failure.kind == DatabaseFailure::Kind::ReadOnly ||
                                    failure.kind == DatabaseFailure::Kind::CannotOpen)) {
        platform().messages.inform(
            QStringLiteral("La modification n'a pas été enregistrée : la copie personnelle de la "
                           "base de données CODESPOST n'a pas pu être faite.\n") +
            copyFailure_);
        return;
    }
    if (failure.kind == DatabaseFailure::Kind::CannotOpen ||
        failure.kind == DatabaseFailure::Kind::None) {
        platform().messages.inform(kConnectionFault);
        return;
    }
    platform().messages.inform(QStringLiteral("La modification n'a pas été enregistrée dans la "
                                              "base de données CODESPOST (%1). La base est "
                                              "restée telle qu'elle était.")
                                   .arg(databaseFailureCause(failure)));
}

} // namespace tovimar
