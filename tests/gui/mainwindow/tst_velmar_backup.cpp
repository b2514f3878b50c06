// The "Mentés" menu and the exit of the main window: backup now, restore, exit with backup.

#include "support/mainwindow.h"

using namespace testing;

namespace {

constexpr int kNone = -1;          // no such file
constexpr int kNoFolder = -2;      // not even the year folder
const QByteArray kTail(100, 'x');  // a trailing partial record

QByteArray letterBytes(int count, int first = 1) {
    QByteArray bytes;
    for (int i = first; i < first + count; ++i)
        bytes += letter(QDate(2024, 1, 1).addDays(i % 150), i % 2, qint16(i)).toBytes();
    return bytes;
}

// The year 2024 with `letters` letters (and a partial record after them) and a backup of
// `backup` other letters; returns the whole records of each.
struct Year {
    QByteArray letters, backup;
};
Year layDown(const TempRegister& files, int letters, int backup) {
    Year year;
    if (letters == kNoFolder)
        return year;
    files.makeYear(2024);
    if (letters != kNone) {
        year.letters = letterBytes(letters);
        files.write(files.yearFile(2024, u"Velmar.dat"), year.letters + kTail);
    }
    if (backup != kNone) {
        year.backup = letterBytes(backup, 500);
        files.write(files.yearFile(2024, u"Mentés.dat"), year.backup);
    }
    return year;
}

// A menu item, the box it shows and what becomes of the backup.
struct Box {
    int letters, backup;
    QString menu, title, text;
    bool backedUp = false;
    bool yes = false;  // the question answered Yes
};

}  // namespace

Q_DECLARE_METATYPE(Box)

class VelmarBackupTest : public QObject {
    Q_OBJECT

private slots:
    void messages_data() {
        QTest::addColumn<Box>("c");
        const QString year = "A Dátum mezőben lévő 2024. évben ";
        const QString noData = year + "nincsen adat!\r\nEllenőrízd...\r\n";
        const QString noBackup = year + "nincsen mentés!\r\nEllenőrízd...\r\n";
        const QString done = year +
                             "\r\naz adatok mentése megtörtént.\r\n"
                             "A mentett adatállomány 120 adatsort tartalmaz.\r\n";
        const QString exit = "Biztos hogy Befejezed?\r\n\r\n";
        auto row = [](const char* name, Box c) { QTest::newRow(name) << c; };
        row("backup of 120 letters", {120, 3, "mnuMentMost", "! Mentés !", done, true});
        row("backup, empty year", {0, 5, "mnuMentMost", "! HIBA !", noData});
        row("backup, no year folder", {kNoFolder, kNone, "mnuMentMost", "! HIBA !", noData});
        row("restore, no backup", {3, kNone, "mnuBetoltes", "! HIBA !", noBackup});
        row("restore answered No",
            {3, 5, "mnuBetoltes", " FIGYELEM! ",
             "A mentett adatok FELÜLÍRJÁK a \r\njelenlegi adatokat!\r\n"
             "A mentett adatállomány 5 adatsort tartalmaz.\r\nMehet tovább a betöltés?"});
        row("exit answered No", {3, 5, "mnuKilep", " Kilépés ", exit});
        // Exit backs up silently (an empty year keeps its backup, as "backup, empty year" shows).
        row("exit, year with letters", {3, 2, "mnuKilep", " Kilépés ", exit, true, true});
    }
    void messages() {
        QFETCH(Box, c);
        MainWindow w;
        const Year year = layDown(w.files, c.letters, c.backup);
        w.start();
        w.window->show();
        const bool question = c.title.startsWith(u' ');
        w.test.dialogs.answerMessage(question ? (c.yes ? ui::Answer::Yes : ui::Answer::No)
                                              : ui::Answer::Ok);
        // Leaving, a first whole backup is offered (tst_velmar_snapshots); declined here.
        const bool offered = c.menu == "mnuKilep" && c.yes;
        if (offered)
            w.test.dialogs.answerMessage(ui::Answer::No);
        w.trigger(c.menu);

        const ui::Message box{c.title, c.text, question ? ui::Buttons::YesNo : ui::Buttons::Ok,
                              question ? ui::Answer::Yes : ui::Answer::Ok,
                              question ? ui::Icon::Question : ui::Icon::Exclamation};
        QCOMPARE(w.test.dialogs.messages.first(), box);
        QCOMPARE(w.test.dialogs.messages.size(), offered ? 2 : 1);
        // Whole records only are backed up; the letter file is not touched.
        QCOMPARE(w.files.readYear(2024, u"Mentés.dat"), c.backedUp ? year.letters : year.backup);
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"),
                 c.letters >= 0 ? year.letters + kTail : QByteArray());
        QCOMPARE(w.window->isVisible(), !c.yes);  // only the exit is asked Yes here
    }

    // Restored with "Rögzítés után utolsó sorra ugrás": the lists sorted by Cs, then Dátum,
    // the last row selected, the entry fields emptied.
    void restoreAnsweredYes() {
        MainWindow w;
        store::SetupRekord setup;
        setup.UtolsoSorraUgras = store::kTrue;
        w.files.writeSetup(setup);
        const Year year = layDown(w.files, 6, 4);
        w.files.write(w.files.yearFile(2024, u"Mentés.dat"), year.backup + kTail);
        w.start();
        w.setText("txtKitolKinek", "Kovács");
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.trigger("mnuBetoltes");

        QVERIFY(w.test.dialogs.messages.first().text.contains(" 4 adatsort"));
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"), year.backup);
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 4);
        QCOMPARE(w.find<ui::ReportView>("ListView1")->listModel()->sortColumn(), 0);
        QCOMPARE(selectedRow(w.window.get(), "ListView1"), 3);
        QCOMPARE(w.text("txtKitolKinek"), "");
        QVERIFY(!w.find<QPushButton>("cmdModosit")->isEnabled());
    }

    void backupThatCannotBeWrittenIsReported() {
        MainWindow w;
        const Year year = layDown(w.files, 3, kNone);
        // A folder in the backup's place: the copy cannot be renamed over it.
        QVERIFY(QDir().mkpath(w.files.yearFile(2024, u"Mentés.dat")));
        w.start();
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.trigger("mnuMentMost");
        QCOMPARE(w.test.dialogs.messages,
                 (QList<ui::Message>{{"! HIBA !",
                                      "A Dátum mezőben lévő 2024. évben \r\naz adatok mentése "
                                      "nem sikerült!\r\n" +
                                          w.files.yearFile(2024, u"Mentés.dat") +
                                          "\r\nA korábbi mentés változatlan maradt.\r\n",
                                      ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical}}));
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"), year.letters + kTail);
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"xxx.dat")));
    }
};

QTEST_MAIN(VelmarBackupTest)
#include "tst_velmar_backup.moc"
