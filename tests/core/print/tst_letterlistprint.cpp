// The printed letter list as calls on the print surface: pages, rules, rows and the total.

#include <QTest>

#include "print/letterlistprint.h"
#include "support/recordingsurface.h"
#include "support/tempregister.h"

using namespace Qt::StringLiterals;

namespace {

// Every call on the surface as "page: what" (see RecordingSurface).
QStringList printed(const std::vector<store::LevelRekord>& letters) {
    QStringList calls;
    testing::RecordingSurface surface(&calls);
    print::printLetterList(surface, QStringLiteral("Fejléc"), QStringLiteral("2024.06.14."),
                           letters);
    return calls;
}

QStringList matching(const QStringList& calls, const QString& pattern) {
    return calls.filter(QRegularExpression(pattern));
}

}  // namespace

class LetterListPrintTest : public QObject {
    Q_OBJECT

private slots:
    void emptyList() {
        QCOMPARE(printed({}).join(u'|'),
                 "1: landscape|1: font Times New Roman 14 bold|1: text 0,0 Fejléc|"
                 "1: font Times New Roman 10 bold|1: text 250,5 1. Oldal    2024.06.14.|"
                 "1: line 2,25-280,25|1: line 2,25-2,40|1: line 20,25-20,40|1: line 45,25-45,40|"
                 "1: line 70,25-70,40|1: line 120,25-120,40|1: line 130,25-130,40|"
                 "1: line 250,25-250,40|1: font Times New Roman 8 bold|1: text 3,30 Dátum|"
                 "1: text 25,30 Bejövő|1: text 50,30 Kimenő|1: text 81,30 Kinek/kitől|"
                 "1: text 121,30 Ügyf.|1: text 150,30 Tárgy|1: text 255,30 Ügyintéző|"
                 "1: line 2,38-280,38|1: font Times New Roman 8 bold|"
                 "1: text 150,20 Tételek száma: 0  ");
    }

    void pagesRulesAndTotal_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("bottoms");  // the rules' bottom on each page
        QTest::addColumn<QString>("total");
        // A short first page's rules end 1 mm below its last row line; later pages' at it.
        QTest::newRow("3 rows") << 3 << QList<int>{52} << "Tételek száma: 3  ";
        QTest::newRow("37 rows: head-only last page")
            << 37 << QList<int>{187, 39} << "Tételek száma: 37  ";
        QTest::newRow("1234 rows") << 1234 << (QList<int>(33, 187) << 39 + 4 * (1234 - 33 * 37))
                                   << "Tételek száma: 1 234  ";
    }

    void pagesRulesAndTotal() {
        QFETCH(int, rows);
        QFETCH(QList<int>, bottoms);
        QFETCH(QString, total);
        const QStringList calls =
            printed(std::vector(size_t(rows), testing::letter(QDate(2024, 1, 2), true, 1)));
        // Each page: its head with the rules down to the page's bottom, then its rows at
        // y = 39, 43, ... with each row's line 4 mm lower.
        QStringList heads, dates, lines;
        auto head = [&](int page) {
            heads << u"%1: text 250,5 %1. Oldal    2024.06.14."_s.arg(page);
            lines << u"%1: line 2,25-280,25"_s.arg(page);
            for (int x : {2, 20, 45, 70, 120, 130, 250})
                lines << u"%1: line %2,25-%2,%3"_s.arg(page).arg(x).arg(bottoms[page - 1]);
            lines << u"%1: line 2,38-280,38"_s.arg(page);
        };
        head(1);
        for (int i = 0; i < rows; ++i) {
            const int page = i / 37 + 1, k = i % 37 + 1;
            dates << QStringLiteral("%1: text 3,%2 2024.01.02.").arg(page).arg(35 + 4 * k);
            lines << QStringLiteral("%1: line 2,%2-280,%2").arg(page).arg(39 + 4 * k);
            if (k == 37)
                head(page + 1);
        }
        QCOMPARE(matching(calls, QStringLiteral("Oldal")), heads);
        QCOMPARE(matching(calls, QStringLiteral("line")), lines);
        QCOMPARE(matching(calls, QStringLiteral("text 3,\\d+ 2024")), dates);
        QCOMPARE(calls.last(), QStringLiteral("%1: text 150,20 ").arg(bottoms.size()) + total);
    }

    // One row's texts, trimmed; which column the number goes to and a blank serial are shown
    // on the main window's printed lists (tst_velmar_output.cpp).
    void rowTexts() {
        store::LevelRekord r =
            testing::letter(QDate(2012, 10, 15), true, qint16(15), QStringLiteral("  Őri Kft.  "));
        r.Elotag = QStringLiteral(" AB/");
        r.Evszam = QStringLiteral("/2012 ");
        r.Ugyfelszam = 1001;
        r.LevelTargya = QStringLiteral("  Ár  ");
        r.Ugyintezo = QStringLiteral(" Kiss ");
        const QStringList calls = printed({r});
        const qsizetype row = calls.indexOf(QStringLiteral("1: line 2,38-280,38")) + 1;
        QCOMPARE(calls.mid(row, 8),
                 (QStringList{"1: font Times New Roman 8", "1: text 3,39 2012.10.15.",
                              "1: text 21,39 AB/15/2012", "1: text 71,39 Őri Kft.",
                              "1: text 121,39 1001", "1: text 131,39  Ár", "1: text 251,39 Kiss",
                              "1: line 2,43-280,43"}));
    }
};

QTEST_APPLESS_MAIN(LetterListPrintTest)
#include "tst_letterlistprint.moc"
