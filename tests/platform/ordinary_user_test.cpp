// SPDX-License-Identifier: GPL-3.0-or-later
// An installed copy as an ordinary user meets it: folders and files the
// system refuses to write (root passes through every permission, so these
// run only as another user: scripts/test-full-disk.sh runs them as nobody).
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <unistd.h>

#include "biometry/chart_page.h"
#include "biometry/growth_chart.h"
#include "platform/report_destination.h"
#include "platform/settings_folder.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/sqlite_fixture.h"
#include "support/typing.h"
#include "utilities/postal_directory_window.h"

using namespace tovimar;
using tovimar::testing::control;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
const QFile::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

class OrdinaryUser : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP()
                << "root writes everywhere: run as another user (scripts/test-full-disk.sh)";
    }
};

// The program folder of an installed copy cannot be written, and a new user
// has no data folder yet: the first change makes both the folder and a copy.
TEST_F(OrdinaryUser, AChangeToThePostalDirectoryOnAFreshInstallationLandsInTheUsersCopy) {
    tovimar::testing::FakePlatform fake;
    QTemporaryDir home;
    const QString shipped = tovimar::testing::copyShippedDatabase("Codespost.mdb", fake.folder());
    const QByteArray shippedBytes = bytesOf(shipped);
    ASSERT_TRUE(
        QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(fake.folder(), kReadOnlyFolder));
    const QString userDir = home.filePath(".local/share/Tovimar/Tovimar-S");
    // The folder's own probe decides, as at a real start.
    *fake.settings = SettingsFolder(fake.folder(), userDir);
    {
        PostalDirectoryWindow window(fake.windows());
        window.show();
        QTest::mouseClick(control<QPushButton>(window, "CmdNouv"), Qt::LeftButton);
        tovimar::testing::typeText(control<QLineEdit>(window, "TxtVilNew"), "VILLENEUVE-TOVIMAR");
        tovimar::testing::typeText(control<QLineEdit>(window, "TxtCodeNew"), "99999");
        QTest::mouseClick(control<QPushButton>(window, "CmdEnregNew"), Qt::LeftButton);
    }
    EXPECT_EQ(fake.messages.shown, QStringList{"VILLENEUVE-TOVIMAR rajouté"});
    const QString own = userDir + "/Codespost.mdb";
    EXPECT_EQ(tovimar::testing::queryRows(own, "SELECT VILLE FROM LISTECOM WHERE CODE = '99999'"),
              QStringList{"VILLENEUVE-TOVIMAR"});
    EXPECT_EQ(tovimar::testing::queryRows(own, "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_EQ(bytesOf(shipped), shippedBytes);
    QFile::setPermissions(fake.folder(), kWritableFolder);
}

// A directory file the user may read but not write: searched, and a change
// says it is read-only instead of "n'est pas correctement connectée".
TEST_F(OrdinaryUser, APostalFileTheUserCannotWriteSaysSo) {
    tovimar::testing::FakePlatform fake;
    const QString path = tovimar::testing::copyShippedDatabase("Codespost.mdb", fake.folder());
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    PostalDirectoryWindow window(fake.windows());
    window.show();
    control<QLineEdit>(window, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(window, "TxtVilles"), "PARIS");
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join('|').toStdString();
    QTest::mouseClick(control<QPushButton>(window, "CmdModif"), Qt::LeftButton);
    control<QLineEdit>(window, "TxtVilModif")->setText("LUTECE");
    QTest::mouseClick(control<QPushButton>(window, "CmdEnregMod"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown,
              QStringList{"La modification n'a pas été enregistrée dans la base de données "
                          "CODESPOST (le fichier ou son dossier est en lecture seule). La base est "
                          "restée telle qu'elle était."});
}

// A page or a chart asked into a folder the user cannot write.
TEST_F(OrdinaryUser, APageOrAChartIntoAFolderTheUserCannotWriteSaysSoAndLeavesNothing) {
    QTemporaryDir folder, memoryFolder;
    ASSERT_TRUE(QFile::setPermissions(folder.path(), kReadOnlyFolder));
    const QString page = folder.filePath("planning.pdf");
    QSettings memory(memoryFolder.filePath("memoire.ini"), QSettings::IniFormat);
    PrinterDestination::Dialogs dialogs;
    dialogs.printersAvailable = [] { return false; };
    dialogs.chooseFolder = [](const QString&) { return QString(); };
    dialogs.chooseFile = [page](const QString&) { return page; };
    dialogs.choosePrinter = [](QPrinter&) { return true; };
    PrinterDestination destination(memory, dialogs);
    tovimar::testing::RecordingMessages messages;
    EXPECT_FALSE(printReport(destination, messages, PrintMode::PdfFile, "Planning",
                             [](ReportPrinter& p) { p.print({"Une ligne"}); }));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              "Impossible d'enregistrer le fichier planning.pdf dans le dossier " + folder.path() +
                  " (permission refusée). Rien n'a été "
                  "enregistré.");
    ChartPage chart;
    chart.chart = *growthChart(Measure::Bip);
    QString error;
    EXPECT_FALSE(saveChartSvg(folder.filePath("courbe.svg"), chart, &error));
    EXPECT_TRUE(error.contains("(permission refusée). Rien n'a été enregistré."))
        << error.toStdString();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(folder.path(), kWritableFolder);
}

} // namespace
