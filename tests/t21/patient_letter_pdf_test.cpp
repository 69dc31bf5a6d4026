// SPDX-License-Identifier: GPL-3.0-or-later
// The trisomy 21 letter printed through the real destination into a PDF file
// (no printer installed) and read back: its texts in order, within the margins,
// and no word left alone on a line of its paragraphs.
#include <gtest/gtest.h>

#include "platform/report_destination.h"
#include "support/pdf_readback.h"
#include "support/sample_printouts.h"
#include "t21/patient_letter.h"
#include "t21/patient_letter_printout.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// The words of a text, as read back: ligatures and no-break spaces made plain.
QString words(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

QString joined(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line) + QLatin1Char(' ');
    return text.simplified();
}

struct PrintedLetter {
    QString path;
    PdfInfo info;
    QStringList lines; // the layout text's lines, blanks brought to one
    std::vector<WordBox> boxes;
};

PrintedLetter printLetter(const T21LetterData& data) {
    PdfPrintout out;
    PrintedLetter letter;
    // As the risk window prints it: the printer chosen after composing, here none
    // installed, so the user names the PDF file.
    letter.path = out.print(PrintMode::ChoosePrinter, kT21LetterDocumentName,
                            [&](ReportPrinter& printer) { printT21Letter(printer, data); });
    if (letter.path.isEmpty()) return letter;
    letter.info = pdfInfo(letter.path);
    letter.lines = nonEmptyLines(pdfLayoutText(letter.path));
    letter.boxes = pdfWords(letter.path);
    return letter;
}

// The lines from the one that starts the overall risk's sentence to the end:
// the sentence and the advice, paragraphs of fixed text.
QStringList paragraphLines(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(QStringLiteral("Le risque global"))) return lines.mid(i);
    return {};
}

// The letter's grid starts 3 cm right of the printable area's left edge: no
// word starts left of it, and none runs into the right margin, 1 cm inside the
// printable area's right edge.
void expectWithinTheMargins(const PrintedLetter& letter) {
    ASSERT_FALSE(letter.boxes.empty()) << "pdftotext -bbox failed";
    const double left = letter.boxes.front().xMin;
    const double printerMargin = left - 3 * kPointsPerCm;
    EXPECT_GE(printerMargin, -0.5);
    const double right = letter.info.widthPoints - printerMargin - 1 * kPointsPerCm;
    for (const WordBox& word : letter.boxes) {
        EXPECT_GE(word.xMin, left - 0.5) << word.text.toStdString() << " left of the margin";
        EXPECT_LE(word.xMax, right + 0.5) << word.text.toStdString() << " past the right margin";
        EXPECT_EQ(word.page, 0) << word.text.toStdString();
    }
}

void expectNoWordAloneOnALine(const QStringList& paragraph) {
    for (const QString& line : paragraph)
        EXPECT_TRUE(words(line).contains(QLatin1Char(' ')))
            << "a word alone on a line: " << line.toStdString() << "\nin:\n"
            << paragraph.join('\n').toStdString();
}

} // namespace

TEST(T21LetterPdf, AgeAloneLowRiskReadsInOrderWithinTheMargins) {
    const PrintedLetter letter = printLetter(sampleAgeAloneLetter());
    ASSERT_FALSE(letter.path.isEmpty()) << "no PDF written";
    ASSERT_TRUE(letter.info.parsed) << "pdfinfo cannot read " << letter.path.toStdString();
    EXPECT_EQ(letter.info.pages, 1);
    EXPECT_NEAR(letter.info.widthPoints, 595.28, 1);
    EXPECT_NEAR(letter.info.heightPoints, 841.89, 1);

    const QStringList inOrder = {
        "Clinique du Parc",
        "Docteur Hélène Durand",
        "Gynécologue obstétricien",
        "3, place Bellecour",
        "Lyon 69",
        "Tel : 04 78 11 22 33",
        "Madame Zoé Lefèvre, 35 ans",
        "EVALUATION DU RISQUE DE TRISOMIE 21",
        "- RISQUE LIE A L'AGE:",
        "A Terme : 1/347",
    };
    EXPECT_EQ(firstMissingInOrder(letter.lines, inOrder), QString())
        << "missing or out of order, in:\n"
        << letter.lines.join('\n').toStdString();

    // The overall risk, then the low-risk advice against 1/250, every word in order.
    const QStringList paragraph = paragraphLines(letter.lines);
    ASSERT_FALSE(paragraph.isEmpty()) << letter.lines.join('\n').toStdString();
    const QString expected =
        QStringLiteral("Le risque global de donner naissance à un enfant trisomique après les "
                       "examens qui vous ont été pratiqués est estimé à 1/347. ") +
        joined(adviceLines(true, 250));
    EXPECT_EQ(words(paragraph.join(' ')).toStdString(), words(expected).toStdString());
    EXPECT_TRUE(paragraph.join(' ').contains(
        QStringLiteral("Ce risque est considéré comme faible car inferieur à 1/250.")));

    expectNoWordAloneOnALine(paragraph);
    expectWithinTheMargins(letter);
}

TEST(T21LetterPdf, EverySectionHighRiskStaysOnOnePageWithinTheMargins) {
    T21LetterData data = sampleEverySectionLetter();
    data.threshold = 30000; // 1/28025 is then a high risk
    const PrintedLetter letter = printLetter(data);
    ASSERT_FALSE(letter.path.isEmpty()) << "no PDF written";
    ASSERT_TRUE(letter.info.parsed);
    EXPECT_EQ(letter.info.pages, 1);

    const QStringList inOrder = {
        "Madame Zoé Lefèvre, 35 ans",
        "EVALUATION DU RISQUE DE TRISOMIE 21",
        "- RISQUE LIE A L'AGE:",
        "A Terme : 1/347",
        "- RISQUE LIE A LA CLARTE NUCALE COMBINE à L'AGE",
        "A Terme : 1/1723",
        "- RISQUE SEROLOGIQUE",
        "A Terme : 1/12700",
        "- RISQUE INTEGRE",
        "A Terme : 1/77906",
        "- APRES EXAMEN ECHOGRAPHIQUE MORPHOLOGIQUE",
        "A Terme : 1/28025",
    };
    EXPECT_EQ(firstMissingInOrder(letter.lines, inOrder), QString())
        << "missing or out of order, in:\n"
        << letter.lines.join('\n').toStdString();
    // The sections' sentences, whatever their wrapping.
    const QString all = letter.lines.join(' ');
    for (const char* sentence :
         {"La mesure de la clarté nucale est de 1,5 mm pour une longueur cranio caudale",
          "Les résultats isolés de la prise de sang (triple test) donnent un risque de :",
          "C'est le risque résultant de l'âge maternel, de la mesure de la clarté nucale et",
          "Le risque intégré global est de :"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(sentence))) << sentence;

    const QStringList paragraph = paragraphLines(letter.lines);
    const QString expected =
        QStringLiteral("Le risque global de donner naissance à un enfant trisomique après les "
                       "examens qui vous ont été pratiqués est estimé à 1/28025. ") +
        joined(adviceLines(false, 30000));
    EXPECT_EQ(words(paragraph.join(' ')).toStdString(), words(expected).toStdString());
    EXPECT_TRUE(paragraph.join(' ').contains(
        QStringLiteral("Ce risque est considéré comme relativement élevé")));

    expectNoWordAloneOnALine(paragraph);
    expectWithinTheMargins(letter);
}
