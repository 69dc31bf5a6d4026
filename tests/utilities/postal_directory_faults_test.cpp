// SPDX-License-Identifier: GPL-3.0-or-later
// The postal directory on an installed copy and on a machine that fails:
// a new user's change lands in a copy of their own, made whole in a folder
// made for it, and every failure says its own cause in French, from the
// engine's error code; "n'est pas correctement connectée" only when the file
// cannot be opened at all. The database stays whole whatever happens.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/sqlite_fixture.h"
#include "support/typing.h"
#include "utilities/postal_directory_window.h"

namespace tovimar {
namespace {

using testing::control;
using testing::FakePlatform;
using testing::typeText;

using tovimar::testing::FileSizeLimit;

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString integrity(const QString& path) {
    return testing::queryRows(path, "PRAGMA integrity_check").join('|');
}

// An installed copy: the program's folder cannot be written, and the user's
// data folder does not exist yet.
class InstalledPostalDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        shipped = testing::copyShippedDatabase("Codespost.mdb", fake.folder());
        shippedBytes = bytesOf(shipped);
        userDir = home.filePath(".local/share/Tovimar/Tovimar-S");
        *fake.settings =
            SettingsFolder(fake.folder(), userDir, [](const QString&) { return false; });
    }
    PostalDirectoryWindow& open() {
        window = std::make_unique<PostalDirectoryWindow>(fake.windows());
        window->show();
        return *window;
    }
    void addTown(PostalDirectoryWindow& w, const QString& town, const QString& code) {
        QTest::mouseClick(control<QPushButton>(w, "CmdNouv"), Qt::LeftButton);
        typeText(control<QLineEdit>(w, "TxtVilNew"), town);
        typeText(control<QLineEdit>(w, "TxtCodeNew"), code);
        QTest::mouseClick(control<QPushButton>(w, "CmdEnregNew"), Qt::LeftButton);
    }

    FakePlatform fake;
    QTemporaryDir home;
    QString shipped, userDir;
    QByteArray shippedBytes;
    std::unique_ptr<PostalDirectoryWindow> window;
};

TEST_F(InstalledPostalDirectory, ANewUsersChangeLandsInACopyOfTheirOwn) {
    ASSERT_FALSE(QDir(userDir).exists());
    PostalDirectoryWindow& w = open();
    addTown(w, "VILLENEUVE-TOVIMAR", "99999");
    ASSERT_EQ(fake.messages.shown, QStringList{"VILLENEUVE-TOVIMAR rajouté"});
    const QString own = userDir + "/Codespost.mdb";
    EXPECT_EQ(testing::queryRows(own, "SELECT VILLE FROM LISTECOM WHERE CODE = '99999'"),
              QStringList{"VILLENEUVE-TOVIMAR"});
    EXPECT_EQ(integrity(own), "ok");
    EXPECT_EQ(QFile::permissions(own) & (QFile::ReadOther | QFile::WriteOther), 0);
    EXPECT_EQ(bytesOf(shipped), shippedBytes) << "the shipped file is never changed";
    EXPECT_EQ(QDir(userDir).entryList(QDir::Files | QDir::Hidden), QStringList{"Codespost.mdb"});
}

TEST_F(InstalledPostalDirectory, ACopyThatCannotBeMadeIsToldWithItsCauseAtTheChange) {
    {
        FileSizeLimit limit(4096); // far smaller than the directory
        open();
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << "searching needs no copy";
    control<QLineEdit>(*window, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*window, "TxtVilles"), "PARIS");
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join('|').toStdString();
    addTown(*window, "VILLENEUVE-TOVIMAR", "99999");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    const QString told = fake.messages.shown[0];
    EXPECT_TRUE(
        told.startsWith("La modification n'a pas été enregistrée : la copie personnelle "
                        "de la base de données CODESPOST n'a pas pu être faite.\n"
                        "Impossible d'enregistrer le fichier Codespost.mdb dans le dossier "))
        << told.toStdString();
    EXPECT_TRUE(told.contains("(la taille permise pour un fichier est dépassée). Rien n'a été "
                              "enregistré."))
        << told.toStdString();
    EXPECT_FALSE(told.contains("rajouté"));
    EXPECT_EQ(QDir(userDir).entryList(QDir::Files | QDir::Hidden), QStringList())
        << "nothing of the copy cut short is left";
    EXPECT_EQ(bytesOf(shipped), shippedBytes);
}

// The window over a copy of the directory in a writable program folder (a
// file locked by another program: postal_directory_window_test).
class FailingPostalDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        path = testing::copyShippedDatabase("Codespost.mdb", fake.folder());
        window = std::make_unique<PostalDirectoryWindow>(fake.windows());
        window->show();
    }
    void correctParis() {
        control<QLineEdit>(*window, "TxtVilles")->setFocus();
        QTest::keyClicks(control<QLineEdit>(*window, "TxtVilles"), "PARIS");
        QTest::mouseClick(control<QPushButton>(*window, "CmdModif"), Qt::LeftButton);
        control<QLineEdit>(*window, "TxtVilModif")->setText("LUTECE");
        fake.messages.shown.clear();
        QTest::mouseClick(control<QPushButton>(*window, "CmdEnregMod"), Qt::LeftButton);
    }

    FakePlatform fake;
    QString path;
    std::unique_ptr<PostalDirectoryWindow> window;
};

