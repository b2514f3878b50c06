#include "settings/setupfields.h"

#include <limits>

#include "log/note.h"
#include "register/counters.h"
#include "store/numbers.h"
#include "store/recordfile.h"

namespace settings {
namespace {

// Reads the settings record, lets `change` edit it and writes it back as an operation of
// its own, which the register log hears of.
template <typename F>
bool updateFirstRecord(const store::Paths& paths, F change) {
    const store::RecordFile file(paths.programFile(store::files::Setup), store::SetupRekord::Size);
    if (!file.isOpen())
        return false;
    const QByteArray before = file.readBytes(1);
    store::SetupRekord record = store::SetupRekord::fromBytes(before);
    change(record);
    eventlog::Change described;
    described.file = store::files::Setup.toString();
    described.record = 1;
    described.before = before;
    described.after = record.toBytes();
    store::Operation operation(paths, eventlog::kinds::Settings.toString());
    operation.setNote(eventlog::note(described));
    operation.writeAt(file.path(), 0, described.after);
    return operation.commit().ok;
}

}  // namespace

QString shownPath(const QString& stored) {
    const QString text = store::trimmed(stored);
    return text.size() < 2 ? QString() : text.mid(1, text.size() - 2);
}

QString storedPath(const QString& typed) {
    return u'"' + typed.trimmed() + u'"';
}

std::optional<qint16> counterValue(QStringView text) {
    return store::toInt16(store::numericValue(text));
}

std::optional<qint32> startingClientNumber(QStringView text) {
    const std::optional<qint64> value = store::wholeNumber(text);
    if (!value || *value < std::numeric_limits<qint32>::min() ||
        *value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return qint32(*value);
}

store::SetupRekord withSaved(store::SetupRekord record, const SavedSettings& saved) {
    record.WordUtvonal = storedPath(saved.wordPath);
    record.PDFUtvonal = storedPath(saved.pdfPath);
    record.AutUgyfelszam = store::flag(saved.autUgyfelszam);
    record.KezdoUgyfelszam = saved.autUgyfelszam ? saved.kezdoUgyfelszam : 0;
    record.UtolsoSorraUgras = store::flag(saved.utolsoSorraUgras);
    return record;
}

bool storeColor(const store::Paths& paths, ColorField field, qint32 stored) {
    return updateFirstRecord(paths, [&](store::SetupRekord& r) {
        switch (field) {
            case ColorField::Window:
                r.AblakSzin = stored;
                break;
            case ColorField::LetterList:
                r.ListaSzin = stored;
                break;
            case ColorField::PartnerList:
                r.PartnerSzin = stored;
                break;
        }
    });
}

bool storeSortOrder(const store::Paths& paths, qint16 rendezes) {
    return updateFirstRecord(paths, [&](store::SetupRekord& r) { r.Rendezes = rendezes; });
}

bool storeSaved(const store::Paths& paths, const SavedSettings& saved) {
    return updateFirstRecord(paths, [&](store::SetupRekord& r) { r = withSaved(r, saved); });
}

store::NumRekord loadCounters(const store::Paths& paths, int year) {
    if (!paths.yearFolderExists(year))
        paths.createYearFolder(year);
    // Opening the counter file creates it empty, as a new year's file starts.
    const store::RecordFile file(paths.yearFile(year, store::files::Num), store::NumRekord::Size);
    return file.read<store::NumRekord>(1);
}

bool storeCounter(const store::Paths& paths, int year, Counter counter, qint16 value) {
    store::NumRekord counters = reg::readCounters(paths, QString::number(year));
    (counter == Counter::Outgoing ? counters.KiNum : counters.BeNum) = value;
    return reg::storeCounters(paths, year, counters).ok;
}

}  // namespace settings
