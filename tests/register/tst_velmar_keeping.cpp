// Keeping the register from the main window: choosing a direction, recording a letter with
// its questions, modifying and deleting the selected letter, and the document choices.
// Files are checked against bytes spelled out here.

#include <QFile>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

const QDate kToday(2024, 6, 14);  // the test clock's day

QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}
QDateTimeEdit* picker(const MainWindow& w) {
    return w.find<QDateTimeEdit>("DTPicker1");
}
void untick(const MainWindow& w, const char* name) {
    w.find<QCheckBox>(QLatin1String(name))->setChecked(false);
}
QByteArray yearFile(const MainWindow& w, const char16_t* name, int year = 2024) {
    return w.files.readYear(year, QStringView(name));
}
QByteArray programFile(const MainWindow& w, const char16_t* name) {
    return w.files.read(w.files.programFile(QStringView(name)));
}
// Every data file of the year and the lists, to show that nothing was written.
QList<QByteArray> allFiles(const MainWindow& w) {
    return {yearFile(w, u"Velmar.dat"),       yearFile(w, u"Num.dat"),
            yearFile(w, u"KiIrat.dat"),       programFile(w, u"Ugyfelek.dat"),
            programFile(w, u"Ugyintezo.dat"), programFile(w, u"UszNum.dat")};
}
void fill(const MainWindow& w, const QString& who, const QString& client, const QString& subject,
          const QString& handler) {
    w.setText("txtKitolKinek", who);
    w.setText("txtUgyfelszam", client);
    w.setText("txtLevelTargya", subject);
    w.setText("txUgyintezo", handler);
}
store::LevelRekord letterOf(int day, bool incoming, qint16 serial) {
    auto r = letter(QDate(2024, 3, day), incoming, serial, QStringLiteral("Levél %1").arg(day));
    r.Num = serial;
    return r;
}
// Selects the row of ListView1 that shows letter `record`.
void selectRecord(const MainWindow& w, int record) {
    for (int row = 0; row < rowCount(w.window.get(), "ListView1"); ++row) {
        if (cell(w.window.get(), "ListView1", row, 11).toInt() == record)
            return w.find<ui::ReportView>("ListView1")->selectRow(row);
    }
    QFAIL("no such record in the list");
}
ui::Message question(const QString& title, const QString& text) {
    return {title, text, ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
}
ui::Message hiba(const QString& text) {
    return {"HIBA", text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
}

struct Proposal {
    QByteArray num;  // Num.dat of the picker's year; empty: the year has no folder
    QDate date;      // the picker before the choice
    int option;
    QString elotag, serial;
    QDate dateAfter;
};
struct Counting {
    QDate date;
    const char* numBefore;                 // hex
    QString serial, yearBox;               // typed over the proposal when not empty
    QString handler;                       // "Kiss Anna" is listed
    const char *sorszam, *num, *numAfter;  // hex
    QString next;                          // the proposal after recording
    int handlers;                          // records of Ugyintezo.dat after
};
struct Refused {
    int option;  // -1: no direction
    QString who, client, serial;
    int daysBack;
    ui::Message box;
};
struct Deleted {
    int letters, deleted;
    bool blankSerial;
    QString number;  // in the question
    QList<int> kept;
    QByteArray numAfter;  // before: KiNum 2, BeNum 3
    QString next;         // the proposal of the deleted letter's direction
};

}  // namespace

Q_DECLARE_METATYPE(Proposal)
Q_DECLARE_METATYPE(Counting)
Q_DECLARE_METATYPE(Refused)
Q_DECLARE_METATYPE(Deleted)
Q_DECLARE_METATYPE(std::optional<QString>)

class VelmarKeepingTest : public QObject {
    Q_OBJECT

private slots:
    void directionChoice_data() {
        QTest::addColumn<Proposal>("c");
        const QByteArray counters = fromHex("0E00 2500");  // KiNum 14, BeNum 37
        const QDate march(2024, 3, 1), may2023(2023, 5, 2);
        QTest::newRow("fresh year") << Proposal{{}, march, 0, "B/", "1", kToday};
        QTest::newRow("group A, incoming") << Proposal{counters, march, 0, "AB/", "38", kToday};
        QTest::newRow("group A, outgoing") << Proposal{counters, kToday, 1, "AK/", "15", kToday};
        QTest::newRow("last year keeps its day")
            << Proposal{fromHex("0300 0000"), may2023, 1, "K/", "4", may2023};
        QTest::newRow("full counter")
            << Proposal{fromHex("FF7F 0000"), kToday, 1, "K/", "", kToday};
    }
    void directionChoice() {
        QFETCH(Proposal, c);
        MainWindow w;
        const bool group = c.elotag.startsWith(u'A');
        if (group) {
            w.files.writeRecords<store::CsoportRekord>(w.files.programFile(u"Csoportok.dat"),
                                                       {{"Pénzügy", "P"}, {"Adó", "A"}});
        }
        if (!c.num.isEmpty())
            w.files.write(w.files.yearFile(c.date.year(), u"Num.dat"), c.num);
        w.start();
        if (group) {
            w.find<QComboBox>("cmbCsoportok")->setCurrentIndex(1);
            emit w.find<QComboBox>("cmbCsoportok")->activated(1);
        }
        picker(w)->setDate(c.date);
        fill(w, "Régi", "5", "Tárgy", "Kiss Anna");
        const QString full =
            "Elfogytak az év kimenő sorszámai: a legnagyobb sorszám, a 32767 "
            "már ki van adva.\r\nEbben az évben több kimenő levél nem iktatható.";
        for (int n = 0; c.serial.isEmpty() && n < 2; ++n)  // each choice of the full direction
            w.test.dialogs.answerMessage(ui::Answer::Ok);

        // Choosing twice, or the other direction in between, proposes the same number.
        const char* options[] = {"Option1_0", "Option1_1"};
        w.click(options[c.option]);
        w.click(options[1 - c.option]);
        w.click(options[c.option]);

        QCOMPARE(w.text("txtSorszam1"), c.elotag);
        QCOMPARE(w.text("txtSorszam2"), c.serial);
        QCOMPARE(w.text("txtSorszam"), u'/' + QString::number(c.date.year()));
        QCOMPARE(w.text("txtKitolKinek") + w.text("txtUgyfelszam") + w.text("txtLevelTargya"),
                 QString());
        QCOMPARE(w.text("txUgyintezo"), "Kiss Anna");
        QCOMPARE(picker(w)->date(), c.dateAfter);
        QCOMPARE(w.window->focusWidget(), w.find<QLineEdit>("txUgyintezo"));
        QCOMPARE(yearFile(w, u"Num.dat", c.date.year()), c.num);  // nothing written
        if (c.num.isEmpty()) {  // a new year: its folder with an empty letter file
            QVERIFY(TempRegister::exists(w.files.yearFile(c.date.year(), u"Velmar.dat")));
            QCOMPARE(yearFile(w, u"Velmar.dat", c.date.year()), QByteArray());
        }
        if (c.serial.isEmpty())
            QCOMPARE(w.test.dialogs.messages.value(0), hiba(full));
        QVERIFY(w.test.dialogs.scriptUsed());
    }

    void recordingWritesTheLetterAndItsLists() {
        MainWindow w;
        store::SetupRekord setup;
        setup.KezdoUgyfelszam = 1000;
        w.files.writeSetup(setup);
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("EC030000"));  // 1004
        w.start();
        w.click("Option1_0");
        fill(w, "Őri Kft.", "1001", "Ajánlat\nmásodik sor", "Kiss Anna");
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerOpenFile("/home/iroda/Levelek/valasz 12.doc");
        w.click("cmdRogzit");

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0],
                 question(" Rögzítés az adatállományban !",
                          "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"));
        const ui::FileRequest& request = w.test.dialogs.fileRequests.value(0);
        QCOMPARE(request.filter,
                 "kép (*.jpg)|*.jpg|Dokumentum (*.doc;*.docx;*.PDF)|*.doc;*.docx;*.PDF");
        QCOMPARE(request.filterIndex, 2);
        QCOMPARE(request.fileName, QString());

        QCOMPARE(yearFile(w, u"Velmar.dat"),
                 fromHex("00000000 2032E640 FFFF") + "/2024" + spaces(9) + "B/" + spaces(2) +
                     fromHex("0100 D5") + "ri Kft." + spaces(32) + "Kiss Anna" + spaces(21) +
                     fromHex("416AE16E6C61740D0A6DE1736F64696B20736F72") + spaces(80) +
                     fromHex("E903") + spaces(2) + fromHex("01000000") + spaces(50));
        QCOMPARE(yearFile(w, u"Num.dat"), fromHex("0000 0100"));
        const QByteArray path = "\"/home/iroda/Levelek/valasz 12.doc\"" + spaces(265);
        QCOMPARE(yearFile(w, u"KiIrat.dat"), "\"valasz 12.doc\"" + spaces(35) + path);
        QCOMPARE(programFile(w, u"Ugyfelek.dat"),
                 fromHex("D5") + "ri Kft." + spaces(32) + fromHex("E9030000"));
        QCOMPARE(programFile(w, u"UszNum.dat"), fromHex("ED030000"));
        QCOMPARE(programFile(w, u"Ugyintezo.dat"), "Kiss Anna" + spaces(31));

        // The lists show the letter; the entry area waits for the next one.
        QCOMPARE(cell(w.window.get(), "ListView4", 0, 4), "Őri Kft.");
        QCOMPARE(w.text("txtKitolKinek") + w.text("txtUgyfelszam") + w.text("txtSorszam"),
                 QString());
        QCOMPARE(w.text("txtSorszam1"), "B/");
        QCOMPARE(w.text("txUgyintezo"), "Kiss Anna");
        QVERIFY(!w.find<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(w.window->state().aktIratNev, "\"valasz 12.doc\"");

        // A cancelled choice stores no name but keeps the path chosen before; a path longer
        // than its field loses its end, the closing quote too.
        const QString longPath = "/home/" + QString(310, u'x') + "/a.pdf";  // 322 characters
        for (const QString& chosen : {QString(), longPath}) {
            w.click("Option1_1");
            w.test.dialogs.answerMessage(ui::Answer::Yes);
            w.test.dialogs.answerOpenFile(chosen);
            w.click("cmdRogzit");
        }
        const QByteArray documents = yearFile(w, u"KiIrat.dat");
        QCOMPARE(documents.mid(350, 350), spaces(50) + path);
        QCOMPARE(documents.mid(700), "\"a.pdf\"" + spaces(43) + "\"/home/" + QByteArray(293, 'x'));
    }

    void serialsAndCounters_data() {
        QTest::addColumn<Counting>("c");
        const QDate old(2011, 3, 1);
        auto row = [](const char* name, Counting c) { QTest::newRow(name) << c; };
        row("typed above: the counter moves by one", {kToday, "0A00 0000", "15", "", "kiss ANNA ",
                                                      "0F00", "0B000000", "0B00 0000", "12", 1});
        row("already given: Num 0",
            {kToday, "0A00 0000", "10", "", "Nagy Éva", "0A00", "00000000", "0A00 0000", "11", 2});
        row("2011, counted",
            {old, "2C00 0000", "45", "2011/45", "", "2D00", "2D000000", "2D00 0000", "46", 2});
        row("2011, not counted",
            {old, "2C00 0000", "45", "2011/44", "", "2D00", "00000000", "2C00 0000", "45", 2});
    }
    void serialsAndCounters() {
        QFETCH(Counting, c);
        MainWindow w;
        const int year = c.date.year();
        w.files.write(w.files.yearFile(year, u"Num.dat"), fromHex(c.numBefore));
        w.files.writeRecords<store::UgyintezoRekord>(w.files.programFile(u"Ugyintezo.dat"),
                                                     {{"Kiss Anna"}});
        w.start();
        untick(w, "chkMellekletKerdes");
        untick(w, "chkRogzitKerdes");
        picker(w)->setDate(c.date);
        w.click("Option1_1");
        fill(w, "Partner", "", "Tárgy", c.handler);
        if (!c.serial.isEmpty())
            w.setText("txtSorszam2", c.serial);
        if (!c.yearBox.isEmpty())
            w.setText("txtSorszam", c.yearBox);
        if (c.date < kToday)
            w.test.dialogs.answerMessage(ui::Answer::Yes);  // "Még is rögzíthető?"
        w.click("cmdRogzit");

        const QByteArray record = yearFile(w, u"Velmar.dat", year);
        QCOMPARE(record.size(), 258);
        const QByteArray yearPart =
            c.yearBox.isEmpty() ? "/" + QByteArray::number(year) : c.yearBox.toLatin1();
        QCOMPARE(record.mid(10, 14), yearPart + spaces(14 - int(yearPart.size())));
        QCOMPARE(record.mid(28, 2), fromHex(c.sorszam));
        QCOMPARE(record.mid(200, 2), fromHex("0000"));  // no client number
        QCOMPARE(record.mid(204, 4), fromHex(c.num));
        QCOMPARE(yearFile(w, u"Num.dat", year), fromHex(c.numAfter));
        QCOMPARE(programFile(w, u"Ugyintezo.dat").size(), c.handlers * 40);
        QVERIFY(w.test.dialogs.scriptUsed());
        w.click("Option1_1");
        QCOMPARE(w.text("txtSorszam2"), c.next);
    }

    void recordingRefused_data() {
        QTest::addColumn<Refused>("c");
        auto row = [](const char* name, int option, const char* who, const char* client,
                      const char* serial, int daysBack, const ui::Message& box) {
            QTest::newRow(name) << Refused{option, who, client, serial, daysBack, box};
        };
        const char* kovacs = "Kovács Kft.";
        row("client number of another client", 0, "Szabó Bt.", "12", "1", 0,
            ui::Message{"FIGYELEM!",
                        "A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új "
                        "ügyfélszámot.",
                        ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation});
        row("past date answered No", 0, kovacs, "12", "1", 1,
            ui::Message{"Figyelem!", "A dátum nem a mai dátum!\r\n\r\nMég is rögzíthető?",
                        ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Critical});
        row("no direction", -1, kovacs, "12", "1", 0,
            hiba("Nincs kijelölve, hogy a levél bejövő vagy kimenő!"));
        row("serial no whole number", 1, kovacs, "", "1,5", 0,
            hiba("A levél sorszáma (Szám:) csak egész szám lehet, legfeljebb 32767!"));
        row("client number too large", 1, "Új", "40000", "1", 0,
            hiba("Az ügyfélszám csak egész szám lehet, legfeljebb 32767!"));
        row("confirmation answered No", 0, kovacs, "12", "1", 0,
            question(" Rögzítés az adatállományban !",
                     "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"));
    }
    void recordingRefused() {
        QFETCH(Refused, c);
        MainWindow w;
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{"Kovács Kft.", 12}});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0000"));
        w.start();
        if (c.option >= 0)
            w.click(c.option == 0 ? "Option1_0" : "Option1_1");
        fill(w, c.who, c.client, "Tárgy", "Kiss Anna");
        w.setText("txtSorszam2", c.serial);
        picker(w)->setDate(kToday.addDays(-c.daysBack));
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerMessage(c.box.buttons == ui::Buttons::Ok ? ui::Answer::Ok
                                                                      : ui::Answer::No);
        w.click("cmdRogzit");

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0], c.box);
        QVERIFY(w.test.dialogs.fileRequests.isEmpty());
        QCOMPARE(allFiles(w), before);
        // The fields stay for correcting; only a client number of another client is emptied.
        QCOMPARE(w.text("txtUgyfelszam"), c.box.title == "FIGYELEM!" ? QString() : c.client);
        QCOMPARE(w.text("txtKitolKinek"), c.who);
        QCOMPARE(w.text("txtSorszam2"), c.serial);
        QCOMPARE(w.find<QRadioButton>("Option1_0")->isChecked(), c.option == 0);
    }

    void writeFailureKeepsTheCounter() {
        MainWindow w;
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0100"));
        // A letter file that opens but takes no byte, as on a full disk.
        QVERIFY(QFile::link("/dev/full", w.files.yearFile(2024, u"Velmar.dat")));
        w.start();
        untick(w, "chkMellekletKerdes");
        untick(w, "chkRogzitKerdes");
        w.click("Option1_0");
        w.setText("txtKitolKinek", "Partner");
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.click("cmdRogzit");
        QCOMPARE(w.test.dialogs.messages.value(0),
                 hiba("A levelet nem sikerült az adatállományba írni, nem került rögzítésre!"
                      "\r\nEllenőrízze, hogy az adatok mappája írható-e."));
        QCOMPARE(yearFile(w, u"Num.dat"), fromHex("0000 0100"));
        QCOMPARE(programFile(w, u"Ugyfelek.dat"), QByteArray());
        QCOMPARE(w.text("txtKitolKinek"), "Partner");
    }

    void deletion_data() {
        QTest::addColumn<Deleted>("c");
        // Letters: 1 in 1, 2 in 2, 3 out 1, 4 in 3, 5 out 2.
        QTest::newRow("record 3 of 5")
            << Deleted{5, 3, false, "K/1/2024", {1, 2, 4, 5}, fromHex("0100 0300"), "2"};
        QTest::newRow("an older incoming letter")
            << Deleted{5, 1, false, "B/1/2024", {2, 3, 4, 5}, fromHex("0200 0200"), "3"};
        QTest::newRow("blank serial")
            << Deleted{5, 2, true, "B//2024", {1, 3, 4, 5}, fromHex("0200 0200"), "3"};
        QTest::newRow("the only letter")
            << Deleted{1, 1, false, "B/1/2024", {}, fromHex("0200 0200"), "3"};
    }
    void deletion() {
        QFETCH(Deleted, c);
        std::vector<store::LevelRekord> all = {letterOf(1, true, 1), letterOf(2, true, 2),
                                               letterOf(3, false, 1), letterOf(4, true, 3),
                                               letterOf(5, false, 2)};
        if (c.blankSerial)
            all[size_t(c.deleted - 1)].Sorszam = store::kBlankSerial;
        all.resize(size_t(c.letters));
        std::vector<store::IratRekord> documents;
        for (int n = 1; n <= c.letters; ++n)
            documents.push_back({QStringLiteral("\"d%1.doc\"").arg(n), "\"/d\""});
        MainWindow w;
        w.files.writeLetters(2024, all);
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"), documents);
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0200 0300"));
        w.files.write(w.files.yearFile(2024, u"xxx.dat"), "left by an interrupted deletion");
        w.start();
        selectRecord(w, c.deleted);

        // Answered No first: nothing changes.
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerMessage(ui::Answer::No);
        w.click("cmdTorles");
        QCOMPARE(allFiles(w), before);
        QVERIFY(w.find<QPushButton>("cmdTorles")->isEnabled());

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
        QCOMPARE(yearFile(w, u"Velmar.dat"), keptLetters);
        QCOMPARE(yearFile(w, u"KiIrat.dat"), keptDocuments);
        QCOMPARE(yearFile(w, u"Num.dat"), c.numAfter);
        QCOMPARE(QDir(w.files.yearFile(2024, u"")).entryList(QDir::Files).size(), 3);  // no xxx.dat
        QCOMPARE(rowCount(w.window.get(), "ListView1"), c.kept.size());
        QVERIFY(!w.find<QPushButton>("cmdTorles")->isEnabled());
        QVERIFY(!w.find<QPushButton>("cmdModosit")->isEnabled());
        w.click(all[size_t(c.deleted - 1)].incoming() ? "Option1_0" : "Option1_1");
        QCOMPARE(w.text("txtSorszam2"), c.next);
    }

    void modification_data() {
        QTest::addColumn<int>("record");  // 1: incoming 4 of Kovács Kft., 2: outgoing 1
        QTest::addColumn<QString>("defaultAnswer");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QByteArray>("bejovo");  // as written; empty: nothing may change
        auto row = [](const char* name, int record, const char* defaultAnswer,
                      std::optional<QString> answer, const char* bejovo) {
            QTest::newRow(name) << record << QString(defaultAnswer) << answer << fromHex(bejovo);
        };
        row("2 keeps it incoming", 1, "2", "2", "FFFF");
        row("1 makes it outgoing, prefix as typed", 1, "2", "1", "0000");
        row("3 changes nothing", 1, "2", "3", "");
        row("a letter changes nothing", 2, "1", "b", "");
        row("empty changes nothing", 1, "2", "", "");
        row("cancelled", 2, "1", std::nullopt, "");
    }
    void modification() {
        QFETCH(int, record);
        QFETCH(QString, defaultAnswer);
        QFETCH(std::optional<QString>, answer);
        QFETCH(QByteArray, bejovo);
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
        untick(w, "chkMellekletKerdes");
        selectRecord(w, record);
        QCOMPARE(w.text("txtSorszam2"), record == 1 ? "4" : "1");  // the letter's, not proposed
        w.setText("txtUgyfelszam", "15");
        w.setText("txtLevelTargya", "Új");
        w.test.dialogs.answerOpenFile("/szkennelt/level 3.jpg");
        w.click("cmdBeszkenneltLevel");
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerInput(answer);
        if (!bejovo.isEmpty())
            w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.click("cmdModosit");

        const FakeDialogs::Input& box = w.test.dialogs.inputs.value(0);
        QCOMPARE(box.title, "Adatmódosítás");
        QCOMPARE(box.prompt, "Kimenő vagy Bejövő levél?\r\n1 - Kimenő\r\n2 - Bejövő");
        QCOMPARE(box.defaultText, defaultAnswer);
        if (bejovo.isEmpty()) {
            QCOMPARE(allFiles(w), before);
            QCOMPARE(w.text("txtUgyfelszam"), "15");
            QVERIFY(w.find<QPushButton>("cmdModosit")->isEnabled());
            QVERIFY(w.test.dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(w.test.dialogs.messages.value(0),
                 question(" Módosítás az adatállományban !",
                          "Biztos JÓK az adatok ?\n\rMehet a módosítás ?"));
        const QByteArray letters = yearFile(w, u"Velmar.dat");
        QCOMPARE(letters.mid(8, 2), bejovo);
        QCOMPARE(letters.mid(24, 4), "B/" + spaces(2));
        QCOMPARE(letters.mid(100, 100), fromHex("DA6A") + spaces(98));  // "Új"
        QCOMPARE(letters.mid(200, 8), fromHex("0F00 2020 04000000"));   // 15, no group, Num kept
        QCOMPARE(letters.mid(208, 50), "level 3.jpg" + spaces(39));
        QCOMPARE(letters.mid(258), letterOf(2, false, 1).toBytes());
        // Every client of the name gets the number.
        QCOMPARE(programFile(w, u"Ugyfelek.dat"),
                 "Kov" + fromHex("E1") + "cs Kft." + spaces(29) + fromHex("0F000000") + "Szab" +
                     fromHex("F3") + " Bt." + spaces(31) + fromHex("0C000000") + "KOV" +
                     fromHex("C1") + "CS KFT." + spaces(29) + fromHex("0F000000"));
        QVERIFY(!w.find<QPushButton>("cmdModosit")->isEnabled());
        QCOMPARE(w.text("txtKitolKinek"), QString());
        const ui::FileRequest& scan = w.test.dialogs.fileRequests.value(0);
        QCOMPARE(scan.filter + scan.fileName, "*.jpg;*.PDF*.jpg;*.PDF");
        QCOMPARE(scan.filterIndex, 2);
    }

    void dateMovedToAnotherYearIsRefused() {
        MainWindow w;
        w.files.writeLetters(2024, {letterOf(1, true, 1)});
        w.files.writeLetters(2023, {letter(QDate(2023, 2, 1), true, 1)});
        w.start();
        selectRecord(w, 1);
        picker(w)->setDate(QDate(2023, 12, 30));
        const QByteArray year2023 = yearFile(w, u"Velmar.dat", 2023);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.click("cmdModosit");
        w.click("cmdTorles");
        QCOMPARE(w.test.dialogs.messages.size(), 2);
        QCOMPARE(w.test.dialogs.messages[1].title, "HIBA");
        QVERIFY(w.test.dialogs.inputs.isEmpty());
        QCOMPARE(yearFile(w, u"Velmar.dat", 2023), year2023);
        QCOMPARE(yearFile(w, u"Velmar.dat"), letterOf(1, true, 1).toBytes());
    }

    void keyboardReachesTheDirectionsAndTheScannedLetter() {
        MainWindow w;
        w.start();
        w.window->show();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        // The access keys press their buttons a moment later, as a click does.
        QTest::keyClick(w.window.get(), Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(w.text("txtSorszam2"), "1");
        QVERIFY(w.find<QPushButton>("cmdBeszkenneltLevel")->isVisible());
        w.test.dialogs.answerOpenFile("/szkennelt/b.PDF");
        QTest::keyClick(w.window.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(w.window->state().aktMelleklet, "b.PDF");
    }
};

QTEST_MAIN(VelmarKeepingTest)
#include "tst_velmar_keeping.moc"
