#include "platform/settings_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "core/system_error_text.h"
#include "platform/messages.h"

namespace tovimar {
namespace {

// Every temporary file of ours starts so; what an interrupted save leaves is
// found by it.
const QString kTemporaryPrefix = QStringLiteral(".tovimar-");

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

QString temporaryPath(const QString& dir, const QString& name) {
    static std::atomic<unsigned> counter{0};
    return dir + "/" + kTemporaryPrefix + name + "-" + QString::number(::getpid()) + "-" +
           QString::number(counter++);
}

void removeLeftovers(const QString& dir) {
    if (dir.isEmpty()) return;
    const QDir folder(dir);
    const QStringList left =
        folder.entryList({kTemporaryPrefix + "*"}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : left)
        QFile::remove(folder.filePath(name));
}

// Writes the bytes into a new file beside `path`, flushes it to the disk, then
// puts it in the place of `path`. 0, or the system's error number.
int replaceWhole(const QString& path, std::string_view bytes) {
    const QFileInfo info(path);
    const QByteArray target = nativePath(path);
    const QByteArray temporary = nativePath(temporaryPath(info.absolutePath(), info.fileName()));
    struct stat previous {};
    const bool existed = ::stat(target.constData(), &previous) == 0;
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    const auto fail = [&](bool open) {
        const int error = errno;
        if (open) ::close(fd);
        ::unlink(temporary.constData());
        return error ? error : EIO;
    };
    // The new file keeps the permissions of the one it replaces.
    if (existed) (void)::fchmod(fd, previous.st_mode & 07777);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(true);
        done += static_cast<std::size_t>(n);
    }
    // A full disk may only show when the data reaches it.
    if (::fsync(fd) != 0) return fail(true);
    if (::close(fd) != 0) return fail(false);
    if (::rename(temporary.constData(), target.constData()) != 0) return fail(false);
    // The rename itself reaches the disk with the folder.
    const int dirFd =
        ::open(nativePath(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

bool probeWritable(const QString& dir) {
    const QByteArray probe = nativePath(temporaryPath(dir, QStringLiteral("essai")));
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
    removeLeftovers(programDir_);
    removeLeftovers(userDir_);
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
    const QString path = savePath(fileName);
    const bool existed = QFileInfo::exists(path);
    const int failure = replaceWhole(path, bytes);
    if (failure == 0) return true;
    if (error)
        *error = QStringLiteral("Impossible d'enregistrer le fichier %1 dans le dossier %2 (%3). ")
                     .arg(fileName, QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                          QString::fromStdString(frenchErrorCause(failure))) +
                 (existed ? QStringLiteral("Le fichier précédent est conservé tel quel.")
                          : QStringLiteral("Rien n'a été enregistré."));
    return false;
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
