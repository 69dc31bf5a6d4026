// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tovimar {

// The page printer through which the printed reports compose their pages: a report sets a few
// page and font properties, prints lines of text top to bottom, optionally lets the user choose
// the printer, then ends the document. Nothing reaches the printer before endDocument.
//
// Common rules of the implementations (the line model lives in report_layout.h):
// - Without setCentimetreGrid, positions are in the device's own unit from the top-left corner
//   of the printable area. setCentimetreGrid moves the print position to the grid's origin.
// - Each line advances the position by the line height of the font in force when the line is
//   ended; the pieces of a line are drawn with their tops on the line's position.
// - A line that would not fit under the bottom of the printable area starts a new page, at the
//   top of the grid.
// - A refused printer choice abandons the document composed so far: the next composition
//   starts on a blank page. After endDocument the next composition also starts a new document.
class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;
    // Page grid in centimetres, origin shifted from the top-left corner of the printable area.
    virtual void setCentimetreGrid(double leftCm, double topCm) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setVerticalPosition(double cm) = 0; // on the centimetre grid
    // Prints the items one after the other from the current position; unless continueLine,
    // the line is then ended and the next print starts at the grid's left edge on the next line.
    // No items prints an empty line. CR, LF, or CR LF (as one) inside an item start a new line at
    // the left edge.
    virtual void print(const QStringList& items = {}, bool continueLine = false) = 0;
    // Shows the printer choice; false when it reports a failure/cancel (the caller then stops
    // without ending).
    virtual bool choosePrinter() = 0;
    // Sends the composed page(s) to the printer; returns false with an error text on failure.
    virtual bool endDocument(QString* error = nullptr) = 0;
    // After a successful endDocument, the file the pages went to (a PDF file
    // under the name actually taken); empty for a printer.
    virtual QString writtenFile() const { return {}; }
};

} // namespace tovimar
