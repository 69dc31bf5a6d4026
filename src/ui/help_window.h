// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file TOVIMAR.HLP: one HTML document, a section per topic, shown by
// a help window with its contents list, back and forward, search and print.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/help_document.h"
#include "platform/help_viewer.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QTextDocument;
class QTextBrowser;
class QUrl;

namespace tovimar {

class Messages;

// A copy of a page for paper: its text black and its links dark blue, whatever
// the desktop's colours the page took when it was read (light links on a dark
// desktop would hardly show on white paper).
std::unique_ptr<QTextDocument> paperCopy(const QTextDocument& page);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Asks where to print (the system's print dialog, which also offers a PDF
    // file); false when the user cancels.
    using PrinterChoice = std::function<bool(QPrinter&, QWidget* parent)>;

    explicit HelpWindow(QWidget* parent = nullptr, PrinterChoice choosePrinter = {});
    // False when the file cannot be read or holds no section.
    bool load(const QString& path);
    // Shows the section holding the anchor, scrolled to it; it joins the
    // history. False (nothing changes) when no section holds it.
    bool showAnchor(const QString& anchor);

    void back();
    void forward();
    // Lists the sections holding the words and shows the first, its
    // occurrences marked. False when no section holds them.
    bool search(const QString& words);
    // The next occurrence of the searched words, in this section or the next
    // one found.
    void findNext();
    // Prints the section shown. False when the user cancelled.
    bool print();

    QTextBrowser* browser() const { return browser_; }
    const HelpDocument& document() const { return document_; }
    // The anchor of the section shown ("sommaire", "sujet-40"...).
    QString currentSection() const;

  private:
    void showSection(int index, const QString& anchor);
    void followLink(const QUrl& url);
    void markOccurrences();
    void listSections(const std::vector<int>& shown);
    void updateButtons();

    HelpDocument document_;
    PrinterChoice choosePrinter_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* home_;
    QPushButton* print_;
    QLineEdit* searchField_;
    QPushButton* findNext_;
    QLabel* searchStatus_;
    QListWidget* contents_;
    QTextBrowser* browser_;
    int current_ = -1;
    std::vector<QString> history_; // anchors visited
    int position_ = -1;            // where in the history the window is
    QString searched_;             // the words of the last search
    std::vector<int> found_;       // the sections holding them
};

// Shows the help in one window, created on first use.
class HelpWindowViewer : public HelpViewer {
  public:
    HelpWindowViewer(QString helpFilePath, Messages& messages);
    ~HelpWindowViewer() override;
    void showTopic(int topic) override;
    HelpWindow* window() const { return window_; }

  private:
    QString path_;
    Messages& messages_;
    QPointer<HelpWindow> window_;
};

} // namespace tovimar
