// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the program writes (settings, printed pages in PDF, growth
// charts in PDF or SVG, the user's copy of a database) lands whole or not at
// all, by one path:
//  - the new file is written beside the target under a temporary name
//    (".tovimar-<name>-<pid>-<n>"), which this copy of the program holds
//    locked while it writes;
//  - it is checked: the writer finished, the device had no error, the size is
//    what was written, and, for a file another writer made (QPrinter), its
//    own ending is there (a PDF's cross-reference table, an SVG's last tag);
//  - it is flushed to the disk, and only then put in the target's place (the
//    folder is flushed too).
// On any failure the previous file is byte for byte what it was, the
// temporary file is gone, and errorText() gives the real cause in French.
// A temporary file that no running copy holds (its writer was killed) is
// removed by the next write into its folder, or at start for the settings.

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <string_view>
#include <sys/types.h>

class QIODevice;

namespace tovimar {

class AtomicFile {
  public:
    enum class Replace {
        Allowed,      // a file already there is replaced
        Never,        // a file already there is kept: the new one takes a free name, "x (2).pdf"
        KeepExisting, // a file put there meanwhile (by another copy) is kept, the new one dropped
    };

    explicit AtomicFile(QString target, Replace replace = Replace::Allowed);
    // A temporary file not committed is removed.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The permissions of a new file (one that replaces another keeps its
    // permissions); by default 0666 less the umask.
    void setNewFileMode(mode_t mode) { newFileMode_ = mode; }

    // Creates the temporary file beside the target. False when it cannot be
    // (errorText() says why).
    bool open();
    // The temporary file, for a writer that opens a file by its name.
    const QString& temporaryPath() const { return temporary_; }
    // Writes into the temporary file; every byte is counted and the first
    // failure kept (commit then fails with its cause).
    QIODevice* device();
    bool write(std::string_view bytes);
    // Marks the file as unfinished (a painter that did not end): commit fails.
    void setWriterFailed();

    // Checks, flushes and puts the file in place. `complete` reads the file
    // another writer made and says whether it is whole. False on failure:
    // errorText() says why, the temporary file is removed.
    using Check = std::function<bool(QIODevice& written)>;
    bool commit(const Check& complete = {});
    // Removes the temporary file.
    void discard();

    // Where the file landed: the target, or the free name taken beside it.
    const QString& writtenPath() const { return written_; }
    // "Impossible d'enregistrer le fichier term.tvx dans le dossier /home/x
    // (le disque est plein). Le fichier précédent est conservé tel quel."
    QString errorText() const;
    // The system's error number of the failure (0 when none is known).
    int errorNumber() const { return error_; }

  private:
    class Device;
    bool fail(int error);
    int causeOfUnfinishedWrite();
    int putInPlace();

    QString target_;
    Replace replace_;
    QString temporary_;
    QString written_;
    mode_t newFileMode_ = 0666;
    int fd_ = -1;
    int error_ = 0;
    bool existed_ = false;
    bool writerFailed_ = false;
    qint64 count_ = 0;
    bool deviceUsed_ = false;
    std::unique_ptr<Device> device_;
};

// Writes the bytes as the whole file. False with the French cause in `error`.
bool writeFileWhole(const QString& path, std::string_view bytes, QString* error = nullptr);

// Copies a file whole (the folder of the copy is made when missing). False
// with the French cause in `error`; nothing is left of a copy cut short.
bool copyFileWhole(const QString& source, const QString& target, mode_t mode,
                   QString* error = nullptr,
                   AtomicFile::Replace replace = AtomicFile::Replace::Allowed);

// The file's name when it is free, else the first free "name (2).ext",
// "name (3).ext"...
QString freeFileName(const QString& path);

// Removes the temporary files of ours in the folder that no running copy of
// the program holds any more.
void removeLeftoverTemporaryFiles(const QString& folder);

// The name of a temporary file beside `path` that is free now.
QString temporaryFileBeside(const QString& folder, const QString& name);

// Whole-file checks for commit(): a PDF ends with its cross-reference table
// where its trailer says; an SVG ends with its closing tag.
bool pdfIsWhole(QIODevice& written);
bool svgIsWhole(QIODevice& written);

} // namespace tovimar
