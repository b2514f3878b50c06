#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

#include "store/records.h"

// The letters behind a letter list's rows, for printing and export: each row names its letter
// by the record number in its "rec" column.
namespace reg {

// The letter records with these numbers from a letter file, read in one pass and laid end to
// end in the given order; a number outside the file gives the empty letter.
QByteArray recordsByNumber(const QString& letterFile, const std::vector<qint64>& numbers);

// The letters of records laid end to end.
std::vector<store::LevelRekord> lettersOf(QByteArrayView records);

}  // namespace reg
