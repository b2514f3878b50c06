#include "log/note.h"

#include <QCborMap>
#include <QCborValue>

#include "store/recordfile.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace eventlog {
namespace {

// A note is a CBOR map; the format tag tells a note of this program from other bytes, and
// keys that a later version adds are skipped by this one.
constexpr QLatin1StringView kFormat{"velmarok-change"};
constexpr int kFormatVersion = 1;

}  // namespace

QString kindCaption(QStringView kind) {
    static const std::pair<QStringView, QString> captions[] = {
        {kinds::Recording, u"Rögzítés"_s},
        {kinds::Modification, u"Módosítás"_s},
        {kinds::Deletion, u"Törlés"_s},
        {kinds::YearRestore, u"Mentett év betöltése"_s},
        {kinds::LetterRestore, u"Törölt levél visszaállítása"_s},
        {kinds::ClientAdded, u"Ügyfél felvétele"_s},
        {kinds::ClientChanged, u"Ügyfél módosítása"_s},
        {kinds::ClientRemoved, u"Ügyfél törlése"_s},
        {kinds::GroupAdded, u"Csoport felvétele"_s},
        {kinds::GroupDeleted, u"Csoport törlése"_s},
        {kinds::Settings, u"Beállítások módosítása"_s},
        {kinds::Counter, u"Sorszámláló módosítása"_s},
        {kinds::YearBackup, u"Mentés"_s},
        {kinds::WholeRestore, u"Teljes visszaállítás"_s},
    };
    for (const auto& [code, caption] : captions) {
        if (code == kind)
            return caption;
    }
    return kind.toString();
}

QByteArray note(const Change& change) {
    QCborMap map;
    map[u"format"_s] = kFormat;
    map[u"version"_s] = kFormatVersion;
    map[u"year"_s] = change.year;
    map[u"number"_s] = change.number;
    map[u"file"_s] = change.file;
    map[u"record"_s] = change.record;
    map[u"before"_s] = change.before;
    map[u"after"_s] = change.after;
    map[u"documentBefore"_s] = change.documentBefore;
    map[u"documentAfter"_s] = change.documentAfter;
    map[u"text"_s] = change.text;
    map[u"source"_s] = change.source;
    return map.toCborValue().toCbor();
}

std::optional<Change> decodeNote(QByteArrayView note) {
    QCborParserError error;
    const QCborValue value = QCborValue::fromCbor(note.toByteArray(), &error);
    if (error.error != QCborError::NoError || !value.isMap())
        return std::nullopt;
    const QCborMap map = value.toMap();
    if (map.value(u"format"_s).toString() != kFormat)
        return std::nullopt;
    Change change;
    change.year = int(map.value(u"year"_s).toInteger());
    change.number = map.value(u"number"_s).toString();
    change.file = map.value(u"file"_s).toString();
    change.record = map.value(u"record"_s).toInteger();
    change.before = map.value(u"before"_s).toByteArray();
    change.after = map.value(u"after"_s).toByteArray();
    change.documentBefore = map.value(u"documentBefore"_s).toByteArray();
    change.documentAfter = map.value(u"documentAfter"_s).toByteArray();
    change.text = map.value(u"text"_s).toString();
    change.source = map.value(u"source"_s).toString();
    return change;
}

Change letterChange(int year, qint64 record, QByteArray before, QByteArray after,
                    QByteArray documentBefore, QByteArray documentAfter) {
    Change change;
    change.year = year;
    change.file = store::files::Velmar.toString();
    change.record = record;
    change.number =
        store::registrationNumber(store::LevelRekord::fromBytes(after.isEmpty() ? before : after));
    change.before = std::move(before);
    change.after = std::move(after);
    change.documentBefore = std::move(documentBefore);
    change.documentAfter = std::move(documentAfter);
    return change;
}

Change recordChange(QStringView file, qint64 record, QString name, QByteArray before,
                    QByteArray after) {
    Change change;
    change.file = file.toString();
    change.record = record;
    change.number = std::move(name);
    change.before = std::move(before);
    change.after = std::move(after);
    return change;
}

std::optional<Change> deletionChange(const store::Paths& paths, int year, qint64 record) {
    const store::RecordFile letters(paths.yearFile(year, store::files::Velmar),
                                    store::LevelRekord::Size);
    if (!letters.isOpen() || record < 1 || record > letters.count())
        return std::nullopt;
    const store::RecordFile documents(paths.yearFile(year, store::files::KiIrat),
                                      store::IratRekord::Size);
    // A letter whose document record is missing (a shorter KiIrat.dat) had a blank one.
    QByteArray document = documents.readBytes(record);
    if (document.isEmpty())
        document = store::IratRekord{}.toBytes();
    return letterChange(year, record, letters.readBytes(record), {}, document, {});
}

}  // namespace eventlog
