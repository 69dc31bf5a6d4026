// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hormone therapy specialities of VESTRA.mdb, table SPECIALITES, read
// only. Each row is one speciality of a kind of treatment (NUMSPE):
//   1  oestrogen and progestogen combined, treatment with periods
//   2  oestrogen and progestogen combined, treatment without periods
//   3  oestrogen alone
//   4  progestogen alone
//   5  other treatments (SERM and the like)
// Column AUTRES holds the molecule of kind 5 and, for kinds 1 to 4, a note on
// the speciality when there is one: its marketing status, a safety warning
// (the meningioma risk of some progestogens), a doubt about a value.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "platform/database.h"

namespace tovimar {

enum class TherapyKind {
    CombinedWithPeriods = 1,
    CombinedWithoutPeriods,
    Oestrogen,
    Progestogen,
    Other
};

// Where a value of a speciality is shown.
enum class TherapyField {
    OestrogenTitle,      // the oestrogen panel's caption
    ProgestogenTitle,    // the progestogen panel's caption
    Oestrogen,           // LblOE
    Dosage,              // LblDosage
    Route,               // LblVoie
    OestrogenLab,        // LblLabo_Oe
    OestrogenPosology,   // LblPoso_E
    Progestogen,         // LblPg
    ProgestogenDosage,   // LblDosage_P
    ProgestogenLab,      // LblLabo_Pg
    ProgestogenPosology, // LblPoso_Pg
    OtherMolecule,       // LblAutre
    OtherLab,            // LblLabo_Autre
    Posology,            // LblPoso
    OestrogenNote,       // LblNote_Oe: the AUTRES note of a speciality with an oestrogen
    ProgestogenNote      // LblNote_Pg: the AUTRES note of a speciality with a progestogen
};

struct TherapyText {
    TherapyField field;
    QString text;
    bool operator==(const TherapyText&) const = default;
};

// The values of a speciality in the order they are shown. A column without a
// value ends the list there: what follows it is left unshown. The note of
// kinds 1 to 4 comes last, whatever stopped the list, in each panel that
// shows the speciality (both for a combined one): a safety warning is never
// left out.
std::vector<TherapyText> therapyTexts(TherapyKind kind, const Row& speciality);

// Whether the AUTRES text of a speciality says that the speciality itself is
// no longer marketed: it opens with "N'est plus commercialisé" or "Retiré du
// marché", or says that its presentation was removed ("présentation
// supprimée"), accents and case aside. A note on one strength of a range
// ("VIVELLEDOT 100 µg/24 h : retiré du marché le ...") leaves the range offered.
bool noLongerMarketed(const QString& autres);

class HormoneTherapyCatalogue {
  public:
    explicit HormoneTherapyCatalogue(QString databasePath);

    // The names of a kind, in French alphabetical order, without the
    // specialities no longer marketed; nullopt when the file or its table
    // cannot be read.
    std::optional<QStringList> names(TherapyKind kind) const;
    // The speciality of that kind and name; nullopt when it cannot be read or
    // is not there.
    std::optional<Row> speciality(TherapyKind kind, const QString& name) const;

  private:
    DatabaseFile file_;
};

} // namespace tovimar
