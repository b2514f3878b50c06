#pragma once

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "store/oledate.h"
#include "store/paths.h"
#include "store/records.h"

// A register in a fresh temporary program folder, with helpers to lay down and read back
// its files.
namespace testing {

class TempRegister {
public:
    TempRegister() : folderPath_(dir_.path()) {
        if (!dir_.isValid())
            QTest::qFail("no temporary folder", __FILE__, __LINE__);
    }

    const QString& folder() const { return folderPath_; }
    store::Paths paths() const { return store::Paths(folderPath_); }

    QString programFile(QStringView name) const { return folderPath_ + u'/' + name; }
    QString yearFile(int year, QStringView name) const {
        return folderPath_ + u'/' + QString::number(year) + u'/' + name;
    }
    // Creates the year's folder (if missing) and returns its path.
    QString makeYear(int year) const {
        const QString path = folderPath_ + u'/' + QString::number(year);
        QDir().mkpath(path);
        return path;
    }

    // Writes a whole file, and the folders it lies in.
    void write(const QString& path, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            QTest::qFail(qPrintable("cannot write " + path), __FILE__, __LINE__);
    }
    template <typename R>
    void writeRecords(const QString& path, const std::vector<R>& records) const {
        QByteArray bytes;
        for (const R& r : records)
            bytes += r.toBytes();
        write(path, bytes);
    }
    // The file's bytes; an empty array when it does not exist.
    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray readYear(int year, QStringView name) const { return read(yearFile(year, name)); }
    QByteArray readProgram(QStringView name) const { return read(programFile(name)); }
    // The year's Velmar.dat, and Setup.dat.
    void writeLetters(int year, const std::vector<store::LevelRekord>& letters) const {
        writeRecords(yearFile(year, u"Velmar.dat"), letters);
    }
    void writeSetup(const store::SetupRekord& setup) const {
        writeRecords(programFile(u"Setup.dat"), std::vector{setup});
    }
    static bool exists(const QString& path) { return QFileInfo::exists(path); }

    // Every file of the register, by its path inside the folder: its mode in octal, a space,
    // and its bytes. Two registers are the same when their trees are.
    using Tree = QMap<QString, QByteArray>;
    Tree tree() const {
        Tree tree;
        QDirIterator it(folderPath_, QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const auto mode = QByteArray::number(QFileInfo(path).permissions().toInt(), 16);
            tree[path.mid(folderPath_.size() + 1)] = mode + ' ' + read(path);
        }
        return tree;
    }
    // Makes the register exactly `tree` again.
    void restore(const Tree& tree) const {
        QDir(folderPath_).removeRecursively();
        QDir().mkpath(folderPath_);
        for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
            const QString path = folderPath_ + u'/' + it.key();
            const qsizetype space = it.value().indexOf(' ');
            write(path, it.value().mid(space + 1));
            QFile::setPermissions(
                path, QFileDevice::Permissions(it.value().left(space).toInt(nullptr, 16)));
        }
    }

private:
    QTemporaryDir dir_;
    QString folderPath_;
};

// Bytes from hex text; blanks and line breaks are ignored ("FF FF 0F 00").
inline QByteArray fromHex(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', "").replace('\n', ""));
}

// A letter with the fields a test usually sets.
inline store::LevelRekord letter(QDate date, bool incoming, qint16 serial,
                                 const QString& correspondent = {}, int year = 0) {
    store::LevelRekord r;
    r.Datum = store::oleFromDate(date);
    r.Bejovo = store::flag(incoming);
    r.Elotag = incoming ? QStringLiteral("B/") : QStringLiteral("K/");
    r.Sorszam = serial;
    r.Evszam = u'/' + QString::number(year ? year : date.year());
    r.KitolKinek = correspondent;
    return r;
}

}  // namespace testing
