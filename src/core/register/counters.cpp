#include "register/counters.h"

#include <algorithm>
#include <limits>

#include "store/recordfile.h"

namespace reg {

store::NumRekord readCounters(const store::Paths& paths, QStringView year) {
    return store::readFirstRecord<store::NumRekord>(paths.yearFile(year, store::files::Num));
}

void writeCounters(store::Operation& operation, const store::Paths& paths, QStringView year,
                   const store::NumRekord& counters) {
    const store::RecordFile file(paths.yearFile(year, store::files::Num), store::NumRekord::Size);
    operation.writeAt(file.path(), 0, counters.toBytes());
}

store::OperationResult storeCounters(const store::Paths& paths, int year,
                                     const store::NumRekord& counters) {
    if (!paths.yearFolderExists(year))
        paths.createYearFolder(year);
    store::Operation operation(paths, QStringLiteral("counters"));
    writeCounters(operation, paths, QString::number(year), counters);
    return operation.commit();
}

qint32 nextClientCounter(qint32 counter, qint32 floor) {
    const qint64 next = std::max<qint64>(counter, qint64(floor) - 1) + 1;
    return qint32(std::min<qint64>(next, std::numeric_limits<qint32>::max()));
}

void addClient(store::Operation& operation, const store::Paths& paths,
               const store::UgyfelRekord& client, qint32 floor) {
    const store::RecordFile clients(paths.programFile(store::files::Ugyfelek),
                                    store::UgyfelRekord::Size);
    operation.writeAt(clients.path(), clients.count() * store::UgyfelRekord::Size,
                      client.toBytes());
    const QString counterPath = paths.programFile(store::files::UszNum);
    const store::RecordFile counterFile(counterPath, store::UszNumRekord::Size);
    const auto counter = counterFile.read<store::UszNumRekord>(1);
    operation.writeAt(counterPath, 0,
                      store::UszNumRekord{nextClientCounter(counter.UszNum, floor)}.toBytes());
}

}  // namespace reg
