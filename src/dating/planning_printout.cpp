// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/planning_printout.h"

#include "platform/report_printer.h"

namespace tovimar {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString spaces(int n) {
    return QString(n, ' ');
}

} // namespace

void IMPRIME(ReportPrinter& p, const PlanningData& d) {
    const PracticeOptions& h = d.letterhead;
    const QString s25 = spaces(25);
    p.setCentimetreGrid(3, 3);

    p.setFontSize(20);
    p.print();
    p.print({q(h.establishment)});

    p.setFontSize(12);
    p.print({q(h.civility) + " " + q(h.firstName) + " " + q(h.lastName) + "\r\n" + q(h.speciality) +
                 "\r\n" + q(h.address1) + "\r\n" + q(h.address2) + "\r\n" + q(h.town) + spaces(6) +
                 q(h.department) + "\r\n" + "Tel :  ",
             q(h.telephone)});

    // The date of the document and the practitioner's signature, under the letterhead.
    p.setVerticalPosition(5.2);
    p.setFontSize(11);
    p.print({QStringLiteral("Le ") + q(d.issued) + QString(12, ' ') +
             QStringLiteral("Signature du praticien : ______________________________")});
    p.setFontSize(12);
    // The salutation stands 6 cm below the origin, under the letterhead.
    p.setVerticalPosition(6);
    p.setBold(false);
    p.print({QStringLiteral("Madame ")}, true);
    p.setBold(true);
    p.print({q(d.patientName), QStringLiteral(",")});

    p.setBold(false);
    p.print();
    p.print();
    p.print({QStringLiteral("Votre grossesse a été déclarée du ") + q(d.start) + "."});
    p.print({QStringLiteral("Le terme de cette grossesse est prévu au plus tard le ") + q(d.term) +
             "."});
    p.print();
    p.print({QStringLiteral(
        "Voici ci dessous les dates importantes et le planning de vos rendez-vous à prendre.")});
    p.print();

    p.setBold(true);
    p.print({QStringLiteral("Dates des consultations obligatoires.")});
    p.setBold(false);
    p.print({QStringLiteral("(A passer entre les 2 dates indiquées).")});
    for (std::size_t k = 0; k < 6; ++k)
        p.print({s25 + QString::fromUtf8(kExaminationLabels[k]) + q(d.examinations[k])});
    p.print({s25 + QStringLiteral("Entretien prénatal précoce : dès le 1er trimestre.")});
    p.print();

    p.setBold(true);
    p.print({QStringLiteral("Dates approximatives des trois échographies recommandées.")});
    p.setBold(false);
    p.print({s25 + QStringLiteral("Echographie du 1er trimestre, entre : ") +
             q(d.firstTrimesterUltrasound)});
    p.print({s25 + QStringLiteral("Echographie du 2ème trimestre, à partir du : ") +
             q(d.ultrasounds[0])});
    p.print({s25 + QStringLiteral("Echographie du 3ème trimestre, à partir du : ") +
             q(d.ultrasounds[1])});
    p.print();

    p.setBold(true);
    p.print({QStringLiteral("Evaluation du risque de Trisomie 21. ")});
    p.setBold(false);
    p.print({QStringLiteral("(Prise de sang à faire entre les 2 dates indiquées).")});
    // The indent in the regular font, as on the lines below: bold blanks are wider.
    p.print({s25}, true);
    p.setBold(true);
    p.print({QStringLiteral("Marqueurs du 1er trimestre: ")});
    p.setBold(false);
    p.print({s25 + q(d.serumFirst)});
    p.print();
    // The indent in the regular font, as on the lines below: bold blanks are wider.
    p.print({s25}, true);
    p.setBold(true);
    p.print({QStringLiteral("Marqueurs du 2ème trimestre: ")});
    p.setBold(false);
    p.print({s25 +
             QStringLiteral("Uniquement si les marqueurs du 1er trimestre n'ont pu être faits.")});
    p.print({s25 + q(d.serumSecond)});
    p.print();

    p.setBold(true);
    p.print({QStringLiteral("Consultation auprès de l'anesthésiste. ")});
    p.setBold(false);
    p.print({s25 + QStringLiteral("Une consultation auprès d'un anesthésiste est obligatoire.")});
    p.print({s25 + QStringLiteral("Elle doit avoir lieu ") + q(d.anaesthesia)});
    p.print();

    p.print({QStringLiteral("Votre congé prénatal débutera le ") + q(d.leave[0]) + "."});
    p.print();
    p.print({QStringLiteral("Il pourra vous être accordé un congé pathologique à partir du ") +
             q(d.leave[1]) + "."});
}

void printPlanningPreview(ReportPrinter& p, const QString& header, const QString& letter) {
    p.setFontSize(12);
    for (int i = 0; i < 4; ++i)
        p.print();
    p.print({header});
    for (int i = 0; i < 4; ++i)
        p.print();
    p.print({letter});
}

} // namespace tovimar
