// The "Mentés" menu and the exit of the main window: backup now, restore, exit with backup.

#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "store/recordfile.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

constexpr int kNone = -1;      // no such file
constexpr int kNoFolder = -2;  // not even the year folder

// `count` letter records; `first` makes different sets tell apart.
QByteArray letterBytes(int count, int first = 1) {
    QByteArray bytes;
    for (int i = first; i < first + count; ++i) {
        bytes += letter(QDate(2024, 1, 1).addDays(i % 150), i % 2 == 0, qint16(i),
                        QStringLiteral("Partner %1").arg(i))
                     .toBytes();
    }
    return bytes;
}

// Lays down the year 2024 with `letters` letters and `backup` backed-up letters (or kNone,
// kNoFolder), and returns what was written.
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
        files.write(files.yearFile(2024, u"Velmar.dat"), year.letters);
    }
    if (backup != kNone) {
        year.backup = letterBytes(backup, 500);
        files.write(files.yearFile(2024, u"Mentés.dat"), year.backup);
    }
    return year;
}

QStringList column(const QObject* root, const QString& list, int col) {
    QStringList cells;
    for (int row = 0; row < rowCount(root, list); ++row)
        cells << cell(root, list, row, col);
    return cells;
}

}  // namespace

class VelmarBackupTest : public QObject {
    Q_OBJECT

private slots:
    void menuItemsAreEnabled() {
        MainWindow w;
        w.start();
        for (const char* name : {"mnuMentMost", "mnuBetoltes", "mnuKilep"}) {
            QVERIFY2(action(w.window.get(), QLatin1String(name))->isEnabled(), name);
        }
        QCOMPARE(action(w.window.get(), QStringLiteral("mnuBetoltes"))->text(),
                 QStringLiteral("Mentett adatok &betöltése "));
    }

    void messages_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<int>("backup");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<bool>("backupIsNowTheLetters");

        const QString done = QStringLiteral(
            "A Dátum mezőben lévő 2024. évben \r\naz adatok mentése megtörtént.\r\n"
            "A mentett adatállomány 120 adatsort tartalmaz.\r\n");
        const QString noData =
            QStringLiteral("A Dátum mezőben lévő 2024. évben nincsen adat!\r\nEllenőrízd...\r\n");
        const QString noBackup =
            QStringLiteral("A Dátum mezőben lévő 2024. évben nincsen mentés!\r\nEllenőrízd...\r\n");
        const QString overwrite = QStringLiteral(
            "A mentett adatok FELÜLÍRJÁK a \r\njelenlegi adatokat!\r\n"
            "A mentett adatállomány 5 adatsort tartalmaz.\r\nMehet tovább a betöltés?");
        const int ok = int(ui::Answer::Ok), no = int(ui::Answer::No);

