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
    QLineEdit *TxtVilles, *TxtCodes;
    QListWidget* List1;
    QLabel* Label1;
    QLabel *Image1, *Image2; // the two pictures beside the title
    QPushButton *Command1, *Command2, *CmdNouv, *CmdModif, *CmdQuitter;
    QGroupBox *Frame1, *Frame2;
    QLineEdit *TxtVilNew, *TxtCodeNew, *TxtVilModif, *TxtCodeModif;
    QPushButton *CmdEnregNew, *Command3, *CmdEnregMod, *Command5, *Command4;
    QAction *Quitter, *Aide;
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
