#include "settings/clientlist.h"

#include <limits>

#include "store/numbers.h"

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
    store::RecordFile clients(paths.programFile(store::files::Ugyfelek), store::UgyfelRekord::Size);
    store::RecordFile counter(paths.programFile(store::files::UszNum), store::UszNumRekord::Size);
    if (!clients.isOpen() || !counter.isOpen())
        return AddResult::WriteFailed;

    const QByteArray all = clients.readAllBytes();
    for (qsizetype at = 0; at + store::UgyfelRekord::Size <= all.size();
         at += store::UgyfelRekord::Size) {
        const auto client = store::UgyfelRekord::fromBytes(
            QByteArrayView(all).sliced(at, store::UgyfelRekord::Size));
        if (client.Ugyfelszam == number)
            return AddResult::Duplicate;
    }

    // Every add moves the counter on, whether the number came from it or was typed.
    store::UszNumRekord next = counter.read<store::UszNumRekord>(1);
    if (next.UszNum < 1000)
        next.UszNum = 999;
    if (next.UszNum == std::numeric_limits<qint32>::max())
        return AddResult::CounterFull;
    ++next.UszNum;

    // The client first: if it cannot be written, the counter has not moved either.
    if (!clients.append(store::UgyfelRekord{name.trimmed(), number}))
        return AddResult::WriteFailed;
    return counter.write(1, next) ? AddResult::Added : AddResult::WriteFailed;
}

bool changeClient(const store::Paths& paths, int recordNumber, const QString& name, qint32 number) {
    store::RecordFile clients(paths.programFile(store::files::Ugyfelek), store::UgyfelRekord::Size);
    if (!clients.isOpen() || recordNumber < 1 || recordNumber > clients.count())
        return false;
    return clients.write(recordNumber, store::UgyfelRekord{name, number});
}

store::ReplaceResult removeClient(const store::Paths& paths, int recordNumber) {
    return store::removeRecord(paths.programFile(store::files::Ugyfelek), store::UgyfelRekord::Size,
                               recordNumber, paths.programFile(store::files::UgyfelekTemp));
}

}  // namespace settings
