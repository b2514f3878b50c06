#pragma once

#include <QString>

#include "store/paths.h"
#include "store/recordfile.h"

// A year's backup: Mentés.dat beside the year's Velmar.dat, a record-by-record copy of the
// letter file. Backup copies the letter file into it, restore copies it back. Only whole
// 258-byte letter records are copied; a trailing partial record stays behind.
namespace backup {

struct CopyResult {
    // Whole letter records in the source, and so in the target once written. With 0 nothing
    // was written: the source is missing, empty or in a missing folder.
    qint64 records = 0;
    // How replacing the target went; the target is either the old file or the new one.
    store::ReplaceResult write;

    bool ok() const { return write.ok(); }
};

// Whole letter records of a file; 0 when it cannot be opened. Like every record file, a
// missing file in an existing folder is created empty.
qint64 letterCount(const QString& path);

// Replaces `target` with the whole letter records of `source` as one operation of the
// register (`kind`, of `year`), through xxx.dat in the target's folder. When the source holds
// no letter, the target is left as it is.
CopyResult copyLetters(const store::Paths& paths, const QString& kind, int year,
                       const QString& source, const QString& target);

// The year's letter file copied into its backup file.
CopyResult backupYear(const store::Paths& paths, int year);
// The year's backup file copied over its letter file.
CopyResult restoreYear(const store::Paths& paths, int year);

// The files `backupYear` and `restoreYear` work on.
QString letterFile(const store::Paths& paths, int year);
QString backupFile(const store::Paths& paths, int year);

}  // namespace backup
