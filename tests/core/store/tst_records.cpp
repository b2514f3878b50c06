// The store: Windows-1250 texts, stored dates and records read from any bytes; record files:
// counting, reading beyond the end, missing folders, and the register's paths.

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "store/cp1250.h"
#include "store/oledate.h"
#include "store/paths.h"
#include "store/recordfile.h"
#include "store/records.h"
#include "support/tempregister.h"

using namespace Qt::StringLiterals;
using testing::fromHex;
using testing::TempRegister;

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    // Every record is laid out byte for byte where a window writes it; these two numbers no
    // window writes beyond 16 bits or away from zero.
    void numbersNoWindowShows() {
        QCOMPARE(store::UszNumRekord{70000}.toBytes(), fromHex("70110100"));
        store::SetupRekord descending;
        descending.Rendezes = 1;
        QCOMPARE(descending.toBytes().mid(12, 2), fromHex("0100"));
    }

    void onlyMinusOneIsIncoming() {
        QByteArray bytes = store::LevelRekord().toBytes();
        for (const char* flag : {"FFFF", "0000", "0100", "FF00"}) {
            bytes.replace(8, 2, fromHex(flag));
            QCOMPARE(store::LevelRekord::fromBytes(bytes).incoming(), qstrcmp(flag, "FFFF") == 0);
            QCOMPARE(store::LevelView(bytes).incoming(), qstrcmp(flag, "FFFF") == 0);
        }
    }

    void windows1250Texts() {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QCOMPARE(store::encodeCp1250(store::decodeCp1250(all)), all);
        QCOMPARE(store::decodeCp1250(fromHex("8A 9A D5 F5 DB FB")), QStringLiteral("ŠšŐőŰű"));
        QCOMPARE(store::trimmed(QStringView(u"  sor1\r\nsor2 \0\0", 16).toString()),
                 QStringLiteral("sor1\r\nsor2"));
    }

    // Text going in, encoded into as many bytes as expected, and what would still be '?'.
    void textGoingIn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("unencodable");
        QTest::newRow("one character each, padded")
            << u"a€b✓c😀d"_s << fromHex("61 80 62 3F 63 3F 64 20") << QStringList{u"✓"_s, u"😀"_s};
        QTest::newRow("accents typed after the letter, cut after composing")
            << u"o\u030BU\u030Be\u0301"_s << fromHex("F5 DB") << QStringList();
        QTest::newRow("look-alikes of ő and ű")
            << u"õÕũŨûÛ"_s << fromHex("F5 D5 FB DB FB DB") << QStringList();
        QTest::newRow("what the code page has keeps its byte")
            << u"„a” – — … \u00A0ô"_s << fromHex("84 61 94 20 96 20 97 20 85 20 A0 F4")
            << QStringList();
        QTest::newRow("hyphens, minus, figure dash, narrow spaces")
            << u"\u2010\u2011\u2212\u2012\u202F\u2007"_s << fromHex("2D 2D 2D 96 A0 A0")
            << QStringList();
        QTest::newRow("composed but still missing")
            << u"e\u0303ẽq\u030B"_s << QByteArray("??q?") << QStringList{u"ẽ"_s, u"\u030B"_s};
    }
    void textGoingIn() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, unencodable);
        QCOMPARE(store::encodeCp1250(text, bytes.size()).toHex(' '), bytes.toHex(' '));
        QCOMPARE(store::unencodableCp1250(text), unencodable);
    }

    void storedDates_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QDate>("date");  // invalid: no date
        QTest::addColumn<QTime>("time");
        QTest::newRow("epoch") << 0.0 << QDate(1899, 12, 30) << QTime(0, 0);
        QTest::newRow("evening") << 41197.75 << QDate(2012, 10, 15) << QTime(18, 0);
        QTest::newRow("before the epoch") << -1.25 << QDate(1899, 12, 29) << QTime(6, 0);
        QTest::newRow("last day") << 2958465.5 << QDate(9999, 12, 31) << QTime(12, 0);
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QDate() << QTime();
        QTest::newRow("after 9999") << 2958466.0 << QDate() << QTime();
    }
    void storedDates() {
        QFETCH(double, value);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        const store::DateParts parts = store::dateFromOle(value);
        QCOMPARE(parts.date, date);
        if (date.isValid()) {
            QCOMPARE(parts.time, time);
            QCOMPARE(store::oleFromDate(date, time), value);
        }
    }

    // Records read from damaged files must never misbehave: any bytes, any length.
    void anyBytesReadSafely() {
        QRandomGenerator random(7);
        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes(random.bounded(0, 600), '\0');
            for (char& b : bytes)
                b = char(random.bounded(256));
            const store::LevelRekord letter = store::LevelRekord::fromBytes(bytes);
            QCOMPARE(letter.toBytes().size(), 258);
            (void)store::dateFromOle(letter.Datum);
            (void)store::SetupRekord::fromBytes(bytes).toBytes();
            (void)store::UgyfelRekord::fromBytes(bytes).toBytes();
            if (bytes.size() >= 258)
                QCOMPARE(letter.toBytes(), bytes.first(258));
        }
    }

    void countsWholeRecordsOnly() {
        // 257 bytes: a partial record only; 600: two and a partial; 516: exactly two.
        for (const auto& [length, records] : {std::pair{257, 0}, {600, 2}, {516, 2}}) {
            TempRegister reg;
            const QString path = reg.programFile(u"Velmar.dat");
            reg.write(path, QByteArray(length, 'x'));
            store::RecordFile file(path, 258);
            QCOMPARE(file.count(), qint64(records));
            QCOMPARE(file.readAllBytes().size(), records * 258);
            QCOMPARE(store::readAllRecords<store::LevelRekord>(path).size(), size_t(records));
        }
    }

    void missingFileIsCreatedButNotItsFolder() {
        TempRegister reg;
        store::RecordFile created(reg.programFile(u"Ugyfelek.dat"), 44);
        QVERIFY(created.isOpen() && QFile::exists(reg.programFile(u"Ugyfelek.dat")));
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

    // Names are found ignoring case; a file that exists nowhere gets its own spelling.
    void paths() {
        TempRegister reg;
        reg.write(reg.programFile(u"SETUP.DAT"), QByteArray());
        reg.write(reg.yearFile(2011, u"MENTÉS.DAT"), QByteArray());
        const store::Paths paths = reg.paths();
        QCOMPARE(paths.programFile(u"Setup.dat"), reg.programFile(u"SETUP.DAT"));
        QCOMPARE(paths.yearFile(2011, store::files::Mentes), reg.yearFile(2011, u"MENTÉS.DAT"));
        QCOMPARE(paths.programFile(u"Ugyfelek.dat"), reg.programFile(u"Ugyfelek.dat"));
        QVERIFY(!paths.yearFolderExists(2012) && paths.createYearFolder(2012));
        QVERIFY(paths.yearFolderExists(2012));
    }
};

QTEST_APPLESS_MAIN(StoreTest)
#include "tst_records.moc"
