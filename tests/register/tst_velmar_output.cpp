// "Mentés &Excel fájlba" and the three "&Nyomtatás" items of the main window.

#include <QDateTimeEdit>
#include <QDir>
#include <QTest>

#include "support/mainwindow.h"

using namespace testing;
using Kind = PrintCall::Kind;

namespace {

QByteArray padded(const QByteArray& bytes, int width) {
    return bytes + QByteArray(width - bytes.size(), ' ');
}

const QByteArray kHeaderLine = padded(" D\xE1tum", 12) + padded(";Sorsz\xE1m", 22) +
                               padded(";Kinek/kit\xF5l", 41) + padded(";\xDCgyint\xE9z\xF5", 31) +
                               padded(";Lev\xE9l t\xE1rgya", 101) + QByteArray(28, '\0') + "\r\n";

// In file order: incoming AB/12345/2024/12345678 from "Zala Kft.", outgoing K/7/2024 to
// "Ádám Bt.", incoming AB//2024 (no serial) from "Bodó Zrt.".
std::vector<store::LevelRekord> threeLetters() {
    auto in1 = letter(QDate(2024, 3, 1), true, 12345, QStringLiteral("Zala Kft."));
    in1.Elotag = QStringLiteral("AB/");
    in1.Evszam = QStringLiteral("/2024/12345678");
    in1.Ugyintezo = QStringLiteral("Kiss Anna");
    in1.LevelTargya = QStringLiteral("Számla; 2. rész");
    auto out7 = letter(QDate(2024, 3, 2), false, 7, QStringLiteral("Ádám Bt."));
    out7.Ugyfelszam = 1001;
    auto in2 = letter(QDate(2024, 3, 3), true, store::kBlankSerial, QStringLiteral("Bodó Zrt."));
    in2.Elotag = QStringLiteral("AB/");
    return {in1, out7, in2};
}

QByteArray dataLine(const QByteArray& date, const QByteArray& number, const QByteArray& who,
                    const QByteArray& handler, const QByteArray& subject) {
    return padded(date, 12) + padded(";" + number, 22) + padded(";" + who, 41) +
           padded(";" + handler, 31) + padded(";" + subject, 101) + QByteArray(28, '\0') + "\r\n";
}

// The second column of every data line of an export.
QList<QByteArray> numbers(const QByteArray& content) {
    QList<QByteArray> found;
    for (qsizetype at = 237; at + 237 <= content.size(); at += 237)
        found << content.mid(at + 13, 21).trimmed();
    return found;
}

void sortByHeader(const QObject* root, const QString& list, int column) {
    emit control<ui::ReportView>(root, list)->headerClicked(column);
}

// The registration numbers printed, with the column they stood in.
QStringList printedNumbers(const QList<PrintCall>& calls) {
    QStringList found;
    for (const PrintCall& c : calls) {
        if (c.kind == Kind::Text && c.y > 30 && (c.x == 21 || c.x == 46))
            found << (c.x == 21 ? QStringLiteral("Be ") : QStringLiteral("Ki ")) + c.text;
    }
    return found;
}

}  // namespace

class VelmarOutputTest : public QObject {
    Q_OBJECT

private slots:
    void exportWritesTheAllLettersList_data() {
        QTest::addColumn<bool>("withLetters");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("file");  // in the year folder
        QTest::addColumn<QByteArray>("content");
        // A backslash separates folders, as it did on Windows.
        QTest::newRow("empty list: the header only") << false << "ki\\lista"
                                                     << "ki/lista.csv" << kHeaderLine;
        // The reload lists incoming letters by serial (the blank serial's " " first), then
        // outgoing ones. The long registration number loses its end; a ";" in a text stays.
        QTest::newRow("three rows")
            << true << "lista"
            << "lista.csv"
            << kHeaderLine + dataLine("2024.03.03.", "AB//2024", "Bod\xF3 Zrt.", "", "") +
                   dataLine("2024.03.01.", "AB/12345/2024/1234567", "Zala Kft.", "Kiss Anna",
                            "Sz\xE1mla; 2. r\xE9sz") +
                   dataLine("2024.03.02.", "K/7/2024", "\xC1\x64\xE1m Bt.", "", "");
    }

