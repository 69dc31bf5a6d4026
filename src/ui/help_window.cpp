// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/messages.h"
#include "platform/screen_placement.h"
#include "ui/accessibility.h"
#include "ui/controls.h"

namespace tovimar {
namespace {

bool systemPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Imprimer l'aide"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent, PrinterChoice choosePrinter)
    : QWidget(parent, Qt::Window),
      choosePrinter_(choosePrinter ? std::move(choosePrinter) : PrinterChoice(systemPrintDialog)) {
    setObjectName("HelpWindow");
    announceAsWindow(this);
    setWindowTitle(QStringLiteral("Aide de Tovimar-S"));

    back_ = named(new QPushButton(QStringLiteral("◀ &Précédent"), this), "HelpBack",
                  QStringLiteral("Page précédente"));
    back_->setToolTip(QStringLiteral("Revenir à la page précédente (Alt+Gauche)"));
    forward_ = named(new QPushButton(QStringLiteral("S&uivant ▶"), this), "HelpForward",
                     QStringLiteral("Page suivante"));
    forward_->setToolTip(QStringLiteral("Aller à la page suivante (Alt+Droite)"));
    home_ = named(new QPushButton(QStringLiteral("&Sommaire"), this), "HelpHome",
                  QStringLiteral("Sommaire de l'aide"));
    print_ = named(new QPushButton(QStringLiteral("&Imprimer…"), this), "HelpPrint",
                   QStringLiteral("Imprimer cette page de l'aide"));
    print_->setToolTip(QStringLiteral("Imprimer la page affichée (Ctrl+P)"));

    auto* searchLabel = new QLabel(QStringLiteral("&Rechercher :"), this);
    searchField_ =
        named(new QLineEdit(this), "HelpSearch", QStringLiteral("Rechercher dans l'aide"));
    searchField_->setPlaceholderText(QStringLiteral("mot à chercher"));
    searchField_->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchField_);
    findNext_ = named(new QPushButton(QStringLiteral("&Chercher"), this), "HelpFindNext",
                      QStringLiteral("Occurrence suivante"));
    findNext_->setToolTip(QStringLiteral("Occurrence suivante (F3)"));
    searchStatus_ = new QLabel(this);
    searchStatus_->setObjectName("HelpSearchStatus");

    auto* contentsLabel = new QLabel(QStringLiteral("S&ommaire"), this);
    contents_ = new QListWidget(this);
    contents_->setObjectName("HelpContents");
    contents_->setAccessibleName(QStringLiteral("Sommaire de l'aide"));
    // Long titles wrap onto a second line instead of being cut.
    contents_->setWordWrap(true);
    contents_->setTextElideMode(Qt::ElideNone);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contents_->setResizeMode(QListView::Adjust);
    contentsLabel->setBuddy(contents_);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpText");
    browser_->setAccessibleName(QStringLiteral("Texte de l'aide"));
    browser_->setOpenLinks(false);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(back_), static_cast<QWidget*>(forward_),
                       static_cast<QWidget*>(home_), static_cast<QWidget*>(print_)})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(searchLabel);
    bar->addWidget(searchField_, 1);
    bar->addWidget(findNext_);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(contentsLabel);
    sideLayout->addWidget(contents_, 1);
    sideLayout->addWidget(searchStatus_);
    searchStatus_->setWordWrap(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 610});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    // Tab follows the reading order: the buttons, the search, the contents, the text.
    setTabOrder(back_, forward_);
    setTabOrder(forward_, home_);
    setTabOrder(home_, print_);
    setTabOrder(print_, searchField_);
    setTabOrder(searchField_, findNext_);
    setTabOrder(findNext_, contents_);
    setTabOrder(contents_, browser_);

    connect(back_, &QPushButton::clicked, this, &HelpWindow::back);
    connect(forward_, &QPushButton::clicked, this, &HelpWindow::forward);
    connect(home_, &QPushButton::clicked, this,
            [this] { showAnchor(helpAnchor(HelpViewer::kContents)); });
    connect(print_, &QPushButton::clicked, this, &HelpWindow::print);
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        if (foldForSearch(searchField_->text()) == foldForSearch(searched_) && !found_.empty())
            findNext();
        else
            search(searchField_->text());
    });
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().isEmpty()) search(QString());
    });
    connect(findNext_, &QPushButton::clicked, this, [this] {
        if (foldForSearch(searchField_->text()) == foldForSearch(searched_) && !found_.empty())
            findNext();
        else
            search(searchField_->text());
    });
    // The page follows the topic highlighted, by the arrow keys as by the mouse.
    connect(contents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) showAnchor(item->data(Qt::UserRole).toString());
    });
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showAnchor(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showAnchor(item->data(Qt::UserRole).toString()); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);

    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Back, [this] { back(); });
    shortcut(QKeySequence::Forward, [this] { forward(); });
    shortcut(QKeySequence::Print, [this] { print(); });
    shortcut(QKeySequence::Find, [this] {
        searchField_->setFocus();
        searchField_->selectAll();
    });
    shortcut(QKeySequence::FindNext, [this] { findNext(); });
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });

    updateButtons();
    resize(860, 640);
    centreOnScreen(this);
}

