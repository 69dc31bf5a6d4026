// SPDX-License-Identifier: GPL-3.0-or-later
// The reference cases of tovimar-calc --verifier. Each expected value comes
// from the publication or the rule cited, worked by hand from it (a published
// formula applied to the case's measurements, a date counted on the calendar),
// never from a run of this program. The expected text is written as the
// program shows it (dates JJ/MM/AAAA, decimal comma).

#include "cli/verifier.h"

namespace tovimar::cli {

const std::vector<ReferenceCase>& referenceCases() {
    static const std::string kTerm =
        "Convention obstétricale française : le terme est fixé 9 mois après le début de "
        "grossesse, soit 41 SA (CNGOF, Recommandations pour la pratique clinique « Grossesse "
        "prolongée et terme dépassé », 2011)";
    static const std::string kRobinson =
        "Robinson HP, Fleming JEE. A critical evaluation of sonar crown-rump length "
        "measurements. Br J Obstet Gynaecol 1975;82:702-10 : âge (jours) = 8,052 × √LCC(mm) "
        "+ 23,73";
    static const std::string kHadlock =
        "Hadlock FP, Harrist RB, Sharman RS, Deter RL, Park SK. Estimation of fetal weight "
        "with the use of head, body, and femur measurements. Am J Obstet Gynecol "
        "1985;151:333-7 : log10 PF = 1,326 − 0,00326 CA×LF + 0,0107 CC + 0,0438 CA + 0,158 LF "
        "(cm)";
    static const std::string kShepard =
        "Shepard MJ, Richards VA, Berkowitz RL, Warsof SL, Hobbins JC. An evaluation of two "
        "equations for predicting fetal weight by ultrasound. Am J Obstet Gynecol "
        "1982;142:47-54 : log10 PF(kg) = −1,7492 + 0,166 BIP + 0,046 CA − 2,646 CA×BIP/1000 "
        "(cm)";
    static const std::string kSnijders =
        "Snijders RJM, Sundberg K, Holzgreve W, Henry G, Nicolaides KH. Maternal age- and "
        "gestation-specific risk for trisomy 21. Ultrasound Obstet Gynecol 1999;13:167-70, "
        "risque à terme selon l'âge";
    static const std::string kEaster =
        "Date de Pâques du calendrier grégorien (comput ecclésiastique, tables de l'IMCCE) ; "
        "lundi de Pâques, Ascension (+39 j) et lundi de Pentecôte (+50 j) en découlent "
        "(code du travail, art. L3133-1)";
    static const std::string kOsiris =
        "Sedrine WB, Chevallier T, Zegels B et al. Development and assessment of the "
        "Osteoporosis Index of Risk (OSIRIS) to facilitate selection of women for bone "
        "densitometry. Gynecol Endocrinol 2002;16:245-50 : 0,2 × (poids − âge) + 2 si THS "
        "− 2 si fracture";
    static const std::string kOsirisClasses =
        kOsiris + " ; Reginster JY, Ben Sedrine W et al. Validation of OSIRIS. Gynecol "
                  "Endocrinol 2004;18:3-8 : risque faible au-dessus de 1, intermédiaire de −3 "
                  "à 1 inclus, élevé au-dessous de −3";
    static const std::string kEuro =
        "Règlement (CE) n° 2866/98 du Conseil du 31 décembre 1998 : 1 euro = 6,55957 francs ; "
        "arrondi au centime le plus proche (règlement (CE) n° 1103/97, art. 5)";
    static const std::string kEuroHalf =
        "Règlement (CE) n° 2866/98 du Conseil du 31 décembre 1998 : 1 euro = 6,55957 francs ; "
        "règlement (CE) n° 1103/97, art. 5 : le montant converti est arrondi au centime le plus "
        "proche, un résultat tombant exactement à mi-chemin étant arrondi au centime supérieur";
    static const std::string kLeave =
        "Code du travail, art. L1225-17 à L1225-19 : congé prénatal de 6 semaines (8 à partir "
        "du troisième enfant, 12 pour des jumeaux) avant la date présumée de l'accouchement";

    static const std::string k2018 =
        "Arrêté du 23 juin 2009 fixant les règles de bonnes pratiques en matière de dépistage "
        "et de diagnostic prénatals avec utilisation des marqueurs sériques maternels de "
        "trisomie 21, modifié par l'arrêté du 14 décembre 2018 ; Haute Autorité de santé, Place "
        "des tests ADN libre circulant dans le sang maternel dans le dépistage de la trisomie "
        "21 fœtale, recommandation, mai 2017 : risque "
        "combiné de 1/50 ou plus, caryotype d'emblée ; de 1/51 à 1/1000, DPNI ; au-dessous "
        "de 1/1000, pas d'examen ; clarté nucale de 3,5 mm ou plus, caryotype";
    static const std::string kSingleThreshold =
        "Seuil unique des réglages du terme : au risque 1/T ou plus (N ≤ T), amniocentèse "
        "conseillée";
    static const std::string kKaryotype =
        "Risque de 1/50 ou plus : caryotype fœtal proposé d'emblée, DPNI possible si la "
        "patiente le préfère";
    static const std::string kCellFree =
        "Risque entre 1/51 et 1/1000 : DPNI proposé (ADN fœtal libre circulant)";
    static const std::string kNoTest = "Risque inférieur à 1/1000 : pas d'examen complémentaire";
    static const std::string kNuchal =
        "Clarté nucale de 3,5 mm ou plus : caryotype fœtal proposé quel que soit le risque";

    static const std::vector<ReferenceCase> cases = {
        {"Début de grossesse : 14 jours après le premier jour des dernières règles",
         "Convention de datation : pour un cycle de 28 jours, la conception (début de "
         "grossesse) a lieu 14 jours après le premier jour des dernières règles",
         "DEBUT_DEPUIS_DDR",
         {"01/01/2024"},
         "15/01/2024"},
        {"Terme : début de grossesse + 9 mois",
         kTerm,
         "TERME_DEPUIS_DEBUT",
         {"15/01/2024"},
         "15/10/2024"},
        {"Terme : 9 mois tombant dans un mois plus court (fin février bissextile)",
         kTerm,
         "TERME_DEPUIS_DEBUT",
         {"31/05/2011"},
         "29/02/2012"},
        {"Âge gestationnel : semaines révolues depuis le début de grossesse + 2 SA",
         "Semaines d'aménorrhée comptées depuis le premier jour des dernières règles, 14 jours "
         "avant le début de grossesse : 73 jours après le début = 10 semaines 3 jours + 2 SA",
         "AGE_DEPUIS_DEBUT",
         {"15/01/2010", "29/03/2010"},
         "12,3"},
        {"Datation par la longueur cranio-caudale : LCC 45 mm",
         kRobinson,
         "AGE_GESTA_LCC",
         {"45"},
         "11,1 S.A."},
        {"Datation par la longueur cranio-caudale : LCC 60 mm",
         kRobinson,
         "AGE_GESTA_LCC",
         {"60"},
         "12,2 S.A."},
        {"Poids fœtal estimé, Hadlock : CC 320, CA 330, fémur 72 mm",
         kHadlock,
         "POIDS_HADLOCK",
         {"320", "330", "72"},
         "2998 g"},
        {"Poids fœtal estimé, Shepard : BIP 90, CA 330 mm",
         kShepard,
         "POIDS_SHEPHARD",
         {"90", "330"},
         "2999 g"},
        {"Risque de trisomie 21 à terme selon l'âge maternel : 25 ans",
         kSnijders,
         "ODDS_AGETERME",
         {"25", "non"},
         "1/1352",
         1,
         0.10},
        {"Risque de trisomie 21 à terme selon l'âge maternel : 30 ans",
         kSnijders,
         "ODDS_AGETERME",
         {"30", "non"},
         "1/895",
         1,
         0.10},
        {"Risque de trisomie 21 à terme selon l'âge maternel : 35 ans",
         kSnijders,
         "ODDS_AGETERME",
         {"35", "non"},
         "1/356",
         1,
         0.10},
        {"Risque de trisomie 21 à terme selon l'âge maternel : 40 ans",
         kSnijders,
         "ODDS_AGETERME",
         {"40", "non"},
         "1/97",
         1,
         0.10},
        {"Risque de trisomie 21 à terme selon l'âge maternel : 45 ans",
         kSnijders,
         "ODDS_AGETERME",
         {"45", "non"},
         "1/23",
         1,
         0.10},
        {"Pâques 2024 le dimanche 31 mars : lundi de Pâques",
         kEaster,
         "JOURS_FERIES",
         {"2024"},
         "Le lundi de Pâques est le lundi 01 avril 2024",
         2},
        {"Pâques 2024 le dimanche 31 mars : Ascension",
         kEaster,
         "JOURS_FERIES",
         {"2024"},
         "L'ascension est le jeudi 09 mai 2024",
         5},
        {"Pâques 2024 le dimanche 31 mars : lundi de Pentecôte",
         kEaster,
         "JOURS_FERIES",
         {"2024"},
         "Le lundi de pentecote est le lundi 20 mai 2024",
         6},
        {"Pâques 2025 le dimanche 20 avril",
         kEaster,
         "JOURS_FERIES",
         {"2025"},
         "Le lundi de Pâques est le lundi 21 avril 2025",
         2},
        {"Pâques 2038 le dimanche 25 avril, la plus tardive possible",
         kEaster,
         "JOURS_FERIES",
         {"2038"},
         "Le lundi de Pâques est le lundi 26 avril 2038",
         2},
        {"Pâques 2008 le dimanche 23 mars",
         kEaster,
         "JOURS_FERIES",
         {"2008"},
         "Le lundi de Pâques est le lundi 24 mars 2008",
         2},
        {"Délai légal de l'IVG : fin de la 14e semaine de grossesse (16 SA)",
         "Code de la santé publique, art. L2212-1 (loi n° 2022-295 du 2 mars 2022) : "
         "début de grossesse le 01/03/2024 + 14 semaines = premier jour hors délai",
         "DELAIS_IVG",
         {"01/03/2024", "14", "7", "01/04/2024"},
         "DateIVG=07/06/2024"},
        {"Congé prénatal, premier enfant : 6 semaines avant le terme",
         kLeave,
         "DEBUTS_CONGE",
         {"15/10/2024", "non", "non", "1"},
         "03/09/2024"},
        {"Congé prénatal, troisième enfant : 8 semaines avant le terme",
         kLeave,
         "DEBUTS_CONGE",
         {"15/10/2024", "non", "non", "2"},
         "20/08/2024"},
        {"Congé prénatal, jumeaux : 12 semaines avant le terme",
         kLeave,
         "DEBUTS_CONGE",
         {"15/10/2024", "oui", "non", "0"},
         "23/07/2024"},
        {"Score OSIRIS : 70 ans, 60 kg, sans THS ni fracture",
         kOsiris,
         "SCORE_OSIRIS",
         {"70", "60", "non", "non"},
         "-2"},
        {"Score OSIRIS : 55 ans, 70 kg, sous THS",
         kOsiris,
         "SCORE_OSIRIS",
         {"55", "70", "oui", "non"},
         "5"},
        {"Score OSIRIS : 80 ans, 50 kg, après une fracture",
         kOsiris,
         "SCORE_OSIRIS",
         {"80", "50", "non", "oui"},
         "-8"},
        {"Indice de masse corporelle : 70 kg pour 1,75 m",
         "Organisation mondiale de la santé : IMC = poids (kg) / taille (m)² ; 70 / 1,75² = "
         "22,86",
         "IMC",
         {"70", "175"},
         "22,9"},
        {"Score OSIRIS : 66 ans, 63 kg : 0,2 × (63 − 66) = −0,6, arrondi à −1",
         kOsiris,
         "SCORE_OSIRIS",
         {"66", "63", "non", "non"},
         "-1"},
        {"Score OSIRIS : 77 ans, 59 kg, sous THS : 0,2 × (59 − 77) + 2 = −1,6, arrondi à −2",
         kOsiris,
         "SCORE_OSIRIS",
         {"77", "59", "oui", "non"},
         "-2"},
        {"Score OSIRIS : 58 ans, 64 kg : 0,2 × (64 − 58) = 1,2, arrondi à 1",
         kOsiris,
         "SCORE_OSIRIS",
         {"58", "64", "non", "non"},
         "1"},
        {"Classe OSIRIS d'un score de 1 exactement (55 ans, 60 kg) : intermédiaire",
         kOsirisClasses,
         "SCORE_OSIRIS",
         {"55", "60", "non", "non"},
         "Risque intermédiaire",
         2},
        {"Classe OSIRIS d'un score de −3 exactement (73 ans, 58 kg) : intermédiaire",
         kOsirisClasses,
         "SCORE_OSIRIS",
         {"73", "58", "non", "non"},
         "Risque intermédiaire",
         2},
        {"Classe OSIRIS d'un score de 2 (60 ans, 70 kg) : faible",
         kOsirisClasses,
         "SCORE_OSIRIS",
         {"60", "70", "non", "non"},
         "Risque léger",
         2},
        {"Classe OSIRIS de 81 ans, 63 kg : 0,2 × (63 − 81) = −3,6, arrondi à −4 : élevé",
         kOsirisClasses,
         "SCORE_OSIRIS",
         {"81", "63", "non", "non"},
         "Risque sérieux",
         2},
        {"Conversion : 100 euros en francs", kEuro, "EUROFRANCS2", {"100"}, "655,96"},
        {"Conversion : 1000 francs en euros", kEuro, "FRANCEUROS2", {"1000"}, "152,45"},
        {"Conversion : 3 788,25 francs en euros (577,51499 €, arrondi une seule fois)",
         kEuro,
         "FRANCEUROS2",
         {"3788,25"},
         "577,51"},
        {"Conversion : 500 euros en francs (3 279,785 F, exactement à mi-chemin)",
         kEuroHalf,
         "EUROFRANCS2",
         {"500"},
         "3279,79"},
        {"Trisomie 21, seuils de 2018 : risque combiné 1/10",
         k2018,
         "CONDUITE_T21",
         {"10", "-", "2018"},
         kKaryotype},
        {"Trisomie 21, seuils de 2018 : 1/50, à la limite, caryotype",
         k2018,
         "CONDUITE_T21",
         {"50", "-", "2018"},
         kKaryotype},
        {"Trisomie 21, seuils de 2018 : 1/51, DPNI",
         k2018,
         "CONDUITE_T21",
         {"51", "-", "2018"},
         kCellFree},
        {"Trisomie 21, seuils de 2018 : 1/1000, à la limite, DPNI",
         k2018,
         "CONDUITE_T21",
         {"1000", "-", "2018"},
         kCellFree},
        {"Trisomie 21, seuils de 2018 : 1/1001, pas d'examen",
         k2018,
         "CONDUITE_T21",
         {"1001", "-", "2018"},
         kNoTest},
        {"Trisomie 21, seuils de 2018 : clarté nucale 3,5 mm et risque 1/5000, caryotype",
         k2018,
         "CONDUITE_T21",
         {"5000", "3,5", "2018"},
         kNuchal},
        {"Trisomie 21, seuils de 2018 : clarté nucale 3,4 mm et risque 1/5000, pas d'examen",
         k2018,
         "CONDUITE_T21",
         {"5000", "3,4", "2018"},
         kNoTest},
        {"Trisomie 21, seuil unique 1/250 : risque 1/250, amniocentèse",
         kSingleThreshold,
         "CONDUITE_T21",
         {"250", "-", "seuil=250"},
         "Risque de 1/250 ou plus : amniocentèse conseillée"},
        {"Trisomie 21, seuil unique 1/250 : risque 1/251, risque faible",
         kSingleThreshold,
         "CONDUITE_T21",
         {"251", "-", "seuil=250"},
         "Risque inférieur à 1/250 : risque faible"},
    };
    return cases;
}

} // namespace tovimar::cli
