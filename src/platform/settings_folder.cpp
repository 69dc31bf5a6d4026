#include "platform/settings_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "platform/messages.h"

namespace tovimar {
namespace {

const char* const kShippedSettings[] = {"term.tvx", "options.tvx", "tarifs.tvx"};

bool canWriteInto(const QString& dir) {
    QTemporaryFile probe(dir + "/.tovimar-XXXXXX");
    return probe.open();
}

} // namespace

SettingsFolder::SettingsFolder(QString programDir, QString userDir,
                               const std::function<bool(const QString&)>& writable)
    : programDir_(std::move(programDir)), settingsDir_(programDir_) {
    if ((writable ? writable(programDir_) : canWriteInto(programDir_)) || userDir.isEmpty()) return;
    QDir().mkpath(userDir);
    for (const char* name : kShippedSettings) {
        const QString target = userDir + "/" + name;
        const QString shipped = programDir_ + "/" + name;
        if (!QFileInfo::exists(target) && QFileInfo::exists(shipped)) {
            QFile::copy(shipped, target);
            QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    settingsDir_ = userDir;
}

std::optional<std::string> SettingsFolder::read(const QString& fileName) const {
    QFile file(settingsDir_ + "/" + fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // Settings are one short line; anything huge is not ours.
    if (file.size() > 1 << 20) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool SettingsFolder::write(const QString& fileName, const std::string& bytes,
                           QString* error) const {
    QSaveFile file(settingsDir_ + "/" + fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok)
        ok = file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
    if (ok)
        ok = file.commit();
    else
        file.cancelWriting();
    if (!ok && error)
        *error = QStringLiteral("Impossible d'enregistrer le fichier %1 dans le dossier %2 (%3). "
                                "Le fichier précédent est conservé tel quel.")
                     .arg(fileName, QDir::toNativeSeparators(settingsDir_), file.errorString());
    return ok;
}

bool saveSettingsFile(const SettingsFolder& folder, Messages& messages, const QString& fileName,
                      const std::string& bytes) {
    QString error;
    if (folder.write(fileName, bytes, &error)) return true;
    messages.inform(error);
    return false;
}

QString programFolderFromArguments(const QStringList& arguments) {
    const int i = arguments.indexOf("--dossier");
    if (i >= 0 && i + 1 < arguments.size()) return arguments.at(i + 1);
    const QString fromEnvironment = qEnvironmentVariable("TOVIMAR_DOSSIER");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QCoreApplication::applicationDirPath();
}

} // namespace tovimar
