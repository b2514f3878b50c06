// The client tab of the settings window: adding, changing and removing clients.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "settings/setupwindow.h"
#include "support/mainwindow.h"
#include "ui/reportview.h"

using namespace testing;

namespace {

QByteArray client(const QByteArray& name, const char* numberHex) {
    return field(name, 40) + fromHex(numberHex);
}

// Three clients: Alfa 1001, Béta 1002 (é is E9), Őri Bt. 1003 (Ő is D5).
QByteArray threeClients() {
    return client("Alfa", "E9 03 00 00") + client("B\xE9ta", "EA 03 00 00") +
           client("\xD5ri Bt.", "EB 03 00 00");
}

QStringList column(const QObject* root, int col) {
    QStringList cells;
    for (int row = 0; row < rowCount(root, "ListView2"); ++row)
        cells << cell(root, "ListView2", row, col);
    return cells;
}

}  // namespace

class ClientListTest : public QObject {
    Q_OBJECT

private slots:
    void addTakesNumbersFromTheCounter() {
        SetupWindow s;
        s.open();
        auto* name = s.find<QLineEdit>("txtKitolKinek");
        auto* number = s.find<QLineEdit>("txtUgyfelszam");
        name->setText("  Alfa  ");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.find<QPushButton>("cmdFelvesz")->click();

        const ui::Message& question = s.test.dialogs.messages[0];
        QCOMPARE(question.title, QStringLiteral(" Rögzítés az adatállományban !"));
        QCOMPARE(question.text, QStringLiteral("Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"));
        QCOMPARE(question.buttons, ui::Buttons::YesNo);
        QCOMPARE(question.icon, ui::Icon::Question);
        // Counter 0: the number offered is 1; the counter then jumps to 1000.
        QCOMPARE(number->text(), QStringLiteral("1"));
        QCOMPARE(s.files.read(s.files.programFile(u"Ugyfelek.dat")), client("Alfa", "01 00 00 00"));
        QCOMPARE(s.files.read(s.files.programFile(u"UszNum.dat")), fromHex("E8 03 00 00"));

        name->setText("Béta");
        number->clear();
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.find<QPushButton>("cmdFelvesz")->click();
        QCOMPARE(number->text(), QStringLiteral("1001"));
        QCOMPARE(s.files.read(s.files.programFile(u"UszNum.dat")), fromHex("E9 03 00 00"));
        QCOMPARE(column(s.window.get(), 0), (QStringList{"Alfa", "Béta"}));
        QCOMPARE(column(s.window.get(), 1), (QStringList{"1", "1001"}));
        QCOMPARE(column(s.window.get(), 2), (QStringList{"1", "2"}));
    }

