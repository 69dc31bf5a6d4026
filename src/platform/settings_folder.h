#pragma once
// Where the settings files live. The program's folder holds the shipped
// files; when it cannot be written (an installed copy), the settings move to
// the user's own data folder, seeded from the shipped files, so that a
// practitioner can always save.

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tovimar {

class SettingsFolder {
  public:
    // programDir: the shipped files (and the help file); userDir: the fallback.
    // `writable` tells whether a folder can take the settings (by default, a
    // probe file is created in it).
    SettingsFolder(QString programDir, QString userDir,
                   const std::function<bool(const QString&)>& writable = {});

    const QString& programDir() const { return programDir_; }
    // The folder the settings are read from and saved to.
    const QString& settingsDir() const { return settingsDir_; }

    // The file's bytes, or nullopt when it is missing or unreadable.
    std::optional<std::string> read(const QString& fileName) const;
    // Writes the whole file atomically (a new file replaces the old one only
    // once complete). On failure the previous file is untouched and `error`
    // says why, in French.
    bool write(const QString& fileName, const std::string& bytes, QString* error = nullptr) const;

  private:
    QString programDir_;
    QString settingsDir_;
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
