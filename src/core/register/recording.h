#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "register/state.h"
#include "store/operation.h"
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

// The characters of the texts that a letter record would hold which Windows-1250 has no byte
// for, even after the usual look-alikes are mapped: each once, in the order of the fields.
// They would be stored as '?', so the user is asked first.
QStringList unstorableCharacters(const LetterEntry& entry);

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
    store::OperationResult write;
};

// Records the letter as one operation: the direction's counter in Num.dat, the letter
// appended to the year's Velmar.dat, its document record at the same number in KiIrat.dat,
// a correspondent not yet listed with this client number in the client list (the client
// counter moving on from `settings.KezdoUgyfelszam`), and a new case handler in the handler
// list. A missing year folder is created. Either every file takes its part or, when a write
// fails, none does.
RecordOutcome recordLetter(const store::Paths& paths, int year, const LetterEntry& entry,
                           const EntryNumbers& numbers, const LetterDocuments& documents,
                           const store::SetupRekord& settings);

}  // namespace reg
