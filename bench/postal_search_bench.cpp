// SPDX-License-Identifier: GPL-3.0-or-later
// A keystroke in the postal directory's town search, from the key to the town
// shown in Label1, on the shipped 35,000-row directory, against the floor of
// any such search: opening the SQLite file through Qt SQL, running one
// indexed query and closing it again.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <benchmark/benchmark.h>

#include "core/french_folding.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/sqlite_fixture.h"
#include "utilities/postal_directory.h"
#include "utilities/postal_directory_window.h"

namespace {

using namespace tovimar;
using tovimar::testing::control;

// The texts a practitioner types, one a keystroke.
const QString kTyped[] = {"P", "PA", "PAR", "SAINT E", "BERRE L'", "É", "ZUY", "LYON"};

void OpenQueryClose(benchmark::State& state) {
    testing::FakePlatform fake;
    const QString path = testing::copyShippedDatabase("Codespost.mdb", fake.folder());
    std::size_t i = 0;
    for (auto _ : state) {
        const QString key =
            QString::fromStdString(foldTownName(kTyped[i++ % std::size(kTyped)].toStdString()));
        QString town;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "floor");
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            query.prepare("SELECT VILLE, CODE FROM LISTECOM WHERE CLE >= ? ORDER BY CLE LIMIT 1");
            query.addBindValue(key);
            query.exec();
            if (query.next()) town = query.value(0).toString();
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("floor");
        if (town.isEmpty()) state.SkipWithError("the floor query found nothing");
        benchmark::DoNotOptimize(town);
    }
}
BENCHMARK(OpenQueryClose)->Unit(benchmark::kMicrosecond);

void DirectoryFindTown(benchmark::State& state) {
    testing::FakePlatform fake;
    PostalDirectory directory(testing::copyShippedDatabase("Codespost.mdb", fake.folder()));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto found = directory.findTown(kTyped[i++ % std::size(kTyped)]);
        if (found.outcome != PostalDirectory::Outcome::Done)
            state.SkipWithError("the directory found nothing");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(DirectoryFindTown)->Unit(benchmark::kMicrosecond);

// One key typed into the town field: alternately a letter and Backspace, so
// that every key runs a search.
void KeystrokeToLabel1(benchmark::State& state) {
    testing::FakePlatform fake;
    testing::copyShippedDatabase("Codespost.mdb", fake.folder());
    PostalDirectoryWindow window(fake.windows());
    window.show();
    control<QLineEdit>(window, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(window, "TxtVilles"), "SAINT E");
    bool letter = true;
    for (auto _ : state) {
        if (letter)
            QTest::keyClick(control<QLineEdit>(window, "TxtVilles"), Qt::Key_T);
        else
            QTest::keyClick(control<QLineEdit>(window, "TxtVilles"), Qt::Key_Backspace);
        letter = !letter;
        if (control<QLabel>(window, "Label1")->text().isEmpty())
            state.SkipWithError("no town shown");
    }
    if (!fake.messages.shown.isEmpty()) state.SkipWithError("a message was shown");
}
BENCHMARK(KeystrokeToLabel1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
