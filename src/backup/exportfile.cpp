#include "backup/exportfile.h"

#include <QSaveFile>

#include "store/cp1250.h"
#include "store/regnumber.h"
#include "ui/locale.h"

using namespace Qt::StringLiterals;

namespace backup {
namespace {

constexpr int kDateWidth = 12, kNumberWidth = 22, kCorrespondentWidth = 41, kHandlerWidth = 31,
              kSubjectWidth = 101, kReservedWidth = 28;

void appendField(QByteArray& line, const QString& text, int width) {
    line += store::encodeCp1250(text, width);
}

void appendColumn(QByteArray& line, const QString& text, int width) {
    appendField(line, u';' + text, width);
}

void finishLine(QByteArray& line) {
    line.append(kReservedWidth, '\0');
    line += "\r\n";
}

}  // namespace

QByteArray exportHeaderLine() {
    QByteArray line;
    line.reserve(kExportLineSize);
    appendField(line, u" Dátum"_s, kDateWidth);
    appendColumn(line, u"Sorszám"_s, kNumberWidth);
    appendColumn(line, u"Kinek/kitől"_s, kCorrespondentWidth);
    appendColumn(line, u"Ügyintéző"_s, kHandlerWidth);
    appendColumn(line, u"Levél tárgya"_s, kSubjectWidth);
    finishLine(line);
    return line;
}

QByteArray exportLine(const store::LevelRekord& letter) {
    QByteArray line;
    line.reserve(kExportLineSize);
    appendField(line, ui::shortDate(letter.Datum), kDateWidth);
    appendColumn(line, store::registrationNumber(letter), kNumberWidth);
    appendColumn(line, store::trimmed(letter.KitolKinek), kCorrespondentWidth);
    appendColumn(line, store::trimmed(letter.Ugyintezo), kHandlerWidth);
    appendColumn(line, store::trimmed(letter.LevelTargya), kSubjectWidth);
    finishLine(line);
    return line;
}

QByteArray exportContent(const std::vector<store::LevelRekord>& letters) {
    QByteArray content;
    content.reserve(qsizetype(letters.size() + 1) * kExportLineSize);
    content += exportHeaderLine();
    for (const store::LevelRekord& letter : letters)
        content += exportLine(letter);
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
