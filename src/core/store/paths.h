#pragma once

#include <QString>
#include <QStringView>

namespace store {

class OperationObserver;

// File names of the register, exactly as the files are named.
namespace files {
inline constexpr QStringView Setup = u"Setup.dat";
inline constexpr QStringView Csoportok = u"Csoportok.dat";
inline constexpr QStringView Ugyfelek = u"Ugyfelek.dat";
inline constexpr QStringView Ugyintezo = u"Ugyintezo.dat";
inline constexpr QStringView UszNum = u"UszNum.dat";
inline constexpr QStringView Velmar = u"Velmar.dat";
inline constexpr QStringView KiIrat = u"KiIrat.dat";
inline constexpr QStringView Num = u"Num.dat";
inline constexpr QStringView Mentes = u"Mentés.dat";
// Temporary files of the whole-file rewrites, beside the files they replace.
inline constexpr QStringView VelmarTemp = u"xxx.dat";
inline constexpr QStringView CsoportokTemp = u"nevx.dat";
inline constexpr QStringView UgyfelekTemp = u"xxu.dat";
}  // namespace files

// Where the register's files live: the program folder, and under it one folder per year
// named by the year's plain number (2012, not 02012).
//
// A register copied from a case-insensitive file system may spell its names differently
// (SETUP.DAT, velmar.dat): a name is looked up exactly first and then ignoring case, and the
// file that exists is the one read and written. A file that does not exist yet gets the
// name as written above.
class Paths {
public:
    explicit Paths(QString programFolder);

    const QString& programFolder() const { return programFolder_; }

    QString programFile(QStringView name) const;
    QString yearFolder(int year) const;
    // The search names its year by the text typed in the search date field.
    QString yearFolder(QStringView yearText) const;
    QString yearFile(int year, QStringView name) const;
    QString yearFile(QStringView yearText, QStringView name) const;

    bool yearFolderExists(int year) const;
    bool createYearFolder(int year) const;

    // Who hears of the register's operations (the sidecar log); none by default.
    OperationObserver* observer() const { return observer_; }
    void setObserver(OperationObserver* observer) { observer_ = observer; }

private:
    QString programFolder_;
    OperationObserver* observer_ = nullptr;
};

// The path of `name` in `folder`, matching an existing entry ignoring case when there is no
// exact match.
QString resolveInFolder(const QString& folder, QStringView name);

}  // namespace store
