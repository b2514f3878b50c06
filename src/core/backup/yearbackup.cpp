#include "backup/yearbackup.h"

#include "store/operation.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace backup {

qint64 letterCount(const QString& path) {
    return store::RecordFile(path, store::LevelRekord::Size).count();
}

CopyResult copyLetters(const store::Paths& paths, const QString& kind, const QString& source,
                       const QString& target) {
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
    // Through xxx.dat, the year folder's work file for letter records.
    store::Operation operation(paths, kind);
    operation.replace(target, std::move(letters), store::files::VelmarTemp.toString());
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
    return copyLetters(paths, u"backup"_s, letterFile(paths, year), backupFile(paths, year));
}

CopyResult restoreYear(const store::Paths& paths, int year) {
    return copyLetters(paths, u"restore"_s, backupFile(paths, year), letterFile(paths, year));
}

}  // namespace backup
