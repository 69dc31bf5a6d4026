// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings files live, by one rule for reading and saving:
//  - a file is read from the user's data folder when a copy is there, else
//    from the program's folder (the shipped file);
//  - a save replaces the file where it is read from; a file still read from
//    a program folder that cannot be written is saved into the user's folder,
//    whose copy is the one read from then on.
// So the value read at the next start is always the value last saved, and a
// folder that cannot be written never hides a file that can be read.

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tovimar {

class SettingsFolder {
  public:
    // programDir: the shipped files (and the help file); userDir: the user's
    // own copies (may be empty: none). `writable` tells whether a folder can
    // take a new file (by default, a probe file is created in it).
    // Temporary files left there by an interrupted save are removed.
    SettingsFolder(QString programDir, QString userDir,
                   const std::function<bool(const QString&)>& writable = {});

    const QString& programDir() const { return programDir_; }
    const QString& userDir() const { return userDir_; }
    // The folder a file without a user's copy is saved into, as judged at
    // start: the program's folder when it could be written, else the user's.
    const QString& settingsDir() const { return settingsDir_; }

    // The file read now (the user's copy, else the program's).
    QString readPath(const QString& fileName) const;
    // The file's bytes, or nullopt when it is missing or unreadable.
    std::optional<std::string> read(const QString& fileName) const;
    // Writes the whole file atomically (a new file replaces the old one only
    // once complete and flushed to disk). On failure the previous file is
    // untouched, no temporary file is left, and `error` says why, in French.
    bool write(const QString& fileName, const std::string& bytes, QString* error = nullptr) const;

  private:
    bool canWrite(const QString& dir) const;
    QString savePath(const QString& fileName) const;

    QString programDir_;
    QString userDir_;
    QString settingsDir_;
    std::function<bool(const QString&)> writable_;
};

class Messages;

// Saves a settings file; a failure is told to the user (the previous file
// stays whole). True when saved.
bool saveSettingsFile(const SettingsFolder& folder, Messages& messages, const QString& fileName,
                      const std::string& bytes);

// The program's folder: --dossier DIR on the command line, else the
// TOVIMAR_DOSSIER environment variable, else the executable's folder.
QString programFolderFromArguments(const QStringList& arguments);

} // namespace tovimar
