// Byte layout of every record type, Windows-1250 texts and stored dates.

#include <QRandomGenerator>
#include <QTest>

#include "store/cp1250.h"
#include "store/oledate.h"
#include "store/records.h"
#include "support/tempregister.h"

using testing::fromHex;

namespace {

QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}

QByteArray text(const char* hex, int width) {
    QByteArray b = fromHex(hex);
    return b + spaces(width - int(b.size()));
}

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void letterRecordBytes() {
        store::LevelRekord r;
        r.Datum = 41197.75;  // 2012-10-15 18:00
        r.Bejovo = store::kTrue;
        r.Evszam = QStringLiteral("/2012");
        r.Elotag = QStringLiteral("AB/");
        r.Sorszam = 15;
        r.KitolKinek = QStringLiteral("Őrség Kft.");
        r.Ugyintezo = QStringLiteral("Kiss Anna");
        r.LevelTargya = QStringLiteral("Árvíztűrő");
        r.Ugyfelszam = 1001;
        r.CsoportJel = QStringLiteral("A");
        r.Num = 15;

        const QByteArray expected =
            fromHex("000000 00B81DE440") + fromHex("FFFF") + text("2F32303132", 14) +
            text("41422F", 4) + fromHex("0F00") + text("D572 73E9 6720 4B66 742E", 40) +
            text("4B69 7373 2041 6E6E 61", 30) + text("C172 76ED 7A74 FB72 F5", 100) +
            fromHex("E903") + text("41", 2) + fromHex("0F000000") + spaces(50);
        QCOMPARE(r.toBytes().toHex(' '), expected.toHex(' '));

        QCOMPARE(store::trimmed(store::LevelRekord::fromBytes(expected).KitolKinek),
                 QStringLiteral("Őrség Kft."));
    }

    void otherRecordBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");
        store::IratRekord irat{QStringLiteral("\"a.doc\""), QStringLiteral("\"/x/a.doc\"")};
        QTest::newRow("document") << irat.toBytes()
                                  << text("22612E646F6322", 50) + text("222F782F612E646F6322", 300);
        // A path longer than its field loses its end, the closing quote too.
        QTest::newRow("document path cut")
            << store::IratRekord{{}, "\"/" + QString(320, u'x') + "\""}.toBytes().mid(50)
            << "\"/" + QByteArray(298, 'x');
        QTest::newRow("counters") << store::NumRekord{14, 37}.toBytes() << fromHex("0E00 2500");
        QTest::newRow("client counter")
            << store::UszNumRekord{70000}.toBytes() << fromHex("70110100");
        store::SetupRekord setup;
        setup.AblakSzin = 0x00C0FFEE;
        setup.ListaSzin = 0x00FFFFFF;
        setup.PartnerSzin = 1;
        setup.Rendezes = 1;
        setup.WordUtvonal = QStringLiteral("\"w\"");
        setup.PDFUtvonal = QStringLiteral("\"p\"");
        setup.AutUgyfelszam = store::kTrue;
        setup.KezdoUgyfelszam = 1000;
        QTest::newRow("settings") << setup.toBytes()
                                  << fromHex("EEFFC000 FFFFFF00 01000000 0100") +
                                         text("227722", 250) + text("227022", 250) +
                                         fromHex("FFFF 0000 E8030000");
        QTest::newRow("group")
            << store::CsoportRekord{QStringLiteral("Építés"), QStringLiteral("É")}.toBytes()
            << text("C970ED74E973", 30) + text("C9", 2);
        QTest::newRow("client") << store::UgyfelRekord{QStringLiteral("Ügyfél"), -2}.toBytes()
                                << text("DC677966E96C", 40) + fromHex("FEFFFFFF");
        QTest::newRow("handler") << store::UgyintezoRekord{QStringLiteral("Őri Ödön")}.toBytes()
                                 << text("D57269 20D6 64F6 6E", 40);
    }
    void otherRecordBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    }

    void onlyMinusOneIsIncoming() {
        QByteArray bytes = store::LevelRekord().toBytes();
        QList<bool> incoming;
        for (const char* flag : {"FFFF", "0000", "0100", "FF00"}) {
            bytes.replace(8, 2, fromHex(flag));
            incoming << store::LevelRekord::fromBytes(bytes).incoming();
        }
        QCOMPARE(incoming, (QList<bool>{true, false, false, false}));
    }

    void windows1250Texts() {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QCOMPARE(store::encodeCp1250(store::decodeCp1250(all)), all);
        QCOMPARE(store::decodeCp1250(fromHex("8A 9A D5 F5 DB FB")), QStringLiteral("ŠšŐőŰű"));
        QCOMPARE(store::encodeCp1250(QStringLiteral("a€b✓c😀d"), 8), QByteArray("a\x80"
                                                                               "b?c?d "));
        QCOMPARE(store::trimmed(QStringView(u"  sor1\r\nsor2 \0\0", 16).toString()),
                 QStringLiteral("sor1\r\nsor2"));
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
};

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"
