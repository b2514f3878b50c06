// Hungarian conventions: numbers read from texts, rounding, the file dialog filters, and the
// lists' own sort in Hungarian collation with selections that follow their rows. Dates,
// upper-casing, grouped thousands and stored colours are checked where they show: in the list
// cells, the name comparisons, the printed total and the settings. Stable sorts in either
// direction, and selecting the first and last row, are shown on the main window's lists in
// tst_velmar_lists.cpp.

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

#include "ui/listmodel.h"
#include "ui/locale.h"
#include "ui/qtplatform.h"
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

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    // The four readings of a typed number: the leading number's value (0 when there is
    // none), whether there is one, the whole number the text is, and whether the user wrote a
    // number (decimal comma allowed).
    void numbersReadFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("leading");
        QTest::addColumn<qint64>("whole");  // -1: not a whole number
        QTest::addColumn<bool>("isNumber");
        auto row = [](const char* text, double value, bool leading, qint64 whole, bool isNumber) {
            QTest::addRow("\"%s\"", text) << QString(text) << value << leading << whole << isNumber;
        };
        row("  -7 ", -7, true, -7, true);
        row("12abc", 12, true, -1, false);
        row("12.5", 12.5, true, -1, true);
        row(".5", 0.5, true, -1, true);
        row("7.", 7, true, -1, true);
        row("1,5", 1, true, -1, true);
        row("1,2,3", 1, true, -1, false);
        row("1 000", 1, true, -1, false);
        row("", 0, false, -1, false);
        row(",", 0, false, -1, false);
        row("x12", 0, false, -1, false);
        row("-", 0, false, -1, false);
        row("2011.05.03", 2011.05, true, -1, false);
    }
    void numbersReadFromText() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, leading);
        QFETCH(qint64, whole);
        QFETCH(bool, isNumber);
        QCOMPARE(ui::numericValue(text), value);
        QCOMPARE(ui::leadingNumber(text).has_value(), leading);
        QCOMPARE(ui::wholeNumber(text).value_or(-1), whole);
        QCOMPARE(ui::isNumber(text), isNumber);
    }

    void roundingAndRanges() {
        // Halves go to the even neighbour.
        const QList<std::pair<double, double>> rounded = {{0.5, 0},  {1.5, 2},   {2.5, 2},
                                                          {2.51, 3}, {-2.5, -2}, {1998.5, 1998}};
        for (const auto& [value, expected] : rounded)
            QCOMPARE(ui::roundHalfEven(value), expected);
        QCOMPARE(ui::toInt16(32767.4), std::optional<qint16>(32767));
        QCOMPARE(ui::toInt16(32767.5), std::nullopt);
        QCOMPARE(ui::toInt16(-32768), std::optional<qint16>(-32768));
        QCOMPARE(ui::toInt32(2147483648.0), std::nullopt);
        QCOMPARE(ui::toInt32(-12.5), std::optional<qint32>(-12));
    }

    void fileDialogFilters() {
        QCOMPARE(
            ui::qtNameFilters(QStringLiteral(
                "kép (*.jpg)|*.jpg|Dokumentum (*.doc;*.docx;*.PDF)|*.doc;*.docx;*.PDF")),
            (QStringList{QStringLiteral("kép (*.jpg *.JPG)"),
                         QStringLiteral("Dokumentum (*.doc *.DOC *.docx *.DOCX *.PDF *.pdf)")}));
        QCOMPARE(ui::qtNameFilters(QStringLiteral("*.jpg;*.PDF")),
                 QStringList{QStringLiteral("*.jpg;*.PDF (*.jpg *.JPG *.PDF *.pdf)")});
    }

    void hungarianCollation() {
        QObject parent;
        auto* m = model({{"Csató"}, {"Cukor"}, {"Öböl"}, {"Orsó"}, {"ábel"}, {"Zala"}}, &parent);
        m->sortByColumn(0);
        QCOMPARE(column(*m, 0), (QStringList{"ábel", "Cukor", "Csató", "Orsó", "Öböl", "Zala"}));
        QCOMPARE(
            m->data(m->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
    }

    // Padded numbers and dates sort by character code, which must give the collation's order.
    void plainCellsSortAsTheCollationDoes() {
        QRandomGenerator random(11);
        QList<QStringList> rows(2000, QStringList{QString()});
        for (QStringList& row : rows) {
            for (int n = random.bounded(0, 7); n > 0; --n)
                row[0] += QStringLiteral(" 0123456789.-/").at(random.bounded(14));
        }
        QObject parent;
        auto* m = model(rows, &parent);
        m->sortByColumn(0);
        const QCollator collator(QLocale(QLocale::Hungarian, QLocale::Hungary));
        for (int r = 1; r < m->rowCount(); ++r)
            QVERIFY2(collator.compare(m->text(r - 1, 0), m->text(r, 0)) <= 0,
                     qPrintable(m->text(r, 0)));
    }

    void selectionFollowsItsRow() {
        QObject parent;
        auto* m = model({{"c"}, {"a"}, {"b"}}, &parent);
        ui::ReportView view;
        view.setListModel(m);
        int clicked = -1;
        QObject::connect(&view, &ui::ReportView::itemClicked, [&](int row) { clicked = row; });
        view.selectRow(0);  // "c"
        QCOMPARE(clicked, 0);
        m->sortByColumn(0);
        QCOMPARE(view.selectedRow(), 2);
        QCOMPARE(m->text(view.selectedRow(), 0), "c");
        // Selecting the selected row again still raises the row event.
        clicked = -1;
        view.selectRow(2);
        QCOMPARE(clicked, 2);
    }
};

QTEST_MAIN(LocaleTest)
#include "tst_locale.moc"
