#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "store/operation.h"

// The intent journal of an operation: which files it changes and what undoing each change
// needs. It lies in the program folder while the operation runs and is read back at start-up
// when a killed program left it there.
//
// Layout (numbers little-endian):
//   0  8 bytes  "VMJOURNL"
//   8  u32      format version, 1
//  12  u32      state: 1 prepared (undo it), 2 committed (finish it); changed by its first
//               byte alone, one write that cannot be torn
//  16  u64      body length
//  24  32 bytes SHA-256 of the body
//  56  body:    text id, text kind, bytes note, u32 entry count, the entries
// Entry: u8 kind (1 replace, 2 write), text target, u8 target existed, then
//   replace: text work file, text previous file (the old target kept while the operation runs)
//   write:   i64 offset, i64 old length of the file, bytes the file held in the written range
// A text is a u32 length and UTF-8, bytes a u32 length and the bytes. File names are relative
// to the program folder. The state lies outside the checksum so it can be changed with one
// small write; any other damage, a short file or a name that leaves the folder is refused.
namespace store {

struct JournalEntry {
    enum class Kind : quint8 { Replace = 1, Write = 2 };
    Kind kind = Kind::Replace;
    QString target;
    bool existed = false;
    // Replace: the new content waits in `work`; the old file is kept as `previous`.
    QString work;
    QString previous;
    // Write: undone by writing `oldBytes` back at `offset` and cutting the file to `oldLength`.
    qint64 offset = 0;
    qint64 oldLength = 0;
    QByteArray oldBytes;

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

struct Journal {
    enum class State : quint32 { Prepared = 1, Committed = 2 };
    State state = State::Prepared;
    OperationRecord record;
    std::vector<JournalEntry> entries;
};

inline constexpr qint64 kJournalStateOffset = 12;
inline constexpr QStringView kJournalName = u"velmarok.journal";
inline constexpr QStringView kJournalTempName = u"velmarok.journal.new";

QByteArray encodeJournal(const Journal& journal);
// Nothing when the bytes are no whole, undamaged journal.
std::optional<Journal> decodeJournal(QByteArrayView bytes);

// A file name that a journal may hold: relative, inside the program folder.
bool isRegisterName(QStringView name);

}  // namespace store
