#include "register/letterlists.h"

#include "store/hungarian.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace reg {

int recColumn(LetterList list) {
    return list == LetterList::All ? kAllRecColumn : kSingleRecColumn;
}

QList<ListColumn> letterColumns(LetterList list) {
    if (list == LetterList::All) {
        return {
            {u"Dátum"_s, 1000, false},     {u"Cs"_s, 600, true},
            {u"No"_s, 600, true},          {u"Bejövő"_s, 1000, false},
            {u"Cs"_s, 600, true},          {u"No"_s, 600, true},
            {u"Kimenő"_s, 1000, false},    {u"Kitől/Kinek"_s, 3500, false},
            {u"Ügyfélszám"_s, 1000, true}, {u"Levél tárgya"_s, 5500, false},
            {u"Ügyintéző"_s, 2700, false}, {u"rec"_s, 800, true},
            {u"BeNum"_s, 800, true},       {u"KiNum"_s, 800, true},
        };
    }
    return {
        {u"Dátum"_s, 1000, false},
        {u"Cs"_s, 600, true},
        {u"No"_s, 600, true},
        {list == LetterList::Incoming ? u"Bejövő"_s : u"Kimenő"_s, 1000, false},
        {u"Kitől/Kinek"_s, 3000, false},
        {u"Ügyfélszám"_s, 1000, true},
        {u"Levél tárgya"_s, 5500, false},
        {u"Ügyintéző"_s, 2700, false},
        {u"rec"_s, 800, true},
    };
}

QString serialCell(qint16 sorszam, bool blankAsSpace) {
    if (sorszam == store::kBlankSerial && blankAsSpace)
        return u" "_s;
    return QString::number(sorszam).rightJustified(4, u' ');
}

QString recordNumberCell(qint64 recordNumber) {
    return QString::number(recordNumber).rightJustified(5, u' ');
}

int LetterRows::recordCount() const {
    return int(records.size() / store::LevelRekord::Size);
}

QByteArrayView LetterRows::record(int index) const {
    return QByteArrayView(records).sliced(qsizetype(index) * store::LevelRekord::Size,
                                          store::LevelRekord::Size);
}

LetterId LetterRows::id(int index) const {
    return {years.value(yearOf[size_t(index)]), numbers[size_t(index)]};
}

const std::vector<int>& LetterRows::rows(LetterList list) const {
    switch (list) {
        case LetterList::Incoming:
            return incoming;
        case LetterList::Outgoing:
            return outgoing;
        case LetterList::All:
            break;
    }
    return all;
}

void LetterRows::addLetters(const QString& year, QByteArrayView file,
                            const std::vector<int>& indexes) {
    constexpr int size = store::LevelRekord::Size;
    int source = int(years.indexOf(year));
    if (source < 0) {
        source = int(years.size());
        years << year;
    }
    const size_t first = numbers.size();
    records.reserve(records.size() + qsizetype(indexes.size()) * size);
    numbers.reserve(first + indexes.size());
    yearOf.reserve(first + indexes.size());
    all.reserve(all.size() + indexes.size());
    for (int i : indexes) {
        const QByteArrayView letter = file.sliced(qsizetype(i) * size, size);
        const int index = int(numbers.size());
        records.append(letter);
        numbers.push_back(i + 1);
        yearOf.push_back(source);
        all.push_back(index);
        (store::LevelView(letter).incoming() ? incoming : outgoing).push_back(index);
    }
}

LetterRows allLetters(const QString& year, QByteArrayView file, bool blankAsSpace) {
    LetterRows rows;
    rows.blankAsSpace = blankAsSpace;
    std::vector<int> every(size_t(file.size() / store::LevelRekord::Size));
    for (size_t i = 0; i < every.size(); ++i)
        every[i] = int(i);
    rows.addLetters(year, file, every);
    return rows;
}

namespace {

// The serial as this style writes it; the blank serial of a past picker date is a space
// in a reload and an empty cell in a search.
QString serialText(const LetterRows& rows, qint16 sorszam) {
    if (rows.style == CellStyle::Reload)
        return serialCell(sorszam, rows.blankAsSpace);
    if (sorszam == store::kBlankSerial && rows.blankAsSpace)
        return {};
    return QString::number(sorszam);
}

}  // namespace

QString letterCell(const LetterRows& rows, LetterList list, int index, int column) {
    const store::LevelView letter(rows.record(index));
    const QString none = rows.style == CellStyle::Reload ? u" "_s : QString();
    if (list != LetterList::All) {
        switch (column) {
            case 0:
                return store::shortDate(letter.Datum());
            case 1:
                return letter.Elotag();
            case 2:
                return serialText(rows, letter.Sorszam());
            case 3:
                return store::trimmed(letter.Evszam());
            case 4:
                return store::trimmed(letter.KitolKinek());
            case 5:
                return QString::number(letter.Ugyfelszam());
            case 6:
                return store::trimmed(letter.LevelTargya());
            case 7:
                return store::trimmed(letter.Ugyintezo());
            case 8:
                return recordNumberCell(rows.numbers[size_t(index)]);
            default:
                return {};
        }
    }
    const bool in = letter.incoming();
    switch (column) {
        case 0:
            return store::shortDate(letter.Datum());
        case 1:
            return in ? letter.Elotag() : none;
        case 2:
            return in ? serialText(rows, letter.Sorszam()) : none;
        case 3:
            return in ? store::trimmed(letter.Evszam()) : u"-"_s;
        case 4:
            return in ? none : letter.Elotag();
        case 5:
            return in ? none : serialText(rows, letter.Sorszam());
        case 6:
            return in ? u"-"_s : store::trimmed(letter.Evszam());
        case 7:
            return store::trimmed(letter.KitolKinek());
        case 8:
            return QString::number(letter.Ugyfelszam());
        case 9:
            return store::trimmed(letter.LevelTargya());
        case 10:
            return store::trimmed(letter.Ugyintezo());
        case 11:
            return recordNumberCell(rows.numbers[size_t(index)]);
        case 12:
            return in ? QString::number(letter.Num()) : none;
        case 13:
            return in ? none : QString::number(letter.Num());
        default:
            return {};
    }
}

}  // namespace reg
