// The rules of keeping the register and of the entry fields' help that need no window.

#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include "register/assist.h"
#include "register/changes.h"
#include "register/clients.h"
#include "register/counters.h"
#include "register/documents.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "store/oledate.h"
#include "support/tempregister.h"

using namespace reg;

class RegisterRulesTest : public QObject {
    Q_OBJECT

private slots:
    // From 2012 the serial box holds the serial; before, the number after the year box's
    // first slash, read within its first ten characters.
    void serialOfARegistrationNumber() {
        for (const auto& [year, serialBox, yearBox, serial] :
             {std::tuple{2012, u" 7x", u"/2012", 7.0}, std::tuple{2011, u"", u"2011/45/B", 45.0},
              std::tuple{2011, u"5", u"2011", 0.0},
              std::tuple{2011, u"", u"2011/1234567/", 12345.0},
              std::tuple{2010, u"", u"abcdefghij/12", 0.0}})
            QCOMPARE(serialOf(year, serialBox, yearBox), serial);
    }

    // A year without folder gets it with an empty letter file and starts at 1. (A group's
    // prefix, the next number of a counter and a full counter are shown through the main
    // window in tst_velmar_keeping.cpp.)
    void proposedNumbers() {
        testing::TempRegister files;
        const NumberProposal fresh = proposeNumber(files.paths(), 2024, true, {});
        QCOMPARE(fresh.elotag + fresh.sorszam + fresh.evszam, "B/1/2024");
        QCOMPARE(files.readYear(2024, u"Velmar.dat"), QByteArray());
        QVERIFY(testing::TempRegister::exists(files.yearFile(2024, u"Velmar.dat")));
    }

    void counterMovesByOneOnly() {
        const store::NumRekord counters{10, 44};                // KiNum 10, BeNum 44
        const auto typed15 = countSerial(counters, false, 15);  // 11 proposed, 15 typed
        QVERIFY(typed15->counters.KiNum == 11 && typed15->num == 11);
        const auto given = countSerial(counters, false, 10);  // already given: Num 0
        QVERIFY(!given->moved && given->num == 0 && given->counters.KiNum == 10);
        QCOMPARE(countSerial(counters, true, 45)->num, 45);  // the incoming counter is 44
        // An old-form serial can lie beyond the counter when it is already at 32767.
        QVERIFY(!countSerial(store::NumRekord{10, 32767}, true, 40000).has_value());
        QCOMPARE(countSerial(store::NumRekord{10, 32767}, true, 32767)->num, 0);
        QCOMPARE(countSerial(store::NumRekord{32766, 0}, false, 32767)->num, 32767);
    }

    // Recording is one operation over every file it touches: the counter, the letter, its
    // document record, and the correspondent and case handler lists, which grow only with
    // names (and client numbers) they do not hold yet, ignoring case and padding.
    void recordingWritesEveryFile() {
        testing::TempRegister files;
        store::SetupRekord settings;
        settings.KezdoUgyfelszam = 1000;
        auto record = [&](const char* correspondent, const char* client, const char* handler) {
            const LetterEntry entry(store::oleFromDate(QDate(2024, 6, 14)), true, QString(), "1",
                                    "/2024", correspondent, client, QString(), handler, QString());
            return recordLetter(files.paths(), 2024, entry, checkNumbers(entry).numbers,
                                {{}, QStringLiteral("\"a.pdf\""), QStringLiteral("\"/a.pdf\"")},
                                settings);
        };
        const RecordOutcome first = record("Új Partner", "1005", "Kiss Anna ");
        QVERIFY(first.result == RecordOutcome::Result::Recorded);
        QCOMPARE(first.num, 1);
        QCOMPARE(record(" új partner", "1005", " kiss ANNA").recordNumber, 2);
        record("Új Partner", "1006", "Nagy Éva");
        QCOMPARE(files.readYear(2024, u"Num.dat"), testing::fromHex("0000 0100"));
        QCOMPARE(files.readYear(2024, u"Velmar.dat").size(), 3 * store::LevelRekord::Size);
        QCOMPARE(files.readYear(2024, u"KiIrat.dat").sliced(2 * 350, 9), "\"a.pdf\"  ");
        QCOMPARE(files.readProgram(u"Ugyintezo.dat"),
                 "Kiss Anna" + QByteArray(31, ' ') + "Nagy \xC9va" + QByteArray(32, ' '));
        // Two clients (1005 and 1006 under the same name); the counter moved once for each,
        // from the starting number.
        const QByteArray partner = "\xDAj Partner" + QByteArray(30, ' ');
        QCOMPARE(files.readProgram(u"Ugyfelek.dat"),
                 partner + testing::fromHex("ED030000") + partner + testing::fromHex("EE030000"));
        QCOMPARE(files.readProgram(u"UszNum.dat"), testing::fromHex("E9030000"));
    }

