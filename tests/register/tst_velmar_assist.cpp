// The entry fields' help in the main window: Enter walking, pick lists, the subject limit,
// the serial box, client numbers on focus and F2, and Enter in "Keresendő dátum:".

#include <QApplication>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

// Starts the window shown and active, so focus moves as it does for the user.
void startActive(MainWindow& w) {
    w.start();
    w.window->show();
    QApplication::setActiveWindow(w.window.get());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

}  // namespace

class VelmarAssistTest : public QObject {
    Q_OBJECT

private slots:
    void enterWalksTowardsRecording() {
        MainWindow w;
        startActive(w);
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
        QVERIFY(w.find<QPlainTextEdit>("txtLevelTargya")->toPlainText().isEmpty());
    }

    void pickedClientFillsNameAndNumber() {
        MainWindow w;
        w.files.writeRecords<store::UgyfelRekord>(
            w.files.programFile(u"Ugyfelek.dat"),
            {{"Kovács Kft.", 12}, {"Szabó Bt.", 1500}, {"Rákos Bt.", 7}});
        startActive(w);
        QTest::keyClicks(w.find<QLineEdit>("txtKitolKinek"), "ko");
        QCOMPARE(cell(w.window.get(), "ListView2", 1, 0), "Rákos Bt.");
        // The new name refilters the list under the click; the number is still the row's.
        auto* clients = w.find<ui::ReportView>("ListView2");
        const int y = clients->visualRect(clients->model()->index(1, 0)).center().y();
        QTest::mouseClick(clients->viewport(), Qt::LeftButton, {}, QPoint(5, y));
        QCOMPARE(w.text("txtKitolKinek"), "Rákos Bt.");
        QCOMPARE(w.text("txtUgyfelszam"), "7");
        QCOMPARE(focused(), "txtLevelTargya");
    }

    // The counting and the filtering are tested in tst_register_rules.cpp.
    void subjectAndSerialBoxes() {
        MainWindow w;
        startActive(w);
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
        serial->setText("12");
        QTest::keyClick(serial, Qt::Key_X);
        QCOMPARE(serial->text(), "12");
    }

    void clientNumberCheckedAndProposedOnFocus() {
        MainWindow w;
        store::SetupRekord setup;
        setup.AutUgyfelszam = store::kTrue;
        setup.KezdoUgyfelszam = 1000;
        w.files.writeSetup(setup);
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{"Kovács Kft.", 1200}});
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("11040000"));  // 1041
        startActive(w);
        w.setText("txtKitolKinek", "Új Kft.");
        auto* number = w.find<QLineEdit>("txtUgyfelszam");
        number->setText("1200");
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        number->setFocus(Qt::TabFocusReason);
        const ui::Message taken{
            "FIGYELEM!",
            "A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új ügyfélszámot.",
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
        QCOMPARE(w.test.dialogs.messages, QList{taken});
        // Emptied by the warning, then proposed; the proposal writes nothing.
        QCOMPARE(number->text(), "1042");
        QCOMPARE(w.files.readProgram(u"UszNum.dat"), fromHex("11040000"));
    }

    // What answers set is tested in tst_register_rules.cpp.
    void f2SetsTheNextClientNumber() {
        MainWindow w;
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("11040000"));  // 1041
        w.start();
        auto* number = w.find<QLineEdit>("txtUgyfelszam");
        number->setText("55");
        w.test.dialogs.answerInput(QStringLiteral("2000"));
        QTest::keyClick(number, Qt::Key_F2);
        QCOMPARE(w.test.dialogs.inputs.size(), 1);
        QCOMPARE(w.test.dialogs.inputs[0].title, "Új következő sorszám megadása !");
        QCOMPARE(w.files.readProgram(u"UszNum.dat"), fromHex("CF070000"));
        QCOMPARE(number->text(), "2000");
    }

    void enterInSearchDateChangesTheYear_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("picker");
        QTest::addColumn<QString>("listed");  // the date of ListView1's only row
        QTest::addColumn<bool>("message");    // "Keresés..."
        QTest::newRow("2011.05.03") << "2011.05.03" << QDate(2011, 1, 1) << "2011.05.03." << false;
        QTest::newRow("2035 without folder")
            << "2035" << QDate(2035, 1, 1) << "2024.06.14." << true;
    }

    void enterInSearchDateChangesTheYear() {
        QFETCH(QString, typed);
        QFETCH(QDate, picker);
        QFETCH(QString, listed);
        QFETCH(bool, message);
        MainWindow w;
        w.files.writeLetters(
            2011, {letter(QDate(2011, 5, 3), true, 1), letter(QDate(2011, 6, 1), false, 1)});
        w.files.writeLetters(2024, {letter(QDate(2024, 6, 14), true, 1)});
        w.start();
        w.setText("txtDatum", typed);
        if (message)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(w.find<QLineEdit>("txtDatum"), Qt::Key_Return);
        QCOMPARE(w.find<QDateTimeEdit>("DTPicker1")->date(), picker);
        QCOMPARE(w.window->state().munkaEv, picker.year());
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 1);
        QCOMPARE(cell(w.window.get(), "ListView1", 0, 0), listed);
        QCOMPARE(w.test.dialogs.messages.size(), int(message));
    }
};

QTEST_MAIN(VelmarAssistTest)
#include "tst_velmar_assist.moc"
