// Keeping the register from the main window: one case per operation shows that the window
// reads its fields, asks, writes and refreshes. The rules are in tst_register_rules.cpp.

#include "store/filesystem.h"
#include "support/mainwindow.h"
#include "ui/widgets.h"

using namespace testing;

namespace {

const QDate kToday(2024, 6, 14);  // the test clock's day

QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}
void fill(const MainWindow& w, const QString& who, const QString& client) {
    w.setText("txtKitolKinek", who);
    w.setText("txtUgyfelszam", client);
    w.setText("txtLevelTargya", "Tárgy");
    w.setText("txUgyintezo", "Kiss Anna");
}
store::LevelRekord letterOf(int day, bool incoming, qint16 serial) {
    auto r = letter(QDate(2024, 3, day), incoming, serial, QStringLiteral("Levél %1").arg(day));
    r.Num = serial;
    return r;
}
// Selects the row of ListView1 that shows letter `record`.
void selectRecord(const MainWindow& w, int record) {
    const QStringList recs = column(w.window.get(), "ListView1", 11);
    const auto row = recs.indexOf(QStringLiteral("%1").arg(record, 5));
    QVERIFY(row >= 0);
    w.find<ui::ReportView>("ListView1")->selectRow(int(row));
}
ui::Message question(const QString& title, const QString& text) {
    return {title, text, ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
}
ui::Message hiba(const QString& text) {
    return {"HIBA", text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
}
const ui::Message kRecordQuestion =
    question(" Rögzítés az adatállományban !", "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?");

struct Deleted {
    int deleted;
    bool blankSerial;
    QString number;  // in the question
    QList<int> kept;
    QByteArray numAfter;  // before: KiNum 2, BeNum 3
    QString next;         // the proposal of the deleted letter's direction
};

}  // namespace

Q_DECLARE_METATYPE(Deleted)

class VelmarKeepingTest : public QObject {
    Q_OBJECT

private slots:
    // Outgoing counter 14, incoming counter full. With groups, the directions open when group A
    // is chosen. Choosing a direction proposes its number, or reports the full counter; nothing
    // is written until the counters are stored. A group added in the group window shows on
    // return.
    void directionChoice() {
        MainWindow w;
        w.files.writeRecords<store::CsoportRekord>(w.files.programFile(u"Csoportok.dat"),
                                                   {{"  Pénzügy", "P"}, {"Adó", " A"}});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0E00 FF7F"));
        w.start();
        auto* combo = w.find<QComboBox>("cmbCsoportok");
        QCOMPARE(combo->itemText(0), "Pénzügy");
        QCOMPARE(combo->count(), 2);
        auto* incoming = w.find<QRadioButton>("Option1_0");
        QVERIFY(!incoming->isEnabled() && !w.find<QRadioButton>("Option1_1")->isEnabled());
        w.setText("txtSorszam", "/2024");
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(w.text("lbJel"), "A");
        QVERIFY(incoming->isEnabled() && !incoming->isChecked());
        QCOMPARE(w.text("txtSorszam"), "");
        w.find<QDateTimeEdit>("DTPicker1")->setDate(QDate(2024, 3, 1));
        fill(w, "Régi", "5");
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.click("Option1_0");
        w.click("Option1_1");

        QCOMPARE(
            w.test.dialogs.messages,
            QList{hiba("Elfogytak az év bejövő sorszámai: a legnagyobb sorszám, a 32767 "
                       "már ki van adva.\r\nEbben az évben több bejövő levél nem iktatható.")});
        QCOMPARE(w.text("txtSorszam1") + w.text("txtSorszam2") + w.text("txtSorszam"),
                 "AK/15/2024");
        QCOMPARE(w.text("txtKitolKinek") + w.text("txtUgyfelszam") + w.text("txtLevelTargya") +
                     w.text("txUgyintezo"),
                 "Kiss Anna");
        QCOMPARE(w.find<QDateTimeEdit>("DTPicker1")->date(), kToday);
        QCOMPARE(w.window->focusWidget(), w.find<QLineEdit>("txUgyintezo"));
        QCOMPARE(w.files.readYear(2024, u"Num.dat"), fromHex("0E00 FF7F"));
        // The hidden counter boxes are stored by a double click on "Levél tárgya:", halves
        // rounded to even; an empty box keeps its counter.
        w.setText("Text1", "2.5");
        w.setText("Text2", "");
        emit w.find<ui::ClickLabel>("Label1_3")->doubleClicked();
        QCOMPARE(w.files.readYear(2024, u"Num.dat"), fromHex("0200 FF7F"));

        w.test.dialogs.onModal([](QDialog& d) {
            setTextOf(&d, "txCsopNev", "Új");
            control<QPushButton>(&d, "Command1")->click();
        });
        w.trigger("mnuCsopFelvetel");
        QCOMPARE(combo->itemText(2), "Új");
    }

    void recordingWritesTheLetterAndItsLists() {
        MainWindow w;
        w.start();
        w.click("Option1_0");
        fill(w, "Őri Kft.", "1001");
        w.setText("txtLevelTargya", "Ajánlat\nmásodik sor");
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerOpenFile("/home/iroda/Levelek/valasz 12.doc");
        w.click("cmdRogzit");

        QCOMPARE(w.test.dialogs.messages, QList{kRecordQuestion});
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"),
                 fromHex("00000000 2032E640 FFFF") + "/2024" + spaces(9) + "B/" + spaces(2) +
                     fromHex("0100 D5") + "ri Kft." + spaces(32) + "Kiss Anna" + spaces(21) +
                     fromHex("416AE16E6C61740D0A6DE1736F64696B20736F72") + spaces(80) +
                     fromHex("E903") + spaces(2) + fromHex("01000000") + spaces(50));
        QCOMPARE(w.files.readYear(2024, u"Num.dat"), fromHex("0000 0100"));
        QCOMPARE(w.files.readYear(2024, u"KiIrat.dat"),
                 "\"valasz 12.doc\"" + spaces(35) + "\"/home/iroda/Levelek/valasz 12.doc\"" +
                     spaces(265));
        // The lists show the letter; the entry area waits for the next one. (The client and
        // case handler lists grow as tst_register_rules.cpp shows.)
        QCOMPARE(cell(w.window.get(), "ListView4", 0, 4), "Őri Kft.");
        QCOMPARE(w.text("txtKitolKinek") + w.text("txtUgyfelszam") + w.text("txtSorszam") +
                     w.text("txUgyintezo"),
                 "Kiss Anna");
        QVERIFY(!w.find<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(w.window->state().documents.iratNev, "\"valasz 12.doc\"");
    }

    // The checks before writing, in their order, each passed in turn: a client number of
    // another client (emptied for correcting), the past date answered No, then Yes with no
    // direction, and the confirmation answered No. Nothing is written; the fields stay.
    void recordingRefusedInOrder() {
        MainWindow w;
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{"Kovács Kft.", 12}});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0000"));
        w.start();
        fill(w, "Szabó Bt.", "12");
        w.setText("txtSorszam2", "1");
        w.find<QDateTimeEdit>("DTPicker1")->setDate(kToday.addDays(-1));
        const TempRegister::Tree before = w.files.tree();
        auto record = [&](QList<ui::Answer> answers) {
            for (ui::Answer answer : answers)
                w.test.dialogs.answerMessage(answer);
            w.click("cmdRogzit");
            QCOMPARE(w.files.tree(), before);
        };
        record({ui::Answer::Ok});
        QCOMPARE(w.text("txtUgyfelszam"), QString());
        fill(w, "Kovács Kft.", "12");
        record({ui::Answer::No});
        record({ui::Answer::Yes, ui::Answer::Ok});
        w.click("Option1_0");
        fill(w, "Kovács Kft.", "12");
        record({ui::Answer::No});
        QCOMPARE(w.text("txtKitolKinek") + w.text("txtUgyfelszam"), "Kovács Kft.12");

        const ui::Message past{"Figyelem!", "A dátum nem a mai dátum!\r\n\r\nMég is rögzíthető?",
                               ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Critical};
        QCOMPARE(w.test.dialogs.messages,
                 (QList<ui::Message>{
                     {"FIGYELEM!",
                      "A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új "
                      "ügyfélszámot.",
                      ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation},
                     past,
                     past,
                     hiba("Nincs kijelölve, hogy a levél bejövő vagy kimenő!"),
                     kRecordQuestion}));
    }

    // Characters without a Windows-1250 byte are named before anything is stored; look-alikes
    // that have one (õ for ő) and the code page's own (€) are not. A full disk at the letter's
    // write is reported with the file and the reason. Neither writes anything.
    void refusedWritesChangeNothing() {
        MainWindow w;
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0100"));
        w.start();
        w.find<QCheckBox>("chkMellekletKerdes")->setChecked(false);
        w.click("Option1_0");
        w.setText("txtKitolKinek", "Kõrösi Ŧ Kft.");
        w.setText("txtLevelTargya", "€ ✓ Ŧ");
        const TempRegister::Tree before = w.files.tree();
        w.test.dialogs.answerMessage(ui::Answer::No);
        w.click("cmdRogzit");
        QCOMPARE(w.test.dialogs.messages,
                 (QList<ui::Message>{{"FIGYELEM!",
                                      "A következő karakterek nem tárolhatók az adatállományban, "
                                      "helyettük „?” kerül a levélbe:\r\n„Ŧ” „✓”\r\nBiztos, "
                                      "hogy így rögzíti a levelet?",
                                      ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Exclamation}}));
        QCOMPARE(w.files.tree(), before);

        w.find<QCheckBox>("chkRogzitKerdes")->setChecked(false);
        w.setText("txtKitolKinek", "Partner");
        w.setText("txtLevelTargya", "");
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        store::fs::reset({store::fs::Fault::Action::Fail, 4, ENOSPC}, false);
        w.click("cmdRogzit");
        store::fs::reset();
        const QString text = w.test.dialogs.messages.value(1).text;
        QVERIFY2(text.startsWith("A levelet nem sikerült az adatállományba írni, nem került "
                                 "rögzítésre!\r\n" +
                                 w.files.folder()) &&
                     text.endsWith(": Nincs több hely a lemezen.\r\nEllenőrízze, hogy az "
                                   "adatok mappája írható-e."),
                 qPrintable(text));
        QCOMPARE(w.files.tree(), before);
        QCOMPARE(w.text("txtKitolKinek"), "Partner");
    }

    void deletion_data() {
        QTest::addColumn<Deleted>("c");
        // Letters: 1 in 1, 2 in 2, 3 out 1, 4 in 3, 5 out 2. The counter of the deleted
        // letter's direction goes down by one wherever the letter stood.
        QTest::newRow("record 3 of 5")
            << Deleted{3, false, "K/1/2024", {1, 2, 4, 5}, fromHex("0100 0300"), "2"};
        QTest::newRow("blank serial")
            << Deleted{2, true, "B//2024", {1, 3, 4, 5}, fromHex("0200 0200"), "3"};
    }
    void deletion() {
        QFETCH(Deleted, c);
        std::vector<store::LevelRekord> all = {letterOf(1, true, 1), letterOf(2, true, 2),
                                               letterOf(3, false, 1), letterOf(4, true, 3),
                                               letterOf(5, false, 2)};
        if (c.blankSerial)
            all[size_t(c.deleted - 1)].Sorszam = store::kBlankSerial;
        std::vector<store::IratRekord> documents;
        for (int n = 1; n <= 5; ++n)
            documents.push_back({QStringLiteral("\"d%1.doc\"").arg(n), "\"/d\""});
        MainWindow w;
        w.files.writeLetters(2024, all);
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"), documents);
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0200 0300"));
        w.files.write(w.files.yearFile(2024, u"xxx.dat"), "left by an interrupted deletion");
        w.start();
        selectRecord(w, c.deleted);

        // Answered No first: nothing changes.
        const TempRegister::Tree before = w.files.tree();
        w.test.dialogs.answerMessage(ui::Answer::No);
        w.click("cmdTorles");
        QCOMPARE(w.files.tree(), before);

        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.click("cmdTorles");
        QCOMPARE(
            w.test.dialogs.messages.value(1),
            question(" TÖRLÉS az adatállományból !", "Biztos T Ö R Ö L H E T Ő\n\ra(z)    " +
                                                         c.number + "\n\riktatási számú tétel? "));
        QByteArray keptLetters, keptDocuments;
        for (int n : c.kept) {
            keptLetters += all[size_t(n - 1)].toBytes();
            keptDocuments += documents[size_t(n - 1)].toBytes();
        }
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"), keptLetters);
        QCOMPARE(w.files.readYear(2024, u"KiIrat.dat"), keptDocuments);
        QCOMPARE(w.files.readYear(2024, u"Num.dat"), c.numAfter);
        QCOMPARE(QDir(w.files.yearFile(2024, u"")).entryList(QDir::Files).size(), 3);  // no xxx.dat
        QCOMPARE(rowCount(w.window.get(), "ListView1"), c.kept.size());
        QVERIFY(!w.find<QPushButton>("cmdTorles")->isEnabled());
        w.click(all[size_t(c.deleted - 1)].incoming() ? "Option1_0" : "Option1_1");
        QCOMPARE(w.text("txtSorszam2"), c.next);
    }

    // Letter 1 is incoming 4 of Kovács Kft. A record changed on disk since the selection is
    // refused. Then the box proposes 2: cancelled first, nothing changes; answered 1, the
    // letter becomes outgoing with the prefix as typed.
    void modification() {
        MainWindow w;
        auto stored = letterOf(1, true, 4);
        stored.KitolKinek = "Kovács Kft.";
        stored.Ugyfelszam = 12;
        w.files.writeLetters(2024, {stored, letterOf(2, false, 1)});
        w.files.writeRecords<store::UgyfelRekord>(
            w.files.programFile(u"Ugyfelek.dat"),
            {{"Kovács Kft.", 12}, {"Szabó Bt.", 12}, {"KOVÁCS KFT. ", 20}});
        // Both counters full: a number proposed on selecting would warn.
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("FF7F FF7F"));
        w.start();
        w.find<QCheckBox>("chkMellekletKerdes")->setChecked(false);
        selectRecord(w, 1);
        QCOMPARE(w.text("txtSorszam2"), "4");  // the letter's, not proposed

        // Another program changed the letter's record after it was selected: nothing is
        // written and the lists show the file as it is now.
        auto changed = stored;
        changed.KitolKinek = "Máshol Bt.";
        w.files.writeLetters(2024, {changed, letterOf(2, false, 1)});
        const TempRegister::Tree changedFiles = w.files.tree();
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.click("cmdModosit");
        QCOMPARE(w.test.dialogs.messages.value(0).title, "FIGYELEM!");
        QCOMPARE(w.files.tree(), changedFiles);
        QVERIFY(column(w.window.get(), "ListView1", 7).contains("Máshol Bt."));
        w.files.writeLetters(2024, {stored, letterOf(2, false, 1)});
        w.window->beolvas();
        selectRecord(w, 1);
        w.test.dialogs.messages.clear();
        w.setText("txtUgyfelszam", "15");
        w.setText("txtLevelTargya", "Új");
        w.test.dialogs.answerOpenFile("/szkennelt/level 3.jpg");
        w.click("cmdBeszkenneltLevel");
        const TempRegister::Tree unchanged = w.files.tree();
        w.test.dialogs.answerInput(std::nullopt);
        w.click("cmdModosit");
        QCOMPARE(w.test.dialogs.inputs.value(0).defaultText, "2");
        QCOMPARE(w.files.tree(), unchanged);

        w.test.dialogs.answerInput(QStringLiteral("1"));
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.click("cmdModosit");
        QCOMPARE(w.test.dialogs.messages.value(0),
                 question(" Módosítás az adatállományban !",
                          "Biztos JÓK az adatok ?\n\rMehet a módosítás ?"));
        const QByteArray letters = w.files.readYear(2024, u"Velmar.dat");
        QCOMPARE(letters.mid(8, 2), fromHex("0000"));
        QCOMPARE(letters.mid(24, 4), "B/" + spaces(2));
        QCOMPARE(letters.mid(100, 100), fromHex("DA6A") + spaces(98));  // "Új"
        QCOMPARE(letters.mid(200, 8), fromHex("0F00 2020 04000000"));   // 15, no group, Num kept
        QCOMPARE(letters.mid(208, 50), "level 3.jpg" + spaces(39));
        QCOMPARE(letters.mid(258), letterOf(2, false, 1).toBytes());
        // Every client of the name gets the number.
        QCOMPARE(w.files.readProgram(u"Ugyfelek.dat"),
                 "Kov" + fromHex("E1") + "cs Kft." + spaces(29) + fromHex("0F000000") + "Szab" +
                     fromHex("F3") + " Bt." + spaces(31) + fromHex("0C000000") + "KOV" +
                     fromHex("C1") + "CS KFT." + spaces(29) + fromHex("0F000000"));
        QVERIFY(!w.find<QPushButton>("cmdModosit")->isEnabled());
    }
};

QTEST_MAIN(VelmarKeepingTest)
#include "tst_velmar_keeping.moc"
