// Restoring a whole-register snapshot into the register folder.

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include "backup/snapshot.h"
#include "backup/snapshotfiles.h"
#include "log/note.h"
#include "store/operation.h"

using namespace Qt::StringLiterals;

namespace backup {
namespace {

using namespace snapshotfiles;

// What the register gained since the snapshot: its files and then its emptied folders go.
// A file that cannot be removed stays; it belongs to no letter of the snapshot.
void removeGained(const QString& registerFolder, const std::vector<Checksum>& sums,
                  const QStringList& snapshotFolders) {
    const Tree now = registerTree(registerFolder);
    QSet<QString> files;
    for (const Checksum& sum : sums)
        files.insert(sum.path);
    for (const QString& file : now.files) {
        if (!files.contains(file) && file != kSidecar)
            QFile::remove(registerFolder + u'/' + file);
    }
    const QSet<QString> folders(snapshotFolders.begin(), snapshotFolders.end());
    // Deepest first, so that a folder is empty once its sub-folders are gone.
    for (auto it = now.folders.crbegin(); it != now.folders.crend(); ++it) {
        if (!folders.contains(*it))
            QDir(registerFolder).rmdir(*it);
    }
}

}  // namespace

SnapshotResult restoreSnapshot(const store::Paths& paths, const QString& snapshot,
                               const Progress& progress) {
    SnapshotResult result;
    const QString registerFolder = paths.programFolder();
    auto failed = [&result](const QString& text) {
        result.errorText = text;
        return result;
    };
    if (insideFolder(snapshot, registerFolder))
        return failed(snapshot + u": a mentés a nyilvántartás mappájában van"_s);
    QFile list(snapshot + u'/' + kChecksums);
    if (!list.open(QIODevice::ReadOnly))
        return failed(list.fileName() + u": "_s + list.errorString());
    const std::optional<std::vector<Checksum>> sums = parseChecksums(list.readAll());
    if (!sums)
        return failed(list.fileName() + u": az ellenőrzőösszegek listája hibás"_s);

    qint64 bytes = 0;
    for (const Checksum& sum : *sums)
        bytes += QFileInfo(snapshot + u'/' + sum.path).size();
    Work work(progress, bytes);
    // Every file read and checked before anything of the register changes.
    store::Operation operation(paths, eventlog::kinds::WholeRestore.toString());
    eventlog::Change change;
    change.text = QFileInfo(snapshot).fileName();
    operation.setNote(eventlog::note(change));
    bool withDatabase = false;
    for (const Checksum& sum : *sums) {
        const bool database = sum.path == kSidecar;
        QByteArray content;
        QByteArray sha256;
        if (!readChecksum(snapshot + u'/' + sum.path, work, &sha256,
                          database ? nullptr : &content)) {
            result.outcome = work.cancelled() ? Outcome::Cancelled : Outcome::Failed;
            return failed(work.error());
        }
        if (sha256 != sum.sha256)
            return failed(snapshot + u'/' + sum.path + u": a mentés sérült"_s);
        withDatabase = withDatabase || database;
        if (!database)
            operation.replace(registerFolder + u'/' + sum.path, std::move(content));
    }

    const QStringList folders = registerTree(snapshot).folders;
    for (const QString& folder : folders) {
        if (!QDir().mkpath(registerFolder + u'/' + folder))
            return failed(registerFolder + u'/' + folder + u": a mappa nem hozható létre"_s);
    }
    // The database first, so that the operation's log entry lands in the restored one. Its
    // previous content is kept aside until the files have taken their new content.
    const QString database = registerFolder + u'/' + kSidecar;
    QTemporaryDir aside;
    const bool keptAside = withDatabase && QFileInfo::exists(database);
    Work quiet({}, 0);
    if (keptAside && (!aside.isValid() || !copyDatabase(database, aside.filePath(u"db"_s), quiet)))
        return failed(quiet.error().isEmpty() ? aside.errorString() : quiet.error());
    if (withDatabase && !copyDatabase(snapshot + u'/' + kSidecar, database, quiet))
        return failed(quiet.error());

    const store::OperationResult committed = operation.commit();
    if (!committed.ok) {
        if (keptAside)
            copyDatabase(aside.filePath(u"db"_s), database, quiet);
        return failed(committed.failedFile + u": "_s + committed.errorText);
    }
    removeGained(registerFolder, *sums, folders);
    result.outcome = Outcome::Done;
    result.path = snapshot;
    return result;
}

}  // namespace backup
