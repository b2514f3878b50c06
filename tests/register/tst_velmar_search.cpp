// The search buttons in the main window: which field each one reads, the year it searches,
// the "Keresés..." message and the order found. The criteria are tested in tst_search.cpp.

#include "support/mainwindow.h"

using namespace testing;

namespace {

const QDate kToday(2024, 6, 14);

// 1: incoming 10, 2: outgoing 5 (today), 3: incoming 2, 4: incoming without serial (today).
void startOnTestYear(MainWindow& w) {
    auto make = [](QDate date, bool in, qint16 serial, const char* who, qint16 client,
                   const char* subject, const char* handler, const char* group) {
        store::LevelRekord r = letter(date, in, serial, who);
        r.Ugyfelszam = client;
        r.LevelTargya = subject;
        r.Ugyintezo = handler;
        r.CsoportJel = group;
        return r;
    };
    w.files.writeLetters(
        2024,
        {make(QDate(2024, 3, 5), true, 10, "Kovács Kft.", 12, "Éves számla", "Kiss Anna", "A"),
         make(kToday, false, 5, "Szabó Bt.", 1041, "Meghívó", "Nagy Péter", "AB"),
         make(QDate(2024, 3, 20), true, 2, "Rákos Bt.", 12, "Számla", "Kiss Anna", ""),
         make(kToday, true, store::kBlankSerial, "Kovács Kft.", 12, "számla", "Anna", "A")});
    w.start();
    w.find<QDateTimeEdit>("DTPicker1")->setDateTime(QDateTime(kToday, QTime(0, 0), Qt::UTC));
}

}  // namespace

class VelmarSearchTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonReadsItsField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("records");
        QTest::addColumn<bool>("reported");  // "Keresés...": the year typed has no folder
        auto row = [](const char* name, const char* field, int button, const char* text,
                      QList<int> records, bool reported = false) {
            QTest::newRow(name) << QString(field) << button << QString(text) << records << reported;
        };
        row("date typed", "txtDatum", 0, "2024.03", {1, 3});
        row("date of the picker", "txtDatum", 0, " ", {2});
        row("serial", "txtSorszam2", 1, "1", {1});
        row("correspondent", "txtKitolKinek", 2, "kov", {1});
        row("client number", "txtUgyfelszam", 3, "12", {1, 3, 4});
        row("subject", "txtLevelTargya", 4, "SZÁMLA", {1, 3});
        row("group", "lbJel", 5, "A", {1});
        row("everything", "txtDatum", 6, "", {1, 2, 3});
        row("handler", "txUgyintezo", 7, "anna", {1, 3});
        // The year typed names the folder searched; without one the lists keep what the
        // start-up filled in.
        row("12.10 names the folder 12.1", "txtDatum", 6, "12.10", {4, 3, 1, 2}, true);
        row("a year without letters", "txtDatum", 6, "2035", {4, 3, 1, 2}, true);
        row("outside the register", "txtDatum", 6, "../2", {4, 3, 1, 2}, true);
    }
    void eachButtonReadsItsField() {
        QFETCH(QString, field);
        QFETCH(int, button);
        QFETCH(QString, text);
        QFETCH(QList<int>, records);
        QFETCH(bool, reported);
        MainWindow w;
        w.files.makeYear(2012);
        startOnTestYear(w);
        w.setText(field, text);
        if (reported)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.click(QStringLiteral("Command1_%1").arg(button));
        QList<int> shown;  // the letters ListView1 shows, top to bottom
        for (const QString& rec : column(w.window.get(), "ListView1", 11))
            shown << rec.toInt();
        QCOMPARE(shown, records);
        const ui::Message noYear{
            "Keresés...", "A megadott keresési dátum nem érvényes évszámot mutat.\r\nEllenőrízd!",
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information};
        QCOMPARE(w.test.dialogs.messages, reported ? QList{noYear} : QList<ui::Message>{});
        if (reported)
            QCOMPARE(cell(w.window.get(), "ListView4", 1, 2), "   2");  // padded as reloaded
    }
};

QTEST_MAIN(VelmarSearchTest)
#include "tst_velmar_search.moc"
