#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "store/paths.h"
#include "store/records.h"

// Recording a letter, and what modification shares with it: the entry fields read as a
// letter, the checks made before anything is written, the letter and document records, and
// the client and case handler lists that grow with new names.
namespace reg {

// The entry fields of the main window as the user left them.
struct LetterEntry {
    double datum = 0;              // DTPicker1, days since 1899-12-30
    std::optional<bool> incoming;  // Option1: true "&Bejövő", false "&Kimenő", nothing neither
    QString elotag;                // txtSorszam1
    QString sorszam;               // txtSorszam2
    QString evszam;                // txtSorszam
    QString kitolKinek;            // txtKitolKinek
    QString ugyfelszam;            // txtUgyfelszam
    QString levelTargya;           // txtLevelTargya
    QString ugyintezo;             // txUgyintezo
    QString csoportJel;            // lbJel

    int year() const;
};

// The documents chosen for the letter: Melleklet, IratNev and IratUtvonal.
struct LetterDocuments {
    QString melleklet;
    QString iratNev;
    QString iratUtvonal;
};

// The serial and the client number as a letter stores them: 16-bit whole numbers. An empty
// client number field stores 0. An empty serial box is refused, except when a modification
// writes back a letter that has no serial of its own (the blank marker 8224).
struct EntryNumbers {
    qint16 sorszam = 0;
    qint16 ugyfelszam = 0;
};
enum class Refusal { Serial, ClientNumber, CounterFull };
struct NumberCheck {
    std::optional<Refusal> refusal;
    EntryNumbers numbers;
};
NumberCheck checkNumbers(const LetterEntry& entry, bool keepBlankSerial = false);

// The typed client number belongs to a client of another name. A client
// number that reads 0 (also an empty field) or is no whole number never conflicts.
bool clientNumberTaken(const std::vector<store::UgyfelRekord>& clients, const LetterEntry& entry);

// A letter dated before today's midnight is recorded only when the user says so.
bool datedBeforeToday(double datum, QDate today);

// Whether the direction's counter of `year` is at the last serial while the entry's serial
// would have to raise it.
bool counterFull(const store::Paths& paths, int year, const LetterEntry& entry);

// The letter record the entry describes (Num and Melleklet as given).
store::LevelRekord letterRecord(const LetterEntry& entry, const EntryNumbers& numbers, qint32 num,
                                const QString& melleklet);

struct RecordOutcome {
    enum class Result { Recorded, CounterFull, WriteFailed } result = Result::WriteFailed;
    qint64 recordNumber = 0;  // R: the new letter's record number
    qint32 num = 0;           // the letter's Num
};

// Counts the serial in Num.dat, appends the letter to the year's Velmar.dat
// and writes its document record at the same number in KiIrat.dat. A missing year folder is
// created. A letter that cannot be written takes the counter back and leaves the files as
// they were.
RecordOutcome appendLetter(const store::Paths& paths, int year, const LetterEntry& entry,
                           const EntryNumbers& numbers, const LetterDocuments& documents);

// A correspondent not yet listed with this client number joins the client list, and
// the automatic client number counter UszNum moves on by one. Returns whether it was added.
bool rememberClient(const store::Paths& paths, const QString& name, double clientNumber,
                    qint32 kezdoUgyfelszam);
// UszNum after a new client: at least KezdoUgyfelszam - 1, then one more.
qint32 nextUszNum(qint32 uszNum, qint32 kezdoUgyfelszam);

// A case handler not yet listed (ignoring case) joins the handler list.
bool rememberHandler(const store::Paths& paths, const QString& name);

}  // namespace reg
