// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/biometry_report.h"

#include "platform/report_printer.h"

namespace tovimar {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Prints pieces on one line, each in its own style, then ends the line.
struct Piece {
    QString text;
    bool bold = false;
    bool italic = false;
};
void printLine(ReportPrinter& p, std::initializer_list<Piece> pieces) {
    std::size_t i = 0;
    for (const Piece& piece : pieces) {
        p.setBold(piece.bold);
        p.setItalic(piece.italic);
        p.print({piece.text}, ++i < pieces.size());
    }
    p.setBold(false);
    p.setItalic(false);
}

constexpr const char* kLineLabels[8] = {"  - Diamètre Bipariétal : ",
                                        "  - Circonférence céphalique : ",
                                        "  - Diamètre abdominal transverse : ",
                                        "  - Circonférence abdominale : ",
                                        "  - Longueur du Fémur : ",
                                        "  - Longueur du Pied : ",
                                        "  - Longueur de l'Humerus : ",
                                        "  - Cervelet : "};

} // namespace

void printBiometryReport(ReportPrinter& p, const BiometryReportData& d) {
    const PracticeOptions& h = d.letterhead;
    // 2 cm from the left edge, 3 cm from the top, like the other letters' top margin.
    p.setCentimetreGrid(2, 3);

    p.setFontSize(20);
    p.print({q(h.establishment)});

    p.setFontSize(12);
    p.print({q(h.civility) + " " + q(h.firstName) + " " + q(h.lastName) + "\r" + q(h.speciality) +
             "\r" + q(h.address1) + "\r" + q(h.address2) + "\r" + q(h.town) + QString(6, ' ') +
             q(h.department) + "\r" + "Tel :  " + q(h.telephone) + "\n\n"});
    // The date of the document and the practitioner's signature, under the letterhead.
    p.setFontSize(11);
    p.print({QStringLiteral("Le ") + q(d.issued) + QString(12, ' ') +
             QStringLiteral("Signature du praticien : ______________________________\n\n")});
    p.setFontSize(12);

    const QString lf2 = QStringLiteral("\n\n");
    printLine(p, {{"Madame "}, {q(d.patientName) + lf2, true}});
    printLine(p, {{"Début de grossesse le "},
                  {q(d.start), true},
                  {" soit "},
                  {q(d.weeks), true},
                  {" semaines d'amenorrhée.\n"}});
    printLine(p, {{"Valeurs biométriques mesurées le " + q(d.measuredOn) + ".", true}});
    printLine(p, {{"  - Distance inter-orbitaire: "}, {q(d.interOrbital) + " mm.", true}});
    for (std::size_t k = 0; k < d.lines.size(); ++k) {
        const BiometryReportData::Line& line = d.lines[k];
        const bool last = k + 1 == d.lines.size();
        printLine(p, {{QString::fromUtf8(kLineLabels[k])},
                      {q(line.value) + " mm.  ", true},
                      {"(" + q(line.band) + ")."},
                      {" Moy = " + q(line.median) + " mm." + (last ? "\n" : ""), false, true}});
    }
    printLine(p, {{"Rapport DIO / Bip = "}, {q(d.dioBip), true}});
    printLine(p, {{"Rapport Pied / Fémur = "}, {q(d.femPied) + lf2, true}});
    printLine(p,
              {{"Poids théorique pour l'âge de la grossesse : "}, {q(d.theoreticalWeight), true}});
    // The report's weight is Dudley's (the screen also shows Hadlock's and Shephard's).
    printLine(p,
              {{"Poids estimé ce jour (formule de Dudley) "}, {q(d.estimatedWeight) + lf2, true}});
}

} // namespace tovimar
