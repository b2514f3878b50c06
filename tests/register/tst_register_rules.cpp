// The rules of keeping the register and of the entry fields' help that need no window.

#include <QTest>
#include <limits>

#include "register/assist.h"
#include "register/changes.h"
#include "register/documents.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "support/tempregister.h"

using namespace reg;

class RegisterRulesTest : public QObject {
    Q_OBJECT

private slots:
    void serialOfARegistrationNumber_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("serialBox");
        QTest::addColumn<QString>("yearBox");
        QTest::addColumn<double>("serial");
        QTest::newRow("2012 on: the serial box") << 2012 << " 7x" << QString("/2012") << 7.0;
        QTest::newRow("old form, further parts") << 2011 << "" << QString("2011/45/B") << 45.0;
        QTest::newRow("old form, no slash") << 2011 << "5" << QString("2011") << 0.0;
        QTest::newRow("old form, ten characters")
            << 2011 << "" << QString("2011/1234567/") << 12345.0;
        QTest::newRow("old form, slash beyond ten")
            << 2010 << "" << QString("abcdefghij/12") << 0.0;
    }
    void serialOfARegistrationNumber() {
        QFETCH(int, year);
        QFETCH(QString, serialBox);
        QFETCH(QString, yearBox);
        QFETCH(double, serial);
        QCOMPARE(serialOf(year, serialBox, yearBox), serial);
    }

    // A year without folder gets it with an empty letter file and starts at 1; a full
    // counter proposes nothing. Num.dat is only read.
    void proposedNumbers() {
        testing::TempRegister files;
        const NumberProposal fresh = proposeNumber(files.paths(), 2024, true, {});
        QCOMPARE(fresh.elotag + fresh.sorszam + fresh.evszam, "B/1/2024");
        QCOMPARE(files.readYear(2024, u"Velmar.dat"), QByteArray());
        QVERIFY(testing::TempRegister::exists(files.yearFile(2024, u"Velmar.dat")));
        files.write(files.yearFile(2023, u"Num.dat"), testing::fromHex("FF7F 2500"));
        QCOMPARE(proposeNumber(files.paths(), 2023, true, QStringLiteral("A")).elotag, "AB/");
        QCOMPARE(proposeNumber(files.paths(), 2023, true, {}).sorszam, "38");
        const NumberProposal full = proposeNumber(files.paths(), 2023, false, {});
        QVERIFY(full.counterFull && full.sorszam.isEmpty());
        QCOMPARE(files.readYear(2023, u"Num.dat"), testing::fromHex("FF7F 2500"));
    }

    void counterMovesByOneOnly() {
        const store::NumRekord counters{10, 44};                // KiNum 10, BeNum 44
        const auto typed15 = countSerial(counters, false, 15);  // 11 proposed, 15 typed
        QCOMPARE(typed15->counters.KiNum, 11);
        QCOMPARE(typed15->num, 11);
        const auto given = countSerial(counters, false, 10);  // already given: Num 0
        QVERIFY(!given->moved && given->num == 0 && given->counters.KiNum == 10);
        QCOMPARE(countSerial(counters, true, 45)->num, 45);  // the incoming counter is 44
        // An old-form serial can lie beyond the counter when it is already at 32767.
        QVERIFY(!countSerial(store::NumRekord{10, 32767}, true, 40000).has_value());
        QCOMPARE(countSerial(store::NumRekord{10, 32767}, true, 32767)->num, 0);
        QCOMPARE(countSerial(store::NumRekord{32766, 0}, false, 32767)->num, 32767);
    }

    void handlersAreListedOnce() {
        testing::TempRegister files;
        QVERIFY(rememberHandler(files.paths(), QStringLiteral("Kiss Anna ")));
        QVERIFY(!rememberHandler(files.paths(), QStringLiteral(" kiss ANNA")));
        QVERIFY(rememberHandler(files.paths(), QStringLiteral("Nagy Éva")));
        QCOMPARE(files.readProgram(u"Ugyintezo.dat"),
                 "Kiss Anna" + QByteArray(31, ' ') + "Nagy \xC9va" + QByteArray(32, ' '));
    }

    // The next client number, and F2: its answer is the next number, the counter keeps the
    // one before it.
    void clientNumberCounter() {
        QCOMPARE(nextUszNum(0, 1000), 1000);  // below the start
        QCOMPARE(nextUszNum(0, 0), 1);
        QCOMPARE(nextUszNum(std::numeric_limits<qint32>::max(), 0),
                 std::numeric_limits<qint32>::max());  // the largest stays
        QCOMPARE(clientCounterFromAnswer(QStringLiteral("2000")), 1999);
        QCOMPARE(clientCounterFromAnswer(QStringLiteral("12.5x")), 12);  // halves to even
        for (const char* refused : {"", "sok", "2147483648"})
            QCOMPARE(clientCounterFromAnswer(QString(refused)), std::nullopt);
    }

    // What a letter stores ("serial client"), or which number is refused.
    void numbersALetterCanStore_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("client");
        QTest::addColumn<bool>("keepBlank");
        QTest::addColumn<QString>("stored");
        auto row = [](const char* name, const char* serial, const char* client, bool keepBlank,
                      const char* stored) {
            QTest::newRow(name) << QString(serial) << QString(client) << keepBlank
                                << QString(stored);
        };
        row("blanks around", " 15 ", " 7 ", false, "15 7");
        row("no client number", "15", "", false, "15 0");
        row("largest", "32767", "-32768", false, "32767 -32768");
        row("empty serial", "", "1", false, "serial refused");
        row("fraction", "1,5", "1", false, "serial refused");
        row("serial too big", "32768", "1", false, "serial refused");
        row("client too big", "1", "40000", false, "client refused");
        row("client not a number", "1", "12.5", false, "client refused");
        row("blank serial kept", "", "", true, "8224 0");
        row("blank kept only when empty", "x", "", true, "serial refused");
    }
    void numbersALetterCanStore() {
        QFETCH(QString, serial);
        QFETCH(QString, client);
        QFETCH(bool, keepBlank);
        QFETCH(QString, stored);
        LetterEntry entry;
        entry.sorszam = serial;
        entry.ugyfelszam = client;
        const NumberCheck c = checkNumbers(entry, keepBlank);
        QString result = QStringLiteral("%1 %2").arg(c.numbers.sorszam).arg(c.numbers.ugyfelszam);
        if (c.refusal)
            result = *c.refusal == Refusal::Serial ? "serial refused" : "client refused";
        QCOMPARE(result, stored);
    }

    void clientNumberConflict_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("taken");
        QTest::newRow("same client, case and spaces") << "  KOVÁCS KFT. " << QString("12") << false;
        QTest::newRow("accents fold too") << "kovács kft." << QString("12") << false;
        QTest::newRow("ő folds to Ő") << "ŐRI BT." << QString("14") << false;
        QTest::newRow("another client") << "Szabó Bt." << QString("12") << true;
        QTest::newRow("accent differs") << "Kovacs Kft." << QString("12") << true;
        QTest::newRow("unused number") << "Szabó Bt." << QString("99") << false;
        QTest::newRow("empty number") << "Szabó Bt." << QString() << false;
        QTest::newRow("zero belongs to nobody") << "Szabó Bt." << QString("0") << false;
        QTest::newRow("no whole number") << "Szabó Bt." << QString("12x") << false;
    }
    void clientNumberConflict() {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(bool, taken);
        const std::vector<store::UgyfelRekord> clients = {{QStringLiteral("Nulla Bt."), 0},
                                                          {QStringLiteral("Kovács Kft.  "), 12},
                                                          {QStringLiteral("  Őri Bt."), 14}};
        LetterEntry entry;
        entry.kitolKinek = name;
        entry.ugyfelszam = number;
        QCOMPARE(clientNumberTaken(clients, entry), taken);
    }

    void modificationAnswers() {
        // 2 stores an incoming letter, 1 and the numbers up to 2 an outgoing one.
        QCOMPARE(answeredDirection(QStringLiteral(" 2 ")), std::optional(true));
        QCOMPARE(answeredDirection(QStringLiteral("1,5")), std::optional(false));
        for (const char* none : {"0", "2x", "3", ""})
            QCOMPARE(answeredDirection(QString(none)), std::nullopt);
        QCOMPARE(answeredDirection(std::nullopt), std::nullopt);
    }

    // What the document choices keep: AktIratNev, AktIratUtvonal, AktMelleklet. Before:
    // document "level.pdf" at /regi, scanned letter regi.jpg.
    void documentChoices_data() {
        QTest::addColumn<bool>("scanned");  // the scanned-letter choice, else the document's
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("kept");
        const QString nev = "\"level.pdf\"", path = "\"/regi/level.pdf\"";
        auto row = [](const char* name, bool scanned, const char* chosen, QStringList kept) {
            QTest::newRow(name) << scanned << QString(chosen) << kept;
        };
        row("document", false, "/home/Levelek/valasz 12.doc",
            {"\"valasz 12.doc\"", "\"/home/Levelek/valasz 12.doc\"", ""});
        row("document cancelled", false, "", {"", path, ""});
        row("bare *.doc", false, "*.doc", {"", path, ""});
        row("bare *.pdf", false, "*.pdf", {"", path, ""});
        row("*.PDF is a name", false, "*.PDF", {"\"*.PDF\"", "\"*.PDF\"", ""});
        row("scan", true, "/home/Szkennelt/level 3.jpg", {nev, path, "level 3.jpg"});
        row("scan bare *.jpg", true, "*.jpg", {"", path, ""});
        row("scan cancelled", true, "", {nev, path, ""});
    }
    void documentChoices() {
        QFETCH(bool, scanned);
        QFETCH(QString, chosen);
        QFETCH(QStringList, kept);
        RegisterState state;
        state.aktIratNev = QStringLiteral("\"level.pdf\"");
        state.aktIratUtvonal = QStringLiteral("\"/regi/level.pdf\"");
        state.aktMelleklet = QStringLiteral("regi.jpg");
        if (scanned)
            applyScannedLetterChoice(state, chosen);
        else
            applyDocumentChoice(state, chosen);
        QCOMPARE((QStringList{state.aktIratNev, state.aktIratUtvonal, state.aktMelleklet}), kept);
    }

    void clientLookUp() {
        QByteArray clients;
        for (const char* name : {"Kovács Kft.", "Szabó Bt.", "  Rákos Bt.", "Großmann GmbH"})
            clients += store::UgyfelRekord{name, 1}.toBytes();
        auto found = [&](const char* typed) {
            const std::vector<int> rows = matchingClients(clients, typed);
            return QList<int>(rows.begin(), rows.end());
        };
        QCOMPARE(found("ko"), (QList<int>{0, 2}));
        QCOMPARE(found(" SZABÓ "), QList<int>{1});
        QCOMPARE(found("grossm"), QList<int>{3});  // ß upper-cases to SS
        QCOMPARE(found(""), (QList<int>{0, 1, 2, 3}));
    }

    void subjectCounterAndSerialBox() {
        QCOMPARE(subjectCounterText(0), QString());
        QCOMPARE(subjectCounterText(99), "még: 1 karakter!");
        QCOMPARE(subjectCounterText(100), "STOP");
        // Typed or pasted at the end, the text loses its end; typed inside, nothing is lost.
        QCOMPARE(numberOnly(QStringLiteral("12x"), QStringLiteral("12")), "12");
        QCOMPARE(numberOnly(QStringLiteral("12ab3"), QStringLiteral("12")), "12");
        QCOMPARE(numberOnly(QStringLiteral("1x2"), QStringLiteral("12")), "12");
        QCOMPARE(numberOnly(QStringLiteral("1,5"), QString()), "1,5");
    }

    void clientNumberWhileTyping_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("uszNum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");       // by Kovács Kft., number 12, for Szabó Bt.
        QTest::addColumn<qint64>("proposed");  // -1: the field keeps its text
        QTest::newRow("1041 -> 1042") << true << 1041 << QString() << false << qint64(1042);
        QTest::newRow("0 -> 1000") << true << 0 << QString() << false << qint64(1000);
        QTest::newRow("1500 stays") << true << 1041 << QString("1500") << false << qint64(-1);
        QTest::newRow("off") << false << 1041 << QString() << false << qint64(-1);
        QTest::newRow("taken") << false << 0 << QString("12") << true << qint64(-1);
        QTest::newRow("no whole number") << false << 0 << QString("12.0") << false << qint64(-1);
    }
    void clientNumberWhileTyping() {
        QFETCH(bool, automatic);
        QFETCH(int, uszNum);
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QFETCH(qint64, proposed);
        const std::vector<store::UgyfelRekord> clients = {{"Kovács Kft.", 12}, {"Szabó Bt.", 0}};
        QCOMPARE(clientNumberTaken(clients, typed, QStringLiteral(" szabó bt.")), taken);
        store::SetupRekord setup;
        setup.AutUgyfelszam = automatic ? store::kTrue : store::kFalse;
        setup.KezdoUgyfelszam = 1000;
        QCOMPARE(proposedClientNumber(typed, setup, uszNum).value_or(-1), proposed);
    }
};

QTEST_GUILESS_MAIN(RegisterRulesTest)
#include "tst_register_rules.moc"
