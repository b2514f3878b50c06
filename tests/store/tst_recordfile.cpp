// Record files: counting, reading beyond the end, missing folders, whole-file replacement,
// removing a record in one step, and the register's paths.

#include <QDir>
#include <QFile>
#include <QTest>

#include "store/paths.h"
#include "store/recordfile.h"
#include "support/tempregister.h"

using testing::fromHex;
using testing::TempRegister;

class RecordFileTest : public QObject {
    Q_OBJECT

private slots:
    void countsWholeRecordsOnly_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("records");
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
        QCOMPARE(store::readAllRecords<store::LevelRekord>(path).size(), size_t(records));
    }

    void missingFileIsCreatedButNotItsFolder() {
        TempRegister reg;
        store::RecordFile created(reg.programFile(u"Ugyfelek.dat"), 44);
        QVERIFY(created.isOpen());
        QVERIFY(QFile::exists(reg.programFile(u"Ugyfelek.dat")));
        QCOMPARE(created.count(), 0);
        // Beyond the end (and before the start) every record reads as the empty one.
        QCOMPARE(created.read<store::UgyfelRekord>(1).Ugyfelszam, 0);
        QVERIFY(created.readBytes(-3).isEmpty());

        const QString path = reg.yearFile(2013, u"Velmar.dat");
        store::RecordFile file(path, 258);
        QCOMPARE(file.error(), store::FileError::PathNotFound);
        QVERIFY(!QFile::exists(reg.yearFile(2013, u"")));
        store::FileError error = store::FileError::None;
        QVERIFY(store::readAllRecords<store::LevelRekord>(path, &error).empty());
        QCOMPARE(error, store::FileError::PathNotFound);
        QCOMPARE(store::readFirstRecord<store::NumRekord>(reg.yearFile(2013, u"Num.dat")).BeNum, 0);
    }

    void replacement() {
        TempRegister reg;
        const QString target = reg.programFile(u"Csoportok.dat");
        const QString temp = reg.programFile(u"nevx.dat");
        reg.write(target, "old content");
        // The temporary file cannot be written: its folder does not exist.
        QCOMPARE(store::replaceFile(target, "new", reg.programFile(u"nincs/nevx.dat")).error,
                 store::FileError::PathNotFound);
        QCOMPARE(reg.read(target), QByteArray("old content"));
        // The rename cannot take place: the target is a folder.
        QVERIFY(!store::replaceFile(reg.makeYear(2020), "new", temp).ok());
        QVERIFY(!QFile::exists(temp));
        // A stale temporary file of an interrupted rewrite is no obstacle and does not stay.
        reg.write(temp, "stale leftover");
        QVERIFY(store::replaceFile(target, "new", temp).ok());
        QCOMPARE(reg.read(target), QByteArray("new"));
        QVERIFY(!QFile::exists(temp));
    }

    void removeRecord_data() {
        QTest::addColumn<QByteArray>("before");  // records of 3 bytes
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("after");
        const QByteArray five = fromHex("111111 222222 333333 444444 555555");
        QTest::newRow("middle") << five << 3 << fromHex("111111 222222 444444 555555");
        QTest::newRow("first") << five << 1 << fromHex("222222 333333 444444 555555");
        QTest::newRow("last") << five << 5 << fromHex("111111 222222 333333 444444");
        QTest::newRow("the only one: an empty file") << fromHex("111111") << 1 << QByteArray();
        QTest::newRow("beyond the end: unchanged") << five + "x" << 6 << five + "x";
        QTest::newRow("trailing partial record dropped")
            << fromHex("111111 222222 3333") << 1 << fromHex("222222");
    }
    void removeRecord() {
        QFETCH(QByteArray, before);
        QFETCH(int, n);
        QFETCH(QByteArray, after);
        TempRegister files;
        const QString path = files.yearFile(2024, u"Velmar.dat");
        const QString temp = files.yearFile(2024, u"xxx.dat");
        files.write(path, before);
        files.write(temp, "stale");
        QVERIFY(store::removeRecord(path, 3, n, temp).ok());
        QCOMPARE(files.read(path), after);
        QVERIFY(QFile::exists(path));
        // The temporary copy became the file, or was never needed.
        QCOMPARE(TempRegister::exists(temp), n > before.size() / 3);
    }

    void removeRecordFailures() {
        TempRegister files;
        const QString path = files.yearFile(2024, u"KiIrat.dat");
        // A missing folder is reported as such; a missing file has nothing to remove.
        QCOMPARE(store::removeRecord(files.yearFile(2023, u"KiIrat.dat"), 3, 1,
                                     files.yearFile(2023, u"x.dat"))
                     .error,
                 store::FileError::PathNotFound);
        files.makeYear(2024);
        QVERIFY(store::removeRecord(path, 3, 1, files.yearFile(2024, u"x.dat")).ok());
        // A temporary file that cannot be written leaves the file whole.
        files.write(path, fromHex("111111 222222"));
        QDir().mkpath(files.yearFile(2024, u"x.dat"));
        QCOMPARE(store::removeRecord(path, 3, 1, files.yearFile(2024, u"x.dat")).error,
                 store::FileError::Failed);
        QCOMPARE(files.read(path), fromHex("111111 222222"));
    }

    void paths() {
        // Names are found ignoring case; a file that exists nowhere gets its own spelling.
        TempRegister reg;
        reg.write(reg.programFile(u"SETUP.DAT"), QByteArray());
        reg.write(reg.yearFile(2011, u"MENTÉS.DAT"), QByteArray());
        const store::Paths paths = reg.paths();
        QCOMPARE(paths.programFile(u"Setup.dat"), reg.programFile(u"SETUP.DAT"));
        QCOMPARE(paths.yearFile(2011, store::files::Mentes), reg.yearFile(2011, u"MENTÉS.DAT"));
        QCOMPARE(paths.programFile(u"Ugyfelek.dat"), reg.programFile(u"Ugyfelek.dat"));
        QVERIFY(!paths.yearFolderExists(2012));
        QVERIFY(paths.createYearFolder(2012));
        QVERIFY(paths.yearFolderExists(2012));
    }
};

QTEST_MAIN(RecordFileTest)
#include "tst_recordfile.moc"
