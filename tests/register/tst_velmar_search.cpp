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

namespace {

const QDate kToday(2024, 6, 14);

// 1: incoming 10, 2: outgoing 5 (today), 3: incoming 2, 4: incoming without serial (today).
std::vector<store::LevelRekord> year2024() {
    auto make = [](QDate date, bool in, qint16 serial, const char* who, qint16 client,
                   const char* subject, const char* handler, const char* group) {
        store::LevelRekord r = letter(date, in, serial, QString::fromUtf8(who));
        r.Ugyfelszam = client;
        r.LevelTargya = QString::fromUtf8(subject);
        r.Ugyintezo = QString::fromUtf8(handler);
        r.CsoportJel = QString::fromUtf8(group);
        return r;
    };
    return {make(QDate(2024, 3, 5), true, 10, "Kovács Kft.", 12, "Éves számla", "Kiss Anna", "A"),
            make(kToday, false, 5, "Szabó Bt.", 1041, "Meghívó", "Nagy Péter", "AB"),
            make(QDate(2024, 3, 20), true, 2, "Rákos Bt.", 12, "Számla", "Kiss Anna", ""),
            make(kToday, true, store::kBlankSerial, "Kovács Kft.", 12, "számla", "Anna", "A")};
}

QList<int> recordsIn(const QObject* root, const QString& list) {
    const int recColumn = list == QStringLiteral("ListView1") ? 11 : 8;
    QList<int> recs;
    for (int row = 0; row < rowCount(root, list); ++row)
        recs << cell(root, list, row, recColumn).trimmed().toInt();
    return recs;
}

void startOn2024(MainWindow& w, bool jumpToLastRow) {
    w.test.clock.value = QDateTime(kToday, QTime(10, 30));
    store::SetupRekord setup;
    setup.UtolsoSorraUgras = jumpToLastRow ? store::kTrue : store::kFalse;
    store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
    w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), year2024());
    w.start();
    w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))
        ->setDateTime(QDateTime(kToday, QTime(0, 0), Qt::UTC));
}

}  // namespace

class VelmarSearchTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonReadsItsField_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("date typed") << 0 << "txtDatum"
                                    << "2024.03" << QList<int>{1, 3};
        QTest::newRow("date of the picker") << 0 << "txtDatum"
                                            << " " << QList<int>{2};
        QTest::newRow("serial") << 1 << "txtSorszam2"
                                << "1" << QList<int>{1};
        QTest::newRow("correspondent") << 2 << "txtKitolKinek"
                                       << "kov" << QList<int>{1};
        QTest::newRow("client number") << 3 << "txtUgyfelszam"
                                       << "12" << QList<int>{1, 3, 4};
        QTest::newRow("subject") << 4 << "txtLevelTargya"
                                 << "SZÁMLA" << QList<int>{1, 3};
        QTest::newRow("group") << 5 << "lbJel"
                               << "A" << QList<int>{1};
        QTest::newRow("everything") << 6 << ""
                                    << "" << QList<int>{1, 2, 3};
        QTest::newRow("handler") << 7 << "txUgyintezo"
                                 << "anna" << QList<int>{1, 3};
    }

    void eachButtonReadsItsField() {
        QFETCH(int, button);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QList<int>, records);
        MainWindow w;
        startOn2024(w, false);
        if (auto* edit = w.window->findChild<QLineEdit*>(field))
            edit->setText(text);
        else if (auto* subject = w.window->findChild<QPlainTextEdit*>(field))
            subject->setPlainText(text);
        else if (auto* caption = w.window->findChild<QLabel*>(field))
            caption->setText(text);
        w.find<QPushButton>(QStringLiteral("Command1_%1").arg(button))->click();

        const QObject* root = w.window.get();
        QCOMPARE(recordsIn(root, QStringLiteral("ListView1")), records);
        QList<int> incoming;
        for (int rec : records)
            incoming << rec;
        incoming.removeAll(2);
        QCOMPARE(recordsIn(root, QStringLiteral("ListView4")), incoming);
        QCOMPARE(recordsIn(root, QStringLiteral("ListView5")).size(), int(records.contains(2)));
    }

    void searchCells() {
        MainWindow w;
        startOn2024(w, false);
        w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"))->setText(QStringLiteral("12"));
        w.find<QPushButton>(QStringLiteral("Command1_3"))->click();
        const QObject* root = w.window.get();
        // Serials unpadded, the other direction's cells empty, the blank serial empty.
        QCOMPARE(cell(root, QStringLiteral("ListView1"), 0, 2), QStringLiteral("10"));
        QCOMPARE(cell(root, QStringLiteral("ListView1"), 0, 4), QString());
        QCOMPARE(cell(root, QStringLiteral("ListView1"), 0, 13), QString());
        QCOMPARE(cell(root, QStringLiteral("ListView1"), 2, 2), QString());
        QCOMPARE(cell(root, QStringLiteral("ListView4"), 2, 8), QStringLiteral("    4"));
    }

    void finishingJumpsToTheLastRow_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("allOrder");
        QTest::addColumn<QList<int>>("incomingOrder");
        QTest::addColumn<QString>("shown");  // the correspondent of the selected last row
        // Serial cells sort as text: "10" before "2".
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
        startOn2024(w, true);
        w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"))->setText(QStringLiteral("12"));
        w.find<QPushButton>(QStringLiteral("Command1_%1").arg(button))->click();
        const QObject* root = w.window.get();
        QCOMPARE(recordsIn(root, QStringLiteral("ListView1")), allOrder);
        QCOMPARE(selectedRow(root, QStringLiteral("ListView1")), allOrder.size() - 1);
        QCOMPARE(recordsIn(root, QStringLiteral("ListView4")), incomingOrder);
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(), shown);
    }

    void yearWithoutFolderIsReported_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("12.10 names the folder 12.1") << "12.10";
        QTest::newRow("a year without letters") << "2035";
        QTest::newRow("outside the register") << "../2";
    }

    void yearWithoutFolderIsReported() {
        QFETCH(QString, typed);
        MainWindow w;
        w.files.makeYear(2012);
        startOn2024(w, false);
        w.find<QLineEdit>(QStringLiteral("txtDatum"))->setText(typed);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.find<QPushButton>(QStringLiteral("Command1_6"))->click();
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        const ui::Message& box = w.test.dialogs.messages.first();
        QCOMPARE(box.title, QStringLiteral("Keresés..."));
        QCOMPARE(box.text,
                 QStringLiteral("A megadott keresési dátum nem érvényes évszámot mutat.\r\n"
                                "Ellenőrízd!"));
        QCOMPARE(box.icon, ui::Icon::Information);
        QCOMPARE(box.buttons, ui::Buttons::Ok);
        // The lists keep what the start-up filled in, padded serials and all.
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), 4);
        QCOMPARE(cell(w.window.get(), QStringLiteral("ListView4"), 1, 2), QStringLiteral("   2"));
    }

    void listsFromATypedYearReadThatYear() {
        MainWindow w;
        store::LevelRekord old = letter(QDate(2011, 5, 3), true, 1, QStringLiteral("Régi Kft."));
        w.files.writeRecords(w.files.yearFile(2011, u"Velmar.dat"), std::vector{old});
        startOn2024(w, false);
        w.find<QLineEdit>(QStringLiteral("txtDatum"))->setText(QStringLiteral("2011"));
        w.find<QPushButton>(QStringLiteral("Command1_0"))->click();
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), 1);
        // The picker still shows 2024; selecting the row reads the letter of 2011.
        w.find<ui::ReportView>(QStringLiteral("ListView1"))->selectRow(0);
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(),
                 QStringLiteral("Régi Kft."));
        QVERIFY(w.test.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(VelmarSearchTest)
#include "tst_velmar_search.moc"
