// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The patient of the consultation: her civility, name and date of birth, typed
// once ("Patiente…" in the main window) and used by every printout, every saved
// chart and the age fields. It lives in memory only: nothing of it is ever
// written to disk, and "Nouvelle patiente" empties it. The program owns one
// (app/ builds it); windows reach it through their registry.

#include <QObject>
#include <QString>
#include <optional>

#include "core/vb_date.h"

class QLineEdit;

namespace tovimar {

class TextPrompt;

class ConsultationPatient : public QObject {
    Q_OBJECT
  public:
    static QString defaultCivility() { return QStringLiteral("Madame"); }
    static QStringList civilities() {
        return {QStringLiteral("Madame"), QStringLiteral("Mademoiselle")};
    }

    QString civility() const { return civility_; }
    QString name() const { return name_; }
    std::optional<VbDate> birthDate() const { return birthDate_; }

    // The name is kept without blanks around it and without a civility typed
    // before it ("Mme Dupont" gives "Dupont"), which the civility says already.
    void set(const QString& civility, const QString& name, std::optional<VbDate> birthDate);
    void clear();
    // Nothing typed: no name, no date of birth, the civility by default.
    bool isEmpty() const;

    // The name a printout writes after "Madame": when none was given yet it is
    // asked once, and what is typed becomes the consultation's name. Empty
    // when the user cancels (the printout goes on; the next one asks again).
    QString nameForPrintout(TextPrompt& prompt);

    // Her age in whole years on `day`; nullopt without a date of birth or
    // before it.
    std::optional<int> ageOn(VbDate day) const;

  signals:
    void changed();

  private:
    QString civility_ = defaultCivility();
    QString name_;
    std::optional<VbDate> birthDate_;
};

// An age field that follows the patient: her date of birth (DD/MM/YYYY) or
// her age in whole years on `today`, put in `field` now and whenever she
// changes, as long as the field is empty or still holds what she put there;
// what the user typed in it stays.
enum class PatientField { BirthDate, Age };
void followPatient(QLineEdit* field, ConsultationPatient& patient, PatientField what, VbDate today);

// "Planning de grossesse - Dupont": the name of a document for this patient
// (the document alone without a name).
QString documentForPatient(const QString& document, const QString& name);

// A saved file's default name: "Courbe BIP - Dupont - 2026-12-10.pdf", without
// the name when none was given; a character a file name cannot hold (/ \ : * ?
// " < > | and control characters) becomes "-".
QString patientFileName(const QString& document, const QString& name, VbDate day,
                        const QString& extension);

} // namespace tovimar
