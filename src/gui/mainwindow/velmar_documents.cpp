// The document linked to a letter and the scanned incoming letter: choosing them with the
// file-open dialog, and opening the document with the program the settings name for its type
// or else with the desktop's default application.

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "register/documents.h"
#include "ui/platform.h"

using namespace Qt::StringLiterals;

namespace reg {

void Velmar::chooseDocument() {
    applyDocumentChoice(state_, platform_.dialogs.openFile(this, documentRequest()));
}

void Velmar::chooseScannedLetter() {
    applyScannedLetterChoice(state_, platform_.dialogs.openFile(this, scannedLetterRequest()));
}

void Velmar::openDocument() {
    // The path is stored quoted; the shell gets it without the quotes.
    const QString path = unquotedPath(state_.documents.iratUtvonal).trimmed();
    if (path.isEmpty())
        return;  // nothing to hand over
    const QString program = documentProgram(path, state_.settings);
    if (program.isEmpty() ? platform_.shell.openDocument(path)
                          : platform_.shell.startProgram(program, {path})) {
        return;
    }
    platform_.dialogs.message(
        this,
        {u"HIBA"_s, u"Hibás a Word vagy PDF program útvonala...\r\nEllenőrízze a Beállításban!"_s,
         ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
    // The settings window is where the program paths are checked; a register that may only
    // be read does not open it, as it stores colours the moment they are chosen.
    if (!readOnly_)
        openSettings();
}

}  // namespace reg
