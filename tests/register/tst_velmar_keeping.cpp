// Keeping the register from the main window: choosing a direction, recording a letter with
// its questions, modifying and deleting the selected letter, and the document choices.
// Files are checked against bytes spelled out here.

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

// The test clock's day: 14 June 2024, 10:30.
const QDate kToday(2024, 6, 14);

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
QByteArray yearFile(const MainWindow& w, const char16_t* name, int year = 2024) {
    return w.files.read(w.files.yearFile(year, QStringView(name)));
}
QByteArray programFile(const MainWindow& w, const char16_t* name) {
    return w.files.read(w.files.programFile(QStringView(name)));
}
// Every data file of the register, to show that nothing was written.
QList<QByteArray> allFiles(const MainWindow& w) {
    return {yearFile(w, u"Velmar.dat"),       yearFile(w, u"Num.dat"),
            yearFile(w, u"KiIrat.dat"),       programFile(w, u"Ugyfelek.dat"),
            programFile(w, u"Ugyintezo.dat"), programFile(w, u"UszNum.dat")};
}

void typeLetter(const MainWindow& w, const QString& who, const QString& client,
                const QString& subject, const QString& handler) {
    edit(w, "txtKitolKinek")->setText(who);
    edit(w, "txtUgyfelszam")->setText(client);
    w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->setPlainText(subject);
    edit(w, "txUgyintezo")->setText(handler);
}

store::LevelRekord letterOf(int day, bool incoming, qint16 serial) {
    store::LevelRekord r =
        letter(QDate(2024, 3, day), incoming, serial, QStringLiteral("Levél %1").arg(day));
    r.Num = serial;
    return r;
}

// Selects the row of ListView1 that shows letter `record`.
void selectRecord(const MainWindow& w, int record) {
    auto* view = w.find<ui::ReportView>(QStringLiteral("ListView1"));
    for (int row = 0; row < rowCount(w.window.get(), QStringLiteral("ListView1")); ++row) {
        if (cell(w.window.get(), QStringLiteral("ListView1"), row, 11).trimmed().toInt() == record)
            return view->selectRow(row);
    }
    QFAIL("no such record in the list");
}

void compareMessage(const ui::Message& m, const QString& title, const QString& text,
                    ui::Buttons buttons, ui::Answer defaultButton, ui::Icon icon) {
    QCOMPARE(m.title, title);
    QCOMPARE(m.text, text);
    QCOMPARE(m.buttons, buttons);
    QCOMPARE(m.defaultButton, defaultButton);
    QCOMPARE(m.icon, icon);
}

}  // namespace

