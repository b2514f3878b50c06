// Keeping the register from the main window: the direction choice with its proposed number,
// and recording a letter. The rules live in numbering.h and recording.h; this file reads the
// controls, asks the questions in their order and writes the controls back.

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "store/oledate.h"
#include "store/recordfile.h"
#include "ui/reportview.h"

using namespace Qt::StringLiterals;

namespace reg {

void Velmar::connectRegisterKeeping() {
    for (int index : {0, 1}) {
        connect(Option1_[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                onDirectionChosen(index);
        });
    }
    connect(cmdRogzit_, &QPushButton::clicked, this, &Velmar::onRecord);
    connect(cmdModosit_, &QPushButton::clicked, this, &Velmar::onModify);
    connect(cmdTorles_, &QPushButton::clicked, this, &Velmar::onDelete);
    connect(cmdKiLevelek_, &QPushButton::clicked, this, &Velmar::chooseDocument);
    connect(cmdLevelek_, &QPushButton::clicked, this, &Velmar::chooseScannedLetter);
    // Out of sight, the button keeps its caption but gives its access key (Alt+B) to
    // "&Bejövő".
    cmdLevelek_->setShortcut(QKeySequence());

    // The row selection has just put the letter's date into the picker.
    for (ui::ReportView* list : {ListView1_, ListView4_, ListView5_}) {
        connect(list, &ui::ReportView::itemClicked, this,
                [this] { selectedLetterYear_ = pickerYear(); });
    }

    // The scanned image of an incoming letter is chosen with this button beside the case
    // handler; it presses the out-of-sight cmdLevelek.
    cmdBeszkenneltLevel_ = new QPushButton(u"Beszkennelt &levél..."_s);
    cmdBeszkenneltLevel_->setObjectName(u"cmdBeszkenneltLevel"_s);
    cmdBeszkenneltLevel_->setToolTip(
        u"A kijelölt bejövő levél beszkennelt képének (JPG vagy PDF) kiválasztása; "
        u"a Módosítás menti a levélhez."_s);
    cmdBeszkenneltLevel_->setAccessibleName(u"Beszkennelt levél kiválasztása"_s);
    connect(cmdBeszkenneltLevel_, &QPushButton::clicked, cmdLevelek_, &QPushButton::click);
    if (auto* grid = qobject_cast<QGridLayout*>(txUgyintezo_->parentWidget()->layout())) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(txUgyintezo_), &row, &column, &rowSpan, &columnSpan);
        grid->addWidget(cmdBeszkenneltLevel_, row, column + 2, Qt::AlignLeft);
    }
    setTabOrder(txUgyintezo_, cmdBeszkenneltLevel_);
}

std::optional<bool> Velmar::chosenDirection() const {
    if (Option1_[0]->isChecked())
        return true;
    if (Option1_[1]->isChecked())
        return false;
    return std::nullopt;
}

LetterEntry Velmar::entryFields() const {
    LetterEntry entry;
    entry.datum = pickerValue();
    entry.incoming = chosenDirection();
    entry.elotag = txtSorszam1_->text();
    entry.sorszam = txtSorszam2_->text();
    entry.evszam = txtSorszam_->text();
    entry.kitolKinek = txtKitolKinek_->text();
    entry.ugyfelszam = txtUgyfelszam_->text();
    // The subject keeps its line breaks as the register writes them, CR LF.
    entry.levelTargya = txtLevelTargya_->toPlainText().replace(u'\n', u"\r\n"_s);
    entry.ugyintezo = txUgyintezo_->text();
    entry.csoportJel = lbJel_->text();
    return entry;
}

void Velmar::onDirectionChosen(int index) {
    // Setting the buttons from a selected letter proposes nothing.
    if (!iranyValasztasAktiv_)
        return;
    const bool incoming = index == 0;
    const int year = pickerYear();
    // The group letter is taken without the padding a selected letter's code shows with.
    const NumberProposal proposal =
        proposeNumber(paths_, year, incoming, store::trimmed(lbJel_->text()));
    txtSorszam1_->setText(proposal.elotag);
    txtSorszam2_->setText(proposal.sorszam);
    txtSorszam_->setText(proposal.evszam);

    txtKitolKinek_->clear();
    txtUgyfelszam_->clear();
    txtLevelTargya_->clear();
    const QDate today = platform_.clock.today();
    if (year == today.year())
        setPickerValue(store::oleFromDate(today));
    if (proposal.counterFull)
        platform_.dialogs.message(this, refusalMessage(Refusal::CounterFull, incoming));
    txUgyintezo_->setFocus(Qt::OtherFocusReason);
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
    if (clientNumberTaken(clients, entry)) {
        ask(clientNumberTakenMessage());
        txtUgyfelszam_->clear();
        txtUgyfelszam_->setFocus(Qt::OtherFocusReason);
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
        QLineEdit* field = *refusal == Refusal::ClientNumber ? txtUgyfelszam_ : txtSorszam2_;
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return;
    }
    // The confirmation.
    if (chkRogzitKerdes_->isChecked() && ask(recordingQuestion()) != ui::Answer::Yes)
        return;
    // The settings as they are now.
    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    // The document; its choice never stops the recording.
    state_.aktMelleklet.clear();
    if (chkMellekletKerdes_->isChecked())
        cmdKiLevelek_->click();

    // The counter, the letter and its document record.
    const RecordOutcome outcome =
        appendLetter(paths_, year, entry, check.numbers,
                     {state_.aktMelleklet, state_.aktIratNev, state_.aktIratUtvonal});
    if (outcome.result == RecordOutcome::Result::CounterFull) {
        ask(refusalMessage(Refusal::CounterFull, *entry.incoming));
        return;
    }
    if (outcome.result == RecordOutcome::Result::WriteFailed) {
        ask(recordingFailedMessage());
        return;
    }
    // New correspondents and case handlers are remembered.
    rememberClient(paths_, entry.kitolKinek, check.numbers.ugyfelszam,
                   state_.settings.KezdoUgyfelszam);
    rememberHandler(paths_, entry.ugyintezo);
    // The lists show the new letter.
    beolvas();
    if (state_.settings.UtolsoSorraUgras != 0)
        jumpToLastRow({1, 0});
    // Ready for the next letter.
    clearEntryFields();
    state_.aktMelleklet.clear();
}

}  // namespace reg
