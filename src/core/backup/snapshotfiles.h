#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "backup/snapshot.h"

// The file work behind the snapshots: which files of a register belong in one, copying and
// checksumming them in chunks with progress, the checksum list, and the sidecar database
// through SQLite's online backup.
namespace backup::snapshotfiles {

inline constexpr QStringView kSidecar = u"Velmarok.sqlite";
inline constexpr QStringView kChecksums = u"Velmarok-mentés.sha256";

// Whether a file of the register (path relative to the register folder, '/'-separated) stays
// out of a snapshot and is left alone by a restore: the lock file, work files of operations
// and whole-file rewrites, SQLite's side files, and a checksum list.
bool skipped(const QString& relativePath);

// The register's files and folders worth a snapshot, as relative paths, sorted. Symbolic
// links and special files are left out.
struct Tree {
    QStringList files;
    QStringList folders;
};
Tree registerTree(const QString& folder);

// One line of the checksum list: SHA-256 in hex, two spaces, the relative path.
struct Checksum {
    QString path;
    QByteArray sha256;  // lower-case hex
};
QByteArray checksumText(const std::vector<Checksum>& sums);
std::optional<std::vector<Checksum>> parseChecksums(QByteArrayView text);

// Counts the bytes of a piece of work for the progress callback and keeps the first error.
class Work {
public:
    Work(Progress progress, qint64 total) : progress_(std::move(progress)), total_(total) {}

    // Adds `bytes` done; false once the callback asked to stop.
    bool advance(qint64 bytes);
    bool cancelled() const { return cancelled_; }
    // Records a failure; always false, so that callers can return it.
    bool fail(const QString& what, const QString& reason);
    const QString& error() const { return error_; }

private:
    Progress progress_;
    qint64 total_ = 0;
    qint64 done_ = 0;
    bool cancelled_ = false;
    QString error_;
};

// Copies `source` to a new file `target`, synced to the disk; `sha256` gets the checksum of
// the bytes read.
bool copyFile(const QString& source, const QString& target, Work& work, QByteArray* sha256);

// The checksum of a file as read from the disk (the page cache is dropped first, so a copy
// on a removable disk is read back from the disk itself). `content`, when given, receives the
// bytes.
bool readChecksum(const QString& path, Work& work, QByteArray* sha256,
                  QByteArray* content = nullptr);

// Copies the SQLite database `source` into `target` through the online backup, counting its
// file's size as done. `target` is created when missing and replaced page by page.
bool copyDatabase(const QString& source, const QString& target, Work& work);

// Syncs a folder's entries (new names, renames) to the disk where the file system can; some
// network file systems cannot, and their server keeps the entries instead.
void syncFolder(const QString& path);

}  // namespace backup::snapshotfiles
