#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "store/paths.h"
#include "store/recordfile.h"
#include "store/records.h"

// The letter groups in Csoportok.dat: how the group window lists them, adds one and removes
// one. Plain functions, used by the group window and tested without it.
namespace groups {

// One row per group, in file order: the name and the letter code without their padding,
// and the record number.
QList<QStringList> groupRows(const std::vector<store::CsoportRekord>& groups);

// Appends a group. The name and the code are stored as typed, cut or padded to their field
// widths; an empty or repeated group is appended like any other. False when the file could
// not be written.
bool addGroup(const store::Paths& paths, const QString& name, const QString& code);

// Rewrites the group file without record `recordNumber` through the temporary nevx.dat; the
// groups after it move up by one. A number that names no record leaves the file as it is.
store::ReplaceResult deleteGroup(const store::Paths& paths, int recordNumber);

}  // namespace groups
