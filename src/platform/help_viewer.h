#pragma once
// The help file TOVIMAR.HLP: one HTML document, a section per topic.

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tovimar {

class Messages;

class HelpViewer {
  public:
    static constexpr int kContents = 0;
    virtual ~HelpViewer() = default;
    // Opens the help at a topic number (40, 50, ...) or at the contents page.
    virtual void showTopic(int topic) = 0;
};

// The anchor of a topic in the help file: "sommaire" or "sujet-40".
QString helpAnchor(int topic);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // False when the file cannot be read.
    bool load(const QString& path);
    void showAnchor(const QString& anchor);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

// Shows the help in one window, created on first use.
class HelpWindowViewer : public HelpViewer {
  public:
    HelpWindowViewer(QString helpFilePath, Messages& messages);
    ~HelpWindowViewer() override;
    void showTopic(int topic) override;

  private:
    QString path_;
    Messages& messages_;
    QPointer<HelpWindow> window_;
};

} // namespace tovimar
