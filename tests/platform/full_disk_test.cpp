// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of file on a real full disk: run by scripts/test-full-disk.sh,
// which mounts a small tmpfs and names it in TOVIMAR_DISQUE_PLEIN (skipped
// otherwise). The disk is filled to the last few KiB, or to the last byte,
// then each writer of the program is run on it: the previous file stays byte
// for byte, nothing is left beside it, the database stays whole, and the user
// reads "le disque est plein".
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "biometry/chart_page.h"
#include "biometry/growth_chart.h"
#include "platform/atomic_file.h"
#include "platform/report_destination.h"
#include "platform/settings_folder.h"
#include "support/fake_platform.h"
#include "support/sqlite_fixture.h"
#include "utilities/postal_directory.h"

using namespace tovimar;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A folder on the small disk, and a filler file that takes all its room but
// `leftBytes`.
class FullDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString disk = qEnvironmentVariable("TOVIMAR_DISQUE_PLEIN");
        if (disk.isEmpty()) GTEST_SKIP() << "no small disk (scripts/test-full-disk.sh, as root)";
        folder = std::make_unique<QTemporaryDir>(disk + "/essai-XXXXXX");
        ASSERT_TRUE(folder->isValid());
        filler = disk + "/remplissage";
    }
    void TearDown() override {
        QFile::remove(filler);
        folder.reset();
    }
    void fill(qint64 leftBytes) {
        const int fd = ::open(QFile::encodeName(filler).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        static const char block[4096] = {};
        while (::write(fd, block, sizeof block) > 0) {
        }
        ASSERT_EQ(errno, ENOSPC);
        if (leftBytes > 0) {
            const off_t size = ::lseek(fd, 0, SEEK_END);
            ASSERT_EQ(::ftruncate(fd, std::max<off_t>(0, size - leftBytes)), 0);
        }
        ::close(fd);
    }
    void makeRoom() { QFile::remove(filler); }
    QString path(const QString& name) const { return folder->filePath(name); }
    QStringList files() const {
        return QDir(folder->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> folder;
    QString filler;
};

ChartPage chartPage() {
    ChartPage page;
    page.title = QStringLiteral("Fémur");
    page.details = QStringLiteral("Courbe imprimée le 15/03/2010.");
    page.chart = *growthChart(Measure::Fem);
    return page;
}

bool printPdf(const QString& target, QString* told) {
    QTemporaryDir memoryFolder; // off the full disk
    QSettings memory(memoryFolder.filePath("memoire.ini"), QSettings::IniFormat);
    PrinterDestination::Dialogs dialogs;
    dialogs.printersAvailable = [] { return false; };
    dialogs.chooseFolder = [](const QString&) { return QString(); };
    dialogs.chooseFile = [target](const QString&) { return target; };
    dialogs.choosePrinter = [](QPrinter&) { return true; };
    PrinterDestination destination(memory, dialogs);
    tovimar::testing::RecordingMessages messages;
    const bool printed =
        printReport(destination, messages, PrintMode::PdfFile, "Planning", [](ReportPrinter& p) {
            for (int i = 0; i < 200; ++i)
                p.print({QStringLiteral("Ligne %1").arg(i)});
        });
    *told = messages.shown.join('|');
    return printed;
}

TEST_F(FullDisk, EveryFileWrittenOnAFullDiskLeavesThePreviousOneWhole) {
    struct Kind {
        const char* name;
        std::function<bool(const QString&, QString*)> write;
    } kinds[] = {
        {"term.tvx", [](const QString& p,
                        QString* e) { return writeFileWhole(p, std::string(64 * 1024, 'x'), e); }},
        {"planning.pdf", printPdf},
        {"courbe.pdf",
         [](const QString& p, QString* e) { return saveChartPdf(p, chartPage(), e); }},
        {"courbe.svg",
         [](const QString& p, QString* e) { return saveChartSvg(p, chartPage(), e); }},
        {"Codespost.mdb",
         [](const QString& p, QString* e) {
             const QString source = QFileInfo(p).absolutePath() + "/../source.mdb";
             return copyFileWhole(source, p, 0600, e);
         }},
    };
    put(folder->filePath("../source.mdb"), QByteArray(256 * 1024, 's'));
    for (qint64 left : {qint64(0), qint64(6 * 1024)}) {
        for (const Kind& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + " with bytes free: " + std::to_string(left));
            const QByteArray previous = "the previous file, whole";
            put(path(kind.name), previous);
            fill(left);
            QString told;
            EXPECT_FALSE(kind.write(path(kind.name), &told));
            EXPECT_TRUE(told.contains("(le disque est plein). Le fichier précédent est conservé "
                                      "tel quel."))
                << told.toStdString();
            EXPECT_FALSE(told.contains("La page a été enregistrée")) << told.toStdString();
            EXPECT_EQ(bytesOf(path(kind.name)), previous);
            EXPECT_EQ(files(), QStringList{kind.name});
            makeRoom();
            EXPECT_TRUE(kind.write(path(kind.name), &told)) << told.toStdString();
            EXPECT_NE(bytesOf(path(kind.name)), previous);
            QFile::remove(path(kind.name));
        }
    }
    QFile::remove(folder->filePath("../source.mdb"));
}

TEST_F(FullDisk, APostalChangeOnAFullDiskIsRefusedWithItsCauseAndTheBaseStaysWhole) {
    const QString db = tovimar::testing::copyShippedDatabase("Codespost.mdb", folder->path());
    const QStringList before = tovimar::testing::queryRows(db, "SELECT VILLE, CODE FROM LISTECOM");
    fill(0);
    PostalDirectory directory(db);
    PostalDirectory::Result added;
    // Enough rows to need new pages of the file, beyond what its free pages hold.
    for (int i = 0; i < 400; ++i) {
        added = directory.add({QStringLiteral("VILLE NOUVELLE %1").arg(i), "99999"});
        if (added.outcome != PostalDirectory::Outcome::Done) break;
    }
    EXPECT_EQ(added.outcome, PostalDirectory::Outcome::Failed);
    EXPECT_EQ(directory.lastFailure().kind, DatabaseFailure::Kind::DiskFull)
        << directory.lastFailure().engineText.toStdString();
    EXPECT_EQ(databaseFailureCause(directory.lastFailure()), "le disque est plein");
    makeRoom();
    EXPECT_EQ(tovimar::testing::queryRows(db, "PRAGMA integrity_check"), QStringList{"ok"});
    // Each row the engine said it stored is there, and none other.
    const QStringList after = tovimar::testing::queryRows(db, "SELECT VILLE, CODE FROM LISTECOM");
    EXPECT_GE(after.size(), before.size());
    for (qsizetype i = before.size(); i < after.size(); ++i)
        EXPECT_TRUE(after[i].startsWith("VILLE NOUVELLE ")) << after[i].toStdString();
}

} // namespace
