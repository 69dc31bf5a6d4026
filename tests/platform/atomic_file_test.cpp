// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of file the program writes lands whole or not at all, and the
// user is told which: settings, printed pages in PDF, growth charts in PDF and
// SVG, the user's copy of a database. A file-size limit (its signal ignored)
// makes the disk refuse writes as a full disk does, without root.
#include "platform/atomic_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "biometry/chart_page.h"
#include "biometry/growth_chart.h"
#include "platform/report_destination.h"
#include "platform/settings_folder.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"

using namespace tovimar;

namespace {

using tovimar::testing::FileSizeLimit;

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

ChartPage sampleChartPage() {
    ChartPage page;
    page.title = QStringLiteral("Diamètre Bipariétal");
    page.details = QStringLiteral("Mesure : 53 mm à 22 Sem. A., le 15/03/2010.");
    page.chart = *growthChart(Measure::Bip);
    return page;
}

// A report of a few pages, so that its PDF is larger than the limits below.
void composeLongReport(ReportPrinter& printer) {
    printer.setCentimetreGrid(2, 2);
    for (int i = 0; i < 150; ++i)
        printer.print(
            {QStringLiteral("Ligne %1 du planning de grossesse, à l'échographie").arg(i)});
}

// A printed page saved as the PDF file the user names (the file dialog asked
// before replacing it): what the user was told, and whether it said "saved".
struct PrintedPage {
    bool saved = false;
    QStringList told;
};

PrintedPage printToPdf(const QString& path) {
    QTemporaryDir memoryFolder;
    QSettings memory(memoryFolder.filePath("memoire.ini"), QSettings::IniFormat);
    PrinterDestination::Dialogs dialogs;
    dialogs.printersAvailable = [] { return false; };
    dialogs.chooseFolder = [](const QString&) { return QString(); };
    dialogs.chooseFile = [path](const QString&) { return path; };
    dialogs.choosePrinter = [](QPrinter&) { return true; };
    PrinterDestination destination(memory, dialogs);
    tovimar::testing::RecordingMessages messages;
    PrintedPage page;
    page.saved = printReport(destination, messages, PrintMode::PdfFile,
                             QStringLiteral("Planning de grossesse"), composeLongReport);
    page.told = messages.shown;
    return page;
}

// Each kind of file, written to `path`; false with the French message.
struct Kind {
    const char* name;
    const char* extension;
    std::function<bool(const QString& path, QString* error)> write;
    std::function<bool(const QString& path)> whole;
};

std::vector<Kind> kinds() {
    // The shipped file of the database copy, made before any limit.
    static QTemporaryDir shippedFolder;
    const QString shipped = shippedFolder.filePath("Codespost.mdb");
    if (!QFile::exists(shipped)) put(shipped, QByteArray(64 * 1024, 'd'));
    const auto pdfWhole = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && pdfIsWhole(f);
    };
    return {
        {"settings", ".tvx",
         [](const QString& path, QString* error) {
             return writeFileWhole(path, std::string(4096, 'x'), error);
         },
         [](const QString& path) { return bytesOf(path) == QByteArray(4096, 'x'); }},
        {"printed page", ".pdf",
         [](const QString& path, QString* error) {
             const PrintedPage page = printToPdf(path);
             if (page.told.size() != 1) {
                 *error = page.told.join('|');
                 return false;
             }
             *error = page.told[0];
             // Said to be saved when and only when it was.
             EXPECT_EQ(page.saved, page.told[0].startsWith("La page a été enregistrée"))
                 << page.told[0].toStdString();
             return page.saved;
         },
         pdfWhole},
        {"chart PDF", ".pdf",
         [](const QString& path, QString* error) {
             return saveChartPdf(path, sampleChartPage(), error);
         },
         pdfWhole},
        {"chart SVG", ".svg",
         [](const QString& path, QString* error) {
             return saveChartSvg(path, sampleChartPage(), error);
         },
         [](const QString& path) {
             QFile f(path);
             return f.open(QIODevice::ReadOnly) && svgIsWhole(f);
         }},
        {"database copy", ".mdb",
         [shipped](const QString& path, QString* error) {
             return copyFileWhole(shipped, path, 0600, error);
         },
         [](const QString& path) { return bytesOf(path) == QByteArray(64 * 1024, 'd'); }},
    };
}

TEST(EveryFile, OnADiskThatRefusesTheWritesThePreviousFileStaysByteForByteAndTheCauseIsTold) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ancien") + kind.extension);
        const QByteArray previous = "the previous file, whole";
        put(path, previous);
        QString error;
        bool saved = true;
        {
            FileSizeLimit limit(1024); // smaller than every new file
            saved = kind.write(path, &error);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(bytesOf(path), previous);
        EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("ancien") + kind.extension})
            << "nothing of the new file is left";
        EXPECT_TRUE(error.contains(QStringLiteral("ancien") + kind.extension))
            << error.toStdString();
        EXPECT_TRUE(error.contains("(la taille permise pour un fichier est dépassée). Le fichier "
                                   "précédent est conservé tel quel."))
            << error.toStdString();
        EXPECT_FALSE(error.contains("enregistrée dans")) << error.toStdString();
        // With room again, the same writer replaces the file with a whole one.
        EXPECT_TRUE(kind.write(path, &error)) << error.toStdString();
        EXPECT_TRUE(kind.whole(path));
        EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("ancien") + kind.extension});
    }
}

