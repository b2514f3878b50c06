#include "register/listletters.h"

#include "store/recordfile.h"

namespace reg {

QByteArray recordsByNumber(const QString& letterFile, const std::vector<qint64>& numbers) {
    constexpr int size = store::LevelRekord::Size;
    QByteArray file;
    {
        const store::RecordFile letters(letterFile, size);
        file = letters.readAllBytes();
    }
    const qint64 count = file.size() / size;
    const QByteArray empty = store::LevelRekord().toBytes();
    QByteArray records;
    records.reserve(qsizetype(numbers.size()) * size);
    for (qint64 n : numbers) {
        records += n >= 1 && n <= count ? QByteArrayView(file).sliced((n - 1) * size, size)
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
