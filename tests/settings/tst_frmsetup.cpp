// The settings window's tab "Általános beállítások": loading, colours, sort order, saving and
// the serial counters, and how the main window opens it.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "settings/setupfields.h"
#include "settings/setupwindow.h"
#include "store/recordfile.h"
#include "support/mainwindow.h"
#include "ui/reportview.h"

using namespace testing;

namespace {

// Setup.dat with every field set: colours, descending order, two quoted paths, flags.
store::SetupRekord storedSetup() {
    store::SetupRekord r;
    r.AblakSzin = 0x00332211;
    r.ListaSzin = 0x00665544;
    r.PartnerSzin = 0x00998877;
    r.Rendezes = 1;
    r.WordUtvonal = QStringLiteral("\"/usr/bin/lowriter\"");
    r.PDFUtvonal = QStringLiteral("  \"/usr/bin/evince\"");
    r.AutUgyfelszam = -1;
    r.UtolsoSorraUgras = -1;
    r.KezdoUgyfelszam = 5000;
    return r;
}

}  // namespace

class FrmSetupTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheStoredSettings() {
        SetupWindow s;
        store::writeFirstRecord(s.files.programFile(u"Setup.dat"), storedSetup());
        s.files.write(s.files.yearFile(2024, u"Num.dat"), fromHex("07 00 2A 00"));
        const QByteArray before = s.files.read(s.files.programFile(u"Setup.dat"));
        s.open();

        QCOMPARE(s.window->windowTitle(), QStringLiteral("Beállítások"));
        QCOMPARE(s.find<QLabel>("lbLista")->palette().color(QPalette::Window),
                 QColor(0x11, 0x22, 0x33));
        QCOMPARE(s.find<QLabel>("lbLista3")->palette().color(QPalette::Window),
                 QColor(0x77, 0x88, 0x99));
        QCOMPARE(s.find<QLineEdit>("txtExcelUtvonal")->text(), QStringLiteral("/usr/bin/lowriter"));
        QCOMPARE(s.find<QLineEdit>("txtPDFUtvonal")->text(), QStringLiteral("/usr/bin/evince"));
        QCOMPARE(s.find<QLineEdit>("txtUgyfszam")->text(), QStringLiteral("5000"));
        QCOMPARE(s.find<QLineEdit>("txtKimenoNum")->text(), QStringLiteral("7"));
        QCOMPARE(s.find<QLineEdit>("txtBejovoNum")->text(), QStringLiteral("42"));
        // Descending order is left selected: nothing is written, the lists are not told.
        QVERIFY(s.find<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(s.main.calls.isEmpty());
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")), before);
    }