TEST(EveryFile, WithoutAPreviousFileAFailedWriteLeavesNoFileAtAll) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        for (rlim_t limit : {rlim_t(0), rlim_t(700), rlim_t(3000)}) {
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("nouveau") + kind.extension);
            QString error;
            bool saved = true;
            {
                FileSizeLimit limited(limit);
                saved = kind.write(path, &error);
            }
            EXPECT_FALSE(saved) << limit;
            EXPECT_TRUE(filesIn(folder.path()).isEmpty())
                << filesIn(folder.path()).join(' ').toStdString();
            EXPECT_TRUE(error.contains("(la taille permise pour un fichier est dépassée). Rien "
                                       "n'a été enregistré."))
                << error.toStdString();
        }
    }
}

TEST(EveryFile, AFolderThatCannotTakeTheFileSaysSoAndLeavesNothing) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("absent/fichier") + kind.extension);
        QString error;
        // The database copy makes its folder; a file standing in its way stops it.
        put(folder.filePath("absent"), "not a folder");
        EXPECT_FALSE(kind.write(path, &error));
        EXPECT_TRUE(error.contains("(un élément du chemin n'est pas un dossier)") ||
                    error.contains("Impossible de créer le dossier"))
            << error.toStdString();
        EXPECT_EQ(filesIn(folder.path()), QStringList{"absent"});
    }
}

// What Qt's writers leave when the disk fills in the middle: the PDF's or the
// SVG's own ending tells a cut file from a whole one.
TEST(EveryFile, ACutPdfOrSvgIsToldFromAWholeOne) {
    QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(saveChartPdf(folder.filePath("c.pdf"), sampleChartPage(), &error));
    ASSERT_TRUE(saveChartSvg(folder.filePath("c.svg"), sampleChartPage(), &error));
    struct Case {
        const char* file;
        std::function<bool(QIODevice&)> whole;
    } cases[] = {{"c.pdf", pdfIsWhole}, {"c.svg", svgIsWhole}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        QByteArray bytes = bytesOf(folder.filePath(c.file));
        QBuffer whole(&bytes);
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        EXPECT_TRUE(c.whole(whole));
        const qsizetype n = bytes.size();
        for (qsizetype cut : {qsizetype(0), qsizetype(10), n / 8, n / 2, n - 200, n - 20, n - 7}) {
            QByteArray cutBytes = bytes.left(cut);
            QBuffer buffer(&cutBytes);
            ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
            EXPECT_FALSE(c.whole(buffer)) << "cut at " << cut << " of " << n;
        }
    }
    // A PDF missing a block in its middle (a write lost, the next ones kept):
    // its table is no longer where its trailer says.
    QByteArray holed = bytesOf(folder.filePath("c.pdf"));
    holed.remove(holed.size() / 3, 4096);
    QBuffer buffer(&holed);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_FALSE(pdfIsWhole(buffer));
}

TEST(PdfPages, ANameAlreadyTakenGetsAFreeOneAndTheMessageNamesIt) {
    QTemporaryDir folder;
    const QString taken = folder.filePath("Planning 2026-12-10 15h40m00s.pdf");
    put(taken, "someone else's page");
    put(folder.filePath("Planning 2026-12-10 15h40m00s (2).pdf"), "another one");
    EXPECT_EQ(freeFileName(taken), folder.filePath("Planning 2026-12-10 15h40m00s (3).pdf"));
    AtomicFile file(taken, AtomicFile::Replace::Never);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("new page"));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(file.writtenPath(), folder.filePath("Planning 2026-12-10 15h40m00s (3).pdf"));
    EXPECT_EQ(bytesOf(taken), "someone else's page");
    EXPECT_EQ(bytesOf(file.writtenPath()), "new page");
}

