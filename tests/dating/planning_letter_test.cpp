// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/planning_letter.h"

#include <gtest/gtest.h>
#include <vector>

#include "support/sample_planning.h"

using namespace tovimar;
using tovimar::testing::sampleSchedule;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        out.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return out;
        start = end + 2;
    }
}

} // namespace

TEST(PlanningPreview, HeaderHasTheLetterheadThenTheDateAndTheSignature) {
    const PlanningPreview p = planningPreview(sampleSchedule());
    const std::vector<std::string> expected = {
        "          Madame Élise Martin",
        "          Sage-femme",
        "          Maternité des Lilas",
        "          12, rue de l'Église",
        "          Bâtiment B",
        "          69          Lyon",
        "          Tel : 04 78 00 00 00",
        "",
        "          Le 20/03/2010            Signature du praticien : "
        "______________________________",
    };
    EXPECT_EQ(lines(p.header), expected);
}

TEST(PlanningPreview, LetterLineByLine) {
    const std::string s10(10, ' '), s25(25, ' ');
    const std::vector<std::string> expected = {
        s10 + "    Madame Zoé Lefèvre",
        "",
        "",
        s10 + "    Le début de votre grossesse a été déclaré du 15/01/2010",
        "              Le terme de cette grossesse est prévu au plus tard le 15/10/2010.",
        "",
        "",
        s10 + "    Voici ci dessous les dates importantes et le planning de vos rendez-vous à "
              "prendre.",
        "",
        "",
        s10 + "        Dates des examens obligatoires (consultations à passer entre les deux dates "
              "indiquées).",
        s25 + "Examen du 4ème mois : 15/04/2010 --> 15/05/2010",
        s25 + "Examen du 5ème mois : 15/05/2010 --> 15/06/2010",
        s25 + "Examen du 6ème mois : 15/06/2010 --> 15/07/2010",
        s25 + "Examen du 7ème mois : 15/07/2010 --> 15/08/2010",
        s25 + "Examen du 8ème mois : 15/08/2010 --> 30/08/2010",
        s25 + "Examen du 9ème mois : 15/09/2010 --> 30/09/2010",
        s25 + "Entretien prénatal précoce : dès le 1er trimestre.",
        "",
        s10 + "        Dates des trois échographies recommandées.",
        "                  (Echographie à passer à partir ou entre les dates indiquées)",
        s25 + "Echographie du 1 er trimestre : 19/03/2010 --> 08/04/2010",
        s25 + "Echographie du 2ème trimestre : 04/06/2010",
        s25 + "Echographie du 3ème trimestre : 13/08/2010",
        "",
        s10 + "        Evaluation du risque de trisomie 21.",
        "                    Prise de sang à effectuer entre les dates indiquées : ",
        s25 + "Marqueuts du 1er trimestre19/03/2010 --> 08/04/2010",
        s25 + "Marqueuts du 2ème trimestre09/04/2010 --> 06/05/2010",
        "",
        s10 + "        Consultation auprès de l'anesthésiste.",
        "                    La consultation auprès de l'anesthésiste en vue de la péridurale et "
        "de l'accouchement",
        "                    est obligatoire entre le 13/08/2010 et le 10/09/2010",
        "",
        s10 + "        Votre congé prénatal débutera le : 03/09/2010",
        s10 + "        Il pourra vous être accordé un congé pathologique à partir du : 20/08/2010",
    };
    const PlanningPreview p = planningPreview(sampleSchedule());
    EXPECT_EQ(lines(p.letter), expected);
    EXPECT_NE(p.letter.substr(p.letter.size() - 2), "\r\n"); // no line break after the last line
}

TEST(PlanningPreview, AnEmptyScheduleLeavesTheLabelsAlone) {
    const PlanningPreview p = planningPreview(PlanningData{});
    const std::vector<std::string> header = lines(p.header);
    ASSERT_EQ(header.size(), 9u);
    EXPECT_EQ(header[0], std::string(10, ' ') + "  ");
    EXPECT_EQ(header[6], std::string(10, ' ') + "Tel : ");
    const std::vector<std::string> letter = lines(p.letter);
    ASSERT_EQ(letter.size(), 36u);
    EXPECT_EQ(letter[0], std::string(10, ' ') + "    Madame ");
    EXPECT_EQ(letter[11], std::string(25, ' ') + "Examen du 4ème mois : ");
    EXPECT_EQ(letter[35],
              std::string(10, ' ') +
                  "        Il pourra vous être accordé un congé pathologique à partir du : ");
}
