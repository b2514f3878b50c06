// The "Mentés" menu and the exit of the main window: backup now, restore, exit with backup.

#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "store/recordfile.h"
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

QByteArray velmar(const MainWindow& w) {
    return w.files.read(w.files.yearFile(2024, u"Velmar.dat"));
}
QByteArray mentes(const MainWindow& w) {
    return w.files.read(w.files.yearFile(2024, u"Mentés.dat"));
}

}  // namespace

class VelmarBackupTest : public QObject {
    Q_OBJECT

private slots:
    void messages_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<int>("backup");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("backedUp");
        const QString year = QStringLiteral("A Dátum mezőben lévő 2024. évben ");
        const QString noData = year + "nincsen adat!\r\nEllenőrízd...\r\n";
        const QString noBackup = year + "nincsen mentés!\r\nEllenőrízd...\r\n";
        const QString done = year +
                             "\r\naz adatok mentése megtörtént.\r\n"
                             "A mentett adatállomány 120 adatsort tartalmaz.\r\n";
        QTest::newRow("backup of 120 letters") << 120 << 3 << "mnuMentMost"
                                               << "! Mentés !" << done << true;
        QTest::newRow("backup, empty year") << 0 << 5 << "mnuMentMost"
                                            << "! HIBA !" << noData << false;
        QTest::newRow("backup, no year folder") << kNoFolder << kNone << "mnuMentMost"
                                                << "! HIBA !" << noData << false;
        QTest::newRow("restore, no backup") << 3 << kNone << "mnuBetoltes"
                                            << "! HIBA !" << noBackup << false;
        QTest::newRow("restore answered No")
            << 3 << 5 << "mnuBetoltes"
            << " FIGYELEM! "
            << "A mentett adatok FELÜLÍRJÁK a \r\njelenlegi adatokat!\r\n"
               "A mentett adatállomány 5 adatsort tartalmaz.\r\nMehet tovább a betöltés?"
            << false;
        QTest::newRow("exit answered No") << 3 << 5 << "mnuKilep"
                                          << " Kilépés "
                                          << "Biztos hogy Befejezed?\r\n\r\n"
                                          << false;
    }

    void messages() {
        QFETCH(int, letters);
        QFETCH(int, backup);
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, backedUp);
        MainWindow w;
        const Year year = layDown(w.files, letters, backup);
        w.start();
        w.window->show();
        const bool question = title.startsWith(u' ');
        w.test.dialogs.answerMessage(question ? ui::Answer::No : ui::Answer::Ok);
        action(w.window.get(), menu)->trigger();

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        const ui::Message& box = w.test.dialogs.messages.first();
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, text);
        QCOMPARE(box.buttons, question ? ui::Buttons::YesNo : ui::Buttons::Ok);
        QCOMPARE(box.icon, question ? ui::Icon::Question : ui::Icon::Exclamation);
        // Whole records only are backed up; the letter file is not touched.
        QCOMPARE(mentes(w), backedUp ? year.letters : year.backup);
        QCOMPARE(velmar(w), letters >= 0 ? year.letters + kTail : QByteArray());
        QVERIFY(w.window->isVisible());
    }

    void restoreAnsweredYes_data() {
        QTest::addColumn<int>("utolsoSorraUgras");
        QTest::addColumn<int>("sortColumn");
        QTest::newRow("lists as reloaded") << 0 << 5;
        QTest::newRow("jump to the last row: sorted by Cs, then Dátum") << -1 << 0;
    }

    void restoreAnsweredYes() {
        QFETCH(int, utolsoSorraUgras);
        QFETCH(int, sortColumn);
        MainWindow w;
        store::SetupRekord setup;
        setup.UtolsoSorraUgras = qint16(utolsoSorraUgras);
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        const Year year = layDown(w.files, 6, 4);
        w.files.write(w.files.yearFile(2024, u"Mentés.dat"), year.backup + kTail);
        w.start();
        w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->setText(QStringLiteral("Kovács"));
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        action(w.window.get(), QStringLiteral("mnuBetoltes"))->trigger();

        QVERIFY(w.test.dialogs.messages.first().text.contains(QStringLiteral(" 4 adatsort")));
        QCOMPARE(velmar(w), year.backup);
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), 4);
        QCOMPARE(w.find<ui::ReportView>(QStringLiteral("ListView1"))->listModel()->sortColumn(),
                 sortColumn);
        QCOMPARE(selectedRow(w.window.get(), QStringLiteral("ListView1")), 3);
        QVERIFY(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text().isEmpty());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());
    }

    void exitAnsweredYes_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<bool>("backedUp");
        QTest::newRow("year with letters") << 3 << true;
        QTest::newRow("empty year keeps its backup") << 0 << false;
        QTest::newRow("no year folder") << kNoFolder << false;
    }

    void exitAnsweredYes() {
        QFETCH(int, letters);
        QFETCH(bool, backedUp);
        MainWindow w;
        const Year year = layDown(w.files, letters, letters == kNoFolder ? kNone : 2);
        w.start();
        w.window->show();
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        action(w.window.get(), QStringLiteral("mnuKilep"))->trigger();
        QCOMPARE(w.test.dialogs.messages.size(), 1);  // the question only
        QVERIFY(!w.window->isVisible());
        QCOMPARE(mentes(w), backedUp ? year.letters : year.backup);
    }

    void backupTakesThePickersYear() {
        MainWindow w;
        w.files.write(w.files.yearFile(2023, u"Velmar.dat"), letterBytes(2));
        layDown(w.files, 7, kNone);
        w.start();
        w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->setDate(QDate(2023, 5, 1));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuMentMost"))->trigger();
        QCOMPARE(w.files.read(w.files.yearFile(2023, u"Mentés.dat")), letterBytes(2));
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"Mentés.dat")));
    }

    void backupThatCannotBeWrittenIsReported() {
        MainWindow w;
        const Year year = layDown(w.files, 3, kNone);
        // A folder in the backup's place: the copy cannot be renamed over it.
        QVERIFY(QDir().mkpath(w.files.yearFile(2024, u"Mentés.dat")));
        w.start();
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuMentMost"))->trigger();
        QCOMPARE(w.test.dialogs.messages.first().title, QStringLiteral("! HIBA !"));
        QCOMPARE(w.test.dialogs.messages.first().icon, ui::Icon::Critical);
        QCOMPARE(velmar(w), year.letters + kTail);
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"xxx.dat")));
    }
};

QTEST_MAIN(VelmarBackupTest)
#include "tst_velmar_backup.moc"
