// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles for the platform: messages recorded and answered from a
// script, a fixed today, a temporary program folder, a recorded help request.

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

#include "app/window_links.h"
#include "core/vb_date.h"
#include "platform/calculator_launcher.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/settings_folder.h"
#include "platform/text_prompt.h"
#include "support/recording_report_destination.h"
#include "ui/window_registry.h"

namespace tovimar::testing {

class RecordingMessages : public Messages {
  public:
    void inform(const QString& text) override { shown.append(text); }
    Answer askYesNoCancel(const QString& text) override {
        shown.append(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    Answer askWarning(const QString& title, const QString& text, Icon icon,
                      bool withCancel) override {
        warnings.append(title + (icon == Icon::Stop ? " [stop" : " [question") +
                        (withCancel ? ", annuler]" : "]"));
        return askYesNoCancel(text);
    }
    QStringList shown;
    QStringList warnings; // title and icon of each warning question
    std::deque<Answer> answers;
};

class ScriptedPrompt : public TextPrompt {
  public:
    QString ask(const QString& prompt) override {
        asked.append(prompt);
        return answer;
    }
    QStringList asked;
    QString answer;
};

class FixedClock : public Clock {
  public:
    VbDate today() const override { return day; }
    VbDate day = *readFrenchDate("15/03/2010");
};

class RecordingHelp : public HelpViewer {
  public:
    void showTopic(int topic) override { topics.push_back(topic); }
    std::vector<int> topics;
};

// Records each start of the desktop calculator and answers as told.
class RecordingCalculator : public CalculatorLauncher {
  public:
    Result start() override {
        ++starts;
        return answer;
    }
    int starts = 0;
    Result answer{Outcome::Started, QStringLiteral("/usr/bin/gnome-calculator")};
};

// Keeps what was put on the clipboard, and how many times.
class RecordingClipboard : public Clipboard {
  public:
    void setText(const QString& t) override {
        text = t;
        ++copies;
    }
    QString text;
    int copies = 0;
};

// A whole platform over a fresh temporary program folder.
class FakePlatform {
  public:
    // term.tvx as shipped, unless a test writes its own before building windows.
    FakePlatform();
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    QString folder() const { return dir.path(); }
    void setToday(const char* text) { clock.day = *readFrenchDate(text); }
    // A window registry over this platform, for building windows in a test.
    WindowRegistry& windows() {
        if (!registry) {
            registry = std::make_unique<WindowRegistry>(*platform);
            linkToolWindows(*registry);
        }
        return *registry;
    }

    QTemporaryDir dir;
    RecordingMessages messages;
    ScriptedPrompt prompt;
    FixedClock clock;
    RecordingHelp help;
    RecordingReportDestination reports;
    RecordingCalculator calculator;
    RecordingClipboard clipboard;
    std::unique_ptr<SettingsFolder> settings;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<WindowRegistry> registry; // its windows close before the platform goes
    // A window the test builds itself (the main window), closed before the registry's.
    void keepUntilEnd(QWidget* window) { kept.emplace_back(window); }
    std::vector<std::unique_ptr<QWidget>> kept;
};

inline const QByteArray kShippedTerm =
    "\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"210\",\"238\",\"250\",\"77\",\"97\"\r\n";

} // namespace tovimar::testing

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
