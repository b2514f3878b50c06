// Operations of the register beyond what the crash test proves: where collected writes land,
// a journal that cannot be trusted, and an observer that refuses.

#include <QTest>

#include "store/journal.h"
#include "store/operation.h"
#include "support/tempregister.h"

using namespace Qt::StringLiterals;
using testing::fromHex;
using testing::TempRegister;

namespace {

struct Heard : store::OperationObserver {
    bool answer = true;
    QStringList calls;
    bool committing(const store::OperationRecord& operation) override {
        calls << u"committing "_s + operation.kind;
        return answer;
    }
    void undone(const QString&) override { calls << u"undone"_s; }
};

// The files a test starts from, and the journal a killed backup would leave beside them.
QByteArray layDown(const TempRegister& reg) {
    reg.write(reg.programFile(u"Ugyfelek.dat"), "old clients");
    reg.write(reg.yearFile(2024, u"Mentés.dat"), "new backup");
    reg.write(reg.yearFile(2024, u"Mentés.dat.1234abcd.old"), "old backup");
    store::Journal journal;
    journal.record = {u"1234abcd-5678"_s, u"backup"_s, {}};
    journal.entries.push_back({store::JournalEntry::Kind::Replace,
                               u"2024/Mentés.dat"_s,
                               true,
                               u"2024/xxx.dat"_s,
                               u"2024/Mentés.dat.1234abcd.old"_s,
                               0,
                               0,
                               {}});
    return store::encodeJournal(journal);
}

}  // namespace

class OperationTest : public QObject {
    Q_OBJECT

private slots:
    // A write into a file replaced by the same operation changes the new content (a gap
    // reads as zero bytes); an append lands over a trailing partial record; a write creates
    // a missing file; a copy takes the files as they were.
    void writesLandAsCollected() {
        TempRegister reg;
        const store::Paths paths = reg.paths();
        reg.write(reg.programFile(u"Csoportok.dat"), "0123456789");
        reg.write(reg.programFile(u"Ugyfelek.dat"), "AAAABBBBcc");
        store::Operation operation(paths, u"test"_s);
        operation.replace(paths.programFile(u"Csoportok.dat"), "abcd");
        operation.writeAt(paths.programFile(u"Csoportok.dat"), 2, "XY");
        operation.writeAt(paths.programFile(u"Csoportok.dat"), 6, "Z");
        operation.writeAt(paths.programFile(u"Ugyfelek.dat"), 8, "CCCC");
        operation.writeAt(paths.programFile(u"UszNum.dat"), 2, "\x01");
        // Copied from the files as they were before the operation, then written into.
        operation.replaceByCopy(paths.programFile(u"Ugyintezo.dat"),
                                {{paths.programFile(u"Csoportok.dat"), 2, 3},
                                 {paths.programFile(u"Ugyfelek.dat"), 0, 2}});
        operation.writeAt(paths.programFile(u"Ugyintezo.dat"), 4, "!");
        QVERIFY(operation.commit().ok);
        QCOMPARE(reg.readProgram(u"Ugyintezo.dat"), QByteArray("234A!"));
        QCOMPARE(reg.readProgram(u"Csoportok.dat"), fromHex("61 62 58 59 00 00 5A"));
        QCOMPARE(reg.readProgram(u"Ugyfelek.dat"), QByteArray("AAAABBBBCCCC"));
        QCOMPARE(reg.readProgram(u"UszNum.dat"), fromHex("00 00 01"));
        QCOMPARE(QDir(reg.folder()).entryList(QDir::Files),
                 (QStringList{u"Csoportok.dat"_s, u"Ugyfelek.dat"_s, u"Ugyintezo.dat"_s,
                              u"UszNum.dat"_s}));
    }

