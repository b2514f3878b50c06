// "Mentés &Excel fájlba" and the three "&Nyomtatás" items of the main window.

#include "support/mainwindow.h"

using namespace testing;

namespace {

// In file order: incoming AB/12345/2024/12345678 from "Zala Kft.", outgoing K/7/2024 to
// "Ádám Bt.", incoming AB//2024 (no serial) from "Bodó Zrt.".
std::vector<store::LevelRekord> threeLetters() {
    auto in1 = letter(QDate(2024, 3, 1), true, 12345, "Zala Kft.");
    in1.Elotag = "AB/";
    in1.Evszam = "/2024/12345678";
    in1.Ugyintezo = "Kiss Anna";
    in1.LevelTargya = "Számla; 2. rész";
    auto out7 = letter(QDate(2024, 3, 2), false, 7, "Ádám Bt.");
    out7.Ugyfelszam = 1001;
    auto in2 = letter(QDate(2024, 3, 3), true, store::kBlankSerial, "Bodó Zrt.");
    in2.Elotag = "AB/";
    return {in1, out7, in2};
}

// An export line: date; registration number; correspondent; handler; subject.
QByteArray dataLine(const QByteArray& date, const QByteArray& number, const QByteArray& who,
                    const QByteArray& handler, const QByteArray& subject) {
    return date.leftJustified(12) + QByteArray(";" + number).leftJustified(22) +
           QByteArray(";" + who).leftJustified(41) + QByteArray(";" + handler).leftJustified(31) +
           QByteArray(";" + subject).leftJustified(101) + QByteArray(28, '\0') + "\r\n";
}
const QByteArray kHeaderLine = dataLine(" D\xE1tum", "Sorsz\xE1m", "Kinek/kit\xF5l",
                                        "\xDCgyint\xE9z\xF5", "Lev\xE9l t\xE1rgya");

// The registration numbers printed, with the column they stood in.
QStringList printedNumbers(const QStringList& calls) {
    static const QRegularExpression number(QStringLiteral("^1: text (21|46),\\d+ "));
    QStringList found;
    for (const QString& call : calls) {
        if (const auto m = number.match(call); m.hasMatch())
            found << (m.captured(1) == "21" ? "Be " : "Ki ") + call.mid(m.capturedLength());
    }
    return found;
}

// An export: the list as filled (with the three letters or none, sorted by a column or not),
// the picker's year, the answer of the name box, and the file written (none when empty).
struct Export {
    bool withLetters;
    int sortColumn, year;
    std::optional<QString> answer;
    QString file = {};
    QByteArray content = {};
};

// A print menu item, the answer of the header box, and what was printed.
struct Printing {
    QString menu;
    std::optional<QString> header;
    QString documentName;
    QStringList rows;
    int problem = 0;  // 1 no printer, 2 printing failed
};

}  // namespace

Q_DECLARE_METATYPE(Export)
Q_DECLARE_METATYPE(Printing)

