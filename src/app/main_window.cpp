// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/moon_widget.h"
#include "app/window_links.h"
#include "core/text_lines.h"
#include "dating/term_settings_access.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/window_registry.h"
#include "utilities/payment_reminders.h"
#include "utilities/saint_of_the_day.h"

namespace tovimar {

MainWindow::MainWindow(WindowRegistry& windows) : windows_(windows), platform_(windows.platform()) {
    setObjectName("Form1");
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    auto* left = new QVBoxLayout;
    left->addWidget(buildDatingPanel());
    left->addWidget(buildConversionPanel());
    left->addWidget(buildUltrasoundPanel());
    left->addStretch();
    grid->addLayout(left, 0, 0);
    grid->addWidget(buildSchedulePanel(), 0, 1);
    grid->addWidget(buildAlmanacPanel(), 0, 2);
    setCentralWidget(central);
    buildMenus();
    linkWindows(*this);
    wireDating();
    wireUltrasound();
    wireSchedule();
    wireAlmanac();
    loadAtStartUp();
}

QString MainWindow::startOfPregnancyText() const {
    return startOfPregnancy->text();
}

MainWindow::~MainWindow() = default;

void MainWindow::loadAtStartUp() {
    const VbDate today = platform_.clock.today();
    adjustSize();
    centreOnScreen(this);
    const SaintOfTheDay saint = SAINT_DU_JOUR(today);
    saintLabel->setText(QString::fromStdString(saint.saint));
    proverbLabel->setText(QString::fromStdString(toLineFeeds(saint.proverb)));
    if (const auto warning = RAPPEL_ECHEANCES(today)) {
        // The warning's lines are long for the panel: they wrap.
        reminderLabel->setWordWrap(true);
        reminderLabel->setText(QString::fromStdString(toLineFeeds(*warning)));
        reminderLabel->show();
        reminderBlink->start();
    }
    setWindowTitle(QStringLiteral("Calculette Obstétricale") + QString(40, ' ') +
                   QString::fromStdString(today.toText()));
    for (int weeks = 2; weeks <= 43; ++weeks)
        weekList->addItem(QString::number(weeks));
    {
        // Selecting the default entry is not a choice of the user.
        const QSignalBlocker quiet(weekList);
        weekList->setCurrentRow(4);
    }
    // The settings are read once, here; the main window keeps those of its
    // start (the editor says saved changes apply at the next start).
    TermSettingsModel& settings = termSettingsModel(windows_);
    settings.tellIfNotWhole();
    termSettings_ = settings.saved();
    termBounds_ = TermBounds::of(termSettings_);
    moonDate->setText(QString::fromStdString(today.toText()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The end of the program: every other window closes with it; nothing is saved.
    windows_.closeAll();
    event->accept();
    QCoreApplication::quit();
}

QAction* MainWindow::action(const QString& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

} // namespace tovimar
