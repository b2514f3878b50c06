#include "register/recording.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "log/note.h"
#include "register/clients.h"
#include "register/counters.h"
#include "register/numbering.h"
#include "store/cp1250.h"
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

QStringList unstorableCharacters(const LetterEntry& entry) {
    QStringList missing;
    for (const QString* text : {&entry.elotag, &entry.evszam, &entry.kitolKinek, &entry.levelTargya,
                                &entry.ugyintezo, &entry.csoportJel}) {
        for (const QString& c : store::unencodableCp1250(*text)) {
            if (!missing.contains(c))
                missing << c;
        }
    }
    return missing;
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

namespace {

// Whether a client of this name (trimmed, ignoring case) is listed with this number.
bool clientListed(const store::Paths& paths, const QString& name, double clientNumber) {
    for (const auto& client : store::readExistingRecords<store::UgyfelRekord>(
             paths.programFile(store::files::Ugyfelek))) {
        if (double(client.Ugyfelszam) == clientNumber &&
            store::sameName(store::trimmed(client.Nev), name))
            return true;
    }
    return false;
}

bool handlerListed(const store::Paths& paths, const QString& name) {
    for (const auto& handler : store::readExistingRecords<store::UgyintezoRekord>(
             paths.programFile(store::files::Ugyintezo))) {
        if (store::sameName(store::trimmed(handler.Nev), name))
            return true;
    }
    return false;
}

}  // namespace

RecordOutcome recordLetter(const store::Paths& paths, int year, const LetterEntry& entry,
                           const EntryNumbers& numbers, const LetterDocuments& documents,
                           const store::SetupRekord& settings) {
    RecordOutcome outcome;
    // The date may have moved to a year without folder since the direction was chosen.
    if (!paths.yearFolderExists(year))
        paths.createYearFolder(year);
    const QString yearName = QString::number(year);

    // After the last whole letter; the files are created by the operation when missing, and
    // a failure of any of them undoes it.
    const QString letters = paths.yearFile(year, store::files::Velmar);
    outcome.recordNumber = store::recordCount(letters, store::LevelRekord::Size) + 1;

    const bool incoming = entry.incoming.value_or(false);
    const store::NumRekord counters = readCounters(paths, yearName);
    const std::optional<CounterMove> move =
        countSerial(counters, incoming, serialOf(entry.year(), entry.sorszam, entry.evszam));
    if (!move) {
        outcome.result = RecordOutcome::Result::CounterFull;
        return outcome;
    }

    store::Operation operation(paths, eventlog::kinds::Recording.toString());
    if (move->moved)
        writeCounters(operation, paths, yearName, move->counters);
    const qint64 at = outcome.recordNumber - 1;
    const QByteArray letter =
        letterRecord(entry, numbers, move->num, documents.melleklet).toBytes();
    const QByteArray document =
        store::IratRekord{documents.iratNev, documents.iratUtvonal}.toBytes();
    operation.writeAt(letters, at * store::LevelRekord::Size, letter);
    operation.writeAt(paths.yearFile(year, store::files::KiIrat), at * store::IratRekord::Size,
                      document);
    operation.setNote(eventlog::note(
        eventlog::letterChange(year, outcome.recordNumber, {}, letter, {}, document)));
    // A correspondent not yet listed with this number joins the client list.
    const QString client = store::trimmed(entry.kitolKinek);
    if (!clientListed(paths, client, numbers.ugyfelszam)) {
        addClient(operation, paths, store::UgyfelRekord{client, numbers.ugyfelszam},
                  settings.KezdoUgyfelszam);
    }
    // And a case handler not yet listed (ignoring case) the handler list.
    const QString handler = store::trimmed(entry.ugyintezo);
    if (!handlerListed(paths, handler)) {
        const QString handlers = paths.programFile(store::files::Ugyintezo);
        operation.writeAt(handlers,
                          store::recordCount(handlers, store::UgyintezoRekord::Size) *
                              store::UgyintezoRekord::Size,
                          store::UgyintezoRekord{handler}.toBytes());
    }

    outcome.write = operation.commit();
    if (!outcome.write.ok)
        return outcome;
    outcome.num = move->num;
    outcome.result = RecordOutcome::Result::Recorded;
    return outcome;
}

}  // namespace reg
