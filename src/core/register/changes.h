#pragma once

#include <QString>
#include <optional>

#include "register/recording.h"
#include "store/paths.h"
#include "store/records.h"

// Modifying and deleting the letter selected in a letter list.
namespace reg {

enum class ChangeResult {
    Done,
    NotFound,  // the year's letter file has no record of that number
    Failed,    // a file could not be read or written; the register is as it was
};

// --- Modification ---

// The "Adatmódosítás" input box: its prompt, and its default answer ("2" when "&Bejövő" is
// chosen, "1" when "&Kimenő" is, empty when neither).
QString modificationPrompt();
QString modificationDefault(std::optional<bool> incoming);
// The direction an answer stores: 2 incoming, from 1 up to 2 outgoing. Any other number,
// an answer that is no number, an empty answer and a cancelled box give nothing.
std::optional<bool> answeredDirection(const std::optional<QString>& answer);

// Writes the entry over letter `recordNumber` of the year (its Num stays) and the documents
// over its document record.
ChangeResult modifyLetter(const store::Paths& paths, int year, qint64 recordNumber,
                          const LetterEntry& entry, const EntryNumbers& numbers,
                          const LetterDocuments& documents);

// Every client of the name (trimmed, ignoring case) gets the client number. Returns how many
// clients were changed.
int renumberClients(const store::Paths& paths, const QString& name, double clientNumber);

// --- Deletion ---

// Letter `recordNumber` of the year, or nothing when the letter file has no such record.
std::optional<store::LevelRekord> storedLetter(const store::Paths& paths, int year,
                                               qint64 recordNumber);

// Removes letter `recordNumber` from the year's Velmar.dat and its document record from
// KiIrat.dat, so that the later letters and their documents move down by one, and lowers the
// counter of the letter's direction by one, wherever the letter stood. Each file is replaced
// in one step through its temporary copy (xxx.dat for the letters); a temporary file left by
// an interrupted deletion is discarded first.
ChangeResult deleteLetter(const store::Paths& paths, int year, qint64 recordNumber);

// --- Shared by both ---

}  // namespace reg
