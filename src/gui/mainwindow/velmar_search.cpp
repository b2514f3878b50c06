// The eight search buttons of the "Keresés" frame: they gather the search values from the
// entry fields, let the search pick the letters of the year and fill the three letter lists.

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mainwindow/messages.h"
#include "mainwindow/velmar.h"
#include "search/search.h"
#include "store/recordfile.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"

namespace reg {

void Velmar::connectSearch() {
    for (int i = 0; i < search::kCriterionCount; ++i) {
        searchButtons_[i]->setEnabled(true);
        connect(searchButtons_[i], &QPushButton::clicked, this, [this, i] { runSearch(i); });
    }
}

void Velmar::runSearch(int index) {
    const auto criterion = static_cast<search::Criterion>(index);
    const store::SetupRekord setup =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));

    search::SearchInputs inputs;
    inputs.datum = search::dateNeedle(searchDateEdit_->text(), datePicker_->date());
    inputs.sorszam = serialEdit_->text();
    inputs.evszam = yearPartEdit_->text();
    inputs.kitolKinek = correspondentEdit_->text();
    inputs.ugyfelszam = clientNumberEdit_->text();
    inputs.levelTargya = subjectEdit_->toPlainText();
    inputs.csoportJel = groupCodeLabel_->text();
    inputs.ugyintezo = handlerEdit_->text();
    // Letters without a serial of their own are left out while the picker lies before now.
    const bool pickerInThePast = pickerValue() < nowValue();
    const search::Search search(criterion, inputs, pickerInThePast);

    LetterRows rows;
    rows.style = CellStyle::Search;
    rows.blankAsSpace = pickerInThePast;
    if (allYearsCheck_->isChecked()) {
        // Every year folder of the register, the newest last.
        for (const QString& year : search::yearFolders(paths_.programFolder())) {
            const store::RecordFile file(paths_.yearFile(year, store::files::Velmar),
                                         store::LevelRekord::Size);
            const QByteArray records = file.readAllBytes();
            rows.addLetters(year, records, search.matchingRecords(records));
        }
    } else {
        // The year: the first four characters of the search date when it is filled,
        // otherwise the picker's year. A year without folder (or a text that names none) is
        // reported and the lists keep what they show. A letter file missing from an existing
        // folder is created empty and the search finds nothing.
        const QString year =
            search::searchYear(searchDateEdit_->text()).value_or(QString::number(pickerYear()));
        if (!search::isYearFolderName(year)) {
            platform_.dialogs.message(this, invalidYearMessage());
            return;
        }
        const store::RecordFile file(paths_.yearFile(year, store::files::Velmar),
                                     store::LevelRekord::Size);
        if (file.error() == store::FileError::PathNotFound) {
            platform_.dialogs.message(this, invalidYearMessage());
            return;
        }
        if (!file.isOpen())
            return;
        const QByteArray records = file.readAllBytes();
        // Each row keeps the year its letter was read from: selecting, printing and
        // exporting it reach that letter whatever the picker shows.
        rows.addLetters(year, records, search.matchingRecords(records));
    }
    fillLists(std::move(rows));

    if (store::flagOn(setup.UtolsoSorraUgras))
        finishSearch(criterion == search::Criterion::Ugyfelszam);
}

void Velmar::finishSearch(bool byClientNumber) {
    if (byClientNumber) {
        // By date, then by incoming serial; the single-direction lists stay in file order.
        jumpToLastRow({kDateColumn, kIncomingSerialColumn});
        return;
    }
    for (LetterList list : {LetterList::Incoming, LetterList::Outgoing}) {
        letterView(list)->setFocus(Qt::OtherFocusReason);
        letterModel(list)->sortByColumn(kIncomingSerialColumn);
        letterView(list)->selectLastRow();
    }
    jumpToLastRow({kAllRecColumn, kIncomingSerialColumn, kOutgoingSerialColumn});
}

}  // namespace reg
