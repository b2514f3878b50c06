// Which letters each search criterion finds, tested on single letters.

#include <QTest>

#include "search/search.h"
#include "support/tempregister.h"

using search::Criterion;

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    // Every field of the inputs holds the needle and every field of the letter the haystack,
    // so each row shows what its criterion does with them.
    void needleAndHaystack_data() {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("haystack");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("pickerInThePast");
        QTest::addColumn<bool>("expected");
        auto row = [](const char* name, Criterion c, const char* needle, const char* haystack,
                      bool expected, QDate date = QDate(2024, 3, 5), bool past = true) {
            QTest::newRow(name) << int(c) << QString::fromUtf8(needle)
                                << QString::fromUtf8(haystack) << date << past << expected;
        };
        row("date: month", Criterion::Datum, "2012.10", "", true, QDate(2012, 10, 31));
        row("date: other month", Criterion::Datum, "2012.10", "", false, QDate(2012, 11, 1));
        row("serial 12 in 112", Criterion::Sorszam, "12", "112", true);
        row("serial 12 in 120", Criterion::Sorszam, "12", "120", true);
        row("serial 12 in 1200", Criterion::Sorszam, "12", "1200", true);
        row("serial 12 not in 21", Criterion::Sorszam, "12", "21", false);
        row("14 Oct 2012: slash key", Criterion::Sorszam, "123/", "B/123/2011", true,
            QDate(2012, 10, 14));
        row("15 Oct 2012: serial", Criterion::Sorszam, "123/", "B/123/2011", false,
            QDate(2012, 10, 15));
        row("name, any case", Criterion::KitolKinek, "kővár", "KŐVÁR Bt.", true);
        row("name, anywhere in it", Criterion::KitolKinek, "VÁR b", "Kővár Bt.", true);
        row("empty name finds all", Criterion::KitolKinek, "", "Kovács Kft.", true);
        row("needle not trimmed", Criterion::KitolKinek, " Kovács", "Kovács Kft.", false);
        row("client 12", Criterion::Ugyfelszam, "12", "12", true);
        row("client 12 not 112", Criterion::Ugyfelszam, "12", "112", false);
        row("client 12.5 nothing", Criterion::Ugyfelszam, "12.5", "12", false);
        row("empty client finds 0", Criterion::Ugyfelszam, "", "0", true);
        row("subject line break", Criterion::LevelTargya, "egy\nkettő", "egy\r\nkettő", true);
        row("group A finds A", Criterion::Csoport, "A", "A", true);
        row("group A not AB", Criterion::Csoport, "A", "AB", false);
        row("no group finds ungrouped", Criterion::Csoport, "", "", true);
        row("handler", Criterion::Ugyintezo, "anna", "Nagy Éva", false);
        // 8224 is the serial of a letter without one.
        row("no serial: skipped", Criterion::Teljes, "", "8224", false);
        row("no serial, future picker", Criterion::Teljes, "", "8224", true, QDate(2024, 3, 5),
            false);
        row("no serial, by client", Criterion::Ugyfelszam, "8224", "8224", true);
    }

    void needleAndHaystack() {
        QFETCH(int, criterion);
        QFETCH(QString, needle);
        QFETCH(QString, haystack);
        QFETCH(QDate, date);
        QFETCH(bool, pickerInThePast);
        QFETCH(bool, expected);
        const search::SearchInputs in{needle, needle, needle, needle,
                                      needle, needle, needle, needle};
        store::LevelRekord r = testing::letter(date, true, qint16(haystack.toInt()));
        r.Ugyfelszam = r.Sorszam;
        r.Evszam = r.KitolKinek = r.LevelTargya = r.Ugyintezo = haystack;
        r.CsoportJel = haystack.left(2);
        const QByteArray bytes = r.toBytes();
        const search::Search search(Criterion(criterion), in, pickerInThePast);
        QCOMPARE(search.matches(store::LevelView(bytes)), expected);
    }

    void slashKey() {
        QCOMPARE(search::slashKey(u"B/123/2011"), QStringLiteral("B/123/"));
        QCOMPARE(search::slashKey(u"123/"), QStringLiteral("/123/"));
        QCOMPARE(search::slashKey(u"2011"), QStringLiteral("2011/"));
        QCOMPARE(search::slashKey(u"B/12345678901"), QStringLiteral("B/12345678/"));
    }
};

QTEST_MAIN(SearchTest)
#include "tst_search.moc"
