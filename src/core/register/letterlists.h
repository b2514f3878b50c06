#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
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

// The letters behind the three lists: the year's letter records and, for each list, the
// 0-based indexes of the records it holds, in the order they were added.
struct LetterRows {
    QByteArray records;  // whole 258-byte records
    std::vector<int> all, incoming, outgoing;
    CellStyle style = CellStyle::Reload;
    bool blankAsSpace = true;

    int recordCount() const;
    QByteArrayView record(int index) const;
    const std::vector<int>& rows(LetterList list) const;
    // Adds record `index` to the all-letters list and to the list of its direction.
    void add(int index);
};

// Every letter of a year's records in file order, as the reload lists them.
LetterRows allLetters(QByteArray records, bool blankAsSpace);

// The text of `column` for record `index` in `list`.
QString letterCell(const LetterRows& rows, LetterList list, int index, int column);

}  // namespace reg