    void exportWritesTheAllLettersList() {
        QFETCH(bool, withLetters);
        QFETCH(QString, answer);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        MainWindow w;
        QDir().mkpath(w.files.makeYear(2024) + QStringLiteral("/ki"));
        if (withLetters)
            w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), threeLetters());
        w.start();
        w.test.dialogs.answerInput(answer);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuExcel"))->trigger();

        QCOMPARE(w.test.dialogs.inputs[0].title, QStringLiteral("Excel Lista mentése"));
        QCOMPARE(w.test.dialogs.inputs[0].prompt,
                 QStringLiteral("Kérem adja meg a mentés fájl nevét.\r\n"));
        const QString path = w.files.folder() + "/2024/" + file;
        QCOMPARE(w.files.read(path), content);
        const ui::Message& box = w.test.dialogs.messages.value(0);
        QCOMPARE(box.title, QStringLiteral(" Excel fájl megnyitása "));
        QCOMPARE(box.text, "Excel fájl útvonala:\r\n" + path + "\r\n");
        QCOMPARE(box.icon, ui::Icon::Exclamation);
    }

    void exportKeepsTheListsOrder() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), threeLetters());
        w.start();
        sortByHeader(w.window.get(), QStringLiteral("ListView1"), 7);  // "Kitől/Kinek"
        w.test.dialogs.answerInput(QStringLiteral("nevsor"));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuExcel"))->trigger();
        QCOMPARE(numbers(w.files.read(w.files.yearFile(2024, u"nevsor.csv"))),
                 (QList<QByteArray>{"K/7/2024", "AB//2024", "AB/12345/2024/1234567"}));
    }

    void exportWithoutFile_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("cancelled") << true << 2024 << QStringList{};
        QTest::newRow("empty name") << false << 2024 << QStringList{};
        QTest::newRow("year without folder") << false << 2031 << QStringList{"! HIBA !"};
    }

    void exportWithoutFile() {
        QFETCH(bool, cancel);
        QFETCH(int, year);
        QFETCH(QStringList, titles);
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), threeLetters());
        w.start();
        w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->setDate(QDate(year, 1, 5));
        w.test.dialogs.answerInput(
            cancel ? std::nullopt : std::optional(year == 2024 ? QString() : QStringLiteral("l")));
        for (qsizetype i = 0; i < titles.size(); ++i)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuExcel"))->trigger();
        QStringList shown;
        for (const ui::Message& m : w.test.dialogs.messages)
            shown << m.title;
        QCOMPARE(shown, titles);
        QCOMPARE(QDir(w.files.makeYear(2024)).entryList(QDir::Files), QStringList{"Velmar.dat"});
        QVERIFY(!TempRegister::exists(w.files.yearFile(2031, u"")));
    }

    void printsTheChosenList_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("documentName");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("all letters")
            << "mnuPrintBeKi"
            << "Bejövő és kimenő levelek"
            << QStringList{"Be AB//2024", "Be AB/12345/2024/12345678", "Ki K/7/2024"};
        QTest::newRow("incoming") << "mnuPrintBe"
                                  << "Bejövő levelek"
                                  << QStringList{"Be AB//2024", "Be AB/12345/2024/12345678"};
        QTest::newRow("outgoing") << "mnuPrintKi"
                                  << "Kimenő levelek" << QStringList{"Ki K/7/2024"};
    }

    void printsTheChosenList() {
        QFETCH(QString, menu);
        QFETCH(QString, documentName);
        QFETCH(QStringList, rows);
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), threeLetters());
        w.start();
        const bool cancel = menu == QStringLiteral("mnuPrintKi");
        w.test.dialogs.answerInput(cancel ? std::nullopt
                                          : std::optional(QStringLiteral("Márciusi levelek")));
        action(w.window.get(), menu)->trigger();

        QCOMPARE(w.test.dialogs.inputs[0].title, QStringLiteral("Kigyűjtött Lista Nyomtatása !"));
        QCOMPARE(w.test.dialogs.inputs[0].prompt,
                 QStringLiteral("Kérem adja meg, a fejléc szövegét."));
        QVERIFY(w.test.dialogs.messages.isEmpty());
        QCOMPARE(w.test.printer.documentNames, QStringList{documentName});
        const QList<PrintCall>& calls = w.test.printer.documents.front();
        QCOMPARE(printedNumbers(calls), rows);
        QCOMPARE(calls.last().kind, Kind::End);
        QCOMPARE(calls[2].text, cancel ? QString() : QStringLiteral("Márciusi levelek"));
    }

    void printingProblemsAreReported_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("inputs");
        QTest::newRow("no printer")
            << false << "Nincs használható nyomtató!\r\nA lista nem nyomtatható ki.\r\n"
            << 0;
        QTest::newRow("printing failed")
            << true << "A nyomtatás nem sikerült!\r\nEllenőrízd a nyomtatót, majd próbáld újra.\r\n"
            << 1;
    }

    void printingProblemsAreReported() {
        QFETCH(bool, available);
        QFETCH(QString, text);
        QFETCH(int, inputs);
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), threeLetters());
        w.start();
        w.test.printer.available = available;
        w.test.printer.endSucceeds = false;
        if (inputs)
            w.test.dialogs.answerInput(QString());
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuPrintBeKi"))->trigger();
        QCOMPARE(w.test.dialogs.inputs.size(), inputs);
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0].title, QStringLiteral("FIGYELEM!"));
        QCOMPARE(w.test.dialogs.messages[0].text, text);
        QCOMPARE(w.test.dialogs.messages[0].icon, ui::Icon::Exclamation);
    }
};

QTEST_MAIN(VelmarOutputTest)
#include "tst_velmar_output.moc"
