// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/consultation_patient.h"

#include <QLineEdit>
#include <QStringList>

#include "core/patient_name.h"
#include "platform/text_prompt.h"

namespace tovimar {

void ConsultationPatient::set(const QString& civility, const QString& name,
                              std::optional<VbDate> birthDate) {
    const QString cleanName = QString::fromStdString(withoutCivility(name.toStdString()));
    const QString cleanCivility = civility.trimmed().isEmpty() ? defaultCivility() : civility;
    if (cleanCivility == civility_ && cleanName == name_ && birthDate == birthDate_) return;
    civility_ = cleanCivility;
    name_ = cleanName;
    birthDate_ = birthDate;
    emit changed();
}

void ConsultationPatient::clear() {
    set(defaultCivility(), QString(), std::nullopt);
}

bool ConsultationPatient::isEmpty() const {
    return name_.isEmpty() && !birthDate_ && civility_ == defaultCivility();
}

QString ConsultationPatient::nameForPrintout(TextPrompt& prompt) {
    if (name_.isEmpty()) {
        const QString typed = askPatientName(prompt);
        if (!typed.isEmpty()) set(civility_, typed, birthDate_);
    }
    return name_;
}

std::optional<int> ConsultationPatient::ageOn(VbDate day) const {
    if (!birthDate_ || day < *birthDate_) return std::nullopt;
    const YearMonthDay b = birthDate_->ymd();
    const YearMonthDay d = day.ymd();
    int age = d.year - b.year;
    if (d.month < b.month || (d.month == b.month && d.day < b.day)) --age;
    return age;
}

void followPatient(QLineEdit* field, ConsultationPatient& patient, PatientField what,
                   VbDate today) {
    static const char* const kFilled = "tovimarFromPatient";
    auto follow = [field, &patient, what, today] {
        QString value;
        if (what == PatientField::BirthDate && patient.birthDate())
            value = QString::fromStdString(patient.birthDate()->toText());
        if (what == PatientField::Age)
            if (const auto age = patient.ageOn(today)) value = QString::number(*age);
        const QString text = field->text();
        if (!text.isEmpty() && text != field->property(kFilled).toString()) return; // typed
        field->setProperty(kFilled, value);
        if (text != value) field->setText(value);
    };
    follow();
    QObject::connect(&patient, &ConsultationPatient::changed, field, follow);
}

QString documentForPatient(const QString& document, const QString& name) {
    const QString n = name.trimmed();
    return n.isEmpty() ? document : document + QStringLiteral(" - ") + n;
}

QString patientFileName(const QString& document, const QString& name, VbDate day,
                        const QString& extension) {
    const YearMonthDay d = day.ymd();
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(d.year, 4, 10, QLatin1Char('0'))
                             .arg(d.month, 2, 10, QLatin1Char('0'))
                             .arg(d.day, 2, 10, QLatin1Char('0'));
    QString out = documentForPatient(document, name) + QStringLiteral(" - ") + date;
    for (QChar& c : out)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('-');
    // No name made of dots or starting with one (a hidden file).
    while (out.startsWith(QLatin1Char('.')))
        out.remove(0, 1);
    return out + QLatin1Char('.') + extension;
}

} // namespace tovimar
