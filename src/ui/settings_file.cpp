// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_file.h"

#include <QStringList>

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

bool SettingsFile::save(const std::vector<std::string>& values, const ReadsWhole& readsWhole,
                        const std::vector<std::string>& plain) const {
    if (!canHold(values)) return false;
    // An invisible character pasted from elsewhere would make the whole file
    // unreadable at the next start.
    if (const std::string controls = controlCharactersNamed(values); !controls.empty()) {
        platform_.messages.inform(
            QStringLiteral("Ces caractères invisibles ne peuvent pas être enregistrés dans ") +
            shownName_ + QStringLiteral(" : ") + QString::fromStdString(controls) +
            QStringLiteral(".\nSupprimez-les, puis enregistrez de nouveau."));
        return false;
    }
    const std::string bytes = encodeSettingsRecord(values);
    if (readsWhole && !readsWhole(bytes)) {
        // Each value alone among values the reader takes: those it refuses.
        QStringList refused;
        if (plain.size() == values.size() && readsWhole(encodeSettingsRecord(plain))) {
            for (std::size_t i = 0; i < values.size(); ++i) {
                std::vector<std::string> trial = plain;
                trial[i] = values[i];
                if (!readsWhole(encodeSettingsRecord(trial)))
                    refused << QStringLiteral("« ") + QString::fromStdString(values[i]) +
                                   QStringLiteral(" »");
            }
        }
        platform_.messages.inform(
            refused.isEmpty()
                ? QStringLiteral("Le fichier ") + shownName_ +
                      QStringLiteral(" ne pourrait pas être relu au prochain démarrage avec ces "
                                     "valeurs : rien n'a été enregistré.\nCorrigez-les, puis "
                                     "enregistrez de nouveau.")
                : QStringLiteral("Ces valeurs ne seraient pas relues au prochain démarrage et ne "
                                 "peuvent pas être enregistrées dans ") +
                      shownName_ + QStringLiteral(" : ") + refused.join(QStringLiteral(", ")) +
                      QStringLiteral("\nCorrigez-les, puis enregistrez de nouveau."));
        return false;
    }
    return saveSettingsFile(platform_.settings, platform_.messages, fileName_, bytes);
}

} // namespace tovimar
