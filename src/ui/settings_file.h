// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings file that a window shows and rewrites (term.tvx, options.tvx,
// tarifs.tvx): read with the file's own French message when it is missing or
// not whole, saved atomically with the cause of a failure told in French, and
// only with what the next start reads back.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tovimar {

struct Platform;

class SettingsFile {
  public:
    // fileName on disk ("term.tvx"); shownName in the message ("Term.tvx").
    SettingsFile(Platform& platform, QString fileName, QString shownName);

    // Decodes the file's bytes with `decode`, whose result tells `complete`;
    // when it is not complete the user reads "Fichier <shownName> absent ou
    // erronné." and gets what could be read. A missing file reads as no bytes,
    // or as nullopt for a decoder taking std::optional<std::string> (one that
    // tells a missing file from an empty one).
    template <class Decode> auto read(Decode decode) const {
        auto reading = readQuietly(decode);
        if (!reading.complete) reportUnreadable();
        return reading;
    }
    // The same, telling nobody: for a window that needs the values while the
    // file's fault has already been told (at start-up, or by its editor).
    template <class Decode> auto readQuietly(Decode decode) const {
        if constexpr (std::is_invocable_v<Decode, const std::optional<std::string>&>)
            return decode(bytesIfPresent());
        else
            return decode(std::string_view(bytesIfPresent().value_or(std::string())));
    }

    // True when the file's code page (Windows-1252) can hold every character
    // of the values; else the user is told which ones cannot, to replace them
    // before saving (instead of their becoming '?').
    bool canHold(const std::vector<std::string>& values) const;

    // What the next start makes of the file's bytes: true when its reader
    // takes them whole.
    using ReadsWhole = std::function<bool(std::string_view bytes)>;

    // Replaces the file with the record of these values, whole or not at all,
    // and only when the next start reads it back: each character must fit the
    // code page, none may be a control character, and `readsWhole` must take
    // the record. A value it refuses (a number too large for its field) is
    // found by trying each value alone in `plain`, a record the reader takes
    // (the defaults), and named. False when nothing was saved: the user has
    // been told why, the previous file is untouched, and the window should
    // stay open with what was typed.
    bool save(const std::vector<std::string>& values, const ReadsWhole& readsWhole,
              const std::vector<std::string>& plain) const;

    // "Fichier <shownName> absent ou erronné."
    void reportUnreadable() const;

  private:
    std::optional<std::string> bytesIfPresent() const;

    Platform& platform_;
    QString fileName_;
    QString shownName_;
};

} // namespace tovimar
