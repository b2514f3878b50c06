#pragma once

#include <QString>
#include <functional>

#include "log/log.h"

// The log exported for an auditor: a CSV file in UTF-8 (with a byte order mark, so spreadsheet
// programs read the accents), fields separated by ';', CR LF line ends, one header row.
namespace eventlog {

// A field quoted when it holds ';', '"' or a line break, its quotes doubled.
QString csvField(const QString& text);
QString csvHeader();
// One entry: its moment, user, kind, year, registration number, summary, its fields (those
// that changed, or those of the record recorded or removed), the file and record number, its
// operation's id and the id of the operation it reversed.
QString csvLine(const Entry& entry);

struct ExportResult {
    bool ok = false;
    bool cancelled = false;
    QString errorText;  // why it failed
};
// Writes the entries the filter matches, newest first, to `path` in one step: the file
// appears whole or not at all. `progress` hears now and then how many entries are written;
// false from it cancels the export.
ExportResult exportCsv(const LogReader& reader, const Filter& filter, const QString& path,
                       const std::function<bool(qint64 written)>& progress = {});

}  // namespace eventlog