const QString kChangeFailed = "La modification n'a pas été enregistrée dans la base de données "
                              "CODESPOST (%1). La base est restée telle qu'elle était.";

TEST_F(FailingPostalDirectory, ADiskThatRefusesTheWriteSaysSoAndTheBaseStaysWhole) {
    const QStringList before = testing::queryRows(path, "SELECT VILLE, CODE FROM LISTECOM");
    {
        // Nothing may be written beyond the first KiB of a file: the journal
        // of the change cannot be written.
        FileSizeLimit limit(1024);
        correctParis();
    }
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0],
              kChangeFailed.arg("erreur de lecture ou d'écriture sur le disque"));
    EXPECT_EQ(testing::queryRows(path, "SELECT VILLE, CODE FROM LISTECOM"), before);
    EXPECT_EQ(integrity(path), "ok");
}

TEST_F(FailingPostalDirectory, AFileThatIsNoDatabaseSaysSo) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(8192, 'x'));
    file.close();
    control<QLineEdit>(*window, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*window, "TxtVilles"), "P");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0], "La base de données CODESPOST n'a pas pu être lue (le "
                                      "fichier n'est pas une base de données).");
    fake.messages.shown.clear();
    QTest::mouseClick(control<QPushButton>(*window, "CmdNouv"), Qt::LeftButton);
    typeText(control<QLineEdit>(*window, "TxtVilNew"), "PARIS");
    QTest::mouseClick(control<QPushButton>(*window, "CmdEnregNew"), Qt::LeftButton);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0],
              kChangeFailed.arg("le fichier n'est pas une base de données"));
    EXPECT_EQ(bytesOf(path), QByteArray(8192, 'x'));
}

// A file the engine may only read (its folder, or itself, not writable):
// searched as it is, a change refused as read-only, the file untouched.
TEST(DatabaseFailures, AFileThatCanOnlyBeReadRefusesAChangeAsReadOnly) {
    QTemporaryDir folder;
    const QString path = testing::copyShippedDatabase("Codespost.mdb", folder.path());
    const QByteArray before = bytesOf(path);
    PostalDirectory directory(path, DatabaseFile::Access::ReadOnly);
    EXPECT_EQ(directory.findTown("PARIS").outcome, PostalDirectory::Outcome::Done);
    EXPECT_EQ(directory.add({"VILLENEUVE-TOVIMAR", "99999"}).outcome,
              PostalDirectory::Outcome::Failed);
    EXPECT_EQ(directory.lastFailure().kind, DatabaseFailure::Kind::ReadOnly);
    EXPECT_EQ(databaseFailureCause(directory.lastFailure()),
              "le fichier ou son dossier est en lecture seule");
    EXPECT_EQ(bytesOf(path), before);
}

TEST(DatabaseFailures, EachEngineCodeHasItsFrenchCause) {
    struct Case {
        int code;
        DatabaseFailure::Kind kind;
        const char* cause;
    } cases[] = {
        {13, DatabaseFailure::Kind::DiskFull, "le disque est plein"},
        {8, DatabaseFailure::Kind::ReadOnly, "le fichier ou son dossier est en lecture seule"},
        {8 | (1 << 8), DatabaseFailure::Kind::ReadOnly,
         "le fichier ou son dossier est en lecture seule"},
        {5, DatabaseFailure::Kind::Locked,
         "le fichier est verrouillé par un autre programme ; réessayez dans un instant"},
        {6, DatabaseFailure::Kind::Locked,
         "le fichier est verrouillé par un autre programme ; réessayez dans un instant"},
        {26, DatabaseFailure::Kind::NotADatabase, "le fichier n'est pas une base de données"},
        {11, DatabaseFailure::Kind::Damaged, "le fichier est endommagé"},
        {10 | (3 << 8), DatabaseFailure::Kind::InputOutput,
         "erreur de lecture ou d'écriture sur le disque"},
        {14, DatabaseFailure::Kind::CannotOpen, "le fichier ne peut pas être ouvert"},
        {1, DatabaseFailure::Kind::Other, "erreur n° 1 de la base de données"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const DatabaseFailure failure = databaseFailureOf(
            QSqlError("driver", "database", QSqlError::StatementError, QString::number(c.code)));
        EXPECT_EQ(failure.kind, c.kind);
        EXPECT_EQ(databaseFailureCause(failure), QString::fromUtf8(c.cause));
    }
}

} // namespace
} // namespace tovimar
