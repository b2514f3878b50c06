#pragma once

#include <QByteArray>
#include <QString>

#include "store/paths.h"
#include "store/records.h"

// The export of a letter list to a semicolon-separated file that a spreadsheet opens: fixed
// 237-byte lines in Windows-1250, a header line and one line per letter in list order.
//
// Line layout (offset, width): date 0/12; ";" + registration number 12/22; ";" +
// correspondent 34/41; ";" + case handler 75/31; ";" + subject 106/101; zero bytes 207-234;
// CR LF at 235-236. Text is left-aligned, padded with spaces and cut at the field's width;
// nothing is quoted, so a ";" inside a text splits the column for the reader.
namespace backup {

inline constexpr int kExportLineSize = 237;

// The header line, then one line per letter record of `records` (whole 258-byte records,
// in the order they are to be written). The records' text fields are Windows-1250 already:
// they are trimmed and copied as bytes.
QByteArray exportContent(QByteArrayView records);

// The file an answer of the name box stands for: the answer with ".csv" appended, in the
// year's folder. The answer is used as typed and may hold a relative path; a backslash in
// it separates folders, as it did in the registers written on Windows.
QString exportPath(const store::Paths& paths, int year, const QString& answer);

struct ExportResult {
    bool ok = false;
    QString errorText;  // why the file could not be written
};

// Writes `content` as the file, replacing an existing one. The file appears whole or not
// at all: it is written beside the target and renamed over it once complete.
ExportResult writeExportFile(const QString& path, const QByteArray& content);

}  // namespace backup
