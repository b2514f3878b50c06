#include "settings/clientlist.h"

#include <limits>

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

qint32 readClientCounter(const store::Paths& paths) {
    return store::readFirstRecord<store::UszNumRekord>(paths.programFile(store::files::UszNum))
        .UszNum;
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
    const QString counterPath = paths.programFile(store::files::UszNum);
    const std::optional<QByteArray> clients =
        store::readWholeRecords(clientsPath, store::UgyfelRekord::Size);
    const std::optional<QByteArray> counter =
        store::readWholeRecords(counterPath, store::UszNumRekord::Size);
    if (!clients || !counter)
        return AddResult::WriteFailed;

    for (qsizetype at = 0; at < clients->size(); at += store::UgyfelRekord::Size) {
        const auto client = store::UgyfelRekord::fromBytes(
            QByteArrayView(*clients).sliced(at, store::UgyfelRekord::Size));
        if (client.Ugyfelszam == number)
            return AddResult::Duplicate;
    }

    // Every add moves the counter on, whether the number came from it or was typed.
    store::UszNumRekord next = store::UszNumRekord::fromBytes(*counter);
    if (next.UszNum < 1000)
        next.UszNum = 999;
    if (next.UszNum == std::numeric_limits<qint32>::max())
        return AddResult::CounterFull;
    ++next.UszNum;

    // The client after the last whole one, and the counter: both or neither.
    store::Operation operation(paths, u"client-add"_s);
    operation.writeAt(clientsPath, clients->size(),
                      store::UgyfelRekord{name.trimmed(), number}.toBytes());
    operation.writeAt(counterPath, 0, next.toBytes());
    return operation.commit().ok ? AddResult::Added : AddResult::WriteFailed;
}

bool changeClient(const store::Paths& paths, int recordNumber, const QString& name, qint32 number) {
    const QString path = paths.programFile(store::files::Ugyfelek);
    const std::optional<QByteArray> clients =
        store::readWholeRecords(path, store::UgyfelRekord::Size);
    if (!clients || recordNumber < 1 || recordNumber > clients->size() / store::UgyfelRekord::Size)
        return false;
    store::Operation operation(paths, u"client-change"_s);
    operation.writeAt(path, qint64(recordNumber - 1) * store::UgyfelRekord::Size,
                      store::UgyfelRekord{name, number}.toBytes());
    return operation.commit().ok;
}

store::ReplaceResult removeClient(const store::Paths& paths, int recordNumber) {
    return store::removeRecord(paths, u"client-remove"_s, paths.programFile(store::files::Ugyfelek),
                               store::UgyfelRekord::Size, recordNumber,
                               store::files::UgyfelekTemp.toString());
}

}  // namespace settings
