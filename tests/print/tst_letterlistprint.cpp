// The printed letter list as calls on the print surface: pages, rules, rows and the total.

#include <QTest>

#include "print/letterlistprint.h"
#include "support/fakeplatform.h"
#include "support/tempregister.h"

using testing::PrintCall;
using Kind = testing::PrintCall::Kind;

namespace {

const QString kToday = QStringLiteral("2024.06.14.");

QList<PrintCall> printed(const std::vector<store::LevelRekord>& letters,
                         const QString& header = QStringLiteral("Fejléc")) {
    QList<PrintCall> calls;
    testing::RecordingSurface surface(&calls);
    print::printLetterList(surface, header, kToday, letters);
    return calls;
}

std::vector<store::LevelRekord> numbered(int count) {
    std::vector<store::LevelRekord> letters;
    for (int i = 1; i <= count; ++i) {
        letters.push_back(testing::letter(QDate(2024, 1, 1).addDays(i % 300), i % 2 == 1, qint16(i),
                                          QStringLiteral("Ügyfél %1").arg(i)));
    }
    return letters;
}

int pageCount(const QList<PrintCall>& calls) {
    int pages = 1;
    for (const PrintCall& c : calls)
        pages = std::max(pages, c.page);
    return pages;
}

// The bottoms of the vertical rules of each page, one entry per rule.
QList<QList<double>> ruleBottoms(const QList<PrintCall>& calls, int pages) {
    QList<QList<double>> bottoms(pages);
    for (const PrintCall& c : calls) {
        if (c.kind == Kind::Line && c.x == c.x2)
            bottoms[c.page - 1] << c.y2;
    }
    return bottoms;
}

// Indexes of the texts printed on `page` at height `y`, in order.
QList<qsizetype> texts(const QList<PrintCall>& calls, int page, double y) {
    QList<qsizetype> found;
    for (qsizetype i = 0; i < calls.size(); ++i) {
        const PrintCall& c = calls[i];
        if (c.kind == Kind::Text && c.page == page && c.y == y)
            found << i;
    }
    return found;
}

const PrintCall* textAt(const QList<PrintCall>& calls, int page, double x, double y) {
    for (const PrintCall& c : calls) {
        if (c.kind == Kind::Text && c.page == page && c.x == x && c.y == y)
            return &c;
    }
    return nullptr;
}

bool hasLine(const QList<PrintCall>& calls, int page, double x1, double y1, double x2, double y2) {
    return std::any_of(calls.begin(), calls.end(), [&](const PrintCall& c) {
        return c.kind == Kind::Line && c.page == page && c.x == x1 && c.y == y1 && c.x2 == x2 &&
               c.y2 == y2;
    });
}

// The font in force when call `index` was made.
PrintCall fontBefore(const QList<PrintCall>& calls, qsizetype index) {
    for (qsizetype i = index; i >= 0; --i) {
        if (calls[i].kind == Kind::Font)
            return calls[i];
    }
    return {};
}

}  // namespace

