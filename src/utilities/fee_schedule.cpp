// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/fee_schedule.h"

#include <cmath>

#include "core/french_number.h"
#include "core/settings_record.h"

namespace tovimar {
namespace {

using P = FeePanel;

// Example amounts from an earlier fee schedule; each practitioner types their own.
constexpr std::array<FeeField, kFeeCount> kFees = {{
    {"TxtEC", P::Consultation, "C", "", "20"},
    {"TxtECs", P::Consultation, "CS", "", "23"},
    {"TxtMCS", P::Consultation, "MCS", "", "2"},
    {"TxtMPC", P::Consultation, "MPC", "", "2"},
    {"TxtENuit", P::Consultation, "Indemnité Nuit", "", "25,15"},
    {"TxtEFerie", P::Consultation, "Indemnité Férié", "", "19,06"},
    {"TxtGyn01", P::Technical, "Pose DIU", "JKLD001", "38.40"},
    {"TxtGyn02", P::Technical, "Retrait + Pose DIU", "JKKD001", "38.40"},
    {"TxtGyn03", P::Technical, "Retrait DIU + Instrument", "JKGD001", "62.70"},
    {"TxtGyn04", P::Technical, "Biopsie du Col", "JKHA002", "13.51"},
    {"TxtGyn05", P::Technical, "Biopsie de l'endomètre", "JKHA001", "42.24"},
    {"TxtGyn06", P::Technical, "Ablation polype endocol", "JKFD001", "62.70"},
    {"TxtGyn07", P::Technical, "Colposcopie", "JLQE002", "29.31"},
    {"TxtGyn08", P::Technical, "Pose Implant sous cut.", "QZLA004", "12.37"},
    {"TxtGyn09", P::Technical, "Retrait Implant sous cut.", "QZGA002", "41.80"},
    {"TxtGyn10", P::Technical, "Frottis", "JKHD001", "7.97"},
    {"TxtPMA01", P::AssistedReproduction, "Prise en charge PMA", "YYYY032", "61.44"},
    {"TxtPMA02", P::AssistedReproduction, "Insémin. intra cervicale", "JSLD002", "38.40"},
    {"TxtPMA03", P::AssistedReproduction, "Insémin. intra utérine", "JSLD001", "38.40"},
    {"TxtPMA04", P::AssistedReproduction, "Ponction FIV / ICSI", "JQGDM003", ""},
    {"TxtPMA05", P::AssistedReproduction, "Transfert Embryonnaire", "JSED001", "52.25"},
    {"TxtEObs01", P::ObstetricScan, "Echo Av 11 SA", "JNQM001", "33.32"},
    {"TxtEObs02", P::ObstetricScan, "Echo 1er Ter", "JQQM010", "40.54"},
    {"TxtEObs03", P::ObstetricScan, "Echo 2ème Ter", "JQQM018", "71.05"},
    {"TxtEObs04", P::ObstetricScan, "Echo 3ème Ter", "JQQM016", "58.39"},
    {"TxtEObs05", P::ObstetricScan, "Echo de croissance (EP)", "JQQM001", "42.55"},
    {"TxtEObs06", P::ObstetricScan, "Echo + Dopplers 2T ou 3T pour SF", "JQQM002", "76.89"},
    {"TxtEObs07", P::ObstetricScan, "Echo de croissance + Dopplers", "JQQM003", "75.60"},
    {"TxtEObs08", P::ObstetricScan, "E. Surveill. patho. gravidique foetale ou mat.", "YYYY008",
     "30.24"},
    {"TxtEObs09", P::ObstetricScan, "E. Surveill. hors patho Gravidique avec ou pas dopplers",
     "YYYY172", "37.80"},
    {"TxtEObs10", P::ObstetricScan, "Echo Dop. du coeur et des Vx Tho.", "JQQM008", "118.69"},
    {"TxtEObs11", P::ObstetricScan, "Echo mesure du col", "JQQJ037", "33.34"},
    {"TxtEObs12", P::ObstetricScan, "Echo G multiple 1er Ter", "JQQM015", "43.88"},
    {"TxtEObs13", P::ObstetricScan, "Echo G multiple 2ème Ter", "JQQM019", "126.83"},
    {"TxtEObs14", P::ObstetricScan, "Echo G multiple 3ème Ter", "JQQM017", "101.50"},
    {"TxtEObs15", P::ObstetricScan,
     "E. Surveill. hors patho Gravidique avec ou pas dopplers (G Multiple)", "YYYY075", "60.48"},
    {"TxtEObs16", P::ObstetricScan,
     "E. à partir de 2T +Doppler des utérines et des vx SF (G. Multiple)", "JQGDM007", "108.72"},
    {"TxtEGyn01", P::GynaecologicScan, "Echo pelvienne abdominale", "ZCQM003", "56.70"},
    {"TxtEGyn02", P::GynaecologicScan, "Echo pelvienne Endovaginale", "ZCQJ003", "56.70"},
    {"TxtEGyn03", P::GynaecologicScan, "Hystérosonographie", "JQKJ001", "64.11"},
    {"TxtEGyn04", P::GynaecologicScan, "Echo pelvienne + Dopplers", "ZCQJ002", "76.60"},
    {"TxtEGyn05", P::GynaecologicScan, "Echo monitorage ovulation", "ZCQM007", "37.80"},
    {"TxtEGyn06", P::GynaecologicScan, "Echo monitorage ov. + Doppler", "ZCQM009", "40.33"},
    {"TxtEGyn07", P::GynaecologicScan, "Echo du Sein", "QEQM001", "48.58"},
}};

bool holdsNoValue(std::string_view bytes) {
    for (char c : bytes)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    return true;
}

} // namespace

const std::array<FeeField, kFeeCount>& feeFields() {
    return kFees;
}

std::string_view feePanelCaption(FeePanel panel) {
    switch (panel) {
    case P::Consultation:
        return "Actes de consultation";
    case P::Technical:
        return "Actes techniques de consultation";
    case P::AssistedReproduction:
        return "Actes de PMA";
    case P::ObstetricScan:
        return "Obstétrique";
    case P::GynaecologicScan:
        return "Gynécologie";
    }
    return {};
}

FeeSchedule defaultFeeSchedule() {
    FeeSchedule amounts;
    for (std::size_t i = 0; i < kFeeCount; ++i)
        amounts[i] = std::string(kFees[i].defaultAmount);
    return amounts;
}

std::optional<ConsultationTotals> consultationTotals(std::string_view cs, std::string_view mcs,
                                                     std::string_view mpc) {
    const auto csValue = readFrenchNumber(cs);
    const auto mcsValue = readFrenchNumber(mcs);
    const auto mpcValue = readFrenchNumber(mpc);
    if (!csValue || !mcsValue || !mpcValue) return std::nullopt;
    const double withMcs = *csValue + roundHalfEven(*mcsValue, 0);
    const double withMpc = withMcs + *mpcValue;
    // Digits beyond what a double holds are not an amount anyone can check.
    if (!std::isfinite(withMcs) || !std::isfinite(withMpc)) return std::nullopt;
    return ConsultationTotals{formatFrenchNumber(withMcs), formatFrenchNumber(withMpc)};
}

FeeReading readFeeSchedule(const std::optional<std::string>& bytes) {
    FeeReading reading;
    if (!bytes) return reading;
    if (holdsNoValue(*bytes)) {
        // Nothing to read is not an error: the window keeps its amounts.
        reading.complete = true;
        reading.totals = ConsultationTotals{"0", "0"};
        return reading;
    }
    SettingsReading record = readSettingsRecord(*bytes, kFeeCount);
    reading.amounts = std::move(record.values);
    if (!record.complete) return reading;
    reading.totals = consultationTotals(reading.amounts[kFeeCs], reading.amounts[kFeeMcs],
                                        reading.amounts[kFeeMpc]);
    reading.complete = reading.totals.has_value();
    return reading;
}

std::string encodeFeeSchedule(const FeeSchedule& amounts) {
    return encodeSettingsRecord(std::vector<std::string>(amounts.begin(), amounts.end()));
}

} // namespace tovimar
