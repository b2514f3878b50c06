// Copying a year's letters into its backup and back: whole records only, the target replaced
// in one step, nothing written when there is nothing to copy or the copy cannot be made.

#include <QDir>
#include <QTest>

#include "backup/yearbackup.h"
#include "support/tempregister.h"

using namespace testing;

namespace {

// `count` distinct letter records as the test writes them.
QByteArray letters(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) {
        bytes += letter(QDate(2024, 1, 1).addDays(i % 360), i % 3 == 0, qint16(i),
                        QStringLiteral("Levelező %1").arg(i))
                     .toBytes();
    }
    return bytes;
}

}  // namespace

class YearBackupTest : public QObject {
    Q_OBJECT

private slots:
    void backupCopiesWholeRecords_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("trailingBytes");
        QTest::newRow("one letter") << 1 << 0;
        QTest::newRow("120 letters") << 120 << 0;
        QTest::newRow("partial record left behind") << 2 << 100;
        QTest::newRow("one byte short of a third record") << 2 << 257;
    }

    void backupCopiesWholeRecords() {
        QFETCH(int, records);
        QFETCH(int, trailingBytes);
        TempRegister files;
        const QByteArray whole = letters(records);
        files.write(files.yearFile(2024, u"Velmar.dat"), whole + QByteArray(trailingBytes, 'Z'));
        files.write(files.yearFile(2024, u"Mentés.dat"), letters(300));  // an older, longer backup

        const backup::CopyResult copy = backup::backupYear(files.paths(), 2024);
        QVERIFY(copy.ok());
        QCOMPARE(copy.records, records);
        const QByteArray backed = files.read(files.yearFile(2024, u"Mentés.dat"));
        QCOMPARE(backed.size(), records * 258);
        QCOMPARE(backed, whole);
        // The letter file is only read.
        QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")).size(),
                 records * 258 + trailingBytes);
        // No work file stays behind.
        QCOMPARE(QDir(files.makeYear(2024)).entryList(QDir::Files),
                 (QStringList{"Mentés.dat", "Velmar.dat"}));
    }

    void restoreCopiesWholeRecords() {
        TempRegister files;
        const QByteArray saved = letters(3);
        files.write(files.yearFile(2024, u"Mentés.dat"), saved + QByteArray(57, 'Z'));
        files.write(files.yearFile(2024, u"Velmar.dat"), letters(10));
        files.write(files.yearFile(2024, u"xxx.dat"), "stale work file");

        const backup::CopyResult copy = backup::restoreYear(files.paths(), 2024);
        QVERIFY(copy.ok());
        QCOMPARE(copy.records, 3);
        QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")), saved);
        QCOMPARE(files.read(files.yearFile(2024, u"Mentés.dat")).size(), 3 * 258 + 57);
        QVERIFY(!TempRegister::exists(files.yearFile(2024, u"xxx.dat")));
    }

    void nothingToCopyLeavesTheTarget_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QByteArray>("source");  // content of Velmar.dat; null: no file
        QTest::newRow("empty letter file") << true << QByteArray("");
        QTest::newRow("less than one record") << true << QByteArray(257, 'x');
        QTest::newRow("no letter file") << true << QByteArray();
        QTest::newRow("no year folder") << false << QByteArray();
    }

    void nothingToCopyLeavesTheTarget() {
        QFETCH(bool, folder);
        QFETCH(QByteArray, source);
        TempRegister files;
        const QByteArray old = letters(4);
        if (folder)
            files.write(files.yearFile(2024, u"Mentés.dat"), old);
        if (!source.isNull())
            files.write(files.yearFile(2024, u"Velmar.dat"), source);

        const backup::CopyResult copy = backup::backupYear(files.paths(), 2024);
        QCOMPARE(copy.records, 0);
        QCOMPARE(files.read(files.yearFile(2024, u"Mentés.dat")), folder ? old : QByteArray());
        QCOMPARE(TempRegister::exists(files.yearFile(2024, u"")), folder);
    }

    void failedWriteKeepsTheOldTarget() {
        TempRegister files;
        const QByteArray old = letters(2);
        files.write(files.yearFile(2024, u"Velmar.dat"), letters(5));
        files.write(files.yearFile(2024, u"Mentés.dat"), old);

        // The work file cannot be created: the target must stay exactly as it was.
        const backup::CopyResult copy = backup::copyLetters(
            files.yearFile(2024, u"Velmar.dat"), files.yearFile(2024, u"Mentés.dat"),
            files.folder() + QStringLiteral("/nincs/xxx.dat"));
        QVERIFY(!copy.ok());
        QCOMPARE(copy.records, 5);
        QCOMPARE(files.read(files.yearFile(2024, u"Mentés.dat")), old);
    }

    void letterCountIgnoresThePartialRecord() {
        TempRegister files;
        files.write(files.yearFile(2024, u"Mentés.dat"), letters(2) + QByteArray(84, 'x'));
        QCOMPARE(backup::letterCount(files.yearFile(2024, u"Mentés.dat")), 2);
        QCOMPARE(backup::letterCount(files.yearFile(2030, u"Mentés.dat")), 0);
    }
};

QTEST_GUILESS_MAIN(YearBackupTest)
#include "tst_yearbackup.moc"
