// The tab "Ügyfelek kezelése" of the settings window: the client list, adding, changing and
// removing clients.

#include <QLineEdit>
#include <QPushButton>

#include "register/counters.h"
#include "settings/clientlist.h"
#include "settings/frmsetup.h"
#include "store/hungarian.h"
#include "store/numbers.h"
#include "store/recordfile.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"

using namespace Qt::StringLiterals;

namespace settings {

void frmSetup::ugyfBeolvas() {
    clientModel_->setTexts(clientRows(
        store::readAllRecords<store::UgyfelRekord>(paths_.programFile(store::files::Ugyfelek))));
    // Once a header was clicked the list stays sorted by that column.
    if (clientListSorted_)
        clientModel_->sortByColumn(clientModel_->sortColumn());
}

void frmSetup::onClientHeaderClicked(int column) {
    clientListSorted_ = true;
    clientModel_->sortByColumn(column);
}

void frmSetup::onClientRowClicked(int row) {
    txtKitolKinek_->setText(clientModel_->text(row, 0));
    txtUgyfelszam_->setText(clientModel_->text(row, 1));
    kijeloltRekord_ = int(store::numericValue(clientModel_->text(row, 2)));
    cmdModosit_->setEnabled(true);
    cmdDel_->setEnabled(true);
}

bool frmSetup::clientNameGiven() {
    if (!txtKitolKinek_->text().trimmed().isEmpty())
        return true;
    message(u"HIBA"_s, u"Nincs megadva ügyfél név!"_s, ui::Icon::Critical);
    txtKitolKinek_->setFocus(Qt::OtherFocusReason);
    return false;
}

std::optional<qint32> frmSetup::clientNumberFromBox() {
    // An empty box (or one that holds no number) gets the counter's next number.
    txtUgyfelszam_->setText(offeredNumber(txtUgyfelszam_->text(), reg::readClientCounter(paths_)));
    const std::optional<qint32> number = clientNumber(txtUgyfelszam_->text());
    if (!number) {
        message(u"HIBA"_s,
                u"Az ügyfélszám nem érvényes egész szám!\r\nAdjon meg új ügyfélszámot."_s,
                ui::Icon::Critical);
        txtUgyfelszam_->setFocus(Qt::OtherFocusReason);
    }
    return number;
}

std::optional<qint32> frmSetup::confirmedClientNumber(const QString& title,
                                                      const QString& question) {
    if (!clientNameGiven())
        return std::nullopt;
    const ui::Answer answer = platform_.dialogs.message(
        this, {title, question, ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question});
    if (answer != ui::Answer::Yes)
        return std::nullopt;
    return clientNumberFromBox();
}

void frmSetup::onClientAdd() {
    const std::optional<qint32> number = confirmedClientNumber(
        u" Rögzítés az adatállományban !"_s, u"Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"_s);
    if (!number)
        return;

    switch (addClient(paths_, txtKitolKinek_->text(), *number)) {
        case AddResult::Added:
            break;
        case AddResult::Duplicate:
            message(u"FIGYELEM!"_s,
                    u"A megadott ügyfélszám már szerepel az adatbázisban!\r\n"
                    u"Adjon meg új ügyfélszámot."_s,
                    ui::Icon::Exclamation);
            txtUgyfelszam_->clear();
            txtUgyfelszam_->setFocus(Qt::OtherFocusReason);
            return;
        case AddResult::CounterFull:
            message(u"HIBA"_s,
                    u"Az ügyfélszámláló elérte a legnagyobb értéket!\r\n"
                    u"Az ügyfél nem lett felvéve."_s,
                    ui::Icon::Critical);
            return;
        case AddResult::WriteFailed:
            message(u"HIBA"_s,
                    u"Az ügyfél felvétele nem sikerült.\r\nAz Ugyfelek.dat nem írható."_s,
                    ui::Icon::Critical);
            break;
    }
    // The two boxes keep their contents.
    ugyfBeolvas();
}

void frmSetup::onClientChange() {
    // A client number that is no whole number leaves the client and the button as they were.
    const std::optional<qint32> number = confirmedClientNumber(
        u" Módosítás az adatállományban !"_s, u"Biztos JÓK az adatok ?\n\rMehet a módosítás ?"_s);
    if (!number)
        return;
    cmdModosit_->setEnabled(false);
    // The name is stored as typed; two clients may end up with the same number.
    if (!changeClient(paths_, kijeloltRekord_, txtKitolKinek_->text(), *number)) {
        message(u"HIBA"_s, u"Az ügyfél módosítása nem sikerült.\r\nAz Ugyfelek.dat nem írható."_s,
                ui::Icon::Critical);
    }
    ugyfBeolvas();
}

void frmSetup::onClientDelete() {
    const QString name = store::upper(txtKitolKinek_->text().trimmed());
    const ui::Answer answer = platform_.dialogs.message(
        this, {u" Törlés az adatállományban !"_s,
               u"Biztos TÖRÖLHETŐ?\n\r"_s + name + u"\n\rügyfél a listából?"_s, ui::Buttons::YesNo,
               ui::Answer::Yes, ui::Icon::Question});
    if (answer != ui::Answer::Yes)
        return;
    cmdDel_->setEnabled(false);
    cmdModosit_->setEnabled(false);
    const store::ReplaceResult result = removeClient(paths_, kijeloltRekord_);
    if (!result.ok()) {
        message(u"HIBA"_s, u"Az ügyfél törlése nem sikerült.\r\n"_s + result.errorText,
                ui::Icon::Critical);
    }
    ugyfBeolvas();
}

}  // namespace settings
