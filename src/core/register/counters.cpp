#include "register/counters.h"

#include <algorithm>
#include <limits>

#include "log/note.h"
#include "store/recordfile.h"

namespace reg {

store::NumRekord readCounters(const store::Paths& paths, QStringView year) {
    return store::readFirstRecord<store::NumRekord>(paths.yearFile(year, store::files::Num));
}

void writeCounters(store::Operation& operation, const store::Paths& paths, QStringView year,
                   const store::NumRekord& counters) {
    operation.writeAt(paths.yearFile(year, store::files::Num), 0, counters.toBytes());
}

qint32 readClientCounter(const store::Paths& paths) {
    const QByteArray counter =
        store::readWholeRecords(paths.programFile(store::files::UszNum), store::UszNumRekord::Size)
            .value_or(QByteArray());
    return counter.isEmpty() ? 0 : store::UszNumRekord::fromBytes(counter).UszNum;
}

store::OperationResult storeCounters(const store::Paths& paths, int year,
                                     const store::NumRekord& counters) {
    if (!paths.yearFolderExists(year))
        paths.createYearFolder(year);
    store::Operation operation(paths, eventlog::kinds::Counter.toString());
    eventlog::Change change;
    change.year = year;
    change.file = store::files::Num.toString();
    change.record = 1;
    change.before = readCounters(paths, QString::number(year)).toBytes();
    change.after = counters.toBytes();
    operation.setNote(eventlog::note(change));
    writeCounters(operation, paths, QString::number(year), counters);
    return operation.commit();
}

store::OperationResult storeClientCounter(const store::Paths& paths, qint32 counter) {
    const store::RecordFile file(paths.programFile(store::files::UszNum),
                                 store::UszNumRekord::Size);
    if (!file.isOpen())
        return {false, file.path(), file.errorText()};
    eventlog::Change change;
    change.file = store::files::UszNum.toString();
    change.record = 1;
    change.before = file.readBytes(1);
    change.after = store::UszNumRekord{counter}.toBytes();
    store::Operation operation(paths, eventlog::kinds::Counter.toString());
    operation.setNote(eventlog::note(change));
    operation.writeAt(file.path(), 0, change.after);
    return operation.commit();
}

qint32 nextClientCounter(qint32 counter, qint32 floor) {
    const qint64 next = std::max<qint64>(counter, qint64(floor) - 1) + 1;
    return qint32(std::min<qint64>(next, std::numeric_limits<qint32>::max()));
}

void addClient(store::Operation& operation, const store::Paths& paths,
               const store::UgyfelRekord& client, qint32 floor) {
    // After the last whole client: a trailing partial record is written over.
    const QString clients = paths.programFile(store::files::Ugyfelek);
    operation.writeAt(
        clients, store::recordCount(clients, store::UgyfelRekord::Size) * store::UgyfelRekord::Size,
        client.toBytes());
    operation.writeAt(
        paths.programFile(store::files::UszNum), 0,
        store::UszNumRekord{nextClientCounter(readClientCounter(paths), floor)}.toBytes());
}

}  // namespace reg
