#include "settings/groupfile.h"

#include "log/note.h"
#include "store/hungarian.h"
#include "store/operation.h"

namespace groups {

QList<QStringList> groupRows(const std::vector<store::CsoportRekord>& groups) {
    QList<QStringList> rows;
    rows.reserve(qsizetype(groups.size()));
    for (size_t i = 0; i < groups.size(); ++i) {
        rows << QStringList{store::trimmed(groups[i].Nev), store::trimmed(groups[i].Betujel),
                            QString::number(i + 1)};
    }
    return rows;
}

bool addGroup(const store::Paths& paths, const QString& name, const QString& code) {
    const QString path = paths.programFile(store::files::Csoportok);
    const std::optional<QByteArray> groups =
        store::readWholeRecords(path, store::CsoportRekord::Size);
    if (!groups)
        return false;
    // After the last whole record: a trailing partial one is written over.
    const QByteArray group = store::CsoportRekord{name, code}.toBytes();
    store::Operation operation(paths, eventlog::kinds::GroupAdded.toString());
    operation.setNote(eventlog::note(eventlog::recordChange(
        store::files::Csoportok, groups->size() / store::CsoportRekord::Size + 1,
        store::trimmed(name), {}, group)));
    operation.writeAt(path, groups->size(), group);
    return operation.commit().ok;
}

store::ReplaceResult deleteGroup(const store::Paths& paths, int recordNumber) {
    const QString path = paths.programFile(store::files::Csoportok);
    const QByteArray before =
        store::RecordFile(path, store::CsoportRekord::Size).readBytes(recordNumber);
    const QString name =
        before.isEmpty() ? QString() : store::trimmed(store::CsoportRekord::fromBytes(before).Nev);
    return store::removeRecord(paths, eventlog::kinds::GroupDeleted.toString(), path,
                               store::CsoportRekord::Size, recordNumber,
                               store::files::CsoportokTemp.toString(),
                               eventlog::note(eventlog::recordChange(
                                   store::files::Csoportok, recordNumber, name, before, {})));
}

}  // namespace groups
