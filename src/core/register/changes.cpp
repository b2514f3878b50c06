#include "register/changes.h"

#include <QFile>

#include "register/numbering.h"
#include "store/hungarian.h"
#include "store/numbers.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

// The temporary copy of KiIrat.dat while a deletion rewrites it.
constexpr QStringView kKiIratTemp = u"xxk.dat";

}  // namespace

QString modificationPrompt() {
    return u"Kimenő vagy Bejövő levél?\r\n1 - Kimenő\r\n2 - Bejövő"_s;
}

QString modificationDefault(std::optional<bool> incoming) {
    if (!incoming)
        return {};
    return *incoming ? u"2"_s : u"1"_s;
}

std::optional<bool> answeredDirection(const std::optional<QString>& answer) {
    if (!answer || !store::isNumber(*answer))
        return std::nullopt;
    QString text = answer->trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 1 || value > 2)
        return std::nullopt;
    return value == 2;
}

ChangeResult modifyLetter(const store::Paths& paths, int year, qint64 recordNumber,
                          const LetterEntry& entry, const EntryNumbers& numbers,
                          const LetterDocuments& documents) {
    store::RecordFile letters(paths.yearFile(year, store::files::Velmar), store::LevelRekord::Size);
    if (!letters.isOpen())
        return ChangeResult::Failed;
    if (recordNumber < 1 || recordNumber > letters.count())
        return ChangeResult::NotFound;
    const auto stored = letters.read<store::LevelRekord>(recordNumber);
    // Everything comes from the entry fields except the running number.
    const store::LevelRekord letter = letterRecord(entry, numbers, stored.Num, documents.melleklet);
    if (!letters.write(recordNumber, letter))
        return ChangeResult::Failed;
    store::RecordFile irat(paths.yearFile(year, store::files::KiIrat), store::IratRekord::Size);
    irat.write(recordNumber, store::IratRekord{documents.iratNev, documents.iratUtvonal});
    return ChangeResult::Done;
}

int renumberClients(const store::Paths& paths, const QString& name, double clientNumber) {
    store::RecordFile clients(paths.programFile(store::files::Ugyfelek), store::UgyfelRekord::Size);
    if (!clients.isOpen())
        return 0;
    const qint32 number = store::toInt32(clientNumber).value_or(0);
    const QByteArray bytes = clients.readAllBytes();
    int changed = 0;
    for (qint64 n = 1; n * store::UgyfelRekord::Size <= bytes.size(); ++n) {
        auto client = store::UgyfelRekord::fromBytes(QByteArrayView(bytes).sliced(
            (n - 1) * store::UgyfelRekord::Size, store::UgyfelRekord::Size));
        if (!store::sameName(store::trimmed(client.Nev), name))
            continue;
        client.Ugyfelszam = number;
        if (clients.write(n, client))
            ++changed;
    }
    return changed;
}

std::optional<store::LevelRekord> storedLetter(const store::Paths& paths, int year,
                                               qint64 recordNumber) {
    store::RecordFile letters(paths.yearFile(year, store::files::Velmar), store::LevelRekord::Size);
    if (!letters.isOpen() || recordNumber < 1 || recordNumber > letters.count())
        return std::nullopt;
    return letters.read<store::LevelRekord>(recordNumber);
}

ChangeResult deleteLetter(const store::Paths& paths, int year, qint64 recordNumber) {
    const QString lettersPath = paths.yearFile(year, store::files::Velmar);
    const QString tempPath = paths.yearFile(year, store::files::VelmarTemp);
    // Whatever an interrupted deletion left behind is no part of the register.
    if (QFile::exists(tempPath))
        QFile::remove(tempPath);

    bool incoming = false;
    {
        store::RecordFile letters(lettersPath, store::LevelRekord::Size);
        if (!letters.isOpen())
            return ChangeResult::Failed;
        if (recordNumber < 1 || recordNumber > letters.count())
            return ChangeResult::NotFound;
        incoming = store::LevelView(letters.readBytes(recordNumber)).incoming();
    }
    if (!store::removeRecord(lettersPath, store::LevelRekord::Size, recordNumber, tempPath).ok())
        return ChangeResult::Failed;

    // Document record n keeps belonging to letter record n.
    store::removeRecord(paths.yearFile(year, store::files::KiIrat), store::IratRekord::Size,
                        recordNumber, paths.yearFolder(year) + u'/' + kKiIratTemp);

    store::RecordFile numFile(paths.yearFile(year, store::files::Num), store::NumRekord::Size);
    numFile.write(1, lowerCounter(numFile.read<store::NumRekord>(1), incoming));
    return ChangeResult::Done;
}

}  // namespace reg
