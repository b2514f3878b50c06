#include "register/listletters.h"

#include "store/recordfile.h"
#include "ui/locale.h"

namespace reg {

std::vector<qint64> recordNumbers(const ui::ListModel& model, int recColumn) {
    std::vector<qint64> numbers;
    numbers.reserve(size_t(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        const double value = ui::numericValue(model.text(row, recColumn));
        // Anything but a record number (a damaged cell) names no letter.
        numbers.push_back(value >= 1 && value <= 1e15 ? qint64(value) : 0);
    }
    return numbers;
}

std::vector<store::LevelRekord> lettersByNumber(const QString& letterFile,
                                                const std::vector<qint64>& numbers) {
    QByteArray records;
    {
        const store::RecordFile file(letterFile, store::LevelRekord::Size);
        records = file.readAllBytes();
    }
    const qint64 count = records.size() / store::LevelRekord::Size;
    std::vector<store::LevelRekord> letters;
    letters.reserve(numbers.size());
    for (qint64 n : numbers) {
        if (n >= 1 && n <= count) {
            letters.push_back(store::LevelRekord::fromBytes(QByteArrayView(records).sliced(
                (n - 1) * store::LevelRekord::Size, store::LevelRekord::Size)));
        } else {
            letters.push_back(store::LevelRekord::fromBytes({}));
        }
    }
    return letters;
}

}  // namespace reg
