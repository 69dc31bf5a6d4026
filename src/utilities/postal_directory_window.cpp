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
    installResultsCopy(this, windowMenuBar(), windows, [this] {
        ResultsText t;
        t.title = windowTitle();
        t.inputsOf({townSearch, codeSearch});
        t.result(foundTown);
        return t;
    });
}

void PostalDirectoryWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* bar = addMenuBar(layout);
    quitAction = addQuitEntry(bar, "Quitter", QStringLiteral("&Quitter"));
    helpAction = addHelpEntry(bar, "Aide", QStringLiteral("&Aide"), kHelpTopic);

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
    envelopePicture = decoration("Image1", "postal_envelope");
    pinPicture = decoration("Image2", "postal_pin");
    auto* heading = new QHBoxLayout;
    heading->addWidget(envelopePicture);
    heading->addWidget(title, 1);
    heading->addWidget(pinPicture);
    layout->addLayout(heading);

    // The searches.
    townSearch = townField("TxtVilles", QStringLiteral("Ville à rechercher"), this);
    codeSearch = lineEdit("TxtCodes", QStringLiteral("Code Postal"));
    codeSearch->setMaxLength(10);
    auto* search = new QGridLayout;
    search->addWidget(caption(QStringLiteral("&Ville à rechercher"), townSearch), 0, 0);
    search->addWidget(townSearch, 1, 0);
    search->addWidget(caption(QStringLiteral("Code &Postal"), codeSearch), 0, 1);
    search->addWidget(codeSearch, 1, 1);
    search->setColumnStretch(0, 3);
    search->setColumnStretch(1, 1);
    layout->addLayout(search);

    // The entry found, with the arrows through the towns.
    foundTown = resultLabel("Label1", QStringLiteral("Ville trouvée"));
    foundTown->setMinimumWidth(foundTown->fontMetrics().horizontalAdvance(QString(40, 'M')) / 2);
    previousTownButton = button("Command1", QStringLiteral("<"));
    previousTownButton->setAccessibleName(QStringLiteral("Ville précédente"));
    nextTownButton = button("Command2", QStringLiteral(">"));
    nextTownButton->setAccessibleName(QStringLiteral("Ville suivante"));
    for (QPushButton* arrow : {previousTownButton, nextTownButton})
        arrow->setFixedWidth(36);
    auto* found = new QHBoxLayout;
    found->addWidget(previousTownButton);
    found->addWidget(foundTown, 1);
    found->addWidget(nextTownButton);
    layout->addLayout(found);

    townsOfCode = new QListWidget;
    townsOfCode->setObjectName(QStringLiteral("List1"));
    townsOfCode->setAccessibleName(QStringLiteral("Villes ayant ce code postal"));
    townsOfCode->setMinimumHeight(townsOfCode->fontMetrics().height() * 6);
    layout->addWidget(caption(QStringLiteral("Villes ayant ce &code postal"), townsOfCode));
    layout->addWidget(townsOfCode);

    addButton = button("CmdNouv", QStringLiteral("A&jouter"));
    modifyButton = button("CmdModif", QStringLiteral("&Modifier"));
    quitButton = button("CmdQuitter", QStringLiteral("&Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(modifyButton);
    buttons->addStretch();
    buttons->addWidget(quitButton);
    layout->addLayout(buttons);

    // The two panels take the same place; one shows at a time.
    newEntryPanel = panel("Frame1", QStringLiteral("Nouvelle Ville"), QColor(0xFF, 0xFF, 0xC0));
    newTown = townField("TxtVilNew", QStringLiteral("Nouvelle ville : Ville"), this);
    newCode = lineEdit("TxtCodeNew", QStringLiteral("Nouvelle ville : Code Postal"));
    saveNewButton = button("CmdEnregNew", QStringLiteral("&Enregistrer"));
    saveNewButton->setAccessibleName(QStringLiteral("Enregistrer la nouvelle ville"));
    closeNewPanelButton = button("Command3", QStringLiteral("Quitter"));
    closeNewPanelButton->setAccessibleName(QStringLiteral("Fermer le cadre Nouvelle Ville"));
    auto* newGrid = new QGridLayout(newEntryPanel);
    newGrid->addWidget(caption(QStringLiteral("Ville"), newTown), 0, 0);
    newGrid->addWidget(newTown, 0, 1);
    newGrid->addWidget(caption(QStringLiteral("Code Postal"), newCode), 1, 0);
    newGrid->addWidget(newCode, 1, 1);
    newGrid->addLayout(row({saveNewButton, closeNewPanelButton}), 2, 0, 1, 2);
    layout->addWidget(newEntryPanel);

    correctionPanel =
        panel("Frame2", QStringLiteral("Modifier une Ville"), QColor(0xC0, 0xFF, 0xC0));
    correctedTown = townField("TxtVilModif", QStringLiteral("Modifier une ville : Ville"), this);
    correctedCode = lineEdit("TxtCodeModif", QStringLiteral("Modifier une ville : Code Postal"));
    saveCorrectionButton = button("CmdEnregMod", QStringLiteral("&Enregistrer"));
    saveCorrectionButton->setAccessibleName(QStringLiteral("Enregistrer la correction"));
    deleteButton = button("Command5", QStringLiteral("&Supprimer"));
    closeCorrectionPanelButton = button("Command4", QStringLiteral("Quitter"));
    closeCorrectionPanelButton->setAccessibleName(
        QStringLiteral("Fermer le cadre Modifier une Ville"));
    auto* modifyGrid = new QGridLayout(correctionPanel);
    modifyGrid->addWidget(caption(QStringLiteral("Ville"), correctedTown), 0, 0);
    modifyGrid->addWidget(correctedTown, 0, 1);
    modifyGrid->addWidget(caption(QStringLiteral("Code Postal"), correctedCode), 1, 0);
    modifyGrid->addWidget(correctedCode, 1, 1);
    modifyGrid->addLayout(row({saveCorrectionButton, deleteButton, closeCorrectionPanelButton}), 2,
                          0, 1, 2);
    layout->addWidget(correctionPanel);
    layout->addStretch();

    // Only the user's own typing empties the other field: a search never
    // erases the text being typed.
    connect(townSearch, &QLineEdit::textEdited, this, &PostalDirectoryWindow::onTownEdited);
    connect(codeSearch, &QLineEdit::textEdited, this, &PostalDirectoryWindow::onCodeEdited);
    // A double-click, or Enter from the keyboard, shows a town of the list.
    connect(townsOfCode, &QListWidget::itemDoubleClicked, this,
            &PostalDirectoryWindow::chooseListedTown);
    connect(townsOfCode, &QListWidget::itemActivated, this,
            &PostalDirectoryWindow::chooseListedTown);
    connect(previousTownButton, &QPushButton::clicked, this, [this] { step(false); });
    connect(nextTownButton, &QPushButton::clicked, this, [this] { step(true); });
    connect(addButton, &QPushButton::clicked, this, [this] { openPanel(newEntryPanel, newTown); });
    connect(modifyButton, &QPushButton::clicked, this,
            [this] { openPanel(correctionPanel, correctedTown); });
    connect(closeNewPanelButton, &QPushButton::clicked, newEntryPanel, &QWidget::hide);
    connect(closeCorrectionPanelButton, &QPushButton::clicked, correctionPanel, &QWidget::hide);
    connect(saveNewButton, &QPushButton::clicked, this, &PostalDirectoryWindow::saveNew);
    connect(saveCorrectionButton, &QPushButton::clicked, this,
            &PostalDirectoryWindow::saveCorrection);
    connect(deleteButton, &QPushButton::clicked, this, &PostalDirectoryWindow::deleteEntry);
    connect(newTown, &QLineEdit::returnPressed, saveNewButton, &QPushButton::click);
    connect(newCode, &QLineEdit::returnPressed, saveNewButton, &QPushButton::click);
    connect(correctedTown, &QLineEdit::returnPressed, saveCorrectionButton, &QPushButton::click);
    connect(correctedCode, &QLineEdit::returnPressed, saveCorrectionButton, &QPushButton::click);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({townSearch, codeSearch, previousTownButton, foundTown, nextTownButton,
                     townsOfCode, addButton, modifyButton, quitButton, newTown, newCode,
                     saveNewButton, closeNewPanelButton, correctedTown, correctedCode,
                     saveCorrectionButton, deleteButton, closeCorrectionPanelButton});
    setEscapeButton(quitButton);
    setMinimumWidth(460);
    placeOnScreen();
}

void PostalDirectoryWindow::onTownEdited(const QString& text) {
    if (!codeSearch->text().isEmpty()) {
        const QSignalBlocker quiet(codeSearch);
        codeSearch->clear();
        searchCode(QString());
    }
    searchTown(text);
}

void PostalDirectoryWindow::onCodeEdited(const QString& text) {
    if (!townSearch->text().isEmpty()) {
        const QSignalBlocker quiet(townSearch);
        townSearch->clear();
        searchTown(QString());
    }
    searchCode(text);
}

void PostalDirectoryWindow::searchTown(const QString& text) {
    setArrowsVisible(true);
    townsOfCode->clear();
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
        foundTown->clear();
        platform().messages.inform(notFound);
        break;
    default:
        tellConnectionFault();
        break;
    }
}

