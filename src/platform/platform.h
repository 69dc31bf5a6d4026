// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's contacts with its platform, gathered so that a window can be
// built with real ones or with test doubles.

namespace tovimar {

class Messages;
class TextPrompt;
class Clock;
class SettingsFolder;
class HelpViewer;
class ReportDestination;
class CalculatorLauncher;
class Clipboard;

struct Platform {
    Messages& messages;
    TextPrompt& prompt;
    const Clock& clock;
    SettingsFolder& settings;
    HelpViewer& help;
    ReportDestination& reports;
    CalculatorLauncher& calculator;
    Clipboard& clipboard;
};

} // namespace tovimar
