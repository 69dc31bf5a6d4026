// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <langinfo.h>

namespace {

// The windows are tested under the users' locale, fr_FR.UTF-8 (ctest sets it;
// a run started by hand gets it too). A locale the machine lacks would leave
// the C library in C without a word: the run stops instead, saying why.
bool underTheFrenchLocale() {
    const char* asked = std::getenv("LC_ALL");
    if (!asked || !*asked) {
        setenv("LC_ALL", "fr_FR.UTF-8", 1);
        asked = "fr_FR.UTF-8";
    }
    const char* set = std::setlocale(LC_ALL, "");
    if (!set) {
        std::fprintf(stderr,
                     "ui_tests: the locale %s is not installed; the window tests would run in C.\n"
                     "Run scripts/install-dependencies.sh (it generates fr_FR.UTF-8).\n",
                     asked);
        return false;
    }
    if (std::strncmp(set, "fr_FR", 5) != 0 || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        std::fprintf(stderr, "ui_tests: the window tests run under fr_FR.UTF-8, not %s (LC_ALL).\n",
                     set);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Listing the tests (ctest's discovery) needs no locale.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    if (!listing && !underTheFrenchLocale()) return 1;
    // The windows are tested without a display unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
