// Whole backups and their restore from the "Mentés" menu, the offer at exit, and the list on
// the current tab saved as a spreadsheet.

#include <QDialog>
#include <QTreeWidget>

#include "support/mainwindow.h"

using namespace testing;

namespace {

void layDown(const TempRegister& files, int letters) {
    std::vector<store::LevelRekord> year;
    for (int i = 1; i <= letters; ++i)
        year.push_back(letter(QDate(2024, 2, i), i != 3, qint16(i), "Kovács Ödön"));
    files.writeLetters(2024, year);
}

}  // namespace

class VelmarSnapshotsTest : public QObject {
    Q_OBJECT

private slots:
    void backUpAndRestoreFromTheMenu() {
        MainWindow w;
        QTemporaryDir target;
        layDown(w.files, 3);
        w.start();
        // A folder inside the register is refused and not remembered.
        w.test.dialogs.answerFolder(w.files.makeYear(2024));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuTeljesMentes");
        QCOMPARE(w.test.dialogs.messages.last().title, "HIBA");
        w.test.dialogs.answerFolder(target.path());
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuTeljesMentes");
        QCOMPARE(w.test.dialogs.progressWindows, QStringList{"Teljes mentés"});
        const QString made = target.path() + "/Velmarok-mentés-2024-06-14-1030";
        QCOMPARE(w.test.dialogs.messages.last(),
                 (ui::Message{"Teljes mentés", "A teljes mentés elkészült:\r\n" + made + "\r\n",
                              ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information}));

        const QByteArray letters = w.files.readYear(2024, u"Velmar.dat");
        layDown(w.files, 5);
        w.window->beolvas();
        w.test.clock.value = w.test.clock.value.addSecs(60);
        w.test.dialogs.onModal([](QDialog& window) {
            auto* list = control<QTreeWidget>(&window, "lstMentesek");
            QCOMPARE(list->topLevelItemCount(), 1);
            QCOMPARE(list->currentItem()->text(0), "2024.06.14. 10:30");
            QCOMPARE(list->currentItem()->text(1), "2024: 3 levél");
            control<QPushButton>(&window, "cmdVisszaallit")->click();
        });
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuTeljesVisszaallitas");
        const ui::Message question = w.test.dialogs.messages.at(w.test.dialogs.messages.size() - 2);
        QVERIFY(question.text.startsWith("Biztos hogy a nyilvántartás a 2024.06.14. 10:30 mentés"));
        QCOMPARE(question.defaultButton, ui::Answer::No);
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"), letters);
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 3);
        // The register as it was before the restore is a snapshot of its own.
        QVERIFY(QFileInfo(target.path() + "/Velmarok-mentés-2024-06-14-1031").isDir());
        QVERIFY(w.test.dialogs.scriptUsed());
    }

    void exitOffersWholeBackup_data() {
        QTest::addColumn<int>("daysSince");  // since the last whole backup; -1: never made
        QTest::addColumn<QString>("when");   // the offer's second line; empty: no offer
        QTest::newRow("never made") << -1 << "Teljes mentés még nem készült.\r\n";
        QTest::newRow("8 days ago") << 8 << "Az utolsó teljes mentés: 2024.06.14. 10:30\r\n";
        QTest::newRow("6 days ago") << 6 << QString();
    }
    void exitOffersWholeBackup() {
        QFETCH(int, daysSince);
        QFETCH(QString, when);
        MainWindow w;
        QTemporaryDir target;
        w.start();
        if (daysSince >= 0) {
            w.test.dialogs.answerFolder(target.path());
            w.test.dialogs.answerMessage(ui::Answer::Ok);
            w.trigger("mnuTeljesMentes");
        }
        w.test.clock.value = w.test.clock.value.addDays(qMax(daysSince, 0));
        w.test.dialogs.messages.clear();
        w.test.dialogs.answerMessage(ui::Answer::Yes);  // "Biztos hogy Befejezed?"
        if (!when.isEmpty())
            w.test.dialogs.answerMessage(ui::Answer::No);
        w.trigger("mnuKilep");
        const ui::Message offer{"Teljes mentés",
                                "Biztos hogy kilépés előtt elkészüljön a teljes mentés?\r\n" + when,
                                ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
        QCOMPARE(w.test.dialogs.messages.mid(1),
                 when.isEmpty() ? QList<ui::Message>{} : QList{offer});
        QVERIFY(!w.window->isVisible());
    }

    void spreadsheetOfTheCurrentTab() {
        MainWindow w;
        QTemporaryDir out;
        layDown(w.files, 3);
        w.start();
        w.find<QTabWidget>("SSTab1")->setCurrentIndex(2);  // "Kimenő levelek"
        w.test.dialogs.answerSaveFile(out.filePath("kimenő"));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuXlsx");
        const QString path = out.filePath("kimenő.xlsx");
        QCOMPARE(w.test.dialogs.messages,
                 (QList<ui::Message>{{"Mentés táblázatba",
                                      "A táblázat elkészült (1 levél):\r\n" + path + "\r\n",
                                      ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information}}));
        QVERIFY(QFileInfo(path).isFile());
    }
};

QTEST_MAIN(VelmarSnapshotsTest)
#include "tst_velmar_snapshots.moc"
