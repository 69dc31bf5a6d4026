// SPDX-License-Identifier: GPL-3.0-or-later
// Where a report goes when no printer is available: a PDF file, in a folder
// that exists, and under a name the user gives when asked to choose the printer.
#include "platform/report_destination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tovimar;

namespace {

// A home folder of its own for the test, so that the documents folder is ours.
class NoPrinterDestination : public ::testing::Test {
  protected:
    NoPrinterDestination() {
        savedHome_ = qgetenv("HOME");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
        dialogs.printersAvailable = [] { return false; };
        dialogs.chooseFolder = [this](const QString& start) {
            offered.append(start);
            offeredExisted.push_back(QFileInfo(start).isDir());
            return folderAnswer;
        };
        dialogs.chooseFile = [this](const QString& suggested) {
            suggestedFiles.append(suggested);
            return fileAnswer;
        };
        dialogs.choosePrinter = [](QPrinter&) { return false; };
    }
    ~NoPrinterDestination() override {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfig_);
    }

    QTemporaryDir home, out;
    QSettings memory{out.filePath("memoire.ini"), QSettings::IniFormat};
    PrinterDestination::Dialogs dialogs;
    QStringList offered, suggestedFiles;
    std::vector<bool> offeredExisted;
    QString folderAnswer, fileAnswer;

  private:
    QByteArray savedHome_, savedConfig_;
};

TEST_F(NoPrinterDestination, TheFolderOfferedForPdfPagesExists) {
    PrinterDestination destination(memory, dialogs);
    // The documents folder is made when missing...
    EXPECT_FALSE(destination.start(PrintMode::CurrentPrinter, "Planning"));
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered[0], home.filePath("Documents"));
    EXPECT_TRUE(offeredExisted[0]);
    EXPECT_FALSE(destination.lastRefusal().isEmpty());
    // ...and when it cannot be made, the home folder is offered.
    QDir(home.filePath("Documents")).removeRecursively();
    QFile blocker(home.filePath("Documents"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(destination.start(PrintMode::CurrentPrinter, "Planning"));
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(QDir(offered[1]).canonicalPath(), QDir(home.path()).canonicalPath());
    EXPECT_TRUE(offeredExisted[1]);
}

TEST_F(NoPrinterDestination, ChoosingThePrinterWithoutAnyAsksTheFileNameEveryTime) {
    PrinterDestination destination(memory, dialogs);
    fileAnswer = out.filePath("planning");
    for (int i = 0; i < 2; ++i) {
        auto job = destination.start(PrintMode::ChoosePrinter, "Planning de grossesse");
        ASSERT_TRUE(job);
        EXPECT_EQ(job->pdfPath, out.filePath("planning.pdf"));
        // The choice was the file: the page is not asked for a printer again.
        EXPECT_TRUE(job->printer->choosePrinter());
    }
    EXPECT_EQ(suggestedFiles.size(), 2);
    EXPECT_TRUE(offered.isEmpty()); // no folder asked
    // The second offer opens in the folder of the first file.
    EXPECT_TRUE(suggestedFiles[1].startsWith(out.path() + "/Planning de grossesse "))
        << suggestedFiles[1].toStdString();
    // Giving up the name prints nothing, and is no error.
    fileAnswer.clear();
    EXPECT_FALSE(destination.start(PrintMode::ChoosePrinter, "Planning"));
    EXPECT_TRUE(destination.lastRefusal().isEmpty());
    EXPECT_EQ(suggestedFiles.size(), 3);
}

} // namespace
