// Where settings are read and saved, and how a save fails.
#include "platform/settings_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(SettingsFolder, AnInstalledCopyKeepsItsSettingsInTheUsersFolderSeededOnce) {
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
    EXPECT_TRUE(error.startsWith("Impossible d'enregistrer le fichier term.tvx"))
        << error.toStdString();
    EXPECT_TRUE(error.contains("Le fichier précédent est conservé"));
    // A folder standing where the file should be cannot be replaced.
    QDir(program.path()).mkdir("options.tvx");
    EXPECT_FALSE(folder.write("options.tvx", "x", &error));
    EXPECT_EQ(read(program.filePath("term.tvx")), "\"previous\"\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files), QStringList({"term.tvx"}));
}

TEST(SettingsFolder, TheProgramFolderComesFromTheOptionOrTheEnvironment) {
    EXPECT_EQ(programFolderFromArguments({"tovimar", "--dossier", "/srv/tovimar"}), "/srv/tovimar");
    qputenv("TOVIMAR_DOSSIER", "/opt/tovimar");
    EXPECT_EQ(programFolderFromArguments({"tovimar"}), "/opt/tovimar");
    qunsetenv("TOVIMAR_DOSSIER");
}

} // namespace
