// Hungarian conventions: dates, numbers read from texts, rounding, grouping, colours.

#include <QTest>

#include "ui/locale.h"
#include "ui/qtplatform.h"

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void shortDates() {
        QCOMPARE(ui::shortDate(QDate(2012, 10, 15)), QStringLiteral("2012.10.15."));
        QCOMPARE(ui::shortDate(QDate(812, 1, 2)), QStringLiteral("0812.01.02."));
        QCOMPARE(ui::shortDate(QDate()), QString());
        QCOMPARE(ui::shortDate(41197.9), QStringLiteral("2012.10.15."));
    }

    void upperCasing() {
        QCOMPARE(ui::upper(QStringLiteral("árvíztűrő tükörfúrógép")),
                 QStringLiteral("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"));
        QVERIFY(ui::sameName(QStringLiteral(" kovács kft. "), QStringLiteral("KOVÁCS KFT.")));
        QVERIFY(!ui::sameName(QStringLiteral("Kovács  Kft."), QStringLiteral("Kovács Kft.")));
    }

    void numericValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("hasNumber");
        QTest::newRow("plain") << QStringLiteral("1042") << 1042.0 << true;
        QTest::newRow("leading blanks") << QStringLiteral("   12") << 12.0 << true;
        QTest::newRow("trailing letters") << QStringLiteral("12abc") << 12.0 << true;
        QTest::newRow("fraction") << QStringLiteral("12.5") << 12.5 << true;
        QTest::newRow("fraction only") << QStringLiteral(".5") << 0.5 << true;
        QTest::newRow("point without digits") << QStringLiteral("7.") << 7.0 << true;
        QTest::newRow("negative") << QStringLiteral("-3x") << -3.0 << true;
        QTest::newRow("comma stops") << QStringLiteral("1,5") << 1.0 << true;
        QTest::newRow("empty") << QString() << 0.0 << false;
        QTest::newRow("letters") << QStringLiteral("x12") << 0.0 << false;
        QTest::newRow("sign only") << QStringLiteral("-") << 0.0 << false;
        QTest::newRow("year of a date") << QStringLiteral("2011.05.03") << 2011.05 << true;
    }

    void numericValue() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, hasNumber);
        QCOMPARE(ui::numericValue(text), value);
        QCOMPARE(ui::leadingNumber(text).has_value(), hasNumber);
    }

    void roundingHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("2.51") << 2.51 << 3.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("1998.5") << 1998.5 << 1998.0;
    }

    void roundingHalvesToEven() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(ui::roundHalfEven(value), rounded);
    }

    void sixteenBitRange() {
        QCOMPARE(ui::toInt16(32767.4), std::optional<qint16>(32767));
        QCOMPARE(ui::toInt16(32767.5), std::nullopt);
        QCOMPARE(ui::toInt16(-32768), std::optional<qint16>(-32768));
        QCOMPARE(ui::toInt32(2147483648.0), std::nullopt);
        QCOMPARE(ui::toInt32(-12.5), std::optional<qint32>(-12));
    }

    void wholeNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<qint64>("value");
        QTest::newRow("digits") << QStringLiteral("1005") << true << qint64(1005);
        QTest::newRow("blanks and sign") << QStringLiteral("  -7 ") << true << qint64(-7);
        QTest::newRow("letters after") << QStringLiteral("12abc") << false << qint64(0);
        QTest::newRow("fraction") << QStringLiteral("1.5") << false << qint64(0);
        QTest::newRow("empty") << QString() << false << qint64(0);
        QTest::newRow("inner blank") << QStringLiteral("1 000") << false << qint64(0);
    }

    void wholeNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QFETCH(qint64, value);
        const auto read = ui::wholeNumber(text);
        QCOMPARE(read.has_value(), whole);
        if (whole)
            QCOMPARE(*read, value);
    }

    void numbersAsTheUserWritesThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("digits") << QStringLiteral("12") << true;
        QTest::newRow("decimal comma") << QStringLiteral("1,5") << true;
        QTest::newRow("letter after digits") << QStringLiteral("12x") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("separator only") << QStringLiteral(",") << false;
        QTest::newRow("two separators") << QStringLiteral("1,2,3") << false;
    }

    void numbersAsTheUserWritesThem() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(ui::isNumber(text), number);
    }

    void groupedThousands() {
        QCOMPARE(ui::groupedNumber(0), QStringLiteral("0"));
        QCOMPARE(ui::groupedNumber(999), QStringLiteral("999"));
        QCOMPARE(ui::groupedNumber(1234), QStringLiteral("1 234"));
        QCOMPARE(ui::groupedNumber(1234567), QStringLiteral("1 234 567"));
        QCOMPARE(ui::groupedNumber(-32768), QStringLiteral("-32 768"));
    }

    void storedColours() {
        QCOMPARE(ui::colorFromStored(0x00C00000), QColor(0, 0, 0xC0));
        QCOMPARE(ui::colorFromStored(255), QColor(Qt::red));
        QCOMPARE(ui::storedFromColor(QColor(0x12, 0x34, 0x56)), 0x00563412);
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
