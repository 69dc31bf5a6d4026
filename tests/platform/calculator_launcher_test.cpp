// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/calculator_launcher.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tovimar {
namespace {

using Outcome = CalculatorLauncher::Outcome;

// Runs the test with PATH set to one folder, then puts it back.
class PathOnly {
  public:
    explicit PathOnly(const QString& folder) : saved_(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(folder));
    }
    ~PathOnly() { qputenv("PATH", saved_); }

  private:
    QByteArray saved_;
};

// A folder of PATH whose name a shell would cut and run in pieces.
class FakeBin {
  public:
    FakeBin() : bin(base.filePath("bin; touch pwned $(id)")) { QDir().mkpath(bin); }
    // A calculator that writes its own name into `marker` when started.
    void install(const QString& name, const QByteArray& interpreter = "/bin/sh") const {
        QFile script(bin + "/" + name);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!" + interpreter + "\necho " + name.toUtf8() + " > \"$0.started\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner);
    }
    QString started(const QString& name) const {
        QFile file(bin + "/" + name + ".started");
        for (int i = 0; i < 100 && !file.exists(); ++i)
            QTest::qWait(50);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().trimmed())
                                              : QString();
    }
    QTemporaryDir base;
    QString bin;
};

TEST(CalculatorLauncher, LooksForTheDesktopsCalculatorsBeforeTheX11One) {
    EXPECT_EQ(desktopCalculators().first(), "gnome-calculator");
    EXPECT_EQ(desktopCalculators().last(), "xcalc");
    struct Case {
        QStringList installed;
        QString found;
    };
    const Case cases[] = {
        {{"xcalc", "galculator"}, "galculator"},
        {{"xcalc", "kcalc", "gnome-calculator"}, "gnome-calculator"},
        {{"mate-calc", "kcalc"}, "kcalc"},
        {{"xcalc", "mate-calc"}, "mate-calc"},
        {{"xcalc"}, "xcalc"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        FakeBin fake;
        for (const QString& name : c.installed)
            fake.install(name);
        PathOnly path(fake.bin);
        EXPECT_EQ(findDesktopCalculator(), c.found.isEmpty() ? "" : fake.bin + "/" + c.found)
            << c.installed.join(' ').toStdString();
    }
}

TEST(CalculatorLauncher, StartsTheFirstFoundWithoutAShellAndShowsTheProgramBusyMeanwhile) {
    FakeBin fake;
    fake.install("xcalc");
    fake.install("galculator");
    SystemCalculatorLauncher launcher(300);
    CalculatorLauncher::Result result;
    {
        PathOnly path(fake.bin);
        result = launcher.start();
    }
    EXPECT_EQ(result.outcome, Outcome::Started);
    EXPECT_EQ(result.program, fake.bin + "/galculator");
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr) << "no busy pointer";
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    // Started from its own path as it is, folder name and all.
    EXPECT_EQ(fake.started("galculator"), "galculator");
    EXPECT_FALSE(QFile::exists(fake.base.filePath("pwned")));
    EXPECT_FALSE(QFile::exists("pwned"));
    // The pointer is the usual one again once the time is up.
    for (int i = 0; i < 40 && QGuiApplication::overrideCursor(); ++i)
        QTest::qWait(50);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CalculatorLauncher, TellsWhenNoneIsInstalledOrItWouldNotStart) {
    SystemCalculatorLauncher launcher;
    {
        QTemporaryDir empty;
        PathOnly path(empty.path());
        EXPECT_EQ(launcher.start().outcome, Outcome::NoneInstalled);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    FakeBin fake;
    fake.install("kcalc", "/nonexistent/interpreter");
    PathOnly path(fake.bin);
    const auto result = launcher.start();
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(result.program, fake.bin + "/kcalc");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the pointer stays busy";
}

} // namespace
} // namespace tovimar