class VelmarOutputTest : public QObject {
    Q_OBJECT

private slots:
    void exportToAListFile_data() {
        QTest::addColumn<Export>("c");
        const QByteArray bodo = dataLine("2024.03.03.", "AB//2024", "Bod\xF3 Zrt.", "", "");
        const QByteArray zala = dataLine("2024.03.01.", "AB/12345/2024/1234567", "Zala Kft.",
                                         "Kiss Anna", "Sz\xE1mla; 2. r\xE9sz");
        const QByteArray adam = dataLine("2024.03.02.", "K/7/2024", "\xC1\x64\xE1m Bt.", "", "");
        auto row = [](const char* name, Export c) { QTest::newRow(name) << c; };
        // A backslash separates folders, as it did on Windows.
        row("empty list: the header only",
            {false, -1, 2024, "ki\\lista", "ki/lista.csv", kHeaderLine});
        // The reload lists incoming letters by serial (the blank serial's " " first), then
        // outgoing ones. The long registration number loses its end; a ";" in a text stays.
        row("three rows", {true, -1, 2024, "lista", "lista.csv", kHeaderLine + bodo + zala + adam});
        row("the list's order kept",
            {true, 7, 2024, "nevsor", "nevsor.csv", kHeaderLine + adam + bodo + zala});
        row("cancelled", {true, -1, 2024, std::nullopt});
        row("empty name", {true, -1, 2024, ""});
        row("year without folder", {true, -1, 2031, "l"});
    }
    void exportToAListFile() {
        QFETCH(Export, c);
        const int year = c.year;
        MainWindow w;
        QDir().mkpath(w.files.makeYear(2024) + "/ki");
        if (c.withLetters)
            w.files.writeLetters(2024, threeLetters());
        w.start();
        if (year != 2024)
            w.find<QDateTimeEdit>("DTPicker1")->setDate(QDate(year, 1, 5));
        if (c.sortColumn >= 0)
            emit w.find<ui::ReportView>("ListView1")->headerClicked(c.sortColumn);
        w.test.dialogs.answerInput(c.answer);
        if (!c.file.isEmpty() || year != 2024)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuExcel");

        if (c.file.isEmpty()) {
            QCOMPARE(w.test.dialogs.messages.size(), year == 2024 ? 0 : 1);
            if (year != 2024)
                QCOMPARE(w.test.dialogs.messages[0].title, "! HIBA !");
            QCOMPARE(QDir(w.files.makeYear(2024)).entryList(QDir::Files),
                     QStringList{"Velmar.dat"});
            QVERIFY(!TempRegister::exists(w.files.yearFile(2031, u"")));
            return;
        }
        const QString path = w.files.folder() + "/2024/" + c.file;
        QCOMPARE(w.files.read(path), c.content);
        const ui::Message told{" Excel fájl megnyitása ",
                               "Excel fájl útvonala:\r\n" + path + "\r\n", ui::Buttons::Ok,
                               ui::Answer::Ok, ui::Icon::Exclamation};
        QCOMPARE(w.test.dialogs.messages, QList{told});
    }

    void printing_data() {
        QTest::addColumn<Printing>("c");
        const QString in1 = "Be AB//2024", in2 = "Be AB/12345/2024/12345678", out = "Ki K/7/2024";
        auto row = [](const char* name, Printing c) { QTest::newRow(name) << c; };
        row("all letters",
            {"mnuPrintBeKi", "Márciusi levelek", "Bejövő és kimenő levelek", {in1, in2, out}});
        row("incoming", {"mnuPrintBe", "Márciusi levelek", "Bejövő levelek", {in1, in2}});
        row("outgoing, header cancelled", {"mnuPrintKi", std::nullopt, "Kimenő levelek", {out}});
        row("no printer", {"mnuPrintBeKi", "", "", {}, 1});
        row("printing failed",
            {"mnuPrintBeKi", "", "Bejövő és kimenő levelek", {in1, in2, out}, 2});
    }
    void printing() {
        QFETCH(Printing, c);
        const int problem = c.problem;
        MainWindow w;
        w.files.writeLetters(2024, threeLetters());
        w.start();
        w.test.printer.available = problem != 1;
        w.test.printer.endSucceeds = problem != 2;
        if (problem != 1)
            w.test.dialogs.answerInput(c.header);
        if (problem)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger(c.menu);

        const QStringList texts = {
            "", "Nincs használható nyomtató!\r\nA lista nem nyomtatható ki.\r\n",
            "A nyomtatás nem sikerült!\r\nEllenőrízd a nyomtatót, majd próbáld újra.\r\n"};
        const ui::Message report{"FIGYELEM!", texts[problem], ui::Buttons::Ok, ui::Answer::Ok,
                                 ui::Icon::Exclamation};
        QCOMPARE(w.test.dialogs.messages, problem ? QList{report} : QList<ui::Message>{});
        if (problem == 1) {
            QVERIFY(w.test.dialogs.inputs.isEmpty());
            return;
        }
        QCOMPARE(w.test.printer.documentNames, QStringList{c.documentName});
        const QStringList& calls = w.test.printer.documents.front();
        QCOMPARE(printedNumbers(calls), c.rows);
        QCOMPARE(calls.last(), "1: end");
        QCOMPARE(calls[2], "1: text 0,0 " + c.header.value_or(QString()));
    }
};

QTEST_MAIN(VelmarOutputTest)
#include "tst_velmar_output.moc"