    void addWritesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("number already taken")
            << "Gamma"
            << " 1002" << true << "FIGYELEM!"
            << "A megadott ügyfélszám már szerepel az adatbázisban!\r\nAdjon meg új ügyfélszámot."
            << "";
        QTest::newRow("name of blanks") << "   "
                                        << "" << false << "HIBA"
                                        << "Nincs megadva ügyfél név!"
                                        << "";
        QTest::newRow("number with letters")
            << "Gamma"
            << "12abc" << true << "HIBA"
            << "Az ügyfélszám nem érvényes egész szám!\r\nAdjon meg új ügyfélszámot."
            << "12abc";
        QTest::newRow("number beyond 32 bits")
            << "Gamma"
            << "3000000000" << true << "HIBA"
            << "Az ügyfélszám nem érvényes egész szám!\r\nAdjon meg új ügyfélszámot."
            << "3000000000";
    }

    void addWritesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(bool, asked);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, boxAfter);
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), threeClients());
        s.files.write(s.files.programFile(u"UszNum.dat"), fromHex("EB 03 00 00"));
        s.open();
        s.find<QLineEdit>("txtKitolKinek")->setText(name);
        s.find<QLineEdit>("txtUgyfelszam")->setText(number);
        if (asked)
            s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.test.dialogs.answerMessage(ui::Answer::Ok);
        s.find<QPushButton>("cmdFelvesz")->click();

        QCOMPARE(s.test.dialogs.messages.size(), asked ? 2 : 1);
        QCOMPARE(s.test.dialogs.messages.last().title, title);
        QCOMPARE(s.test.dialogs.messages.last().text, text);
        QCOMPARE(s.find<QLineEdit>("txtUgyfelszam")->text(), boxAfter);
        QCOMPARE(s.files.read(s.files.programFile(u"Ugyfelek.dat")), threeClients());
        QCOMPARE(s.files.read(s.files.programFile(u"UszNum.dat")), fromHex("EB 03 00 00"));
    }

    void changeAcceptsATakenNumberAndKeepsLeadingBlanks() {
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), threeClients());
        s.open();
        s.find<ui::ReportView>("ListView2")->selectRow(1);
        QCOMPARE(s.find<QLineEdit>("txtKitolKinek")->text(), QStringLiteral("Béta"));
        QVERIFY(s.find<QPushButton>("cmdModosit")->isEnabled());
        s.find<QLineEdit>("txtKitolKinek")->setText("  Béta Kft.");
        s.find<QLineEdit>("txtUgyfelszam")->setText("1001");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.find<QPushButton>("cmdModosit")->click();

        QCOMPARE(s.test.dialogs.messages.size(), 1);
        QCOMPARE(s.test.dialogs.messages[0].title,
                 QStringLiteral(" Módosítás az adatállományban !"));
        QCOMPARE(s.test.dialogs.messages[0].text,
                 QStringLiteral("Biztos JÓK az adatok ?\n\rMehet a módosítás ?"));
        QCOMPARE(s.files.read(s.files.programFile(u"Ugyfelek.dat")),
                 client("Alfa", "E9 03 00 00") + client("  B\xE9ta Kft.", "E9 03 00 00") +
                     client("\xD5ri Bt.", "EB 03 00 00"));
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
        QVERIFY(s.find<QPushButton>("cmdDel")->isEnabled());
    }

    void removeRenumbersTheRest_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("middle of three")
            << threeClients() << 1 << "Biztos TÖRÖLHETŐ?\n\rBÉTA\n\rügyfél a listából?"
            << client("Alfa", "E9 03 00 00") + client("\xD5ri Bt.", "EB 03 00 00");
        QTest::newRow("accented capitals")
            << threeClients() << 2 << "Biztos TÖRÖLHETŐ?\n\rŐRI BT.\n\rügyfél a listából?"
            << client("Alfa", "E9 03 00 00") + client("B\xE9ta", "EA 03 00 00");
        QTest::newRow("the only client")
            << client("Alfa", "E9 03 00 00") << 0
            << "Biztos TÖRÖLHETŐ?\n\rALFA\n\rügyfél a listából?" << QByteArray();
    }

    void removeRenumbersTheRest() {
        QFETCH(QByteArray, before);
        QFETCH(int, row);
        QFETCH(QString, question);
        QFETCH(QByteArray, after);
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), before);
        s.open();
        s.find<ui::ReportView>("ListView2")->selectRow(row);
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.find<QPushButton>("cmdDel")->click();

        QCOMPARE(s.test.dialogs.messages[0].title, QStringLiteral(" Törlés az adatállományban !"));
        QCOMPARE(s.test.dialogs.messages[0].text, question);
        QCOMPARE(s.files.read(s.files.programFile(u"Ugyfelek.dat")), after);
        QVERIFY(TempRegister::exists(s.files.programFile(u"Ugyfelek.dat")));
        QVERIFY(!TempRegister::exists(s.files.programFile(u"xxu.dat")));
        QCOMPARE(rowCount(s.window.get(), "ListView2"), after.size() / 44);
        if (!after.isEmpty())
            QCOMPARE(cell(s.window.get(), "ListView2", int(after.size() / 44) - 1, 2),
                     QString::number(after.size() / 44));
        QVERIFY(!s.find<QPushButton>("cmdDel")->isEnabled());
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
    }

    void removeAnsweredNoKeepsTheFile() {
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"), threeClients());
        s.open();
        s.find<ui::ReportView>("ListView2")->selectRow(0);
        s.test.dialogs.answerMessage(ui::Answer::No);
        s.find<QPushButton>("cmdDel")->click();
        QCOMPARE(s.files.read(s.files.programFile(u"Ugyfelek.dat")), threeClients());
        QVERIFY(s.find<QPushButton>("cmdDel")->isEnabled());
    }

    void headerClickKeepsTheListSorted() {
        SetupWindow s;
        s.files.write(s.files.programFile(u"Ugyfelek.dat"),
                      client("Zolt\xE1n", "02 00 00 00") + client("Anna", "0A 00 00 00"));
        s.open();
        s.find<ui::ReportView>("ListView2")->headerClicked(0);
        QCOMPARE(column(s.window.get(), 0), (QStringList{"Anna", "Zoltán"}));
        // A refill after an add keeps the chosen column sorted; numbers sort as text.
        s.find<ui::ReportView>("ListView2")->headerClicked(1);
        s.find<QLineEdit>("txtKitolKinek")->setText("Béla");
        s.find<QLineEdit>("txtUgyfelszam")->setText("3");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.find<QPushButton>("cmdFelvesz")->click();
        QCOMPARE(column(s.window.get(), 1), (QStringList{"10", "2", "3"}));
    }
};

QTEST_MAIN(ClientListTest)
#include "tst_clientlist.moc"
