// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/osiris_about.h"

namespace tovimar {

const std::array<OsirisAboutEntry, 5>& osirisAboutEntries() {
    static const std::array<OsirisAboutEntry, 5> kEntries{{
        {"But de l'outil", "Aider le praticien à évaluer le risque d''ostéoporose chez les "
                           "femmes ménopausées."},
        {"Algorythme de calcul", "Score OSIRIS =\r\n[ 2 x (Poids /10) ] - [2 x (Age/10) ] + "
                                 "[ 2(siTHS) ] - [ 2(Si Fracture) ]"},
        {"Methode de validation", "METHODE DE VALIDATION OSIRIS,\r\n"
                                  "Score clinique développé à partir des données rétrospectives\r\n"
                                  "d'une population de 1304 femmes ménopausées (étude de 2001),\r\n"
                                  "puis validé de façon prospective sur une population\r\n"
                                  "de 798 femmes ménopausées vivant en France."},
        // The published validation of the score.
        {"Bibliographie",
         "BIBLIOGRAPHIE\r\n"
         "Validation of OSIRIS, a prescreening tool for the identification of women with an "
         "increased risk of osteoporosis.\r\n"
         "Reginster JY, Ben Sedrine W, Viethel P, Micheletti MC, Chevallier T, Audran M.\r\n"
         "Gynecological Endocrinology 2004 ; 18 (1) : 3-8."},
        {"Interprétation", "INTERPRETATION\r\n"
                           "> 1 = Normal (Ne rien faire)\r\n"
                           "< -3 = Patho (Traiter)\r\n"
                           "Entre +1 et -3 évaluer par la DMO."},
    }};
    return kEntries;
}

} // namespace tovimar
