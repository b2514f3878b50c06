#include "backup/exportfile.h"

#include <QSaveFile>
#include <algorithm>
#include <cstring>

#include "store/cp1250.h"
#include "store/hungarian.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace backup {
namespace {

// The export line's columns: offset and width; each column after the date opens with ";".
constexpr int kDateAt = 0, kDateWidth = 12;
constexpr int kNumberAt = 12, kNumberWidth = 22;
constexpr int kCorrespondentAt = 34, kCorrespondentWidth = 41;
constexpr int kHandlerAt = 75, kHandlerWidth = 31;
constexpr int kSubjectAt = 106, kSubjectWidth = 101;
constexpr int kReservedAt = 207, kReservedWidth = 28;
constexpr int kLineEndAt = 235;

// Text fields of the letter record: offset and width.
struct Field {
    int at, width;
};
constexpr Field kEvszam{10, 14}, kElotag{24, 4}, kKitolKinek{30, 40}, kUgyintezo{70, 30},
    kLevelTargya{100, 100};

// A text field's bytes without the padding: spaces and NUL bytes at both ends.
QByteArrayView trimmedField(QByteArrayView record, Field field) {
    if (record.size() < field.at + field.width)
        return {};
    QByteArrayView text = record.sliced(field.at, field.width);
    auto blank = [](char c) { return c == ' ' || c == '\0'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

// A blank line: spaces up to the reserved zero bytes, then CR LF.
void blankLine(char* line) {
    std::memset(line, ' ', kReservedAt);
    std::memset(line + kReservedAt, 0, kReservedWidth);
    line[kLineEndAt] = '\r';
    line[kLineEndAt + 1] = '\n';
}

// Writes `text` left-aligned into the column, cut at its width.
void put(char* line, int at, int width, QByteArrayView text) {
    std::memcpy(line + at, text.data(), size_t(std::min<qsizetype>(width, text.size())));
}

void putColumn(char* line, int at, int width, QByteArrayView text) {
    line[at] = ';';
    put(line, at + 1, width - 1, text);
}

void fillLine(char* line, QByteArrayView record) {
    blankLine(line);
    const store::LevelView letter(record);
    put(line, kDateAt, kDateWidth, store::encodeCp1250(store::shortDate(letter.Datum())));

    // The registration number as the lists show it; a blank serial counts as empty.
    QByteArray number = trimmedField(record, kElotag).toByteArray();
    if (letter.Sorszam() != store::kBlankSerial)
        number += QByteArray::number(letter.Sorszam());
    number += trimmedField(record, kEvszam);
    putColumn(line, kNumberAt, kNumberWidth, number);

    putColumn(line, kCorrespondentAt, kCorrespondentWidth, trimmedField(record, kKitolKinek));
    putColumn(line, kHandlerAt, kHandlerWidth, trimmedField(record, kUgyintezo));
    putColumn(line, kSubjectAt, kSubjectWidth, trimmedField(record, kLevelTargya));
}

void fillHeader(char* line) {
    blankLine(line);
    put(line, kDateAt, kDateWidth, store::encodeCp1250(u" Dátum"));
    putColumn(line, kNumberAt, kNumberWidth, store::encodeCp1250(u"Sorszám"));
    putColumn(line, kCorrespondentAt, kCorrespondentWidth, store::encodeCp1250(u"Kinek/kitől"));
    putColumn(line, kHandlerAt, kHandlerWidth, store::encodeCp1250(u"Ügyintéző"));
    putColumn(line, kSubjectAt, kSubjectWidth, store::encodeCp1250(u"Levél tárgya"));
}

}  // namespace

QByteArray exportContent(QByteArrayView records) {
    const qsizetype count = records.size() / store::LevelRekord::Size;
    QByteArray content(qsizetype(count + 1) * kExportLineSize, ' ');
    char* line = content.data();
    fillHeader(line);
    for (qsizetype i = 0; i < count; ++i) {
        line += kExportLineSize;
        fillLine(line, records.sliced(i * store::LevelRekord::Size, store::LevelRekord::Size));
    }
    return content;
}

QString exportPath(const store::Paths& paths, int year, const QString& answer) {
    QString name = answer;
    name.replace(u'\\', u'/');
    return paths.yearFolder(year) + u'/' + name + u".csv"_s;
}

ExportResult writeExportFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(content) != content.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

}  // namespace backup
