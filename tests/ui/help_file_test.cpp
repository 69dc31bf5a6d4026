// SPDX-License-Identifier: GPL-3.0-or-later
// The help file shipped with the program and its viewer.
#include "ui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "support/fake_platform.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

const QString kHelpFile = QStringLiteral(TOVIMAR_SOURCE_DIR "/data/TOVIMAR.HLP");

TEST(HelpFile, HasTheContentsPageAndEveryTopicTheWindowsAskFor) {
    QFile file(kHelpFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (int topic : {HelpViewer::kContents, 40, 50, 60, 70, 125, 130, 141, 142}) {
        const QString anchor = QStringLiteral("name=\"%1\"").arg(helpAnchor(topic));
        EXPECT_EQ(html.count(anchor), 1) << anchor.toStdString();
    }
    for (const char* page : {"datation", "reglages-terme", "calendrier-suivi", "conges",
                             "datation-echo", "impression-planning", "en-tete"})
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(page))) << page;
    // The shipped settings are explained.
    for (const char* fact :
         {"14 semaines de grossesse", "77", "97", "98", "125", "210", "238", "250"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(fact))) << fact;
}

TEST(HelpWindow, OpensAtATopicAndReportsAMissingFile) {
    RecordingMessages messages;
    HelpWindowViewer viewer(kHelpFile, messages);
    viewer.showTopic(HelpViewer::kContents);
    auto* browser = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "HelpWindow" && w->isVisible())
                return w->findChild<QTextBrowser*>();
        return static_cast<QTextBrowser*>(nullptr);
    }();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->document()->toPlainText().contains("Sommaire"));
    EXPECT_TRUE(messages.shown.isEmpty());

    HelpWindowViewer missing("/nulle/part/TOVIMAR.HLP", messages);
    missing.showTopic(40);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("Le fichier d'aide"));
}

} // namespace
