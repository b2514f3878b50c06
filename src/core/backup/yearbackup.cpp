#include "backup/yearbackup.h"

#include <QFileInfo>

#include "store/records.h"

namespace backup {
namespace {

// The year's work file for whole-file rewrites of letter records, in the target's folder.
QString tempBeside(const QString& target) {
    return QFileInfo(target).absolutePath() + u'/' + store::files::VelmarTemp;
}

}  // namespace

qint64 letterCount(const QString& path) {
    return store::RecordFile(path, store::LevelRekord::Size).count();
}

CopyResult copyLetters(const QString& source, const QString& target, const QString& tempPath) {
    CopyResult result;
    QByteArray letters;
    {
        const store::RecordFile file(source, store::LevelRekord::Size);
        result.records = file.count();
        letters = file.readAllBytes();
        if (letters.size() != result.records * store::LevelRekord::Size) {
            // A read that broke off would make a short copy: write nothing instead.
            result.write = {store::FileError::Failed, file.errorText()};
            return result;
        }
    }
    if (result.records == 0)
        return result;
    result.write = store::replaceFile(target, letters, tempPath);
    return result;
}

QString letterFile(const store::Paths& paths, int year) {
    return paths.yearFile(year, store::files::Velmar);
}

QString backupFile(const store::Paths& paths, int year) {
    return paths.yearFile(year, store::files::Mentes);
}

CopyResult backupYear(const store::Paths& paths, int year) {
    const QString target = backupFile(paths, year);
    return copyLetters(letterFile(paths, year), target, tempBeside(target));
}

CopyResult restoreYear(const store::Paths& paths, int year) {
    const QString target = letterFile(paths, year);
    return copyLetters(backupFile(paths, year), target, tempBeside(target));
}

}  // namespace backup
