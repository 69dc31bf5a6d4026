#include "platform/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/messages.h"
#include "platform/screen_placement.h"

namespace tovimar {

QString helpAnchor(int topic) {
    return topic == HelpViewer::kContents ? QStringLiteral("sommaire")
                                          : QStringLiteral("sujet-%1").arg(topic);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(QStringLiteral("Aide de Tovimar-S"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpText");
    browser_->setAccessibleName(QStringLiteral("Aide"));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 640);
    centreOnScreen(this);
}

bool HelpWindow::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    browser_->setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

void HelpWindow::showAnchor(const QString& anchor) {
    browser_->scrollToAnchor(anchor);
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
    window_->showAnchor(helpAnchor(topic));
}

} // namespace tovimar
