// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dating a pregnancy from an early ultrasound: one kind of measurement
// (gestational sac, crown-rump length, biparietal diameter and/or femur
// length) or an age already known in weeks, with the date of the ultrasound,
// gives the age at the ultrasound and the start of pregnancy.

#include <optional>
#include <string>
#include <vector>

#include "core/vb_date.h"

namespace tovimar {

// The texts of the dating frame as they are typed. A field is filled when its
// text is not empty. sac, crl, bip and fem are whole millimetres, semA whole
// weeks of amenorrhoea, dateX the date of the ultrasound (empty: today).
struct UltrasoundFields {
    std::string sac, crl, bip, fem, semA, dateX;
};

struct UltrasoundOutcome {
    enum class Kind {
        ClearDating, // empty the dating fields (the sac and the weeks were both filled)
        Refused,     // show `message`; no field changes
        Dated,       // write `start` into the start of pregnancy, and `semA` when it has a value
    };
    Kind kind = Kind::Refused;
    // Shown one after the other (OK button) before anything else; the
    // computation goes on after them.
    std::vector<std::string> notices;
    std::string message; // Refused
    // Dated: the new text of the weeks field ("11,2" from days, "22" from
    // weeks); no value when the weeks were typed and stay as they are.
    std::optional<std::string> semA;
    VbDate start; // Dated: the new start of pregnancy
};

// Which of the fifteen situations the filled fields make (1 to 15, see
// DATATION_ECHOGRAPHIQUE); only whether each field is filled matters.
int ultrasoundDatingCase(const UltrasoundFields& fields);

// The compute button. The first situation that applies is the one run:
//  1  sac and weeks filled: clear the dating (a second press after a sac dating);
//  2  sac alone (the date may be filled): sac chart, days result;
//  3  weeks and date filled, no measurement: start = date - 7 x weeks + 14 days;
//  4  date alone, 5 nothing filled: "enter a value" message;
//  6  CRL without sac, diameter or femur: CRL chart, days result (typed weeks are replaced);
//  7  diameter alone, 8 femur alone, 9 diameter and femur: weeks result
//     (combined: the two ages averaged, truncated to whole weeks);
//  10-14 two kinds of measurement mixed: "choose one calculation" message;
//  15 weeks alone, no date: start = today - (weeks - 2) x 7 days.
// The days result gives the weeks as w,d and start = date - days + 14; the
// weeks result start = date - (weeks - 2) x 7 (the date being today when empty).
// A filled field that the situation reads and that is not a whole number, a
// date of the ultrasound that is not a date, or a start outside the calendar
// (years 100 to 9999) is refused with its own message.
UltrasoundOutcome DATATION_ECHOGRAPHIQUE(const UltrasoundFields& fields, VbDate today);

} // namespace tovimar
