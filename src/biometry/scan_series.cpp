// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/scan_series.h"

#include <algorithm>

#include "biometry/percentile_band.h"
#include "biometry/plausible_measures.h"

namespace tovimar {
namespace {

std::string rowName(std::size_t row) {
    return "Échographie " + std::to_string(row + 1) + " : ";
}

// The LMP is 14 days before conception.
int daysOfAmenorrhoea(VbDate start, VbDate date) {
    return (date - start) + 14;
}

bool blank(std::string_view s) {
    return s.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

int roundedWeeks(int days) {
    const int weeks = days / 7, rest = days % 7;
    return rest <= 3 ? weeks : weeks + 1;
}

std::string weeksAndDaysText(int days) {
    const int weeks = days / 7, rest = days % 7;
    return std::to_string(weeks) + " SA" + (rest ? " + " + std::to_string(rest) + " j" : "");
}

ScanSeries placeScanSeries(Measure m, std::optional<VbDate> start, VbDate today,
                           const std::vector<ScanRow>& rows,
                           const std::optional<std::string>& todaysValue,
                           std::optional<VbDate> measuredOn, std::optional<int> todaysWeeks) {
    ScanSeries series;
    auto place = [&](VbDate date, int days, const std::string& value,
                     std::optional<std::size_t> row) {
        SeriesPoint p;
        p.date = date;
        p.dateText = date.toText();
        p.daysOfAmenorrhoea = days;
        p.week = days / 7.0;
        p.bandWeek = roundedWeeks(days);
        p.mm = bandValue(value);
        p.valueText = value;
        if (const auto caption = bandCaption(m, p.bandWeek, p.mm)) p.band = std::string(*caption);
        p.today = !row.has_value();
        p.row = row;
        series.points.push_back(std::move(p));
    };

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScanRow& r = rows[i];
        if (blank(r.date) && blank(r.value)) continue;
        auto fault = [&](const std::string& why) {
            series.faults.push_back({i, rowName(i) + why});
        };
        const std::optional<VbDate> date = readFrenchDate(r.date);
        if (!date) {
            fault("« " + r.date + " » n'est pas une date (JJ/MM/AAAA) ; elle n'est pas placée.");
            continue;
        }
        if (!isMeasurementNumber(r.value)) {
            fault("« " + r.value + " » n'est pas une mesure en mm ; elle n'est pas placée.");
            continue;
        }
        if (const auto implausible = implausibleMeasureMessage(m, bandValue(r.value))) {
            fault(*implausible);
            continue;
        }
        if (!start) {
            fault("sans début de grossesse, elle ne peut pas être placée.");
            continue;
        }
        if (*date < *start) {
            fault("le " + date->toText() + " précède le début de grossesse (" + start->toText() +
                  ") ; elle n'est pas placée.");
            continue;
        }
        if (*date > today) {
            fault("le " + date->toText() + " est après aujourd'hui (" + today.toText() +
                  ") ; elle n'est pas placée.");
            continue;
        }
        place(*date, daysOfAmenorrhoea(*start, *date), r.value, i);
    }
    const VbDate todaysDate = measuredOn.value_or(today);
    std::optional<int> todaysDays;
    if (start && todaysDate >= *start) todaysDays = daysOfAmenorrhoea(*start, todaysDate);
    // An age typed in the window, or one without dates, is today's age.
    if (todaysWeeks && *todaysWeeks >= 0 && *todaysWeeks <= 60 &&
        (!todaysDays || roundedWeeks(*todaysDays) != *todaysWeeks))
        todaysDays = *todaysWeeks * 7;
    if (todaysValue && todaysDays && isMeasurementNumber(*todaysValue) &&
        !implausibleMeasureMessage(m, bandValue(*todaysValue)))
        place(todaysDate, *todaysDays, *todaysValue, std::nullopt);

    // Joined in date order; rows of one day keep their order, today's last.
    std::stable_sort(series.points.begin(), series.points.end(),
                     [](const SeriesPoint& a, const SeriesPoint& b) { return a.date < b.date; });
    return series;
}

} // namespace tovimar
