#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/paths.h"
#include "store/recordfile.h"
#include "store/records.h"

// The client list of Ugyfelek.dat as the settings window maintains it, and the client-number
// counter of UszNum.dat. Plain functions, tested without the window.
namespace settings {

// One row per client, in file order: the name without its padding, the client number and
// the record number.
QList<QStringList> clientRows(const std::vector<store::UgyfelRekord>& clients);

// The text of the number box that a client is stored with: the box as it is, or the counter's
// next number when the box holds no number (its numeric value is 0, which an empty box has).
QString offeredNumber(const QString& boxText, qint32 counter);

// The client number of a box: a whole number (optional blanks and sign, digits) that fits
// 32 bits; nothing for anything else, such as "12abc" or "1.5".
std::optional<qint32> clientNumber(QStringView boxText);

enum class AddResult {
    Added,
    Duplicate,    // a client already has the number; nothing written
    CounterFull,  // the counter cannot move past the largest 32-bit number; nothing written
    WriteFailed,
};

// Appends a client whose name is `name` trimmed, after checking that no client has `number`,
// and moves the counter on by one (from 999 when it stands below 1000): both files in one
// operation of the register.
AddResult addClient(const store::Paths& paths, const QString& name, qint32 number);

// Overwrites client `recordNumber` with `name` as typed (leading blanks kept) and `number`;
// no test for a repeated number. False when it names no record or the write failed.
bool changeClient(const store::Paths& paths, int recordNumber, const QString& name, qint32 number);

// Rewrites the client file without record `recordNumber` through the temporary xxu.dat; the
// clients after it move up by one.
store::ReplaceResult removeClient(const store::Paths& paths, int recordNumber);

}  // namespace settings
