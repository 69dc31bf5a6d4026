// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/patient_letter_printout.h"

#include "platform/report_printer.h"

namespace tovimar {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString spaces(int n) {
    return QString(n, ' ');
}

const char* const kSerumGestation = "A 15 - 18 SA";

// The two lines of a risk: at term, then at the gestation it was computed at
// ("A 12,2 SA" for the scan's, "A 15 - 18 SA" for the serum's); a risk with no
// gestation (no CRL) has its term line only.
void printRiskPair(ReportPrinter& p, const std::string& atTerm, const std::string& atGestation,
                   const std::string& gestationLabel) {
    p.print({spaces(25) + QStringLiteral("A Terme : ") + q(atTerm)});
    if (!atGestation.empty() && !gestationLabel.empty())
        p.print({spaces(25) + q(gestationLabel) + QStringLiteral(" : ") + q(atGestation)});
}

// A fixed paragraph: its lines joined, so that the printer wraps it within the margins.
QString paragraph(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += q(line);
    return text.trimmed();
}

} // namespace

void printT21Letter(ReportPrinter& p, const T21LetterData& d) {
    const PracticeOptions& h = d.letterhead;
    p.setCentimetreGrid(3, 3);

    p.setFontSize(20);
    p.print();
    p.print({q(h.establishment)});

    p.setFontSize(12);
    p.print({q(h.civility) + " " + q(h.firstName) + " " + q(h.lastName) + "\r" + q(h.speciality) +
             "\r" + q(h.address1) + "\r" + q(h.address2) + "\r" + q(h.town) + spaces(6) +
             q(h.department) + "\r" + QStringLiteral("Tel :  ") + q(h.telephone)});

    // The date of the document and the practitioner's signature, under the letterhead.
    p.setVerticalPosition(5.2);
    p.setFontSize(11);
    p.print({QStringLiteral("Le ") + q(d.issued) + spaces(12) +
             QStringLiteral("Signature du praticien : ______________________________")});
    p.setFontSize(12);
    // The salutation stands 6 cm below the origin, under the letterhead.
    p.setVerticalPosition(6);
    p.print({QStringLiteral("Madame ")}, true);
    p.setBold(true);
    p.print({q(d.patientName) + ", " + q(d.age) + QStringLiteral(" ans")});
    p.print({QStringLiteral("\nEVALUATION DU RISQUE DE TRISOMIE 21")});
    p.setBold(false);

    p.print({QStringLiteral("\n  - RISQUE LIE  A L'AGE: ")});
    printRiskPair(p, d.ageAtTerm, d.ageAtScan, d.ageGestationLabel);

    if (!d.nuchalAtScan.empty()) {
        p.print({QStringLiteral("  - RISQUE LIE A LA CLARTE NUCALE COMBINE à L'AGE")});
        p.print({spaces(10) + QStringLiteral(" La mesure de la clarté nucale est de ") +
                 q(d.nuchalTranslucency) +
                 QStringLiteral(" mm pour une longueur cranio caudale de ") + q(d.crl) +
                 QStringLiteral(" mm. Le risque lié à la clarté nucale est alors :")});
        printRiskPair(p, d.nuchalAtTerm, d.nuchalAtScan, d.nuchalGestationLabel);
    }
    if (!d.serumAtTesting.empty()) {
        p.print({QStringLiteral("  - RISQUE SEROLOGIQUE")});
        p.print({spaces(10) + QStringLiteral("Les résultats isolés de la prise de sang (triple "
                                             "test) donnent un risque de :")});
        printRiskPair(p, d.serumAtTerm, d.serumAtTesting, kSerumGestation);
    }
    if (!d.integratedAtTesting.empty()) {
        p.print({QStringLiteral("  - RISQUE INTEGRE")});
        p.print({spaces(10) +
                 QStringLiteral("C'est le risque résultant de l'âge maternel, de la mesure de la "
                                "clarté nucale et du résultat de la prise de sang. Il est de :")});
        printRiskPair(p, d.integratedAtTerm, d.integratedAtTesting, kSerumGestation);
    }
    if (d.afterScanShown) {
        p.print({QStringLiteral("  - APRES EXAMEN ECHOGRAPHIQUE MORPHOLOGIQUE")});
        p.print({spaces(10) + QStringLiteral("Le risque intégré global est de :")});
        p.print({spaces(25) + QStringLiteral("A Terme : ") + q(d.afterMorphologyScan)});
    }

    if (!d.laboratoryCombined.empty()) {
        p.print({QStringLiteral("  - RISQUE COMBINE DU PREMIER TRIMESTRE (LABORATOIRE)")});
        p.print({spaces(10) +
                 QStringLiteral("Calculé par le laboratoire à partir de l'âge, de la clarté "
                                "nucale et de la prise de sang du premier trimestre :")});
        p.print(
            {spaces(25) + QStringLiteral("Au moment du dépistage : ") + q(d.laboratoryCombined)});
    }

    p.print();
    if (d.strategy == ScreeningStrategy::SingleThreshold) {
        p.print({spaces(10) +
                 QStringLiteral("Le risque global de donner naissance à un enfant trisomique "
                                "après les examens qui vous ont été pratiqués est estimé à 1/") +
                 q(d.globalN) + "."});
        p.print({paragraph(adviceLines(letterRiskIsLow(d.globalN, d.threshold), d.threshold))});
        return;
    }
    // The 2018 strategy: the risk at the time of testing, then its band's paragraph.
    if (!d.conductN.empty())
        p.print({spaces(10) +
                 QStringLiteral("Le risque combiné de trisomie 21 au moment du dépistage est "
                                "estimé à 1/") +
                 q(d.conductN) + "."});
    if (d.conduct)
        p.print({q(conductParagraph(*d.conduct))});
    else
        p.print({QStringLiteral("Aucun risque combiné au moment du dépistage (clarté nucale ou "
                                "prise de sang) n'a encore été calculé : la conduite à tenir "
                                "vous sera proposée lorsqu'il sera connu.")});
}

} // namespace tovimar
