#include "backup/yearbackup.h"

#include <QFileInfo>

#include "log/note.h"
#include "store/operation.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace backup {

qint64 letterCount(const QString& path) {
    return store::RecordFile(path, store::LevelRekord::Size).count();
}

CopyResult copyLetters(const store::Paths& paths, const QString& kind, int year,
                       const QString& source, const QString& target) {
    CopyResult result;
    result.records = letterCount(source);
    if (result.records == 0)
        return result;
    // Through xxx.dat, the year folder's work file for letter records. A source that turns
    // out shorter fails the copy: never a short backup.
    store::Operation operation(paths, kind);
    eventlog::Change change;
    change.year = year;
    change.file = QFileInfo(target).fileName();
    change.text = u"%1 levél"_s.arg(result.records);
    operation.setNote(eventlog::note(change));
    operation.replaceByCopy(target, {{source, 0, result.records * store::LevelRekord::Size}},
                            store::files::VelmarTemp.toString());
    const store::OperationResult written = operation.commit();
    if (!written.ok)
        result.write = {store::FileError::Failed, written.text()};
    return result;
}

QString letterFile(const store::Paths& paths, int year) {
    return paths.yearFile(year, store::files::Velmar);
}

QString backupFile(const store::Paths& paths, int year) {
    return paths.yearFile(year, store::files::Mentes);
}

CopyResult backupYear(const store::Paths& paths, int year) {
    return copyLetters(paths, eventlog::kinds::YearBackup.toString(), year, letterFile(paths, year),
                       backupFile(paths, year));
}

CopyResult restoreYear(const store::Paths& paths, int year) {
    return copyLetters(paths, eventlog::kinds::YearRestore.toString(), year,
                       backupFile(paths, year), letterFile(paths, year));
}

}  // namespace backup
