// "Mentés &Excel fájlba" and the three "&Nyomtatás" items of the main window, also on what a
// search in another year found.

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

// Answers "Mentés Excel fájlba" with `name` and closes its closing message.
void exportAs(MainWindow& w, const QString& name) {
    w.test.dialogs.answerInput(name);
    w.test.dialogs.answerMessage(ui::Answer::Ok);
    w.trigger("mnuExcel");
}

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

}  // namespace

class VelmarOutputTest : public QObject {
    Q_OBJECT

private slots:
    // The lines follow the list: as reloaded (incoming by serial, the blank serial's " "
    // first, then outgoing), then sorted by "Kitől/Kinek"; a list a search left empty exports
    // the header alone. The long registration number loses its end; a ";" in a text stays; a
    // backslash in the name separates folders, as it did on Windows. A cancelled box, an
    // empty name and a year without folder write nothing.
    void exportFollowsTheList() {
        MainWindow w;
        w.files.writeLetters(2024, threeLetters());
        QDir().mkpath(w.files.makeYear(2024) + "/ki");
        w.start();
        const QByteArray bodo = dataLine("2024.03.03.", "AB//2024", "Bod\xF3 Zrt.", "", "");
        const QByteArray zala = dataLine("2024.03.01.", "AB/12345/2024/1234567", "Zala Kft.",
                                         "Kiss Anna", "Sz\xE1mla; 2. r\xE9sz");
        const QByteArray adam = dataLine("2024.03.02.", "K/7/2024", "\xC1\x64\xE1m Bt.", "", "");
        for (const char* name : {"ki\\lista", "nevsor"}) {
            exportAs(w, name);
            emit w.find<ui::ReportView>("ListView1")->headerClicked(7);
        }
        const QString path = w.files.folder() + "/2024/ki/lista.csv";
        QCOMPARE(w.files.read(path), kHeaderLine + bodo + zala + adam);
        QCOMPARE(w.files.readYear(2024, u"nevsor.csv"), kHeaderLine + adam + bodo + zala);
        QCOMPARE(w.test.dialogs.messages.value(0),
                 (ui::Message{" Excel fájl megnyitása ", "Excel fájl útvonala:\r\n" + path + "\r\n",
                              ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation}));
        w.setText("txtKitolKinek", "Nincs ilyen");
        w.click("Command1_2");
        exportAs(w, "ures");
        QCOMPARE(w.files.readYear(2024, u"ures.csv"), kHeaderLine);

        w.test.dialogs.answerInput(std::nullopt);
        w.test.dialogs.answerInput(QString());
        w.trigger("mnuExcel");
        w.trigger("mnuExcel");
        w.find<QDateTimeEdit>("DTPicker1")->setDate(QDate(2031, 1, 5));
        exportAs(w, "l");
        QCOMPARE(w.test.dialogs.messages.size(), 4);
        QCOMPARE(w.test.dialogs.messages.last(),
                 (ui::Message{"! HIBA !",
                              "Az Excel fájl nem jött létre!\r\n" + w.files.folder() +
                                  "/2031/l.csv\r\nEllenőrízd a fájl nevét és a mappát!\r\n",
                              ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical}));
        QCOMPARE(QDir(w.files.makeYear(2024)).entryList(QDir::Files),
                 (QStringList{"nevsor.csv", "ures.csv", "Velmar.dat"}));
        QVERIFY(!TempRegister::exists(w.files.yearFile(2031, u"")));
    }

    // Each menu item prints its list under the typed header (none when the box is
    // cancelled); a failed print and a missing printer are reported.
    void printing() {
        MainWindow w;
        w.files.writeLetters(2024, threeLetters());
        w.start();
        const QString in1 = "Be AB//2024", in2 = "Be AB/12345/2024/12345678", out = "Ki K/7/2024";
        const QList<std::tuple<const char*, std::optional<QString>, QStringList>> items = {
            {"mnuPrintBeKi", "Márciusi levelek", {in1, in2, out}},
            {"mnuPrintBe", "Bejövők", {in1, in2}},
            {"mnuPrintKi", std::nullopt, {out}}};
        for (const auto& [menu, header, rows] : items) {
            w.test.dialogs.answerInput(header);
            w.trigger(menu);
            const QStringList& calls = w.test.printer.documents.back();
            QCOMPARE(printedNumbers(calls), rows);
            QCOMPARE(calls[2], "1: text 0,0 " + header.value_or(QString()));
            QCOMPARE(calls.last(), "1: end");
        }
        QCOMPARE(w.test.printer.documentNames,
                 (QStringList{"Bejövő és kimenő levelek", "Bejövő levelek", "Kimenő levelek"}));

        w.test.printer.endSucceeds = false;
        w.test.dialogs.answerInput(QString());
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuPrintBeKi");
        w.test.printer.available = false;
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuPrintBeKi");
        auto report = [](const QString& text) {
            return ui::Message{"FIGYELEM!", text, ui::Buttons::Ok, ui::Answer::Ok,
                               ui::Icon::Exclamation};
        };
        QCOMPARE(w.test.dialogs.messages,
                 (QList{report("A nyomtatás nem sikerült!\r\nEllenőrízd a nyomtatót, majd "
                               "próbáld újra.\r\n"),
                        report("Nincs használható nyomtató!\r\nA lista nem nyomtatható ki.\r\n")}));
        QCOMPARE(w.test.dialogs.inputs.size(), 4);  // none without a printer
    }

    void listsFilledFromATypedYearAreReadFromThatYear() {
        MainWindow w;  // the picker stays in 2024
        w.files.writeLetters(2024, {letter(QDate(2024, 1, 5), true, 1, "Idei")});
        w.files.writeLetters(2023, {letter(QDate(2023, 3, 1), false, 7, "Tavalyi"),
                                    letter(QDate(2023, 3, 2), true, 3, "Régi")});
        w.start();
        w.setText("txtDatum", "2023");
        w.click("Command1_6");  // "Teljes lista"
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 2);

        // The export lies in the picker's year folder and holds the 2023 letters.
        exportAs(w, "tavaly");
        QCOMPARE(w.files.readYear(2024, u"tavaly.csv"),
                 kHeaderLine + dataLine("2023.03.01.", "K/7/2023", "Tavalyi", "", "") +
                     dataLine("2023.03.02.", "B/3/2023", "R\xE9gi", "", ""));

        // The printed rows come from 2023 as well.
        w.test.dialogs.answerInput(QStringLiteral("Tavalyi levelek"));
        w.trigger("mnuPrintBeKi");
        QCOMPARE(int(w.test.printer.documents.size()), 1);
        QCOMPARE(printedNumbers(w.test.printer.documents.front()),
                 (QStringList{"Ki K/7/2023", "Be B/3/2023"}));
    }
};

QTEST_MAIN(VelmarOutputTest)
#include "tst_velmar_output.moc"
