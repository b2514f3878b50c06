// Which letters each search button finds, tested on single letters and small years.

#include <QTest>

#include "search/search.h"
#include "store/oledate.h"
#include "support/tempregister.h"
#include "ui/locale.h"

using search::Criterion;
using testing::letter;

namespace {

// A letter of `date` whose field compared by `criterion` holds `haystack`.
store::LevelRekord letterFor(Criterion criterion, QDate date, const QString& haystack) {
    store::LevelRekord r = letter(date, true, 1, QStringLiteral("Senki"));
    switch (criterion) {
        case Criterion::Sorszam:
            r.Sorszam = qint16(haystack.toInt());
            break;
        case Criterion::KitolKinek:
            r.KitolKinek = haystack;
            break;
        case Criterion::Ugyfelszam:
            r.Ugyfelszam = qint16(haystack.toInt());
            break;
        case Criterion::LevelTargya:
            r.LevelTargya = haystack;
            break;
        case Criterion::Csoport:
        case Criterion::Teljes:
            r.CsoportJel = haystack;
            break;
        case Criterion::Ugyintezo:
            r.Ugyintezo = haystack;
            break;
        case Criterion::Datum:
            break;
    }
    return r;
}

search::SearchInputs inputsFor(Criterion criterion, const QString& needle) {
    search::SearchInputs in;
    switch (criterion) {
        case Criterion::Datum:
            in.datum = needle;
            break;
        case Criterion::Sorszam:
            in.sorszam = needle;
            break;
        case Criterion::KitolKinek:
            in.kitolKinek = needle;
            break;
        case Criterion::Ugyfelszam:
            in.ugyfelszam = needle;
            break;
        case Criterion::LevelTargya:
            in.levelTargya = needle;
            break;
        case Criterion::Csoport:
            in.csoportJel = needle;
            break;
        case Criterion::Teljes:
            break;
        case Criterion::Ugyintezo:
            in.ugyintezo = needle;
            break;
    }
    return in;
}

bool found(const search::Search& s, const store::LevelRekord& r) {
    const QByteArray bytes = r.toBytes();
    return s.matches(store::LevelView(bytes));
}

}  // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void needleAndHaystack_data() {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("haystack");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("expected");
        auto row = [&](const char* name, Criterion c, const char* needle, const char* haystack,
                       bool expected, QDate date = QDate(2024, 3, 5)) {
            QTest::newRow(name) << int(c) << QString::fromUtf8(needle)
                                << QString::fromUtf8(haystack) << date << expected;
        };
        row("date: month of the year", Criterion::Datum, "2012.10", "", true, QDate(2012, 10, 31));
        row("date: other month", Criterion::Datum, "2012.10", "", false, QDate(2012, 11, 1));
        row("date: whole year", Criterion::Datum, "2012", "", true, QDate(2012, 1, 2));
        row("serial 12 in 112", Criterion::Sorszam, "12", "112", true);
        row("serial 12 in 120", Criterion::Sorszam, "12", "120", true);
        row("serial 12 in 1200", Criterion::Sorszam, "12", "1200", true);
        row("serial 12 not in 21", Criterion::Sorszam, "12", "21", false);
        row("serial read as number", Criterion::Sorszam, " 012abc", "12", true);
        row("name ignores case", Criterion::KitolKinek, "kov", "Kovács Kft.", true);
        row("name folds accents", Criterion::KitolKinek, "kővár", "KŐVÁR Bt.", true);
        row("empty name finds all", Criterion::KitolKinek, "", "Kovács Kft.", true);
        row("name needle not trimmed", Criterion::KitolKinek, " Kovács", "Kovács Kft.", false);
        row("name in padded field", Criterion::KitolKinek, "Kft.   ", "Kovács Kft.", true);
        row("client 12 finds 12", Criterion::Ugyfelszam, "12", "12", true);
        row("client 12 not 112", Criterion::Ugyfelszam, "12", "112", false);
        row("client 12.5 finds nothing", Criterion::Ugyfelszam, "12.5", "12", false);
        row("empty client finds 0", Criterion::Ugyfelszam, "", "0", true);
        row("empty client not 12", Criterion::Ugyfelszam, "", "12", false);
        row("subject anywhere", Criterion::LevelTargya, "számla", "Éves SZÁMLA", true);
        row("subject line break", Criterion::LevelTargya, "egy\nkettő", "egy\r\nkettő", true);
        row("group A finds A", Criterion::Csoport, "A", "A", true);
        row("group A not AB", Criterion::Csoport, "A", "AB", false);
        row("group is case-sensitive", Criterion::Csoport, "a", "A", false);
        row("no group finds ungrouped", Criterion::Csoport, "", "", true);
        row("no group not A", Criterion::Csoport, "", "A", false);
        row("everything", Criterion::Teljes, "", "AB", true);
        row("handler anywhere", Criterion::Ugyintezo, "anna", "Kiss Anna", true);
        row("handler other", Criterion::Ugyintezo, "anna", "Nagy Éva", false);
    }

    void needleAndHaystack() {
        QFETCH(int, criterion);
        QFETCH(QString, needle);
        QFETCH(QString, haystack);
        QFETCH(QDate, date);
        QFETCH(bool, expected);
        const auto c = Criterion(criterion);
        const search::Search s(c, inputsFor(c, needle), true);
        QCOMPARE(found(s, letterFor(c, date, haystack)), expected);
    }

    void serialBeforeAndAfterTheCutoff_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("evszamBox");
        QTest::addColumn<bool>("expected");
        // The letter: serial 5, year part "B/123/2011"; the serial box holds 123.
        QTest::newRow("14 Oct 2012: slash key found")
            << QDate(2012, 10, 14) << "B/123/2011" << true;
        QTest::newRow("14 Oct 2012: other key") << QDate(2012, 10, 14) << "B/124/2011" << false;
        QTest::newRow("15 Oct 2012: serial only") << QDate(2012, 10, 15) << "B/123/2011" << false;
    }

    void serialBeforeAndAfterTheCutoff() {
        QFETCH(QDate, date);
        QFETCH(QString, evszamBox);
        QFETCH(bool, expected);
        store::LevelRekord r = letter(date, true, 5);
        r.Evszam = QStringLiteral("B/123/2011");
        search::SearchInputs in;
        in.sorszam = QStringLiteral("123");
        in.evszam = evszamBox;
        QCOMPARE(found(search::Search(Criterion::Sorszam, in, true), r), expected);
        // From the cutoff on the serial box decides, before it the slash key.
        in.sorszam = QStringLiteral("5");
        in.evszam = QStringLiteral("B/999/2011");
        QCOMPARE(found(search::Search(Criterion::Sorszam, in, true), r),
                 date >= search::kSerialCutoff);
    }

    void slashKey_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("prefix, serial, year") << "B/123/2011"
                                              << "B/123/";
        QTest::newRow("serial and slash") << "123/"
                                          << "/123/";
        QTest::newRow("year only") << "2011"
                                   << "2011/";
        QTest::newRow("year and serial") << "2011/123"
                                         << "2011/123/";
        QTest::newRow("empty") << ""
                               << "/";
        QTest::newRow("ten characters at most") << "B/12345678901"
                                                << "B/12345678/";
        QTest::newRow("no slash in ten") << "12345678901/"
                                         << "1234567890/";
    }

    void slashKey() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QCOMPARE(search::slashKey(text), key);
    }

    void blankSerials_data() {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<bool>("pickerInThePast");
        QTest::addColumn<QList<int>>("expected");
        // Letters: serial 1, blank serial, serial 3; all with client number 0.
        QTest::newRow("skipped") << int(Criterion::Teljes) << true << QList<int>{0, 2};
        QTest::newRow("picker in the future")
            << int(Criterion::Teljes) << false << QList<int>{0, 1, 2};
        QTest::newRow("client number keeps them")
            << int(Criterion::Ugyfelszam) << true << QList<int>{0, 1, 2};
    }

    void blankSerials() {
        QFETCH(int, criterion);
        QFETCH(bool, pickerInThePast);
        QFETCH(QList<int>, expected);
        QByteArray year;
        for (qint16 serial : {qint16(1), store::kBlankSerial, qint16(3)})
            year += letter(QDate(2011, 5, 3), true, serial).toBytes();
        year += QByteArray(100, ' ');  // a trailing partial record is not visited
        const search::Search s(Criterion(criterion), {}, pickerInThePast);
        const std::vector<int> rows = s.matchingRecords(year);
        QCOMPARE(QList<int>(rows.begin(), rows.end()), expected);
    }

    void yearAndDateOfTheSearch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("year");  // "-" for the picker's year
        QTest::addColumn<QString>("dateNeedle");
        QTest::newRow("blank") << "   "
                               << "-"
                               << "2024.06.14.";
        QTest::newRow("full date") << "2011.05.03"
                                   << "2011"
                                   << "2011.05.03";
        QTest::newRow("12.10 names 12.1") << "12.10"
                                          << "12.1"
                                          << "12.10";
        QTest::newRow("as typed") << " 2012"
                                  << " 201"
                                  << " 2012";
    }

    void yearAndDateOfTheSearch() {
        QFETCH(QString, typed);
        QFETCH(QString, year);
        QFETCH(QString, dateNeedle);
        QCOMPARE(search::searchYear(typed).value_or(QStringLiteral("-")), year);
        QCOMPARE(search::dateNeedle(typed, QDate(2024, 6, 14)), dateNeedle);
    }

    void yearFolderNames() {
        QVERIFY(search::isYearFolderName(u"2012"));
        QVERIFY(search::isYearFolderName(u"12.1"));
        for (const QString& bad : {QString(), QStringLiteral("."), QStringLiteral(".."),
                                   QStringLiteral("../x"), QStringLiteral("a\\b")})
            QVERIFY2(!search::isYearFolderName(bad), qPrintable(bad));
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("negative") << -3.0 << "-3";
        QTest::newRow("fraction") << 12.5 << "12,5";
        QTest::newRow("zero") << -0.0 << "0";
    }

    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ui::numberText(value), text);
    }
};

QTEST_MAIN(SearchTest)
#include "tst_search.moc"
