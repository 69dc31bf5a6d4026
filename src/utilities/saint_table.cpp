// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar of saints and weather proverbs, one row per day of a leap year.
// Proverb lines are joined by a lone '\r'; lines are kept short because the
// main window shows them in a small label.

#include <array>
#include <string_view>

#include "utilities/saint_of_the_day.h"

namespace tovimar {
namespace {

constexpr std::array<SaintEntry, 366> kCalendar{{
    // Janvier
    {"0101", "Jour de l'an",
     "Au jour de l'an,\r"
     "Les jours croissent d'un vol de faisan."},
    {"0201", "St Clair", "St Clair porte quarantaine."},
    {"0301", "Ste Geneviève",
     "À la Sainte-Geneviève,\r"
     "Le froid ne fait pas de trêve."},
    {"0401", "Ste Pharaïlde",
     "Janvier sec et sage\r"
     "Est un bon présage."},
    {"0501", "St Gerlac",
     "Quand il gèle à la Saint-Gerlac,\r"
     "L'eau dort longtemps\r"
     "Sous la glace du lac."},
    {"0601", "St Gaston",
     "Aux Rois,\r"
     "Les jours croissent\r"
     "Du pas d'une oie."},
    {"0701", "Ste Melanie",
     "S'il fait beau à la Sainte-Mélanie,\r"
     "Le froid sera de la partie."},
    {"0801", "Ste Gudule",
     "À la Sainte-Gudule,\r"
     "Le froid pince\r"
     "Et la bûche brûle."},
    {"0901", "St Julien",
     "Janvier d'eau chiche\r"
     "Fait le paysan riche."},
    {"1001", "St Guillaume",
     "À la Saint-Guillaume,\r"
     "Le paysan reste\r"
     "Sous son toit de chaume."},
    {"1101", "St Paulin",
     "Saint Paulin clair et serein\r"
     "Promet du blé et du bon vin."},
    {"1201", "Ste Tatania",
     "Les 12 premiers jours de janvier\r"
     "Indiquent le temps qu'il fera\r"
     "Les 12 mois de l'année."},
    {"1301", "St Arcade",
     "Neige de la Saint-Arcade\r"
     "Tient le blé au chaud."},
    {"1401", "St Hilaire",
     "À la Saint-Hilaire,\r"
     "Le plus grand froid\r"
     "Est sur la terre."},
    {"1501", "St Maur",
     "S'il fait beau à la Saint-Maur,\r"
     "La moitié de l'hiver est dehors."},
    {"1601", "Ste Nina",
     "Si janvier est sans froidure,\r"
     "Mars et avril\r"
     "En paieront l'usure."},
    {"1701", "St Antoine le Grand",
     "À la Saint-Antoine,\r"
     "Les jours croissent\r"
     "Du repas d'un moine."},
    {"1801", "St Pierre",
     "Beau temps à la Saint-Pierre,\r"
     "L'hiver sera moins sévère."},
    {"1901", "Ste Prisca",
     "À la Sainte-Prisca,\r"
     "Le froid s'en va\r"
     "Ou il reviendra."},
    {"2001", "St Sebastien",
     "À la Saint-Sébastien,\r"
     "L'hiver reprend\r"
     "Ou se casse les dents."},
    {"2101", "Ste Agnes",
     "Pour la Sainte-Agnès,\r"
     "Froidure et neige\r"
     "Sont de la fête."},
    {"2201", "St Vincent",
     "À la Saint-Vincent,\r"
     "Clair et beau,\r"
     "Plus de vin que d'eau."},
    {"2301", "St Barnard",
     "À la Saint-Barnard,\r"
     "L'hiver n'est pas encore\r"
     "Sur son départ."},
    {"2401", "St Priest",
     "Année neigeuse,\r"
     "Année fructueuse."},
    {"2501", "St Paul",
     "À la Saint-Paul,\r"
     "L'hiver se rompt le col."},
    {"2601", "St Polycarpe",
     "À la Saint-Polycarpe,\r"
     "Si le vent souffle,\r"
     "Prends ton écharpe."},
    {"2701", "St Babylas",
     "Chaleur de janvier\r"
     "N'a jamais rempli le grenier."},
    {"2801", "St Charlemagne",
     "À la Saint-Charlemagne,\r"
     "La neige\r"
     "Couvre encore la campagne."},
    {"2901", "St Sulpice le Bon",
     "À la Saint-Sulpice,\r"
     "Le givre\r"
     "Sur les vitres se tisse."},
    {"3001", "Ste Martine",
     "Pour la Sainte-Martine,\r"
     "La bise souffle\r"
     "Sur la colline."},
    {"3101", "Ste Marcelle",
     "Janvier fait le péché,\r"
     "Mars en est accusé."},
    // Février
    {"0102", "St Ignace",
     "Février, le plus court des mois,\r"
     "Est de tous le pire à la fois."},
    {"0202", "La Chandeleur",
     "A la Chandeleur, verdure,\r"
     "A Pâques, neige forte et dure."},
    {"0302", "St Blaise",
     "À la Saint-Blaise,\r"
     "L'hiver s'apaise,\r"
     "Mais s'il redouble,\r"
     "Longtemps il nous trouble."},
    {"0402", "St Isidore",
     "Neige de février\r"
     "Vaut du fumier."},
    {"0502", "Ste Agathe",
     "À la Sainte-Agathe,\r"
     "Sème tes oignons,\r"
     "Même sur la glace."},
    {"0602", "Ste Dorothée",
     "À la Sainte-Dorothée,\r"
     "La plus forte neigée."},
    {"0702", "St Romuald",
     "Quand il pleut à la Saint-Romuald,\r"
     "Le printemps\r"
     "Arrive en retard."},
    {"0802", "St Jean (de Matha)",
     "Février trop doux,\r"
     "Printemps en courroux."},
    {"0902", "Ste Apolline",
     "À la Sainte-Apolline,\r"
     "L'hiver souvent\r"
     "Vers sa fin s'incline."},
    {"1002", "St Amand",
     "À la Saint-Amand,\r"
     "S'il fait beau temps,\r"
     "L'hiver en a pour longtemps."},
    {"1102", "St Séverin",
     "Février qui se veut chaud\r"
     "Ramène le froid au galop."},
    {"1202", "Ste Eulalie",
     "Sainte Eulalie beau soleil,\r"
     "Pommes et cidre à merveille."},
    {"1302", "Ste Béatrice",
     "Neige de la Sainte-Béatrice\r"
     "Au blé d'hiver\r"
     "Est propice."},
    {"1402", "St Valentin",
     "À la Saint-Valentin,\r"
     "Gèle la vigne\r"
     "Et le raisin."},
    {"1502", "St Faustin",
     "Mieux vaut un loup au troupeau\r"
     "Qu'un février doux et beau."},
    {"1602", "St Onésime",
     "Février remplit les fossés,\r"
     "Mars les sèche."},
    {"1702", "St Alexis",
     "Beau temps à la Saint-Alexis,\r"
     "L'hiver n'a pas dit\r"
     "Son dernier mot."},
    {"1802", "St Alexandre",
     "Herbe qui pousse en février\r"
     "Fait garder le foin au grenier."},
    {"1902", "St Siméon",
     "À la Saint-Siméon,\r"
     "Le pinson\r"
     "Reprend sa chanson."},
    {"2002", "St Sylvain",
     "À la Saint-Sylvain,\r"
     "Gelée qui pince\r"
     "Promet bon grain."},
    {"2102", "St Pépin",
     "À la Saint-Pépin,\r"
     "Taille ta vigne\r"
     "Au petit matin."},
    {"2202", "Ste Isabelle",
     "Sainte Isabelle souvent\r"
     "Ramène la neige et le vent."},
    {"2302", "St Florent",
     "À la Saint-Florent,\r"
     "S'il fait doux,\r"
     "L'hiver revient en courant."},
    {"2402", "St Mathias",
     "Saint Mathias\r"
     "Casse la glace ;\r"
     "S'il n'en trouve pas,\r"
     "Il en fera."},
    {"2502", "St Roméo",
     "Février neigeux,\r"
     "Été avantageux."},
    {"2602", "St Nestor",
     "À la Saint-Nestor,\r"
     "Le froid mord encore."},
    {"2702", "Ste Honorine",
     "À la Sainte-Honorine,\r"
     "La bise\r"
     "Courbe l'aubépine."},
    {"2802", "St Romain",
     "Quand février finit en beau,\r"
     "Mars arrive en manteau."},
    {"2902", "St Auguste",
     "En l'année bissextile,\r"
     "Garde du blé pour l'an qui suit."},
    // Mars
    {"0103", "St Aubin",
     "À la Saint-Aubin,\r"
     "Le printemps\r"
     "N'est plus très loin."},
    {"0203", "St Jacob",
     "Mars sec et avril mouillé\r"
     "Remplissent le grenier de blé."},
    {"0303", "Ste Cunégonde",
     "À la Sainte-Cunégonde,\r"
     "Le vent de mars\r"
     "Fait sa ronde."},
    {"0403", "St Adrien",
     "Quand mars fait avril,\r"
     "Avril fait mars."},
    {"0503", "St Casimir",
     "À la Saint-Casimir,\r"
     "Le froid va mourir."},
    {"0603", "Ste Colette",
     "À la Sainte-Colette,\r"
     "Commence le chant\r"
     "De l'alouette."},
    {"0703", "Ste Véronique",
     "À la Sainte-Véronique,\r"
     "Le vent d'hiver\r"
     "Encore nous pique."},
    {"0803", "St Jean (De Dieu)",
     "À la Saint-Jean-de-Dieu,\r"
     "Le saule\r"
     "Montre ses chatons soyeux."},
    {"0903", "Ste Françoise",
     "À la Sainte-Françoise,\r"
     "Le gel blanchit\r"
     "Encore les ardoises."},
    {"1003", "St Vivien",
     "S'il pleut à la Saint-Vivien,\r"
     "L'été n'en vaut rien."},
    {"1103", "St Eulogue",
     "Quand il tonne en mars,\r"
     "On peut dire hélas."},
    {"1203", "St Grégoire",
     "À la Saint-Grégoire,\r"
     "Taille ta vigne\r"
     "Pour avoir à boire."},
    {"1303", "Ste Euphrasie",
     "Mars venteux, avril pluvieux\r"
     "Font le mai gai et gracieux."},
    {"1403", "Ste Mathilde (dite Mahaud)",
     "Pour la Sainte-Mathilde,\r"
     "Sème tes pois,\r"
     "La terre est docile."},
    {"1503", "St Zacharie",
     "À la Saint-Zacharie,\r"
     "Le merle siffle\r"
     "Sur la prairie."},
    {"1603", "St Guénolé",
     "Pour la Saint-Guénolé,\r"
     "La mer s'apaise\r"
     "Et le ciel est lavé."},
    {"1703", "St Patrick",
     "Brouillard en mars,\r"
     "Gelée en mai."},
    {"1803", "St Narcisse",
     "À la Saint-Narcisse,\r"
     "La jonquille\r"
     "Sort de sa coulisse."},
    {"1903", "St Joseph",
     "Si la Saint-Joseph est claire,\r"
     "L'année sera prospère."},
    {"2003", "Jour du PRINTEMPS",
     "Printemps mouillé,\r"
     "Grenier comblé."},
    {"2103", "St Benoît",
     "À la Saint-Benoît,\r"
     "Le coucou chante\r"
     "Au fond des bois."},
    {"2203", "Ste Léa",
     "À la Sainte-Léa,\r"
     "Qui n'a pas semé\r"
     "Se dépêchera."},
    {"2303", "St Victorien",
     "Soleil de mars\r"
     "Donne des rhumes tenaces."},
    {"2403", "St Gabriel",
     "À la Saint-Gabriel,\r"
     "Les hirondelles\r"
     "Traversent le ciel."},
    {"2503", "Annonciation",
     "Beau temps à l'Annonciation,\r"
     "Le blé promet\r"
     "Bonne moisson."},
    {"2603", "Ste Eugenie",
     "En mars,\r"
     "Quand il fait beau,\r"
     "Prends ton manteau."},
    {"2703", "St Jean Damascène",
     "Mars entre comme un lion\r"
     "Et sort comme un mouton."},
    {"2803", "St Gontran",
     "Saint Gontran\r"
     "Fait lever le froment."},
    {"2903", "Ste Gwladys",
     "À la Sainte-Gwladys,\r"
     "La violette\r"
     "Sort du taillis."},
    {"3003", "St Amédée",
     "Pluie de mars\r"
     "Grandit l'herbette\r"
     "Et souvent annonce disette."},
    {"3103", "St Benjamin",
     "Fin mars,\r"
     "Les giboulées\r"
     "Font verdir les prés."},
    // Avril
    {"0104", "St Hugues",
     "En avril,\r"
     "Ne te découvre pas d'un fil."},
    {"0204", "Ste Sandrine",
     "Avril fait la fleur,\r"
     "Mai en a l'honneur."},
    {"0304", "St Richard",
     "À la Saint-Richard,\r"
     "Le soleil se lève tôt\r"
     "Et se couche tard."},
    {"0404", "St Isidore",
     "À la Saint-Isidore,\r"
     "Le laboureur\r"
     "Sort avant l'aurore."},
    {"0504", "Ste Irène",
     "Avril pluvieux et mai venteux\r"
     "Rendent l'an fertile\r"
     "Et plantureux."},
    {"0604", "St Prudence",
     "À la Saint-Prudence,\r"
     "Sois prudent :\r"
     "Le gel revient souvent."},
    {"0704", "St Cyprien",
     "Avril froid\r"
     "Donne pain et vin."},
    {"0804", "St Sixte",
     "À la Saint-Sixte,\r"
     "La vigne pleure\r"
     "Et le bourgeon s'invite."},
    {"0904", "St Gautier",
     "Quand il tonne en avril,\r"
     "Vigneron,\r"
     "Prépare ton baril."},
    {"1004", "St Macaire",
     "À la Saint-Macaire,\r"
     "La pluie\r"
     "Fait le bonheur de la terre."},
    {"1104", "St Stanislas",
     "Avril le doux,\r"
     "Quand il se fâche,\r"
     "Est le pire de tous."},
    {"1204", "St Jules",
     "Pour la Saint-Jules,\r"
     "Le blé verdit\r"
     "Et la brume recule."},
    {"1304", "Ste Clémence",
     "Si la Sainte-Clémence est douce,\r"
     "Le blé\r"
     "En herbe pousse."},
    {"1404", "St Valérien",
     "Saint Valérien\r"
     "Fait fleurir le lilas\r"
     "Et le jardin."},
    {"1504", "St Paterne",
     "À la mi-avril,\r"
     "Le coucou chante,\r"
     "Qu'il soit mort ou vif."},
    {"1604", "St Fructueux",
     "À la Saint-Fructueux,\r"
     "Si le ciel est pluvieux,\r"
     "Le cerisier fleurit peu."},
    {"1704", "St Anicet",
     "Avril venteux\r"
     "Rend le paysan heureux."},
    {"1804", "St Parfait",
     "À la Saint-Parfait,\r"
     "Le temps\r"
     "N'est jamais parfait."},
    {"1904", "St Léonide",
     "Gelée d'avril\r"
     "Ou de mai,\r"
     "Misère nous fait."},
    {"2004", "Ste Théodore",
     "En avril, la pluie\r"
     "Est pour les hommes ;\r"
     "En mai, pour les bêtes."},
    {"2104", "St Anselme",
     "À la Saint-Anselme,\r"
     "Le rossignol\r"
     "Chante sous l'orme."},
    {"2204", "Ste Opportune",
     "Pluie d'avril\r"
     "Est opportune\r"
     "Pour le blé et la prune."},
    {"2304", "St Georges",
     "À la Saint-Georges,\r"
     "Sème ton orge."},
    {"2404", "St Gaston",
     "À la Saint-Gaston,\r"
     "Le coucou\r"
     "Chante sur le buisson."},
    {"2504", "St Marc",
     "S'il pleut à la Saint-Marc,\r"
     "Il n'y aura pas\r"
     "De fruits à couteau."},
    {"2604", "St Clet",
     "Avril a trente jours ;\r"
     "S'il pleuvait trente et un,\r"
     "Il ne ferait mal à aucun."},
    {"2704", "St Frédéric",
     "À la Saint-Frédéric,\r"
     "Le muguet\r"
     "Pointe son nez."},
    {"2804", "St Aimé",
     "Avril frais et mai chaud\r"
     "Remplissent la grange\r"
     "Et le tonneau."},
    {"2904", "St Robert",
     "À la Saint-Robert,\r"
     "La terre\r"
     "Se couvre de vert."},
    {"3004", "St Ludovic",
     "Quand avril s'achève,\r"
     "La sève monte\r"
     "Et le blé se lève."},
    // Mai
    {"0105", "St Philippe",
     "Au premier mai,\r"
     "Le muguet\r"
     "Porte bonheur et gaieté."},
    {"0205", "St Boris",
     "En mai,\r"
     "Fais ce qu'il te plaît."},
    {"0305", "La Ste Croix",
     "À la Sainte-Croix,\r"
     "Sème tes haricots\r"
     "Et plante tes pois."},
    {"0405", "St Sylvain",
     "Mai fleuri,\r"
     "An réjoui."},
    {"0505", "Ste Judith",
     "Mai froid\r"
     "N'enrichit personne."},
    {"0605", "Pte St Jean",
     "À la Saint-Jean-Porte-Latine,\r"
     "La pluie\r"
     "Ne fait pas bonne mine."},
    {"0705", "Ste Gisèle",
     "Petite pluie de mai\r"
     "Rend tout le monde gai."},
    {"0805", "St Désiré",
     "À la Saint-Désiré,\r"
     "Le soleil\r"
     "Est bien désiré."},
    {"0905", "St Pacôme",
     "Saint Pacôme\r"
     "Fait lever le blé\r"
     "Et verdir le chaume."},
    {"1005", "Ste Solange, St Antonin",
     "À la Sainte-Solange,\r"
     "Le temps\r"
     "Souvent change."},
    {"1105", "St Mamert (1er St de Glace)",
     "Mamert, Pancrace et Servais\r"
     "Sont les trois saints de glace,\r"
     "Mais saint Urbain\r"
     "Les tient tous dans sa main."},
    {"1205", "St Pancrace (2ème St de Glace)", ""},
    {"1305", "St Servais (3ème St de Glace",
     "Avant Saint-Servais,\r"
     "Point d'été ;\r"
     "Après Saint-Servais,\r"
     "Plus de gelée."},
    {"1405", "St Boniface",
     "Pour la Saint-Boniface,\r"
     "Mets tes tomates en terre\r"
     "Et tes courges en place."},
    {"1505", "Ste Denise",
     "À la Sainte-Denise,\r"
     "Le froid\r"
     "N'est plus de mise."},
    {"1605", "St Honoré",
     "Beau temps à la Saint-Honoré,\r"
     "Le blé du boulanger\r"
     "Est assuré."},
    {"1705", "St Pascal",
     "Chaleur de mai,\r"
     "Vignes et blés\r"
     "S'en portent mieux."},
    {"1805", "Ste Juliette",
     "Herbe de mai\r"
     "Fait le beurre frais."},
    {"1905", "St Yves",
     "À la Saint-Yves,\r"
     "La mer\r"
     "Devient plus vive."},
    {"2005", "St Bernardin",
     "À la Saint-Bernardin,\r"
     "Les fleurs\r"
     "Remplissent le jardin."},
    {"2105", "Ste Quiterie",
     "À la Sainte-Quiterie,\r"
     "La caille\r"
     "Chante dans la prairie."},
    {"2205", "St Emile",
     "Mai sans rosée\r"
     "Laisse la prairie\r"
     "Désolée."},
    {"2305", "St Didier",
     "À la Saint-Didier,\r"
     "Le foin\r"
     "Commence à se lever."},
    {"2405", "Ste Angele",
     "Quand mai est chaud,\r"
     "L'année\r"
     "Ne fera point défaut."},
    {"2505", "St Urbain",
     "Saint Urbain passé,\r"
     "Le vigneron\r"
     "Est rassuré."},
    {"2605", "St Philippe Néri",
     "Rosée de mai\r"
     "Vaut mieux qu'un char de fumier."},
    {"2705", "St Hildevert",
     "Mai fait le blé\r"
     "Et juin fait le foin."},
    {"2805", "St Cyrille",
     "À la Saint-Cyrille,\r"
     "La cerise\r"
     "Au soleil brille."},
    {"2905", "St Gérard",
     "Si mai finit en beau,\r"
     "Juin sera chaud."},
    {"3005", "St Ferdinand",
     "À la Saint-Ferdinand,\r"
     "Le foin\r"
     "Pousse à travers champs."},
    {"3105", "Ste Pétronille",
     "S'il pleut à la Sainte-Pétronille,\r"
     "Le raisin\r"
     "S'en va en guenille."},
    // Juin
    {"0106", "St Fortuné",
     "Au mois de juin,\r"
     "Le jour le plus long\r"
     "N'est plus très loin."},
    {"0206", "St Marcellin",
     "À la Saint-Marcellin,\r"
     "Le blé\r"
     "Monte jusqu'aux reins."},
    {"0306", "Ste Clotilde",
     "À la Sainte-Clotilde,\r"
     "Les roses\r"
     "Fleurissent aux charmilles."},
    {"0406", "Ste Emma",
     "Juin froid et pluvieux,\r"
     "Tout l'an\r"
     "Sera besogneux."},
    {"0506", "St Igor",
     "Eau de juin\r"
     "Ruine le moulin."},
    {"0606", "Ste Claude",
     "À la Sainte-Claude,\r"
     "La saison\r"
     "Devient chaude."},
    {"0706", "St Gilbert",
     "Juin sec et chaud\r"
     "Met le blé au grenier."},
    {"0806", "St Medard",
     "S'il pleut à la Saint-Médard,\r"
     "Il pleut quarante jours plus tard."},
    {"0906", "St Félicien",
     "À la Saint-Félicien,\r"
     "Le foin\r"
     "Se fauche bien."},
    {"1006", "St Landry",
     "À la Saint-Landry,\r"
     "La cerise\r"
     "Est bien mûrie."},
    {"1106", "St Barnabé",
     "Saint Barnabé\r"
     "Coupe l'herbe sous le pied\r"
     "À saint Médard."},
    {"1206", "St Basilide",
     "Juin bien fleuri,\r"
     "Vrai paradis."},
    {"1306", "St Antoine de Padoue",
     "Saint Antoine de juin\r"
     "Fait fleurir le blé\r"
     "Et mûrir le foin."},
    {"1406", "St Rufin",
     "Quand il pleut en juin,\r"
     "Peu de vin\r"
     "Et peu de grain."},
    {"1506", "St Guy",
     "Pluie de Saint-Guy\r"
     "Rend la récolte\r"
     "À moitié pourrie."},
    {"1606", "St Cyr",
     "À la Saint-Cyr,\r"
     "La fraise des bois\r"
     "Est bonne à cueillir."},
    {"1706", "St Regis",
     "En juin,\r"
     "Trop de pluie\r"
     "Fait le pain cher."},
    {"1806", "St Florentin",
     "À la Saint-Florentin,\r"
     "La rosée\r"
     "Fait le beau matin."},
    {"1906", "St Gervais",
     "S'il pleut à la Saint-Gervais,\r"
     "Il pleut quarante jours après."},
    {"2006", "St Silvère",
     "À la Saint-Silvère,\r"
     "Le soleil\r"
     "Brûle la fougère."},
    {"2106", "Jour de l'été",
     "Au jour de l'été,\r"
     "Le soleil\r"
     "S'arrête pour se reposer."},
    {"2206", "St Alban",
     "À la Saint-Alban,\r"
     "Le blé\r"
     "Commence à blondir aux champs."},
    {"2306", "Ste Aure",
     "La veille de la Saint-Jean,\r"
     "Les feux\r"
     "S'allument dans les champs."},
    {"2406", "St Jean Baptiste",
     "Avant la Saint-Jean,\r"
     "Pluie bienfaisante ;\r"
     "Après la Saint-Jean,\r"
     "Pluie malfaisante."},
    {"2506", "St Guillaume",
     "À la Saint-Guillaume d'été,\r"
     "Le foin\r"
     "Doit être rentré."},
    {"2606", "St Anthelme",
     "Saint Anthelme sans orage,\r"
     "Foin rentré\r"
     "Sans dommage."},
    {"2706", "St Fernand",
     "À la Saint-Fernand,\r"
     "La faux\r"
     "Chante dans les champs."},
    {"2806", "St Fabien",
     "Fin juin,\r"
     "La cerise est passée,\r"
     "L'abricot s'en vient."},
    {"2906", "St Pierre, Paul",
     "S'il pleut à la Saint-Pierre,\r"
     "La récolte\r"
     "Est réduite d'un tiers."},
    {"3006", "St Martial",
     "Saint Martial\r"
     "Ramène le beau\r"
     "Et chasse le mistral."},
    // Juillet
    {"0107", "St Thierry",
     "Juillet sans orage,\r"
     "Famine au village."},
    {"0207", "La Visitation",
     "À la Visitation,\r"
     "Le faneur\r"
     "Achève la fenaison."},
    {"0307", "St Anatole",
     "À la Saint-Anatole,\r"
     "La cigale\r"
     "Chante et s'envole."},
    {"0407", "Ste Berthe",
     "À la Sainte-Berthe,\r"
     "La prairie\r"
     "N'est plus verte."},
    {"0507", "Ste Zoé",
     "En juillet,\r"
     "La faucille au poignet."},
    {"0607", "Ste Colombe",
     "À la Sainte-Colombe,\r"
     "La chaleur\r"
     "Sur les champs retombe."},
    {"0707", "St Raoul",
     "Juillet ensoleillé\r"
     "Remplit caves\r"
     "Et greniers."},
    {"0807", "Ste Virginie",
     "À la Sainte-Virginie,\r"
     "Les blés dorés\r"
     "Attendent la faux."},
    {"0907", "Ste Procule",
     "Quand juillet est beau,\r"
     "Soir et matin,\r"
     "On boira bon vin."},
    {"1007", "Ste Félicité",
     "À la Sainte-Félicité,\r"
     "Le moissonneur\r"
     "Sue en plein été."},
    {"1107", "St Martin (Le Bouillant)",
     "À la Saint-Martin-Bouillant,\r"
     "La chaleur\r"
     "Brûle les champs."},
    {"1207", "St Savin",
     "En juillet,\r"
     "Si l'eau ne manque pas,\r"
     "Le grain sera gras."},
    {"1307", "St Hippolyte",
     "À la Saint-Hippolyte,\r"
     "La source tarit\r"
     "Et la terre s'effrite."},
    {"1407", "St Thuriau",
     "Au quatorze juillet,\r"
     "Le soleil\r"
     "Est de la fête."},
    {"1507", "St Henri (le Boîteux)",
     "À la Saint-Henri,\r"
     "Mets les gerbes\r"
     "À l'abri."},
    {"1607", "Notre Dame du Mt Carmel",
     "À Notre-Dame du Carmel,\r"
     "Le blé est mûr\r"
     "Sous le soleil."},
    {"1707", "St Alexis",
     "À la Saint-Alexis,\r"
     "La moisson\r"
     "Est à son midi."},
    {"1807", "st Arnoul",
     "À la Saint-Arnoul,\r"
     "L'orage\r"
     "Sur la moisson roule."},
    {"1907", "St Vincent de Paul",
     "Quand juillet est pluvieux,\r"
     "Le grenier\r"
     "Reste creux."},
    {"2007", "Ste Marguerite",
     "Pluie de Sainte-Marguerite\r"
     "Fait les noisettes\r"
     "Toutes petites."},
    {"2107", "St Victor",
     "À la Saint-Victor,\r"
     "Le blé\r"
     "Se couvre d'or."},
    {"2207", "Ste Marie Madeleine",
     "À la Sainte-Madeleine,\r"
     "Les noisettes sont pleines."},
    {"2307", "St Apollinaire",
     "À la Saint-Apollinaire,\r"
     "Le soleil\r"
     "Fait bouillir la terre."},
    {"2407", "Ste Christine",
     "Nuit lourde à la Sainte-Christine,\r"
     "L'orage\r"
     "Gronde dès matines."},
    {"2507", "St Jacques",
     "Beau temps à la Saint-Jacques,\r"
     "Hiver froid\r"
     "Jusqu'à Pâques."},
    {"2607", "Ste Anne",
     "Pluie de la Sainte-Anne\r"
     "Est pour les champs\r"
     "Une vraie manne."},
    {"2707", "Les 7 Dormants",
     "S'il pleut aux Sept-Dormants,\r"
     "Il pleut\r"
     "Sept semaines durant."},
    {"2807", "St Samson",
     "À la Saint-Samson,\r"
     "La chaleur\r"
     "Est à foison."},
    {"2907", "Ste Marthe",
     "À la Sainte-Marthe,\r"
     "Ciel clair,\r"
     "Et l'orage s'écarte."},
    {"3007", "St Abdon",
     "S'il pleut à la Saint-Abdon,\r"
     "Le regain\r"
     "Sera bon."},
    {"3107", "St Ignace (de Loyola)",
     "Juillet finissant,\r"
     "Août commençant,\r"
     "Le blé est au grenier\r"
     "Et le moissonneur content."},
    // Août
    {"0108", "St Pierre aux liens",
     "S'il pleut à la Saint-Pierre-aux-Liens,\r"
     "Les noisettes\r"
     "Ne valent rien."},
    {"0208", "St Etienne",
     "Qui dort en août\r"
     "Dort à son coût."},
    {"0308", "Ste Lydie",
     "Août mûrit,\r"
     "Septembre vendange."},
    {"0408", "St Dominique",
     "À la Saint-Dominique,\r"
     "La chaleur pique."},
    {"0508", "St Abel",
     "Quand il pleut en août,\r"
     "Il pleut miel et bon moût."},
    {"0608", "St Agapit",
     "À la Transfiguration,\r"
     "Le raisin\r"
     "Change de façon."},
    {"0708", "St Gaétan",
     "À la Saint-Gaétan,\r"
     "Les orages\r"
     "Sont fréquents."},
    {"0808", "St Justin",
     "À la Saint-Justin,\r"
     "Le soleil\r"
     "Fait mûrir le raisin."},
    {"0908", "St Amour",
     "À la Saint-Amour,\r"
     "Les jours\r"
     "Se font plus courts."},
    {"1008", "St Laurent",
     "Pluie de Saint-Laurent\r"
     "Est toujours à temps."},
    {"1108", "Ste Suzanne",
     "À la Sainte-Suzanne,\r"
     "La guêpe\r"
     "Au verger flâne."},
    {"1208", "Ste Claire",
     "À la Sainte-Claire,\r"
     "Si le ciel est clair,\r"
     "Le raisin sera bien fait."},
    {"1308", "Ste Radegonde",
     "À la Sainte-Radegonde,\r"
     "La chaleur\r"
     "Sur la terre abonde."},
    {"1408", "St Eusèbe",
     "Veille de l'Assomption,\r"
     "S'il fait beau,\r"
     "Le raisin sera bon."},
    {"1508", "Assomption",
     "Soleil de l'Assomption\r"
     "Donne bon vin\r"
     "À foison."},
    {"1608", "St Roch",
     "À la Saint-Roch,\r"
     "Les orages\r"
     "Grondent sur les rocs."},
    {"1708", "St Hyacinthe",
     "À la Saint-Hyacinthe,\r"
     "La chaleur\r"
     "N'est pas encore éteinte."},
    {"1808", "Ste Helène",
     "A la Ste Hélène,\r"
     "La noix est pleine,\r"
     "Et le cerneau\r"
     "Se met dans l'eau."},
    {"1908", "St Jean Eudes",
     "Quand il pleut en août,\r"
     "Les truffes sont au bout."},
    {"2008", "St Bernard",
     "S'il pleut à la Saint-Bernard,\r"
     "La pluie\r"
     "Durera tard."},
    {"2108", "St Christophe",
     "À la Saint-Christophe,\r"
     "L'orage gronde,\r"
     "Gare à la catastrophe."},
    {"2208", "St Symphorien",
     "À la Saint-Symphorien,\r"
     "Les mûres\r"
     "Se cueillent en chemin."},
    {"2308", "Ste Rose de Lima",
     "À la Sainte-Rose,\r"
     "La vigne\r"
     "Se repose."},
    {"2408", "St Barthélemy",
     "À la Saint-Barthélemy,\r"
     "La chaleur\r"
     "S'en va à demi."},
    {"2508", "St Louis",
     "Beau temps à la Saint-Louis\r"
     "Annonce trois semaines\r"
     "Sans pluie."},
    {"2608", "St Privat",
     "Pour la Saint-Privat,\r"
     "Le raisin tourne\r"
     "Et la grive s'en va."},
    {"2708", "St Césaire",
     "Fin août,\r"
     "Les jours raccourcissent\r"
     "Et les soirs fraîchissent."},
    {"2808", "St Augustin",
     "À la Saint-Augustin,\r"
     "Les pêches\r"
     "Sont mûres au jardin."},
    {"2908", "Ste Sabine",
     "À la Sainte-Sabine,\r"
     "Le brouillard\r"
     "Sur la colline."},
    {"3008", "St Fiacre",
     "Saint Fiacre,\r"
     "Patron des jardiniers,\r"
     "Remplit les paniers."},
    {"3108", "St Paulin",
     "Ce qu'août ne mûrit pas,\r"
     "Septembre ne le mûrira pas."},
    // Septembre
    {"0109", "St Gilles",
     "S'il pleut à la Saint-Gilles,\r"
     "Le mois entier\r"
     "Sera humide."},
    {"0209", "Ste Ingrid",
     "Septembre se nomme\r"
     "Le mai de l'automne."},
    {"0309", "St Grégoire",
     "À la Saint-Grégoire de septembre,\r"
     "Le raisin\r"
     "Prend la couleur de l'ambre."},
    {"0409", "Ste Rosalie",
     "Pluie de la Sainte-Rosalie\r"
     "Fait pourrir\r"
     "La grappe mûrie."},
    {"0509", "Ste Raïssa",
     "En septembre,\r"
     "Si tu es prudent,\r"
     "Achète grain et vêtements."},
    {"0609", "St Onésiphore",
     "Septembre emporte les ponts\r"
     "Ou tarit les fontaines."},
    {"0709", "St Cloud",
     "À la Saint-Cloud,\r"
     "Les noix\r"
     "Tombent à tout coup."},
    {"0809", "Ste Aubierge",
     "À la Nativité de Marie,\r"
     "Les hirondelles\r"
     "Quittent le pays."},
    {"0909", "St Alain",
     "À la Saint-Alain,\r"
     "Les vendangeurs\r"
     "Sont en chemin."},
    {"1009", "Ste Inès",
     "Si septembre est pluvieux,\r"
     "Le vin\r"
     "Sera moins généreux."},
    {"1109", "St Hyacinthe",
     "Pour la Saint-Hyacinthe,\r"
     "La grappe est mûre\r"
     "Et la cuve est ceinte."},
    {"1209", "St Apollinaire",
     "Septembre est le mois\r"
     "Des vendanges\r"
     "Et des noix."},
    {"1309", "St Aimé",
     "À la Saint-Aimé,\r"
     "Le regain\r"
     "Est tout fané."},
    {"1409", "La Ste Croix",
     "À la Sainte-Croix,\r"
     "Cueille tes noix\r"
     "Et rentre ton bois."},
    {"1509", "St Albin",
     "À la Saint-Albin,\r"
     "Le raisin\r"
     "Est bon pour le vin."},
    {"1609", "Ste Edith",
     "Septembre ensoleillé\r"
     "Donne le vin\r"
     "Le plus parfumé."},
    {"1709", "St Lambert",
     "Sème à la Saint-Lambert,\r"
     "Ton grain\r"
     "Sortira de terre."},
    {"1809", "Ste Nadège",
     "Septembre humide,\r"
     "Pas de tonneau vide."},
    {"1909", "St Janvier",
     "À la Saint-Janvier,\r"
     "Le vigneron\r"
     "Prépare son cuvier."},
    {"2009", "", ""},
    {"2109", "St Matthieu",
     "À la Saint-Matthieu,\r"
     "L'été dit adieu."},
    {"2209", "St Maurice",
     "À la Saint-Maurice,\r"
     "Les jours et les nuits\r"
     "Sont de même mesure."},
    {"2309", "Saint lin",
     "À la Saint-Lin,\r"
     "La brume\r"
     "Couvre le matin."},
    {"2409", "St Gérard",
     "À la Saint-Gérard,\r"
     "Les feuilles\r"
     "Tombent au hasard."},
    {"2509", "St Firmin",
     "À la Saint-Firmin,\r"
     "L'hiver est en chemin."},
    {"2609", "Ste Justine",
     "À la Sainte-Justine,\r"
     "La rosée\r"
     "Est plus fine."},
    {"2709", "St Côme et St Damien",
     "Pour Côme et Damien,\r"
     "Les châtaignes\r"
     "Tombent sur le chemin."},
    {"2809", "St Vinceslas",
     "Vendange de septembre\r"
     "Remplit le cellier\r"
     "Et le coffre."},
    {"2909", "St Michel",
     "À la Saint-Michel,\r"
     "La chaleur\r"
     "Remonte au ciel."},
    {"3009", "St Jérôme",
     "Pour la Saint-Jérôme,\r"
     "Cueille tes pommes."},
    // Octobre
    {"0110", "St Remy",
     "À la Saint-Rémy,\r"
     "Tous les perdreaux\r"
     "Sont perdrix."},
    {"0210", "St Léger",
     "À la Saint-Léger,\r"
     "Rentre les derniers fruits\r"
     "Du verger."},
    {"0310", "St Gérard",
     "Octobre en bruine,\r"
     "Hiver en ruine."},
    {"0410", "St François d'Assises",
     "À la Saint-François,\r"
     "La semence\r"
     "Est dans les champs."},
    {"0510", "St Placide",
     "À la Saint-Placide,\r"
     "Le ciel\r"
     "Se fait gris et humide."},
    {"0610", "St Bruno",
     "À la Saint-Bruno,\r"
     "Commencent\r"
     "Les premiers froids."},
    {"0710", "St Serge",
     "À la Saint-Serge,\r"
     "Le brouillard\r"
     "Couvre la berge."},
    {"0810", "Ste Pélagie",
     "Octobre ensoleillé,\r"
     "Décembre emmitouflé."},
    {"0910", "St Denis",
     "À la Saint-Denis,\r"
     "Les vendanges\r"
     "Sont finies."},
    {"1010", "St Ghislain",
     "À la Saint-Ghislain,\r"
     "Les semailles\r"
     "Vont bon train."},
    {"1110", "St Gomer",
     "Octobre glacé\r"
     "Fait vermine trépasser."},
    {"1210", "St Wilfried",
     "À la Saint-Wilfried,\r"
     "Les feuilles\r"
     "Tombent à nos pieds."},
    {"1310", "St Géraud",
     "À la Saint-Géraud,\r"
     "Blé semé tôt\r"
     "Emplit le boisseau."},
    {"1410", "St Calixte",
     "À la Saint-Calixte,\r"
     "Le temps\r"
     "Est souvent triste."},
    {"1510", "Ste Thérèse (d'Avila)",
     "À la Sainte-Thérèse,\r"
     "On rallume la braise."},
    {"1610", "St Gall",
     "À la Saint-Gall,\r"
     "Le bétail\r"
     "Rentre à l'étable."},
    {"1710", "St Auneuil",
     "Quand octobre prend sa fin,\r"
     "Dans la cuve\r"
     "Est le vin."},
    {"1810", "St Luc",
     "À la Saint-Luc,\r"
     "Sème dru\r"
     "Ou ne sème plus."},
    {"1910", "St René",
     "À la Saint-René,\r"
     "Couvre ton nez."},
    {"2010", "Ste Adeline",
     "Brouillard d'octobre\r"
     "Et pluvieux novembre\r"
     "Font bon décembre."},
    {"2110", "Ste Ursule",
     "À la Sainte-Ursule,\r"
     "Le jour\r"
     "Plus vite recule."},
    {"2210", "St Moderan",
     "Si octobre est chaud,\r"
     "Février sera froid."},
    {"2310", "St Séverin",
     "À la Saint-Séverin,\r"
     "La gelée blanche\r"
     "Couvre le jardin."},
    {"2410", "St Raphaël",
     "À la Saint-Raphaël,\r"
     "Le soleil\r"
     "Se fait moins cruel."},
    {"2510", "St Crépin",
     "À la Saint-Crépin,\r"
     "Les mouches\r"
     "Voient leur fin."},
    {"2610", "St Amand",
     "Pour la Saint-Amand d'automne,\r"
     "Le vent\r"
     "Dans la cheminée résonne."},
    {"2710", "Ste Antoinette",
     "Tonnerre en octobre\r"
     "Promet un hiver\r"
     "Doux et sobre."},
    {"2810", "St Simon, St Jude",
     "Saint Simon, saint Jude,\r"
     "L'hiver\r"
     "Prend ses habitudes."},
    {"2910", "St Narcisse",
     "À la Saint-Narcisse,\r"
     "Le brouillard\r"
     "Sur les prés glisse."},
    {"3010", "St Bienvenue",
     "Fin octobre,\r"
     "Que l'hiver soit\r"
     "Le bienvenu."},
    {"3110", "St Quentin",
     "À la Saint-Quentin,\r"
     "La veillée\r"
     "Reprend son train."},
    // Novembre
    {"0111", "la Toussaint",
     "À la Toussaint,\r"
     "Le froid revient\r"
     "Et met l'hiver en train."},
    {"0211", "Jour des Défunts",
     "Le jour des Morts,\r"
     "Le vent\r"
     "Souffle plus fort."},
    {"0311", "St Hubert",
     "À la Saint-Hubert,\r"
     "Les oies sauvages\r"
     "Fuient l'hiver."},
    {"0411", "St Charles",
     "À la Saint-Charles,\r"
     "La gelée parle."},
    {"0511", "St Ernest",
     "Novembre chaud au début,\r"
     "Froid et dur à la fin."},
    {"0611", "Ste Bertille",
     "À la Sainte-Bertille,\r"
     "La feuille\r"
     "Au vent s'éparpille."},
    {"0711", "Ste Carine",
     "Novembre venteux,\r"
     "Rentre tes bœufs."},
    {"0811", "St Geoffroy",
     "À la Saint-Geoffroy,\r"
     "Rentre ton bois\r"
     "Et répare ton toit."},
    {"0911", "St Mathurin",
     "À la Saint-Mathurin,\r"
     "La pluie\r"
     "Tombe sans fin."},
    {"1011", "St Léon",
     "À la Saint-Léon,\r"
     "La neige\r"
     "Est sur les monts."},
    {"1111", "St Martin",
     "À la Saint-Martin,\r"
     "Bois le vin\r"
     "Et laisse l'eau au moulin."},
    {"1211", "St Emilien",
     "L'été de la Saint-Martin\r"
     "Dure trois jours\r"
     "Et un brin."},
    {"1311", "St Brice",
     "À la Saint-Brice,\r"
     "La glace\r"
     "Sur la mare se glisse."},
    {"1411", "Ste Philomène",
     "Brouillard de novembre,\r"
     "L'hiver\r"
     "Sera tendre."},
    {"1511", "St Léopold",
     "À la Saint-Léopold,\r"
     "Le froid\r"
     "S'installe sur le sol."},
    {"1611", "St Véran",
     "À la Saint-Véran,\r"
     "Le bois\r"
     "Se fend en craquant."},
    {"1711", "St Grégoire",
     "À la Saint-Grégoire de novembre,\r"
     "Le feu\r"
     "Réchauffe la chambre."},
    {"1811", "St Odon",
     "Neige de novembre\r"
     "Tient jusqu'en décembre."},
    {"1911", "Ste Elisabeth",
     "À la Sainte-Élisabeth,\r"
     "La première neige\r"
     "Blanchit le faîte."},
    {"2011", "St Tanguy",
     "À la Saint-Tanguy,\r"
     "Le jour\r"
     "S'enfuit."},
    {"2111", "St Felix",
     "À la Saint-Félix, gelée blanche,\r"
     "Pluie\r"
     "Avant dimanche."},
    {"2211", "Ste Cécile",
     "À la Sainte-Cécile,\r"
     "Sème tes fèves :\r"
     "Pour une, tu en auras mille."},
    {"2311", "St Clément",
     "À la Saint-Clément,\r"
     "L'hiver\r"
     "Montre ses dents."},
    {"2411", "Ste Flora",
     "Fin novembre,\r"
     "Prépare le bois\r"
     "Pour décembre."},
    {"2511", "Ste Catherine",
     "À la Sainte-Catherine,\r"
     "Tout bois prend racine."},
    {"2611", "Ste Delphine",
     "À la Sainte-Delphine,\r"
     "Le gel\r"
     "Fait grise mine."},
    {"2711", "St Séverin",
     "Si novembre tonne,\r"
     "L'année sera bonne."},
    {"2811", "St Hilaire",
     "Novembre finissant,\r"
     "L'hiver\r"
     "S'en vient en grondant."},
    {"2911", "St Sosthène",
     "À la Saint-Sosthène,\r"
     "La bise\r"
     "Souffle sur la plaine."},
    {"3011", "St André",
     "À la Saint-André,\r"
     "La nuit l'emporte\r"
     "Sur la journée."},
    // Décembre
    {"0112", "St Eloi",
     "À la Saint-Éloi,\r"
     "Les jours\r"
     "Sont courts et froids."},
    {"0212", "Ste Bibiane",
     "S'il pleut à la Sainte-Bibiane,\r"
     "Il pleut quarante jours\r"
     "Et une semaine."},
    {"0312", "St François de Xavier",
     "Décembre trop beau,\r"
     "L'été dans l'eau."},
    {"0412", "Ste Barbe",
     "Blé de la Sainte-Barbe\r"
     "En pot semé,\r"
     "À Noël sera levé."},
    {"0512", "St Gérald",
     "Décembre de froid trop chiche\r"
     "Ne fait pas le paysan riche."},
    {"0612", "St Nicolas",
     "À la Saint-Nicolas,\r"
     "L'hiver\r"
     "Est sur nos pas."},
    {"0712", "St Ambroise",
     "À la Saint-Ambroise,\r"
     "Le froid\r"
     "Cherche noise."},
    {"0812", "Immaculée Conception",
     "À l'Immaculée Conception,\r"
     "La neige\r"
     "Couvre la maison."},
    {"0912", "Ste Léocadie",
     "Décembre de neige\r"
     "Est bon pour le blé."},
    {"1012", "Ste Julie",
     "À la Sainte-Julie,\r"
     "Le soleil\r"
     "Ne quitte pas son lit."},
    {"1112", "St Daniel",
     "À la Saint-Daniel,\r"
     "Le froid\r"
     "Descend du ciel."},
    {"1212", "St Constance",
     "Pour l'Avent,\r"
     "Gros froid\r"
     "Et grand vent."},
    {"1312", "Ste Odile",
     "À la Sainte-Odile,\r"
     "Le jour s'amenuise\r"
     "Encore d'un fil."},
    {"1412", "St Nicaise",
     "À la Saint-Nicaise,\r"
     "Au coin du feu\r"
     "On se met à l'aise."},
    {"1512", "St Valérien",
     "À la Saint-Valérien,\r"
     "Le vent du nord\r"
     "Ne vaut rien."},
    {"1612", "Ste Adelaïde",
     "Froid de Sainte-Adélaïde\r"
     "Rend la mare\r"
     "Dure et solide."},
    {"1712", "St Lazare",
     "À la Saint-Lazare,\r"
     "Le soleil\r"
     "Se fait rare."},
    {"1812", "St Gatien",
     "Saint Gatien\r"
     "Gèle le chemin."},
    {"1912", "st Urbain",
     "En décembre,\r"
     "Fais du bois\r"
     "Et endors-toi."},
    {"2012", "St Théophile",
     "À la Saint-Théophile,\r"
     "Le vent\r"
     "Siffle dans les tuiles."},
    {"2112", "St Thomas",
     "À la Saint-Thomas,\r"
     "Les jours sont les plus bas."},
    {"2212", "St Françoise",
     "À l'entrée de l'hiver,\r"
     "Les jours reprennent\r"
     "Leur chemin à l'envers."},
    {"2312", "St Armand",
     "Décembre sans froidure,\r"
     "L'hiver\r"
     "Plus longtemps dure."},
    {"2412", "Ste Adèle",
     "Noël au balcon,\r"
     "Pâques au tison."},
    {"2512", "Noël",
     "Qui prend le soleil à Noël,\r"
     "Souvent à Pâques se gèle."},
    {"2612", "St Etienne",
     "Le lendemain de Noël,\r"
     "Le froid\r"
     "Est bien réel."},
    {"2712", "St Jean",
     "À la Saint-Jean d'hiver,\r"
     "La neige\r"
     "Couvre la terre."},
    {"2812", "Sts Innocents",
     "Aux Saints-Innocents,\r"
     "Les jours croissent\r"
     "D'un pas d'enfant."},
    {"2912", "St Evroult",
     "Quand les jours rallongent,\r"
     "Le froid s'allonge."},
    {"3012", "St Forannan",
     "Neige de fin d'année,\r"
     "Bonne année de blé."},
    {"3112", "St Sylvestre",
     "Pour la Saint Sylvestre,\r"
     "Les jours croissent d'un pas de maître."},
}};

constexpr int twoDigits(std::string_view s) {
    return (s[0] - '0') * 10 + (s[1] - '0');
}

// The rows run from 0101 to 3112 with no day missing or repeated, 29 February included.
constexpr bool inCalendarOrder() {
    constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::size_t row = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= kDaysInMonth[month - 1]; ++day, ++row) {
            const std::string_view key = kCalendar[row].key;
            if (key.size() != 4 || twoDigits(key) != day || twoDigits(key.substr(2)) != month)
                return false;
        }
    }
    return row == kCalendar.size();
}
static_assert(inCalendarOrder(), "the calendar must hold every day of a leap year, in order");

} // namespace

std::span<const SaintEntry> saintCalendar() {
    return kCalendar;
}

} // namespace tovimar
