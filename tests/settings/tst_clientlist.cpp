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

void openWith(SetupWindow& s, const QByteArray& clients) {
    s.files.write(s.files.programFile(u"Ugyfelek.dat"), clients);
    s.open();
}

// Every message shown so far as "title|text".
QStringList messages(const SetupWindow& s) {
    QStringList shown;
    for (const ui::Message& m : s.test.dialogs.messages)
        shown << m.title + u'|' + m.text;
    return shown;
}

const QString kAddQuestion =
    " Rögzítés az adatállományban !|Biztos JÓK az adatok ?\n\rMehet a rögzítés ?";

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
        QCOMPARE(messages(s), QStringList{kAddQuestion});
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

    // Refused in turn: a number already taken (the box is emptied for a new one), a name of
    // blanks (refused before the question) and a number with letters. Nothing is written.
    void addWritesNothing() {
        SetupWindow s;
        s.files.write(s.files.programFile(u"UszNum.dat"), fromHex("EB 03 00 00"));
        openWith(s, kAlfa + kBeta + kOri);
        const QList<std::pair<QString, QString>> typed = {
            {"Gamma", " 1002"}, {"   ", ""}, {"Gamma", "12abc"}};
        QStringList boxes;
        for (const auto& [name, number] : typed) {
            s.setText("txtKitolKinek", name);
            s.setText("txtUgyfelszam", number);
            if (!name.trimmed().isEmpty())
                s.test.dialogs.answerMessage(ui::Answer::Yes);
            s.test.dialogs.answerMessage(ui::Answer::Ok);
            s.click("cmdFelvesz");
            boxes << s.text("txtUgyfelszam");
        }
        QCOMPARE(boxes, (QStringList{"", "", "12abc"}));
        QCOMPARE(messages(s), (QStringList{kAddQuestion,
                                           "FIGYELEM!|A megadott ügyfélszám már szerepel az "
                                           "adatbázisban!\r\nAdjon meg új ügyfélszámot.",
                                           "HIBA|Nincs megadva ügyfél név!", kAddQuestion,
                                           "HIBA|Az ügyfélszám nem érvényes egész szám!\r\n"
                                           "Adjon meg új ügyfélszámot."}));
        QCOMPARE(s.file(u"Ugyfelek.dat"), kAlfa + kBeta + kOri);
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("EB 03 00 00"));
    }

    void changeAcceptsATakenNumberAndKeepsLeadingBlanks() {
        SetupWindow s;
        openWith(s, kAlfa + kBeta + kOri);
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

    // Removing in turn the middle client, the last one and the only one left: each is asked
    // for by its upper-cased name, and the rest are renumbered.
    void removeRenumbersTheRest() {
        SetupWindow s;
        openWith(s, kAlfa + kBeta + kOri);
        QList<QByteArray> files;
        QStringList numbers;
        for (const int row : {1, 1, 0}) {
            s.find<ui::ReportView>("ListView2")->selectRow(row);
            s.test.dialogs.answerMessage(ui::Answer::Yes);
            s.click("cmdDel");
            files << s.file(u"Ugyfelek.dat");
            numbers << column(s.window.get(), "ListView2", 2).join(u',');
            QVERIFY(!s.find<QPushButton>("cmdDel")->isEnabled());
            QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
        }
        QCOMPARE(files, (QList<QByteArray>{kAlfa + kOri, kAlfa, QByteArray()}));
        QCOMPARE(numbers, (QStringList{"1,2", "1", ""}));
        QVERIFY(TempRegister::exists(s.files.programFile(u"Ugyfelek.dat")));
        QVERIFY(!TempRegister::exists(s.files.programFile(u"xxu.dat")));
        auto question = [](const QString& name) -> QString {
            return " Törlés az adatállományban !|Biztos TÖRÖLHETŐ?\n\r" + name +
                   "\n\rügyfél a listából?";
        };
        QCOMPARE(messages(s),
                 (QStringList{question("BÉTA"), question("ŐRI BT."), question("ALFA")}));
    }
};

QTEST_MAIN(ClientListTest)
#include "tst_clientlist.moc"
