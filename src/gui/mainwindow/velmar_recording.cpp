// Keeping the register from the main window: the direction choice with its proposed number,
// and recording a letter. The rules live in numbering.h and recording.h; this file reads the
// controls, asks the questions in their order and writes the controls back.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "register/clients.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "store/oledate.h"
#include "store/recordfile.h"
#include "ui/reportview.h"

using namespace Qt::StringLiterals;

namespace reg {

void Velmar::connectRegisterKeeping() {
    for (int index : {0, 1}) {
        connect(directionOptions_[index], &QRadioButton::toggled, this,
                [this, index](bool checked) {
                    if (checked)
                        onDirectionChosen(index);
                });
    }
    connect(recordButton_, &QPushButton::clicked, this, &Velmar::onRecord);
    connect(modifyButton_, &QPushButton::clicked, this, &Velmar::onModify);
    connect(deleteButton_, &QPushButton::clicked, this, &Velmar::onDelete);
    connect(documentChoiceButton_, &QPushButton::clicked, this, &Velmar::chooseDocument);
    connect(scannedLetterButton_, &QPushButton::clicked, this, &Velmar::chooseScannedLetter);
    // Out of sight, the button keeps its caption but gives its access key (Alt+B) to
    // "&Bejövő".
    scannedLetterButton_->setShortcut(QKeySequence());

    connect(scannedLetterChoiceButton_, &QPushButton::clicked, this, &Velmar::chooseScannedLetter);
}

std::optional<bool> Velmar::chosenDirection() const {
    if (directionOptions_[0]->isChecked())
        return true;
    if (directionOptions_[1]->isChecked())
        return false;
    return std::nullopt;
}

LetterEntry Velmar::entryFields() const {
    LetterEntry entry;
    entry.datum = pickerValue();
    entry.incoming = chosenDirection();
    entry.elotag = prefixEdit_->text();
    entry.sorszam = serialEdit_->text();
    entry.evszam = yearPartEdit_->text();
    entry.kitolKinek = correspondentEdit_->text();
    entry.ugyfelszam = clientNumberEdit_->text();
    // The subject keeps its line breaks as the register writes them, CR LF.
    entry.levelTargya = subjectEdit_->toPlainText().replace(u'\n', u"\r\n"_s);
    entry.ugyintezo = handlerEdit_->text();
    entry.csoportJel = groupCodeLabel_->text();
    return entry;
}

void Velmar::onDirectionChosen(int index) {
    // Setting the buttons from a selected letter proposes nothing.
    if (!directionChoiceActive_)
        return;
    const bool incoming = index == 0;
    const int year = pickerYear();
    // The group letter is taken without the padding a selected letter's code shows with.
    const NumberProposal proposal =
        proposeNumber(paths_, year, incoming, store::trimmed(groupCodeLabel_->text()));
    prefixEdit_->setText(proposal.elotag);
    serialEdit_->setText(proposal.sorszam);
    yearPartEdit_->setText(proposal.evszam);

    correspondentEdit_->clear();
    clientNumberEdit_->clear();
    subjectEdit_->clear();
    const QDate today = platform_.clock.today();
    if (year == today.year())
        setPickerValue(store::oleFromDate(today));
    if (proposal.counterFull)
        platform_.dialogs.message(this, refusalMessage(Refusal::CounterFull, incoming));
    handlerEdit_->setFocus(Qt::OtherFocusReason);
}

void Velmar::onRecord() {
    const LetterEntry entry = entryFields();
    const int year = pickerYear();
    auto ask = [this](const ui::Message& message) {
        return platform_.dialogs.message(this, message);
    };

    // The checks, in this order: the client number must not belong to a client of another
    // name.
    const auto clients =
        store::readAllRecords<store::UgyfelRekord>(paths_.programFile(store::files::Ugyfelek));
    if (clientNumberTaken(clients, entry.ugyfelszam, entry.kitolKinek)) {
        ask(clientNumberTakenMessage());
        clientNumberEdit_->clear();
        clientNumberEdit_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // An earlier date only when the user confirms it.
    if (datedBeforeToday(entry.datum, platform_.clock.today()) &&
        ask(pastDateQuestion()) != ui::Answer::Yes) {
        return;
    }
    // A direction.
    if (!entry.incoming) {
        ask(noDirectionMessage());
        return;
    }
    // The serial and the client number must fit the letter record, and the serial the
    // direction's counter.
    const NumberCheck check = checkNumbers(entry);
    std::optional<Refusal> refusal = check.refusal;
    if (!refusal && counterFull(paths_, year, entry))
        refusal = Refusal::CounterFull;
    if (refusal) {
        ask(refusalMessage(*refusal, *entry.incoming));
        QLineEdit* field = *refusal == Refusal::ClientNumber ? clientNumberEdit_ : serialEdit_;
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return;
    }
    // Characters the letter file cannot hold are shown before anything is stored.
    if (const QStringList lost = unstorableCharacters(entry);
        !lost.isEmpty() && ask(unstorableCharactersQuestion(lost, false)) != ui::Answer::Yes)
        return;
    // The confirmation.
    if (askRecordingCheck_->isChecked() && ask(recordingQuestion()) != ui::Answer::Yes)
        return;
    // The settings as they are now.
    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    // The document; its choice never stops the recording.
    state_.documents.melleklet.clear();
    if (askDocumentCheck_->isChecked())
        chooseDocument();

    // The counter, the letter, its document record, and a new correspondent or case handler.
    const RecordOutcome outcome =
        recordLetter(paths_, year, entry, check.numbers, state_.documents, state_.settings);
    if (outcome.result == RecordOutcome::Result::CounterFull) {
        ask(refusalMessage(Refusal::CounterFull, *entry.incoming));
        return;
    }
    if (outcome.result == RecordOutcome::Result::WriteFailed) {
        ask(recordingFailedMessage(outcome.write.text()));
        return;
    }
    // The lists show the new letter.
    beolvas();
    if (store::flagOn(state_.settings.UtolsoSorraUgras))
        jumpToLastRow({1, 0});
    // Ready for the next letter.
    clearEntryFields();
    state_.documents.melleklet.clear();
}

}  // namespace reg
