// The rules of keeping the register that need no window: the serial a letter counts, how the
// counters move, which numbers a letter can store, the client-number conflict, the answers
// of the modification box and what the document choices keep.

#include <QTest>
#include <limits>

#include "register/changes.h"
#include "register/documents.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "ui/qtplatform.h"

using namespace reg;

class RegisterRulesTest : public QObject {
    Q_OBJECT

private slots:
    void serialOfARegistrationNumber_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("serialBox");
        QTest::addColumn<QString>("yearBox");
        QTest::addColumn<double>("serial");
        QTest::newRow("2012 on: the serial box") << 2012 << " 7x"
                                                 << "/2012" << 7.0;
        QTest::newRow("old form, further parts") << 2011 << ""
                                                 << "2011/45/B" << 45.0;
        QTest::newRow("old form, no slash") << 2011 << "5"
                                            << "2011" << 0.0;
        QTest::newRow("old form, ten characters") << 2011 << ""
                                                  << "2011/1234567/" << 12345.0;
        QTest::newRow("old form, slash beyond ten") << 2010 << ""
                                                    << "abcdefghij/12" << 0.0;
    }
    void serialOfARegistrationNumber() {
        QFETCH(int, year);
        QFETCH(QString, serialBox);
        QFETCH(QString, yearBox);
        QFETCH(double, serial);
        QCOMPARE(serialOf(year, serialBox, yearBox), serial);
    }

    void aFullCounterGivesNoFurtherSerial() {
        // An old-form serial can lie beyond the counter when it is already at 32767.
        QVERIFY(!countSerial(store::NumRekord{10, 32767}, true, 40000).has_value());
        QCOMPARE(countSerial(store::NumRekord{10, 32767}, true, 32767)->num, 0);
        QCOMPARE(countSerial(store::NumRekord{32766, 0}, false, 32767)->num, 32767);
    }

    void clientNumberCounter_data() {
        QTest::addColumn<int>("uszNum");
        QTest::addColumn<int>("kezdo");
        QTest::addColumn<int>("next");
        QTest::newRow("below the start") << 0 << 1000 << 1000;
        QTest::newRow("no start") << 0 << 0 << 1;
        QTest::newRow("largest stays")
            << std::numeric_limits<qint32>::max() << 0 << std::numeric_limits<qint32>::max();
    }
    void clientNumberCounter() {
        QFETCH(int, uszNum);
        QFETCH(int, kezdo);
        QFETCH(int, next);
        QCOMPARE(nextUszNum(uszNum, kezdo), next);
    }

    void numbersALetterCanStore_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("client");
        QTest::addColumn<bool>("keepBlank");
        QTest::addColumn<int>("refusal");  // -1 none, else Refusal
        QTest::addColumn<int>("sorszam");
        QTest::addColumn<int>("ugyfelszam");
        const int none = -1, serial = int(Refusal::Serial), client = int(Refusal::ClientNumber);
        QTest::newRow("blanks around") << " 15 "
                                       << " 7 " << false << none << 15 << 7;
        QTest::newRow("no client number") << "15"
                                          << "" << false << none << 15 << 0;
        QTest::newRow("largest") << "32767"
                                 << "-32768" << false << none << 32767 << -32768;
        QTest::newRow("empty serial") << ""
                                      << "1" << false << serial << 0 << 0;
        QTest::newRow("fraction") << "1,5"
                                  << "1" << false << serial << 0 << 0;
        QTest::newRow("serial too big") << "32768"
                                        << "1" << false << serial << 0 << 0;
        QTest::newRow("client too big") << "1"
                                        << "40000" << false << client << 1 << 0;
        QTest::newRow("client not a number") << "1"
                                             << "12.5" << false << client << 1 << 0;
        QTest::newRow("blank serial kept") << ""
                                           << "" << true << none << 8224 << 0;
        QTest::newRow("blank kept only when empty") << "x"
                                                    << "" << true << serial << 0 << 0;
    }
    void numbersALetterCanStore() {
        QFETCH(QString, serial);
        QFETCH(QString, client);
        QFETCH(bool, keepBlank);
        QFETCH(int, refusal);
        QFETCH(int, sorszam);
        QFETCH(int, ugyfelszam);
        LetterEntry entry;
        entry.sorszam = serial;
        entry.ugyfelszam = client;
        const NumberCheck check = checkNumbers(entry, keepBlank);
        QCOMPARE(check.refusal ? int(*check.refusal) : -1, refusal);
        if (!check.refusal) {
            QCOMPARE(int(check.numbers.sorszam), sorszam);
            QCOMPARE(int(check.numbers.ugyfelszam), ugyfelszam);
        }
    }

    void clientNumberConflict_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("taken");
        QTest::newRow("same client, case and spaces") << "  KOVÁCS KFT. "
                                                      << "12" << false;
        QTest::newRow("accents fold too") << "kovács kft."
                                          << "12" << false;
        QTest::newRow("another client") << "Szabó Bt."
                                        << "12" << true;
        QTest::newRow("accent differs") << "Kovacs Kft."
                                        << "12" << true;
        QTest::newRow("empty number") << "Szabó Bt."
                                      << "" << false;
        QTest::newRow("zero belongs to nobody") << "Szabó Bt."
                                                << "0" << false;
        QTest::newRow("no whole number") << "Szabó Bt."
                                         << "12x" << false;
    }
    void clientNumberConflict() {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(bool, taken);
        const std::vector<store::UgyfelRekord> clients = {{QStringLiteral("Nulla Bt."), 0},
                                                          {QStringLiteral("Kovács Kft.  "), 12}};
        LetterEntry entry;
        entry.kitolKinek = name;
        entry.ugyfelszam = number;
        QCOMPARE(clientNumberTaken(clients, entry), taken);
    }

    void modificationAnswers() {
        // 2 stores an incoming letter, 1 and the numbers up to 2 an outgoing one.
        QCOMPARE(answeredDirection(QStringLiteral(" 2 ")), std::optional(true));
        QCOMPARE(answeredDirection(QStringLiteral("1,5")), std::optional(false));
        QCOMPARE(answeredDirection(QStringLiteral("0")), std::nullopt);
        QCOMPARE(answeredDirection(QStringLiteral("2x")), std::nullopt);
    }

    void documentChoices_data() {
        QTest::addColumn<bool>("scanned");  // the scanned-letter choice, else the document's
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("nev");
        QTest::addColumn<QString>("utvonal");
        QTest::addColumn<QString>("melleklet");
        // Before: document "level.pdf" at /regi, scanned letter regi.jpg.
        const QString nev = QStringLiteral("\"level.pdf\""),
                      path = QStringLiteral("\"/regi/level.pdf\"");
        QTest::newRow("document") << false << "/home/Levelek/valasz 12.doc"
                                  << "\"valasz 12.doc\""
                                  << "\"/home/Levelek/valasz 12.doc\""
                                  << "";
        QTest::newRow("document cancelled") << false << ""
                                            << "" << path << "";
        QTest::newRow("bare *.doc") << false << "*.doc"
                                    << "" << path << "";
        QTest::newRow("bare *.pdf") << false << "*.pdf"
                                    << "" << path << "";
        QTest::newRow("*.PDF is a name") << false << "*.PDF"
                                         << "\"*.PDF\""
                                         << "\"*.PDF\""
                                         << "";
        QTest::newRow("scan") << true << "/home/Szkennelt/level 3.jpg" << nev << path
                              << "level 3.jpg";
        QTest::newRow("scan bare *.jpg") << true << "*.jpg"
                                         << "" << path << "";
        QTest::newRow("scan cancelled") << true << "" << nev << path << "";
    }
    void documentChoices() {
        QFETCH(bool, scanned);
        QFETCH(QString, chosen);
        QFETCH(QString, nev);
        QFETCH(QString, utvonal);
        QFETCH(QString, melleklet);
        RegisterState state;
        state.aktIratNev = QStringLiteral("\"level.pdf\"");
        state.aktIratUtvonal = QStringLiteral("\"/regi/level.pdf\"");
        state.aktMelleklet = QStringLiteral("regi.jpg");
        if (scanned)
            applyScannedLetterChoice(state, chosen);
        else
            applyDocumentChoice(state, chosen);
        QCOMPARE(state.aktIratNev, nev);
        QCOMPARE(state.aktIratUtvonal, utvonal);
        QCOMPARE(state.aktMelleklet, melleklet);
    }

    void dialogFiltersOfBarePatterns() {
        QCOMPARE(ui::qtNameFilters(QStringLiteral("*.jpg;*.PDF")),
                 QStringList{QStringLiteral("*.jpg;*.PDF (*.jpg *.JPG *.PDF *.pdf)")});
    }
};

QTEST_GUILESS_MAIN(RegisterRulesTest)
#include "tst_register_rules.moc"
