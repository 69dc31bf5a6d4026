// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/patient_name.h"

#include <gtest/gtest.h>

namespace tovimar {
namespace {

struct NameCase {
    const char* typed;
    const char* printed;
};

class PatientName : public ::testing::TestWithParam<NameCase> {};

TEST_P(PatientName, LeavesOutACivilityTheLetterAlreadyWrites) {
    EXPECT_EQ(withoutCivility(GetParam().typed), GetParam().printed) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatientName,
    ::testing::Values(NameCase{"Zoé Lefèvre", "Zoé Lefèvre"},
                      NameCase{"  Zoé Lefèvre ", "Zoé Lefèvre"}, NameCase{"Mme Lefèvre", "Lefèvre"},
                      NameCase{"Mme. Lefèvre", "Lefèvre"}, NameCase{"Mme.Lefèvre", "Lefèvre"},
                      NameCase{"MME LEFÈVRE Zoé", "LEFÈVRE Zoé"},
                      NameCase{"Madame Zoé Lefèvre", "Zoé Lefèvre"},
                      NameCase{"madame  Lefèvre", "Lefèvre"},
                      NameCase{"Mademoiselle Lefèvre", "Lefèvre"},
                      NameCase{"Mlle Lefèvre", "Lefèvre"}, NameCase{"Melle Lefèvre", "Lefèvre"},
                      // Names that only begin like a civility, and a civility alone, stay.
                      NameCase{"Mmeline Durand", "Mmeline Durand"},
                      NameCase{"Madamet Ana", "Madamet Ana"}, NameCase{"Mlles", "Mlles"},
                      NameCase{"Madame", "Madame"}, NameCase{"Mme ", "Mme"}, NameCase{"", ""}));

} // namespace
} // namespace tovimar
