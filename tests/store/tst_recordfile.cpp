// Record files: counting, reading beyond the end, missing folders, whole-file replacement
// and the register's paths.

#include <QDir>
#include <QFile>
#include <QTest>

#include "store/paths.h"
#include "store/recordfile.h"
#include "support/tempregister.h"

using testing::TempRegister;

class RecordFileTest : public QObject {
    Q_OBJECT

private slots:
    void countsWholeRecordsOnly_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("records");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("partial only") << 257 << 0;
        QTest::newRow("two and a partial") << 600 << 2;
        QTest::newRow("exact") << 516 << 2;
    }

    void countsWholeRecordsOnly() {
        QFETCH(int, length);
        QFETCH(int, records);
        TempRegister reg;
        const QString path = reg.programFile(u"Velmar.dat");
        reg.write(path, QByteArray(length, 'x'));
        store::RecordFile file(path, 258);
        QCOMPARE(file.count(), qint64(records));
        QCOMPARE(file.readAllBytes().size(), records * 258);
        // The records of the file, and nothing of its trailing part.
        QCOMPARE(store::readAllRecords<store::LevelRekord>(path).size(), size_t(records));
    }

    void openingCreatesAMissingFile() {
        TempRegister reg;
        const QString path = reg.programFile(u"Ugyfelek.dat");
        store::RecordFile file(path, 44);
        QVERIFY(file.isOpen());
        QVERIFY(QFile::exists(path));
        QCOMPARE(file.count(), 0);
    }

    void missingFolderIsPathNotFound() {
        TempRegister reg;
        const QString path = reg.yearFile(2013, u"Velmar.dat");
        store::RecordFile file(path, 258);
        QVERIFY(!file.isOpen());
        QCOMPARE(file.error(), store::FileError::PathNotFound);
        QVERIFY(!QFile::exists(reg.yearFile(2013, u"")));
        store::FileError error = store::FileError::None;
        QVERIFY(store::readAllRecords<store::LevelRekord>(path, &error).empty());
        QCOMPARE(error, store::FileError::PathNotFound);
        QCOMPARE(store::readFirstRecord<store::NumRekord>(reg.yearFile(2013, u"Num.dat")).BeNum, 0);
    }

    void readingBeyondTheEndGivesTheEmptyRecord() {
        TempRegister reg;
        const QString path = reg.programFile(u"Num.dat");
        store::RecordFile file(path, 4);
        const store::NumRekord num = file.read<store::NumRekord>(1);
        QCOMPARE(num.KiNum, qint16(0));
        QCOMPARE(num.BeNum, qint16(0));
        QVERIFY(file.readBytes(0).isEmpty());
        QVERIFY(file.readBytes(-3).isEmpty());
    }

    void writingAndAppending() {
        TempRegister reg;
        const QString path = reg.programFile(u"Ugyintezo.dat");
        {
            store::RecordFile file(path, 40);
            QVERIFY(file.append(store::UgyintezoRekord{QStringLiteral("Egy")}));
            QVERIFY(file.append(store::UgyintezoRekord{QStringLiteral("Kettő")}));
            QVERIFY(file.write(1, store::UgyintezoRekord{QStringLiteral("Első")}));
            // Writing past the end leaves a record of zero bytes in between.
            QVERIFY(file.write(4, store::UgyintezoRekord{QStringLiteral("Négy")}));
            QVERIFY(!file.writeBytes(1, QByteArray(39, 'x')));
        }
        const QByteArray bytes = reg.read(path);
        QCOMPARE(bytes.size(), 160);
        QCOMPARE(bytes.mid(0, 4), QByteArray("Els\xF5"));
        QCOMPARE(bytes.mid(40, 6), QByteArray("Kett\xF5 "));
        QCOMPARE(bytes.mid(80, 40), QByteArray(40, '\0'));
        QCOMPARE(bytes.mid(120, 4), QByteArray("N\xE9gy"));
    }

    void replacementLeavesNoTemporaryFile() {
        TempRegister reg;
        const QString target = reg.programFile(u"Csoportok.dat");
        const QString temp = reg.programFile(u"nevx.dat");
        reg.write(target, "old content");
        reg.write(temp, "stale leftover of an interrupted rewrite");
        QVERIFY(store::replaceFile(target, "new", temp).ok());
        QCOMPARE(reg.read(target), QByteArray("new"));
        QVERIFY(!QFile::exists(temp));
    }

    void failedReplacementKeepsTheOldFile() {
        TempRegister reg;
        const QString target = reg.programFile(u"Csoportok.dat");
        reg.write(target, "old content");
        // The temporary file cannot be written: its folder does not exist.
        const store::ReplaceResult missing =
            store::replaceFile(target, "new", reg.programFile(u"nincs/nevx.dat"));
        QCOMPARE(missing.error, store::FileError::PathNotFound);
        QCOMPARE(reg.read(target), QByteArray("old content"));
        // The rename cannot take place: the target is a folder.
        const QString folderTarget = reg.makeYear(2020);
        const store::ReplaceResult blocked =
            store::replaceFile(folderTarget, "new", reg.programFile(u"xxx.dat"));
        QVERIFY(!blocked.ok());
        QVERIFY(!QFile::exists(reg.programFile(u"xxx.dat")));
        QCOMPARE(reg.read(target), QByteArray("old content"));
    }

    void removingARecord_data() {
        QTest::addColumn<int>("remove");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("middle of five") << 3 << QByteArray("AABBDDEE");
        QTest::newRow("first") << 1 << QByteArray("BBCCDDEE");
        QTest::newRow("last") << 5 << QByteArray("AABBCCDD");
        QTest::newRow("beyond the end") << 6 << QByteArray("AABBCCDDEEx");
    }

    void removingARecord() {
        QFETCH(int, remove);
        QFETCH(QByteArray, expected);
        TempRegister reg;
        const QString path = reg.programFile(u"Ugyfelek.dat");
        reg.write(path, "AABBCCDDEEx");  // five 2-byte records and a partial one
        QVERIFY(store::removeRecord(path, 2, remove, reg.programFile(u"xxu.dat")).ok());
        QCOMPARE(reg.read(path), expected);
        QVERIFY(!QFile::exists(reg.programFile(u"xxu.dat")));
    }

    void removingTheOnlyRecordLeavesAnEmptyFile() {
        TempRegister reg;
        const QString path = reg.programFile(u"Csoportok.dat");
        reg.writeRecords(
            path, std::vector{store::CsoportRekord{QStringLiteral("Egy"), QStringLiteral("E")}});
        QVERIFY(store::removeRecord(path, 32, 1, reg.programFile(u"nevx.dat")).ok());
        QVERIFY(QFile::exists(path));
        QCOMPARE(reg.read(path).size(), 0);
    }

    void yearPaths() {
        const store::Paths paths(QStringLiteral("/srv/iktato/"));
        QCOMPARE(paths.programFile(u"Setup.dat"), QStringLiteral("/srv/iktato/Setup.dat"));
        QCOMPARE(paths.yearFolder(2013), QStringLiteral("/srv/iktato/2013"));
        QCOMPARE(paths.yearFile(2012, u"Velmar.dat"),
                 QStringLiteral("/srv/iktato/2012/Velmar.dat"));
        QCOMPARE(paths.yearFile(u"12.1", u"Velmar.dat"),
                 QStringLiteral("/srv/iktato/12.1/Velmar.dat"));
        QCOMPARE(paths.yearFile(2012, store::files::Mentes),
                 QStringLiteral("/srv/iktato/2012/Mentés.dat"));
    }

    void namesAreFoundIgnoringCase() {
        TempRegister reg;
        store::SetupRekord setup;
        setup.AblakSzin = 1;
        reg.writeRecords(reg.programFile(u"SETUP.DAT"), std::vector{setup});
        reg.write(reg.yearFile(2011, u"VELMAR.DAT"), QByteArray(258, ' '));
        reg.write(reg.yearFile(2011, u"MENTÉS.DAT"), QByteArray());
        const store::Paths paths = reg.paths();
        QCOMPARE(paths.programFile(u"Setup.dat"), reg.programFile(u"SETUP.DAT"));
        QCOMPARE(paths.yearFile(2011, u"Velmar.dat"), reg.yearFile(2011, u"VELMAR.DAT"));
        QCOMPARE(paths.yearFile(2011, store::files::Mentes), reg.yearFile(2011, u"MENTÉS.DAT"));
        // A file that exists nowhere gets its own spelling.
        QCOMPARE(paths.programFile(u"Ugyfelek.dat"), reg.programFile(u"Ugyfelek.dat"));
        QCOMPARE(
            store::readFirstRecord<store::SetupRekord>(paths.programFile(u"Setup.dat")).AblakSzin,
            1);
        QVERIFY(!paths.yearFolderExists(2012));
        QVERIFY(paths.createYearFolder(2012));
        QVERIFY(paths.yearFolderExists(2012));
    }
};

QTEST_MAIN(RecordFileTest)
#include "tst_recordfile.moc"
