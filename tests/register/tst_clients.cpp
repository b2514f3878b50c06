#include <QTest>

#include "register/clients.h"

class ClientsTest : public QObject {
    Q_OBJECT

private slots:
    void conflict_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("conflict");  // index, -1 for none
        QTest::newRow("same client, other case and spaces")
            << qint64(12) << QStringLiteral("KOVÁCS KFT. ") << -1;
        QTest::newRow("accented letters fold") << qint64(14) << QStringLiteral("ŐRI BT.") << -1;
        QTest::newRow("number of another client") << qint64(12) << QStringLiteral("Szabó Bt.") << 0;
        QTest::newRow("first of two holders") << qint64(13) << QStringLiteral("Harmadik") << 1;
        QTest::newRow("unused number") << qint64(99) << QStringLiteral("Szabó Bt.") << -1;
    }

    void conflict() {
        QFETCH(qint64, number);
        QFETCH(QString, name);
        QFETCH(int, conflict);
        const std::vector<store::UgyfelRekord> clients = {
            {QStringLiteral("Kovács Kft."), 12},
            {QStringLiteral("Második"), 13},
            {QStringLiteral("Másik"), 13},
            {QStringLiteral("  Őri Bt."), 14},
        };
        const auto found = reg::conflictingClient(clients, number, name);
        QCOMPARE(found ? int(*found) : -1, conflict);
    }
};

QTEST_MAIN(ClientsTest)
#include "tst_clients.moc"