// Two copies of the program making the user's copy of a database at once:
// the one put there first is kept (changes may already have gone to it).
TEST(DatabaseCopy, ACopyAnotherCopyOfTheProgramMadeMeanwhileIsKept) {
    QTemporaryDir folder;
    put(folder.filePath("shipped.mdb"), "shipped");
    put(folder.filePath("own.mdb"), "the other copy's, already changed");
    QString error;
    EXPECT_TRUE(copyFileWhole(folder.filePath("shipped.mdb"), folder.filePath("own.mdb"), 0600,
                              &error, AtomicFile::Replace::KeepExisting))
        << error.toStdString();
    EXPECT_EQ(bytesOf(folder.filePath("own.mdb")), "the other copy's, already changed");
    EXPECT_EQ(filesIn(folder.path()), (QStringList{"own.mdb", "shipped.mdb"}));
    // With none there, the copy is made, readable by its owner only.
    EXPECT_TRUE(copyFileWhole(folder.filePath("shipped.mdb"), folder.filePath("sub/new.mdb"), 0600,
                              &error, AtomicFile::Replace::KeepExisting));
    EXPECT_EQ(bytesOf(folder.filePath("sub/new.mdb")), "shipped");
    EXPECT_EQ(QFile::permissions(folder.filePath("sub/new.mdb")) &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
}

// Four pages printed at once with no printer go to the remembered folder
// under names to the second: each lands in a file of its own, whole, and
// each message names the file written.
TEST(PdfPages, PagesPrintedInTheSameSecondEachGetTheirOwnFile) {
    QTemporaryDir folder, memoryFolder;
    QSettings memory(memoryFolder.filePath("memoire.ini"), QSettings::IniFormat);
    memory.setValue("impression/dossier_pdf", folder.path());
    PrinterDestination::Dialogs dialogs;
    dialogs.printersAvailable = [] { return false; };
    dialogs.chooseFolder = [](const QString&) { return QString(); };
    dialogs.chooseFile = [](const QString&) { return QString(); };
    dialogs.choosePrinter = [](QPrinter&) { return true; };
    PrinterDestination destination(memory, dialogs);
    tovimar::testing::RecordingMessages messages;
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(printReport(destination, messages, PrintMode::CurrentPrinter,
                                QStringLiteral("Biométrie"), composeLongReport));
    ASSERT_EQ(messages.shown.size(), 4);
    QStringList named;
    for (const QString& message : messages.shown) {
        const QString prefix = "La page a été enregistrée au format PDF dans le fichier :\n";
        ASSERT_TRUE(message.startsWith(prefix)) << message.toStdString();
        named << message.mid(prefix.size());
    }
    named.removeDuplicates();
    EXPECT_EQ(named.size(), 4) << "one file per page";
    EXPECT_EQ(filesIn(folder.path()).size(), 4);
    for (const QString& path : named) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(pdfIsWhole(f)) << path.toStdString();
    }
}

// Two copies of the program: one starting (or writing into the same folder)
// while the other saves keeps its hands off the other's temporary file; the
// file of a copy that was killed goes.
TEST(TemporaryFiles, ASaveUnderWayInAnotherCopyIsLeftAloneAndAKilledOnesLeftoverGoes) {
    QTemporaryDir folder;
    put(folder.filePath("term.tvx"), "\"previous\"\r\n");
    int ready[2], finish[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(finish), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The other copy: a save under way, then killed before it ends.
        AtomicFile file(folder.filePath("term.tvx"));
        const bool opened = file.open() && file.write("\"half");
        char c = opened ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        (void)!::read(finish[0], &c, 1);
        if (c == 'k') ::kill(::getpid(), SIGKILL);
        _exit(file.commit() ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    ASSERT_EQ(filesIn(folder.path()).size(), 2);
    // This copy starts, and saves in the same folder, meanwhile.
    SettingsFolder starting(folder.path(), QString());
    EXPECT_TRUE(starting.write("options.tvx", "\"mine\"\r\n"));
    removeLeftoverTemporaryFiles(folder.path());
    EXPECT_EQ(filesIn(folder.path()).size(), 3) << "the other copy's file is still there";
    // The other copy is killed in the middle of its save.
    c = 'k';
    ASSERT_EQ(::write(finish[1], &c, 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(filesIn(folder.path()).size(), 3) << "its leftover stays until the next start";
    SettingsFolder next(folder.path(), QString());
    EXPECT_EQ(filesIn(folder.path()), (QStringList{"options.tvx", "term.tvx"}));
    EXPECT_EQ(bytesOf(folder.filePath("term.tvx")), "\"previous\"\r\n");
    for (int fd : {ready[0], ready[1], finish[0], finish[1]})
        ::close(fd);
}

TEST(TemporaryFiles, TheOtherCopysSaveEndsWellWhileThisOneStarts) {
    QTemporaryDir folder;
    put(folder.filePath("term.tvx"), "\"previous\"\r\n");
    int ready[2], finish[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(finish), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFile file(folder.filePath("term.tvx"));
        const bool opened = file.open() && file.write("\"theirs\"\r\n");
        char c = opened ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        (void)!::read(finish[0], &c, 1);
        _exit(file.commit() ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    SettingsFolder starting(folder.path(), QString());
    c = 'g';
    ASSERT_EQ(::write(finish[1], &c, 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the other copy's save went through";
    EXPECT_EQ(bytesOf(folder.filePath("term.tvx")), "\"theirs\"\r\n");
    EXPECT_EQ(filesIn(folder.path()), QStringList{"term.tvx"});
    for (int fd : {ready[0], ready[1], finish[0], finish[1]})
        ::close(fd);
}

} // namespace