    // A journal that is not whole or names a file outside the register is refused: nothing is
    // touched, the journal stays for someone to look at, and no operation runs meanwhile.
    void journalNotTrusted_data() {
        QTest::addColumn<int>("at");  // the byte changed; -1: the last byte cut off
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("magic") << 0 << QByteArray("X");
        QTest::newRow("version") << 8 << QByteArray("\x02");
        QTest::newRow("state") << 12 << QByteArray("\x03");
        QTest::newRow("length") << 16 << QByteArray("\x01");
        QTest::newRow("checksum") << 30 << QByteArray("\x00");
        QTest::newRow("body") << 70 << QByteArray("b");
        QTest::newRow("torn") << -1 << QByteArray();
    }
    void journalNotTrusted() {
        QFETCH(int, at);
        QFETCH(QByteArray, to);
        TempRegister reg;
        QByteArray journal = layDown(reg);
        // Its header as every version of the program reads it: "VMJOURNL", version 1, prepared.
        QCOMPARE(journal.left(16), fromHex("56 4D 4A 4F 55 52 4E 4C 01 00 00 00 01 00 00 00"));
        if (at < 0)
            journal.chop(1);
        else
            journal.replace(at, 1, to);
        reg.write(reg.programFile(u"velmarok.journal"), journal);
        const TempRegister::Tree before = reg.tree();

        Heard heard;
        store::Paths paths = reg.paths();
        paths.setObserver(&heard);
        const store::RecoveryResult result = store::recoverOperations(paths);
        QVERIFY(result.found && !result.completed);
        QVERIFY(result.errorText.contains(u"velmarok.journal"_s));
        store::Operation operation(paths, u"test"_s);
        operation.writeAt(paths.programFile(u"Ugyfelek.dat"), 0, "new");
        QVERIFY(!operation.commit().ok);
        QCOMPARE(reg.tree(), before);
        QVERIFY(heard.calls.isEmpty());
    }

    void journalOutsideTheRegisterRefused() {
        store::Journal journal;
        journal.entries.resize(1);
        journal.entries[0].kind = store::JournalEntry::Kind::Write;
        for (const QString& name : {u"../Ugyfelek.dat"_s, u"/etc/Ugyfelek.dat"_s, u"2024/../x"_s}) {
            journal.entries[0].target = name;
            QVERIFY(!store::decodeJournal(store::encodeJournal(journal)));
        }
        journal.entries[0].target = u"2024/Num.dat"_s;
        QVERIFY(store::decodeJournal(store::encodeJournal(journal)));
    }

    // The killed backup's journal, whole: the old backup comes back, and the observer hears it.
    void killedOperationUndone() {
        TempRegister reg;
        reg.write(reg.programFile(u"velmarok.journal"), layDown(reg));
        Heard heard;
        store::Paths paths = reg.paths();
        paths.setObserver(&heard);
        const store::RecoveryResult result = store::recoverOperations(paths);
        QVERIFY(result.found && !result.completed && result.errorText.isEmpty());
        QCOMPARE(reg.readYear(2024, u"Mentés.dat"), QByteArray("old backup"));
        QCOMPARE(QDir(reg.folder() + u"/2024"_s).entryList(QDir::Files),
                 QStringList{u"Mentés.dat"_s});
        QVERIFY(!TempRegister::exists(reg.programFile(u"velmarok.journal")));
        QCOMPARE(heard.calls, QStringList{u"undone"_s});
    }

    void observerRefuses() {
        TempRegister reg;
        reg.write(reg.programFile(u"Ugyfelek.dat"), "old clients");
        const TempRegister::Tree before = reg.tree();
        Heard heard;
        heard.answer = false;
        store::Paths paths = reg.paths();
        paths.setObserver(&heard);
        store::Operation operation(paths, u"client-remove"_s);
        operation.replace(paths.programFile(u"Ugyfelek.dat"), "new");
        operation.writeAt(paths.programFile(u"UszNum.dat"), 0, "1234");
        QVERIFY(!operation.commit().ok);
        QCOMPARE(reg.tree(), before);
        QCOMPARE(heard.calls, (QStringList{u"committing client-remove"_s, u"undone"_s}));
    }
};

QTEST_APPLESS_MAIN(OperationTest)
#include "tst_operation.moc"
