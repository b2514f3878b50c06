#pragma once

#include <QString>

#include "log/log.h"
#include "store/operation.h"
#include "store/paths.h"

// Bringing a deleted letter back from its deletion's log entry.
namespace eventlog {

// Whether the entry is a deletion that kept a whole letter record to bring back.
bool restorable(const Entry& entry);

// The record number of the first letter of the year whose registration number is `number`;
// 0 when there is none.
qint64 letterWithNumber(const store::Paths& paths, int year, const QString& number);

struct RestoreResult {
    store::OperationResult result;
    qint64 record = 0;  // the letter's new record number
};

// Appends the deleted letter, byte for byte as it was deleted (its registration number, date
// and running number), to the end of its year's Velmar.dat and its document record at the
// same record number of KiIrat.dat, as one operation that the log keeps with the deletion as
// its source. The serial counters stay as they are. A missing year folder is created.
RestoreResult restoreDeletedLetter(const store::Paths& paths, const Entry& deletion);

// Whether the letter's serial lies above the last serial its year's counter gave in its
// direction, so that a later proposal may give the same number again.
bool serialAboveCounter(const store::Paths& paths, int year, const QByteArray& letter);

}  // namespace eventlog
