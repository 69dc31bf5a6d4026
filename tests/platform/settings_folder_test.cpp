// SPDX-License-Identifier: GPL-3.0-or-later
// Where settings are read and saved, and how a save fails.
#include "platform/settings_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/file_size_limit.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tovimar;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SettingsFolder, AWritableProgramFolderKeepsTheSettings) {
    QTemporaryDir program, user;
    write(program.filePath("term.tvx"), "\"a\"\r\n");
    SettingsFolder folder(program.path(), user.filePath("tovimar"));
    EXPECT_EQ(folder.settingsDir(), program.path());
    EXPECT_EQ(folder.read("term.tvx"), "\"a\"\r\n");
    EXPECT_TRUE(folder.write("term.tvx", "\"b\"\r\n"));
    EXPECT_EQ(read(program.filePath("term.tvx")), "\"b\"\r\n");
    EXPECT_FALSE(QDir(user.filePath("tovimar")).exists());
    EXPECT_FALSE(folder.read("absent.tvx"));
}

TEST(SettingsFolder, AnInstalledCopyKeepsItsSavesInTheUsersFolder) {
    QTemporaryDir program, user;
    write(program.filePath("term.tvx"), "\"shipped\"\r\n");
    write(program.filePath("options.tvx"), "\"\",\"\"\r\n");
    const QString userDir = user.filePath("Tovimar-S");
    auto readOnly = [](const QString&) { return false; };
    {
        SettingsFolder folder(program.path(), userDir, readOnly);
        EXPECT_EQ(folder.settingsDir(), userDir);
        EXPECT_EQ(folder.read("term.tvx"), "\"shipped\"\r\n");
        EXPECT_TRUE(folder.write("term.tvx", "\"mine\"\r\n"));
    }
    EXPECT_EQ(read(program.filePath("term.tvx")), "\"shipped\"\r\n");
    // The next start keeps the user's own copy, not the shipped one.
    SettingsFolder again(program.path(), userDir, readOnly);
    EXPECT_EQ(again.read("term.tvx"), "\"mine\"\r\n");
    EXPECT_EQ(again.read("options.tvx"), "\"\",\"\"\r\n");
}

