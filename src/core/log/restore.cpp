#include "log/restore.h"

#include <QFileInfo>

#include "store/recordfile.h"
#include "store/records.h"

namespace eventlog {

bool restorable(const Entry& entry) {
    return entry.kind == kinds::Deletion && entry.change.year > 0 &&
           entry.change.before.size() == store::LevelRekord::Size;
}

qint64 letterWithNumber(const store::Paths& paths, int year, const QString& number) {
    const auto letters =
        store::readAllRecords<store::LevelRekord>(paths.yearFile(year, store::files::Velmar));
    for (size_t i = 0; i < letters.size(); ++i) {
        if (store::registrationNumber(letters[i]) == number)
            return qint64(i) + 1;
    }
    return 0;
}

RestoreResult restoreDeletedLetter(const store::Paths& paths, const Entry& deletion) {
    const int year = deletion.change.year;
    if (!paths.yearFolderExists(year))
        paths.createYearFolder(year);
    const QString lettersPath = paths.yearFile(year, store::files::Velmar);
    const QString documentsPath = paths.yearFile(year, store::files::KiIrat);

    // The new record goes after the last whole letter; a partial record at the end is
    // written over, as recording does.
    const qint64 letters = QFileInfo(lettersPath).size() / store::LevelRekord::Size;
    const qint64 documents = QFileInfo(documentsPath).size() / store::IratRekord::Size;
    QByteArray document = deletion.change.documentBefore;
    if (document.size() != store::IratRekord::Size)
        document = store::IratRekord{}.toBytes();
    // Document record n belongs to letter n: a shorter KiIrat.dat is filled with blank
    // records up to the new letter.
    QByteArray documentBytes;
    for (qint64 n = documents; n < letters; ++n)
        documentBytes += store::IratRekord{}.toBytes();
    documentBytes += document;

    Change change = letterChange(year, letters + 1, {}, deletion.change.before, {}, document);
    change.source = deletion.operation;
    store::Operation operation(paths, kinds::LetterRestore.toString());
    operation.setNote(note(change));
    operation.writeAt(lettersPath, letters * store::LevelRekord::Size, deletion.change.before);
    operation.writeAt(documentsPath, std::min(documents, letters) * store::IratRekord::Size,
                      documentBytes);
    return {operation.commit(), letters + 1};
}

bool serialAboveCounter(const store::Paths& paths, int year, const QByteArray& letter) {
    const store::LevelView view(letter);
    if (view.Sorszam() == store::kBlankSerial)
        return false;
    const auto counter =
        store::readFirstRecord<store::NumRekord>(paths.yearFile(year, store::files::Num));
    return view.Sorszam() > (view.incoming() ? counter.BeNum : counter.KiNum);
}

}  // namespace eventlog