class VelmarKeepingTest : public QObject {
    Q_OBJECT

private slots:
    void directionChoiceProposesANumber_data() {
        QTest::addColumn<QByteArray>("num");  // Num.dat of the picker's year; empty: no folder
        QTest::addColumn<QDate>("date");      // the picker's date before the choice
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("elotag");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QDate>("dateAfter");
        const QByteArray counters = fromHex("0E00 2500");  // KiNum 14, BeNum 37
        QTest::newRow("fresh year") << QByteArray() << QDate(2024, 3, 1) << 0 << "B/"
                                    << "1" << kToday;
        QTest::newRow("group A, incoming") << counters << QDate(2024, 3, 1) << 0 << "AB/"
                                           << "38" << kToday;
        QTest::newRow("group A, outgoing") << counters << kToday << 1 << "AK/"
                                           << "15" << kToday;
        QTest::newRow("last year keeps its day")
            << fromHex("0300 0000") << QDate(2023, 5, 2) << 1 << "K/"
            << "4" << QDate(2023, 5, 2);
        QTest::newRow("full counter") << fromHex("FF7F 0000") << kToday << 1 << "K/"
                                      << "" << kToday;
    }
    void directionChoiceProposesANumber() {
        QFETCH(QByteArray, num);
        QFETCH(QDate, date);
        QFETCH(int, option);
        QFETCH(QString, elotag);
        QFETCH(QString, serial);
        QFETCH(QDate, dateAfter);
        MainWindow w;
        const bool group = elotag.startsWith(u'A');
        if (group) {
            w.files.writeRecords<store::CsoportRekord>(
                w.files.programFile(u"Csoportok.dat"),
                {{QStringLiteral("Pénzügy"), QStringLiteral("P")},
                 {QStringLiteral("Adó"), QStringLiteral("A")}});
        }
        if (!num.isEmpty())
            w.files.write(w.files.yearFile(date.year(), u"Num.dat"), num);
        w.start();
        if (group) {
            auto* combo = w.find<QComboBox>(QStringLiteral("cmbCsoportok"));
            combo->setCurrentIndex(1);
            emit combo->activated(1);
        }
        picker(w)->setDate(date);
        typeLetter(w, QStringLiteral("Régi"), QStringLiteral("5"), QStringLiteral("Tárgy"),
                   QStringLiteral("Kiss Anna"));
        if (serial.isEmpty()) {  // each choice of the full direction says so
            w.test.dialogs.answerMessage(ui::Answer::Ok);
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        }

        // Choosing twice, or the other direction in between, proposes the same number.
        const char* options[] = {"Option1_0", "Option1_1"};
        press(w, options[option]);
        press(w, options[1 - option]);
        press(w, options[option]);

        QCOMPARE(edit(w, "txtSorszam1")->text(), elotag);
        QCOMPARE(edit(w, "txtSorszam2")->text(), serial);
        QCOMPARE(edit(w, "txtSorszam")->text(), u'/' + QString::number(date.year()));
        QCOMPARE(edit(w, "txtKitolKinek")->text(), QString());
        QCOMPARE(edit(w, "txtUgyfelszam")->text(), QString());
        QCOMPARE(w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->toPlainText(),
                 QString());
        QCOMPARE(edit(w, "txUgyintezo")->text(), QStringLiteral("Kiss Anna"));
        QCOMPARE(picker(w)->date(), dateAfter);
        QCOMPARE(w.window->focusWidget(), edit(w, "txUgyintezo"));
        QCOMPARE(yearFile(w, u"Num.dat", date.year()), num);
        if (num.isEmpty()) {  // a new year: its folder with an empty letter file
            QVERIFY(TempRegister::exists(w.files.yearFile(date.year(), u"Velmar.dat")));
            QCOMPARE(yearFile(w, u"Velmar.dat", date.year()), QByteArray());
        }
        if (serial.isEmpty()) {
            compareMessage(w.test.dialogs.messages.value(0), QStringLiteral("HIBA"),
                           QStringLiteral("Elfogytak az év kimenő sorszámai: a legnagyobb "
                                          "sorszám, a 32767 már ki van adva.\r\nEbben az évben "
                                          "több kimenő levél nem iktatható."),
                           ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical);
        }
        QVERIFY(w.test.dialogs.scriptUsed());
    }

