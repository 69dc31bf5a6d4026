#include "ui/settings_file.h"

#include "core/settings_record.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/settings_folder.h"

namespace tovimar {

SettingsFile::SettingsFile(Platform& platform, QString fileName, QString shownName)
    : platform_(platform), fileName_(std::move(fileName)), shownName_(std::move(shownName)) {}

std::optional<std::string> SettingsFile::bytesIfPresent() const {
    return platform_.settings.read(fileName_);
}

void SettingsFile::reportUnreadable() const {
    platform_.messages.inform(QStringLiteral("Fichier ") + shownName_ +
                              QStringLiteral(" absent ou erronné."));
}

bool SettingsFile::canHold(const std::vector<std::string>& values) const {
    const std::string outside = charactersOutsideWindows1252(values);
    if (outside.empty()) return true;
    platform_.messages.inform(
        QStringLiteral("Ces caractères ne peuvent pas être enregistrés dans ") + shownName_ +
        QStringLiteral(" : ") + QString::fromStdString(outside) +
        QStringLiteral("\nRemplacez-les, puis enregistrez de nouveau."));
    return false;
}

bool SettingsFile::save(const std::string& bytes) const {
    return saveSettingsFile(platform_.settings, platform_.messages, fileName_, bytes);
}

} // namespace tovimar
