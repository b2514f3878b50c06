#include "settings/clientlist.h"

#include <limits>

#include "log/note.h"
#include "register/counters.h"
#include "store/hungarian.h"
#include "store/numbers.h"
#include "store/operation.h"

using namespace Qt::StringLiterals;

namespace settings {

QList<QStringList> clientRows(const std::vector<store::UgyfelRekord>& clients) {
    QList<QStringList> rows;
    rows.reserve(qsizetype(clients.size()));
    for (size_t i = 0; i < clients.size(); ++i) {
        rows << QStringList{store::trimmed(clients[i].Nev), QString::number(clients[i].Ugyfelszam),
                            QString::number(i + 1)};
    }
    return rows;
}

QString offeredNumber(const QString& boxText, qint32 counter) {
    if (store::numericValue(boxText) != 0)
        return boxText;
    return QString::number(qint64(counter) + 1);
}

std::optional<qint32> clientNumber(QStringView boxText) {
    const std::optional<qint64> value = store::wholeNumber(boxText);
    if (!value || *value < std::numeric_limits<qint32>::min() ||
        *value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return qint32(*value);
}

AddResult addClient(const store::Paths& paths, const QString& name, qint32 number) {
    const QString clientsPath = paths.programFile(store::files::Ugyfelek);
    const std::optional<QByteArray> clients =
        store::readWholeRecords(clientsPath, store::UgyfelRekord::Size);
    if (!clients)
        return AddResult::WriteFailed;
    for (qsizetype at = 0; at < clients->size(); at += store::UgyfelRekord::Size) {
        const auto client = store::UgyfelRekord::fromBytes(
            QByteArrayView(*clients).sliced(at, store::UgyfelRekord::Size));
        if (client.Ugyfelszam == number)
            return AddResult::Duplicate;
    }
    // Every add moves the counter on, whether the number came from it or was typed; this
    // list counts from 1000.
    if (reg::readClientCounter(paths) == std::numeric_limits<qint32>::max())
        return AddResult::CounterFull;

    // The client after the last whole one, and the counter: both or neither.
    const store::UgyfelRekord client{name.trimmed(), number};
    store::Operation operation(paths, eventlog::kinds::ClientAdded.toString());
    operation.setNote(eventlog::note(eventlog::recordChange(
        store::files::Ugyfelek, clients->size() / store::UgyfelRekord::Size + 1, client.Nev, {},
        client.toBytes())));
    reg::addClient(operation, paths, client, 1000);
    return operation.commit().ok ? AddResult::Added : AddResult::WriteFailed;
}

bool changeClient(const store::Paths& paths, int recordNumber, const QString& name, qint32 number) {
    const QString path = paths.programFile(store::files::Ugyfelek);
    const std::optional<QByteArray> clients =
        store::readWholeRecords(path, store::UgyfelRekord::Size);
    if (!clients || recordNumber < 1 || recordNumber > clients->size() / store::UgyfelRekord::Size)
        return false;
    const qint64 at = qint64(recordNumber - 1) * store::UgyfelRekord::Size;
    const QByteArray after = store::UgyfelRekord{name, number}.toBytes();
    store::Operation operation(paths, eventlog::kinds::ClientChanged.toString());
    operation.setNote(eventlog::note(
        eventlog::recordChange(store::files::Ugyfelek, recordNumber, store::trimmed(name),
                               clients->sliced(at, store::UgyfelRekord::Size), after)));
    operation.writeAt(path, at, after);
    return operation.commit().ok;
}

store::ReplaceResult removeClient(const store::Paths& paths, int recordNumber) {
    const QString path = paths.programFile(store::files::Ugyfelek);
    const store::RecordFile clients(path, store::UgyfelRekord::Size);
    const QByteArray before = clients.readBytes(recordNumber);
    const QString name =
        before.isEmpty() ? QString() : store::trimmed(store::UgyfelRekord::fromBytes(before).Nev);
    return store::removeRecord(paths, eventlog::kinds::ClientRemoved.toString(), path,
                               store::UgyfelRekord::Size, recordNumber,
                               store::files::UgyfelekTemp.toString(),
                               eventlog::note(eventlog::recordChange(
                                   store::files::Ugyfelek, recordNumber, name, before, {})));
}

}  // namespace settings
