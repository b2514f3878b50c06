// The entry fields' help in the main window, each shown once; what the help computes is
// tested in tst_register_rules.cpp.

#include <QApplication>

#include "support/mainwindow.h"

using namespace testing;

namespace {

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

}  // namespace

class VelmarAssistTest : public QObject {
    Q_OBJECT

    // One window for the typing cases, shown and active so that focus moves as for the user.
    // Clients Kovács Kft. 1200, Szabó Bt. 1500, Rákos Bt. 7; automatic client numbers from
    // 1000, the last one given 1041. Each case sets the fields it reads.
    MainWindow w;

private slots:
    void initTestCase() {
        store::SetupRekord setup;
        setup.AutUgyfelszam = store::kTrue;
        setup.KezdoUgyfelszam = 1000;
        w.files.writeSetup(setup);
        w.files.writeRecords<store::UgyfelRekord>(
            w.files.programFile(u"Ugyfelek.dat"),
            {{"Kovács Kft.", 1200}, {"Szabó Bt.", 1500}, {"Rákos Bt.", 7}});
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("11040000"));
        w.start();
        w.window->show();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    }
    void cleanup() {
        QVERIFY(w.test.dialogs.scriptUsed());
        w.test.dialogs.messages.clear();
    }

    void enterWalksTowardsRecording() {
        auto* year = w.find<QLineEdit>("txtSorszam");
        year->setText("/2024");
        year->setFocus(Qt::TabFocusReason);
        QVERIFY(!year->hasSelectedText());
        QCOMPARE(year->cursorPosition(), 5);
        auto* handler = w.find<QLineEdit>("txUgyintezo");
        handler->setText("Kiss Anna");
        for (const char* next :
             {"txtKitolKinek", "txtUgyfelszam", "txtLevelTargya", "txUgyintezo", "cmdRogzit"}) {
            if (QApplication::focusWidget() == handler)
                QCOMPARE(handler->selectedText(), "Kiss Anna");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(focused(), QLatin1String(next));
        }
        QVERIFY(w.text("txtLevelTargya").isEmpty());
    }

    void pickedClientFillsNameAndNumber() {
        w.setText("txtKitolKinek", "");
        QTest::keyClicks(w.find<QLineEdit>("txtKitolKinek"), "ko");
        QCOMPARE(cell(w.window.get(), "ListView2", 1, 0), "Rákos Bt.");
        // The new name refilters the list under the click; the number is still the row's.
        auto* clients = w.find<ui::ReportView>("ListView2");
        const int y = clients->visualRect(clients->model()->index(1, 0)).center().y();
        QTest::mouseClick(clients->viewport(), Qt::LeftButton, {}, QPoint(5, y));
        QCOMPARE(w.text("txtKitolKinek") + w.text("txtUgyfelszam"), "Rákos Bt.7");
        QCOMPARE(focused(), "txtLevelTargya");
    }

    void subjectAndSerialBoxes() {
        auto* subject = w.find<QPlainTextEdit>("txtLevelTargya");
        const QString hundred = QString(99, u'a') + u'z';
        subject->setPlainText(hundred);
        subject->moveCursor(QTextCursor::Start);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(subject, Qt::Key_B);  // the 101st character
        const ui::Message tooLong{" Hiba !", "A szöveg hossza max. 100 karakter lehet."};
        QCOMPARE(w.test.dialogs.messages, QList{tooLong});
        QCOMPARE(subject->toPlainText(), u'b' + hundred.left(99));
        QCOMPARE(w.text("lbHossz"), "STOP");

        auto* serial = w.find<QLineEdit>("txtSorszam2");
        serial->setText("123");
        serial->selectAll();
        serial->insert("31x9y");  // as a paste does
        QCOMPARE(serial->text(), "31");
    }

    // On focus a number of another client is refused, then the next number is proposed; the
    // proposal writes nothing. F2 sets the next number.
    void clientNumberOnFocusAndF2() {
        w.find<QLineEdit>("txtKitolKinek")->setFocus(Qt::TabFocusReason);
        w.setText("txtKitolKinek", "Új Kft.");
        w.setText("txtUgyfelszam", "1200");
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.find<QLineEdit>("txtUgyfelszam")->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.test.dialogs.messages.value(0).text,
                 "A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új "
                 "ügyfélszámot.");
        QCOMPARE(w.text("txtUgyfelszam"), "1042");
        QCOMPARE(w.files.readProgram(u"UszNum.dat"), fromHex("11040000"));
        w.test.dialogs.answerInput(QStringLiteral("2000"));
        QTest::keyClick(w.find<QLineEdit>("txtUgyfelszam"), Qt::Key_F2);
        QCOMPARE(w.test.dialogs.inputs.value(0).title, "Új következő sorszám megadása !");
        QCOMPARE(w.files.readProgram(u"UszNum.dat"), fromHex("CF070000"));
        QCOMPARE(w.text("txtUgyfelszam"), "2000");
    }

    // Enter moves the picker to the first day of the typed year and searches it by the date
    // typed, as "Dátum szerint" does; a year without folder is reported by that search
    // ("Keresés...", see tst_velmar_lists.cpp) and the list keeps 2024's letter. Four
    // characters that are no number end it without a word.
    void enterInSearchDateChangesTheYear() {
        MainWindow other;  // a window of its own: the year changes
        other.files.writeLetters(2024, {letter(QDate(2024, 6, 14), true, 1)});
        other.start();
        other.setText("txtDatum", "2035");
        other.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(other.find<QLineEdit>("txtDatum"), Qt::Key_Return);
        QCOMPARE(other.find<QDateTimeEdit>("DTPicker1")->date(), QDate(2035, 1, 1));
        QCOMPARE(other.window->state().workingYear, 2035);
        QCOMPARE(column(other.window.get(), "ListView1", 0), QStringList{"2024.06.14."});
        QCOMPARE(other.test.dialogs.messages.value(0).title, "Keresés...");
        other.setText("txtDatum", "20x5");
        QTest::keyClick(other.find<QLineEdit>("txtDatum"), Qt::Key_Return);
        QCOMPARE(other.window->state().workingYear, 2035);
    }
};

QTEST_MAIN(VelmarAssistTest)
#include "tst_velmar_assist.moc"
