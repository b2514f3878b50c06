#pragma once

#include <QStringView>

#include "store/operation.h"
#include "store/paths.h"
#include "store/records.h"

// The register's counters: the year's last serial numbers in Num.dat and the last client
// number given in UszNum.dat. Every operation that reads or moves them goes through here.
namespace reg {

// The year's counters (Num.dat, record 1); a missing folder, file or record reads 0 and 0.
store::NumRekord readCounters(const store::Paths& paths, QStringView year);

// Adds the counters' write to an operation; a missing Num.dat is created by it (and removed
// again when the operation is undone).
void writeCounters(store::Operation& operation, const store::Paths& paths, QStringView year,
                   const store::NumRekord& counters);

// Stores the year's counters as an operation of their own (the settings window and the
// maintenance boxes). A missing year folder is created first.
store::OperationResult storeCounters(const store::Paths& paths, int year,
                                     const store::NumRekord& counters);

// The last client number given (UszNum.dat, record 1), read without creating the file; 0 when
// it is missing or holds no record.
qint32 readClientCounter(const store::Paths& paths);

// Stores the last client number given (UszNum.dat), as an operation of its own.
store::OperationResult storeClientCounter(const store::Paths& paths, qint32 counter);

// The last client number given, after one more client: at least `floor` - 1, then one more.
// It stays at the largest 32-bit number. The main window's floor is the starting client
// number of the settings; the settings window's client list counts from 1000.
qint32 nextClientCounter(qint32 counter, qint32 floor);

// Adds the writes that remember one more client to an operation: the client record after
// the last one, and the counter moved on from `floor` (see nextClientCounter).
void addClient(store::Operation& operation, const store::Paths& paths,
               const store::UgyfelRekord& client, qint32 floor);

}  // namespace reg
