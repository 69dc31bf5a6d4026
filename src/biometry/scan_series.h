// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Growth followed over several scans of one pregnancy: the earlier scans'
// dates and values for one measure, with today's measurement, each placed at
// its own age in weeks of amenorrhoea and in its percentile band, in date
// order, ready to be drawn on the measure's growth chart. The rows are the
// practitioner's typing, kept in memory only.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "biometry/biometry_measures.h"
#include "core/vb_date.h"

namespace tovimar {

// One row of the table as typed: the scan's date and its value in mm.
struct ScanRow {
    std::string date;
    std::string value;
    bool operator==(const ScanRow&) const = default;
};

struct SeriesPoint {
    VbDate date;
    std::string dateText; // JJ/MM/AAAA, as the chart marks the point
    int daysOfAmenorrhoea = 0;
    double week = 0;       // weeks of amenorrhoea with their days: 22 SA + 3 d = 22.43
    int bandWeek = 0;      // the whole weeks the band is read at: 0 to 3 days down, 4 to 6 up
    double mm = 0;         // the value as the band lookup reads it
    std::string valueText; // as typed
    std::string band;      // the band caption at bandWeek; empty off the chart
    bool today = false;    // today's measurement, from the biometry window
    std::optional<std::size_t> row; // the table's row (from 0); none for today's
};

// A row that is not plotted, and why, in French.
struct SeriesFault {
    std::size_t row = 0; // from 0
    std::string message;
};

struct ScanSeries {
    std::vector<SeriesPoint> points; // by date; today's last when it shares its day
    std::vector<SeriesFault> faults; // by row
};

// Places the rows (an empty row is skipped) and today's measurement (when
// given: its value on `today`). A date that is not a date, a value that is not
// a number or not a fetus's, a scan before the start of pregnancy or after
// today: a fault for that row, which is not plotted. Without a start of
// pregnancy nothing is placed and each filled row says so.
// Each band is read at the age in whole weeks the biometry window gives that
// day (0 to 3 days round down, 4 to 6 up), so a scan's band is the one its
// biometry window showed.
// Today's measurement is placed on `measuredOn` (the scan day of the biometry
// window), else on `today`, at its exact age. `todaysWeeks` is the age in whole
// weeks the biometry window shows for it: when the dates round to another age
// (an age typed by hand), or give none, today's point stands at that whole
// week, so that its place and its band are the window's.
ScanSeries placeScanSeries(Measure m, std::optional<VbDate> startOfPregnancy, VbDate today,
                           const std::vector<ScanRow>& rows,
                           const std::optional<std::string>& todaysValue,
                           std::optional<VbDate> measuredOn = std::nullopt,
                           std::optional<int> todaysWeeks = std::nullopt);

// The age in whole weeks of amenorrhoea a count of days of amenorrhoea gives:
// 0 to 3 days round down, 4 to 6 up.
int roundedWeeks(int daysOfAmenorrhoea);

// "22 SA + 3 j": the age of a point as the list beside the chart writes it.
std::string weeksAndDaysText(int daysOfAmenorrhoea);

} // namespace tovimar
