// Numbers read from the register's text fields, and their rounding and ranges.

#include <QTest>

#include "store/numbers.h"

class NumbersTest : public QObject {
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
        QCOMPARE(store::numericValue(text), value);
        QCOMPARE(store::leadingNumber(text).has_value(), leading);
        QCOMPARE(store::wholeNumber(text).value_or(-1), whole);
        QCOMPARE(store::isNumber(text), isNumber);
    }

    void roundingAndRanges() {
        // Halves go to the even neighbour.
        const QList<std::pair<double, double>> rounded = {{0.5, 0},  {1.5, 2},   {2.5, 2},
                                                          {2.51, 3}, {-2.5, -2}, {1998.5, 1998}};
        for (const auto& [value, expected] : rounded)
            QCOMPARE(store::roundHalfEven(value), expected);
        QCOMPARE(store::toInt16(32767.4), std::optional<qint16>(32767));
        QCOMPARE(store::toInt16(32767.5), std::nullopt);
        QCOMPARE(store::toInt16(-32768), std::optional<qint16>(-32768));
        QCOMPARE(store::toInt32(2147483648.0), std::nullopt);
        QCOMPARE(store::toInt32(-12.5), std::optional<qint32>(-12));
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
