#include "settings/groupfile.h"

#include "store/operation.h"

using namespace Qt::StringLiterals;

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
    store::Operation operation(paths, u"group-add"_s);
    operation.writeAt(path, groups->size(), store::CsoportRekord{name, code}.toBytes());
    return operation.commit().ok;
}

store::ReplaceResult deleteGroup(const store::Paths& paths, int recordNumber) {
    return store::removeRecord(paths, u"group-delete"_s, paths.programFile(store::files::Csoportok),
                               store::CsoportRekord::Size, recordNumber,
                               store::files::CsoportokTemp.toString());
}

}  // namespace groups