bool HelpWindow::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    if (!document_.parse(QString::fromUtf8(file.readAll()))) return false;
    listSections({});
    history_.clear();
    position_ = -1;
    current_ = -1;
    showSection(0, QString());
    history_.push_back(document_.sections().front().anchor);
    position_ = 0;
    updateButtons();
    return true;
}

QString HelpWindow::currentSection() const {
    return current_ < 0 ? QString() : document_.sections()[current_].anchor;
}

bool HelpWindow::showAnchor(const QString& anchor) {
    const int index = document_.sectionOf(anchor);
    if (index < 0) return false;
    showSection(index, anchor);
    // A new page cuts the pages ahead, as in a web browser.
    if (position_ < 0 || history_[position_] != anchor) {
        history_.resize(position_ + 1);
        history_.push_back(anchor);
        position_ = int(history_.size()) - 1;
    }
    updateButtons();
    return true;
}

void HelpWindow::back() {
    if (position_ <= 0) return;
    --position_;
    showSection(document_.sectionOf(history_[position_]), history_[position_]);
    updateButtons();
}

void HelpWindow::forward() {
    if (position_ + 1 >= int(history_.size())) return;
    ++position_;
    showSection(document_.sectionOf(history_[position_]), history_[position_]);
    updateButtons();
}

void HelpWindow::showSection(int index, const QString& anchor) {
    if (index < 0) return;
    const HelpSection& section = document_.sections()[index];
    if (index != current_) {
        browser_->setHtml(section.html);
        current_ = index;
        setWindowTitle(QStringLiteral("Aide de Tovimar-S — ") + section.title);
        markOccurrences();
    }
    if (anchor.isEmpty() || anchor == section.anchor)
        browser_->verticalScrollBar()->setValue(0);
    else
        browser_->scrollToAnchor(anchor);
    for (int row = 0; row < contents_->count(); ++row) {
        QListWidgetItem* item = contents_->item(row);
        if (item->data(Qt::UserRole).toString() == section.anchor) {
            const QSignalBlocker quiet(contents_);
            contents_->setCurrentItem(item);
        }
    }
}

void HelpWindow::followLink(const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) {
        showAnchor(url.fragment());
        return;
    }
    // References cited in the help (the publications' pages) open outside.
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        QDesktopServices::openUrl(url);
}

void HelpWindow::listSections(const std::vector<int>& shown) {
    // Filling the list changes its current entry: that is not the user's choice.
    const QSignalBlocker quiet(contents_);
    contents_->clear();
    const auto& sections = document_.sections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!shown.empty() && std::find(shown.begin(), shown.end(), int(i)) == shown.end())
            continue;
        auto* item = new QListWidgetItem(sections[i].title, contents_);
        item->setData(Qt::UserRole, sections[i].anchor);
        if (int(i) == current_) contents_->setCurrentItem(item);
    }
}