    void selectingALetterProposesNothing() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letterOf(1, false, 7)});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0900 0000"));
        w.start();
        w.find<ui::ReportView>(QStringLiteral("ListView1"))->selectRow(0);
        QVERIFY(w.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        QCOMPARE(edit(w, "txtSorszam2")->text(), QStringLiteral("7"));
        QCOMPARE(edit(w, "txtKitolKinek")->text(), QStringLiteral("Levél 1"));
    }

    void recordingWritesTheLetterAndItsLists() {
        MainWindow w;
        store::SetupRekord setup;
        setup.KezdoUgyfelszam = 1000;
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("EC030000"));  // 1004
        w.start();
        press(w, "Option1_0");
        typeLetter(w, QStringLiteral("Őri Kft."), QStringLiteral("1001"),
                   QStringLiteral("Ajánlat\nmásodik sor"), QStringLiteral("Kiss Anna"));
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerOpenFile(QStringLiteral("/home/iroda/Levelek/valasz 12.doc"));
        press(w, "cmdRogzit");

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        compareMessage(w.test.dialogs.messages[0], QStringLiteral(" Rögzítés az adatállományban !"),
                       QStringLiteral("Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"),
                       ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question);
        const ui::FileRequest& request = w.test.dialogs.fileRequests.value(0);
        QCOMPARE(request.filter, QStringLiteral("kép (*.jpg)|*.jpg|Dokumentum "
                                                "(*.doc;*.docx;*.PDF)|*.doc;*.docx;*.PDF"));
        QCOMPARE(request.filterIndex, 2);
        QCOMPARE(request.fileName, QString());

        const QByteArray letter = fromHex("00000000 2032E640 FFFF") + "/2024" + spaces(9) + "B/" +
                                  spaces(2) + fromHex("0100 D5") + "ri Kft." + spaces(32) +
                                  "Kiss Anna" + spaces(21) +
                                  fromHex("416AE16E6C61740D0A6DE1736F64696B20736F72") + spaces(80) +
                                  fromHex("E903") + spaces(2) + fromHex("01000000") + spaces(50);
        QCOMPARE(yearFile(w, u"Velmar.dat"), letter);
        QCOMPARE(yearFile(w, u"Num.dat"), fromHex("0000 0100"));
        QCOMPARE(yearFile(w, u"KiIrat.dat"), "\"valasz 12.doc\"" + spaces(35) +
                                                 "\"/home/iroda/Levelek/valasz 12.doc\"" +
                                                 spaces(265));
        QCOMPARE(programFile(w, u"Ugyfelek.dat"),
                 fromHex("D5") + "ri Kft." + spaces(32) + fromHex("E9030000"));
        QCOMPARE(programFile(w, u"UszNum.dat"), fromHex("ED030000"));
        QCOMPARE(programFile(w, u"Ugyintezo.dat"), "Kiss Anna" + spaces(31));

        // The lists show the letter; the entry area waits for the next one.
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView4")), 1);
        QCOMPARE(cell(w.window.get(), QStringLiteral("ListView1"), 0, 7),
                 QStringLiteral("Őri Kft."));
        for (const char* name : {"txtKitolKinek", "txtUgyfelszam", "txtSorszam"})
            QCOMPARE(edit(w, name)->text(), QString());
        QCOMPARE(edit(w, "txtSorszam1")->text(), QStringLiteral("B/"));
        QCOMPARE(edit(w, "txUgyintezo")->text(), QStringLiteral("Kiss Anna"));
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
        QCOMPARE(w.window->state().aktIratNev, QStringLiteral("\"valasz 12.doc\""));
    }

    void recordedSerialsAndCounters_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QByteArray>("numBefore");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("serial");   // typed over the proposal; empty keeps it
        QTest::addColumn<QString>("yearBox");  // typed over the proposal; empty keeps it
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QByteArray>("sorszam");
        QTest::addColumn<QByteArray>("num");
        QTest::addColumn<QByteArray>("numAfter");
        QTest::addColumn<QString>("next");
        QTest::addColumn<int>("handlers");            // records of Ugyintezo.dat after
        const QByteArray ten = fromHex("0A00 0000");  // KiNum 10
        QTest::newRow("proposed") << kToday << ten << 1 << ""
                                  << ""
                                  << "Kiss Anna" << fromHex("0B00") << fromHex("0B000000")
                                  << fromHex("0B00 0000") << "12" << 1;
        QTest::newRow("typed above: one step")
            << kToday << ten << 1 << "15"
            << ""
            << "kiss ANNA " << fromHex("0F00") << fromHex("0B000000") << fromHex("0B00 0000")
            << "12" << 1;
        QTest::newRow("already given")
            << kToday << ten << 1 << "10"
            << ""
            << "Nagy Éva" << fromHex("0A00") << fromHex("00000000") << ten << "11" << 2;
        QTest::newRow("2011, counted")
            << QDate(2011, 3, 1) << fromHex("2C00 0000") << 1 << "45"
            << "2011/45"
            << "" << fromHex("2D00") << fromHex("2D000000") << fromHex("2D00 0000") << "46" << 2;
        QTest::newRow("2011, not counted")
            << QDate(2011, 3, 1) << fromHex("2C00 0000") << 1 << "45"
            << "2011/44"
            << "" << fromHex("2D00") << fromHex("00000000") << fromHex("2C00 0000") << "45" << 2;
    }
    void recordedSerialsAndCounters() {
        QFETCH(QDate, date);
        QFETCH(QByteArray, numBefore);
        QFETCH(int, option);
        QFETCH(QString, serial);
        QFETCH(QString, yearBox);
        QFETCH(QString, handler);
        QFETCH(QByteArray, sorszam);
        QFETCH(QByteArray, num);
        QFETCH(QByteArray, numAfter);
        QFETCH(QString, next);
        QFETCH(int, handlers);
        MainWindow w;
        const int year = date.year();
        w.files.write(w.files.yearFile(year, u"Num.dat"), numBefore);
        w.files.writeRecords<store::UgyintezoRekord>(w.files.programFile(u"Ugyintezo.dat"),
                                                     {{QStringLiteral("Kiss Anna")}});
        w.start();
        w.find<QCheckBox>(QStringLiteral("chkMellekletKerdes"))->setChecked(false);
        w.find<QCheckBox>(QStringLiteral("chkRogzitKerdes"))->setChecked(false);
        picker(w)->setDate(date);
        const char* optionName = option == 0 ? "Option1_0" : "Option1_1";
        press(w, optionName);
        typeLetter(w, QStringLiteral("Partner"), QString(), QStringLiteral("Tárgy"), handler);
        if (!serial.isEmpty())
            edit(w, "txtSorszam2")->setText(serial);
        if (!yearBox.isEmpty())
            edit(w, "txtSorszam")->setText(yearBox);
        if (date < kToday)
            w.test.dialogs.answerMessage(ui::Answer::Yes);  // "Még is rögzíthető?"
        press(w, "cmdRogzit");

        const QByteArray record = yearFile(w, u"Velmar.dat", year);
        QCOMPARE(record.size(), 258);
        QCOMPARE(record.mid(10, 14),
                 (yearBox.isEmpty() ? "/" + QByteArray::number(year) : yearBox.toLatin1())
                     .leftJustified(14, ' '));
        QCOMPARE(record.mid(28, 2), sorszam);
        QCOMPARE(record.mid(200, 2), fromHex("0000"));  // no client number
        QCOMPARE(record.mid(204, 4), num);
        QCOMPARE(yearFile(w, u"Num.dat", year), numAfter);
        QCOMPARE(programFile(w, u"Ugyintezo.dat").size(), handlers * 40);
        QVERIFY(w.test.dialogs.scriptUsed());

        press(w, optionName);
        QCOMPARE(edit(w, "txtSorszam2")->text(), next);
    }

    void documentsOfRecordedLetters() {
        MainWindow w;
        w.start();
        w.find<QCheckBox>(QStringLiteral("chkRogzitKerdes"))->setChecked(false);
        const QString longPath = "/home/" + QString(310, u'x') + "/a.pdf";  // 322 characters
        for (const QString& chosen : {QStringLiteral("/iratok/valasz.doc"), QString(), longPath}) {
            press(w, "Option1_1");
            w.test.dialogs.answerOpenFile(chosen);
            press(w, "cmdRogzit");
        }
        const QByteArray documents = yearFile(w, u"KiIrat.dat");
        QCOMPARE(documents.size(), 3 * 350);
        const QByteArray first =
            "\"valasz.doc\"" + spaces(38) + "\"/iratok/valasz.doc\"" + spaces(280);
        QCOMPARE(documents.left(350), first);
        // A cancelled choice stores no name but the path chosen before.
        QCOMPARE(documents.mid(350, 350), spaces(50) + first.mid(50));
        // A path longer than its field loses its end, the closing quote too.
        QCOMPARE(documents.mid(700), "\"a.pdf\"" + spaces(43) + "\"/home/" + QByteArray(293, 'x'));
    }

    void recordingRefused_data() {
        QTest::addColumn<int>("option");  // -1: none chosen
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("client");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("daysBack");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("icon");
        const int ok = int(ui::Buttons::Ok), yesNo = int(ui::Buttons::YesNo);
        const int okAnswer = int(ui::Answer::Ok), yes = int(ui::Answer::Yes),
                  no = int(ui::Answer::No);
        const int critical = int(ui::Icon::Critical);
        QTest::newRow("client number of another client")
            << 0 << "Szabó Bt."
            << "12"
            << "1" << 0 << "FIGYELEM!"
            << "A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új ügyfélszámot."
            << ok << okAnswer << int(ui::Icon::Exclamation);
        QTest::newRow("past date answered No")
            << 0 << "Kovács Kft."
            << "12"
            << "1" << 1 << "Figyelem!"
            << "A dátum nem a mai dátum!\r\n\r\nMég is rögzíthető?" << yesNo << no << critical;
        QTest::newRow("no direction")
            << -1 << "Kovács Kft."
            << "12"
            << "1" << 0 << "HIBA"
            << "Nincs kijelölve, hogy a levél bejövő vagy kimenő!" << ok << okAnswer << critical;
        QTest::newRow("serial no whole number")
            << 1 << "Kovács Kft."
            << ""
            << "1,5" << 0 << "HIBA"
            << "A levél sorszáma (Szám:) csak egész szám lehet, legfeljebb 32767!" << ok << okAnswer
            << critical;
        QTest::newRow("client number too large")
            << 1 << "Új"
            << "40000"
            << "1" << 0 << "HIBA"
            << "Az ügyfélszám csak egész szám lehet, legfeljebb 32767!" << ok << okAnswer
            << critical;
        QTest::newRow("confirmation answered No") << 0 << "Kovács Kft."
                                                  << "12"
                                                  << "1" << 0 << " Rögzítés az adatállományban !"
                                                  << "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"
                                                  << yesNo << yes << int(ui::Icon::Question);
    }
    void recordingRefused() {
        QFETCH(int, option);
        QFETCH(QString, who);
        QFETCH(QString, client);
        QFETCH(QString, serial);
        QFETCH(int, daysBack);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, icon);
        MainWindow w;
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{QStringLiteral("Kovács Kft."), 12}});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0000"));
        w.start();
        if (option >= 0)
            press(w, option == 0 ? "Option1_0" : "Option1_1");
        typeLetter(w, who, client, QStringLiteral("Tárgy"), QStringLiteral("Kiss Anna"));
        edit(w, "txtSorszam2")->setText(serial);
        picker(w)->setDate(kToday.addDays(-daysBack));
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerMessage(buttons == int(ui::Buttons::Ok) ? ui::Answer::Ok
                                                                     : ui::Answer::No);
        press(w, "cmdRogzit");

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        compareMessage(w.test.dialogs.messages[0], title, text, ui::Buttons(buttons),
                       ui::Answer(defaultButton), ui::Icon(icon));
        QVERIFY(w.test.dialogs.fileRequests.isEmpty());
        QCOMPARE(allFiles(w), before);
        // The fields stay for correcting; only a client number of another client is emptied.
        QCOMPARE(edit(w, "txtUgyfelszam")->text(), title == "FIGYELEM!" ? QString() : client);
        QCOMPARE(edit(w, "txtKitolKinek")->text(), who);
        QCOMPARE(edit(w, "txtSorszam2")->text(), serial);
        QCOMPARE(w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked(), option == 0);
    }

    void deletion_data() {
        QTest::addColumn<int>("letters");  // of the five below
        QTest::addColumn<int>("deleted");
        QTest::addColumn<bool>("blankSerial");  // the deleted letter has no serial of its own
        QTest::addColumn<QString>("number");    // in the question
        QTest::addColumn<QList<int>>("kept");
        QTest::addColumn<QByteArray>("numAfter");  // before: KiNum 2, BeNum 3
        QTest::addColumn<QString>("next");         // proposal in the deleted letter's direction
        QTest::newRow("record 3 of 5") << 5 << 3 << false << "K/1/2024" << QList<int>{1, 2, 4, 5}
                                       << fromHex("0100 0300") << "2";
        QTest::newRow("an older incoming letter")
            << 5 << 1 << false << "B/1/2024" << QList<int>{2, 3, 4, 5} << fromHex("0200 0200")
            << "3";
        QTest::newRow("blank serial")
            << 5 << 2 << true << "B//2024" << QList<int>{1, 3, 4, 5} << fromHex("0200 0200") << "3";
        QTest::newRow("the only letter")
            << 1 << 1 << false << "B/1/2024" << QList<int>{} << fromHex("0200 0200") << "3";
    }
    void deletion() {
        QFETCH(int, letters);
        QFETCH(int, deleted);
        QFETCH(bool, blankSerial);
        QFETCH(QString, number);
        QFETCH(QList<int>, kept);
        QFETCH(QByteArray, numAfter);
        QFETCH(QString, next);
        std::vector<store::LevelRekord> all = {letterOf(1, true, 1), letterOf(2, true, 2),
                                               letterOf(3, false, 1), letterOf(4, true, 3),
                                               letterOf(5, false, 2)};
        if (blankSerial)
            all[size_t(deleted - 1)].Sorszam = store::kBlankSerial;
        all.resize(size_t(letters));
        std::vector<store::IratRekord> documents;
        for (int n = 1; n <= letters; ++n)
            documents.push_back({QStringLiteral("\"d%1.doc\"").arg(n), QStringLiteral("\"/d\"")});
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), all);
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"), documents);
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0200 0300"));
        w.files.write(w.files.yearFile(2024, u"xxx.dat"), "left by an interrupted deletion");
        w.start();
        selectRecord(w, deleted);

        // Answered No first: nothing changes.
        const QList<QByteArray> before = allFiles(w);
        w.test.dialogs.answerMessage(ui::Answer::No);
        press(w, "cmdTorles");
        QCOMPARE(allFiles(w), before);
        QVERIFY(w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());

        w.test.dialogs.answerMessage(ui::Answer::Yes);
        press(w, "cmdTorles");
        compareMessage(
            w.test.dialogs.messages.value(1), QStringLiteral(" TÖRLÉS az adatállományból !"),
            "Biztos T Ö R Ö L H E T Ő\n\ra(z)    " + number + "\n\riktatási számú tétel? ",
            ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question);
        QByteArray keptLetters, keptDocuments;
        for (int n : kept) {
            keptLetters += all[size_t(n - 1)].toBytes();
            keptDocuments += documents[size_t(n - 1)].toBytes();
        }
        QCOMPARE(yearFile(w, u"Velmar.dat"), keptLetters);
        QCOMPARE(yearFile(w, u"KiIrat.dat"), keptDocuments);
        QCOMPARE(yearFile(w, u"Num.dat"), numAfter);
        QCOMPARE(QDir(w.files.yearFile(2024, u"")).entryList(QDir::Files).size(), 3);
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), kept.size());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());

        press(w, all[size_t(deleted - 1)].incoming() ? "Option1_0" : "Option1_1");
        QCOMPARE(edit(w, "txtSorszam2")->text(), next);
    }

    void modificationAnswersThatChangeNothing_data() {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("defaultAnswer");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("3") << 1 << "2" << std::optional<QString>(QStringLiteral("3"));
        QTest::newRow("a letter") << 2 << "1" << std::optional<QString>(QStringLiteral("b"));
        QTest::newRow("empty") << 1 << "2" << std::optional<QString>(QString());
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
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{QStringLiteral("Kovács Kft."), 12},
                                                   {QStringLiteral("Szabó Bt."), 12},
                                                   {QStringLiteral("KOVÁCS KFT. "), 20}});
        w.start();
        w.find<QCheckBox>(QStringLiteral("chkMellekletKerdes"))->setChecked(false);
        selectRecord(w, 1);
        edit(w, "txtUgyfelszam")->setText(QStringLiteral("15"));
        w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))
            ->setPlainText(QStringLiteral("Új"));
        w.test.dialogs.answerOpenFile(QStringLiteral("/szkennelt/level 3.jpg"));
        press(w, "cmdBeszkenneltLevel");
        w.test.dialogs.answerInput(answer);
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        press(w, "cmdModosit");

        compareMessage(w.test.dialogs.messages.value(0),
                       QStringLiteral(" Módosítás az adatállományban !"),
                       QStringLiteral("Biztos JÓK az adatok ?\n\rMehet a módosítás ?"),
                       ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question);
        const QByteArray letters = yearFile(w, u"Velmar.dat");
        QCOMPARE(letters.mid(8, 2), bejovo);
        QCOMPARE(letters.mid(24, 4), "B/" + spaces(2));
        QCOMPARE(letters.mid(100, 100), fromHex("DA6A") + spaces(98));  // "Új"
        QCOMPARE(letters.mid(200, 2), fromHex("0F00"));
        QCOMPARE(letters.mid(204, 4), fromHex("04000000"));  // Num as stored
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
        QCOMPARE(scan.filter, QStringLiteral("*.jpg;*.PDF"));
        QCOMPARE(scan.filterIndex, 2);
        QCOMPARE(scan.fileName, QStringLiteral("*.jpg;*.PDF"));
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
        const QList<QByteArray> before = allFiles(w) + QList{yearFile(w, u"Velmar.dat", 2023)};
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        press(w, "cmdModosit");
        press(w, "cmdTorles");
        QCOMPARE(w.test.dialogs.messages.size(), 2);
        QCOMPARE(w.test.dialogs.messages[0].title, QStringLiteral("HIBA"));
        QVERIFY(w.test.dialogs.inputs.isEmpty());
        QCOMPARE(allFiles(w) + QList{yearFile(w, u"Velmar.dat", 2023)}, before);
    }

    void filesThatCannotBeWrittenStayWhole() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letterOf(1, true, 1)});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0000 0100"));
        QDir().mkpath(w.files.yearFile(2024, u"xxx.dat"));  // the work file cannot be made
        w.start();
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        press(w, "cmdTorles");
        QCOMPARE(w.test.dialogs.messages.value(1).text,
                 QStringLiteral("A levelet nem sikerült törölni az adatállományból!\r\n"
                                "Ellenőrízze, hogy az adatok mappája írható-e."));
        QCOMPARE(yearFile(w, u"Velmar.dat"), letterOf(1, true, 1).toBytes());
        QCOMPARE(yearFile(w, u"Num.dat"), fromHex("0000 0100"));

        // A letter file that cannot be written keeps the counter where it was.
        QFile::remove(w.files.yearFile(2024, u"Velmar.dat"));
        QDir().mkpath(w.files.yearFile(2024, u"Velmar.dat"));
        w.find<QCheckBox>(QStringLiteral("chkMellekletKerdes"))->setChecked(false);
        w.find<QCheckBox>(QStringLiteral("chkRogzitKerdes"))->setChecked(false);
        press(w, "Option1_0");
        edit(w, "txtKitolKinek")->setText(QStringLiteral("Partner"));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        press(w, "cmdRogzit");
        compareMessage(w.test.dialogs.messages.value(2), QStringLiteral("HIBA"),
                       QStringLiteral("A levelet nem sikerült az adatállományba írni, nem került "
                                      "rögzítésre!\r\nEllenőrízze, hogy az adatok mappája "
                                      "írható-e."),
                       ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical);
        QCOMPARE(yearFile(w, u"Num.dat"), fromHex("0000 0100"));
        QVERIFY(!TempRegister::exists(w.files.programFile(u"Ugyfelek.dat")) ||
                programFile(w, u"Ugyfelek.dat").isEmpty());
        QCOMPARE(edit(w, "txtKitolKinek")->text(), QStringLiteral("Partner"));
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
        QCOMPARE(edit(w, "txtSorszam1")->text(), QStringLiteral("K/"));

        auto* button = w.find<QPushButton>(QStringLiteral("cmdBeszkenneltLevel"));
        QVERIFY(button->isVisible());
        QVERIFY(!button->toolTip().isEmpty());
        w.test.dialogs.answerOpenFile(QStringLiteral("/szkennelt/b.PDF"));
        QTest::keyClick(w.window.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(w.window->state().aktMelleklet, QStringLiteral("b.PDF"));
    }
};

QTEST_MAIN(VelmarKeepingTest)
#include "tst_velmar_keeping.moc"