TEST(SettingsFolder, AFailedSaveLeavesThePreviousFileWholeAndSaysWhy) {
    QTemporaryDir program;
    write(program.filePath("term.tvx"), "\"previous\"\r\n");
    SettingsFolder folder(program.path(), QString());
    // A folder that does not exist stands for a full or vanished disk.
    SettingsFolder gone(program.filePath("nowhere"), QString(),
                        [](const QString&) { return true; });
    QString error;
    EXPECT_FALSE(gone.write("term.tvx", "\"new\"\r\n", &error));
    EXPECT_EQ(error, "Impossible d'enregistrer le fichier term.tvx dans le dossier " +
                         program.filePath("nowhere") +
                         " (le dossier n'existe pas). Rien n'a été enregistré.");
    // A folder standing where the file should be cannot be replaced.
    QDir(program.path()).mkdir("options.tvx");
    EXPECT_FALSE(folder.write("options.tvx", "x", &error));
    EXPECT_TRUE(error.contains("(un dossier porte le nom du fichier). Le fichier précédent est "
                               "conservé tel quel."))
        << error.toStdString();
    EXPECT_EQ(read(program.filePath("term.tvx")), "\"previous\"\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"term.tvx"}));
}

TEST(SettingsFolder, TheValueReadAtTheNextStartIsTheValueLastSaved) {
    QTemporaryDir program, user;
    write(program.filePath("term.tvx"), "\"shipped\"\r\n");
    const QString userDir = user.filePath("Tovimar-S");
    bool programWritable = false;
    auto writable = [&](const QString& dir) { return dir == userDir || programWritable; };

    // The program folder is briefly unwritable: the save goes to the user's folder...
    EXPECT_TRUE(SettingsFolder(program.path(), userDir, writable).write("term.tvx", "\"one\"\r\n"));
    EXPECT_EQ(read(program.filePath("term.tvx")), "\"shipped\"\r\n");
    // ...and once it is writable again, the next start still reads the saved value,
    // and saves go on replacing it.
    programWritable = true;
    SettingsFolder next(program.path(), userDir, writable);
    EXPECT_EQ(next.settingsDir(), program.path());
    EXPECT_EQ(next.read("term.tvx"), "\"one\"\r\n");
    EXPECT_TRUE(next.write("term.tvx", "\"two\"\r\n"));
    EXPECT_EQ(SettingsFolder(program.path(), userDir, writable).read("term.tvx"), "\"two\"\r\n");
    // A file never saved by the user is read and saved in the program's folder.
    write(program.filePath("options.tvx"), "\"o\"\r\n");
    EXPECT_TRUE(next.write("options.tvx", "\"p\"\r\n"));
    EXPECT_EQ(read(program.filePath("options.tvx")), "\"p\"\r\n");
    EXPECT_FALSE(QFile::exists(userDir + "/options.tvx"));
}

TEST(SettingsFolder, AReadOnlyProgramFolderWithAnUnwritableHomeStillReadsTheShippedFile) {
    QTemporaryDir program, home;
    write(program.filePath("term.tvx"), "\"shipped\"\r\n");
    // A user's folder that cannot be made: a file stands where its parent should be.
    write(home.filePath("not-a-folder"), "x");
    const QString userDir = home.filePath("not-a-folder/Tovimar-S");
    SettingsFolder folder(program.path(), userDir, [](const QString&) { return false; });
    EXPECT_EQ(folder.read("term.tvx"), "\"shipped\"\r\n");
    QString error;
    EXPECT_FALSE(folder.write("term.tvx", "\"new\"\r\n", &error));
    EXPECT_TRUE(error.contains("(un élément du chemin n'est pas un dossier)"))
        << error.toStdString();
    EXPECT_EQ(folder.read("term.tvx"), "\"shipped\"\r\n");
}

using tovimar::testing::FileSizeLimit;

TEST(SettingsFolder, ASaveThatRunsOutOfSpaceKeepsThePreviousFileAndSaysSoInFrench) {
    QTemporaryDir program;
    const QByteArray previous = "\"14\",\"7\",\"98\"\r\n";
    write(program.filePath("term.tvx"), previous);
    SettingsFolder folder(program.path(), QString());
    const std::string longer(4096, 'x');
    QString error;
    bool saved = true;
    {
        FileSizeLimit limit(1024);
        saved = folder.write("term.tvx", longer, &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, "Impossible d'enregistrer le fichier term.tvx dans le dossier " +
                         program.path() +
                         " (la taille permise pour un fichier est dépassée). Le fichier "
                         "précédent est conservé tel quel.");
    EXPECT_EQ(read(program.filePath("term.tvx")), previous);
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"term.tvx"}));
    // Within the limit, the same folder saves.
    EXPECT_TRUE(folder.write("term.tvx", "\"ok\"\r\n"));
}

TEST(SettingsFolder, ASaveKilledHalfwayLeavesThePreviousFileAndItsLeftoverGoesAtTheNextStart) {
    QTemporaryDir program;
    const QByteArray previous = "\"previous\"\r\n";
    write(program.filePath("term.tvx"), previous);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The size limit's signal kills the process in the middle of its write.
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limited{};
        getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &limited);
        SettingsFolder(program.path(), QString()).write("term.tvx", std::string(8192, 'x'));
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was expected to be killed";
    EXPECT_EQ(read(program.filePath("term.tvx")), previous);
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "the killed save leaves its temporary file";
    SettingsFolder next(program.path(), QString());
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"term.tvx"}));
    EXPECT_EQ(next.read("term.tvx"), previous.toStdString());
}

TEST(SettingsFolder, TheProgramFolderComesFromTheOptionOrTheEnvironment) {
    EXPECT_EQ(programFolderFromArguments({"tovimar", "--dossier", "/srv/tovimar"}), "/srv/tovimar");
    qputenv("TOVIMAR_DOSSIER", "/opt/tovimar");
    EXPECT_EQ(programFolderFromArguments({"tovimar"}), "/opt/tovimar");
    qunsetenv("TOVIMAR_DOSSIER");
}

} // namespace