bool HelpWindow::search(const QString& words) {
    searched_ = words.trimmed();
    found_ = searched_.isEmpty() ? std::vector<int>{} : document_.search(searched_);
    if (searched_.isEmpty()) {
        searchStatus_->clear();
        listSections({});
        markOccurrences();
        return false;
    }
    if (found_.empty()) {
        searchStatus_->setText(
            QStringLiteral("Aucune page de l'aide ne contient « %1 ».").arg(searched_));
        listSections({});
        markOccurrences();
        return false;
    }
    searchStatus_->setText(
        found_.size() == 1
            ? QStringLiteral("1 page contient « %1 ».").arg(searched_)
            : QStringLiteral("%1 pages contiennent « %2 ».").arg(found_.size()).arg(searched_));
    listSections(found_);
    const bool here = std::find(found_.begin(), found_.end(), current_) != found_.end();
    if (here) {
        markOccurrences();
        browser_->moveCursor(QTextCursor::Start);
        findNext();
    } else {
        showAnchor(document_.sections()[found_.front()].anchor);
        browser_->moveCursor(QTextCursor::Start);
        findNext();
    }
    return true;
}

void HelpWindow::findNext() {
    if (found_.empty()) return;
    const QRegularExpression pattern(accentInsensitivePattern(searched_),
                                     QRegularExpression::CaseInsensitiveOption);
    if (browser_->find(pattern)) return;
    // The end of this page: the next page found, from its top.
    auto next = std::upper_bound(found_.begin(), found_.end(), current_);
    const int index = next == found_.end() ? found_.front() : *next;
    if (index != current_) showAnchor(document_.sections()[index].anchor);
    browser_->moveCursor(QTextCursor::Start);
    browser_->find(pattern);
}

void HelpWindow::markOccurrences() {
    QList<QTextEdit::ExtraSelection> marks;
    if (!searched_.isEmpty() && !found_.empty()) {
        const QRegularExpression pattern(accentInsensitivePattern(searched_),
                                         QRegularExpression::CaseInsensitiveOption);
        QTextDocument* text = browser_->document();
        for (QTextCursor at = text->find(pattern); !at.isNull(); at = text->find(pattern, at)) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = at;
            // Dark text on the yellow mark, whatever the colour of the page's text.
            mark.format.setBackground(QColor(0xff, 0xe0, 0x66));
            mark.format.setForeground(QColor(0x00, 0x00, 0x00));
            marks.append(mark);
        }
    }
    browser_->setExtraSelections(marks);
}

std::unique_ptr<QTextDocument> paperCopy(const QTextDocument& page) {
    std::unique_ptr<QTextDocument> paper(page.clone());
    struct Span {
        int from, length;
        bool link;
    };
    std::vector<Span> spans; // gathered first: a change of format merges fragments
    for (QTextBlock block = paper->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextFragment f = it.fragment(); f.isValid())
                spans.push_back({f.position(), f.length(), f.charFormat().isAnchor()});
    for (const Span& s : spans) {
        QTextCursor span(paper.get());
        span.setPosition(s.from);
        span.setPosition(s.from + s.length, QTextCursor::KeepAnchor);
        QTextCharFormat ink;
        ink.setForeground(s.link ? QColor(0x00, 0x00, 0x8b) : QColor(0x00, 0x00, 0x00));
        span.mergeCharFormat(ink);
    }
    return paper;
}

bool HelpWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!choosePrinter_(printer, this)) return false;
    paperCopy(*browser_->document())->print(&printer);
    return true;
}

void HelpWindow::updateButtons() {
    back_->setEnabled(position_ > 0);
    forward_->setEnabled(position_ + 1 < int(history_.size()));
}

HelpWindowViewer::HelpWindowViewer(QString helpFilePath, Messages& messages)
    : path_(std::move(helpFilePath)), messages_(messages) {}

HelpWindowViewer::~HelpWindowViewer() {
    delete window_;
}

void HelpWindowViewer::showTopic(int topic) {
    if (!window_) {
        auto* window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (!window->load(path_)) {
            delete window;
            messages_.inform(QStringLiteral("Le fichier d'aide %1 est introuvable ou illisible.")
                                 .arg(QDir::toNativeSeparators(path_)));
            return;
        }
        window_ = window;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (!window_->showAnchor(helpAnchor(topic)))
        messages_.inform(
            QStringLiteral("L'aide ne contient pas encore de page pour ce sujet (n° %1).")
                .arg(topic));
}

} // namespace tovimar