    void flagsTickOnlyOnMinusOne_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("-1") << -1 << true;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("-2") << -2 << false;
    }

    void flagsTickOnlyOnMinusOne() {
        QFETCH(int, stored);
        QFETCH(bool, ticked);
        SetupWindow s;
        store::SetupRekord r;
        r.Rendezes = 1;
        r.AutUgyfelszam = qint16(stored);
        r.UtolsoSorraUgras = qint16(stored);
        store::writeFirstRecord(s.files.programFile(u"Setup.dat"), r);
        s.open();
        QCOMPARE(s.find<QCheckBox>("chkAutNum")->isChecked(), ticked);
        QCOMPARE(s.find<QCheckBox>("chkUtolsoSorraUgras")->isChecked(), ticked);
        // The starting client number shows exactly while automatic numbering is ticked.
        QCOMPARE(s.find<QLineEdit>("txtUgyfszam")->isHidden(), !ticked);
        QCOMPARE(s.find<QLabel>("Label1_2")->isHidden(), !ticked);
    }

    void firstOpenStoresAscendingOrderAndCreatesTheYear() {
        SetupWindow s;
        s.main.year = 2031;
        s.open();
        // An empty Setup.dat reads ascending; choosing it writes the record back whole.
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")),
                 QByteArray(14, '\0') + QByteArray(500, ' ') + QByteArray(8, '\0'));
        QCOMPARE(s.main.calls, QStringList{"order 0"});
        QVERIFY(s.find<QRadioButton>("Option1_0")->isChecked());
        // The missing year folder now exists with an empty Num.dat.
        QVERIFY(TempRegister::exists(s.files.yearFile(2031, u"Num.dat")));
        QCOMPARE(s.files.read(s.files.yearFile(2031, u"Num.dat")).size(), 0);
        QCOMPARE(s.find<QLineEdit>("txtKimenoNum")->text(), QStringLiteral("0"));
    }

    void colourIsStoredAndAppliedAtOnce_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("call");
        QTest::newRow("window") << "cmdListSzin"
                                << "lbLista" << 0 << "window #102030";
        QTest::newRow("letters") << "cmdList2Szin"
                                 << "lbLista2" << 4 << "letters #102030";
        QTest::newRow("partners") << "cmdList3Szin"
                                  << "lbLista3" << 8 << "partners #102030";
    }

    void colourIsStoredAndAppliedAtOnce() {
        QFETCH(QString, button);
        QFETCH(QString, preview);
        QFETCH(int, offset);
        QFETCH(QString, call);
        SetupWindow s;
        store::writeFirstRecord(s.files.programFile(u"Setup.dat"), storedSetup());
        s.open();
        const QByteArray before = s.files.read(s.files.programFile(u"Setup.dat"));

        // Cancelled: nothing changes.
        s.test.dialogs.answerColor(std::nullopt);
        s.find<QPushButton>(button)->click();
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")), before);
        QVERIFY(s.main.calls.isEmpty());
        const QColor shown = s.find<QLabel>(preview)->palette().color(QPalette::Window);
        QVERIFY(shown != QColor(0x10, 0x20, 0x30));

        s.test.dialogs.answerColor(QColor(0x10, 0x20, 0x30));
        s.find<QPushButton>(button)->click();
        QByteArray expected = before;
        expected.replace(offset, 4, fromHex("10 20 30 00"));
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")), expected);
        QCOMPARE(s.main.calls, QStringList{call});
        QCOMPARE(s.find<QLabel>(preview)->palette().color(QPalette::Window),
                 QColor(0x10, 0x20, 0x30));

        // The dialog opens on black first, then on the colour last chosen, by any button.
        s.test.dialogs.answerColor(std::nullopt);
        s.find<QPushButton>("cmdListSzin")->click();
        QCOMPARE(s.test.dialogs.colorRequests,
                 (QList<QColor>{Qt::black, Qt::black, QColor(0x10, 0x20, 0x30)}));
    }

    void sortOptionsAreStoredAtOnce() {
        SetupWindow s;
        store::writeFirstRecord(s.files.programFile(u"Setup.dat"), storedSetup());
        s.open();
        s.find<QRadioButton>("Option1_0")->click();
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")).mid(12, 2), fromHex("00 00"));
        s.find<QRadioButton>("Option1_1")->click();
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")).mid(12, 2), fromHex("01 00"));
        QCOMPARE(s.main.calls, (QStringList{"order 0", "order 1"}));
    }

    void saveStoresPathsFlagsAndStartNumber_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("autNum");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QByteArray>("wordField");  // bytes 14-263
        QTest::addColumn<QByteArray>("tail");       // bytes 514-521
        QTest::newRow("path with blanks around")
            << "  /opt/x y/w  " << true << "1200" << field("\"/opt/x y/w\"", 250)
            << fromHex("FF FF 00 00 B0 04 00 00");
        QTest::newRow("empty box")
            << "" << true << " 7 " << field("\"\"", 250) << fromHex("FF FF 00 00 07 00 00 00");
        // Without automatic numbering the starting number is 0 whatever the box holds.
        QTest::newRow("automatic numbering off")
            << "/w" << false << "abc" << field("\"/w\"", 250) << fromHex("00 00 00 00 00 00 00 00");
        QTest::newRow("248 characters fit")
            << QString(248, 'a') << true << "0"
            << "\"" + QByteArray(248, 'a') + "\"" << fromHex("FF FF 00 00 00 00 00 00");
        QTest::newRow("249 characters lose the closing quote")
            << QString(249, 'a') << true << "0"
            << "\"" + QByteArray(249, 'a') << fromHex("FF FF 00 00 00 00 00 00");
    }

    void saveStoresPathsFlagsAndStartNumber() {
        QFETCH(QString, word);
        QFETCH(bool, autNum);
        QFETCH(QString, start);
        QFETCH(QByteArray, wordField);
        QFETCH(QByteArray, tail);
        SetupWindow s;
        store::writeFirstRecord(s.files.programFile(u"Setup.dat"), storedSetup());
        s.open();
        const QByteArray before = s.files.read(s.files.programFile(u"Setup.dat"));
        s.find<QLineEdit>("txtExcelUtvonal")->setText(word);
        s.find<QCheckBox>("chkAutNum")->setChecked(autNum);
        s.find<QCheckBox>("chkUtolsoSorraUgras")->setChecked(false);
        s.find<QLineEdit>("txtUgyfszam")->setText(start);
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.find<QPushButton>("cmdMent")->click();

        QCOMPARE(s.test.dialogs.messages.size(), 1);
        QCOMPARE(s.test.dialogs.messages[0].title, QStringLiteral(" Módosítás "));
        QCOMPARE(s.test.dialogs.messages[0].text,
                 QStringLiteral("Biztos módosítod a beállításokat?\r\n\r\n"));
        QCOMPARE(s.test.dialogs.messages[0].icon, ui::Icon::Question);
        const QByteArray after = s.files.read(s.files.programFile(u"Setup.dat"));
        QCOMPARE(after.mid(14, 250), wordField);
        QCOMPARE(after.mid(514, 8), tail);
        // Colours and order stay as they were on file; the untouched path is stored again
        // as shown, without the blanks it had before its opening quote.
        QCOMPARE(after.left(14), before.left(14));
        QCOMPARE(after.mid(264, 250), field("\"/usr/bin/evince\"", 250));

        // Loading again shows the path without its quotes, one character short when the
        // closing quote was lost.
        SetupWindow again;
        again.files.write(again.files.programFile(u"Setup.dat"), after);
        again.open();
        QCOMPARE(again.find<QLineEdit>("txtExcelUtvonal")->text(),
                 word.size() > 248 ? word.left(248) : word.trimmed());
    }

    void saveWritesNothing_data() {
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("error");
        QTest::newRow("answered no") << ui::Answer::No << "12" << QString();
        QTest::newRow("start number with letters")
            << ui::Answer::Yes << "12abc"
            << "A kezdő ügyfélszám csak egész szám lehet!\r\nA beállítások nem lettek elmentve.";
        QTest::newRow("start number beyond 32 bits")
            << ui::Answer::Yes << "2147483648"
            << "A kezdő ügyfélszám csak egész szám lehet!\r\nA beállítások nem lettek elmentve.";
    }

    void saveWritesNothing() {
        QFETCH(ui::Answer, answer);
        QFETCH(QString, start);
        QFETCH(QString, error);
        SetupWindow s;
        store::writeFirstRecord(s.files.programFile(u"Setup.dat"), storedSetup());
        s.open();
        const QByteArray before = s.files.read(s.files.programFile(u"Setup.dat"));
        s.find<QLineEdit>("txtExcelUtvonal")->setText("/changed");
        s.find<QLineEdit>("txtUgyfszam")->setText(start);
        s.test.dialogs.answerMessage(answer);
        if (!error.isEmpty())
            s.test.dialogs.answerMessage(ui::Answer::Ok);
        s.find<QPushButton>("cmdMent")->click();
        QCOMPARE(s.files.read(s.files.programFile(u"Setup.dat")), before);
        QCOMPARE(s.test.dialogs.messages.size(), error.isEmpty() ? 1 : 2);
        if (!error.isEmpty()) {
            QCOMPARE(s.test.dialogs.messages[1].title, QStringLiteral("HIBA"));
            QCOMPARE(s.test.dialogs.messages[1].text, error);
        }
    }

    void counterModify_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");  // Num.dat after; KiNum 5 and BeNum 9 before
        QTest::newRow("outgoing 12abc") << "cmdKiNum"
                                        << "12abc" << fromHex("0C 00 09 00");
        QTest::newRow("incoming empty") << "cmdBeNum"
                                        << "" << fromHex("05 00 00 00");
        QTest::newRow("incoming half to even") << "cmdBeNum"
                                               << " 2.5" << fromHex("05 00 02 00");
        QTest::newRow("outgoing 32767") << "cmdKiNum"
                                        << "32767" << fromHex("FF 7F 09 00");
        QTest::newRow("outgoing 32768 refused") << "cmdKiNum"
                                                << "32768" << QByteArray();
        QTest::newRow("incoming -40000 refused") << "cmdBeNum"
                                                 << "-40000" << QByteArray();
    }

    void counterModify() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        SetupWindow s;
        s.files.write(s.files.yearFile(2024, u"Num.dat"), fromHex("05 00 09 00"));
        s.open();
        s.find<QLineEdit>(button == "cmdKiNum" ? "txtKimenoNum" : "txtBejovoNum")->setText(text);
        s.test.dialogs.answerMessage(ui::Answer::Ok);
        s.find<QPushButton>(button)->click();

        const ui::Message& shown = s.test.dialogs.messages.last();
        if (expected.isEmpty()) {
            QCOMPARE(s.files.read(s.files.yearFile(2024, u"Num.dat")), fromHex("05 00 09 00"));
            QCOMPARE(shown.title, QStringLiteral("HIBA"));
            QCOMPARE(shown.icon, ui::Icon::Critical);
        } else {
            QCOMPARE(s.files.read(s.files.yearFile(2024, u"Num.dat")), expected);
            QCOMPARE(shown.title, QStringLiteral("Sorszám módosítás"));
            QCOMPARE(shown.text, QStringLiteral("A módosítás megtörtént."));
            QCOMPARE(shown.icon, ui::Icon::Information);
        }
    }

    void mainWindowOpensTheSettingsAndTakesItsChanges() {
        MainWindow w;
        store::SetupRekord setup = storedSetup();
        setup.Rendezes = 0;
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.files.writeRecords(
            w.files.yearFile(2024, u"Velmar.dat"),
            std::vector{letter(QDate(2024, 3, 1), true, 1), letter(QDate(2024, 3, 2), true, 2)});
        w.start();
        w.test.dialogs.answerColor(QColor(Qt::red));
        w.test.dialogs.answerColor(QColor(Qt::yellow));
        w.test.dialogs.onModal([](QDialog& d) {
            d.findChild<QPushButton*>("cmdList2Szin")->click();
            d.findChild<QPushButton*>("cmdList3Szin")->click();
            d.findChild<QRadioButton*>("Option1_1")->click();
        });
        action(w.window.get(), "mnuSetup")->trigger();

        QCOMPARE(w.test.dialogs.modalWindows, QStringList{"frmSetup"});
        auto base = [&](const char* list) {
            return w.find<ui::ReportView>(list)->palette().color(QPalette::Base);
        };
        // Only the all-letters list and the client pick list change colour at once.
        QCOMPARE(base("ListView1"), QColor(Qt::red));
        QCOMPARE(base("ListView4"), QColor(0x44, 0x55, 0x66));
        QCOMPARE(base("ListView2"), QColor(Qt::yellow));
        QCOMPARE(base("ListView3"), QColor(0x77, 0x88, 0x99));
        // The incoming list re-sorted in the new direction, and the window knows the setting.
        QCOMPARE(cell(w.window.get(), "ListView4", 0, 2), QStringLiteral("   2"));
        QCOMPARE(w.window->state().settings.Rendezes, 1);
    }

    void failedDocumentOpensTheSettings() {
        MainWindow w;
        w.start();
        w.test.shell.succeed = false;
        w.window->state().aktIratUtvonal = "\"/nincs/level.odt\"";
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.test.dialogs.onModal([](QDialog&) {});
        w.find<QPushButton>("cmdKiLevelStart")->click();
        QCOMPARE(w.test.dialogs.messages.last().title, QStringLiteral("HIBA"));
        QCOMPARE(w.test.dialogs.modalWindows, QStringList{"frmSetup"});
    }
};

QTEST_MAIN(FrmSetupTest)
#include "tst_frmsetup.moc"
