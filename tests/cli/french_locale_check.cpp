// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tests compare the calculator's answers under fr_FR.UTF-8
// with those under C. Without that locale on the machine, a program asking for
// it silently runs in C and the French runs prove nothing: every test of this
// executable then fails, saying why.
#include <clocale>
#include <gtest/gtest.h>
#include <locale.h>

namespace {

class FrenchLocaleInstalled : public ::testing::Environment {
  public:
    void SetUp() override {
        const locale_t french = newlocale(LC_ALL_MASK, "fr_FR.UTF-8", static_cast<locale_t>(0));
        // Not fatal: a fatal failure here would only skip the tests, which ctest counts as
        // skipped, not failed.
        if (french == static_cast<locale_t>(0)) {
            ADD_FAILURE()
                << "The fr_FR.UTF-8 locale is not installed: the French runs of tovimar-calc would "
                   "run in C. Run scripts/install-dependencies.sh (it generates the locale).";
            return;
        }
        freelocale(french);
    }
};

[[maybe_unused]] ::testing::Environment* const frenchLocale =
    ::testing::AddGlobalTestEnvironment(new FrenchLocaleInstalled);

} // namespace
