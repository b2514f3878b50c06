// The entry fields' help in the main window: Enter walking, pick lists, the subject limit,
// the serial box, client numbers on focus and F2, and Enter in "Keresendő dátum:".

#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

void writeSetup(MainWindow& w, bool automatic) {
    store::SetupRekord setup;
    setup.AutUgyfelszam = automatic ? store::kTrue : store::kFalse;
    setup.KezdoUgyfelszam = automatic ? 1000 : 0;
    store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
}

void writeClients(MainWindow& w) {
    w.files.writeRecords<store::UgyfelRekord>(w.files.programFile(u"Ugyfelek.dat"),
                                              {{QStringLiteral("Kovács Kft."), 12},
                                               {QStringLiteral("Szabó Bt."), 1500},
                                               {QStringLiteral("Rákos Bt."), 7}});
}

// Shows the window and makes it the active one, so focus moves as it does for the user.
void showActive(MainWindow& w) {
    w.window->show();
    QApplication::setActiveWindow(w.window.get());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
}

QStringList names(const QObject* root, const QString& list) {
    QStringList cells;
    for (int row = 0; row < rowCount(root, list); ++row)
        cells << cell(root, list, row, 0);
    return cells;
}

}  // namespace

class VelmarAssistTest : public QObject {
    Q_OBJECT

private slots:
    void enterWalksTowardsRecording() {
        MainWindow w;
        w.start();
        showActive(w);
        auto* year = w.find<QLineEdit>(QStringLiteral("txtSorszam"));
        year->setText(QStringLiteral("/2024"));
        year->setFocus(Qt::TabFocusReason);
        QVERIFY(!year->hasSelectedText());
        QCOMPARE(year->cursorPosition(), 5);

        auto* subject = w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"));
        auto* handler = w.find<QLineEdit>(QStringLiteral("txUgyintezo"));
        handler->setText(QStringLiteral("Kiss Anna"));
        const QStringList path = {QStringLiteral("txtSorszam"),    QStringLiteral("txtKitolKinek"),
                                  QStringLiteral("txtUgyfelszam"), QStringLiteral("txtLevelTargya"),
                                  QStringLiteral("txUgyintezo"),   QStringLiteral("cmdRogzit")};
        for (int i = 0; i + 1 < path.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), path[i + 1]);
            if (QApplication::focusWidget() == handler)
                QCOMPARE(handler->selectedText(), QStringLiteral("Kiss Anna"));
        }
        QVERIFY(subject->toPlainText().isEmpty());  // Enter added no line break
    }

    void pickListsFollowTyping() {
        MainWindow w;
        writeClients(w);
        w.files.writeRecords<store::UgyintezoRekord>(
            w.files.programFile(u"Ugyintezo.dat"),
            {{QStringLiteral("Kiss Anna")}, {QStringLiteral("Őri Zsófia")}});
        w.start();
        const QObject* root = w.window.get();
        auto* name = w.find<QLineEdit>(QStringLiteral("txtKitolKinek"));
        QTest::keyClicks(name, QStringLiteral("ko"));
        QCOMPARE(names(root, QStringLiteral("ListView2")),
                 (QStringList{QStringLiteral("Kovács Kft."), QStringLiteral("Rákos Bt.")}));
        QCOMPARE(cell(root, QStringLiteral("ListView2"), 1, 2), QStringLiteral("3"));
        name->clear();
        QCOMPARE(rowCount(root, QStringLiteral("ListView2")), 3);

        // Clicking a client fills the name and its number, although the list refilters
        // under the click, and the subject comes next.
        showActive(w);
        auto* clients = w.find<ui::ReportView>(QStringLiteral("ListView2"));
        const int y = clients->visualRect(clients->model()->index(2, 0)).center().y();
        QTest::mouseClick(clients->viewport(), Qt::LeftButton, {}, QPoint(5, y));
        QCOMPARE(name->text(), QStringLiteral("Rákos Bt."));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"))->text(), QStringLiteral("7"));
        QCOMPARE(names(root, QStringLiteral("ListView2")),
                 QStringList{QStringLiteral("Rákos Bt.")});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtLevelTargya"));

        w.find<QLineEdit>(QStringLiteral("txUgyintezo"))->setText(QStringLiteral("ő"));
        QCOMPARE(names(root, QStringLiteral("ListView3")),
                 QStringList{QStringLiteral("Őri Zsófia")});
    }

    void subjectHoldsAHundredCharacters() {
        MainWindow w;
        w.start();
        auto* subject = w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"));
        auto* counter = w.find<QLabel>(QStringLiteral("lbHossz"));
        const QString hundred = QString(99, u'a') + u'z';
        subject->setPlainText(hundred.left(43));
        QCOMPARE(counter->text(), QStringLiteral("még: 57 karakter!"));
        subject->setPlainText(hundred);
        subject->moveCursor(QTextCursor::Start);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(subject, Qt::Key_B);
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0].title, QStringLiteral(" Hiba !"));
        QCOMPARE(w.test.dialogs.messages[0].text,
                 QStringLiteral("A szöveg hossza max. 100 karakter lehet."));
        QCOMPARE(w.test.dialogs.messages[0].icon, ui::Icon::None);
        QCOMPARE(subject->toPlainText(), u'b' + hundred.left(99));
        QCOMPARE(counter->text(), QStringLiteral("STOP"));
        QTest::keyClick(subject, Qt::Key_Backspace);
        QCOMPARE(counter->text(), QStringLiteral("még: 1 karakter!"));
        subject->clear();
        QCOMPARE(counter->text(), QString());
    }

    void serialBoxRefusesLetters() {
        MainWindow w;
        w.start();
        showActive(w);
        auto* serial = w.find<QLineEdit>(QStringLiteral("txtSorszam2"));
        serial->setText(QStringLiteral("12"));
        w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->setFocus();
        serial->setCursorPosition(1);
        QTest::keyClick(serial, Qt::Key_X);
        QCOMPARE(serial->text(), QStringLiteral("12"));
        QCOMPARE(serial->cursorPosition(), 2);
        QVERIFY(serial->hasFocus());
    }

    void clientNumberOnFocus_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QByteArray>("uszNum");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("shown");
        QTest::newRow("next number") << true << fromHex("11040000") << ""
                                     << "" << false << "1042";
        QTest::newRow("counter 0") << true << fromHex("00000000") << ""
                                   << "" << false << "1000";
        QTest::newRow("1500 stays") << true << fromHex("11040000") << "Szabó Bt."
                                    << "1500" << false << "1500";
        QTest::newRow("off") << false << fromHex("11040000") << ""
                             << "" << false << "";
        QTest::newRow("another client's number") << true << fromHex("11040000") << "Új Kft."
                                                 << "1500" << true << "1042";
        QTest::newRow("taken, off") << false << QByteArray() << "Új Kft."
                                    << "12" << true << "";
        QTest::newRow("no whole number") << false << QByteArray() << "Új Kft."
                                         << "12.0" << false << "12.0";
    }

    void clientNumberOnFocus() {
        QFETCH(bool, automatic);
        QFETCH(QByteArray, uszNum);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(bool, warned);
        QFETCH(QString, shown);
        MainWindow w;
        writeSetup(w, automatic);
        writeClients(w);
        w.files.write(w.files.programFile(u"UszNum.dat"), uszNum);
        w.start();
        showActive(w);
        w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->setText(name);
        auto* number = w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"));
        number->setText(typed);
        if (warned)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        number->setFocus(Qt::TabFocusReason);
        QCOMPARE(number->text(), shown);
        QCOMPARE(w.test.dialogs.messages.size(), int(warned));
        if (warned) {
            QCOMPARE(w.test.dialogs.messages[0].title, QStringLiteral("FIGYELEM!"));
            QCOMPARE(w.test.dialogs.messages[0].text,
                     QStringLiteral("A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\n"
                                    "Adjon meg új ügyfélszámot."));
            QCOMPARE(w.test.dialogs.messages[0].icon, ui::Icon::Exclamation);
        }
        // The proposal writes nothing.
        QCOMPARE(w.files.read(w.files.programFile(u"UszNum.dat")), uszNum);
    }

    void f2SetsTheNextClientNumber_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("errors");
        QTest::newRow("2000") << std::optional(QStringLiteral("2000")) << fromHex("CF070000")
                              << "2000" << 0;
        QTest::newRow("empty") << std::optional(QString()) << fromHex("11040000") << "55" << 0;
        QTest::newRow("cancelled") << std::optional<QString>() << fromHex("11040000") << "55" << 0;
        QTest::newRow("no number")
            << std::optional(QStringLiteral("sok")) << fromHex("11040000") << "55" << 1;
    }

    void f2SetsTheNextClientNumber() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QFETCH(int, errors);
        MainWindow w;
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("11040000"));  // 1041
        w.start();
        auto* number = w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"));
        number->setText(QStringLiteral("55"));
        w.test.dialogs.answerInput(answer);
        if (errors)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(number, Qt::Key_F2);
        QCOMPARE(w.test.dialogs.inputs.size(), 1);
        QCOMPARE(w.test.dialogs.inputs[0].title, QStringLiteral("Új következő sorszám megadása !"));
        QCOMPARE(w.test.dialogs.inputs[0].prompt,
                 QStringLiteral("Kérem adja meg az új következő sorszámot."));
        QCOMPARE(w.test.dialogs.inputs[0].defaultText, QString());
        QCOMPARE(w.files.read(w.files.programFile(u"UszNum.dat")), stored);
        QCOMPARE(number->text(), shown);
        QCOMPARE(w.test.dialogs.messages.size(), errors);
    }

    void enterInSearchDateChangesTheYear_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("picker");
        QTest::addColumn<int>("rows");      // in ListView1 after the search
        QTest::addColumn<bool>("message");  // "Keresés..."
        QTest::newRow("2011.05.03") << "2011.05.03" << QDate(2011, 1, 1) << 1 << false;
        QTest::newRow("2011") << "2011" << QDate(2011, 1, 1) << 2 << false;
        QTest::newRow("2035 without folder") << "2035" << QDate(2035, 1, 1) << 1 << true;
        QTest::newRow("before the picker's range") << "1500" << QDate(2024, 6, 14) << 1 << true;
        QTest::newRow("no year") << "abcd" << QDate(2024, 6, 14) << 1 << true;
    }

    void enterInSearchDateChangesTheYear() {
        QFETCH(QString, typed);
        QFETCH(QDate, picker);
        QFETCH(int, rows);
        QFETCH(bool, message);
        MainWindow w;
        w.files.writeRecords(
            w.files.yearFile(2011, u"Velmar.dat"),
            std::vector{letter(QDate(2011, 5, 3), true, 1), letter(QDate(2011, 6, 1), false, 1)});
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector{letter(QDate(2024, 6, 14), true, 1)});
        w.start();
        auto* date = w.find<QLineEdit>(QStringLiteral("txtDatum"));
        date->setText(typed);
        if (message)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        QTest::keyClick(date, Qt::Key_Return);
        QCOMPARE(w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->date(), picker);
        QCOMPARE(w.window->state().munkaEv, picker.year());
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), rows);
        QCOMPARE(w.test.dialogs.messages.size(), int(message));
        if (message)
            QCOMPARE(w.test.dialogs.messages[0].title, QStringLiteral("Keresés..."));
    }
};

QTEST_MAIN(VelmarAssistTest)
#include "tst_velmar_assist.moc"
