#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "store/paths.h"

// Whole-register snapshots: the register folder copied, every file of it, into a folder of its
// own on another disk, named by the moment it was made (Velmarok-mentés-2026-12-05-1430). A
// snapshot is written under a work name and gets its name only once every file was copied,
// synced and read back against its checksum; it holds a checksum list in sha256sum's form
// (Velmarok-mentés.sha256), so that `sha256sum -c` checks it outside the program too.
//
// Left out: the program's lock file, the work files of operations in progress and SQLite's
// side files; the sidecar database is copied through SQLite's online backup, so the copy is a
// whole database even if it was open.
namespace backup {

// Called as the work goes on, with the bytes done and the bytes of the whole work; returning
// false stops the work, which then leaves nothing behind.
using Progress = std::function<bool(qint64 done, qint64 total)>;

inline constexpr int kSnapshotsKept = 10;

// The name of a snapshot made at `moment`; `sequence` above 1 tells apart snapshots made in
// the same minute (Velmarok-mentés-2026-12-05-1430-2).
QString snapshotName(const QDateTime& moment, int sequence = 1);

struct SnapshotInfo {
    QString path;
    QDateTime moment;
    int sequence = 1;
    // Each year folder of the snapshot with the whole letter records of its Velmar.dat, by
    // year.
    QList<QPair<int, qint64>> letters;
};

// The finished snapshots in `folder`, newest first. Other entries of the folder are ignored.
QList<SnapshotInfo> findSnapshots(const QString& folder);

enum class Outcome { Done, Cancelled, Failed };

struct SnapshotResult {
    Outcome outcome = Outcome::Failed;
    QString path;       // Done: the snapshot made or restored
    QString errorText;  // Failed: the file and the system's reason

    bool done() const { return outcome == Outcome::Done; }
};

// Copies the register in `registerFolder` into a new snapshot in `targetFolder`. Cancelled or
// failed, nothing of it is left in the target folder. The target may not lie inside the
// register. A work folder left by a program that died while copying is removed first.
SnapshotResult makeSnapshot(const QString& registerFolder, const QString& targetFolder,
                            const QDateTime& moment, const Progress& progress);

// Removes the oldest finished snapshots of `targetFolder` beyond the newest `keep`; the
// snapshot `spare` stays in any case. Returns the paths of those removed.
QStringList rotateSnapshots(const QString& targetFolder, int keep = kSnapshotsKept,
                            const QString& spare = {});

// Puts the snapshot's files in the register's place as one operation of the register: first
// every file is read and checked against the checksum list (a damaged snapshot changes
// nothing), then all of them replace the register's files together. Files and folders that
// the register gained since the snapshot was made are removed afterwards; the sidecar
// database is restored through SQLite's online backup, and kept when the snapshot has none.
// Cancelling is possible while the files are read.
SnapshotResult restoreSnapshot(const store::Paths& paths, const QString& snapshot,
                               const Progress& progress);

// Whether `path` is `folder` or lies inside it (both resolved through symbolic links).
bool insideFolder(const QString& path, const QString& folder);

// Whether a new snapshot is due: none was made yet, or the last one is more than 7 days old.
bool snapshotDue(const std::optional<QDateTime>& last, const QDateTime& now);

}  // namespace backup
