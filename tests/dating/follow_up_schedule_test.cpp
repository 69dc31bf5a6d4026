// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/follow_up_schedule.h"

#include <gtest/gtest.h>

using namespace tovimar;

namespace {
VbDate d(const char* text) {
    return *readFrenchDate(text);
}
} // namespace

TEST(FollowUpSchedule, CompulsoryExaminationsFollowCalendarMonths) {
    const char* expected[] = {
        "15/04/2010 --> 15/05/2010", "15/05/2010 --> 15/06/2010", "15/06/2010 --> 15/07/2010",
        "15/07/2010 --> 15/08/2010", "15/08/2010 --> 30/08/2010", "15/09/2010 --> 30/09/2010",
    };
    const auto exams = EXAMENS_OBLIGATOIRES(d("15/01/2010"));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(exams[i].text(), expected[i]) << i;
}

TEST(FollowUpSchedule, ExaminationsTakeTheLastDayOfAShorterMonth) {
    const auto exams = EXAMENS_OBLIGATOIRES(d("31/01/2010"));
    EXPECT_EQ(exams[0].text(), "30/04/2010 --> 31/05/2010");
    EXPECT_EQ(exams[1].text(), "31/05/2010 --> 30/06/2010");
    EXPECT_EQ(exams[4].text(), "31/08/2010 --> 15/09/2010");
    EXPECT_EQ(exams[5].text(), "30/09/2010 --> 15/10/2010");
}

TEST(FollowUpSchedule, UltrasoundsAndWindows) {
    const VbDate start = d("15/01/2010");
    const auto us = ECHOGRAPHIES_RECOMMANDEES(start);
    EXPECT_EQ(us[0].toText(), "04/06/2010");
    EXPECT_EQ(us[1].toText(), "13/08/2010");
    EXPECT_EQ(FENETRE_AMENORRHEE(start, 77, 97).text(), "19/03/2010 --> 08/04/2010");
    EXPECT_EQ(FENETRE_AMENORRHEE(start, 98, 125).text(), "09/04/2010 --> 06/05/2010");
    EXPECT_EQ(FENETRE_AMENORRHEE(start, 14, 14).text(), "15/01/2010 --> 15/01/2010");
    EXPECT_EQ(CONSULTATION_ANESTHESIE(start, 210, 238), "entre le 13/08/2010 et le 10/09/2010");
}

TEST(FollowUpSchedule, LeaveDependsOnTwinsTripletsAndChildren) {
    struct Case {
        bool twins, triplets;
        long long children;
        const char* prenatal;
        const char* patho;
    } cases[] = {
        {false, false, 2, "20/08/2010", "06/08/2010"},
        {true, false, 0, "23/07/2010", "09/07/2010"},
        {false, true, 0, "30/04/2010", "16/04/2010"},
        {false, false, 1, "03/09/2010", "20/08/2010"},
        {false, false, 0, "03/09/2010", "20/08/2010"},
        {true, true, 5, "23/07/2010", "09/07/2010"},
    };
    for (const auto& c : cases) {
        const LeaveStarts leave = DEBUTS_CONGE(d("15/10/2010"), c.twins, c.triplets, c.children);
        EXPECT_EQ(leave.prenatal.toText(), c.prenatal);
        EXPECT_EQ(leave.pathological.toText(), c.patho);
    }
}
