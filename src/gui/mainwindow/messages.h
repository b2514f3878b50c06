#pragma once

#include <QString>

#include "register/recording.h"
#include "store/records.h"
#include "ui/platform.h"

// The message boxes and file dialogs of the main window, with their titles, texts, line
// breaks, buttons and icons. The register's rules return results; the window turns them into
// these.
namespace reg {

// --- Recording ---

// The message that refuses the input; the direction names the counter that is full.
ui::Message refusalMessage(Refusal refusal, bool incoming);
// The typed client number belongs to a client of another name.
ui::Message clientNumberTakenMessage();
// A letter dated before today.
ui::Message pastDateQuestion();
// Recording without a direction.
ui::Message noDirectionMessage();
// The confirmation, when "Rákérdezés rögzítésre." is ticked.
ui::Message recordingQuestion();
// A letter file that cannot be written: nothing of the letter is kept. `reason` names the file
// that failed and why.
ui::Message recordingFailedMessage(const QString& reason);
// The year's counters (Num.dat) or the client counter (UszNum.dat) could not be stored.
ui::Message counterFailedMessage(const QString& reason);
// Characters that the letter file cannot hold and would be stored as "?": go on or not.
// `modifying` asks about a modification, otherwise about a recording.
ui::Message unstorableCharactersQuestion(const QStringList& characters, bool modifying);

// --- Modification and deletion ---

ui::Message modificationQuestion();
ui::Message modificationFailedMessage(const QString& reason);
ui::Message deletionQuestion(const store::LevelRekord& letter);
ui::Message deletionFailedMessage(const QString& reason);
// The selected letter's record is gone or holds other bytes than when it was selected.
ui::Message letterChangedMessage();
// The selected letter lives in another year than the picker shows; `action` names what acts
// on it ("módosítás", "törlés").
ui::Message otherYearNotice(const QString& letterYear, int pickerYear, const QString& action);

// --- Documents ---

// The file-open dialog of the document choice: pictures, or documents (preselected).
ui::FileRequest documentRequest();
// The file-open dialog of the scanned-letter choice.
ui::FileRequest scannedLetterRequest();

// --- Search ---

// "Keresés...": the year typed for the search has no folder (or is no year at all).
ui::Message invalidYearMessage();

}  // namespace reg
