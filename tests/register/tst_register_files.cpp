// Numbering, recording, modifying and deleting letters as they reach the register's files,
// checked byte for byte against bytes spelled out here.

#include <QDir>
#include <QTest>

#include "register/changes.h"
#include "register/documents.h"
#include "register/numbering.h"
#include "register/recording.h"
#include "store/oledate.h"
#include "support/tempregister.h"

using namespace reg;
using testing::fromHex;
using testing::TempRegister;

namespace {

QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}

// An incoming letter of 14 June 2024 as the entry fields give it.
LetterEntry juneLetter() {
    LetterEntry entry;
    entry.datum = store::oleFromDate(QDate(2024, 6, 14));
    entry.incoming = true;
    entry.elotag = QStringLiteral("B/");
    entry.sorszam = QStringLiteral("1");
    entry.evszam = QStringLiteral("/2024");
    entry.kitolKinek = QStringLiteral("Őri Kft.");
    entry.ugyfelszam = QStringLiteral("1001");
    entry.levelTargya = QStringLiteral("Ajánlat\r\nmásodik sor");
    entry.ugyintezo = QStringLiteral("Kiss Anna");
    return entry;
}

// juneLetter() as Velmar.dat holds it, with `num` as its running number.
QByteArray juneLetterBytes(const char* numHex) {
    return fromHex("00000000 2032E640")                  // Datum 2024-06-14
           + fromHex("FFFF")                             // Bejovo: incoming
           + fromHex("2F32303234") + spaces(9)           // Evszam "/2024"
           + fromHex("422F") + spaces(2)                 // Elotag "B/"
           + fromHex("0100")                             // Sorszam 1
           + fromHex("D57269204B66742E") + spaces(32)    // KitolKinek "Őri Kft."
           + fromHex("4B69737320416E6E61") + spaces(21)  // Ugyintezo "Kiss Anna"
           + fromHex("416AE16E6C61740D0A6DE1736F64696B20736F72") + spaces(80)  // subject
           + fromHex("E903")                                                   // Ugyfelszam 1001
           + spaces(2)        // CsoportJel: no group
           + fromHex(numHex)  // Num
           + spaces(50);      // Melleklet
}

store::LevelRekord stored(int day, bool incoming, qint16 serial) {
    store::LevelRekord r;
    r.Datum = store::oleFromDate(QDate(2024, 3, day));
    r.Bejovo = store::flag(incoming);
    r.Elotag = incoming ? QStringLiteral("B/") : QStringLiteral("K/");
    r.Sorszam = serial;
    r.Evszam = QStringLiteral("/2024");
    r.KitolKinek = QStringLiteral("Levél %1").arg(day);
    r.Num = serial;
    return r;
}

store::IratRekord document(int n) {
    return {QStringLiteral("\"d%1.doc\"").arg(n), QStringLiteral("\"/iratok/d%1.doc\"").arg(n)};
}

}  // namespace

