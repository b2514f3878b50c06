#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "store/records.h"

// The eight searches of a year's letters. The main window gathers the texts of its fields
// into `SearchInputs`; `Search` decides letter by letter whether a letter belongs in the
// lists. Nothing here touches a widget or a file.
namespace search {

// The search buttons Command1_0 .. Command1_7, by their index.
enum class Criterion {
    Datum = 0,        // "Dátum szerint"
    Sorszam = 1,      // "Sorszám szerint"
    KitolKinek = 2,   // "Kinek/Kitől szerint"
    Ugyfelszam = 3,   // "Ügyfélszám szerint"
    LevelTargya = 4,  // "Levél tárgya szerint"
    Csoport = 5,      // "Csoport szerint"
    Teljes = 6,       // "Teljes lista"
    Ugyintezo = 7,    // "Ügyintéző szerint"
};
inline constexpr int kCriterionCount = 8;

// The texts of the main window's fields at the moment a search button is pressed.
struct SearchInputs {
    QString datum;        // see dateNeedle
    QString sorszam;      // txtSorszam2 ("Szám:")
    QString evszam;       // txtSorszam ("Év/xxx:"), the source of the slash key
    QString kitolKinek;   // txtKitolKinek
    QString ugyfelszam;   // txtUgyfelszam
    QString levelTargya;  // txtLevelTargya
    QString csoportJel;   // the caption of lbJel
    QString ugyintezo;    // txUgyintezo
};

// The day from which letters carry their serial in `Sorszam`; earlier letters kept the whole
// number in `Evszam` ("2011/123") and are found by the slash key.
inline const QDate kSerialCutoff{2012, 10, 15};

// The date needle: the search date field as typed when it holds more than blanks, otherwise
// the picker's date in the short form the lists show.
QString dateNeedle(const QString& txtDatum, QDate picker);

// The year folder a search reads: the first four characters of the search date field as
// typed ("12.10" names the folder "12.1"), or nothing when the field is blank and the picker's
// year applies.
std::optional<QString> searchYear(const QString& txtDatum);

// Whether a typed year text can name a folder directly below the program folder. Texts with
// path separators or "." and ".." would reach outside the register and count as no year.
bool isYearFolderName(QStringView yearText);

// The key that finds a letter of the old numbering in its `Evszam`: the text up to and
// including the first "/" (within the first ten characters), then up to the next "/" (still
// within ten), closed by a "/" at the end or, when it already ends with one, at the front.
// "B/123/2011" -> "B/123/", "123/" -> "/123/", "2011" -> "2011/".
QString slashKey(QStringView evszamText);

// The year folders of a register by their names, oldest first: the folders directly in the
// program folder whose names are a year (digits only).
QStringList yearFolders(const QString& programFolder);

class Search {
public:
    // `skipBlankSerials`: the picker lies before the present moment, so letters without a
    // serial of their own are left out (except by the client number search).
    Search(Criterion criterion, const SearchInputs& inputs, bool skipBlankSerials);

    Criterion criterion() const { return criterion_; }
    bool matches(const store::LevelView& letter) const;
    // The 0-based indexes of the matching letters among whole 258-byte records, in file order.
    std::vector<int> matchingRecords(QByteArrayView records) const;

private:
    bool textMatches(const store::LevelView& letter) const;

    Criterion criterion_;
    bool skipBlankSerials_;
    QString needle_;       // upper-cased; for Sorszam the needle of letters after the cutoff
    QString slashNeedle_;  // upper-cased slash key, Sorszam before the cutoff
    double number_ = 0;    // Ugyfelszam
    QString group_;        // Csoport: the caption the trimmed group letter must equal
    double cutoff_ = 0;
    // The last date converted to text; letters come in date order, so most dates repeat.
    mutable double lastDate_ = 0;
    mutable QString lastDateText_;
    mutable bool haveLastDate_ = false;
};

}  // namespace search
