#include "log/csv.h"

#include <QSaveFile>

#include "log/fields.h"

using namespace Qt::StringLiterals;

namespace eventlog {
namespace {

// "Caption: before → after" for every field that changed; a new or removed record lists its
// fields with the value it has.
QString changesText(const Change& change) {
    QStringList parts;
    const bool bothSides = !change.before.isEmpty() && !change.after.isEmpty();
    for (const Field& field : changeFields(change)) {
        if (bothSides)
            parts << field.caption + u": " + field.before + u" → " + field.after;
        else if (const QString& value = field.after.isEmpty() ? field.before : field.after;
                 !value.isEmpty())
            parts << field.caption + u": " + value;
    }
    return parts.join(u" | ");
}

}  // namespace

QString csvField(const QString& text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString csvHeader() {
    return u"Időpont;Felhasználó;Művelet;Év;Iktatószám;Leírás;Változások;Fájl;Rekord;"
           u"Művelet azonosítója;Visszaállított művelet\r\n"_s;
}

QString csvLine(const Entry& entry) {
    const Change& c = entry.change;
    const QStringList fields = {
        entry.time.toString(u"yyyy.MM.dd. HH:mm:ss"_s),
        entry.user,
        kindCaption(entry.kind),
        c.year ? QString::number(c.year) : QString(),
        c.number,
        entry.summary,
        changesText(c),
        c.file,
        c.record ? QString::number(c.record) : QString(),
        entry.operation,
        c.source,
    };
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    return quoted.join(u';') + u"\r\n"_s;
}

ExportResult exportCsv(const LogReader& reader, const Filter& filter, const QString& path,
                       const std::function<bool(qint64 written)>& progress) {
    constexpr int kProgressEvery = 500;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, false, file.errorString()};
    QByteArray chunk = "\xEF\xBB\xBF" + csvHeader().toUtf8();
    qint64 written = 0;
    bool ok = true, cancelled = false;
    const bool read = reader.forEach(filter, [&](const Entry& entry) {
        chunk += csvLine(entry).toUtf8();
        if (++written % kProgressEvery != 0)
            return true;
        ok = file.write(chunk) == chunk.size();
        chunk.clear();
        cancelled = ok && progress && !progress(written);
        return ok && !cancelled;
    });
    ok = ok && !cancelled && read && file.write(chunk) == chunk.size();
    if (!ok) {
        const QString reason = read ? file.errorString() : u"A napló nem olvasható."_s;
        file.cancelWriting();
        return {false, cancelled, cancelled ? QString() : reason};
    }
    if (!file.commit())
        return {false, false, file.errorString()};
    return {true, false, {}};
}

}  // namespace eventlog
