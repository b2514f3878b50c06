#include "register/listletters.h"

#include <QHash>

#include "store/recordfile.h"

namespace reg {

QByteArray recordsByIdentity(const store::Paths& paths, const LetterRows& rows,
                             const std::vector<int>& indexes) {
    constexpr int size = store::LevelRekord::Size;
    QHash<QString, QByteArray> files;
    for (const QString& year : rows.years) {
        const store::RecordFile letters(paths.yearFile(year, store::files::Velmar), size);
        files.insert(year, letters.readAllBytes());
    }
    const QByteArray empty = store::LevelRekord().toBytes();
    QByteArray records;
    records.reserve(qsizetype(indexes.size()) * size);
    for (int index : indexes) {
        const LetterId id = rows.id(index);
        const QByteArray& file = files[id.year];
        const bool present = id.record >= 1 && id.record <= file.size() / size;
        records += present ? QByteArrayView(file).sliced((id.record - 1) * size, size)
                           : QByteArrayView(empty);
    }
    return records;
}

std::vector<store::LevelRekord> lettersOf(QByteArrayView records) {
    constexpr int size = store::LevelRekord::Size;
    std::vector<store::LevelRekord> letters;
    letters.reserve(size_t(records.size() / size));
    for (qsizetype at = 0; at + size <= records.size(); at += size)
        letters.push_back(store::LevelRekord::fromBytes(records.sliced(at, size)));
    return letters;
}

}  // namespace reg