class LetterListPrintTest : public QObject {
    Q_OBJECT

private slots:
    void pagesRulesAndTotal_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<double>>("bottoms");  // the rules' bottom on each page
        QTest::addColumn<QString>("total");
        QTest::newRow("empty list")
            << 0 << QList<double>{40} << QStringLiteral("Tételek száma: 0  ");
        QTest::newRow("one row") << 1 << QList<double>{44} << QStringLiteral("Tételek száma: 1  ");
        QTest::newRow("36 rows, one short of a page")
            << 36 << QList<double>{184} << QStringLiteral("Tételek száma: 36  ");
        QTest::newRow("37 rows, a page and a head-only page")
            << 37 << QList<double>{187, 39} << QStringLiteral("Tételek száma: 37  ");
        QTest::newRow("38 rows, one row on page 2")
            << 38 << QList<double>{187, 43} << QStringLiteral("Tételek száma: 38  ");
        QTest::newRow("75 rows") << 75 << QList<double>{187, 187, 43}
                                 << QStringLiteral("Tételek száma: 75  ");
        QList<double> big(33, 187);
        big << 39 + 4 * (1234 - 33 * 37);
        QTest::newRow("1234 rows, grouped total")
            << 1234 << big << QStringLiteral("Tételek száma: 1 234  ");
    }

    void pagesRulesAndTotal() {
        QFETCH(int, rows);
        QFETCH(QList<double>, bottoms);
        QFETCH(QString, total);

        const QList<PrintCall> calls = printed(numbered(rows));
        const int pages = pageCount(calls);
        QCOMPARE(pages, bottoms.size());
        QCOMPARE(calls.first().kind, Kind::Orientation);
        QCOMPARE(calls.first().orientation, ui::Orientation::Landscape);

        const QList<QList<double>> found = ruleBottoms(calls, pages);
        for (int page = 0; page < pages; ++page)
            QCOMPARE(found[page], QList<double>(7, bottoms[page]));

        // Every page has its head; the total stands once, on the last page, in bold 8 point.
        for (int page = 1; page <= pages; ++page) {
            const PrintCall* pageLine = textAt(calls, page, 250, 5);
            QVERIFY(pageLine);
            QCOMPARE(pageLine->text, QStringLiteral("%1. Oldal    2024.06.14.").arg(page));
        }
        QCOMPARE(calls.last().kind, Kind::Text);
        QCOMPARE(calls.last().page, pages);
        QCOMPARE(calls.last().x, 150.0);
        QCOMPARE(calls.last().y, 20.0);
        QCOMPARE(calls.last().text, total);
        const PrintCall font = fontBefore(calls, calls.size() - 1);
        QCOMPARE(font.pointSize, 8.0);
        QVERIFY(font.bold);

        // One date per row, in order, 37 to a page at y = 39, 43, ...
        QList<PrintCall> dates;
        for (const PrintCall& c : calls) {
            if (c.kind == Kind::Text && c.x == 3 && c.y > 30)
                dates << c;
        }
        QCOMPARE(dates.size(), rows);
        for (int i = 0; i < rows; ++i) {
            QCOMPARE(dates[i].page, i / 37 + 1);
            QCOMPARE(dates[i].y, 35.0 + 4 * (i % 37 + 1));
        }
    }

    void secondPageStartsAtTheTop() {
        const QList<PrintCall> calls = printed(numbered(38));
        QCOMPARE(texts(calls, 2, 39).size(), 6);
        QVERIFY(hasLine(calls, 2, 2, 43, 280, 43));
        QVERIFY(!hasLine(calls, 2, 2, 47, 280, 47));
        // The 38th letter is even, so outgoing: its number stands under "Kimenő".
        QCOMPARE(textAt(calls, 2, 46, 39)->text, QStringLiteral("K/38/2024"));
        QCOMPARE(textAt(calls, 2, 71, 39)->text, QStringLiteral("Ügyfél 38"));
        // Page 1's last row and line.
        QVERIFY(textAt(calls, 1, 21, 183));
        QVERIFY(hasLine(calls, 1, 2, 187, 280, 187));
    }

    void pageHead() {
        const QList<PrintCall> calls = printed(numbered(2), QStringLiteral("Kigyűjtött levelek"));
        // The header text in bold 14 point at the page's corner.
        QCOMPARE(calls[1].kind, Kind::Font);
        QCOMPARE(calls[1].text, QStringLiteral("Times New Roman"));
        QCOMPARE(calls[1].pointSize, 14.0);
        QVERIFY(calls[1].bold);
        QCOMPARE(calls[2].kind, Kind::Text);
        QCOMPARE(calls[2].x, 0.0);
        QCOMPARE(calls[2].y, 0.0);
        QCOMPARE(calls[2].text, QStringLiteral("Kigyűjtött levelek"));
        // The page line in bold 10 point.
        const qsizetype pageLine = texts(calls, 1, 5).value(0, -1);
        QCOMPARE(calls.value(pageLine).x, 250.0);
        QCOMPARE(fontBefore(calls, pageLine).pointSize, 10.0);
        QVERIFY(fontBefore(calls, pageLine).bold);

        // Column titles in bold 8 point at y = 30.
        QStringList names;
        QList<double> xs;
        for (qsizetype t : texts(calls, 1, 30)) {
            names << calls[t].text;
            xs << calls[t].x;
            const PrintCall font = fontBefore(calls, t);
            QCOMPARE(font.pointSize, 8.0);
            QVERIFY(font.bold);
        }
        QCOMPARE(names, (QStringList{"Dátum", "Bejövő", "Kimenő", "Kinek/kitől", "Ügyf.", "Tárgy",
                                     "Ügyintéző"}));
        QCOMPARE(xs, (QList<double>{3, 25, 50, 81, 121, 150, 255}));

        // The frame: top line, title line, and vertical rules without one at x = 280.
        QVERIFY(hasLine(calls, 1, 2, 25, 280, 25));
        QVERIFY(hasLine(calls, 1, 2, 38, 280, 38));
        QList<double> rules;
        for (const PrintCall& c : calls) {
            if (c.kind == Kind::Line && c.x == c.x2)
                rules << c.x;
        }
        QCOMPARE(rules, (QList<double>{2, 20, 45, 70, 120, 130, 250}));
    }

    void rowTexts_data() {
        QTest::addColumn<bool>("incoming");
        QTest::addColumn<QString>("elotag");
        QTest::addColumn<int>("serial");
        QTest::addColumn<QString>("evszam");
        QTest::addColumn<double>("numberX");
        QTest::addColumn<QString>("number");
        QTest::newRow("incoming under Bejövő")
            << true << QStringLiteral("AB/") << 15 << QStringLiteral("/2012") << 21.0
            << QStringLiteral("AB/15/2012");
        QTest::newRow("outgoing under Kimenő")
            << false << QStringLiteral("K/") << 7 << QStringLiteral("/2012/3") << 46.0
            << QStringLiteral("K/7/2012/3");
        QTest::newRow("blank serial printed without it")
            << true << QStringLiteral("B/") << int(store::kBlankSerial) << QStringLiteral("/2012")
            << 21.0 << QStringLiteral("B//2012");
        QTest::newRow("padded fields trimmed")
            << false << QStringLiteral(" K/ ") << 1234 << QStringLiteral("  /2012  ") << 46.0
            << QStringLiteral("K/1234/2012");
    }

    void rowTexts() {
        QFETCH(bool, incoming);
        QFETCH(QString, elotag);
        QFETCH(int, serial);
        QFETCH(QString, evszam);
        QFETCH(double, numberX);
        QFETCH(QString, number);

        store::LevelRekord r = testing::letter(QDate(2012, 10, 15), incoming, qint16(serial),
                                               QStringLiteral("  Őri és Társa Kft.  "));
        r.Elotag = elotag;
        r.Evszam = evszam;
        r.Ugyfelszam = 1001;
        r.LevelTargya = QStringLiteral("  Árajánlat  ");
        r.Ugyintezo = QStringLiteral(" Kiss Anna ");
        const QList<PrintCall> calls = printed({r});

        const QList<qsizetype> row = texts(calls, 1, 39);
        QCOMPARE(row.size(), 6);
        QMap<double, QString> byX;
        for (qsizetype i : row)
            byX.insert(calls[i].x, calls[i].text);
        QCOMPARE(byX.value(3), QStringLiteral("2012.10.15."));
        QCOMPARE(byX.value(numberX), number);
        QVERIFY(!byX.contains(numberX == 21 ? 46 : 21));
        QCOMPARE(byX.value(71), QStringLiteral("Őri és Társa Kft."));
        QCOMPARE(byX.value(121), QStringLiteral("1001"));
        QCOMPARE(byX.value(131), QStringLiteral(" Árajánlat"));
        QCOMPARE(byX.value(251), QStringLiteral("Kiss Anna"));
        // Rows are regular 8 point.
        const PrintCall font = fontBefore(calls, row.first());
        QCOMPARE(font.pointSize, 8.0);
        QVERIFY(!font.bold);
        QVERIFY(hasLine(calls, 1, 2, 43, 280, 43));
    }

    void directionFlagOnlyMinusOneIsIncoming() {
        store::LevelRekord r = testing::letter(QDate(2012, 1, 2), true, 3);
        r.Bejovo = 1;
        const QList<PrintCall> calls = printed({r});
        QVERIFY(textAt(calls, 1, 46, 39));
        QVERIFY(!textAt(calls, 1, 21, 39));
    }

    void longTextsAreNotCut() {
        store::LevelRekord r = testing::letter(QDate(2012, 1, 2), true, 3);
        r.LevelTargya = QString(100, u'x');
        const QList<PrintCall> calls = printed({r});
        QCOMPARE(textAt(calls, 1, 131, 39)->text, u' ' + QString(100, u'x'));
    }
};

QTEST_GUILESS_MAIN(LetterListPrintTest)
#include "tst_letterlistprint.moc"
