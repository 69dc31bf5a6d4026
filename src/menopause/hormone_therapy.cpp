#include "menopause/hormone_therapy.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/french_folding.h"

namespace tovimar {
namespace {

const QString kTable = QStringLiteral("SPECIALITES");
const QString kKind = QStringLiteral("NUMSPE");
const QString kName = QStringLiteral("NOMSPE");

struct Source {
    const char* column;
    TherapyField field;
};

// What each kind shows, column by column, in the order it is shown.
std::vector<Source> sourcesOf(TherapyKind kind) {
    using F = TherapyField;
    switch (kind) {
    case TherapyKind::CombinedWithPeriods:
    case TherapyKind::CombinedWithoutPeriods:
        return {{"NOMSPE", F::OestrogenTitle},
                {"ESTRO", F::Oestrogen},
                {"LABO", F::OestrogenLab},
                {"DOSAGE", F::Dosage},
                {"VOIE", F::Route},
                {"NOMSPE", F::ProgestogenTitle},
                {"PROGES", F::Progestogen},
                {"DOSAGE_P", F::ProgestogenDosage},
                {"LABO", F::ProgestogenLab},
                {"POSO", F::Posology}};
    case TherapyKind::Oestrogen:
        return {{"NOMSPE", F::OestrogenTitle},
                {"ESTRO", F::Oestrogen},
                {"LABO", F::OestrogenLab},
                {"DOSAGE", F::Dosage},
                {"VOIE", F::Route},
                {"POSO_E", F::OestrogenPosology}};
    case TherapyKind::Progestogen:
        return {{"NOMSPE", F::ProgestogenTitle},
                {"PROGES", F::Progestogen},
                {"DOSAGE_P", F::ProgestogenDosage},
                {"LABO", F::ProgestogenLab},
                {"POSO_PG", F::ProgestogenPosology}};
    case TherapyKind::Other:
        return {{"AUTRES", F::OtherMolecule}, {"LABO", F::OtherLab}, {"POSO", F::Posology}};
    }
    return {};
}

} // namespace

std::vector<TherapyText> therapyTexts(TherapyKind kind, const Row& speciality) {
    std::vector<TherapyText> texts;
    for (const Source& source : sourcesOf(kind)) {
        const QVariant value = speciality.value(QString::fromLatin1(source.column));
        if (value.isNull()) break;
        texts.push_back({source.field, value.toString()});
    }
    return texts;
}

HormoneTherapyCatalogue::HormoneTherapyCatalogue(QString databasePath)
    : file_{std::move(databasePath), DatabaseFile::Access::ReadOnly} {}

std::optional<QStringList> HormoneTherapyCatalogue::names(TherapyKind kind) const {
    RecordSet set(file_, kTable, {{kKind, Criterion::Op::Equal, static_cast<int>(kind)}}, {kName});
    const auto rows = set.readAll();
    if (!rows) return std::nullopt;
    std::vector<std::pair<std::string, QString>> sorted;
    for (const Row& row : *rows) {
        const QVariant name = row.value(kName);
        if (name.isNull()) return std::nullopt;
        sorted.emplace_back(foldFrenchText(name.toString().toStdString()), name.toString());
    }
    // Accented or lower-case names take their place among the others.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList names;
    for (const auto& entry : sorted)
        names << entry.second;
    return names;
}

std::optional<Row> HormoneTherapyCatalogue::speciality(TherapyKind kind,
                                                       const QString& name) const {
    RecordSet set(file_, kTable, {{kKind, Criterion::Op::Equal, static_cast<int>(kind)}}, {});
    if (!set.openAt({kName, Criterion::Op::Equal, name}) || set.noMatch()) return std::nullopt;
    return set.currentRow();
}

} // namespace tovimar
