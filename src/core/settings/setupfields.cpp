#include "settings/setupfields.h"

#include <limits>

#include "register/counters.h"
#include "store/numbers.h"
#include "store/recordfile.h"

namespace settings {
namespace {

// Reads record 1 of a one-record file, lets `change` edit it and writes it back.
template <typename R, typename F>
bool updateFirstRecord(const QString& path, F change) {
    store::RecordFile file(path, R::Size);
    if (!file.isOpen())
        return false;
    R record = file.template read<R>(1);
    change(record);
    return file.write(1, record);
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
    return updateFirstRecord<store::SetupRekord>(paths.programFile(store::files::Setup),
                                                 [&](store::SetupRekord& r) {
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
    return updateFirstRecord<store::SetupRekord>(
        paths.programFile(store::files::Setup),
        [&](store::SetupRekord& r) { r.Rendezes = rendezes; });
}

bool storeSaved(const store::Paths& paths, const SavedSettings& saved) {
    return updateFirstRecord<store::SetupRekord>(
        paths.programFile(store::files::Setup),
        [&](store::SetupRekord& r) { r = withSaved(r, saved); });
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
