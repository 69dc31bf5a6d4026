// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practitioner's usual fees, kept in tarifs.tvx: 44 texts stored exactly
// as typed, and the two consultation totals computed from the saved ones.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovimar {

inline constexpr std::size_t kFeeCount = 44;

// The frames of the fees window.
enum class FeePanel {
    Consultation,
    Technical,
    AssistedReproduction,
    ObstetricScan,
    GynaecologicScan
};

// One fee: the control that shows it, its frame, the act on its row, the act's
// code in the common classification of medical acts (empty for consultations)
// and the amount shown when no file has been read.
struct FeeField {
    std::string_view control;
    FeePanel panel;
    std::string_view act;
    std::string_view code;
    std::string_view defaultAmount;
};

// The 44 fees in the order of the file.
const std::array<FeeField, kFeeCount>& feeFields();

// The captions of the frames: "Actes de consultation"..., the two scan frames
// inside "Actes d'échographie".
std::string_view feePanelCaption(FeePanel panel);
inline constexpr std::string_view kScanPanelsCaption = "Actes d'échographie";

using FeeSchedule = std::array<std::string, kFeeCount>;
FeeSchedule defaultFeeSchedule();

// Where the consultation fees are in the file.
inline constexpr std::size_t kFeeCs = 1;
inline constexpr std::size_t kFeeMcs = 2;
inline constexpr std::size_t kFeeMpc = 3;

// "CS + MCS" and "CS + MCS + MPC".
struct ConsultationTotals {
    std::string csMcs;
    std::string csMcsMpc;
};

// The CS plus the MCS taken as a whole number (nearest, halves to even), then
// plus the MPC, in the shortest decimal form (23, 2 and 2 give 25 and 27;
// 23,5, 2 and 2 give 25,5 and 27,5). nullopt when one of them is not a number.
std::optional<ConsultationTotals> consultationTotals(std::string_view cs, std::string_view mcs,
                                                     std::string_view mpc);

// What opening the window finds in tarifs.tvx.
struct FeeReading {
    // The amounts read, in file order: 44 for a complete file, fewer (from
    // the first field on) when the file stops short; they replace what the
    // window shows.
    std::vector<std::string> amounts;
    // No message: the file holds its 44 fields and numeric CS, MCS and MPC,
    // or it is empty.
    bool complete = false;
    // The totals to show; "0" and "0" for an empty file, nothing after a failure.
    std::optional<ConsultationTotals> totals;
};

// Reads the bytes of tarifs.tvx (nullopt: no file). When the file holds
// several lines, the last complete one wins.
FeeReading readFeeSchedule(const std::optional<std::string>& bytes);

// The line written by "Enregistrer": the 44 amounts quoted, separated by
// commas, in Windows-1252, ending with CR LF.
std::string encodeFeeSchedule(const FeeSchedule& amounts);

} // namespace tovimar