class RegisterFilesTest : public QObject {
    Q_OBJECT

private slots:
    void proposal_data() {
        QTest::addColumn<QByteArray>("num");  // Num.dat; empty: no year folder yet
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("incoming");
        QTest::addColumn<QString>("elotag");
        QTest::addColumn<QString>("sorszam");
        QTest::addColumn<bool>("full");
        const QByteArray counters = fromHex("0E00 2500");  // KiNum 14, BeNum 37
        QTest::newRow("fresh year, incoming") << QByteArray() << "" << true << "B/"
                                              << "1" << false;
        QTest::newRow("fresh year, group") << QByteArray() << "P" << false << "PK/"
                                           << "1" << false;
        QTest::newRow("group A, incoming") << counters << "A" << true << "AB/"
                                           << "38" << false;
        QTest::newRow("group A, outgoing") << counters << "A" << false << "AK/"
                                           << "15" << false;
        QTest::newRow("outgoing counter full") << fromHex("FF7F 0500") << "" << false << "K/"
                                               << "" << true;
        QTest::newRow("other counter full") << fromHex("FF7F 0500") << "" << true << "B/"
                                            << "6" << false;
    }
    void proposal() {
        QFETCH(QByteArray, num);
        QFETCH(QString, group);
        QFETCH(bool, incoming);
        QFETCH(QString, elotag);
        QFETCH(QString, sorszam);
        QFETCH(bool, full);
        TempRegister files;
        if (!num.isEmpty())
            files.write(files.yearFile(2024, u"Num.dat"), num);

        for (int time = 0; time < 2; ++time) {  // proposing twice gives the same number
            const NumberProposal p = proposeNumber(files.paths(), 2024, incoming, group);
            QCOMPARE(p.elotag, elotag);
            QCOMPARE(p.sorszam, sorszam);
            QCOMPARE(p.evszam, QStringLiteral("/2024"));
            QCOMPARE(p.counterFull, full);
            if (num.isEmpty() && time == 0) {
                // A new year: its folder with an empty letter file, and no counter file yet.
                QVERIFY(QFileInfo(files.yearFile(2024, u"")).isDir());
                QVERIFY(TempRegister::exists(files.yearFile(2024, u"Velmar.dat")));
                QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")), QByteArray());
                QVERIFY(!TempRegister::exists(files.yearFile(2024, u"Num.dat")));
            }
        }
        // The proposal writes no counter.
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), num);
    }

    void yearPartHasFourDigits() {
        QCOMPARE(yearPart(2024), QStringLiteral("/2024"));
        QCOMPARE(yearPart(1999), QStringLiteral("/1999"));
    }

    void firstLetterOfAFreshYear() {
        TempRegister files;
        const RecordOutcome outcome = appendLetter(files.paths(), 2024, juneLetter(),
                                                   EntryNumbers{1, 1001}, LetterDocuments{});
        QCOMPARE(outcome.result, RecordOutcome::Result::Recorded);
        QCOMPARE(outcome.recordNumber, qint64(1));
        QCOMPARE(outcome.num, 1);
        QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")), juneLetterBytes("01000000"));
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), fromHex("0000 0100"));
        QCOMPARE(files.read(files.yearFile(2024, u"KiIrat.dat")), spaces(350));
    }

    void letterAppendedWithItsDocument() {
        TempRegister files;
        files.writeRecords(files.yearFile(2024, u"Velmar.dat"),
                           std::vector{stored(1, true, 1), stored(2, false, 1)});
        files.writeRecords(files.yearFile(2024, u"KiIrat.dat"), std::vector{document(1)});
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0100 0100"));
        RegisterState state;
        applyDocumentChoice(state, QStringLiteral("/home/iroda/Levelek/valasz 12.doc"));

        const RecordOutcome outcome =
            appendLetter(files.paths(), 2024, juneLetter(), EntryNumbers{1, 1001},
                         {QStringLiteral("ignored.jpg"), state.aktIratNev, state.aktIratUtvonal});
        // Serial 1 is already given: the counters stay and Num is 0.
        QCOMPARE(outcome.recordNumber, qint64(3));
        QCOMPARE(outcome.num, 0);
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), fromHex("0100 0100"));
        const QByteArray letters = files.read(files.yearFile(2024, u"Velmar.dat"));
        QCOMPARE(letters.size(), 3 * 258);
        QByteArray expected = juneLetterBytes("00000000");
        expected.replace(208, 50, QByteArray(QByteArray("ignored.jpg") + spaces(39)));
        QCOMPARE(letters.mid(516), expected);

        // Record 3 of KiIrat.dat, behind a gap where letter 2 had no document record.
        const QByteArray documents = files.read(files.yearFile(2024, u"KiIrat.dat"));
        QCOMPARE(documents.size(), 3 * 350);
        QCOMPARE(documents.mid(350, 350), QByteArray(350, '\0'));
        QCOMPARE(documents.mid(700), QByteArray("\"valasz 12.doc\"") + spaces(35) +
                                         QByteArray("\"/home/iroda/Levelek/valasz 12.doc\"") +
                                         spaces(265));
    }

    void longDocumentPathIsCut() {
        TempRegister files;
        const QString folder = QStringLiteral("/home/iroda/") + QString(300, u'x');
        const QString path = folder + QStringLiteral("/level.pdf");  // 322 characters
        RegisterState state;
        applyDocumentChoice(state, path);
        appendLetter(files.paths(), 2024, juneLetter(), EntryNumbers{1, 1001},
                     {QString(), state.aktIratNev, state.aktIratUtvonal});
        const QByteArray irat = files.read(files.yearFile(2024, u"KiIrat.dat"));
        QCOMPARE(irat.size(), 350);
        QCOMPARE(irat.left(50), QByteArray("\"level.pdf\"") + spaces(39));
        // The first 300 characters: the opening quote and 299 of the path, no closing quote.
        QCOMPARE(irat.mid(50), QByteArray("\"/home/iroda/") + QByteArray(287, 'x'));
    }

    void letterThatCannotBeWrittenMovesNoCounter() {
        TempRegister files;
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0000 0000"));
        QDir().mkpath(files.yearFile(2024, u"Velmar.dat"));  // a folder in the file's place
        const RecordOutcome outcome = appendLetter(files.paths(), 2024, juneLetter(),
                                                   EntryNumbers{1, 1001}, LetterDocuments{});
        QCOMPARE(outcome.result, RecordOutcome::Result::WriteFailed);
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), fromHex("0000 0000"));
        QVERIFY(!TempRegister::exists(files.yearFile(2024, u"KiIrat.dat")));
    }

    void fullCounterWritesNothing() {
        TempRegister files;
        files.write(files.yearFile(2011, u"Num.dat"), fromHex("0000 FF7F"));
        LetterEntry entry = juneLetter();
        entry.datum = store::oleFromDate(QDate(2011, 3, 1));
        entry.evszam = QStringLiteral("2011/40000");
        QVERIFY(counterFull(files.paths(), 2011, entry));
        const RecordOutcome outcome =
            appendLetter(files.paths(), 2011, entry, EntryNumbers{1, 1}, LetterDocuments{});
        QCOMPARE(outcome.result, RecordOutcome::Result::CounterFull);
        QCOMPARE(files.read(files.yearFile(2011, u"Velmar.dat")), QByteArray());
        QCOMPARE(files.read(files.yearFile(2011, u"Num.dat")), fromHex("0000 FF7F"));
    }

    void newClients_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("number");
        QTest::addColumn<QByteArray>("uszBefore");
        QTest::addColumn<int>("kezdo");
        QTest::addColumn<QByteArray>("appended");  // the new client record, empty: none
        QTest::addColumn<QByteArray>("uszAfter");
        const QByteArray ujPartner = fromHex("DA6A20506172746E6572") + spaces(30);  // Új Partner
        QTest::newRow("new client moves UszNum")
            << "Új Partner" << 1005.0 << fromHex("EC030000") << 1000
            << ujPartner + fromHex("ED030000") << fromHex("ED030000");
        QTest::newRow("UszNum below the start")
            << "  Új Partner " << 1005.0 << fromHex("00000000") << 1000
            << ujPartner + fromHex("ED030000") << fromHex("E8030000");
        QTest::newRow("counter moves by one whatever the number")
            << "Új Partner" << 7.0 << fromHex("EC030000") << 1000 << ujPartner + fromHex("07000000")
            << fromHex("ED030000");
        QTest::newRow("known client, other case") << " kovács KFT." << 12.0 << fromHex("EC030000")
                                                  << 1000 << QByteArray() << fromHex("EC030000");
        QTest::newRow("known name, other number")
            << "Kovács Kft." << 13.0 << fromHex("EC030000") << 0
            << fromHex("4B6F76E16373204B66742E") + spaces(29) + fromHex("0D000000")
            << fromHex("ED030000");
    }
    void newClients() {
        QFETCH(QString, name);
        QFETCH(double, number);
        QFETCH(QByteArray, uszBefore);
        QFETCH(int, kezdo);
        QFETCH(QByteArray, appended);
        QFETCH(QByteArray, uszAfter);
        TempRegister files;
        const QByteArray kovacs =
            fromHex("4B6F76E16373204B66742E") + spaces(29) + fromHex("0C000000");
        files.write(files.programFile(u"Ugyfelek.dat"), kovacs);
        files.write(files.programFile(u"UszNum.dat"), uszBefore);
        QCOMPARE(rememberClient(files.paths(), name, number, kezdo), !appended.isEmpty());
        QCOMPARE(files.read(files.programFile(u"Ugyfelek.dat")), kovacs + appended);
        QCOMPARE(files.read(files.programFile(u"UszNum.dat")), uszAfter);
    }

    void newHandlers() {
        TempRegister files;
        const QByteArray kiss = fromHex("4B69737320416E6E61") + spaces(31);
        files.write(files.programFile(u"Ugyintezo.dat"), kiss);
        QVERIFY(!rememberHandler(files.paths(), QStringLiteral("kiss anna ")));
        QVERIFY(!rememberHandler(files.paths(), QStringLiteral("KISS ANNA")));
        QVERIFY(rememberHandler(files.paths(), QStringLiteral(" Nagy Éva")));
        QVERIFY(!rememberHandler(files.paths(), QStringLiteral("nagy éva")));
        // An empty handler joins once, with an empty name.
        QVERIFY(rememberHandler(files.paths(), QString()));
        QVERIFY(!rememberHandler(files.paths(), QStringLiteral("  ")));
        QCOMPARE(files.read(files.programFile(u"Ugyintezo.dat")),
                 kiss + fromHex("4E61677920C97661") + spaces(32) + spaces(40));
    }

    void modificationKeepsTheRunningNumber() {
        TempRegister files;
        files.writeRecords(files.yearFile(2024, u"Velmar.dat"),
                           std::vector{stored(1, true, 1), stored(2, false, 1)});
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0100 0100"));
        LetterEntry entry = juneLetter();
        const ChangeResult result =
            modifyLetter(files.paths(), 2024, 1, entry, EntryNumbers{1, 1001},
                         {QString(), QStringLiteral("\"a.doc\""), QStringLiteral("\"/x/a.doc\"")});
        QCOMPARE(result, ChangeResult::Done);
        const QByteArray letters = files.read(files.yearFile(2024, u"Velmar.dat"));
        QCOMPARE(letters.left(258), juneLetterBytes("01000000"));  // Num 1 as stored
        QCOMPARE(letters.mid(258), stored(2, false, 1).toBytes());
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), fromHex("0100 0100"));
        QCOMPARE(files.read(files.yearFile(2024, u"KiIrat.dat")),
                 QByteArray("\"a.doc\"") + spaces(43) + QByteArray("\"/x/a.doc\"") + spaces(290));

        // A record the file does not have is not written.
        QCOMPARE(modifyLetter(files.paths(), 2024, 3, entry, EntryNumbers{1, 1}, {}),
                 ChangeResult::NotFound);
        QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")).size(), 2 * 258);
    }

    void modificationRenumbersEveryClientOfTheName() {
        TempRegister files;
        files.writeRecords<store::UgyfelRekord>(files.programFile(u"Ugyfelek.dat"),
                                                {{QStringLiteral("Kovács Kft."), 12},
                                                 {QStringLiteral("Szabó Bt."), 12},
                                                 {QStringLiteral(" KOVÁCS KFT."), 20}});
        files.write(files.programFile(u"UszNum.dat"), fromHex("EC030000"));
        QCOMPARE(renumberClients(files.paths(), QStringLiteral("kovács kft. "), 15), 2);
        QCOMPARE(files.read(files.programFile(u"Ugyfelek.dat")),
                 fromHex("4B6F76E16373204B66742E") + spaces(29) + fromHex("0F000000") +
                     fromHex("537A6162F3204274 2E") + spaces(31) + fromHex("0C000000") +
                     fromHex("204B4F56C14353204B46542E") + spaces(28) + fromHex("0F000000"));
        QCOMPARE(files.read(files.programFile(u"UszNum.dat")), fromHex("EC030000"));
    }

    void deletion_data() {
        QTest::addColumn<int>("letters");    // records in Velmar.dat
        QTest::addColumn<int>("documents");  // records in KiIrat.dat
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QList<int>>("kept");  // letters left, by their former number
        QTest::addColumn<QList<int>>("keptDocuments");
        QTest::addColumn<QByteArray>("num");  // Num.dat after; before: KiNum 2, BeNum 3
        // Letters: 1 in 1, 2 in 2, 3 out 1, 4 in 3, 5 out 2.
        QTest::newRow("record 3 of 5") << 5 << 5 << 3 << QList<int>{1, 2, 4, 5}
                                       << QList<int>{1, 2, 4, 5} << fromHex("0100 0300");
        QTest::newRow("an older incoming letter") << 5 << 5 << 1 << QList<int>{2, 3, 4, 5}
                                                  << QList<int>{2, 3, 4, 5} << fromHex("0200 0200");
        QTest::newRow("the last letter") << 5 << 5 << 5 << QList<int>{1, 2, 3, 4}
                                         << QList<int>{1, 2, 3, 4} << fromHex("0100 0300");
        QTest::newRow("fewer document records")
            << 5 << 2 << 3 << QList<int>{1, 2, 4, 5} << QList<int>{1, 2} << fromHex("0100 0300");
        QTest::newRow("the only letter")
            << 1 << 1 << 1 << QList<int>{} << QList<int>{} << fromHex("0200 0200");
    }
    void deletion() {
        QFETCH(int, letters);
        QFETCH(int, documents);
        QFETCH(int, deleted);
        QFETCH(QList<int>, kept);
        QFETCH(QList<int>, keptDocuments);
        QFETCH(QByteArray, num);
        const std::vector<store::LevelRekord> all = {stored(1, true, 1), stored(2, true, 2),
                                                     stored(3, false, 1), stored(4, true, 3),
                                                     stored(5, false, 2)};
        TempRegister files;
        files.writeRecords(files.yearFile(2024, u"Velmar.dat"),
                           std::vector(all.begin(), all.begin() + letters));
        std::vector<store::IratRekord> docs;
        for (int n = 1; n <= documents; ++n)
            docs.push_back(document(n));
        files.writeRecords(files.yearFile(2024, u"KiIrat.dat"), docs);
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0200 0300"));
        // Left behind by a deletion that was interrupted.
        files.write(files.yearFile(2024, u"xxx.dat"), QByteArray("stale work file"));

        QCOMPARE(deleteLetter(files.paths(), 2024, deleted), ChangeResult::Done);

        QByteArray expectedLetters, expectedDocuments;
        for (int n : kept)
            expectedLetters += all[size_t(n - 1)].toBytes();
        for (int n : keptDocuments)
            expectedDocuments += document(n).toBytes();
        QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")), expectedLetters);
        QCOMPARE(files.read(files.yearFile(2024, u"KiIrat.dat")), expectedDocuments);
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), num);
        QCOMPARE(QDir(files.yearFile(2024, u"")).entryList(QDir::Files),
                 (QStringList{QStringLiteral("KiIrat.dat"), QStringLiteral("Num.dat"),
                              QStringLiteral("Velmar.dat")}));
    }

    void deletionThatCannotHappenChangesNothing() {
        TempRegister files;
        const auto letters = std::vector{stored(1, true, 1), stored(2, true, 2)};
        files.writeRecords(files.yearFile(2024, u"Velmar.dat"), letters);
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0000 0200"));
        const QByteArray before = files.read(files.yearFile(2024, u"Velmar.dat"));

        QCOMPARE(deleteLetter(files.paths(), 2024, 3), ChangeResult::NotFound);
        QCOMPARE(deleteLetter(files.paths(), 2024, 0), ChangeResult::NotFound);
        // The work file cannot be written: the letters stay whole, the counter too.
        QDir().mkpath(files.yearFile(2024, u"xxx.dat"));
        QCOMPARE(deleteLetter(files.paths(), 2024, 1), ChangeResult::Failed);
        QCOMPARE(files.read(files.yearFile(2024, u"Velmar.dat")), before);
        QCOMPARE(files.read(files.yearFile(2024, u"Num.dat")), fromHex("0000 0200"));
        QCOMPARE(deleteLetter(files.paths(), 2023, 1), ChangeResult::Failed);
    }
};

QTEST_GUILESS_MAIN(RegisterFilesTest)
#include "tst_register_files.moc"
