// Whole-register snapshots from the "Mentés" menu: made on another disk, restored, their
// folder chosen, and offered at exit when the last one is more than a week old. The folder
// and the moment of the last snapshot are the user's own choices, kept in QSettings.

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>

#include "backup/snapshot.h"
#include "mainwindow/velmar.h"
#include "snapshots/snapshotchoice.h"
#include "store/hungarian.h"
#include "store/recordfile.h"
#include "ui/listmodel.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

const QString kFolderKey = u"TeljesMentes/Hely"_s;
const QString kLastKey = u"TeljesMentes/Utolso"_s;

// The user's settings, whatever the application's names are.
std::unique_ptr<QSettings> userSettings() {
    return std::make_unique<QSettings>(u"velmarok"_s, u"velmarok"_s);
}

ui::Message told(const QString& title, const QString& text) {
    return {title, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information};
}
ui::Message warning(const QString& text) {
    return {u"FIGYELEM!"_s, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
}
ui::Message failure(const QString& text) {
    return {u"HIBA"_s, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
}

QString momentText(const QDateTime& moment) {
    return store::shortDate(moment.date()) + u' ' + moment.time().toString(u"HH:mm"_s);
}

}  // namespace

void Velmar::connectSnapshots() {
    connect(wholeBackupAction_, &QAction::triggered, this, &Velmar::onWholeBackup);
    connect(wholeRestoreAction_, &QAction::triggered, this, &Velmar::onWholeRestore);
    connect(snapshotFolderAction_, &QAction::triggered, this,
            [this] { chooseSnapshotFolder(userSettings()->value(kFolderKey).toString()); });
}

QString Velmar::snapshotFolder() {
    const QString stored = userSettings()->value(kFolderKey).toString();
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return stored;
    if (!stored.isEmpty()) {
        platform_.dialogs.message(this,
                                  warning(u"A teljes mentés helye nem érhető el:\r\n"_s + stored +
                                          u"\r\nCsatlakoztasd a mentés lemezét, vagy "
                                          u"válassz másik helyet!\r\n"_s));
    }
    return chooseSnapshotFolder(stored);
}

QString Velmar::chooseSnapshotFolder(const QString& start) {
    const QString chosen = platform_.dialogs.chooseFolder(
        this, u"A teljes mentés helye"_s, start.isEmpty() ? QDir::homePath() : start);
    if (chosen.isEmpty())
        return {};
    // Snapshots inside the register would be copied into every later snapshot.
    if (backup::insideFolder(chosen, paths_.programFolder())) {
        platform_.dialogs.message(this, failure(u"A teljes mentés nem kerülhet a nyilvántartás "
                                                u"mappájába:\r\n"_s +
                                                chosen +
                                                u"\r\nVálassz egy másik lemezt vagy hálózati "
                                                u"mappát!\r\n"_s));
        return {};
    }
    userSettings()->setValue(kFolderKey, chosen);
    return chosen;
}

QString Velmar::runSnapshot(const QString& folder, const QString& title) {
    const QDateTime now = platform_.clock.now();
    backup::SnapshotResult made;
    {
        const std::unique_ptr<ui::Progress> progress = platform_.dialogs.progress(
            this, title, u"A nyilvántartás másolása ide:\r\n"_s + folder);
        made = backup::makeSnapshot(
            paths_.programFolder(), folder, now,
            [&](qint64 done, qint64 total) { return progress->advance(done, total); });
    }
    if (made.outcome == backup::Outcome::Failed) {
        platform_.dialogs.message(this,
                                  failure(u"A teljes mentés nem sikerült!\r\n"_s + made.errorText +
                                          u"\r\nFélkész mentés nem maradt vissza.\r\n"_s));
    }
    if (!made.done())
        return {};
    userSettings()->setValue(kLastKey, now.toString(Qt::ISODate));
    return made.path;
}

void Velmar::onWholeBackup() {
    const QString folder = snapshotFolder();
    if (folder.isEmpty())
        return;
    const QString made = runSnapshot(folder, u"Teljes mentés"_s);
    if (made.isEmpty())
        return;
    backup::rotateSnapshots(folder, backup::kSnapshotsKept, made);
    platform_.dialogs.message(
        this, told(u"Teljes mentés"_s, u"A teljes mentés elkészült:\r\n"_s + made + u"\r\n"_s));
}

void Velmar::onWholeRestore() {
    const QString folder = snapshotFolder();
    if (folder.isEmpty())
        return;
    const QList<backup::SnapshotInfo> found = backup::findSnapshots(folder);
    if (found.isEmpty()) {
        platform_.dialogs.message(
            this, warning(u"Ebben a mappában nincs teljes mentés:\r\n"_s + folder + u"\r\n"_s));
        return;
    }
    snapshots::SnapshotChoice window(found, folder, this);
    platform_.dialogs.showModal(window);
    const std::optional<backup::SnapshotInfo> chosen = window.chosen();
    if (!chosen)
        return;
    const QString made = momentText(chosen->moment);
    const ui::Answer answer = platform_.dialogs.message(
        this, {u"Teljes visszaállítás"_s,
               u"Biztos hogy a nyilvántartás a "_s + made +
                   u" mentés állapotára álljon vissza?\r\n"
                   u"A mentés óta rögzített változások elvesznek.\r\n"
                   u"A jelenlegi állapotról előbb teljes mentés készül ide:\r\n"_s +
                   folder + u"\r\n"_s,
               ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Question});
    if (answer != ui::Answer::Yes)
        return;

    // The register as it is now, so that the restore can be undone.
    const QString kept = runSnapshot(folder, u"Teljes visszaállítás"_s);
    if (kept.isEmpty())
        return;
    backup::SnapshotResult restored;
    {
        const std::unique_ptr<ui::Progress> progress = platform_.dialogs.progress(
            this, u"Teljes visszaállítás"_s, u"A mentés visszaállítása:\r\n"_s + chosen->path);
        restored = backup::restoreSnapshot(paths_, chosen->path, [&](qint64 done, qint64 total) {
            return progress->advance(done, total);
        });
    }
    if (restored.outcome == backup::Outcome::Cancelled)
        return;
    if (!restored.done()) {
        platform_.dialogs.message(
            this, failure(u"A teljes visszaállítás nem sikerült!\r\n"_s + restored.errorText +
                          u"\r\nA visszaállítás előtti állapot mentése:"
                          u"\r\n"_s +
                          kept + u"\r\n"_s));
        return;
    }
    reloadRegister();
    platform_.dialogs.message(
        this, told(u"Teljes visszaállítás"_s,
                   u"A nyilvántartás a "_s + made +
                       u" mentés állapotára állt vissza.\r\nA visszaállítás előtti állapot "
                       u"mentése:\r\n"_s +
                       kept + u"\r\n"_s));
}

void Velmar::reloadRegister() {
    applyStoredSettings();
    beolvas();
    activate();
    // As after the year's restore: an entry area ready for a new letter.
    clearEntryFields();
    modifyButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
}

void Velmar::offerWholeBackupAtExit() {
    const QDateTime last =
        QDateTime::fromString(userSettings()->value(kLastKey).toString(), Qt::ISODate);
    if (!backup::snapshotDue(last.isValid() ? std::optional(last) : std::nullopt,
                             platform_.clock.now())) {
        return;
    }
    const QString when = last.isValid()
                             ? u"Az utolsó teljes mentés: "_s + momentText(last) + u"\r\n"_s
                             : u"Teljes mentés még nem készült.\r\n"_s;
    const ui::Answer answer = platform_.dialogs.message(
        this,
        {u"Teljes mentés"_s, u"Biztos hogy kilépés előtt elkészüljön a teljes mentés?\r\n"_s + when,
         ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question});
    if (answer == ui::Answer::Yes)
        onWholeBackup();
}

}  // namespace reg
