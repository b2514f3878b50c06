#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "store/paths.h"
#include "store/records.h"

// A register in a fresh temporary program folder, with helpers to lay down and read back
// its files.
namespace testing {

class TempRegister {
public:
    TempRegister();

    const QString& folder() const { return folderPath_; }
    store::Paths paths() const { return store::Paths(folderPath_); }

    QString programFile(QStringView name) const;
    QString yearFile(int year, QStringView name) const;
    // Creates the year's folder (if missing) and returns its path.
    QString makeYear(int year) const;

    // Writes a whole file.
    void write(const QString& path, const QByteArray& bytes) const;
    template <typename R>
    void writeRecords(const QString& path, const std::vector<R>& records) const {
        QByteArray bytes;
        for (const R& r : records)
            bytes += r.toBytes();
        write(path, bytes);
    }
    // The file's bytes; an empty array when it does not exist.
    QByteArray read(const QString& path) const;
    QByteArray readYear(int year, QStringView name) const { return read(yearFile(year, name)); }
    QByteArray readProgram(QStringView name) const { return read(programFile(name)); }
    // The year's Velmar.dat, and Setup.dat.
    void writeLetters(int year, const std::vector<store::LevelRekord>& letters) const {
        writeRecords(yearFile(year, u"Velmar.dat"), letters);
    }
    void writeSetup(const store::SetupRekord& setup) const {
        writeRecords(programFile(u"Setup.dat"), std::vector{setup});
    }
    static bool exists(const QString& path);

private:
    QTemporaryDir dir_;
    QString folderPath_;
};

// Bytes from hex text; blanks are ignored ("FF FF 0F 00").
QByteArray fromHex(const char* hex);

// A letter with the fields a test usually sets.
store::LevelRekord letter(QDate date, bool incoming, qint16 serial,
                          const QString& correspondent = {}, int year = 0);

}  // namespace testing
