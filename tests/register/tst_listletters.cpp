// Finding the letters behind a list's rows by their "rec" numbers.

#include <QTest>

#include "register/listletters.h"
#include "support/tempregister.h"

using namespace testing;

class ListLettersTest : public QObject {
    Q_OBJECT

private slots:
    void recordNumbersInDisplayOrder() {
        ui::ListModel model({{QStringLiteral("Név")}, {QStringLiteral("rec")}});
        model.setTexts({{QStringLiteral("b"), QStringLiteral("    1")},
                        {QStringLiteral("c"), QStringLiteral("   12")},
                        {QStringLiteral("a"), QStringLiteral("32768")},
                        {QStringLiteral("d"), QStringLiteral("")},
                        {QStringLiteral("e"), QStringLiteral("-3")}});
        model.sortByColumn(0);
        // Sorted: a, b, c, d, e. An empty or negative cell names no letter.
        QCOMPARE(reg::recordNumbers(model, 1), (std::vector<qint64>{32768, 1, 12, 0, 0}));
    }

    void recordsInTheGivenOrder() {
        TempRegister files;
        const auto first = letter(QDate(2024, 1, 2), true, 1, QStringLiteral("Első"));
        const auto second = letter(QDate(2024, 1, 3), false, 1, QStringLiteral("Második"));
        const auto third = letter(QDate(2024, 1, 4), true, 2, QStringLiteral("Harmadik"));
        const QString path = files.yearFile(2024, u"Velmar.dat");
        // A trailing partial record is no letter.
        files.write(path, first.toBytes() + second.toBytes() + third.toBytes() + "tail");

        const QByteArray records = reg::recordsByNumber(path, {3, 1, 4, 0, 2, 3});
        QCOMPARE(records.size(), 6 * 258);
        const QByteArray empty = store::LevelRekord().toBytes();
        QCOMPARE(records.mid(0, 258), third.toBytes());
        QCOMPARE(records.mid(258, 258), first.toBytes());
        QCOMPARE(records.mid(2 * 258, 258), empty);
        QCOMPARE(records.mid(3 * 258, 258), empty);
        QCOMPARE(records.mid(4 * 258, 258), second.toBytes());
        QCOMPARE(records.mid(5 * 258, 258), third.toBytes());

        const auto letters = reg::lettersOf(records);
        QCOMPARE(letters.size(), size_t(6));
        QCOMPARE(store::trimmed(letters[4].KitolKinek), QStringLiteral("Második"));
    }

    void aMissingFileGivesEmptyLetters() {
        TempRegister files;
        const QByteArray records =
            reg::recordsByNumber(files.yearFile(2031, u"Velmar.dat"), {1, 2});
        QCOMPARE(records, store::LevelRekord().toBytes().repeated(2));
    }
};

QTEST_GUILESS_MAIN(ListLettersTest)
#include "tst_listletters.moc"
