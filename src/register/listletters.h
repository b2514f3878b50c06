#pragma once

#include <QString>
#include <vector>

#include "store/records.h"
#include "ui/listmodel.h"

// The letters behind a letter list's rows, for printing and export: each row names its letter
// by the record number in its "rec" column.
namespace reg {

// The numbers of the "rec" column (leading blanks skipped) in the order the list shows them.
std::vector<qint64> recordNumbers(const ui::ListModel& model, int recColumn);

// The letters with these record numbers from a letter file, read in one pass; a number
// outside the file reads as the empty letter.
std::vector<store::LevelRekord> lettersByNumber(const QString& letterFile,
                                                const std::vector<qint64>& numbers);

}  // namespace reg
