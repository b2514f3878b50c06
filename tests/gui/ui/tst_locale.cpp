// The platform layer's Hungarian conventions: Qt's dialogs, the file dialog filters, and the
// lists' own sort in Hungarian collation with selections that follow their rows.

#include <QAbstractButton>
#include <QCollator>
#include <QDialogButtonBox>
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
    // Qt's own buttons and dialogs speak Hungarian, although the tests run in the C locale.
    void standardDialogsSpeakHungarian() {
        QVERIFY(ui::useHungarianQtDialogs());
        QDialogButtonBox box(QDialogButtonBox::Open | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
        QStringList captions;
        for (QAbstractButton* button : box.buttons())
            captions << button->text();
        captions.sort();
        QCOMPARE(captions, QStringList({"&Igen", "&Nem", "Megnyitás", "Mégse"}));
        QCOMPARE(QLocale().monthName(6), "június");  // the date picker's calendar
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
