#include "settings/groupfile.h"

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
    store::RecordFile file(paths.programFile(store::files::Csoportok), store::CsoportRekord::Size);
    return file.isOpen() && file.append(store::CsoportRekord{name, code});
}

store::ReplaceResult deleteGroup(const store::Paths& paths, int recordNumber) {
    return store::removeRecord(paths.programFile(store::files::Csoportok),
                               store::CsoportRekord::Size, recordNumber,
                               paths.programFile(store::files::CsoportokTemp));
}

}  // namespace groups
