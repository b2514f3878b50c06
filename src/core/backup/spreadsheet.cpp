#include "backup/spreadsheet.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QVariant>
#include <cmath>
#include <vector>

#include "store/hungarian.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace backup {
namespace {

enum class Cell { Date, Number, Text };

struct Column {
    QString title;
    double width;  // in characters of the default font
    Cell kind;
    QVariant (*value)(const store::LevelRekord&);
};

// Spreadsheet dates count days from the same day as the register's dates (1899-12-30), but
// only from 1 March 1900 on do the two agree; earlier values and non-dates become the text
// the lists show.
constexpr double kFirstSheetDate = 61;
constexpr double kLastSheetDate = 2958466;  // 10000-01-01

QVariant dateValue(const store::LevelRekord& l) {
    if (std::isfinite(l.Datum) && l.Datum >= kFirstSheetDate && l.Datum < kLastSheetDate)
        return std::floor(l.Datum);  // the day; the lists show no time of day either
    return store::shortDate(l.Datum);
}

const std::vector<Column>& columns(reg::LetterList list) {
    using L = const store::LevelRekord&;
    static const Column direction{u"Irány"_s, 9, Cell::Text, [](L l) -> QVariant {
                                      return l.incoming() ? u"Bejövő"_s : u"Kimenő"_s;
                                  }};
    static const std::vector<Column> single = {
        {u"Dátum"_s, 12, Cell::Date, dateValue},
        {u"Iktatószám"_s, 18, Cell::Text,
         [](L l) -> QVariant { return store::registrationNumber(l); }},
        {u"Sorszám"_s, 9, Cell::Number,
         [](L l) -> QVariant {
             return l.Sorszam == store::kBlankSerial ? QVariant() : QVariant(int(l.Sorszam));
         }},
        {u"Csoport"_s, 9, Cell::Text, [](L l) -> QVariant { return store::trimmed(l.CsoportJel); }},
        {u"Kitől/Kinek"_s, 36, Cell::Text,
         [](L l) -> QVariant { return store::trimmed(l.KitolKinek); }},
        {u"Ügyfélszám"_s, 12, Cell::Number, [](L l) -> QVariant { return int(l.Ugyfelszam); }},
        {u"Levél tárgya"_s, 60, Cell::Text,
         [](L l) -> QVariant {
             // A spreadsheet cell breaks its lines at a line feed alone.
             return store::trimmed(l.LevelTargya).replace(u"\r\n"_s, u"\n"_s);
         }},
        {u"Ügyintéző"_s, 26, Cell::Text,
         [](L l) -> QVariant { return store::trimmed(l.Ugyintezo); }},
    };
    static const std::vector<Column> all = [] {
        std::vector<Column> withDirection = single;
        withDirection.insert(withDirection.begin() + 2, direction);
        return withDirection;
    }();
    return list == reg::LetterList::All ? all : single;
}

// A sheet name holds at most 31 characters and none of []:*?/\.
QString validSheetName(QString name) {
    for (QChar& c : name) {
        if (QStringView(u"[]:*?/\\").contains(c))
            c = u'-';
    }
    name = name.left(31).trimmed();
    return name.isEmpty() ? u"Levelek"_s : name;
}

// The workbook written by libxlsxwriter into `file`; an error text when that failed.
QString writeWorkbook(const QByteArray& file, reg::LetterList list, const QString& sheetName,
                      QByteArrayView records) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to the file as they are written
    lxw_workbook* workbook = workbook_new_opt(file.constData(), &options);
    if (!workbook)
        return u"a munkafüzet nem hozható létre"_s;
    lxw_worksheet* sheet =
        workbook_add_worksheet(workbook, validSheetName(sheetName).toUtf8().constData());
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format* date = workbook_add_format(workbook);
    format_set_num_format(date, "yyyy.mm.dd.");

    const std::vector<Column>& cols = columns(list);
    const auto lastColumn = lxw_col_t(cols.size() - 1);
    for (lxw_col_t c = 0; c <= lastColumn; ++c) {
        worksheet_set_column(sheet, c, c, cols[c].width, nullptr);
        worksheet_write_string(sheet, 0, c, cols[c].title.toUtf8().constData(), bold);
    }
    const qsizetype count = records.size() / store::LevelRekord::Size;
    for (qsizetype i = 0; i < count; ++i) {
        const store::LevelRekord letter =
            store::LevelRekord::fromBytes(records.sliced(i * store::LevelRekord::Size));
        const auto row = lxw_row_t(i + 1);
        for (lxw_col_t c = 0; c <= lastColumn; ++c) {
            const QVariant value = cols[c].value(letter);
            if (value.typeId() == QMetaType::QString) {
                worksheet_write_string(sheet, row, c, value.toString().toUtf8().constData(),
                                       nullptr);
            } else if (value.isValid()) {
                worksheet_write_number(sheet, row, c, value.toDouble(),
                                       cols[c].kind == Cell::Date ? date : nullptr);
            }
        }
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, lxw_row_t(count), lastColumn);
    const lxw_error closed = workbook_close(workbook);
    return closed == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(closed));
}

}  // namespace

SpreadsheetResult writeSpreadsheet(const QString& path, reg::LetterList list,
                                   const QString& sheetName, QByteArrayView records) {
    // libxlsxwriter writes a file by its name; it is made in a private folder and then
    // handed to the target through a save file, which keeps the old file until the new one
    // is complete on the disk.
    const QTemporaryDir work;
    if (!work.isValid())
        return {false, work.errorString()};
    const QString made = work.filePath(u"lista.xlsx"_s);
    if (const QString error = writeWorkbook(QFile::encodeName(made), list, sheetName, records);
        !error.isEmpty()) {
        return {false, error};
    }
    QFile workbook(made);
    if (!workbook.open(QIODevice::ReadOnly))
        return {false, workbook.errorString()};
    const QByteArray content = workbook.readAll();
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size()) {
        const QString error = target.errorString();
        target.cancelWriting();
        return {false, error};
    }
    if (!target.commit())
        return {false, target.errorString()};
    return {true, {}};
}

}  // namespace backup
