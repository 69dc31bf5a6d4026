// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tovimar {

// The font of a piece of text: the family is the printer's own.
struct TextStyle {
    double points = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const TextStyle&) const = default;
};

// The unit and origin of the print positions.
struct PageGrid {
    bool centimetres = false; // false: the device's own unit, from the printable area's corner
    double leftCm = 0;        // origin, from the top-left corner of the printable area
    double topCm = 0;

    bool operator==(const PageGrid&) const = default;
};

struct TextPiece {
    QString text;
    TextStyle style;

    bool operator==(const TextPiece&) const = default;
};

// One line of the composed document.
struct ReportLine {
    int page = 0;   // 0 for the first page
    double top = 0; // top of the line, in the grid's unit, from the grid's origin
    PageGrid grid;  // the grid in force when the line was begun
    // The vertical position was moved while the line was still open: this line goes on from
    // where the previous one stopped instead of from the left edge.
    bool continuesPrevious = false;
    std::vector<TextPiece> pieces; // empty for an empty line

    QString text() const;
};

// One call made on a ReportPrinter, as kept by the printers until the document is ended.
struct ReportOperation {
    enum class Kind {
        CentimetreGrid,   // first = left cm, second = top cm
        FontSize,         // first = points
        Bold,             // flag
        Italic,           // flag
        VerticalPosition, // first = position on the grid
        Print,            // items, flag = continue the line
        ChoosePrinter,    // flag = the answer of the choice
        EndDocument,      // flag = success
    };

    Kind kind = Kind::Print;
    double first = 0;
    double second = 0;
    bool flag = false;
    QStringList items;

    bool operator==(const ReportOperation&) const = default;

    // True for the operations that compose the page (all but the printer choice and the end).
    bool composes() const;
};

// What the layout needs to know of the device.
struct DeviceMetrics {
    double dotsPerInch = 1200;
    double printableHeight = 0; // in dots; 0 for no page limit
    // Distance from one line to the next for a font, in dots.
    std::function<double(const TextStyle&)> lineHeight;
    // Width of the printable area, in dots, and of a text in a font; with both, a
    // line too long for the page goes on at the left edge of the next line,
    // broken between words (inside a word only when the word alone is too long).
    double printableWidth = 0;
    std::function<double(const TextStyle&, const QString&)> textWidth;
};

// The line model shared by the printers: tracks the print position, the font in force and the
// open line, breaks the items at CR, LF and CR LF, and turns the calls into lines.
class ReportLayout {
  public:
    static constexpr double defaultPoints = 10;

    explicit ReportLayout(DeviceMetrics metrics);

    void setCentimetreGrid(double leftCm, double topCm);
    void setFontSize(double points); // ignores a size that is not a positive number
    void setBold(bool on);
    void setItalic(bool on);
    void setVerticalPosition(double position); // ignores a position that is not a number
    void print(const QStringList& items, bool continueLine);
    // Applies a composing operation; the others are ignored.
    void apply(const ReportOperation& operation);

    // The lines so far; the last one may still be open (printed with continueLine).
    const std::vector<ReportLine>& lines() const { return lines_; }
    const TextStyle& style() const { return style_; }
    const PageGrid& grid() const { return grid_; }
    double verticalPosition() const { return position_; }
    int page() const { return page_; }
    double printableHeight() const { return metrics_.printableHeight; }
    void setPrintableHeight(double dots) { metrics_.printableHeight = dots; }

    // Line height of the font in force, in the grid's unit.
    double lineHeight() const;

    // The text between the line breaks of an item; CR LF counts as one break.
    static QStringList splitLineBreaks(const QString& text);

  private:
    double toGridUnit(double dots) const;
    void addText(const QString& text);
    void addPiece(const QString& text);
    bool wraps() const;
    double roomLeft() const; // in dots, from the print position to the right edge
    void openLine();
    void endLine();

    DeviceMetrics metrics_;
    TextStyle style_;
    PageGrid grid_;
    double position_ = 0;
    int page_ = 0;
    bool lineOpen_ = false;
    bool midLine_ = false; // the position was moved while a line was open
    double x_ = 0;         // print position from the grid's left edge, in dots
    std::vector<ReportLine> lines_;
};

} // namespace tovimar
