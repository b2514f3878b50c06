// Keeping the register from the main window: choosing a direction, recording a letter with
// its questions, modifying and deleting the selected letter, and the document choices.
// Files are checked against bytes spelled out here.

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

const QDate kToday(2024, 6, 14);  // the test clock's day

QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}
QLineEdit* edit(const MainWindow& w, const char* name) {
    return w.find<QLineEdit>(QLatin1String(name));
}
QDateTimeEdit* picker(const MainWindow& w) {
    return w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"));
}
void press(const MainWindow& w, const char* name) {
    w.find<QAbstractButton>(QLatin1String(name))->click();
}
void untick(const MainWindow& w, const char* name) {
    w.find<QCheckBox>(QLatin1String(name))->setChecked(false);
}
QByteArray yearFile(const MainWindow& w, const char16_t* name, int year = 2024) {
    return w.files.read(w.files.yearFile(year, QStringView(name)));
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
    edit(w, "txtKitolKinek")->setText(who);
    edit(w, "txtUgyfelszam")->setText(client);
    w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->setPlainText(subject);
    edit(w, "txUgyintezo")->setText(handler);
}
store::LevelRekord letterOf(int day, bool incoming, qint16 serial) {
    auto r = letter(QDate(2024, 3, day), incoming, serial, QStringLiteral("Levél %1").arg(day));
    r.Num = serial;
    return r;
}
// Selects the row of ListView1 that shows letter `record`.
void selectRecord(const MainWindow& w, int record) {
    for (int row = 0; row < rowCount(w.window.get(), QStringLiteral("ListView1")); ++row) {
        if (cell(w.window.get(), QStringLiteral("ListView1"), row, 11).toInt() == record)
            return w.find<ui::ReportView>(QStringLiteral("ListView1"))->selectRow(row);
    }
    QFAIL("no such record in the list");
}
void compareBox(const ui::Message& shown, const ui::Message& expected) {
    QCOMPARE(shown.title, expected.title);
    QCOMPARE(shown.text, expected.text);
    QCOMPARE(shown.buttons, expected.buttons);
    QCOMPARE(shown.defaultButton, expected.defaultButton);
    QCOMPARE(shown.icon, expected.icon);
}
ui::Message hiba(const QString& text) {
    return {QStringLiteral("HIBA"), text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
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
    QByteArray numBefore;
    QString serial, yearBox;  // typed over the proposal when not empty
    QString handler;          // "Kiss Anna" is listed
    QByteArray sorszam, num, numAfter;
    QString next;  // the proposal after recording
    int handlers;  // records of Ugyintezo.dat after
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
            w.find<QComboBox>(QStringLiteral("cmbCsoportok"))->setCurrentIndex(1);
            emit w.find<QComboBox>(QStringLiteral("cmbCsoportok"))->activated(1);
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
        press(w, options[c.option]);
        press(w, options[1 - c.option]);
        press(w, options[c.option]);

        QCOMPARE(edit(w, "txtSorszam1")->text(), c.elotag);
        QCOMPARE(edit(w, "txtSorszam2")->text(), c.serial);
        QCOMPARE(edit(w, "txtSorszam")->text(), u'/' + QString::number(c.date.year()));
        QCOMPARE(edit(w, "txtKitolKinek")->text() + edit(w, "txtUgyfelszam")->text() +
                     w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->toPlainText(),
                 QString());
        QCOMPARE(edit(w, "txUgyintezo")->text(), QStringLiteral("Kiss Anna"));
        QCOMPARE(picker(w)->date(), c.dateAfter);
        QCOMPARE(w.window->focusWidget(), edit(w, "txUgyintezo"));
        QCOMPARE(yearFile(w, u"Num.dat", c.date.year()), c.num);  // nothing written
        if (c.num.isEmpty()) {  // a new year: its folder with an empty letter file
            QVERIFY(TempRegister::exists(w.files.yearFile(c.date.year(), u"Velmar.dat")));
            QCOMPARE(yearFile(w, u"Velmar.dat", c.date.year()), QByteArray());
        }
        if (c.serial.isEmpty())
            compareBox(w.test.dialogs.messages.value(0), hiba(full));
        QVERIFY(w.test.dialogs.scriptUsed());
    }

    void selectingALetterProposesNothing() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letterOf(1, false, 7)});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("FF7F 0000"));  // full
        w.start();
        // Setting "&Kimenő" from the letter proposes nothing, which would warn about the full
        // counter and put the serial box out.
        w.find<ui::ReportView>(QStringLiteral("ListView1"))->selectRow(0);
        QVERIFY(w.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        QVERIFY(w.test.dialogs.messages.isEmpty());
        QCOMPARE(edit(w, "txtSorszam2")->text(), QStringLiteral("7"));
    }

    void recordingWritesTheLetterAndItsLists() {
        MainWindow w;
        store::SetupRekord setup;
        setup.KezdoUgyfelszam = 1000;
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("EC030000"));  // 1004
        w.start();
        press(w, "Option1_0");
        fill(w, "Őri Kft.", "1001", "Ajánlat\nmásodik sor", "Kiss Anna");
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerOpenFile("/home/iroda/Levelek/valasz 12.doc");
        press(w, "cmdRogzit");

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        compareBox(
            w.test.dialogs.messages[0],
            {" Rögzítés az adatállományban !", "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?",
             ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question});
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
        QCOMPARE(yearFile(w, u"KiIrat.dat"), "\"valasz 12.doc\"" + spaces(35) +
                                                 "\"/home/iroda/Levelek/valasz 12.doc\"" +
                                                 spaces(265));
        QCOMPARE(programFile(w, u"Ugyfelek.dat"),
                 fromHex("D5") + "ri Kft." + spaces(32) + fromHex("E9030000"));
        QCOMPARE(programFile(w, u"UszNum.dat"), fromHex("ED030000"));
        QCOMPARE(programFile(w, u"Ugyintezo.dat"), "Kiss Anna" + spaces(31));

        // The lists show the letter; the entry area waits for the next one.
        QCOMPARE(cell(w.window.get(), QStringLiteral("ListView4"), 0, 4),
                 QStringLiteral("Őri Kft."));
        QCOMPARE(edit(w, "txtKitolKinek")->text() + edit(w, "txtUgyfelszam")->text() +
                     edit(w, "txtSorszam")->text(),
                 QString());
        QCOMPARE(edit(w, "txtSorszam1")->text(), QStringLiteral("B/"));
        QCOMPARE(edit(w, "txUgyintezo")->text(), QStringLiteral("Kiss Anna"));
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
        QCOMPARE(w.window->state().aktIratNev, QStringLiteral("\"valasz 12.doc\""));
    }

    void serialsAndCounters_data() {
        QTest::addColumn<Counting>("c");
        const QByteArray ten = fromHex("0A00 0000");  // KiNum 10
        const QDate old(2011, 3, 1);
        QTest::newRow("proposed") << Counting{kToday,
                                              ten,
                                              "",
                                              "",
                                              "Kiss Anna",
                                              fromHex("0B00"),
                                              fromHex("0B000000"),
                                              fromHex("0B00 0000"),
                                              "12",
                                              1};
        QTest::newRow("typed above: the counter moves by one") << Counting{kToday,
                                                                           ten,
                                                                           "15",
                                                                           "",
                                                                           "kiss ANNA ",
                                                                           fromHex("0F00"),
                                                                           fromHex("0B000000"),
                                                                           fromHex("0B00 0000"),
                                                                           "12",
                                                                           1};
        QTest::newRow("already given") << Counting{
            kToday, ten, "10", "", "Nagy Éva", fromHex("0A00"), fromHex("00000000"), ten, "11", 2};
        QTest::newRow("2011, counted") << Counting{old,
                                                   fromHex("2C00 0000"),
                                                   "45",
                                                   "2011/45",
                                                   "",
                                                   fromHex("2D00"),
                                                   fromHex("2D000000"),
                                                   fromHex("2D00 0000"),
                                                   "46",
                                                   2};
        QTest::newRow("2011, not counted") << Counting{old,
                                                       fromHex("2C00 0000"),
                                                       "45",
                                                       "2011/44",
                                                       "",
                                                       fromHex("2D00"),
                                                       fromHex("00000000"),
                                                       fromHex("2C00 0000"),
                                                       "45",
                                                       2};
    }
    void serialsAndCounters() {
        QFETCH(Counting, c);
        MainWindow w;
        const int year = c.date.year();
        w.files.write(w.files.yearFile(year, u"Num.dat"), c.numBefore);
        w.files.writeRecords<store::UgyintezoRekord>(w.files.programFile(u"Ugyintezo.dat"),
                                                     {{"Kiss Anna"}});
        w.start();
        untick(w, "chkMellekletKerdes");
        untick(w, "chkRogzitKerdes");
        picker(w)->setDate(c.date);
        press(w, "Option1_1");
        fill(w, "Partner", "", "Tárgy", c.handler);
        if (!c.serial.isEmpty())
            edit(w, "txtSorszam2")->setText(c.serial);
        if (!c.yearBox.isEmpty())
            edit(w, "txtSorszam")->setText(c.yearBox);
        if (c.date < kToday)
            w.test.dialogs.answerMessage(ui::Answer::Yes);  // "Még is rögzíthető?"
        press(w, "cmdRogzit");

        const QByteArray record = yearFile(w, u"Velmar.dat", year);
        QCOMPARE(record.size(), 258);
        const QByteArray yearPart =
            c.yearBox.isEmpty() ? "/" + QByteArray::number(year) : c.yearBox.toLatin1();
        QCOMPARE(record.mid(10, 14), yearPart + spaces(14 - int(yearPart.size())));
        QCOMPARE(record.mid(28, 2), c.sorszam);
        QCOMPARE(record.mid(200, 2), fromHex("0000"));  // no client number
        QCOMPARE(record.mid(204, 4), c.num);
        QCOMPARE(yearFile(w, u"Num.dat", year), c.numAfter);
        QCOMPARE(programFile(w, u"Ugyintezo.dat").size(), c.handlers * 40);
        QVERIFY(w.test.dialogs.scriptUsed());
        press(w, "Option1_1");
        QCOMPARE(edit(w, "txtSorszam2")->text(), c.next);
    }

    void documentsOfRecordedLetters() {
        MainWindow w;
        w.start();
        untick(w, "chkRogzitKerdes");
        const QString longPath = "/home/" + QString(310, u'x') + "/a.pdf";  // 322 characters
        for (const QString& chosen : {QStringLiteral("/iratok/valasz.doc"), QString(), longPath}) {
            press(w, "Option1_1");
            w.test.dialogs.answerOpenFile(chosen);
            press(w, "cmdRogzit");
        }
        const QByteArray documents = yearFile(w, u"KiIrat.dat");
        const QByteArray first =
            "\"valasz.doc\"" + spaces(38) + "\"/iratok/valasz.doc\"" + spaces(280);
        QCOMPARE(documents.left(350), first);
        // A cancelled choice stores no name but keeps the path chosen before.
        QCOMPARE(documents.mid(350, 350), spaces(50) + first.mid(50));
        // A path longer than its field loses its end, the closing quote too.
        QCOMPARE(documents.mid(700), "\"a.pdf\"" + spaces(43) + "\"/home/" + QByteArray(293, 'x'));
    }

    void recordingRefused_data() {
        QTest::addColumn<Refused>("c");
        const auto critical = ui::Icon::Critical;
        QTest::newRow("client number of another client")
            << Refused{0,
                       "Szabó Bt.",
                       "12",
                       "1",
                       0,
                       {"FIGYELEM!",
                        "A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új "
                        "ügyfélszámot.",
                        ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation}};
        QTest::newRow("past date answered No")
            << Refused{0,
                       "Kovács Kft.",
                       "12",
                       "1",
                       1,
                       {"Figyelem!", "A dátum nem a mai dátum!\r\n\r\nMég is rögzíthető?",
                        ui::Buttons::YesNo, ui::Answer::No, critical}};
        QTest::newRow("no direction")
            << Refused{-1,   "Kovács Kft.",
                       "12", "1",
                       0,    hiba("Nincs kijelölve, hogy a levél bejövő vagy kimenő!")};
        QTest::newRow("serial no whole number") << Refused{
            1,  "Kovács Kft.",
            "", "1,5",
            0,  hiba("A levél sorszáma (Szám:) csak egész szám lehet, legfeljebb 32767!")};
        QTest::newRow("client number too large")
            << Refused{1,   "Új", "40000",
                       "1", 0,    hiba("Az ügyfélszám csak egész szám lehet, legfeljebb 32767!")};
        QTest::newRow("confirmation answered No") << Refused{
            0,
            "Kovács Kft.",
            "12",
            "1",
            0,
            {" Rögzítés az adatállományban !", "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?",
             ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question}};
    }
    void recordingRefused() {
        QFETCH(Refused, c);
        MainWindow w;
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{"Kovács Kft.", 12}});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0000"));
        w.start();
        if (c.option >= 0)
            press(w, c.option == 0 ? "Option1_0" : "Option1_1");
        fill(w, c.who, c.client, "Tárgy", "Kiss Anna");
        edit(w, "txtSorszam2")->setText(c.serial);
        picker(w)->setDate(kToday.addDays(-c.daysBack));
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerMessage(c.box.buttons == ui::Buttons::Ok ? ui::Answer::Ok
                                                                      : ui::Answer::No);
        press(w, "cmdRogzit");

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        compareBox(w.test.dialogs.messages[0], c.box);
        QVERIFY(w.test.dialogs.fileRequests.isEmpty());
        QCOMPARE(allFiles(w), before);
        // The fields stay for correcting; only a client number of another client is emptied.
        QCOMPARE(edit(w, "txtUgyfelszam")->text(),
                 c.box.title == "FIGYELEM!" ? QString() : c.client);
        QCOMPARE(edit(w, "txtKitolKinek")->text(), c.who);
        QCOMPARE(edit(w, "txtSorszam2")->text(), c.serial);
        QCOMPARE(w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked(), c.option == 0);
    }

    void writeFailureKeepsTheCounter() {
        MainWindow w;
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0100"));
        // A letter file that opens but takes no byte, as on a full disk.
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), w.files.yearFile(2024, u"Velmar.dat")));
        w.start();
        untick(w, "chkMellekletKerdes");
        untick(w, "chkRogzitKerdes");
        press(w, "Option1_0");
        edit(w, "txtKitolKinek")->setText(QStringLiteral("Partner"));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        press(w, "cmdRogzit");
        compareBox(w.test.dialogs.messages.value(0),
                   hiba("A levelet nem sikerült az adatállományba írni, nem került rögzítésre!"
                        "\r\nEllenőrízze, hogy az adatok mappája írható-e."));
        QCOMPARE(yearFile(w, u"Num.dat"), fromHex("0000 0100"));
        QCOMPARE(programFile(w, u"Ugyfelek.dat"), QByteArray());
        QCOMPARE(edit(w, "txtKitolKinek")->text(), QStringLiteral("Partner"));
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
            documents.push_back({QStringLiteral("\"d%1.doc\"").arg(n), QStringLiteral("\"/d\"")});
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), all);
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"), documents);
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0200 0300"));
        w.files.write(w.files.yearFile(2024, u"xxx.dat"), "left by an interrupted deletion");
        w.start();
        selectRecord(w, c.deleted);

        // Answered No first: nothing changes.
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerMessage(ui::Answer::No);
        press(w, "cmdTorles");
        QCOMPARE(allFiles(w), before);
        QVERIFY(w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());

        w.test.dialogs.answerMessage(ui::Answer::Yes);
        press(w, "cmdTorles");
        compareBox(
            w.test.dialogs.messages.value(1),
            {" TÖRLÉS az adatállományból !",
             "Biztos T Ö R Ö L H E T Ő\n\ra(z)    " + c.number + "\n\riktatási számú tétel? ",
             ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question});
        QByteArray keptLetters, keptDocuments;
        for (int n : c.kept) {
            keptLetters += all[size_t(n - 1)].toBytes();
            keptDocuments += documents[size_t(n - 1)].toBytes();
        }
        QCOMPARE(yearFile(w, u"Velmar.dat"), keptLetters);
        QCOMPARE(yearFile(w, u"KiIrat.dat"), keptDocuments);
        QCOMPARE(yearFile(w, u"Num.dat"), c.numAfter);
        QCOMPARE(QDir(w.files.yearFile(2024, u"")).entryList(QDir::Files).size(), 3);  // no xxx.dat
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), c.kept.size());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        press(w, all[size_t(c.deleted - 1)].incoming() ? "Option1_0" : "Option1_1");
        QCOMPARE(edit(w, "txtSorszam2")->text(), c.next);
    }

    void modificationAnswersThatChangeNothing_data() {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("defaultAnswer");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("3") << 1 << "2" << std::optional<QString>("3");
        QTest::newRow("a letter") << 2 << "1" << std::optional<QString>("b");
        QTest::newRow("empty") << 1 << "2" << std::optional<QString>("");
        QTest::newRow("cancelled") << 2 << "1" << std::optional<QString>();
    }
    void modificationAnswersThatChangeNothing() {
        QFETCH(int, record);
        QFETCH(QString, defaultAnswer);
        QFETCH(std::optional<QString>, answer);
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letterOf(1, true, 1), letterOf(2, false, 1)});
        w.start();
        selectRecord(w, record);
        edit(w, "txtKitolKinek")->setText(QStringLiteral("Más"));
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerInput(answer);
        press(w, "cmdModosit");
        const FakeDialogs::Input& box = w.test.dialogs.inputs.value(0);
        QCOMPARE(box.title, QStringLiteral("Adatmódosítás"));
        QCOMPARE(box.prompt,
                 QStringLiteral("Kimenő vagy Bejövő levél?\r\n1 - Kimenő\r\n2 - Bejövő"));
        QCOMPARE(box.defaultText, defaultAnswer);
        QCOMPARE(allFiles(w), before);
        QCOMPARE(edit(w, "txtKitolKinek")->text(), QStringLiteral("Más"));
        QVERIFY(w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        QVERIFY(w.test.dialogs.messages.isEmpty());
    }

    void modificationWritesTheFieldsBack_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("bejovo");
        QTest::newRow("2 keeps it incoming") << "2" << fromHex("FFFF");
        QTest::newRow("1 makes it outgoing, prefix as typed") << "1" << fromHex("0000");
    }
    void modificationWritesTheFieldsBack() {
        QFETCH(QString, answer);
        QFETCH(QByteArray, bejovo);
        MainWindow w;
        auto stored = letterOf(1, true, 4);
        stored.KitolKinek = QStringLiteral("Kovács Kft.");
        stored.Ugyfelszam = 12;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{stored, letterOf(2, false, 1)});
        w.files.writeRecords<store::UgyfelRekord>(
            w.files.programFile(u"Ugyfelek.dat"),
            {{"Kovács Kft.", 12}, {"Szabó Bt.", 12}, {"KOVÁCS KFT. ", 20}});
        w.start();
        untick(w, "chkMellekletKerdes");
        selectRecord(w, 1);
        edit(w, "txtUgyfelszam")->setText(QStringLiteral("15"));
        w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))
            ->setPlainText(QStringLiteral("Új"));
        w.test.dialogs.answerOpenFile("/szkennelt/level 3.jpg");
        press(w, "cmdBeszkenneltLevel");
        w.test.dialogs.answerInput(answer);
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        press(w, "cmdModosit");

        compareBox(
            w.test.dialogs.messages.value(0),
            {" Módosítás az adatállományban !", "Biztos JÓK az adatok ?\n\rMehet a módosítás ?",
             ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question});
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
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        QCOMPARE(edit(w, "txtKitolKinek")->text(), QString());
        const ui::FileRequest& scan = w.test.dialogs.fileRequests.value(0);
        QCOMPARE(scan.filter + scan.fileName, QStringLiteral("*.jpg;*.PDF*.jpg;*.PDF"));
        QCOMPARE(scan.filterIndex, 2);
    }

    void dateMovedToAnotherYearIsRefused() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letterOf(1, true, 1)});
        w.files.writeRecords(w.files.yearFile(2023, u"Velmar.dat"),
                             std::vector{letter(QDate(2023, 2, 1), true, 1)});
        w.start();
        selectRecord(w, 1);
        picker(w)->setDate(QDate(2023, 12, 30));
        const QByteArray year2023 = yearFile(w, u"Velmar.dat", 2023);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        press(w, "cmdModosit");
        press(w, "cmdTorles");
        QCOMPARE(w.test.dialogs.messages.size(), 2);
        QCOMPARE(w.test.dialogs.messages[1].title, QStringLiteral("HIBA"));
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
        QTRY_COMPARE(edit(w, "txtSorszam2")->text(), QStringLiteral("1"));
        QVERIFY(w.find<QPushButton>(QStringLiteral("cmdBeszkenneltLevel"))->isVisible());
        w.test.dialogs.answerOpenFile("/szkennelt/b.PDF");
        QTest::keyClick(w.window.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(w.window->state().aktMelleklet, QStringLiteral("b.PDF"));
    }
};

QTEST_MAIN(VelmarKeepingTest)
#include "tst_velmar_keeping.moc"
