// Operations that hand work to each other through the lists: a search in another year, then
// selection, export and printing of what it found.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/mainwindow.h"

using namespace testing;

class VelmarWorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void listsFilledFromATypedYearAreReadFromThatYear() {
        MainWindow w;  // the picker stays in 2024
        w.files.writeRecords(
            w.files.yearFile(2024, u"Velmar.dat"),
            std::vector{letter(QDate(2024, 1, 5), true, 1, QStringLiteral("Idei"))});
        w.files.writeRecords(
            w.files.yearFile(2023, u"Velmar.dat"),
            std::vector{letter(QDate(2023, 3, 1), false, 7, QStringLiteral("Tavalyi")),
                        letter(QDate(2023, 3, 2), true, 3, QStringLiteral("Régi"))});
        w.start();
        w.find<QLineEdit>(QStringLiteral("txtDatum"))->setText(QStringLiteral("2023"));
        w.find<QPushButton>(QStringLiteral("Command1_6"))->click();  // "Teljes lista"
        const QString all = QStringLiteral("ListView1");
        QCOMPARE(rowCount(w.window.get(), all), 2);

        // The export lies in the picker's year folder and holds the 2023 letters.
        w.test.dialogs.answerInput(QStringLiteral("tavaly"));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuExcel"))->trigger();
        const QByteArray exported = w.files.read(w.files.yearFile(2024, u"tavaly.csv"));
        QCOMPARE(exported.size(), 3 * 237);
        QCOMPARE(exported.mid(237 + 12, 10), QByteArray(";K/7/2023 "));
        QCOMPARE(exported.mid(2 * 237 + 12, 10), QByteArray(";B/3/2023 "));

        // The printed rows come from 2023 as well.
        w.test.dialogs.answerInput(QStringLiteral("Tavalyi levelek"));
        action(w.window.get(), QStringLiteral("mnuPrintBeKi"))->trigger();
        QCOMPARE(int(w.test.printer.documents.size()), 1);
        const QString printed = w.test.printer.documents.front().join(u'\n') + u'\n';
        QVERIFY(printed.contains(QStringLiteral(" K/7/2023\n")));
        QVERIFY(printed.contains(QStringLiteral(" Régi\n")));
        QVERIFY(!printed.contains(QStringLiteral("Idei")));

        // Selecting a row reads the letter from 2023 too.
        control<ui::ReportView>(w.window.get(), all)->selectRow(0);
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(),
                 cell(w.window.get(), all, 0, 7));
        QVERIFY(w.test.dialogs.messages.size() == 1);  // the export's closing message only
    }
};

QTEST_MAIN(VelmarWorkflowTest)
#include "tst_velmar_workflow.moc"
