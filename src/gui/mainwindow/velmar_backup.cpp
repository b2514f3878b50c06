// The year's backup from the "Mentés" menu, its restore, and the exit that backs up.

#include <QPushButton>

#include "backup/yearbackup.h"
#include "mainwindow/velmar.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

QString yearPhrase(int year) {
    return u"A Dátum mezőben lévő "_s + QString::number(year) + u". évben "_s;
}

ui::Message notice(const QString& title, const QString& text) {
    return {title, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
}

ui::Message question(const QString& title, const QString& text) {
    return {title, text, ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
}

// A copy that could not be written leaves its target as it was; the user is told so.
ui::Message backupFailed(int year, const QString& target) {
    return {u"! HIBA !"_s,
            yearPhrase(year) + u"\r\naz adatok mentése nem sikerült!\r\n"_s + target +
                u"\r\nA korábbi mentés változatlan maradt.\r\n"_s,
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
}

}  // namespace

void Velmar::connectBackupAndOutput() {
    connect(backupNowAction_, &QAction::triggered, this, &Velmar::onBackupNow);
    connect(restoreAction_, &QAction::triggered, this, &Velmar::onRestore);
    connect(exitAction_, &QAction::triggered, this, &Velmar::onExit);
    connect(exportAction_, &QAction::triggered, this, &Velmar::onExport);
    connect(spreadsheetAction_, &QAction::triggered, this, &Velmar::onSpreadsheet);
    connect(printAllAction_, &QAction::triggered, this, [this] { printList(LetterList::All); });
    connect(printIncomingAction_, &QAction::triggered, this,
            [this] { printList(LetterList::Incoming); });
    connect(printOutgoingAction_, &QAction::triggered, this,
            [this] { printList(LetterList::Outgoing); });
    for (QAction* a :
         {exitAction_, backupNowAction_, restoreAction_, exportAction_, spreadsheetAction_,
          printAllAction_, printIncomingAction_, printOutgoingAction_}) {
        a->setEnabled(true);
    }
}

void Velmar::onBackupNow() {
    const int year = pickerYear();
    const backup::CopyResult copy = backup::backupYear(paths_, year);
    if (copy.records == 0) {
        platform_.dialogs.message(
            this,
            notice(u"! HIBA !"_s, yearPhrase(year) + u"nincsen adat!\r\nEllenőrízd...\r\n"_s));
        return;
    }
    if (!copy.ok()) {
        platform_.dialogs.message(this, backupFailed(year, backup::backupFile(paths_, year)));
        return;
    }
    platform_.dialogs.message(
        this,
        notice(u"! Mentés !"_s, yearPhrase(year) +
                                    u"\r\naz adatok mentése megtörtént.\r\n"
                                    u"A mentett adatállomány "_s +
                                    QString::number(copy.records) + u" adatsort tartalmaz.\r\n"_s));
}

void Velmar::onRestore() {
    const int year = pickerYear();
    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    const bool jumpToLast = store::flagOn(state_.settings.UtolsoSorraUgras);

    const qint64 backed = backup::letterCount(backup::backupFile(paths_, year));
    if (backed == 0) {
        platform_.dialogs.message(
            this,
            notice(u"! HIBA !"_s, yearPhrase(year) + u"nincsen mentés!\r\nEllenőrízd...\r\n"_s));
        return;
    }
    const ui::Answer answer =
        platform_.dialogs.message(this, question(u" FIGYELEM! "_s,
                                                 u"A mentett adatok FELÜLÍRJÁK a \r\n"
                                                 u"jelenlegi adatokat!\r\n"
                                                 u"A mentett adatállomány "_s +
                                                     QString::number(backed) +
                                                     u" adatsort tartalmaz.\r\n"
                                                     u"Mehet tovább a betöltés?"_s));
    if (answer != ui::Answer::Yes)
        return;

    const backup::CopyResult copy = backup::restoreYear(paths_, year);
    if (!copy.ok()) {
        // The letter file is replaced in one step or not at all: it is still whole.
        platform_.dialogs.message(
            this,
            {u"! HIBA !"_s,
             u"A mentett adatok betöltése nem sikerült!\r\n"_s + backup::letterFile(paths_, year) +
                 u"\r\nA jelenlegi adatok változatlanok maradtak.\r\n"_s,
             ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
        return;
    }

    beolvas();
    // With "Rögzítés után utolsó sorra ugrás" on, the all-letters list is sorted by "Cs",
    // then by "Dátum", and its last row selected.
    if (jumpToLast)
        jumpToLastRow({1, kDateColumn});
    clearEntryFields();
    modifyButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
}

void Velmar::onExit() {
    const ui::Answer answer = platform_.dialogs.message(
        this, question(u" Kilépés "_s, u"Biztos hogy Befejezed?\r\n\r\n"_s));
    if (answer != ui::Answer::Yes)
        return;
    if (readOnly_) {
        close();  // a register that may only be read gets no backup
        return;
    }
    // The backup is silent; an empty year keeps its old backup. Only a copy that could not
    // be written is worth a word before the program ends.
    const int year = pickerYear();
    const backup::CopyResult copy = backup::backupYear(paths_, year);
    if (copy.records > 0 && !copy.ok())
        platform_.dialogs.message(this, backupFailed(year, backup::backupFile(paths_, year)));
    // With the year's backup fresh, a whole backup to another disk when one is due.
    offerWholeBackupAtExit();
    close();
}

}  // namespace reg