void PostalDirectoryWindow::searchCode(const QString& text) {
    foundTown->clear();
    const auto towns = directory_.townsWithCode(text);
    townsOfCode->clear();
    if (!towns) {
        tellConnectionFault();
        return;
    }
    townsOfCode->addItems(*towns);
}

void PostalDirectoryWindow::chooseListedTown(QListWidgetItem* item) {
    if (!item) return;
    // The town chosen is the entry a correction ("Modifier") goes to.
    // Not found: deleted or changed meanwhile (another copy of the program).
    showFound(directory_.chooseTownWithCode(item->text(), codeSearch->text()),
              QStringLiteral("Ville non trouvée"));
}

void PostalDirectoryWindow::step(bool forward) {
    const auto entry = forward ? directory_.next() : directory_.previous();
    if (entry) showEntry(*entry);
}

void PostalDirectoryWindow::showEntry(const PostalEntry& entry) {
    foundTown->setText(postalEntryText(entry));
    correctedTown->setText(entry.town);
    correctedCode->setText(entry.code);
}

void PostalDirectoryWindow::openPanel(QGroupBox* panel, QLineEdit* firstField) {
    (panel == newEntryPanel ? correctionPanel : newEntryPanel)->hide();
    panel->show();
    firstField->setFocus();
}

void PostalDirectoryWindow::saveNew() {
    const auto result = directory_.add({newTown->text(), newCode->text()});
    switch (result.outcome) {
    case PostalDirectory::Outcome::Done:
        // The new town is the current entry: a correction now goes to it.
        showEntry(result.entry);
        newEntryPanel->hide();
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
    const auto result = directory_.modifyCurrent({correctedTown->text(), correctedCode->text()});
    switch (result.outcome) {
    case PostalDirectory::Outcome::Done:
        showEntry(result.entry);
        correctionPanel->hide();
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
    const PostalEntry entry{correctedTown->text(), correctedCode->text()};
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
        foundTown->clear();
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
    previousTownButton->setVisible(visible);
    nextTownButton->setVisible(visible);
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
