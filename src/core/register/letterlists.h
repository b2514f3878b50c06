#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "register/columns.h"

// The contents of the three letter lists: which letters each list holds and how every cell
// reads. Plain functions and data, used by the main window and tested without widgets.
namespace reg {

enum class LetterList {
    All,       // ListView1, "Bejövő és kimenő levelek"
    Incoming,  // ListView4, "Bejövő levelek"
    Outgoing,  // ListView5, "Kimenő levelek"
};

// How cells are written. A reload of the lists pads the serial cells and puts a single space
// in the cells that do not apply; the search writes serials as plain numbers and leaves
// those cells empty.
enum class CellStyle { Reload, Search };

// Column indexes shared by the lists.
inline constexpr int kDateColumn = 0;
inline constexpr int kIncomingSerialColumn = 2;  // "No" of ListView1 (incoming) and of 4 and 5
inline constexpr int kOutgoingSerialColumn = 5;  // "No" of ListView1 (outgoing)
inline constexpr int kAllRecColumn = 11;
inline constexpr int kSingleRecColumn = 8;

int recColumn(LetterList list);
QList<ListColumn> letterColumns(LetterList list);

// The serial right-aligned in four characters ("   7", "1234"). The blank serial shows as a
// single space when `blankAsSpace` (the date picker lies before the present moment).
QString serialCell(qint16 sorszam, bool blankAsSpace);
// The record number right-aligned in five characters ("   12"); longer numbers as they are.
QString recordNumberCell(qint64 recordNumber);

// Where a letter lives: the year folder whose Velmar.dat it was read from (by the folder's
// name, "2024") and its record number there. A list row keeps it from the moment the letter
// is read; nothing re-derives it from a cell's text or from the date picker.
struct LetterId {
    QString year;
    qint64 record = 0;

    bool isValid() const { return record >= 1 && !year.isEmpty(); }
    friend bool operator==(const LetterId&, const LetterId&) = default;
};

// The letters behind the three lists: the letter records as they were read, where each one
// lives, and for each list the 0-based indexes of the records it holds, in the order they
// were added.
struct LetterRows {
    QByteArray records;           // whole 258-byte records, as read
    std::vector<qint64> numbers;  // the record number of each record in its letter file
    std::vector<int> yearOf;      // which of `years` each record was read from
    QStringList years;
    std::vector<int> all, incoming, outgoing;
    CellStyle style = CellStyle::Reload;
    bool blankAsSpace = true;

    int recordCount() const;
    QByteArrayView record(int index) const;
    LetterId id(int index) const;
    const std::vector<int>& rows(LetterList list) const;

    // Takes the letters `indexes` (0-based, in that order) of a year's letter file `file`
    // (its whole records) and adds each to the all-letters list and the list of its
    // direction.
    void addLetters(const QString& year, QByteArrayView file, const std::vector<int>& indexes);
};

// Every letter of a year's letter file in file order, as the reload lists them.
LetterRows allLetters(const QString& year, QByteArrayView file, bool blankAsSpace);

// The text of `column` for record `index` in `list`.
QString letterCell(const LetterRows& rows, LetterList list, int index, int column);

}  // namespace reg
