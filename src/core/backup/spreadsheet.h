#pragma once

#include <QByteArrayView>
#include <QString>

#include "register/letterlists.h"

// A letter list as a real spreadsheet (.xlsx), for offices that work on in a spreadsheet
// program: one sheet named by the list, a bold header row that stays in view, an autofilter
// over every column, and one row per letter in the list's order.
//
// Columns: Dátum (a date, shown yyyy.mm.dd.), Iktatószám (the registration number as text,
// AB/15/2024), Irány (Bejövő or Kimenő; only on the list of all letters), Sorszám (a number;
// empty for a letter without serial), Csoport (the group's letter code), Kitől/Kinek,
// Ügyfélszám (a number), Levél tárgya and Ügyintéző. The texts are decoded from Windows-1250,
// so every Hungarian letter arrives as it is shown.
namespace backup {

struct SpreadsheetResult {
    bool ok = false;
    QString errorText;  // why the file could not be written
};

// Writes the letters of `records` (whole 258-byte records in the list's order) as the sheet
// `sheetName` of a new workbook at `path`, replacing an existing file. The workbook appears
// whole or not at all: it is made in a work file and renamed to `path` once complete.
SpreadsheetResult writeSpreadsheet(const QString& path, reg::LetterList list,
                                   const QString& sheetName, QByteArrayView records);

}  // namespace backup
