// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/system_error_text.h"

namespace tovimar {
namespace {

// Every temporary file of ours starts so.
const QString kTemporaryPrefix = QStringLiteral(".tovimar-");

// The cause of a writer that stopped short without the system's saying why.
constexpr int kUnfinished = -1;
// The cause of a file whose size is not what was written.
constexpr int kShort = -2;

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// "Planning.pdf" -> "Planning (3).pdf"
QString numberedName(const QString& path, int n) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = name.lastIndexOf('.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    return QDir(info.path()).filePath(stem + QStringLiteral(" (%1)").arg(n) + extension);
}

bool pathTaken(const QString& path) {
    struct stat st {};
    return ::lstat(nativePath(path).constData(), &st) == 0;
}

void syncFolder(const QString& folder) {
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// The process named in a temporary file's name: ".tovimar-<name>-<pid>-<n>".
pid_t ownerOf(const QString& fileName) {
    const QStringList parts = fileName.split('-');
    if (parts.size() < 4) return 0;
    bool ok = false;
    const qint64 pid = parts.at(parts.size() - 2).toLongLong(&ok);
    return ok && pid > 0 ? static_cast<pid_t>(pid) : 0;
}

bool processRuns(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

// ---------------------------------------------------------------- device

class AtomicFile::Device : public QIODevice {
  public:
    explicit Device(AtomicFile& file) : file_(file) {}
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        return file_.write(std::string_view(data, static_cast<std::size_t>(size))) ? size
                                                                                   : qint64(-1);
    }

  private:
    AtomicFile& file_;
};

// ---------------------------------------------------------------- file

AtomicFile::AtomicFile(QString target, Replace replace)
    : target_(std::move(target)), replace_(replace), written_(target_) {}

AtomicFile::~AtomicFile() {
    discard();
}

QString temporaryFileBeside(const QString& folder, const QString& name) {
    static std::atomic<unsigned> counter{0};
    return QDir(folder).filePath(kTemporaryPrefix + name + "-" + QString::number(::getpid()) + "-" +
                                 QString::number(counter++));
}

void removeLeftoverTemporaryFiles(const QString& folder) {
    if (folder.isEmpty()) return;
    const QDir dir(folder);
    const QStringList left =
        dir.entryList({kTemporaryPrefix + "*"}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : left) {
        const QByteArray path = nativePath(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        // Its writer holds a lock on it while it writes: a file still locked,
        // or whose writer still runs (it locks it just after making it), is
        // another copy's save under way.
        struct stat opened {
        }, named{};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && !processRuns(ownerOf(name)) &&
            ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
            opened.st_ino == named.st_ino && opened.st_dev == named.st_dev)
            ::unlink(path.constData());
        ::close(fd);
    }
}

bool AtomicFile::fail(int error) {
    error_ = error ? error : EIO;
    discard();
    return false;
}

bool AtomicFile::open() {
    discard();
    error_ = 0;
    count_ = 0;
    writerFailed_ = false;
    deviceUsed_ = false;
    written_ = target_;
    const QFileInfo info(target_);
    const QString folder = info.absolutePath();
    removeLeftoverTemporaryFiles(folder);
    struct stat previous {};
    existed_ = ::stat(nativePath(target_).constData(), &previous) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = temporaryFileBeside(folder, info.fileName());
        fd_ = ::open(nativePath(candidate).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                     newFileMode_);
        if (fd_ >= 0) {
            temporary_ = candidate;
            break;
        }
        if (errno != EEXIST) return fail(errno);
    }
    if (fd_ < 0) return fail(EEXIST);
    // Held until the file is in place: no other copy takes it for a leftover.
    (void)::flock(fd_, LOCK_EX | LOCK_NB);
    // The new file keeps the permissions of the one it replaces.
    if (existed_ && replace_ == Replace::Allowed) (void)::fchmod(fd_, previous.st_mode & 07777);
    return true;
}

QIODevice* AtomicFile::device() {
    if (!device_) device_ = std::make_unique<Device>(*this);
    if (!device_->isOpen()) device_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    deviceUsed_ = true;
    return device_.get();
}

bool AtomicFile::write(std::string_view bytes) {
    deviceUsed_ = true;
    if (fd_ < 0 || error_ != 0) return false;
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // The first failure is the cause; the file is given up at commit.
            error_ = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
        count_ += n;
    }
    return true;
}

void AtomicFile::setWriterFailed() {
    writerFailed_ = true;
}

// A writer that stopped short without saying why (QPrinter's PDF engine
// keeps its file's errors): what the disk says when written to now.
int AtomicFile::causeOfUnfinishedWrite() {
    if (fd_ < 0) return kUnfinished;
    if (::lseek(fd_, 0, SEEK_END) < 0) return errno;
    static const char zeros[64 * 1024] = {};
    for (int i = 0; i < 16; ++i) {
        const ssize_t n = ::write(fd_, zeros, sizeof zeros);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
    }
    if (::fsync(fd_) != 0) return errno;
    return kUnfinished;
}

int AtomicFile::putInPlace() {
    const QByteArray temporary = nativePath(temporary_);
    if (replace_ == Replace::Allowed) {
        if (::rename(temporary.constData(), nativePath(target_).constData()) != 0) return errno;
        written_ = target_;
        return 0;
    }
    if (replace_ == Replace::KeepExisting) {
        const QByteArray target = nativePath(target_);
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                        RENAME_NOREPLACE) == 0)
            return 0;
        if (errno == EEXIST) {
            // Another copy put its own there first: it is whole, and kept.
            ::unlink(temporary.constData());
            return 0;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
        if (::link(temporary.constData(), target.constData()) == 0 || errno == EEXIST) {
            ::unlink(temporary.constData());
            return 0;
        }
        if (pathTaken(target_)) {
            ::unlink(temporary.constData());
            return 0;
        }
        return ::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
    }
    // A file already there is never replaced: the first free name is taken,
    // and taking it fails when another writer got there first.
    QString candidate = target_;
    for (int n = 2; n < 10000; candidate = numberedName(target_, n++)) {
        const QByteArray path = nativePath(candidate);
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path.constData(),
                        RENAME_NOREPLACE) == 0) {
            written_ = candidate;
            return 0;
        }
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
        // A file system that cannot refuse to replace: a hard link can.
        if (::link(temporary.constData(), path.constData()) == 0) {
            ::unlink(temporary.constData());
            written_ = candidate;
            return 0;
        }
        if (errno == EEXIST) continue;
        // Nor hard links (FAT): the name free now.
        if (pathTaken(candidate)) continue;
        if (::rename(temporary.constData(), path.constData()) != 0) return errno;
        written_ = candidate;
        return 0;
    }
    return EEXIST;
}

