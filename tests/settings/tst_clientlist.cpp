// The client tab of the settings window: adding, changing and removing clients.

#include "settings/setupwindow.h"

using namespace testing;

namespace {

QByteArray client(const QByteArray& name, const char* numberHex) {
    return field(name, 40) + fromHex(numberHex);
}

// Alfa 1001, Béta 1002 (é is E9), Őri Bt. 1003 (Ő is D5).
const QByteArray kAlfa = client("Alfa", "E9 03 00 00");
const QByteArray kBeta = client("B\xE9ta", "EA 03 00 00");
const QByteArray kOri = client("\xD5ri Bt.", "EB 03 00 00");

}  // namespace

class ClientListTest : public QObject {
    Q_OBJECT

private slots:
    void addTakesNumbersFromTheCounter() {
        SetupWindow s;
        s.open();
        auto* number = s.find<QLineEdit>("txtUgyfelszam");
        s.setText("txtKitolKinek", "  Alfa  ");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdFelvesz");
        QCOMPARE(s.test.dialogs.messages[0].title, " Rögzítés az adatállományban !");
        QCOMPARE(s.test.dialogs.messages[0].text, "Biztos JÓK az adatok ?\n\rMehet a rögzítés ?");
        // Counter 0: the number offered is 1; the counter then jumps to 1000.
        QCOMPARE(number->text(), "1");
        QCOMPARE(s.file(u"Ugyfelek.dat"), client("Alfa", "01 00 00 00"));
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("E8 03 00 00"));

        s.setText("txtKitolKinek", "Béta");
        number->clear();
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdFelvesz");
        QCOMPARE(number->text(), "1001");
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("E9 03 00 00"));
        QCOMPARE(rowCount(s.window.get(), "ListView2"), 2);
        QCOMPARE(cell(s.window.get(), "ListView2", 1, 0), "Béta");
        QCOMPARE(cell(s.window.get(), "ListView2", 1, 2), "2");
    }

    void addWritesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("boxAfter");
        auto row = [](const char* name, const char* typedName, const char* number,
                      const char* title, const char* text, const char* boxAfter) {
            QTest::newRow(name) << QString(typedName) << QString(number) << QString(title)
                                << QString(text) << QString(boxAfter);
        };
        row("number already taken", "Gamma", " 1002", "FIGYELEM!",
            "A megadott ügyfélszám már szerepel az adatbázisban!\r\nAdjon meg új ügyfélszámot.",
            "");
        row("name of blanks", "   ", "", "HIBA", "Nincs megadva ügyfél név!", "");
        row("number with letters", "Gamma", "12abc", "HIBA",
            "Az ügyfélszám nem érvényes egész szám!\r\nAdjon meg új ügyfélszámot.", "12abc");
    }

    void addWritesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, boxAfter);
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), kAlfa + kBeta + kOri);
        s.files.write(s.files.programFile(u"UszNum.dat"), fromHex("EB 03 00 00"));
        s.open();
        s.setText("txtKitolKinek", name);
        s.setText("txtUgyfelszam", number);
        const bool asked = !name.trimmed().isEmpty();
        if (asked)
            s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.test.dialogs.answerMessage(ui::Answer::Ok);
        s.click("cmdFelvesz");

        QCOMPARE(s.test.dialogs.messages.size(), asked ? 2 : 1);
        QCOMPARE(s.test.dialogs.messages.last().title, title);
        QCOMPARE(s.test.dialogs.messages.last().text, text);
        QCOMPARE(s.text("txtUgyfelszam"), boxAfter);
        QCOMPARE(s.file(u"Ugyfelek.dat"), kAlfa + kBeta + kOri);
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("EB 03 00 00"));
    }

    void changeAcceptsATakenNumberAndKeepsLeadingBlanks() {
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), kAlfa + kBeta + kOri);
        s.open();
        s.find<ui::ReportView>("ListView2")->selectRow(1);
        QCOMPARE(s.text("txtKitolKinek"), "Béta");
        s.setText("txtKitolKinek", "  Béta Kft.");
        s.setText("txtUgyfelszam", "1001");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdModosit");

        QCOMPARE(s.test.dialogs.messages.size(), 1);
        QCOMPARE(s.test.dialogs.messages[0].text, "Biztos JÓK az adatok ?\n\rMehet a módosítás ?");
        QCOMPARE(s.file(u"Ugyfelek.dat"), kAlfa + client("  B\xE9ta Kft.", "E9 03 00 00") + kOri);
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
        QVERIFY(s.find<QPushButton>("cmdDel")->isEnabled());
    }

    void removeRenumbersTheRest_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("middle of three") << kAlfa + kBeta + kOri << 1 << "BÉTA" << kAlfa + kOri;
        QTest::newRow("last of three") << kAlfa + kBeta + kOri << 2 << "ŐRI BT." << kAlfa + kBeta;
        QTest::newRow("the only client") << kAlfa << 0 << "ALFA" << QByteArray();
    }

    void removeRenumbersTheRest() {
        QFETCH(QByteArray, before);
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QByteArray, after);
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), before);
        s.open();
        s.find<ui::ReportView>("ListView2")->selectRow(row);
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdDel");

        QCOMPARE(s.test.dialogs.messages[0].title, " Törlés az adatállományban !");
        QCOMPARE(s.test.dialogs.messages[0].text,
                 "Biztos TÖRÖLHETŐ?\n\r" + name + "\n\rügyfél a listából?");
        QCOMPARE(s.file(u"Ugyfelek.dat"), after);
        QVERIFY(TempRegister::exists(s.files.programFile(u"Ugyfelek.dat")));
        QVERIFY(!TempRegister::exists(s.files.programFile(u"xxu.dat")));
        const int rows = int(after.size() / 44);
        QCOMPARE(rowCount(s.window.get(), "ListView2"), rows);
        if (rows > 0)
            QCOMPARE(cell(s.window.get(), "ListView2", rows - 1, 2), QString::number(rows));
        QVERIFY(!s.find<QPushButton>("cmdDel")->isEnabled());
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
    }
};

QTEST_MAIN(ClientListTest)
#include "tst_clientlist.moc"
