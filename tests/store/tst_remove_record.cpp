// Rewriting a record file without one record, in one step through its temporary copy.

#include <QDir>
#include <QTest>

#include "store/recordfile.h"
#include "support/tempregister.h"

using testing::fromHex;
using testing::TempRegister;

class RemoveRecordTest : public QObject {
    Q_OBJECT

private slots:
    void removeRecord_data() {
        QTest::addColumn<QByteArray>("before");  // records of 3 bytes
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("after");
        const QByteArray five = fromHex("111111 222222 333333 444444 555555");
        QTest::newRow("middle") << five << 3 << fromHex("111111 222222 444444 555555");
        QTest::newRow("first") << five << 1 << fromHex("222222 333333 444444 555555");
        QTest::newRow("last") << five << 5 << fromHex("111111 222222 333333 444444");
        QTest::newRow("the only one") << fromHex("111111") << 1 << QByteArray();
        QTest::newRow("beyond the end: unchanged") << five << 6 << five;
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
        // The temporary copy became the file, or was never needed.
        QCOMPARE(TempRegister::exists(temp), n > before.size() / 3);
    }

    void failures() {
        TempRegister files;
        const QString path = files.yearFile(2024, u"KiIrat.dat");
        // A missing file has nothing to remove; a missing folder is reported as such.
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
};

QTEST_GUILESS_MAIN(RemoveRecordTest)
#include "tst_remove_record.moc"
