// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/planning_letter.h"

#include <vector>

namespace tovimar {
namespace {

std::string spaces(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

} // namespace

const std::array<const char*, 6> kExaminationLabels = {
    "Examen du 4ème mois : ", "Examen du 5ème mois : ", "Examen du 6ème mois : ",
    "Examen du 7ème mois : ", "Examen du 8ème mois : ", "Examen du 9ème mois : ",
};

PlanningPreview planningPreview(const PlanningData& d) {
    const PracticeOptions& h = d.letterhead;
    const std::string s10 = spaces(10);
    PlanningPreview preview;
    preview.header = joinLines({
        s10 + h.civility + " " + h.firstName + " " + h.lastName,
        s10 + h.speciality,
        s10 + h.establishment,
        s10 + h.address1,
        s10 + h.address2,
        s10 + h.department + spaces(10) + h.town,
        s10 + "Tel : " + h.telephone,
        // The date of the document and the practitioner's signature.
        "",
        s10 + "Le " + d.issued + spaces(12) +
            "Signature du praticien : ______________________________",
    });

    std::vector<std::string> l;
    l.push_back(s10 + "    Madame" + " " + d.patientName);
    l.insert(l.end(), 2, "");
    l.push_back(s10 + "    Le début de votre grossesse a été déclaré du" + " " + d.start);
    l.push_back(spaces(14) + "Le terme de cette grossesse est prévu au plus tard le" + " " +
                d.term + ".");
    l.insert(l.end(), 2, "");
    l.push_back(
        s10 +
        "    Voici ci dessous les dates importantes et le planning de vos rendez-vous à prendre.");
    l.insert(l.end(), 2, "");
    l.push_back(
        s10 + "        Dates des examens obligatoires (consultations à passer entre les deux dates "
              "indiquées).");
    for (std::size_t k = 0; k < 6; ++k)
        l.push_back(spaces(25) + kExaminationLabels[k] + d.examinations[k]);
    l.push_back(spaces(25) + "Entretien prénatal précoce : dès le 1er trimestre.");
    l.push_back("");
    l.push_back(s10 + "        Dates des trois échographies recommandées.");
    l.push_back(spaces(18) + "(Echographie à passer à partir ou entre les dates indiquées)");
    l.push_back(spaces(25) + "Echographie du 1 er trimestre : " + d.firstTrimesterUltrasound);
    l.push_back(spaces(25) + "Echographie du 2ème trimestre : " + d.ultrasounds[0]);
    l.push_back(spaces(25) + "Echographie du 3ème trimestre : " + d.ultrasounds[1]);
    l.push_back("");
    l.push_back(s10 + "        Evaluation du risque de trisomie 21.");
    l.push_back(spaces(20) + "Prise de sang à effectuer entre les dates indiquées : ");
    l.push_back(spaces(25) + "Marqueuts du 1er trimestre" + d.serumFirst);
    l.push_back(spaces(25) + "Marqueuts du 2ème trimestre" + d.serumSecond);
    l.push_back("");
    l.push_back(s10 + "        Consultation auprès de l'anesthésiste.");
    l.push_back(
        spaces(20) +
        "La consultation auprès de l'anesthésiste en vue de la péridurale et de l'accouchement");
    l.push_back(spaces(20) + "est obligatoire " + d.anaesthesia);
    l.push_back("");
    l.push_back(s10 + "        Votre congé prénatal débutera le : " + d.leave[0]);
    l.push_back(s10 + "        Il pourra vous être accordé un congé pathologique à partir du : " +
                d.leave[1]);
    preview.letter = joinLines(l);
    return preview;
}

} // namespace tovimar
