// Operations of the register beyond what the crash test proves: where collected writes land,
// and a journal that cannot be trusted.

#include <QTest>

#include "store/journal.h"
#include "store/operation.h"
#include "support/tempregister.h"

using namespace Qt::StringLiterals;
using testing::fromHex;
using testing::TempRegister;

class OperationTest : public QObject {
    Q_OBJECT

private slots:
    // A write into a file replaced by the same operation changes the new content (a gap reads
    // as zero bytes); an append lands over a trailing partial record; a write creates a
    // missing file; a copy takes the files as they were before the operation.
    void writesLandAsCollected() {
        TempRegister reg;
        reg.write(reg.programFile(u"Csoportok.dat"), "0123456789");
        reg.write(reg.programFile(u"Ugyfelek.dat"), "AAAABBBBcc");
        store::Operation operation(reg.paths(), u"test"_s);
        operation.replace(reg.programFile(u"Csoportok.dat"), "abcd");
        operation.writeAt(reg.programFile(u"Csoportok.dat"), 2, "XY");
        operation.writeAt(reg.programFile(u"Csoportok.dat"), 6, "Z");
        operation.writeAt(reg.programFile(u"Ugyfelek.dat"), 8, "CCCC");
        operation.writeAt(reg.programFile(u"UszNum.dat"), 2, "\x01");
        operation.replaceByCopy(
            reg.programFile(u"Ugyintezo.dat"),
            {{reg.programFile(u"Csoportok.dat"), 2, 3}, {reg.programFile(u"Ugyfelek.dat"), 0, 2}});
        operation.writeAt(reg.programFile(u"Ugyintezo.dat"), 4, "!");
        QVERIFY(operation.commit().ok);
        const TempRegister::Tree files = reg.tree();
        QCOMPARE(files.keys(), (QStringList{u"Csoportok.dat"_s, u"Ugyfelek.dat"_s,
                                            u"Ugyintezo.dat"_s, u"UszNum.dat"_s}));
        QCOMPARE(reg.readProgram(u"Csoportok.dat"), fromHex("61 62 58 59 00 00 5A"));
        QCOMPARE(reg.readProgram(u"Ugyfelek.dat"), QByteArray("AAAABBBBCCCC"));
        QCOMPARE(reg.readProgram(u"UszNum.dat"), fromHex("00 00 01"));
        QCOMPARE(reg.readProgram(u"Ugyintezo.dat"), QByteArray("234A!"));
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
        files.write(path, before);
        files.write(files.yearFile(2024, u"xxx.dat"), "stale");
        QVERIFY(store::removeRecord(files.paths(), u"test"_s, path, 3, n, u"xxx.dat"_s).ok());
        QCOMPARE(files.read(path), after);
        // The stale work file became the file, or was never needed.
        QCOMPARE(TempRegister::exists(files.yearFile(2024, u"xxx.dat")), n > before.size() / 3);
    }

    // A journal with any damage is refused: the recovery says so and touches nothing, and no
    // operation runs while it is there.
    void journalNotTrusted_data() {
        QTest::addColumn<int>("at");  // the byte changed; -1: the last byte cut off
        QTest::addColumn<char>("to");
        QTest::newRow("magic") << 0 << 'X';
        QTest::newRow("state") << 12 << '\x03';
        QTest::newRow("checksum") << 30 << '\x00';
        QTest::newRow("body") << 70 << 'b';
        QTest::newRow("torn") << -1 << ' ';
    }
    void journalNotTrusted() {
        QFETCH(int, at);
        QFETCH(char, to);
        store::Journal journal;
        journal.record.id = u"1234abcd"_s;
        journal.entries.resize(1);
        journal.entries[0].target = u"2024/Mentés.dat"_s;
        journal.entries[0].work = u"2024/xxx.dat"_s;
        QByteArray bytes = store::encodeJournal(journal);
        // The header every version of the program reads: "VMJOURNL", version 1, prepared.
        QCOMPARE(bytes.left(16), fromHex("56 4D 4A 4F 55 52 4E 4C 01 00 00 00 01 00 00 00"));
        at < 0 ? bytes.chop(1) : void(bytes[at] = to);
        TempRegister reg;
        reg.write(reg.programFile(u"velmarok.journal"), bytes);
        reg.write(reg.yearFile(2024, u"xxx.dat"), "work");
        const TempRegister::Tree before = reg.tree();

        const store::RecoveryResult result = store::recoverOperations(reg.paths());
        QVERIFY(result.found && result.errorText.contains(u"velmarok.journal"_s));
        store::Operation operation(reg.paths(), u"test"_s);
        operation.writeAt(reg.programFile(u"Ugyfelek.dat"), 0, "new");
        QVERIFY(!operation.commit().ok);
        QCOMPARE(reg.tree(), before);
    }
};

QTEST_APPLESS_MAIN(OperationTest)
#include "tst_operation.moc"
