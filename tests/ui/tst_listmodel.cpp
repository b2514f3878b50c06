// The lists' own sort: stable, in the list's direction, Hungarian collation, and selections
// that follow their rows.

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

#include "ui/listmodel.h"
#include "ui/reportview.h"

namespace {

ui::ListModel* model(QList<QStringList> rows, QObject* parent) {
    auto* m = new ui::ListModel(
        {{QStringLiteral("A"), 1000, false}, {QStringLiteral("B"), 1000, true}}, parent);
    m->setTexts(std::move(rows));
    return m;
}

QStringList column(const ui::ListModel& m, int c) {
    QStringList cells;
    for (int r = 0; r < m.rowCount(); ++r)
        cells << m.text(r, c);
    return cells;
}

}  // namespace

class ListModelTest : public QObject {
    Q_OBJECT

private slots:
    void stableInBothDirections_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("tags");
        QTest::newRow("ascending") << int(Qt::AscendingOrder)
                                   << QStringList{QStringLiteral("b1"), QStringLiteral("b2"),
                                                  QStringLiteral("a1"), QStringLiteral("a2")};
        QTest::newRow("descending") << int(Qt::DescendingOrder)
                                    << QStringList{QStringLiteral("a1"), QStringLiteral("a2"),
                                                   QStringLiteral("b1"), QStringLiteral("b2")};
    }

    void stableInBothDirections() {
        QFETCH(int, order);
        QFETCH(QStringList, tags);
        QObject parent;
        auto* m = model({{QStringLiteral("a1"), QStringLiteral("  2")},
                         {QStringLiteral("b1"), QStringLiteral("  1")},
                         {QStringLiteral("a2"), QStringLiteral("  2")},
                         {QStringLiteral("b2"), QStringLiteral("  1")}},
                        &parent);
        m->setSortOrder(Qt::SortOrder(order));
        m->sortByColumn(1);
        QCOMPARE(column(*m, 0), tags);
        QCOMPARE(m->sortColumn(), 1);
    }

    void hungarianCollation() {
        QObject parent;
        auto* m = model({{QStringLiteral("Csató")},
                         {QStringLiteral("Cukor")},
                         {QStringLiteral("Öböl")},
                         {QStringLiteral("Orsó")},
                         {QStringLiteral("ábel")},
                         {QStringLiteral("Zala")}},
                        &parent);
        m->sortByColumn(0);
        QCOMPARE(column(*m, 0), (QStringList{QStringLiteral("ábel"), QStringLiteral("Cukor"),
                                             QStringLiteral("Csató"), QStringLiteral("Orsó"),
                                             QStringLiteral("Öböl"), QStringLiteral("Zala")}));
    }

    // Padded numbers and dates sort by character code; that must be the order the collation
    // would give them.
    void plainCellsSortAsTheCollationDoes() {
        const QCollator collator(QLocale(QLocale::Hungarian, QLocale::Hungary));
        const QString alphabet = QStringLiteral(" 0123456789.-/");
        QRandomGenerator random(11);
        for (int i = 0; i < 3000; ++i) {
            QString a, b;
            for (int n = random.bounded(0, 7); n > 0; --n)
                a += alphabet[random.bounded(int(alphabet.size()))];
            for (int n = random.bounded(0, 7); n > 0; --n)
                b += alphabet[random.bounded(int(alphabet.size()))];
            const int byCode = QString::compare(a, b);
            const int byCollation = collator.compare(a, b);
            QVERIFY2((byCode < 0) == (byCollation < 0) && (byCode > 0) == (byCollation > 0),
                     qPrintable(QStringLiteral("'%1' vs '%2'").arg(a, b)));
        }
    }

    void selectionFollowsItsRow() {
        QObject parent;
        auto* m =
            model({{QStringLiteral("c")}, {QStringLiteral("a")}, {QStringLiteral("b")}}, &parent);
        ui::ReportView view;
        view.setListModel(m);
        int clicked = -1;
        QObject::connect(&view, &ui::ReportView::itemClicked, [&](int row) { clicked = row; });
        view.selectRow(0);  // "c"
        QCOMPARE(clicked, 0);
        m->sortByColumn(0);
        QCOMPARE(view.selectedRow(), 2);
        QCOMPARE(m->text(view.selectedRow(), 0), QStringLiteral("c"));
        // Selecting the selected row again still raises the row event.
        clicked = -1;
        view.selectRow(2);
        QCOMPARE(clicked, 2);
        view.selectFirstRow();
        QCOMPARE(clicked, 0);
        view.selectLastRow();
        QCOMPARE(clicked, 2);
    }

    void cellsAreFormattedOnDemand() {
        QObject parent;
        ui::ListModel m({{QStringLiteral("n"), 600, true}}, &parent);
        int calls = 0;
        m.setRows(100000, [&](int row, int) {
            ++calls;
            return QString::number(row);
        });
        QCOMPARE(calls, 0);
        QCOMPARE(m.rowCount(), 100000);
        QCOMPARE(m.text(99999, 0), QStringLiteral("99999"));
        QCOMPARE(
            m.data(m.index(5, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
        QCOMPARE(m.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("n"));
    }
};

QTEST_MAIN(ListModelTest)
#include "tst_listmodel.moc"
