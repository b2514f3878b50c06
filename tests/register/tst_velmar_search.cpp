// The search buttons in the main window: which field each one reads, the year it searches,
// the "Keresés..." message and the finishing sort.

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2024, 6, 14);

// 1: incoming 10, 2: outgoing 5 (today), 3: incoming 2, 4: incoming without serial (today);
// and one letter of 2011.
void startOnTestYear(MainWindow& w, bool jumpToLastRow) {
    auto make = [](QDate date, bool in, qint16 serial, const char* who, qint16 client,
                   const char* subject, const char* handler, const char* group) {
        store::LevelRekord r = letter(date, in, serial, QString::fromUtf8(who));
        r.Ugyfelszam = client;
        r.LevelTargya = QString::fromUtf8(subject);
        r.Ugyintezo = QString::fromUtf8(handler);
        r.CsoportJel = QString::fromUtf8(group);
        return r;
    };
    w.files.writeRecords(
        w.files.yearFile(2024, u"Velmar.dat"),
        std::vector{
            make(QDate(2024, 3, 5), true, 10, "Kovács Kft.", 12, "Éves számla", "Kiss Anna", "A"),
            make(kToday, false, 5, "Szabó Bt.", 1041, "Meghívó", "Nagy Péter", "AB"),
            make(QDate(2024, 3, 20), true, 2, "Rákos Bt.", 12, "Számla", "Kiss Anna", ""),
            make(kToday, true, store::kBlankSerial, "Kovács Kft.", 12, "számla", "Anna", "A")});
    w.files.writeRecords(w.files.yearFile(2011, u"Velmar.dat"),
                         std::vector{letter(QDate(2011, 5, 3), true, 1, QStringLiteral("Régi"))});
    store::SetupRekord setup;
    setup.UtolsoSorraUgras = jumpToLastRow ? store::kTrue : store::kFalse;
    store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
    w.test.clock.value = QDateTime(kToday, QTime(10, 30));
    w.start();
    w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))
        ->setDateTime(QDateTime(kToday, QTime(0, 0), Qt::UTC));
}

QList<int> recordsIn(const QObject* root, const QString& list) {
    QList<int> recs;
    for (int row = 0; row < rowCount(root, list); ++row)
        recs << cell(root, list, row, list == u"ListView1"_s ? 11 : 8).toInt();
    return recs;
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
        QTest::newRow("date typed") << "txtDatum" << 0 << "2024.03" << QList<int>{1, 3};
        QTest::newRow("date of the picker") << "txtDatum" << 0 << " " << QList<int>{2};
        QTest::newRow("serial") << "txtSorszam2" << 1 << "1" << QList<int>{1};
        QTest::newRow("correspondent") << "txtKitolKinek" << 2 << "kov" << QList<int>{1};
        QTest::newRow("client number") << "txtUgyfelszam" << 3 << "12" << QList<int>{1, 3, 4};
        QTest::newRow("subject") << "txtLevelTargya" << 4 << "SZÁMLA" << QList<int>{1, 3};
        QTest::newRow("group") << "lbJel" << 5 << "A" << QList<int>{1};
        QTest::newRow("everything") << "" << 6 << "" << QList<int>{1, 2, 3};
        QTest::newRow("handler") << "txUgyintezo" << 7 << "anna" << QList<int>{1, 3};
    }

    void eachButtonReadsItsField() {
        QFETCH(QString, field);
        QFETCH(int, button);
        QFETCH(QString, text);
        QFETCH(QList<int>, records);
        MainWindow w;
        startOnTestYear(w, false);
        if (auto* edit = w.window->findChild<QLineEdit*>(field))
            edit->setText(text);
        else if (auto* subject = w.window->findChild<QPlainTextEdit*>(field))
            subject->setPlainText(text);
        else if (auto* caption = w.window->findChild<QLabel*>(field))
            caption->setText(text);
        w.find<QPushButton>(QStringLiteral("Command1_%1").arg(button))->click();
        QCOMPARE(recordsIn(w.window.get(), u"ListView1"_s), records);
    }

    void finishingJumpsToTheLastRow_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("allOrder");
        QTest::addColumn<QList<int>>("incomingOrder");
        QTest::addColumn<QString>("shown");  // the correspondent of the selected last row
        // Serial cells are unpadded and sort as text: "10" before "2", empty first.
        QTest::newRow("everything") << 6 << QList<int>{1, 3, 2} << QList<int>{1, 3} << "Szabó Bt.";
        QTest::newRow("client number: by date, then serial")
            << 3 << QList<int>{4, 1, 3} << QList<int>{1, 3, 4} << "Rákos Bt.";
    }

    void finishingJumpsToTheLastRow() {
        QFETCH(int, button);
        QFETCH(QList<int>, allOrder);
        QFETCH(QList<int>, incomingOrder);
        QFETCH(QString, shown);
        MainWindow w;
        startOnTestYear(w, true);
        w.find<QLineEdit>(u"txtUgyfelszam"_s)->setText(u"12"_s);
        w.find<QPushButton>(QStringLiteral("Command1_%1").arg(button))->click();
        QCOMPARE(recordsIn(w.window.get(), u"ListView1"_s), allOrder);
        QCOMPARE(selectedRow(w.window.get(), u"ListView1"_s), allOrder.size() - 1);
        QCOMPARE(recordsIn(w.window.get(), u"ListView4"_s), incomingOrder);
        QCOMPARE(w.find<QLineEdit>(u"txtKitolKinek"_s)->text(), shown);
    }

    void yearOfTheSearch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("reported");  // "Keresés..."; otherwise the letter selected:
        QTest::addColumn<QString>("found");
        QTest::newRow("2011: that year's letter") << "2011" << false << "Régi";
        QTest::newRow("12.10 names the folder 12.1") << "12.10" << true << "";
        QTest::newRow("a year without letters") << "2035" << true << "";
        QTest::newRow("outside the register") << "../2" << true << "";
    }

    void yearOfTheSearch() {
        QFETCH(QString, typed);
        QFETCH(bool, reported);
        QFETCH(QString, found);
        MainWindow w;
        w.files.makeYear(2012);
        startOnTestYear(w, false);
        w.find<QLineEdit>(u"txtDatum"_s)->setText(typed);
        if (reported)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.find<QPushButton>(u"Command1_6"_s)->click();
        if (!reported) {
            // The picker still shows 2024; selecting the row reads the letter of 2011.
            w.find<ui::ReportView>(u"ListView1"_s)->selectRow(0);
            QCOMPARE(w.find<QLineEdit>(u"txtKitolKinek"_s)->text(), found);
            return;
        }
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages[0].title, u"Keresés..."_s);
        QCOMPARE(w.test.dialogs.messages[0].text,
                 u"A megadott keresési dátum nem érvényes évszámot mutat.\r\nEllenőrízd!"_s);
        QCOMPARE(w.test.dialogs.messages[0].icon, ui::Icon::Information);
        // The lists keep what the start-up filled in, padded serials and all.
        QCOMPARE(rowCount(w.window.get(), u"ListView1"_s), 4);
        QCOMPARE(cell(w.window.get(), u"ListView4"_s, 1, 2), u"   2"_s);
    }
};

QTEST_MAIN(VelmarSearchTest)
#include "tst_velmar_search.moc"
