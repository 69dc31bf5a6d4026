// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file cut into its sections: each section starts at an anchor
// (<a name="...">) followed by its heading, and runs to the next one. The
// help window shows one section at a time, lists them as its contents, and
// searches them.

#include <QString>
#include <QStringList>
#include <vector>

namespace tovimar {

struct HelpSection {
    QString anchor;      // "sommaire", "sujet-40", "datation"...
    QString title;       // the heading's text
    QString html;        // a whole HTML page holding this section alone
    QString plainText;   // what the section reads
    QString searchText;  // the same, folded for searching
    QStringList anchors; // every anchor inside the section, its own first
};

class HelpDocument {
  public:
    // False (and no section) when the text holds no section.
    bool parse(const QString& html);

    const std::vector<HelpSection>& sections() const { return sections_; }
    // The section holding an anchor, or -1.
    int sectionOf(const QString& anchor) const;
    // The sections whose text holds the words, ignoring case and accents
    // ("echographie" finds "Échographie"), in the file's order.
    std::vector<int> search(const QString& words) const;

  private:
    std::vector<HelpSection> sections_;
};

// Lower case without accents, ligatures spelt out: the form searches compare.
QString foldForSearch(const QString& text);

// A pattern that finds the words in a text whatever its case and accents.
QString accentInsensitivePattern(const QString& words);

} // namespace tovimar
