// The three letter lists, the pick lists, the group box, the date picker and the counter
// maintenance of the main window.

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "register/counters.h"
#include "search/search.h"
#include "store/numbers.h"
#include "store/recordfile.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"

using namespace Qt::StringLiterals;

namespace reg {

ui::ListModel* Velmar::letterModel(LetterList list) const {
    switch (list) {
        case LetterList::Incoming:
            return incomingModel_;
        case LetterList::Outgoing:
            return outgoingModel_;
        case LetterList::All:
            break;
    }
    return allModel_;
}

ui::ReportView* Velmar::letterView(LetterList list) const {
    switch (list) {
        case LetterList::Incoming:
            return incomingList_;
        case LetterList::Outgoing:
            return outgoingList_;
        case LetterList::All:
            break;
    }
    return allList_;
}

void Velmar::beolvas() {
    // A missing year folder or file leaves the lists empty, without a message.
    QByteArray records;
    {
        store::RecordFile file(paths_.yearFile(pickerYear(), store::files::Velmar),
                               store::LevelRekord::Size);
        records = file.readAllBytes();
    }
    // The blank serial shows as a space while the picker lies before the present moment.
    fillLists(allLetters(QString::number(pickerYear()), records, pickerValue() < nowValue()));
    sortAndSelectAfterFill();
}

void Velmar::fillLists(LetterRows rows) {
    rows_ = std::make_shared<const LetterRows>(std::move(rows));
    for (LetterList list : {LetterList::All, LetterList::Incoming, LetterList::Outgoing}) {
        const std::vector<int>& indexes = rows_->rows(list);
        letterModel(list)->setRows(int(indexes.size()), [rows = rows_, list](int row, int column) {
            return letterCell(*rows, list, rows->rows(list)[size_t(row)], column);
        });
    }
}

int Velmar::letterIndex(LetterList list, int row) const {
    return rows_->rows(list)[size_t(letterModel(list)->sourceRow(row))];
}

void Velmar::sortAndSelectAfterFill() {
    // Incoming and outgoing lists by serial, then the all-letters list by record number,
    // incoming serial and outgoing serial: incoming letters by number, then outgoing ones.
    const bool ascending = allModel_->sortOrder() == Qt::AscendingOrder;
    if (ascending)
        allList_->setFocus(Qt::OtherFocusReason);
    for (LetterList list : {LetterList::Incoming, LetterList::Outgoing}) {
        letterModel(list)->sortByColumn(kIncomingSerialColumn);
        letterView(list)->selectLastRow();
    }
    allModel_->sortByColumn(kAllRecColumn);
    allModel_->sortByColumn(kIncomingSerialColumn);
    allModel_->sortByColumn(kOutgoingSerialColumn);
    if (ascending) {
        allList_->selectLastRow();
    } else {
        allList_->selectFirstRow();
    }
}

void Velmar::jumpToLastRow(std::initializer_list<int> columns) {
    allList_->setFocus(Qt::OtherFocusReason);
    for (int column : columns)
        allModel_->sortByColumn(column);
    allList_->selectLastRow();
}

void Velmar::clearEntryFields() {
    uncheckDirections();
    correspondentEdit_->clear();
    clientNumberEdit_->clear();
    subjectEdit_->clear();
    yearPartEdit_->clear();
}

void Velmar::onLetterHeaderClicked(LetterList list, int column) {
    letterModel(list)->sortByColumn(column);
}

void Velmar::onLetterRowClicked(LetterList list, int row) {
    // The row names its letter: the file it was read from and its record number there.
    const LetterId id = rows_->id(letterIndex(list, row));
    directionChoiceActive_ = false;
    deleteButton_->setEnabled(true);
    modifyButton_->setEnabled(true);

    QByteArray bytes;
    {
        const store::RecordFile file(paths_.yearFile(id.year, store::files::Velmar),
                                     store::LevelRekord::Size);
        if (file.error() == store::FileError::PathNotFound) {
            platform_.dialogs.message(this, invalidYearMessage());
            directionChoiceActive_ = true;
            return;
        }
        if (!file.isOpen()) {
            directionChoiceActive_ = true;
            return;
        }
        bytes = file.readBytes(id.record);
    }
    // Modification and deletion act on this record while it holds these bytes.
    state_.selection = SelectedLetter{id, bytes};
    const store::LevelRekord letter = store::LevelRekord::fromBytes(bytes);

    directionOptions_[letter.incoming() ? 0 : 1]->setChecked(true);

    setPickerValue(letter.Datum);
    correspondentEdit_->setText(store::trimmed(letter.KitolKinek));
    subjectEdit_->setPlainText(store::trimmed(letter.LevelTargya));
    yearPartEdit_->setText(store::trimmed(letter.Evszam));
    prefixEdit_->setText(store::trimmed(letter.Elotag));
    const bool noSerial = letter.Sorszam == store::kBlankSerial && letter.Datum < nowValue();
    serialEdit_->setText(noSerial ? QString() : QString::number(letter.Sorszam));
    clientNumberEdit_->setText(QString::number(letter.Ugyfelszam));
    handlerEdit_->setText(store::trimmed(letter.Ugyintezo));
    state_.documents.melleklet = store::trimmed(letter.Melleklet);

    const QString code = store::trimmed(letter.CsoportJel);
    for (const auto& group :
         store::readAllRecords<store::CsoportRekord>(paths_.programFile(store::files::Csoportok))) {
        if (store::trimmed(group.Betujel) == code) {
            groupCombo_->setCurrentIndex(groupCombo_->findText(store::trimmed(group.Nev)));
            break;
        }
    }
    groupCodeLabel_->setText(letter.CsoportJel);

    allList_->setFocus(Qt::OtherFocusReason);
    directionChoiceActive_ = true;
}

void Velmar::onLetterDoubleClicked(int /*row*/) {
    // The row was selected by the click before: the selection names its letter.
    if (!state_.selection)
        return;
    const LetterId& id = state_.selection->id;
    const store::RecordFile documents(paths_.yearFile(id.year, store::files::KiIrat),
                                      store::IratRekord::Size);
    const auto irat = documents.read<store::IratRekord>(id.record);
    state_.documents.iratNev = store::trimmed(irat.IratNev);
    state_.documents.iratUtvonal = store::trimmed(irat.IratUtvonal);
    if (!state_.documents.iratNev.isEmpty())
        openDocument();
}

void Velmar::onClientRowClicked(int row) {
    // Both cells are read first: the new name refilters the pick list.
    const QString name = clientModel_->text(row, 0);
    const QString number = clientModel_->text(row, 1);
    correspondentEdit_->setText(name);
    clientNumberEdit_->setText(number);
}

void Velmar::onHandlerRowClicked(int row) {
    handlerEdit_->setText(handlerModel_->text(row, 0));
}

void Velmar::onGroupChosen() {
    for (QRadioButton* option : directionOptions_)
        option->setEnabled(true);
    uncheckDirections();
    yearPartEdit_->clear();
    const QString name = groupCombo_->currentText();
    for (const auto& group :
         store::readAllRecords<store::CsoportRekord>(paths_.programFile(store::files::Csoportok))) {
        if (store::trimmed(group.Nev) == name) {
            groupCodeLabel_->setText(store::trimmed(group.Betujel));
            break;
        }
    }
}

void Velmar::onPickerChanged() {
    state_.workingYear = pickerYear();
}

void Velmar::onCaptionDoubleClicked() {
    // The maintenance boxes set the year's counters. A box that holds no number leaves its
    // counter as it is, rather than restarting the year's numbering at 1.
    auto counter = [](const QLineEdit* box, qint16 current) -> qint16 {
        const std::optional<double> value = store::leadingNumber(box->text());
        return value ? store::toInt16(*value).value_or(current) : current;
    };
    const int year = pickerYear();
    if (!paths_.yearFolderExists(year))
        return;
    store::NumRekord num = readCounters(paths_, QString::number(year));
    num.BeNum = counter(incomingCounterEdit_, num.BeNum);
    num.KiNum = counter(outgoingCounterEdit_, num.KiNum);
    if (const store::OperationResult stored = storeCounters(paths_, year, num); !stored.ok)
        platform_.dialogs.message(this, counterFailedMessage(stored.text()));
}

}  // namespace reg
