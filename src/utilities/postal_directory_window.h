// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Codes Postaux": finds French postal codes by town and towns by code, and
// lets the practitioner add, correct and delete entries of Codespost.mdb.

#include "ui/tool_window.h"
#include "utilities/postal_directory.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tovimar {

class PostalDirectoryWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit PostalDirectoryWindow(WindowRegistry& windows);

  private:
    QLineEdit *townSearch, *codeSearch;
    QListWidget* townsOfCode;
    QLabel* foundTown;
    QLabel *envelopePicture, *pinPicture; // the two pictures beside the title
    QPushButton *previousTownButton, *nextTownButton, *addButton, *modifyButton, *quitButton;
    QGroupBox *newEntryPanel, *correctionPanel;
    QLineEdit *newTown, *newCode, *correctedTown, *correctedCode;
    QPushButton *saveNewButton, *closeNewPanelButton, *saveCorrectionButton, *deleteButton,
        *closeCorrectionPanelButton;
    QAction *quitAction, *helpAction;

    void build();
    void onTownEdited(const QString& text);
    void onCodeEdited(const QString& text);
    void searchTown(const QString& text);
    void searchCode(const QString& text);
    void chooseListedTown(QListWidgetItem* item);
    void step(bool forward);
    void showEntry(const PostalEntry& entry);
    void showFound(const PostalDirectory::Result& result, const QString& notFound);
    void openPanel(QGroupBox* panel, QLineEdit* firstField);
    void saveNew();
    void saveCorrection();
    void deleteEntry();
    void setArrowsVisible(bool visible);
    // A search, or a change, that failed: its cause told in French.
    void tellConnectionFault();
    void tellChangeFault();

    // Why the user's own copy of the directory could not be made (empty when it was).
    QString copyFailure_;
    PostalDirectory directory_;
};

} // namespace tovimar
