#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

#include "store/paths.h"

// What one change of the register was, as its operation describes it to the register log.
// An operation fills store::OperationRecord::note with note(change); the store keeps the note
// with the operation and never reads it, and the log decodes it into its entry.
namespace eventlog {

// The kinds of operation the log tells apart (store::OperationRecord::kind).
namespace kinds {
inline constexpr QStringView Recording = u"recording";
inline constexpr QStringView Modification = u"modification";
inline constexpr QStringView Deletion = u"deletion";
inline constexpr QStringView YearRestore = u"year-restore";
inline constexpr QStringView LetterRestore = u"letter-restore";
inline constexpr QStringView ClientAdded = u"client-added";
inline constexpr QStringView ClientChanged = u"client-changed";
inline constexpr QStringView ClientRemoved = u"client-removed";
inline constexpr QStringView GroupAdded = u"group-added";
inline constexpr QStringView GroupDeleted = u"group-deleted";
inline constexpr QStringView Settings = u"settings";
inline constexpr QStringView Counter = u"counter";
inline constexpr QStringView YearBackup = u"year-backup";
inline constexpr QStringView WholeRestore = u"whole-restore";
inline constexpr QStringView All[] = {Recording,     Modification, Deletion,      YearRestore,
                                      LetterRestore, ClientAdded,  ClientChanged, ClientRemoved,
                                      GroupAdded,    GroupDeleted, Settings,      Counter,
                                      YearBackup,    WholeRestore};
}  // namespace kinds

// The Hungarian name of a kind as the log window and its export show it; an unknown kind
// is shown as it is.
QString kindCaption(QStringView kind);

struct Change {
    int year = 0;       // the register year the change belongs to; 0: none (clients, groups)
    QString number;     // the letter's registration number (AB/15/2024), or the name changed
    QString file;       // the file whose record `before` and `after` are (store::files)
    qint64 record = 0;  // that record's number, from 1; 0 when the change has no one record
    QByteArray before;  // the record's bytes before the change; empty: it did not exist
    QByteArray after;   // ... and after it; empty: it is gone
    QByteArray documentBefore;  // a letter's document record (KiIrat.dat), before and after
    QByteArray documentAfter;
    QString text;    // anything else worth reading ("1 204 levél a mentésből")
    QString source;  // the operation this one reverses: the deletion a letter came back from
};

QByteArray note(const Change& change);
// Nothing when the bytes are no note of this kind (an operation of a later program, damage).
std::optional<Change> decodeNote(QByteArrayView note);

// A letter's change: its registration number comes from the letter record (after, or before
// when it is gone).
Change letterChange(int year, qint64 record, QByteArray before, QByteArray after,
                    QByteArray documentBefore = {}, QByteArray documentAfter = {});

// A change of record `record` (from 1) of a list of the program folder (clients, groups),
// known in the log by `name`.
Change recordChange(QStringView file, qint64 record, QString name, QByteArray before,
                    QByteArray after);

// The change a deletion of letter `record` of the year is about to make: the letter and its
// document record as they are stored now. Nothing when the year's letter file has no such
// letter.
std::optional<Change> deletionChange(const store::Paths& paths, int year, qint64 record);

}  // namespace eventlog