    // The next client number; F2's answer is the next number, the counter keeps the one
    // before it. While typing, an empty box below the start gets the next number.
    void clientNumberCounter() {
        QCOMPARE(nextClientCounter(0, 1000), 1000);  // below the start
        QCOMPARE(nextClientCounter(1041, 1000), 1042);
        QCOMPARE(nextClientCounter(std::numeric_limits<qint32>::max(), 0),
                 std::numeric_limits<qint32>::max());                    // the largest stays
        QCOMPARE(clientCounterFromAnswer(QStringLiteral("12.5x")), 12);  // halves to even
        for (const char* refused : {"", "sok", "2147483648"})
            QCOMPARE(clientCounterFromAnswer(QString(refused)), std::nullopt);
        store::SetupRekord setup;
        setup.AutUgyfelszam = store::kTrue;
        setup.KezdoUgyfelszam = 1000;
        QCOMPARE(proposedClientNumber({}, setup, 0), 1000);
        QCOMPARE(proposedClientNumber(QStringLiteral("1500"), setup, 1041), std::nullopt);
        setup.AutUgyfelszam = store::kFalse;
        QCOMPARE(proposedClientNumber({}, setup, 1041), std::nullopt);
    }

    // What a letter stores ("serial client"), or which number is refused.
    void numbersALetterCanStore() {
        auto stored = [](const char* serial, const char* client, bool keepBlank = false) {
            LetterEntry entry;
            entry.sorszam = serial;
            entry.ugyfelszam = client;
            const NumberCheck c = checkNumbers(entry, keepBlank);
            if (c.refusal)
                return QString(*c.refusal == Refusal::Serial ? "serial refused" : "client refused");
            return QStringLiteral("%1 %2").arg(c.numbers.sorszam).arg(c.numbers.ugyfelszam);
        };
        QCOMPARE(stored(" 15 ", " 7 "), "15 7");
        QCOMPARE(stored("15", ""), "15 0");
        QCOMPARE(stored("32767", "-32768"), "32767 -32768");
        for (const char* serial : {"", "1,5", "32768"})
            QCOMPARE(stored(serial, "1"), "serial refused");
        for (const char* client : {"40000", "12.5"})
            QCOMPARE(stored("1", client), "client refused");
        QCOMPARE(stored("", "", true), "8224 0");  // a blank serial is kept only when empty
        QCOMPARE(stored("x", "", true), "serial refused");
    }

    // A number belongs to another client unless the names match in case, spacing and the
    // case of accents (ő folds to Ő); zero, unused and fractional numbers belong to nobody.
    void clientNumberConflict() {
        const std::vector<store::UgyfelRekord> clients = {
            {"Nulla Bt.", 0}, {"Kovács Kft.  ", 12}, {"  Őri Bt.", 14}};
        auto taken = [&](const char* name, const char* number) {
            return clientNumberTaken(clients, QString(number), QString(name));
        };
        for (const char* same : {"  KOVÁCS KFT. ", "kovács kft."})
            QVERIFY(!taken(same, "12"));
        QVERIFY(!taken("ŐRI BT.", "14"));
        for (const char* other : {"Szabó Bt.", "Kovacs Kft."})
            QVERIFY(taken(other, "12"));
        for (const char* nobodys : {"99", "", "0", " 0 ", "12x", "12.0"})
            QVERIFY(!taken("Szabó Bt.", nobodys));
    }

    // 2 stores an incoming letter, 1 and the numbers up to 2 an outgoing one.
    void modificationAnswers() {
        QCOMPARE(answeredDirection(QStringLiteral(" 2 ")), std::optional(true));
        QCOMPARE(answeredDirection(QStringLiteral("1,5")), std::optional(false));
        for (const char* none : {"0", "2x", "3", ""})
            QCOMPARE(answeredDirection(QString(none)), std::nullopt);
        QCOMPARE(answeredDirection(std::nullopt), std::nullopt);
    }

