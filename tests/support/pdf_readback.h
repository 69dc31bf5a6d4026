// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printed pages read back from the PDF files the program wrote, with poppler's
// tools (pdftotext, pdfinfo, pdffonts; scripts/install-dependencies.sh
// installs them): the text as laid out on the page, each word with its box,
// and the document's own description.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSettings;
class QTemporaryDir;

namespace tovimar {
class ReportDestination;
class ReportPrinter;
enum class PrintMode;
} // namespace tovimar

namespace tovimar::testing {

// A tool's standard output; empty when it could not run or did not exit with 0.
QString runTool(const QString& program, const QStringList& arguments);

// The text in reading order (pdftotext), pages separated by form feeds.
QString pdfText(const QString& file);
// The text as laid out on the page (pdftotext -layout): one text line a line, the
// horizontal gaps kept as blanks; pages separated by form feeds.
QString pdfLayoutText(const QString& file);

struct WordBox {
    QString text;
    double xMin, yMin, xMax, yMax; // PDF points from the page's top-left corner
    int page;                      // 0 for the first
};
// The words of the file with their boxes (pdftotext -bbox).
std::vector<WordBox> pdfWords(const QString& file);
std::optional<WordBox> findWord(const std::vector<WordBox>& words, const QString& text);

// What pdfinfo says of a file; `parsed` false when it could not read it as a PDF.
struct PdfInfo {
    bool parsed = false;
    int pages = 0;
    double widthPoints = 0, heightPoints = 0; // of the first page
    QString title;
};
PdfInfo pdfInfo(const QString& file);

// The lines of a layout text that hold something, without their blanks at either
// end, the blanks inside each run of words brought to one, ligatures (ﬁ) and
// no-break spaces read as their plain letters and blanks.
QStringList nonEmptyLines(const QString& layoutText);

// The first of `expected` that is not found in `text` after the previous one (each
// a whole line of `lines`, compared blanks brought to one); empty when all are
// there in that order.
QString firstMissingInOrder(const QStringList& lines, const QStringList& expected);

constexpr double kPointsPerCm = 72 / 2.54;

// The real report destination as a user without any printer has it: every page
// goes to a PDF file in a temporary folder (chosen once, as the user would),
// under a home folder of its own so that no real documents folder is touched.
class PdfPrintout {
  public:
    PdfPrintout();
    ~PdfPrintout();

    // Prints through the destination as the windows do, in that mode, and
    // returns the PDF file written; empty when nothing was written, with the
    // messages the user was shown in `shown`.
    QString print(PrintMode mode, const QString& documentName,
                  const std::function<void(ReportPrinter&)>& compose);
    QStringList shown;

  private:
    std::unique_ptr<QTemporaryDir> home_, out_;
    std::unique_ptr<QSettings> memory_;
    std::unique_ptr<ReportDestination> destination_;
    QByteArray savedHome_, savedConfig_;
    int files_ = 0;
};

} // namespace tovimar::testing
