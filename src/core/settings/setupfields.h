#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "store/paths.h"
#include "store/records.h"

// The settings record and the year's serial counters as the settings window reads and writes
// them. Plain functions, tested without the window.
namespace settings {

// A program path is stored between double quotes. The window shows the stored text without
// its padding and without its first and last character; a text shorter than two characters
// shows as an empty box.
QString shownPath(const QString& stored);
// The stored form of a path typed in the window: the trimmed text between two quotes. The
// field holds 250 characters, so a path longer than 248 loses its closing quote.
QString storedPath(const QString& typed);

// The counter that "Módosít" stores from a box: the number the text begins with (0 when it
// begins with none), rounded halves to even. Nothing when it does not fit 16 bits.
std::optional<qint16> counterValue(QStringView text);
// The starting client number from its box: a whole number that fits 32 bits, else nothing.
std::optional<qint32> startingClientNumber(QStringView text);

// What "Beállítások Mentése" stores; colours and sort order are left as they are on file.
struct SavedSettings {
    QString wordPath;  // as typed
    QString pdfPath;   // as typed
    bool autUgyfelszam = false;
    qint32 kezdoUgyfelszam = 0;  // stored only while automatic numbering is on
    bool utolsoSorraUgras = false;
};
store::SetupRekord withSaved(store::SetupRekord record, const SavedSettings& saved);

enum class ColorField { Window, LetterList, PartnerList };

// Each writes record 1 of Setup.dat after reading it, so the other fields stay as they are.
// False when the file could not be read or written.
// `stored` is the colour as the record holds it (0x00BBGGRR).
bool storeColor(const store::Paths& paths, ColorField field, qint32 stored);
bool storeSortOrder(const store::Paths& paths, qint16 rendezes);
bool storeSaved(const store::Paths& paths, const SavedSettings& saved);

enum class Counter { Outgoing, Incoming };

// The year's counters from Num.dat. A missing year folder is created first, and with it an
// empty Num.dat, which reads as zeros.
store::NumRekord loadCounters(const store::Paths& paths, int year);
// Stores one counter; the other is written back unchanged. False when it could not be written.
bool storeCounter(const store::Paths& paths, int year, Counter counter, qint16 value);

}  // namespace settings
