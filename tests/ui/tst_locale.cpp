// Hungarian conventions: numbers read from texts, rounding, and the file dialog filters.
// Dates, upper-casing, grouped thousands and stored colours are checked where they show: in
// the list cells, the name comparisons, the printed total and the settings.

#include <QTest>

#include "ui/locale.h"
#include "ui/qtplatform.h"

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
        row("1042", 1042, true, 1042, true);
        row("   12", 12, true, 12, true);
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
};

QTEST_MAIN(LocaleTest)
#include "tst_locale.moc"