bool AtomicFile::commit(const Check& complete) {
    if (fd_ < 0) return fail(error_ ? error_ : EBADF);
    if (error_ != 0) return fail(error_);
    if (writerFailed_) return fail(causeOfUnfinishedWrite());
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return fail(errno);
    // What the device wrote is all there; a file another writer made has something.
    if (deviceUsed_ ? st.st_size != count_ : st.st_size <= 0) {
        const int cause = causeOfUnfinishedWrite();
        return fail(cause == kUnfinished ? kShort : cause);
    }
    if (complete) {
        QFile written(temporary_);
        if (!written.open(QIODevice::ReadOnly)) return fail(EIO);
        const bool whole = complete(written);
        written.close();
        if (!whole) return fail(causeOfUnfinishedWrite());
    }
    // A full disk may only show when the data reaches it.
    if (::fsync(fd_) != 0) return fail(errno);
    if (const int error = putInPlace()) return fail(error);
    temporary_.clear();
    ::close(fd_);
    fd_ = -1;
    // The rename itself reaches the disk with the folder.
    syncFolder(QFileInfo(written_).absolutePath());
    return true;
}

void AtomicFile::discard() {
    if (device_ && device_->isOpen()) device_->close();
    if (!temporary_.isEmpty()) {
        ::unlink(nativePath(temporary_).constData());
        temporary_.clear();
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

QString AtomicFile::errorText() const {
    if (error_ == 0) return QString();
    QString cause;
    if (error_ == kUnfinished)
        cause = QStringLiteral("l'écriture du fichier n'a pas pu être achevée");
    else if (error_ == kShort)
        cause = QStringLiteral("le fichier écrit sur le disque est incomplet");
    else
        cause = QString::fromStdString(frenchErrorCause(error_));
    const QFileInfo info(target_);
    return QStringLiteral("Impossible d'enregistrer le fichier %1 dans le dossier %2 (%3). ")
               .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), cause) +
           (existed_ && replace_ != Replace::Never
                ? QStringLiteral("Le fichier précédent est conservé tel quel.")
                : QStringLiteral("Rien n'a été enregistré."));
}

