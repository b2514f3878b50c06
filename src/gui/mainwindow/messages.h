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
// A letter file that cannot be written: nothing of the letter is kept.
ui::Message recordingFailedMessage();

// --- Modification and deletion ---

ui::Message modificationQuestion();
ui::Message modificationFailedMessage();
ui::Message deletionQuestion(const store::LevelRekord& letter);
ui::Message deletionFailedMessage();
// The selected letter is not (or no longer) in the year's letter file.
ui::Message letterNotFoundMessage(int year);
// The date was moved into another year after the letter was selected.
ui::Message otherYearMessage(int letterYear, int pickerYear);

// --- Documents ---

// The file-open dialog of the document choice: pictures, or documents (preselected).
ui::FileRequest documentRequest();
// The file-open dialog of the scanned-letter choice.
ui::FileRequest scannedLetterRequest();

// --- Search ---

// "Keresés...": the year typed for the search has no folder (or is no year at all).
ui::Message invalidYearMessage();

}  // namespace reg
