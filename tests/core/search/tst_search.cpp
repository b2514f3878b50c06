// Which letters each search criterion finds, tested on single letters. The month of a date,
// names and subjects in any case and anywhere, exact client numbers and group codes, the
// handler, and letters without a serial (skipped, except by client number) are shown on a
// whole year in tst_velmar_lists.cpp.

#include <QTest>

#include "search/search.h"
#include "support/tempregister.h"

using search::Criterion;

namespace {

// Every field of the inputs holds the needle and every field of the letter the haystack, so
// each row shows what its criterion does with them.
struct Probe {
    Criterion criterion;
    QString needle, haystack;
    bool expected;
    QDate date = QDate(2024, 3, 5);
    bool pickerInThePast = true;
};

}  // namespace

Q_DECLARE_METATYPE(Probe)

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void needleAndHaystack_data() {
        QTest::addColumn<Probe>("p");
        auto row = [](const char* name, const Probe& p) { QTest::newRow(name) << p; };
        row("serial 12 in 112", {Criterion::Sorszam, "12", "112", true});
        row("serial 12 in 120", {Criterion::Sorszam, "12", "120", true});
        row("serial 12 not in 21", {Criterion::Sorszam, "12", "21", false});
        row("14 Oct 2012: slash key",
            {Criterion::Sorszam, "123/", "B/123/2011", true, QDate(2012, 10, 14)});
        row("15 Oct 2012: serial",
            {Criterion::Sorszam, "123/", "B/123/2011", false, QDate(2012, 10, 15)});
        row("empty name finds all", {Criterion::KitolKinek, "", "Kovács Kft.", true});
        row("needle not trimmed", {Criterion::KitolKinek, " Kovács", "Kovács Kft.", false});
        row("client 12 not 112", {Criterion::Ugyfelszam, "12", "112", false});
        row("client 12.5 nothing", {Criterion::Ugyfelszam, "12.5", "12", false});
        row("empty client finds 0", {Criterion::Ugyfelszam, "", "0", true});
        row("subject line break", {Criterion::LevelTargya, "egy\nkettő", "egy\r\nkettő", true});
        // Names are compared on their stored bytes, upper-cased, accents too.
        row("accented name", {Criterion::KitolKinek, "őri", "  ŐRI Bt.", true});
        row("no group finds ungrouped", {Criterion::Csoport, "", "", true});
        // 8224 is the serial of a letter without one.
        row("no serial, future picker",
            {Criterion::Teljes, "", "8224", true, QDate(2024, 3, 5), false});
    }

    void needleAndHaystack() {
        QFETCH(Probe, p);
        const QString& n = p.needle;
        const search::SearchInputs in{n, n, n, n, n, n, n, n};
        store::LevelRekord r = testing::letter(p.date, true, qint16(p.haystack.toInt()));
        r.Ugyfelszam = r.Sorszam;
        r.Evszam = r.KitolKinek = r.LevelTargya = r.Ugyintezo = p.haystack;
        r.CsoportJel = p.haystack.left(2);
        const QByteArray bytes = r.toBytes();
        const search::Search search(p.criterion, in, p.pickerInThePast);
        QCOMPARE(search.matches(store::LevelView(bytes)), p.expected);
    }

    // "Minden évben" reads the year folders by number, oldest first, and nothing else.
    void yearFolders() {
        testing::TempRegister files;
        for (const char* name : {"2024", "999", "2023", "Mentés", "20x4", "12.1"})
            QDir().mkpath(files.folder() + u'/' + QString(name));
        QCOMPARE(search::yearFolders(files.folder()), (QStringList{"999", "2023", "2024"}));
    }

    void slashKey() {
        QCOMPARE(search::slashKey(u"B/123/2011"), QStringLiteral("B/123/"));
        QCOMPARE(search::slashKey(u"123/"), QStringLiteral("/123/"));
        QCOMPARE(search::slashKey(u"2011"), QStringLiteral("2011/"));
        QCOMPARE(search::slashKey(u"B/12345678901"), QStringLiteral("B/12345678/"));
    }
};

QTEST_APPLESS_MAIN(SearchTest)
#include "tst_search.moc"