// ---------------------------------------------------------------- helpers

bool writeFileWhole(const QString& path, std::string_view bytes, QString* error) {
    AtomicFile file(path);
    if (file.open() && file.write(bytes) && file.commit()) return true;
    file.commit(); // the cause of a failed write, and the temporary file removed
    if (error) *error = file.errorText();
    return false;
}

bool copyFileWhole(const QString& source, const QString& target, mode_t mode, QString* error,
                   AtomicFile::Replace replace) {
    const auto fail = [error](const QString& text) {
        if (error) *error = text;
        return false;
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Le fichier %1 n'a pas pu être lu.")
                        .arg(QDir::toNativeSeparators(source)));
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder)) {
        // The cause: what making the folder's first missing part says.
        QString existing = folder;
        while (!QFileInfo::exists(existing) && !QFileInfo(existing).dir().isRoot())
            existing = QFileInfo(existing).absolutePath();
        const int cause = ::access(nativePath(existing).constData(), W_OK) == 0 ? EIO : errno;
        return fail(QStringLiteral("Impossible de créer le dossier %1 (%2). Rien n'a été "
                                   "enregistré.")
                        .arg(QDir::toNativeSeparators(folder),
                             QString::fromStdString(frenchErrorCause(cause))));
    }
    AtomicFile out(target, replace);
    out.setNewFileMode(mode);
    if (!out.open()) return fail(out.errorText());
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return fail(QStringLiteral("Le fichier %1 n'a pas pu être lu.")
                            .arg(QDir::toNativeSeparators(source)));
        if (n == 0) break;
        if (!out.write(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
    }
    if (!out.commit()) return fail(out.errorText());
    return true;
}

QString freeFileName(const QString& path) {
    QString candidate = path;
    for (int n = 2; pathTaken(candidate) && n < 10000; ++n)
        candidate = numberedName(path, n);
    return candidate;
}

bool pdfIsWhole(QIODevice& written) {
    // The end: "startxref\n<offset>\n%%EOF\n"; at the offset, the table "xref".
    const qint64 size = written.size();
    if (size < 32) return false;
    const qint64 tailSize = std::min<qint64>(size, 1024);
    if (!written.seek(size - tailSize)) return false;
    const QByteArray tail = written.read(tailSize).trimmed();
    if (!tail.endsWith("%%EOF")) return false;
    const qsizetype at = tail.lastIndexOf("startxref");
    if (at < 0) return false;
    bool ok = false;
    const qint64 offset = tail.mid(at + 9, tail.size() - 5 - (at + 9)).trimmed().toLongLong(&ok);
    if (!ok || offset <= 0 || offset >= size) return false;
    if (!written.seek(offset)) return false;
    return written.read(4) == "xref";
}

bool svgIsWhole(QIODevice& written) {
    const qint64 size = written.size();
    if (!written.seek(std::max<qint64>(0, size - 64))) return false;
    return written.read(64).trimmed().endsWith("</svg>");
}

} // namespace tovimar
