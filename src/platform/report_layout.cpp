// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/report_layout.h"

#include <cmath>
#include <utility>
#include <vector>

namespace tovimar {

namespace {
constexpr double cmPerInch = 2.54;
}

QString ReportLine::text() const {
    QString all;
    for (const TextPiece& piece : pieces)
        all += piece.text;
    return all;
}

bool ReportOperation::composes() const {
    return kind != Kind::ChoosePrinter && kind != Kind::EndDocument;
}

ReportLayout::ReportLayout(DeviceMetrics metrics) : metrics_(std::move(metrics)) {
    style_.points = defaultPoints;
}

void ReportLayout::setCentimetreGrid(double leftCm, double topCm) {
    if (!std::isfinite(leftCm) || !std::isfinite(topCm)) return;
    grid_ = PageGrid{true, leftCm, topCm};
    // The position goes to the grid's origin; a line left open stays where it was printed.
    position_ = 0;
    x_ = 0;
    lineOpen_ = false;
    midLine_ = false;
}

void ReportLayout::setFontSize(double points) {
    if (std::isfinite(points) && points > 0) style_.points = points;
}

void ReportLayout::setBold(bool on) {
    style_.bold = on;
}

void ReportLayout::setItalic(bool on) {
    style_.italic = on;
}

void ReportLayout::setVerticalPosition(double position) {
    if (!std::isfinite(position)) return;
    if (lineOpen_) {
        // The rest of the open line goes on at the same horizontal place, on the new position.
        lineOpen_ = false;
        midLine_ = true;
    }
    position_ = position;
}

void ReportLayout::print(const QStringList& items, bool continueLine) {
    for (const QString& item : items) {
        const QStringList parts = splitLineBreaks(item);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0) endLine();
            addText(parts[i]);
        }
    }
    if (!continueLine) endLine();
}

void ReportLayout::apply(const ReportOperation& operation) {
    using Kind = ReportOperation::Kind;
    switch (operation.kind) {
    case Kind::CentimetreGrid:
        setCentimetreGrid(operation.first, operation.second);
        break;
    case Kind::FontSize:
        setFontSize(operation.first);
        break;
    case Kind::Bold:
        setBold(operation.flag);
        break;
    case Kind::Italic:
        setItalic(operation.flag);
        break;
    case Kind::VerticalPosition:
        setVerticalPosition(operation.first);
        break;
    case Kind::Print:
        print(operation.items, operation.flag);
        break;
    case Kind::ChoosePrinter:
    case Kind::EndDocument:
        break;
    }
}

double ReportLayout::lineHeight() const {
    return metrics_.lineHeight ? toGridUnit(metrics_.lineHeight(style_)) : 0.0;
}

QStringList ReportLayout::splitLineBreaks(const QString& text) {
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            parts.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    parts.append(current);
    return parts;
}

double ReportLayout::toGridUnit(double dots) const {
    if (!grid_.centimetres || metrics_.dotsPerInch <= 0) return dots;
    return dots * cmPerInch / metrics_.dotsPerInch;
}

bool ReportLayout::wraps() const {
    return metrics_.textWidth && metrics_.printableWidth > 0;
}

double ReportLayout::roomLeft() const {
    // A page's text keeps a right margin of 1 cm inside the printable area (a
    // printer with no margins of its own would otherwise print to the paper's
    // edge); a page too narrow for it keeps at least half its width.
    constexpr double kRightMarginCm = 1;
    const double left = grid_.centimetres ? grid_.leftCm * metrics_.dotsPerInch / cmPerInch : 0.0;
    const double right = kRightMarginCm * metrics_.dotsPerInch / cmPerInch;
    const double width = metrics_.printableWidth - left - right;
    return (width >= metrics_.printableWidth / 2 ? width : metrics_.printableWidth - left) - x_;
}

void ReportLayout::addPiece(const QString& text) {
    if (text.isEmpty()) return;
    openLine();
    lines_.back().pieces.push_back(TextPiece{text, style_});
    if (wraps()) x_ += metrics_.textWidth(style_, text);
}

void ReportLayout::addText(const QString& text) {
    if (!wraps()) return addPiece(text);
    QString rest = text;
    while (!rest.isEmpty()) {
        const double room = roomLeft();
        if (metrics_.textWidth(style_, rest) <= room) return addPiece(rest);
        // The longest run of whole words that fits, breaking after a blank. A
        // run is never narrower than a shorter one, so the search halves the
        // candidates at each measure instead of trying them from the end.
        std::vector<qsizetype> breaks; // where a run of words ends, in order
        for (qsizetype i = 1; i < rest.size(); ++i)
            if (rest[i] == QLatin1Char(' ') && rest[i - 1] != QLatin1Char(' ')) breaks.push_back(i);
        qsizetype cut = -1;
        std::size_t fitting = 0, tooWide = breaks.size(); // breaks[0, fitting) are known to fit
        while (fitting < tooWide) {
            const std::size_t middle = fitting + (tooWide - fitting) / 2;
            if (metrics_.textWidth(style_, rest.left(breaks[middle])) <= room)
                fitting = middle + 1;
            else
                tooWide = middle;
        }
        if (fitting > 0) cut = breaks[fitting - 1];
        const bool lineStart = x_ <= 0;
        if (cut < 0 && !lineStart) {
            // Not even the first word fits after what the line holds: it starts the next line.
            endLine();
            while (rest.startsWith(QLatin1Char(' ')))
                rest.remove(0, 1);
            continue;
        }
        if (cut < 0) {
            // One word wider than the whole line: as many of its characters as fit, at least one.
            cut = 1;
            while (cut < rest.size() && metrics_.textWidth(style_, rest.left(cut + 1)) <= room)
                ++cut;
        }
        addPiece(rest.left(cut));
        endLine();
        rest.remove(0, cut);
        while (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
    }
}

void ReportLayout::openLine() {
    if (lineOpen_) return;
    if (metrics_.printableHeight > 0 && position_ > 0) {
        // The bottom of the printable area, measured from the grid's origin.
        double bottom = toGridUnit(metrics_.printableHeight);
        if (grid_.centimetres) bottom -= grid_.topCm;
        if (position_ + lineHeight() > bottom) {
            ++page_;
            position_ = 0;
        }
    }
    ReportLine line;
    line.page = page_;
    line.top = position_;
    line.grid = grid_;
    line.continuesPrevious = midLine_;
    lines_.push_back(std::move(line));
    lineOpen_ = true;
}

void ReportLayout::endLine() {
    openLine();
    position_ += lineHeight();
    lineOpen_ = false;
    midLine_ = false;
    x_ = 0;
}

} // namespace tovimar
