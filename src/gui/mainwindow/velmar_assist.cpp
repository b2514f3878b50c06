// The help of the entry fields: Enter walks towards "&Rögzítés", the pick lists follow the
// typed correspondent and case handler, the subject is held to 100 characters, the serial box
// takes only a number, the client number is checked and proposed, F2 sets the next client
// number, and Enter in "Keresendő dátum:" switches the window to the typed year.

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "register/assist.h"
#include "register/clients.h"
#include "register/counters.h"
#include "search/search.h"
#include "store/numbers.h"
#include "store/oledate.h"
#include "store/recordfile.h"
#include "ui/fieldevents.h"
#include "ui/listmodel.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

// The picker takes dates from 1601 to 9999.
constexpr int kFirstPickerYear = 1601;
constexpr int kLastPickerYear = 9999;

QByteArray allRecordBytes(const QString& path, int recordLength) {
    const store::RecordFile file(path, recordLength);
    return file.readAllBytes();
}

}  // namespace

void Velmar::connectAssistance() {
    // Enter walks the fields towards the recording button.
    auto enterMovesTo = [this](QLineEdit* from, QWidget* to) {
        connect(from, &QLineEdit::returnPressed, this,
                [to] { to->setFocus(Qt::OtherFocusReason); });
    };
    enterMovesTo(yearPartEdit_, correspondentEdit_);
    enterMovesTo(correspondentEdit_, clientNumberEdit_);
    enterMovesTo(clientNumberEdit_, subjectEdit_);
    enterMovesTo(handlerEdit_, recordButton_);
    // The subject is one line of the register: Enter moves on and adds no line break.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        ui::onKeyPress(subjectEdit_, key, [this] { handlerEdit_->setFocus(Qt::OtherFocusReason); });
    }

    ui::onFocusIn(yearPartEdit_, [this] {
        yearPartEdit_->deselect();
        yearPartEdit_->end(false);
    });
    ui::onFocusIn(handlerEdit_, [this] { handlerEdit_->selectAll(); });

    connect(correspondentEdit_, &QLineEdit::textChanged, this, &Velmar::lookUpClients);
    connect(handlerEdit_, &QLineEdit::textChanged, this, &Velmar::lookUpHandlers);
    connect(subjectEdit_, &QPlainTextEdit::textChanged, this, &Velmar::controlSubjectLength);
    connect(serialEdit_, &QLineEdit::textChanged, this, &Velmar::keepSerialNumeric);

    ui::onFocusIn(clientNumberEdit_, [this] { checkAndProposeClientNumber(); });
    ui::onKeyPress(clientNumberEdit_, Qt::Key_F2, [this] { setNextClientNumber(); });

    connect(searchDateEdit_, &QLineEdit::returnPressed, this, &Velmar::changeYearFromSearchDate);
}

void Velmar::lookUpClients() {
    auto records = std::make_shared<const QByteArray>(
        allRecordBytes(paths_.programFile(store::files::Ugyfelek), store::UgyfelRekord::Size));
    auto rows = std::make_shared<const std::vector<int>>(
        matchingClients(*records, correspondentEdit_->text()));
    clientModel_->setRows(int(rows->size()), [records, rows](int row, int column) {
        return clientCell(*records, (*rows)[size_t(row)], column);
    });
}

void Velmar::lookUpHandlers() {
    auto records = std::make_shared<const QByteArray>(
        allRecordBytes(paths_.programFile(store::files::Ugyintezo), store::UgyintezoRekord::Size));
    auto rows =
        std::make_shared<const std::vector<int>>(matchingHandlers(*records, handlerEdit_->text()));
    handlerModel_->setRows(int(rows->size()), [records, rows](int row, int column) {
        return handlerCell(*records, (*rows)[size_t(row)], column);
    });
}

void Velmar::controlSubjectLength() {
    QTextDocument* subject = subjectEdit_->document();
    if (subjectEdit_->toPlainText().size() > kSubjectLimit) {
        platform_.dialogs.message(
            this, {u" Hiba !"_s, u"A szöveg hossza max. 100 karakter lehet."_s, ui::Buttons::Ok,
                   ui::Answer::Ok, ui::Icon::None});
        // The text keeps its first 100 characters; removing the rest is a change of its own
        // that updates the counter.
        QTextCursor cut(subject);
        cut.setPosition(kSubjectLimit);
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        return;
    }
    subjectCounterLabel_->setText(subjectCounterText(subjectEdit_->toPlainText().size()));
}

void Velmar::keepSerialNumeric() {
    const QString text = serialEdit_->text();
    const QString kept = numberOnly(text, lastSerialText_);
    lastSerialText_ = kept;
    if (kept == text)
        return;
    serialEdit_->setText(kept);
    serialEdit_->setFocus(Qt::OtherFocusReason);
    serialEdit_->end(false);
}

void Velmar::checkAndProposeClientNumber() {
    // The warning box takes the focus away and gives it back when it closes; that return
    // is no new arrival to check.
    if (checkingClientNumber_)
        return;
    checkingClientNumber_ = true;

    const auto clients =
        store::readAllRecords<store::UgyfelRekord>(paths_.programFile(store::files::Ugyfelek));
    if (clientNumberTaken(clients, clientNumberEdit_->text(), correspondentEdit_->text())) {
        platform_.dialogs.message(this, clientNumberTakenMessage());
        clientNumberEdit_->clear();
    }

    const auto setup =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    if (store::flagOn(setup.AutUgyfelszam)) {
        if (const auto next =
                proposedClientNumber(clientNumberEdit_->text(), setup, readClientCounter(paths_)))
            clientNumberEdit_->setText(QString::number(*next));
    }
    checkingClientNumber_ = false;
}

void Velmar::setNextClientNumber() {
    if (readOnly_) {
        platform_.dialogs.beep();  // the counter cannot be stored
        return;
    }
    const std::optional<QString> answer =
        platform_.dialogs.input(this, u"Új következő sorszám megadása !"_s,
                                u"Kérem adja meg az új következő sorszámot."_s, QString());
    if (!answer || answer->trimmed().isEmpty())
        return;
    // A counter from an answer that is no number would restart the client numbers; such an
    // answer is refused and the counter stays.
    const std::optional<qint32> counter = clientCounterFromAnswer(*answer);
    if (!counter) {
        platform_.dialogs.message(this, {u"HIBA"_s, u"A megadott érték nem érvényes ügyfélszám!"_s,
                                         ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
        return;
    }
    if (const store::OperationResult stored = storeClientCounter(paths_, *counter); !stored.ok) {
        platform_.dialogs.message(this, counterFailedMessage(stored.text()));
        return;
    }
    clientNumberEdit_->setText(QString::number(qint64(*counter) + 1));
}

void Velmar::changeYearFromSearchDate() {
    // The first four characters name the year. When they are no number they make no date,
    // and the handling ends without a word. A year the picker cannot show is reported with
    // the search's own message; a year without folder is reported by the search itself.
    const std::optional<qint64> year = store::wholeNumber(searchDateEdit_->text().left(4));
    if (!year)
        return;
    if (*year < kFirstPickerYear || *year > kLastPickerYear) {
        platform_.dialogs.message(this, invalidYearMessage());
        return;
    }
    state_.workingYear = int(*year);
    setPickerValue(store::oleFromDate(QDate(int(*year), 1, 1)));
    runSearch(int(search::Criterion::Datum));
}

}  // namespace reg