        QTest::newRow("backup of 120 letters")
            << 120 << kNone << "mnuMentMost" << ok << "! Mentés !" << done << false << true;
        QTest::newRow("backup replaces an older one")
            << 120 << 300 << "mnuMentMost" << ok << "! Mentés !" << done << false << true;
        QTest::newRow("backup of an empty year")
            << 0 << 5 << "mnuMentMost" << ok << "! HIBA !" << noData << false << false;
        QTest::newRow("backup without letter file")
            << kNone << 5 << "mnuMentMost" << ok << "! HIBA !" << noData << false << false;
        QTest::newRow("backup without year folder")
            << kNoFolder << kNone << "mnuMentMost" << ok << "! HIBA !" << noData << false << false;
        QTest::newRow("restore without backup")
            << 3 << kNone << "mnuBetoltes" << ok << "! HIBA !" << noBackup << false << false;
        QTest::newRow("restore of an empty backup")
            << 3 << 0 << "mnuBetoltes" << ok << "! HIBA !" << noBackup << false << false;
        QTest::newRow("restore without year folder") << kNoFolder << kNone << "mnuBetoltes" << ok
                                                     << "! HIBA !" << noBackup << false << false;
        QTest::newRow("restore answered No")
            << 3 << 5 << "mnuBetoltes" << no << " FIGYELEM! " << overwrite << true << false;
        QTest::newRow("exit answered No")
            << 3 << 5 << "mnuKilep" << no << " Kilépés "
            << QStringLiteral("Biztos hogy Befejezed?\r\n\r\n") << true << false;
    }

    void messages() {
        QFETCH(int, letters);
        QFETCH(int, backup);
        QFETCH(QString, menu);
        QFETCH(int, answer);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, yesNo);
        QFETCH(bool, backupIsNowTheLetters);

        MainWindow w;
        const Year year = layDown(w.files, letters, backup);
        w.start();
        w.window->show();
        w.test.dialogs.answerMessage(ui::Answer(answer));
        action(w.window.get(), menu)->trigger();

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        const ui::Message& box = w.test.dialogs.messages.first();
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, text);
        QCOMPARE(box.buttons, yesNo ? ui::Buttons::YesNo : ui::Buttons::Ok);
        QCOMPARE(box.icon, yesNo ? ui::Icon::Question : ui::Icon::Exclamation);

        // The letter file is never touched here; the backup only by a backup that copied.
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Velmar.dat")), year.letters);
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Mentés.dat")),
                 backupIsNowTheLetters ? year.letters : year.backup);
        QVERIFY(w.window->isVisible());
        QCOMPARE(TempRegister::exists(w.files.yearFile(2024, u"")), letters != kNoFolder);
    }

    void backupTakesThePickersYear() {
        MainWindow w;
        const QByteArray letters = letterBytes(2);
        w.files.write(w.files.yearFile(2023, u"Velmar.dat"), letters);
        w.files.write(w.files.yearFile(2024, u"Velmar.dat"), letterBytes(7));
        w.start();
        w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->setDate(QDate(2023, 5, 1));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuMentMost"))->trigger();
        QCOMPARE(w.files.read(w.files.yearFile(2023, u"Mentés.dat")), letters);
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"Mentés.dat")));
        QVERIFY(w.test.dialogs.messages.first().text.contains(QStringLiteral(" 2023. évben ")));
        QVERIFY(w.test.dialogs.messages.first().text.contains(QStringLiteral(" 2 adatsort")));
    }

    void partialRecordIsNeitherBackedUpNorRestored() {
        MainWindow w;
        const QByteArray letters = letterBytes(3);
        w.files.write(w.files.yearFile(2024, u"Velmar.dat"), letters + QByteArray(100, 'x'));
        w.start();
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuMentMost"))->trigger();
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Mentés.dat")), letters);

        const QByteArray saved = letterBytes(2, 700);
        w.files.write(w.files.yearFile(2024, u"Mentés.dat"), saved + QByteArray(257, 'y'));
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        action(w.window.get(), QStringLiteral("mnuBetoltes"))->trigger();
        QVERIFY(w.test.dialogs.messages.last().text.contains(QStringLiteral(" 2 adatsort")));
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Velmar.dat")), saved);
    }

    void restoreAnsweredYes_data() {
        QTest::addColumn<int>("utolsoSorraUgras");
        QTest::addColumn<QStringList>("dates");  // ListView1's date column afterwards
        QTest::addColumn<int>("sortColumn");
        // After the reload: incoming 1 and 3, then outgoing 2 and 4.
        QTest::newRow("stays in the reload's order")
            << 0 << QStringList{"2024.03.05.", "2024.01.10.", "2024.02.01.", "2024.04.01."} << 5;
        // "Rögzítés után utolsó sorra ugrás": sorted by "Cs", then by "Dátum".
        QTest::newRow("jumps to the last row")
            << -1 << QStringList{"2024.01.10.", "2024.02.01.", "2024.03.05.", "2024.04.01."} << 0;
    }

    void restoreAnsweredYes() {
        QFETCH(int, utolsoSorraUgras);
        QFETCH(QStringList, dates);
        QFETCH(int, sortColumn);

        MainWindow w;
        store::SetupRekord setup;
        setup.UtolsoSorraUgras = qint16(utolsoSorraUgras);
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.files.write(w.files.yearFile(2024, u"Velmar.dat"), letterBytes(6));
        const QByteArray saved = letter(QDate(2024, 3, 5), true, 1).toBytes() +
                                 letter(QDate(2024, 2, 1), false, 2).toBytes() +
                                 letter(QDate(2024, 1, 10), true, 3).toBytes() +
                                 letter(QDate(2024, 4, 1), false, 4).toBytes();
        w.files.write(w.files.yearFile(2024, u"Mentés.dat"), saved);
        w.start();
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), 6);

        w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"))->setText(QStringLiteral("12"));
        w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->setPlainText(QStringLiteral("x"));
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        action(w.window.get(), QStringLiteral("mnuBetoltes"))->trigger();

        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages.first().defaultButton, ui::Answer::Yes);
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Velmar.dat")), saved);
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Mentés.dat")), saved);
        const QObject* root = w.window.get();
        QCOMPARE(rowCount(root, QStringLiteral("ListView4")), 2);
        QCOMPARE(rowCount(root, QStringLiteral("ListView5")), 2);
        QCOMPARE(column(root, QStringLiteral("ListView1"), 0), dates);
        QCOMPARE(w.find<ui::ReportView>(QStringLiteral("ListView1"))->listModel()->sortColumn(),
                 sortColumn);
        QCOMPARE(selectedRow(root, QStringLiteral("ListView1")), 3);

        // The entry area is ready for a new letter.
        for (const char* name : {"txtKitolKinek", "txtUgyfelszam", "txtSorszam"})
            QVERIFY2(w.find<QLineEdit>(QLatin1String(name))->text().isEmpty(), name);
        QVERIFY(w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->toPlainText().isEmpty());
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());
    }

    void exitAnsweredYes_data() {
        QTest::addColumn<int>("letters");
        QTest::addColumn<int>("backup");
        QTest::addColumn<bool>("backupIsNowTheLetters");
        QTest::newRow("year with letters") << 3 << 1 << true;
        QTest::newRow("year with letters, no backup yet") << 4 << kNone << true;
        QTest::newRow("empty year keeps its backup") << 0 << 2 << false;
        QTest::newRow("year without folder") << kNoFolder << kNone << false;
    }

    void exitAnsweredYes() {
        QFETCH(int, letters);
        QFETCH(int, backup);
        QFETCH(bool, backupIsNowTheLetters);

        MainWindow w;
        const Year year = layDown(w.files, letters, backup);
        w.start();
        w.window->show();
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        action(w.window.get(), QStringLiteral("mnuKilep"))->trigger();

        // Only the question; the backup is silent, and the window is closed.
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages.first().title, QStringLiteral(" Kilépés "));
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Mentés.dat")),
                 backupIsNowTheLetters ? year.letters : year.backup);
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Velmar.dat")), year.letters);
    }

    void closeBoxNeitherAsksNorBacksUp() {
        MainWindow w;
        layDown(w.files, 3, kNone);
        w.start();
        w.window->show();
        QVERIFY(w.window->close());
        QVERIFY(w.test.dialogs.messages.isEmpty());
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"Mentés.dat")));
    }

    void backupThatCannotBeWrittenIsReported() {
        MainWindow w;
        const QByteArray letters = letterBytes(3);
        w.files.write(w.files.yearFile(2024, u"Velmar.dat"), letters);
        // A folder in the backup's place: the copy cannot be renamed over it.
        QVERIFY(QDir().mkpath(w.files.yearFile(2024, u"Mentés.dat")));
        w.start();
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuMentMost"))->trigger();
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        QCOMPARE(w.test.dialogs.messages.first().title, QStringLiteral("! HIBA !"));
        QCOMPARE(w.test.dialogs.messages.first().icon, ui::Icon::Critical);
        QVERIFY(w.test.dialogs.messages.first().text.contains(QStringLiteral("nem sikerült")));
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Velmar.dat")), letters);
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"xxx.dat")));
    }

    void restoreThatCannotBeWrittenKeepsTheLetters() {
        MainWindow w;
        w.files.write(w.files.yearFile(2024, u"Mentés.dat"), letterBytes(2));
        // The letter file's place is taken by a folder: nothing can be restored over it.
        QVERIFY(QDir().mkpath(w.files.yearFile(2024, u"Velmar.dat")));
        w.start();
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        action(w.window.get(), QStringLiteral("mnuBetoltes"))->trigger();
        QCOMPARE(w.test.dialogs.messages.size(), 2);
        QCOMPARE(w.test.dialogs.messages.last().title, QStringLiteral("! HIBA !"));
        QVERIFY(QFileInfo(w.files.yearFile(2024, u"Velmar.dat")).isDir());
    }
};

QTEST_MAIN(VelmarBackupTest)
#include "tst_velmar_backup.moc"
