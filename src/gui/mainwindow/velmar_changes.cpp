// Modifying and deleting the selected letter from the main window. The rules live in
// changes.h; this file asks the questions in their order and finishes the window.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "register/changes.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {

bool Velmar::selectedLetterReachable() {
    const int year = pickerYear();
    if (selectedLetterYear_ != 0 && year != selectedLetterYear_) {
        platform_.dialogs.message(this, otherYearMessage(selectedLetterYear_, year));
        return false;
    }
    if (!storedLetter(paths_, year, state_.kijeloltLevel)) {
        platform_.dialogs.message(this, letterNotFoundMessage(year));
        return false;
    }
    return true;
}

void Velmar::finishChange(bool jumpToLast) {
    beolvas();
    if (jumpToLast)
        jumpToLastRow({1, 0});
    clearEntryFields();
    modifyButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
}

void Velmar::onModify() {
    if (!selectedLetterReachable())
        return;
    const int year = pickerYear();
    const qint64 recordNumber = state_.kijeloltLevel;

    // The direction to store; any other answer leaves everything as it is.
    const std::optional<bool> incoming = answeredDirection(platform_.dialogs.input(
        this, u"Adatmódosítás"_s, modificationPrompt(), modificationDefault(chosenDirection())));
    if (!incoming)
        return;
    LetterEntry entry = entryFields();
    entry.incoming = *incoming;

    // A letter without serial of its own keeps its blank serial when the box stays empty.
    const auto stored = storedLetter(paths_, year, recordNumber);
    const NumberCheck check = checkNumbers(entry, stored && stored->Sorszam == store::kBlankSerial);
    if (check.refusal) {
        platform_.dialogs.message(this, refusalMessage(*check.refusal, *incoming));
        QLineEdit* field =
            *check.refusal == Refusal::ClientNumber ? clientNumberEdit_ : serialEdit_;
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return;
    }

    if (askDocumentCheck_->isChecked())
        chooseDocument();
    if (platform_.dialogs.message(this, modificationQuestion()) != ui::Answer::Yes)
        return;

    const ChangeResult result =
        modifyLetter(paths_, year, recordNumber, entry, check.numbers,
                     {state_.aktMelleklet, state_.aktIratNev, state_.aktIratUtvonal});
    if (!changeWritten(result, year, modificationFailedMessage()))
        return;
    renumberClients(paths_, entry.kitolKinek, check.numbers.ugyfelszam);
    finishChange(false);
}

bool Velmar::changeWritten(ChangeResult result, int year, const ui::Message& failed) {
    if (result == ChangeResult::Done)
        return true;
    platform_.dialogs.message(
        this, result == ChangeResult::NotFound ? letterNotFoundMessage(year) : failed);
    return false;
}

void Velmar::onDelete() {
    if (!selectedLetterReachable())
        return;
    const int year = pickerYear();
    const qint64 recordNumber = state_.kijeloltLevel;
    const auto letter = storedLetter(paths_, year, recordNumber);
    if (!letter || platform_.dialogs.message(this, deletionQuestion(*letter)) != ui::Answer::Yes)
        return;

    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    if (!changeWritten(deleteLetter(paths_, year, recordNumber), year, deletionFailedMessage()))
        return;
    finishChange(state_.settings.UtolsoSorraUgras != 0);
}

}  // namespace reg
