// The entry fields' helpers without the window: pick list filtering and the client number
// check and proposal.

#include <QTest>

#include "register/assist.h"

class AssistTest : public QObject {
    Q_OBJECT

private slots:
    void clientLookUp() {
        QByteArray clients;
        for (const char* name : {"Kovács Kft.", "Szabó Bt.", "  Rákos Bt.", "Großmann GmbH"})
            clients += store::UgyfelRekord{QString::fromUtf8(name), 1}.toBytes();
        auto found = [&](const char* typed) {
            const std::vector<int> rows = reg::matchingClients(clients, QString::fromUtf8(typed));
            return QList<int>(rows.begin(), rows.end());
        };
        QCOMPARE(found("ko"), (QList<int>{0, 2}));
        QCOMPARE(found(" SZABÓ "), QList<int>{1});
        QCOMPARE(found("grossm"), QList<int>{3});  // ß upper-cases to SS
        QCOMPARE(found(""), (QList<int>{0, 1, 2, 3}));
    }

    void clientNumbers_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("uszNum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");       // by Kovács Kft., number 12, for Szabó Bt.
        QTest::addColumn<qint64>("proposed");  // -1: the field keeps its text
        QTest::newRow("1041 -> 1042") << true << 1041 << "" << false << qint64(1042);
        QTest::newRow("0 -> 1000") << true << 0 << "" << false << qint64(1000);
        QTest::newRow("1500 stays") << true << 1041 << "1500" << false << qint64(-1);
        QTest::newRow("off") << false << 1041 << "" << false << qint64(-1);
        QTest::newRow("taken") << false << 0 << "12" << true << qint64(-1);
        QTest::newRow("no whole number") << false << 0 << "12.0" << false << qint64(-1);
    }

    void clientNumbers() {
        QFETCH(bool, automatic);
        QFETCH(int, uszNum);
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QFETCH(qint64, proposed);
        const std::vector<store::UgyfelRekord> clients = {{QStringLiteral("Kovács Kft."), 12},
                                                          {QStringLiteral("Szabó Bt."), 0}};
        QCOMPARE(reg::clientNumberTaken(clients, typed, QStringLiteral(" szabó bt.")), taken);
        store::SetupRekord setup;
        setup.AutUgyfelszam = automatic ? store::kTrue : store::kFalse;
        setup.KezdoUgyfelszam = 1000;
        QCOMPARE(reg::proposedClientNumber(typed, setup, uszNum).value_or(-1), proposed);
    }
};

QTEST_MAIN(AssistTest)
#include "tst_assist.moc"
