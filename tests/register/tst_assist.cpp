// The entry fields' helpers without the window: pick list filtering, the subject counter,
// the number-only serial and the client number check, proposal and counter.

#include <QTest>

#include "register/assist.h"

namespace {

template <typename R>
QByteArray bytesOf(const std::vector<R>& records) {
    QByteArray bytes;
    for (const R& r : records)
        bytes += r.toBytes();
    return bytes;
}

const std::vector<store::UgyfelRekord> kClients = {
    {QStringLiteral("Kovács Kft."), 12},
    {QStringLiteral("Szabó Bt."), 1041},
    {QStringLiteral("  Rákos Bt."), 0},
    {QStringLiteral("Großmann GmbH"), 5},
};

}  // namespace

class AssistTest : public QObject {
    Q_OBJECT

private slots:
    void clientLookUp_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("ko") << "ko" << QList<int>{0, 2};
        QTest::newRow("trimmed, any case") << "  KO " << QList<int>{0, 2};
        QTest::newRow("accented") << "SZABÓ" << QList<int>{1};
        QTest::newRow("empty lists all") << "" << QList<int>{0, 1, 2, 3};
        QTest::newRow("ß upper-cases to SS") << "grossm" << QList<int>{3};
        QTest::newRow("nobody") << "xyz" << QList<int>{};
    }

    void clientLookUp() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, rows);
        const std::vector<int> found = reg::matchingClients(bytesOf(kClients), typed);
        QCOMPARE(QList<int>(found.begin(), found.end()), rows);
    }

    void pickListCells() {
        const QByteArray clients = bytesOf(kClients);
        QCOMPARE(reg::clientCell(clients, 2, 0), QStringLiteral("Rákos Bt."));
        QCOMPARE(reg::clientCell(clients, 1, 1), QStringLiteral("1041"));
        QCOMPARE(reg::clientCell(clients, 2, 2), QStringLiteral("3"));
        const QByteArray handlers = bytesOf(std::vector<store::UgyintezoRekord>{
            {QStringLiteral("Kiss Anna")}, {QStringLiteral(" Őri Zsófia ")}});
        const std::vector<int> found = reg::matchingHandlers(handlers, QStringLiteral("ő"));
        QCOMPARE(QList<int>(found.begin(), found.end()), QList<int>{1});
        QCOMPARE(reg::handlerCell(handlers, 1, 0), QStringLiteral("Őri Zsófia"));
        QCOMPARE(reg::handlerCell(handlers, 1, 1), QStringLiteral("2"));
    }

    void subjectCounter_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << 0 << "";
        QTest::newRow("43") << 43 << "még: 57 karakter!";
        QTest::newRow("99") << 99 << "még: 1 karakter!";
        QTest::newRow("100") << 100 << "STOP";
    }

    void subjectCounter() {
        QFETCH(int, length);
        QFETCH(QString, text);
        QCOMPARE(reg::subjectCounterText(length), text);
    }

    void numberOnlySerial_data() {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("x after digits") << "12"
                                        << "12x"
                                        << "12";
        QTest::newRow("only a letter") << ""
                                       << "x"
                                       << "";
        QTest::newRow("pasted") << ""
                                << "12ab3"
                                << "12";
        QTest::newRow("x between digits") << "12"
                                          << "1x2"
                                          << "12";
        QTest::newRow("replaced by a letter") << "12"
                                              << "x"
                                              << "12";
        QTest::newRow("decimal comma") << "1"
                                       << "1,5"
                                       << "1,5";
        QTest::newRow("sign alone") << ""
                                    << "-"
                                    << "";
        QTest::newRow("number") << "12"
                                << "125"
                                << "125";
    }

    void numberOnlySerial() {
        QFETCH(QString, previous);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QCOMPARE(reg::numberOnly(text, previous), kept);
    }

    void clientNumberTaken_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("another client's") << "12"
                                          << "Szabó Bt." << true;
        QTest::newRow("own number") << " 12 "
                                    << "kovács kft." << false;
        QTest::newRow("no whole number") << "12.5"
                                         << "Szabó Bt." << false;
        QTest::newRow("empty, a client has 0") << ""
                                               << "Szabó Bt." << false;
        QTest::newRow("unused") << "99"
                                << "Szabó Bt." << false;
    }

    void clientNumberTaken() {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(bool, taken);
        QCOMPARE(reg::clientNumberTaken(kClients, number, name), taken);
    }

    void clientNumberProposal_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("uszNum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("proposed");  // -1: the field keeps its text
        QTest::newRow("next after 1041") << true << 1041 << "" << qint64(1042);
        QTest::newRow("counter 0: start") << true << 0 << "" << qint64(1000);
        QTest::newRow("1500 stays") << true << 1041 << "1500" << qint64(-1);
        QTest::newRow("below start replaced") << true << 1041 << "12" << qint64(1042);
        QTest::newRow("off") << false << 1041 << "" << qint64(-1);
    }

    void clientNumberProposal() {
        QFETCH(bool, automatic);
        QFETCH(int, uszNum);
        QFETCH(QString, typed);
        QFETCH(qint64, proposed);
        store::SetupRekord setup;
        setup.AutUgyfelszam = automatic ? store::kTrue : store::kFalse;
        setup.KezdoUgyfelszam = 1000;
        QCOMPARE(reg::proposedClientNumber(typed, setup, uszNum).value_or(-1), proposed);
    }

    void clientCounterFromAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<qint64>("counter");  // -1: refused
        QTest::newRow("2000") << "2000" << qint64(1999);
        QTest::newRow("halves to even") << "2000.5" << qint64(2000);
        QTest::newRow("leading number") << " 15 db" << qint64(14);
        QTest::newRow("no number") << "abc" << qint64(-1);
        QTest::newRow("too large") << "2147483649" << qint64(-1);
    }

    void clientCounterFromAnswer() {
        QFETCH(QString, answer);
        QFETCH(qint64, counter);
        const auto result = reg::clientCounterFromAnswer(answer);
        QCOMPARE(result ? qint64(*result) : qint64(-1), counter);
    }
};

QTEST_MAIN(AssistTest)
#include "tst_assist.moc"
