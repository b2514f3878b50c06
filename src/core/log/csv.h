#pragma once

#include <QString>

#include "log/log.h"

// The log exported for an auditor: a CSV file in UTF-8 (with a byte order mark, so spreadsheet
// programs read the accents), fields separated by ';', CR LF line ends, one header row.
namespace eventlog {

// A field quoted when it holds ';', '"' or a line break, its quotes doubled.
QString csvField(const QString& text);
QString csvHeader();
// One entry: its moment, user, kind, year, registration number, summary, the fields that
// changed, the file and record, the record bytes in hex, its operation and source ids.
QString csvLine(const Entry& entry);

// Writes the entries the filter matches, newest first, to `path` in one step: the file
// appears whole or not at all. Returns the reason of a failure, empty on success.
QString exportCsv(const LogReader& reader, const Filter& filter, const QString& path);

}  // namespace eventlog
