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

QString Velmar::letterFileOfLists() const {
    return listYear_ ? paths_.yearFile(*listYear_, store::files::Velmar)
                     : paths_.yearFile(pickerYear(), store::files::Velmar);
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
    fillLists(allLetters(std::move(records), pickerValue() < nowValue()), std::nullopt);
    sortAndSelectAfterFill();
}

void Velmar::fillLists(LetterRows rows, std::optional<QString> listYear) {
    listYear_ = std::move(listYear);
    auto shared = std::make_shared<const LetterRows>(std::move(rows));
    for (LetterList list : {LetterList::All, LetterList::Incoming, LetterList::Outgoing}) {
        const std::vector<int>& indexes = shared->rows(list);
        letterModel(list)->setRows(int(indexes.size()), [shared, list](int row, int column) {
            return letterCell(*shared, list, shared->rows(list)[size_t(row)], column);
        });
    }
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
    ui::ListModel* model = letterModel(list);
    directionChoiceActive_ = false;
    state_.kijeloltLevel = int(store::numericValue(model->text(row, recColumn(list))));
    deleteButton_->setEnabled(true);
    modifyButton_->setEnabled(true);

    store::LevelRekord letter;
    {
        store::RecordFile file(letterFileOfLists(), store::LevelRekord::Size);
        if (file.error() == store::FileError::PathNotFound) {
            platform_.dialogs.message(this, invalidYearMessage());
            directionChoiceActive_ = true;
            return;
        }
        if (!file.isOpen()) {
            directionChoiceActive_ = true;
            return;
        }
        letter = file.read<store::LevelRekord>(state_.kijeloltLevel);
    }

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
    state_.aktMelleklet = store::trimmed(letter.Melleklet);

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
    // The row was selected by the click before, so KijeloltLevel names its letter.
    const QString year = listYear_ ? *listYear_ : QString::number(pickerYear());
    const auto document =
        store::readAllRecords<store::IratRekord>(paths_.yearFile(year, store::files::KiIrat));
    store::IratRekord irat;
    if (state_.kijeloltLevel >= 1 && size_t(state_.kijeloltLevel) <= document.size()) {
        irat = document[size_t(state_.kijeloltLevel - 1)];
    }
    state_.aktIratNev = store::trimmed(irat.IratNev);
    state_.aktIratUtvonal = store::trimmed(irat.IratUtvonal);
    if (!state_.aktIratNev.isEmpty())
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
    state_.munkaEv = pickerYear();
}

void Velmar::onCaptionDoubleClicked() {
    // The maintenance boxes set the year's counters. A box that holds no number leaves its
    // counter as it is, rather than restarting the year's numbering at 1.
    auto counter = [](const QLineEdit* box, qint16 current) -> qint16 {
        const std::optional<double> value = store::leadingNumber(box->text());
        return value ? store::toInt16(*value).value_or(current) : current;
    };
    store::RecordFile file(paths_.yearFile(pickerYear(), store::files::Num),
                           store::NumRekord::Size);
    if (!file.isOpen())
        return;
    store::NumRekord num = file.read<store::NumRekord>(1);
    num.BeNum = counter(incomingCounterEdit_, num.BeNum);
    num.KiNum = counter(outgoingCounterEdit_, num.KiNum);
    file.write(1, num);
}

}  // namespace reg
