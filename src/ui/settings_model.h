// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings in force for one settings file (term.tvx, options.tvx,
// tarifs.tvx), loaded once and held for the whole program: the values last
// saved, or, while its editor is open, what the editor shows (saved or not).
// Readers ask the model, never the editor and never the disk; the editor
// shows the model's values, tells it every edit, and saves through it.

#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/settings_file.h"

namespace tovimar {

// The signal half of every model (a class template cannot declare signals).
class SettingsModelSignals : public QObject {
    Q_OBJECT
  signals:
    // The values in force changed: an edit, the end of an edit, a save.
    void changed();
};

template <class Values> class SettingsModel : public SettingsModelSignals {
  public:
    // `saved` as read from `file`; `whole` when the file was read whole.
    SettingsModel(SettingsFile file, Values saved, bool whole)
        : file_(std::move(file)), saved_(std::move(saved)), whole_(whole) {}

    // What readers use now: the open editor's values, else the saved ones.
    const Values& current() const { return editing_ ? *editing_ : saved_; }
    // The values last saved (or loaded at start).
    const Values& saved() const { return saved_; }
    bool editing() const { return editing_.has_value(); }
    // Whether the file was read whole (a missing file is not).
    bool whole() const { return whole_; }

    // Tells the user, once per call, that the file was missing or not whole
    // ("Fichier … absent ou erronné."); nothing when it was read whole.
    void tellIfNotWhole() const {
        if (!whole_) file_.reportUnreadable();
    }

    // The editor's values as it shows them now.
    void edit(Values values) {
        editing_ = std::move(values);
        emit changed();
    }
    // The editor is gone: the saved values are in force again.
    void endEditing() {
        if (!editing_) return;
        editing_.reset();
        emit changed();
    }

    // Saves `values` through the settings file (whole or not at all, only
    // what the next start reads back, see SettingsFile::save); on success
    // they are the saved values. False, with the user told why, otherwise.
    bool save(const Values& values, const std::vector<std::string>& record,
              const SettingsFile::ReadsWhole& readsWhole, const std::vector<std::string>& plain) {
        if (!file_.save(record, readsWhole, plain)) return false;
        saved_ = values;
        whole_ = true;
        emit changed();
        return true;
    }

  private:
    SettingsFile file_;
    Values saved_;
    bool whole_;
    std::optional<Values> editing_;
};

// Tells `publish` every edit a user makes in `editor`'s fields (line edits,
// combo boxes, check boxes, radio buttons), so the model follows the screen.
void publishEditsOf(QWidget* editor, const std::function<void()>& publish);

} // namespace tovimar
