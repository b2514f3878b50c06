// The entry fields' help in the main window: Enter walking, pick lists, the subject limit,
// the serial box, client numbers on focus and F2, and Enter in "Keresendő dátum:".

#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;
using namespace Qt::StringLiterals;

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
        auto* year = w.find<QLineEdit>(u"txtSorszam"_s);
        year->setText(u"/2024"_s);
        year->setFocus(Qt::TabFocusReason);
        QVERIFY(!year->hasSelectedText());
        QCOMPARE(year->cursorPosition(), 5);
        auto* handler = w.find<QLineEdit>(u"txUgyintezo"_s);
        handler->setText(u"Kiss Anna"_s);
        for (const char* next :
             {"txtKitolKinek", "txtUgyfelszam", "txtLevelTargya", "txUgyintezo", "cmdRogzit"}) {
            if (QApplication::focusWidget() == handler)
                QCOMPARE(handler->selectedText(), u"Kiss Anna"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(focused(), QLatin1String(next));
        }
        QVERIFY(w.find<QPlainTextEdit>(u"txtLevelTargya"_s)->toPlainText().isEmpty());
    }

    void pickedClientFillsNameAndNumber() {
        MainWindow w;
        w.files.writeRecords<store::UgyfelRekord>(
            w.files.programFile(u"Ugyfelek.dat"),
            {{u"Kovács Kft."_s, 12}, {u"Szabó Bt."_s, 1500}, {u"Rákos Bt."_s, 7}});
        startActive(w);
        QTest::keyClicks(w.find<QLineEdit>(u"txtKitolKinek"_s), u"ko"_s);
        QCOMPARE(cell(w.window.get(), u"ListView2"_s, 1, 0), u"Rákos Bt."_s);
        // The new name refilters the list under the click; the number is still the row's.
        auto* clients = w.find<ui::ReportView>(u"ListView2"_s);
        const int y = clients->visualRect(clients->model()->index(1, 0)).center().y();
        QTest::mouseClick(clients->viewport(), Qt::LeftButton, {}, QPoint(5, y));
        QCOMPARE(w.find<QLineEdit>(u"txtKitolKinek"_s)->text(), u"Rákos Bt."_s);
        QCOMPARE(w.find<QLineEdit>(u"txtUgyfelszam"_s)->text(), u"7"_s);
        QCOMPARE(focused(), u"txtLevelTargya"_s);
    }

    void subjectAndSerialBoxes() {
        MainWindow w;
        startActive(w);
        auto* subject = w.find<QPlainTextEdit>(u"txtLevelTargya"_s);
        auto* counter = w.find<QLabel>(u"lbHossz"_s);
        const QString hundred = QString(99, u'a') + u'z';
        subject->setPlainText(hundred);
        subject->moveCursor(QTextCursor::Start);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(subject, Qt::Key_B);  // the 101st character
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0].title, u" Hiba !"_s);
        QCOMPARE(w.test.dialogs.messages[0].text, u"A szöveg hossza max. 100 karakter lehet."_s);
        QCOMPARE(subject->toPlainText(), u'b' + hundred.left(99));
        QCOMPARE(counter->text(), u"STOP"_s);
        QTest::keyClick(subject, Qt::Key_Backspace);
        QCOMPARE(counter->text(), u"még: 1 karakter!"_s);

        // The serial box: x after 12 is dropped; x between the digits must not cost the 2.
        auto* serial = w.find<QLineEdit>(u"txtSorszam2"_s);
        serial->setText(u"12"_s);
        QTest::keyClick(serial, Qt::Key_X);
        QCOMPARE(serial->text(), u"12"_s);
        QCOMPARE(serial->cursorPosition(), 2);
        QCOMPARE(focused(), u"txtSorszam2"_s);
        serial->setCursorPosition(1);
        QTest::keyClick(serial, Qt::Key_X);
        QCOMPARE(serial->text(), u"12"_s);
        serial->setText(u"12ab3"_s);  // pasted: cut from the end
        QCOMPARE(serial->text(), u"12"_s);
    }

    void clientNumberCheckedAndProposedOnFocus() {
        MainWindow w;
        store::SetupRekord setup;
        setup.AutUgyfelszam = store::kTrue;
        setup.KezdoUgyfelszam = 1000;
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                                  {{u"Kovács Kft."_s, 1200}});
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("11040000"));  // 1041
        startActive(w);
        w.find<QLineEdit>(u"txtKitolKinek"_s)->setText(u"Új Kft."_s);
        auto* number = w.find<QLineEdit>(u"txtUgyfelszam"_s);
        number->setText(u"1200"_s);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        number->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0].title, u"FIGYELEM!"_s);
        QCOMPARE(w.test.dialogs.messages[0].text,
                 u"A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\n"
                 "Adjon meg új ügyfélszámot."_s);
        QCOMPARE(w.test.dialogs.messages[0].icon, ui::Icon::Exclamation);
        // Emptied by the warning, then proposed; the proposal writes nothing.
        QCOMPARE(number->text(), u"1042"_s);
        QCOMPARE(w.files.read(w.files.programFile(u"UszNum.dat")), fromHex("11040000"));
    }

    void f2SetsTheNextClientNumber_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("errors");
        QTest::newRow("2000") << "2000" << fromHex("CF070000") << "2000" << 0;
        QTest::newRow("empty") << "" << fromHex("11040000") << "55" << 0;
        QTest::newRow("no number") << "sok" << fromHex("11040000") << "55" << 1;
    }

    void f2SetsTheNextClientNumber() {
        QFETCH(QString, answer);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QFETCH(int, errors);
        MainWindow w;
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("11040000"));  // 1041
        w.start();
        auto* number = w.find<QLineEdit>(u"txtUgyfelszam"_s);
        number->setText(u"55"_s);
        w.test.dialogs.answerInput(answer);
        if (errors)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(number, Qt::Key_F2);
        QCOMPARE(w.test.dialogs.inputs.size(), 1);
        QCOMPARE(w.test.dialogs.inputs[0].title, u"Új következő sorszám megadása !"_s);
        QCOMPARE(w.test.dialogs.inputs[0].prompt, u"Kérem adja meg az új következő sorszámot."_s);
        QCOMPARE(w.files.read(w.files.programFile(u"UszNum.dat")), stored);
        QCOMPARE(number->text(), shown);
        QCOMPARE(w.test.dialogs.messages.size(), errors);
    }

    void enterInSearchDateChangesTheYear_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("picker");
        QTest::addColumn<QString>("listed");  // the date of ListView1's only row
        QTest::addColumn<bool>("message");    // "Keresés..."
        QTest::newRow("2011.05.03") << "2011.05.03" << QDate(2011, 1, 1) << "2011.05.03." << false;
        QTest::newRow("2035 without folder")
            << "2035" << QDate(2035, 1, 1) << "2024.06.14." << true;
        QTest::newRow("no year") << "abcd" << QDate(2024, 6, 14) << "2024.06.14." << true;
    }

    void enterInSearchDateChangesTheYear() {
        QFETCH(QString, typed);
        QFETCH(QDate, picker);
        QFETCH(QString, listed);
        QFETCH(bool, message);
        MainWindow w;
        w.files.writeRecords(
            w.files.yearFile(2011, u"Velmar.dat"),
            std::vector{letter(QDate(2011, 5, 3), true, 1), letter(QDate(2011, 6, 1), false, 1)});
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letter(QDate(2024, 6, 14), true, 1)});
        w.start();
        w.find<QLineEdit>(u"txtDatum"_s)->setText(typed);
        if (message)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(w.find<QLineEdit>(u"txtDatum"_s), Qt::Key_Return);
        QCOMPARE(w.find<QDateTimeEdit>(u"DTPicker1"_s)->date(), picker);
        QCOMPARE(w.window->state().munkaEv, picker.year());
        QCOMPARE(rowCount(w.window.get(), u"ListView1"_s), 1);
        QCOMPARE(cell(w.window.get(), u"ListView1"_s, 0, 0), listed);
        QCOMPARE(w.test.dialogs.messages.size(), int(message));
    }
};

QTEST_MAIN(VelmarAssistTest)
#include "tst_velmar_assist.moc"
