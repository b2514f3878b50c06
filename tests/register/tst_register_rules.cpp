// The rules of keeping the register that need no file and no window: the serial a letter
// counts, how the counters move, which numbers a letter can store, the client-number
// conflict, the answers of the modification box, the deletion question's number and what the
// document choices keep.

#include <QTest>
#include <limits>

#include "register/changes.h"
#include "register/documents.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "store/oledate.h"

using namespace reg;

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<QString>)

class RegisterRulesTest : public QObject {
    Q_OBJECT

private slots:
    void serialOfARegistrationNumber_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("serialBox");
        QTest::addColumn<QString>("yearBox");
        QTest::addColumn<double>("serial");
        QTest::newRow("2012 on: the serial box") << 2024 << "15"
                                                 << "/2024" << 15.0;
        QTest::newRow("2012 on: leading number") << 2012 << " 7x"
                                                 << "/2012" << 7.0;
        QTest::newRow("2012 on: empty box") << 2024 << ""
                                            << "/2024/3" << 0.0;
        QTest::newRow("old form") << 2011 << "99"
                                  << "2011/123" << 123.0;
        QTest::newRow("old form, further parts") << 2011 << ""
                                                 << "2011/45/B" << 45.0;
        QTest::newRow("old form, no slash") << 2011 << "5"
                                            << "2011" << 0.0;
        QTest::newRow("old form, ten characters only") << 2011 << ""
                                                       << "2011/1234567/" << 12345.0;
        QTest::newRow("old form, slash beyond ten") << 2010 << ""
                                                    << "abcdefghij/12" << 0.0;
        QTest::newRow("new form in an old year") << 2011 << "45"
                                                 << "/2011" << 2011.0;
    }
    void serialOfARegistrationNumber() {
        QFETCH(int, year);
        QFETCH(QString, serialBox);
        QFETCH(QString, yearBox);
        QFETCH(double, serial);
        QCOMPARE(serialOf(year, serialBox, yearBox), serial);
    }

    void counterMovesByOneOnly_data() {
        QTest::addColumn<bool>("incoming");
        QTest::addColumn<double>("serial");
        QTest::addColumn<int>("kiNum");
        QTest::addColumn<int>("beNum");
        QTest::addColumn<int>("num");
        // Counters before: KiNum 10, BeNum 20.
        QTest::newRow("proposed outgoing") << false << 11.0 << 11 << 20 << 11;
        QTest::newRow("typed above: one step") << false << 15.0 << 11 << 20 << 11;
        QTest::newRow("already given") << false << 10.0 << 10 << 20 << 0;
        QTest::newRow("lower") << false << 3.0 << 10 << 20 << 0;
        QTest::newRow("incoming counts BeNum") << true << 21.0 << 10 << 21 << 21;
        QTest::newRow("incoming equal") << true << 20.0 << 10 << 20 << 0;
    }
    void counterMovesByOneOnly() {
        QFETCH(bool, incoming);
        QFETCH(double, serial);
        QFETCH(int, kiNum);
        QFETCH(int, beNum);
        QFETCH(int, num);
        const auto move = countSerial(store::NumRekord{10, 20}, incoming, serial);
        QVERIFY(move.has_value());
        QCOMPARE(int(move->counters.KiNum), kiNum);
        QCOMPARE(int(move->counters.BeNum), beNum);
        QCOMPARE(move->num, num);
        QCOMPARE(move->moved, num != 0);
    }

    void aFullCounterRefusesAFurtherSerial() {
        // An old-form serial can lie beyond the 16-bit range while the counter is full.
        QVERIFY(!countSerial(store::NumRekord{0, 32767}, true, 40000).has_value());
        // A serial that does not raise the counter is still fine.
        const auto move = countSerial(store::NumRekord{0, 32767}, true, 32767);
        QVERIFY(move.has_value());
        QCOMPARE(move->num, 0);
        QCOMPARE(countSerial(store::NumRekord{32766, 0}, false, 32767)->num, 32767);
    }

    void deletionLowersTheCounterOfItsDirection() {
        const store::NumRekord lowered = lowerCounter(store::NumRekord{14, 37}, true);
        QCOMPARE(lowered.KiNum, qint16(14));
        QCOMPARE(lowered.BeNum, qint16(36));
        QCOMPARE(lowerCounter(store::NumRekord{1, 37}, false).KiNum, qint16(0));
        // Below zero as the old program went, but never round to 32767.
        QCOMPARE(lowerCounter(store::NumRekord{0, 0}, false).KiNum, qint16(-1));
        QCOMPARE(lowerCounter(store::NumRekord{-32768, 0}, false).KiNum, qint16(-32768));
    }

    void clientNumberCounter_data() {
        QTest::addColumn<int>("uszNum");
        QTest::addColumn<int>("kezdo");
        QTest::addColumn<int>("next");
        QTest::newRow("above the start") << 1004 << 1000 << 1005;
        QTest::newRow("below the start") << 0 << 1000 << 1000;
        QTest::newRow("just below") << 998 << 1000 << 1000;
        QTest::newRow("at the start") << 1000 << 1000 << 1001;
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
        QTest::newRow("both") << "15"
                              << "1001" << false << none << 15 << 1001;
        QTest::newRow("blanks around") << " 15 "
                                       << " 7 " << false << none << 15 << 7;
        QTest::newRow("no client number") << "15"
                                          << "" << false << none << 15 << 0;
        QTest::newRow("largest") << "32767"
                                 << "32767" << false << none << 32767 << 32767;
        QTest::newRow("negative") << "-3"
                                  << "-32768" << false << none << -3 << -32768;
        QTest::newRow("empty serial") << ""
                                      << "1" << false << serial << 0 << 0;
        QTest::newRow("fraction") << "1,5"
                                  << "1" << false << serial << 0 << 0;
        QTest::newRow("point fraction") << "1.5"
                                        << "1" << false << serial << 0 << 0;
        QTest::newRow("serial too big") << "32768"
                                        << "1" << false << serial << 0 << 0;
        QTest::newRow("letters after") << "12a"
                                       << "1" << false << serial << 0 << 0;
        QTest::newRow("client too big") << "1"
                                        << "40000" << false << client << 1 << 0;
        QTest::newRow("client not a number") << "1"
                                             << "abc" << false << client << 1 << 0;
        QTest::newRow("client fraction") << "1"
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
        QTest::newRow("same client, other case and spaces") << "  KOVÁCS KFT. "
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
        QTest::newRow("number of nobody") << "Szabó Bt."
                                          << "13" << false;
        QTest::newRow("no whole number") << "Szabó Bt."
                                         << "12x" << false;
        QTest::newRow("inner spaces count") << "Kovács  Kft."
                                            << "12" << true;
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

    void pastDate_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("before");
        QTest::newRow("yesterday late") << QDate(2024, 6, 13) << QTime(23, 59) << true;
        QTest::newRow("today at midnight") << QDate(2024, 6, 14) << QTime(0, 0) << false;
        QTest::newRow("tomorrow") << QDate(2024, 6, 15) << QTime(0, 0) << false;
        QTest::newRow("last year") << QDate(2023, 12, 31) << QTime(0, 0) << true;
    }
    void pastDate() {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(bool, before);
        QCOMPARE(datedBeforeToday(store::oleFromDate(date, time), QDate(2024, 6, 14)), before);
    }

    void modificationAnswers_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<std::optional<bool>>("incoming");
        const std::optional<bool> none;
        QTest::newRow("2") << std::optional<QString>(QStringLiteral("2")) << std::optional(true);
        QTest::newRow("1") << std::optional<QString>(QStringLiteral("1")) << std::optional(false);
        QTest::newRow("between") << std::optional<QString>(QStringLiteral("1,5"))
                                 << std::optional(false);
        QTest::newRow("2 with blanks")
            << std::optional<QString>(QStringLiteral(" 2 ")) << std::optional(true);
        QTest::newRow("3") << std::optional<QString>(QStringLiteral("3")) << none;
        QTest::newRow("0") << std::optional<QString>(QStringLiteral("0")) << none;
        QTest::newRow("letter") << std::optional<QString>(QStringLiteral("x")) << none;
        QTest::newRow("number and letter") << std::optional<QString>(QStringLiteral("2x")) << none;
        QTest::newRow("empty") << std::optional<QString>(QString()) << none;
        QTest::newRow("cancelled") << std::optional<QString>() << none;
    }
    void modificationAnswers() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(std::optional<bool>, incoming);
        QCOMPARE(answeredDirection(answer), incoming);
    }

    void registrationNumberOfTheDeletionQuestion_data() {
        QTest::addColumn<QString>("elotag");
        QTest::addColumn<int>("sorszam");
        QTest::addColumn<QString>("evszam");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "B/" << 15 << "/2024"
                               << "B/15/2024";
        QTest::newRow("group, padded fields") << " AK/" << 7 << " /2024/2  "
                                              << "AK/7/2024/2";
        QTest::newRow("blank serial") << "B/" << 8224 << "/2011"
                                      << "B//2011";
        QTest::newRow("old form") << "" << 8224 << "2011/123"
                                  << "2011/123";
    }
    void registrationNumberOfTheDeletionQuestion() {
        QFETCH(QString, elotag);
        QFETCH(int, sorszam);
        QFETCH(QString, evszam);
        QFETCH(QString, text);
        store::LevelRekord letter;
        letter.Elotag = elotag;
        letter.Sorszam = qint16(sorszam);
        letter.Evszam = evszam;
        QCOMPARE(registrationText(letter), text);
        QCOMPARE(deletionQuestion(letter).text,
                 QStringLiteral("Biztos T Ö R Ö L H E T Ő\n\ra(z)    ") + text +
                     QStringLiteral("\n\riktatási számú tétel? "));
    }

    void documentChoice_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("nev");
        QTest::addColumn<QString>("utvonal");
        // Before: a previous document and a scanned letter.
        QTest::newRow("a document") << "/home/iroda/Levelek/valasz 12.doc"
                                    << "\"valasz 12.doc\""
                                    << "\"/home/iroda/Levelek/valasz 12.doc\"";
        QTest::newRow("cancelled keeps the path") << ""
                                                  << ""
                                                  << "\"/regi/level.pdf\"";
        QTest::newRow("bare doc pattern") << "*.doc"
                                          << ""
                                          << "\"/regi/level.pdf\"";
        QTest::newRow("bare jpg pattern") << "*.jpg"
                                          << ""
                                          << "\"/regi/level.pdf\"";
        QTest::newRow("bare pdf pattern") << "*.pdf"
                                          << ""
                                          << "\"/regi/level.pdf\"";
        QTest::newRow("upper-case pattern is a name") << "*.PDF"
                                                      << "\"*.PDF\""
                                                      << "\"*.PDF\"";
    }
    void documentChoice() {
        QFETCH(QString, chosen);
        QFETCH(QString, nev);
        QFETCH(QString, utvonal);
        RegisterState state;
        state.aktIratNev = QStringLiteral("\"level.pdf\"");
        state.aktIratUtvonal = QStringLiteral("\"/regi/level.pdf\"");
        state.aktMelleklet = QStringLiteral("scan.jpg");
        applyDocumentChoice(state, chosen);
        QCOMPARE(state.aktIratNev, nev);
        QCOMPARE(state.aktIratUtvonal, utvonal);
        QCOMPARE(state.aktMelleklet, QString());
    }

    void scannedLetterChoice_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("melleklet");
        QTest::addColumn<QString>("nev");
        QTest::newRow("a scan") << "/home/iroda/Szkennelt/level 3.jpg"
                                << "level 3.jpg"
                                << "\"level.pdf\"";
        QTest::newRow("bare jpg pattern") << "*.jpg"
                                          << ""
                                          << "";
        QTest::newRow("bare pdf pattern") << "*.pdf"
                                          << ""
                                          << "";
        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "\"level.pdf\"";
    }
    void scannedLetterChoice() {
        QFETCH(QString, chosen);
        QFETCH(QString, melleklet);
        QFETCH(QString, nev);
        RegisterState state;
        state.aktIratNev = QStringLiteral("\"level.pdf\"");
        state.aktIratUtvonal = QStringLiteral("\"/regi/level.pdf\"");
        state.aktMelleklet = QStringLiteral("regi.jpg");
        applyScannedLetterChoice(state, chosen);
        QCOMPARE(state.aktMelleklet, melleklet);
        QCOMPARE(state.aktIratNev, nev);
        QCOMPARE(state.aktIratUtvonal, QStringLiteral("\"/regi/level.pdf\""));
    }
};

QTEST_GUILESS_MAIN(RegisterRulesTest)
#include "tst_register_rules.moc"
