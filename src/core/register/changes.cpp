#include "register/changes.h"

#include "log/note.h"
#include "register/counters.h"
#include "register/numbering.h"
#include "store/hungarian.h"
#include "store/numbers.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

// The work file of KiIrat.dat while a deletion rewrites it.
constexpr QStringView kKiIratTemp = u"xxk.dat";

// The selected letter's file, and whether its record still holds the selected bytes.
struct Current {
    QString path;
    ChangeResult result = ChangeResult::Failed;
    qint64 count = 0;  // whole records in the file
    QString errorText;
};

Current current(const store::Paths& paths, const SelectedLetter& selection) {
    Current now;
    const store::RecordFile letters(paths.yearFile(selection.id.year, store::files::Velmar),
                                    store::LevelRekord::Size);
    now.path = letters.path();
    if (!letters.isOpen()) {
        now.errorText = letters.errorText();
        return now;
    }
    now.count = letters.count();
    const qint64 n = selection.id.record;
    const bool same = n >= 1 && n <= now.count && letters.readBytes(n) == selection.bytes;
    now.result = same ? ChangeResult::Done : ChangeResult::Changed;
    return now;
}

}  // namespace

ChangeResult checkSelection(const store::Paths& paths, const SelectedLetter& selection) {
    return current(paths, selection).result;
}

QString modificationPrompt() {
    return u"Kimenő vagy Bejövő levél?\r\n1 - Kimenő\r\n2 - Bejövő"_s;
}

QString modificationDefault(std::optional<bool> incoming) {
    if (!incoming)
        return {};
    return *incoming ? u"2"_s : u"1"_s;
}

std::optional<bool> answeredDirection(const std::optional<QString>& answer) {
    if (!answer || !store::isNumber(*answer))
        return std::nullopt;
    QString text = answer->trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 1 || value > 2)
        return std::nullopt;
    return value == 2;
}

ChangeOutcome modifyLetter(const store::Paths& paths, const SelectedLetter& selection,
                           const LetterEntry& entry, const EntryNumbers& numbers,
                           const LetterDocuments& documents) {
    const Current now = current(paths, selection);
    if (now.result != ChangeResult::Done)
        return {now.result, {false, now.path, now.errorText}};
    const qint64 at = selection.id.record - 1;
    // Everything comes from the entry fields except the running number.
    const store::LevelRekord letter =
        letterRecord(entry, numbers, selection.letter().Num, documents.melleklet);

    store::Operation operation(paths, eventlog::kinds::Modification.toString());
    const QByteArray after = letter.toBytes();
    const QByteArray documentAfter =
        store::IratRekord{documents.iratNev, documents.iratUtvonal}.toBytes();
    operation.writeAt(now.path, at * store::LevelRekord::Size, after);
    const store::RecordFile irat(paths.yearFile(selection.id.year, store::files::KiIrat),
                                 store::IratRekord::Size);
    operation.writeAt(irat.path(), at * store::IratRekord::Size, documentAfter);
    operation.setNote(eventlog::note(
        eventlog::letterChange(selection.id.year.toInt(), selection.id.record, selection.bytes,
                               after, irat.readBytes(selection.id.record), documentAfter)));
    // Every client of the name gets the number; an empty box changes no client.
    if (!entry.ugyfelszam.trimmed().isEmpty()) {
        const store::RecordFile clients(paths.programFile(store::files::Ugyfelek),
                                        store::UgyfelRekord::Size);
        const QByteArray bytes = clients.readAllBytes();
        const QString name = store::trimmed(entry.kitolKinek);
        for (qint64 at = 0; at + store::UgyfelRekord::Size <= bytes.size();
             at += store::UgyfelRekord::Size) {
            auto client = store::UgyfelRekord::fromBytes(
                QByteArrayView(bytes).sliced(at, store::UgyfelRekord::Size));
            if (!store::sameName(store::trimmed(client.Nev), name))
                continue;
            client.Ugyfelszam = numbers.ugyfelszam;
            operation.writeAt(clients.path(), at, client.toBytes());
        }
    }
    const store::OperationResult written = operation.commit();
    return {written.ok ? ChangeResult::Done : ChangeResult::Failed, written};
}

ChangeOutcome deleteLetter(const store::Paths& paths, const SelectedLetter& selection) {
    const Current now = current(paths, selection);
    if (now.result != ChangeResult::Done)
        return {now.result, {false, now.path, now.errorText}};
    const qint64 n = selection.id.record;
    const QString& year = selection.id.year;

    store::Operation operation(paths, eventlog::kinds::Deletion.toString());
    operation.removeRecord(now.path, store::LevelRekord::Size, n,
                           store::files::VelmarTemp.toString());
    // Document record n keeps belonging to letter record n; a shorter document file has
    // nothing to remove.
    const store::RecordFile irat(paths.yearFile(year, store::files::KiIrat),
                                 store::IratRekord::Size);
    // The log keeps the letter and its document record, so the letter can be brought back.
    operation.setNote(eventlog::note(
        eventlog::letterChange(year.toInt(), n, selection.bytes, {}, irat.readBytes(n), {})));
    operation.removeRecord(irat.path(), store::IratRekord::Size, n, kKiIratTemp.toString());
    writeCounters(operation, paths, year,
                  lowerCounter(readCounters(paths, year), selection.letter().incoming()));
    const store::OperationResult written = operation.commit();
    return {written.ok ? ChangeResult::Done : ChangeResult::Failed, written};
}

}  // namespace reg
