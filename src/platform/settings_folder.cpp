// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include "platform/atomic_file.h"
#include "platform/messages.h"

namespace tovimar {
namespace {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

bool probeWritable(const QString& dir) {
    const QByteArray probe = nativePath(temporaryFileBeside(dir, QStringLiteral("essai")));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

} // namespace

SettingsFolder::SettingsFolder(QString programDir, QString userDir,
                               const std::function<bool(const QString&)>& writable)
    : programDir_(std::move(programDir)), userDir_(std::move(userDir)), writable_(writable) {
    removeLeftoverTemporaryFiles(programDir_);
    removeLeftoverTemporaryFiles(userDir_);
    settingsDir_ = canWrite(programDir_) || userDir_.isEmpty() ? programDir_ : userDir_;
}

bool SettingsFolder::canWrite(const QString& dir) const {
    return writable_ ? writable_(dir) : probeWritable(dir);
}

QString SettingsFolder::readPath(const QString& fileName) const {
    if (!userDir_.isEmpty()) {
        const QString own = userDir_ + "/" + fileName;
        if (QFileInfo::exists(own)) return own;
    }
    return programDir_ + "/" + fileName;
}

QString SettingsFolder::savePath(const QString& fileName) const {
    const QString read = readPath(fileName);
    if (userDir_.isEmpty() || !read.startsWith(programDir_ + "/")) return read;
    if (canWrite(programDir_)) return read;
    QDir().mkpath(userDir_);
    return userDir_ + "/" + fileName;
}

std::optional<std::string> SettingsFolder::read(const QString& fileName) const {
    QFile file(readPath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // Settings are one short line; anything huge is not ours.
    if (file.size() > 1 << 20) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool SettingsFolder::write(const QString& fileName, const std::string& bytes,
                           QString* error) const {
    return writeFileWhole(savePath(fileName), bytes, error);
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
