// Operations that hand work to each other through the lists: a search in another year, then
// selection, export and printing of what it found.

#include "support/mainwindow.h"

using namespace testing;

class VelmarWorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void listsFilledFromATypedYearAreReadFromThatYear() {
        MainWindow w;  // the picker stays in 2024
        w.files.writeLetters(2024, {letter(QDate(2024, 1, 5), true, 1, "Idei")});
        w.files.writeLetters(2023, {letter(QDate(2023, 3, 1), false, 7, "Tavalyi"),
                                    letter(QDate(2023, 3, 2), true, 3, "Régi")});
        w.start();
        w.setText("txtDatum", "2023");
        w.click("Command1_6");  // "Teljes lista"
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 2);

        // The export lies in the picker's year folder and holds the 2023 letters.
        w.test.dialogs.answerInput(QStringLiteral("tavaly"));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuExcel");
        const QByteArray exported = w.files.readYear(2024, u"tavaly.csv");
        QCOMPARE(exported.size(), 3 * 237);
        QCOMPARE(exported.mid(237 + 12, 10), QByteArray(";K/7/2023 "));
        QCOMPARE(exported.mid(2 * 237 + 12, 10), QByteArray(";B/3/2023 "));

        // The printed rows come from 2023 as well.
        w.test.dialogs.answerInput(QStringLiteral("Tavalyi levelek"));
        w.trigger("mnuPrintBeKi");
        QCOMPARE(int(w.test.printer.documents.size()), 1);
        const QString printed = w.test.printer.documents.front().join(u'\n') + u'\n';
        QVERIFY(printed.contains(" K/7/2023\n") && printed.contains(" Régi\n"));
        QVERIFY(!printed.contains("Idei"));

        // Selecting the first row (the first letter of 2023) reads it from 2023 too.
        w.find<ui::ReportView>("ListView1")->selectRow(0);
        QCOMPARE(w.text("txtKitolKinek"), "Tavalyi");
        QCOMPARE(w.test.dialogs.messages.size(), 1);  // the export's closing message only
    }
};

QTEST_MAIN(VelmarWorkflowTest)
#include "tst_velmar_workflow.moc"
