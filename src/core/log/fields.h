#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <vector>

#include "log/note.h"

// The records of a log entry read field by field, for the log window and its export.
namespace eventlog {

struct Field {
    QString caption;  // Hungarian, as the windows name the field ("Kinek/Kitől")
    QString before;   // the field's value as text; empty where the record did not exist
    QString after;
    bool changed() const { return before != after; }
};

// Every field of a record of `file` (Velmar.dat, KiIrat.dat, Ugyfelek.dat, Csoportok.dat,
// Ugyintezo.dat, Num.dat, UszNum.dat, Setup.dat; the name in any case), before and after. A
// side without bytes gives empty texts. A file of another layout gives no fields.
std::vector<Field> recordFields(QStringView file, QByteArrayView before, QByteArrayView after);

// The fields an entry shows: the record's and, for a letter, its document's. When the change
// has both sides (a modification), only the fields that changed.
std::vector<Field> changeFields(const Change& change);

// One line that says what the entry is about: the correspondent and subject of a letter, the
// name of a client or group, the counters, followed by the operation's own text.
QString summary(const Change& change);

// The text the log window's text filter searches, upper-cased: the registration number, every
// field before and after, and the operation's own text.
QString searchText(const Change& change);

}  // namespace eventlog
