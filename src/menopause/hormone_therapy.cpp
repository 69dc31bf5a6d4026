// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/hormone_therapy.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "core/french_folding.h"

namespace tovimar {
namespace {

const QString kTable = QStringLiteral("SPECIALITES");
const QString kKind = QStringLiteral("NUMSPE");
const QString kName = QStringLiteral("NOMSPE");
const QString kNote = QStringLiteral("AUTRES");

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
    const QString note = speciality.value(kNote).toString().trimmed();
    if (kind != TherapyKind::Other && !note.isEmpty()) {
        if (kind != TherapyKind::Progestogen) texts.push_back({TherapyField::OestrogenNote, note});
        if (kind != TherapyKind::Oestrogen) texts.push_back({TherapyField::ProgestogenNote, note});
    }
    return texts;
}

bool noLongerMarketed(const QString& autres) {
    const std::string note = foldFrenchText(autres.trimmed().toStdString());
    auto opensWith = [&note](std::string_view words) { return note.rfind(words, 0) == 0; };
    return opensWith("N EST PLUS COMMERCIALISE") || opensWith("RETIRE DU MARCHE") ||
           note.find("PRESENTATION SUPPRIMEE") != std::string::npos;
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
        if (noLongerMarketed(row.value(kNote).toString())) continue;
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
