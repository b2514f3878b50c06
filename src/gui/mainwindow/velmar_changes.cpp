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

bool Velmar::selectionStillStored(const QString& action) {
    if (!state_.selection)
        return false;
    const ChangeResult check = checkSelection(paths_, *state_.selection);
    if (check != ChangeResult::Done) {
        changeWritten({check, {}}, {});
        return false;
    }
    // The letter's own file wins over the picker's year; the user hears which one it is.
    const QString year = state_.selection->id.year;
    if (year != QString::number(pickerYear()))
        platform_.dialogs.message(this, otherYearNotice(year, pickerYear(), action));
    return true;
}

void Velmar::finishChange(bool jumpToLast) {
    state_.selection.reset();
    beolvas();
    if (jumpToLast)
        jumpToLastRow({1, 0});
    clearEntryFields();
    modifyButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
}

void Velmar::onModify() {
    if (!selectionStillStored(u"módosítás"_s))
        return;

    // The direction to store; any other answer leaves everything as it is.
    const std::optional<bool> incoming = answeredDirection(platform_.dialogs.input(
        this, u"Adatmódosítás"_s, modificationPrompt(), modificationDefault(chosenDirection())));
    if (!incoming)
        return;
    LetterEntry entry = entryFields();
    entry.incoming = *incoming;

    // A letter without serial of its own keeps its blank serial when the box stays empty.
    const bool blankSerial = state_.selection->letter().Sorszam == store::kBlankSerial;
    const NumberCheck check = checkNumbers(entry, blankSerial);
    if (check.refusal) {
        platform_.dialogs.message(this, refusalMessage(*check.refusal, *incoming));
        QLineEdit* field =
            *check.refusal == Refusal::ClientNumber ? clientNumberEdit_ : serialEdit_;
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return;
    }

    if (const QStringList lost = unstorableCharacters(entry);
        !lost.isEmpty() && platform_.dialogs.message(
                               this, unstorableCharactersQuestion(lost, true)) != ui::Answer::Yes)
        return;
    if (askDocumentCheck_->isChecked())
        chooseDocument();
    if (platform_.dialogs.message(this, modificationQuestion()) != ui::Answer::Yes)
        return;

    if (changeWritten(
            modifyLetter(paths_, *state_.selection, entry, check.numbers, state_.documents),
            modificationFailedMessage))
        finishChange(false);
}

bool Velmar::changeWritten(const ChangeOutcome& outcome,
                           ui::Message (*failed)(const QString& reason)) {
    switch (outcome.result) {
        case ChangeResult::Done:
            return true;
        case ChangeResult::Changed:
            // Nothing was written; the lists show the register as it is now.
            platform_.dialogs.message(this, letterChangedMessage());
            state_.selection.reset();
            beolvas();
            return false;
        case ChangeResult::Failed:
            break;
    }
    platform_.dialogs.message(this, failed(outcome.write.text()));
    return false;
}

void Velmar::onDelete() {
    if (!selectionStillStored(u"törlés"_s))
        return;
    if (platform_.dialogs.message(this, deletionQuestion(state_.selection->letter())) !=
        ui::Answer::Yes)
        return;

    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    if (changeWritten(deleteLetter(paths_, *state_.selection), deletionFailedMessage))
        finishChange(store::flagOn(state_.settings.UtolsoSorraUgras));
}

}  // namespace reg
