#pragma once

#include <QString>
#include <optional>

#include "register/recording.h"
#include "register/state.h"
#include "store/operation.h"
#include "store/paths.h"
#include "store/records.h"

// Modifying and deleting the letter the user selected in a letter list. Both act on the
// selected letter's own file and record, and only while that record still holds the bytes
// that were read when the row was selected.
namespace reg {

enum class ChangeResult {
    Done,
    Changed,  // the record is gone or holds other bytes than when it was selected
    Failed,   // a file could not be read or written; the register is as it was
};
struct ChangeOutcome {
    ChangeResult result = ChangeResult::Failed;
    store::OperationResult write;  // which file failed, and why
};

// Whether the selected letter's record still holds what was read: Done, Changed, or Failed
// when its file cannot be read.
ChangeResult checkSelection(const store::Paths& paths, const SelectedLetter& selection);

// --- Modification ---

// The "Adatmódosítás" input box: its prompt, and its default answer ("2" when "&Bejövő" is
// chosen, "1" when "&Kimenő" is, empty when neither).
QString modificationPrompt();
QString modificationDefault(std::optional<bool> incoming);
// The direction an answer stores: 2 incoming, from 1 up to 2 outgoing. Any other number,
// an answer that is no number, an empty answer and a cancelled box give nothing.
std::optional<bool> answeredDirection(const std::optional<QString>& answer);

// Writes the entry over the selected letter (its Num stays) and the documents over its
// document record, and gives every client of the correspondent's name (trimmed, ignoring
// case) the entry's client number — unless the client number box is empty, which leaves the
// client list alone. One operation.
ChangeOutcome modifyLetter(const store::Paths& paths, const SelectedLetter& selection,
                           const LetterEntry& entry, const EntryNumbers& numbers,
                           const LetterDocuments& documents);

// --- Deletion ---

// Removes the selected letter from its year's Velmar.dat and its document record from
// KiIrat.dat, so that the later letters and their documents move down by one, and lowers the
// counter of the letter's direction by one, wherever the letter stood. One operation; the
// files are rewritten through their work files (xxx.dat for the letters, xxk.dat for the
// documents).
ChangeOutcome deleteLetter(const store::Paths& paths, const SelectedLetter& selection);

}  // namespace reg
