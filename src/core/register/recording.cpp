#include "register/recording.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "register/clients.h"
#include "register/numbering.h"
#include "store/hungarian.h"
#include "store/numbers.h"
#include "store/oledate.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {
int LetterEntry::year() const {
    return store::dateFromOle(datum).date.year();
}

NumberCheck checkNumbers(const LetterEntry& entry, bool keepBlankSerial) {
    NumberCheck check;
    const std::optional<qint64> serial = store::wholeNumber(entry.sorszam);
    if (!serial && keepBlankSerial && entry.sorszam.trimmed().isEmpty()) {
        check.numbers.sorszam = store::kBlankSerial;
    } else if (serial && *serial >= std::numeric_limits<qint16>::min() &&
               *serial <= std::numeric_limits<qint16>::max()) {
        check.numbers.sorszam = qint16(*serial);
    } else {
        check.refusal = Refusal::Serial;
        return check;
    }

    if (entry.ugyfelszam.trimmed().isEmpty())
        return check;  // no client number: 0
    const std::optional<qint64> client = store::wholeNumber(entry.ugyfelszam);
    if (client && *client >= std::numeric_limits<qint16>::min() &&
        *client <= std::numeric_limits<qint16>::max()) {
        check.numbers.ugyfelszam = qint16(*client);
    } else {
        check.refusal = Refusal::ClientNumber;
    }
    return check;
}

bool clientNumberTaken(const std::vector<store::UgyfelRekord>& clients, const LetterEntry& entry) {
    const std::optional<qint64> number = store::wholeNumber(entry.ugyfelszam);
    if (!number || *number == 0)
        return false;
    return conflictingClient(clients, *number, entry.kitolKinek).has_value();
}

bool datedBeforeToday(double datum, QDate today) {
    return datum < store::oleFromDate(today);
}

bool counterFull(const store::Paths& paths, int year, const LetterEntry& entry) {
    // Only read: a year without counter file has both counters at 0.
    const QString numPath = paths.yearFile(year, store::files::Num);
    if (!entry.incoming || !QFileInfo::exists(numPath))
        return false;
    const auto counters = store::readFirstRecord<store::NumRekord>(numPath);
    const double serial = serialOf(entry.year(), entry.sorszam, entry.evszam);
    return !countSerial(counters, *entry.incoming, serial).has_value();
}

store::LevelRekord letterRecord(const LetterEntry& entry, const EntryNumbers& numbers, qint32 num,
                                const QString& melleklet) {
    store::LevelRekord letter;
    letter.Datum = entry.datum;
    letter.Bejovo = store::flag(entry.incoming.value_or(false));
    letter.Evszam = entry.evszam;
    letter.Elotag = entry.elotag;
    letter.Sorszam = numbers.sorszam;
    letter.KitolKinek = entry.kitolKinek;
    letter.Ugyintezo = entry.ugyintezo;
    letter.LevelTargya = entry.levelTargya;
    letter.Ugyfelszam = numbers.ugyfelszam;
    letter.CsoportJel = entry.csoportJel;
    letter.Num = num;
    letter.Melleklet = melleklet;
    return letter;
}

RecordOutcome appendLetter(const store::Paths& paths, int year, const LetterEntry& entry,
                           const EntryNumbers& numbers, const LetterDocuments& documents) {
    RecordOutcome outcome;
    // The date may have moved to a year without folder since the direction was chosen.
    if (!paths.yearFolderExists(year))
        paths.createYearFolder(year);

    store::RecordFile letters(paths.yearFile(year, store::files::Velmar), store::LevelRekord::Size);
    if (!letters.isOpen())
        return outcome;
    store::RecordFile numFile(paths.yearFile(year, store::files::Num), store::NumRekord::Size);
    const auto counters = numFile.read<store::NumRekord>(1);
    outcome.recordNumber = letters.count() + 1;

    const bool incoming = entry.incoming.value_or(false);
    const std::optional<CounterMove> move =
        countSerial(counters, incoming, serialOf(entry.year(), entry.sorszam, entry.evszam));
    if (!move) {
        outcome.result = RecordOutcome::Result::CounterFull;
        return outcome;
    }
    // The counter first: a crash between the two writes costs an unused serial, never gives
    // one serial to two letters.
    if (move->moved && !numFile.write(1, move->counters))
        return outcome;
    outcome.num = move->num;

    const store::LevelRekord letter = letterRecord(entry, numbers, move->num, documents.melleklet);
    if (!letters.write(outcome.recordNumber, letter)) {
        if (move->moved)
            numFile.write(1, counters);
        outcome.num = 0;
        return outcome;
    }
    store::RecordFile irat(paths.yearFile(year, store::files::KiIrat), store::IratRekord::Size);
    irat.write(outcome.recordNumber, store::IratRekord{documents.iratNev, documents.iratUtvonal});
    outcome.result = RecordOutcome::Result::Recorded;
    return outcome;
}

qint32 nextUszNum(qint32 uszNum, qint32 kezdoUgyfelszam) {
    qint64 next = uszNum;
    if (next < qint64(kezdoUgyfelszam))
        next = qint64(kezdoUgyfelszam) - 1;
    next += 1;
    // The counter cannot go beyond the largest 32-bit number.
    return qint32(std::min<qint64>(next, std::numeric_limits<qint32>::max()));
}

bool rememberClient(const store::Paths& paths, const QString& name, double clientNumber,
                    qint32 kezdoUgyfelszam) {
    const QString trimmedName = store::trimmed(name);
    store::RecordFile clients(paths.programFile(store::files::Ugyfelek), store::UgyfelRekord::Size);
    if (!clients.isOpen())
        return false;
    const QByteArray bytes = clients.readAllBytes();
    for (qsizetype at = 0; at + store::UgyfelRekord::Size <= bytes.size();
         at += store::UgyfelRekord::Size) {
        const auto client = store::UgyfelRekord::fromBytes(
            QByteArrayView(bytes).sliced(at, store::UgyfelRekord::Size));
        if (double(client.Ugyfelszam) == clientNumber &&
            store::sameName(store::trimmed(client.Nev), trimmedName))
            return false;
    }

    if (!clients.append(store::UgyfelRekord{trimmedName, store::toInt32(clientNumber).value_or(0)}))
        return false;
    // One new client moves the counter by one, whatever number the client got.
    store::RecordFile counter(paths.programFile(store::files::UszNum), store::UszNumRekord::Size);
    auto usz = counter.read<store::UszNumRekord>(1);
    usz.UszNum = nextUszNum(usz.UszNum, kezdoUgyfelszam);
    counter.write(1, usz);
    return true;
}

bool rememberHandler(const store::Paths& paths, const QString& name) {
    const QString trimmedName = store::trimmed(name);
    const QString path = paths.programFile(store::files::Ugyintezo);
    for (const auto& handler : store::readAllRecords<store::UgyintezoRekord>(path)) {
        if (store::sameName(store::trimmed(handler.Nev), trimmedName))
            return false;
    }
    store::RecordFile handlers(path, store::UgyintezoRekord::Size);
    return handlers.isOpen() && handlers.append(store::UgyintezoRekord{trimmedName});
}

}  // namespace reg