    // What the document choices keep: AktIratNev, AktIratUtvonal, AktMelleklet. Before:
    // document "level.pdf" at /regi, scanned letter regi.jpg.
    void documentChoices() {
        const QString nev = "\"level.pdf\"", path = "\"/regi/level.pdf\"";
        auto kept = [&](bool scanned, const char* chosen) {
            RegisterState state;
            state.documents = {QStringLiteral("regi.jpg"), nev, path};
            if (scanned)
                applyScannedLetterChoice(state, chosen);
            else
                applyDocumentChoice(state, chosen);
            const LetterDocuments& kept = state.documents;
            return QStringList{kept.iratNev, kept.iratUtvonal, kept.melleklet};
        };
        QCOMPARE(kept(false, "/home/Levelek/valasz 12.doc"),
                 (QStringList{"\"valasz 12.doc\"", "\"/home/Levelek/valasz 12.doc\"", ""}));
        for (const char* none : {"", "*.doc", "*.pdf"})  // cancelled, or a bare filter
            QCOMPARE(kept(false, none), (QStringList{"", path, ""}));
        QCOMPARE(kept(false, "*.PDF"), (QStringList{"\"*.PDF\"", "\"*.PDF\"", ""}));
        QCOMPARE(kept(true, "/home/Szkennelt/level 3.jpg"),
                 (QStringList{nev, path, "level 3.jpg"}));
        QCOMPARE(kept(true, "*.jpg"), (QStringList{"", path, ""}));
        QCOMPARE(kept(true, ""), (QStringList{nev, path, ""}));
    }

    void clientLookUp() {
        QByteArray clients;
        for (const char* name : {"Kovács Kft.", "Szabó Bt.", "  Rákos Bt.", "Großmann GmbH"})
            clients += store::UgyfelRekord{name, 1}.toBytes();
        auto found = [&](const char* typed) {
            const std::vector<int> rows = matchingClients(clients, typed);
            return QList<int>(rows.begin(), rows.end());
        };
        // ß upper-cases to SS.
        QCOMPARE(found(" SZABÓ ") + found("grossm") + found(""), (QList<int>{1, 3, 0, 1, 2, 3}));
    }

    // Which program opens a document: the one the settings name for its type, when that is an
    // executable file or a command on the PATH; else none, and the desktop's default opens it.
    void programOfADocument() {
        const QTemporaryDir dir;
        const QString viewer = dir.filePath("viewer"), plain = dir.filePath("plain");
        for (const QString& path : {viewer, plain})
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QFile(viewer).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        auto opens = [](const char* document, const QString& word, const QString& pdf) {
            store::SetupRekord settings;
            settings.WordUtvonal = u'"' + word + u'"';
            settings.PDFUtvonal = u'"' + pdf + u'"';
            return documentProgram(QString::fromUtf8(document), settings);
        };
        QCOMPARE(opens("/d/Levél.PDF", plain, viewer), viewer);
        QCOMPARE(opens("/d/a.odt", viewer, plain), viewer);
        QCOMPARE(opens("/d/a.docx", plain, viewer), QString());      // not executable
        QCOMPARE(opens("/d/a.doc", dir.path(), viewer), QString());  // a folder
        QCOMPARE(opens("/d/scan.jpg", viewer, viewer), QString());
        QCOMPARE(opens("/d/a.pdf", {}, "C:\\Program Files\\Adobe\\AcroRd32.exe"), QString());
        QVERIFY(opens("/d/a.rtf", "sh", {}).endsWith("/sh"));  // found on the PATH
    }

    // The window shows "STOP" at 100 characters and keeps "12" when x follows it.
    void subjectCounterAndSerialBox() {
        QCOMPARE(subjectCounterText(0), QString());
        QCOMPARE(subjectCounterText(99), "még: 1 karakter!");
        // Pasted, the text loses its end; one character typed anywhere costs no digit.
        for (const char* typed : {"12ab3", "1x2", "x12"})
            QCOMPARE(numberOnly(QString(typed), QStringLiteral("12")), "12");
        QCOMPARE(numberOnly(QStringLiteral("1,5"), QString()), "1,5");
    }
};

QTEST_APPLESS_MAIN(RegisterRulesTest)
#include "tst_register_rules.moc"
