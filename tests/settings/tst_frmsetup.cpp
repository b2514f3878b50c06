// The settings window's tab "Általános beállítások": loading, colours, sort order, saving and
// the serial counters, and how the main window opens it.

#include "settings/setupfields.h"
#include "settings/setupwindow.h"
#include "store/recordfile.h"

using namespace testing;

namespace {

// Setup.dat with every field set: colours, descending order, two quoted paths, flags.
store::SetupRekord storedSetup() {
    store::SetupRekord r;
    r.AblakSzin = 0x00332211;
    r.ListaSzin = 0x00665544;
    r.PartnerSzin = 0x00998877;
    r.Rendezes = 1;
    r.WordUtvonal = "\"/usr/bin/lowriter\"";
    r.PDFUtvonal = "  \"/usr/bin/evince\"";
    r.AutUgyfelszam = -1;
    r.UtolsoSorraUgras = 1;  // a flag is on only when it holds -1
    r.KezdoUgyfelszam = 5000;
    return r;
}

ui::Message hiba(const QString& text) {
    return {"HIBA", text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
}

}  // namespace

class FrmSetupTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheStoredSettingsThenTakesColours() {
        SetupWindow s;
        s.files.writeSetup(storedSetup());
        s.files.write(s.files.yearFile(2024, u"Num.dat"), fromHex("07 00 2A 00"));
        const QByteArray before = s.file(u"Setup.dat");
        s.open();
        QCOMPARE(s.find<QLabel>("lbLista3")->palette().color(QPalette::Window),
                 QColor(0x77, 0x88, 0x99));
        QStringList shown;
        for (const char* box :
             {"txtExcelUtvonal", "txtPDFUtvonal", "txtUgyfszam", "txtKimenoNum", "txtBejovoNum"})
            shown << s.text(box);
        QCOMPARE(shown, (QStringList{"/usr/bin/lowriter", "/usr/bin/evince", "5000", "7", "42"}));
        // Ticked boxes and the stored order show as tst_control_tables.cpp lists them; the
        // order staying selected writes nothing and tells the lists nothing.
        QVERIFY(!s.find<QCheckBox>("chkUtolsoSorraUgras")->isChecked());
        QVERIFY(s.main.calls.isEmpty());
        QCOMPARE(s.file(u"Setup.dat"), before);

        // A cancelled colour dialog changes nothing; a chosen colour is stored, previewed and
        // applied to the main window at once, each by its own button.
        s.test.dialogs.answerColor(std::nullopt);
        s.click("cmdListSzin");
        QCOMPARE(s.file(u"Setup.dat"), before);
        QVERIFY(s.main.calls.isEmpty());

        for (const QColor& chosen : {QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9)})
            s.test.dialogs.answerColor(chosen);
        QStringList previews;
        for (const char* button : {"cmdListSzin", "cmdList2Szin", "cmdList3Szin"})
            s.click(button);
        for (const char* label : {"lbLista", "lbLista2", "lbLista3"})
            previews << s.find<QLabel>(label)->palette().color(QPalette::Window).name();
        QCOMPARE(previews, (QStringList{"#010203", "#040506", "#070809"}));
        QCOMPARE(s.main.calls,
                 (QStringList{"window #010203", "letters #040506", "partners #070809"}));
        QCOMPARE(s.file(u"Setup.dat"), fromHex("01020300 04050600 07080900") + before.mid(12));
    }

    void firstOpenStoresAscendingOrderAndCreatesTheYear() {
        SetupWindow s;
        s.main.year = 2031;
        s.open();
        // An empty Setup.dat reads ascending; choosing it writes the record back whole.
        QCOMPARE(s.file(u"Setup.dat"),
                 QByteArray(14, '\0') + QByteArray(500, ' ') + QByteArray(8, '\0'));
        QCOMPARE(s.main.calls, QStringList{"order 0"});
        // Automatic numbering is off: its starting number is hidden with its caption.
        QVERIFY(s.find<QLineEdit>("txtUgyfszam")->isHidden());
        QVERIFY(s.find<QLabel>("Label1_2")->isHidden());
        QVERIFY(TempRegister::exists(s.files.yearFile(2031, u"Num.dat")));
        QCOMPARE(s.files.readYear(2031, u"Num.dat").size(), 0);
        QCOMPARE(s.text("txtKimenoNum"), "0");
    }

    // A path is stored between quotes in a field of 250 characters (trimmed: see save), and
    // shown without them: 249 characters lose the closing quote, and then the last one too.
    void pathRoundTrip_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("248 characters fit") << QString(248, 'a') << QString(248, 'a');
        QTest::newRow("249 characters") << QString(249, 'a') << QString(248, 'a');
    }
    void pathRoundTrip() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        store::SetupRekord r;
        r.WordUtvonal = settings::storedPath(typed);
        QCOMPARE(settings::shownPath(store::SetupRekord::fromBytes(r.toBytes()).WordUtvonal),
                 shown);
    }

    // Saving in turn: answered No, and Yes with letters in the starting number, write nothing;
    // then with and without automatic numbering (which stores the starting number as 0).
    void save() {
        SetupWindow s;
        s.files.writeSetup(storedSetup());
        s.open();
        const QByteArray before = s.file(u"Setup.dat");
        s.setText("txtExcelUtvonal", "  /opt/x y/w  ");
        s.find<QCheckBox>("chkUtolsoSorraUgras")->setChecked(false);
        s.test.dialogs.answerMessage(ui::Answer::No);
        s.click("cmdMent");
        QCOMPARE(s.file(u"Setup.dat"), before);
        s.setText("txtUgyfszam", "12abc");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.test.dialogs.answerMessage(ui::Answer::Ok);
        s.click("cmdMent");
        QCOMPARE(s.file(u"Setup.dat"), before);
        for (const bool autNum : {true, false}) {
            s.find<QCheckBox>("chkAutNum")->setChecked(autNum);
            s.setText("txtUgyfszam", autNum ? "1200" : "12abc");
            s.test.dialogs.answerMessage(ui::Answer::Yes);
            s.click("cmdMent");
            QCOMPARE(s.file(u"Setup.dat"),
                     before.left(14) + field("\"/opt/x y/w\"", 250) +
                         field("\"/usr/bin/evince\"", 250) +
                         fromHex(autNum ? "FF FF 00 00 B0 04 00 00" : "00 00 00 00 00 00 00 00"));
        }
        const ui::Message question{" Módosítás ", "Biztos módosítod a beállításokat?\r\n\r\n",
                                   ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
        QCOMPARE(s.test.dialogs.messages,
                 (QList{question, question,
                        hiba("A kezdő ügyfélszám csak egész szám lehet!\r\n"
                             "A beállítások nem lettek elmentve."),
                        question, question}));
    }

    // Each "Módosít" stores its own counter from the number its box begins with (an empty
    // box stores 0); a number outside 16 bits is refused and nothing is written.
    void counterModify() {
        SetupWindow s;
        s.files.write(s.files.yearFile(2024, u"Num.dat"), fromHex("05 00 09 00"));
        s.open();
        const QList<std::tuple<const char*, const char*, const char*>> steps = {
            {"txtKimenoNum", "cmdKiNum", "12abc"},
            {"txtBejovoNum", "cmdBeNum", ""},
            {"txtKimenoNum", "cmdKiNum", "32768"},
            {"txtBejovoNum", "cmdBeNum", "-40000"}};
        QList<QByteArray> files;
        for (const auto& [box, button, text] : steps) {
            s.setText(box, text);
            s.test.dialogs.answerMessage(ui::Answer::Ok);
            s.click(button);
            files << s.files.readYear(2024, u"Num.dat");
        }
        QCOMPARE(files, (QList{fromHex("0C 00 09 00"), fromHex("0C 00 00 00"),
                               fromHex("0C 00 00 00"), fromHex("0C 00 00 00")}));
        const ui::Message done{"Sorszám módosítás", "A módosítás megtörtént.", ui::Buttons::Ok,
                               ui::Answer::Ok, ui::Icon::Information};
        const ui::Message refused =
            hiba("A sorszám -32768 és 32767 közötti szám lehet!\r\nA módosítás nem történt meg.");
        QCOMPARE(s.test.dialogs.messages, (QList{done, done, refused, refused}));
    }

    void mainWindowOpensTheSettingsAndTakesItsChanges() {
        MainWindow w;
        store::SetupRekord setup = storedSetup();
        setup.Rendezes = 0;
        w.files.writeSetup(setup);
        w.files.writeLetters(
            2024, {letter(QDate(2024, 3, 1), true, 1), letter(QDate(2024, 3, 2), true, 2)});
        w.start();
        w.test.dialogs.answerColor(QColor(Qt::red));
        w.test.dialogs.answerColor(QColor(Qt::yellow));
        w.test.dialogs.onModal([](QDialog& d) {
            control<QPushButton>(&d, "cmdList2Szin")->click();
            control<QPushButton>(&d, "cmdList3Szin")->click();
            control<QRadioButton>(&d, "Option1_1")->click();
        });
        w.trigger("mnuSetup");

        QCOMPARE(w.test.dialogs.modalWindows, QStringList{"frmSetup"});
        // Only the all-letters list and the client pick list change colour at once.
        QStringList colours;
        for (const char* list : {"ListView1", "ListView2", "ListView4"})
            colours << w.find<QWidget>(list)->palette().color(QPalette::Base).name();
        colours << w.window->centralWidget()->palette().color(QPalette::Window).name();
        QCOMPARE(colours, (QStringList{"#ff0000", "#ffff00", "#445566", "#112233"}));
        // Descending: the incoming list is re-sorted at once.
        QCOMPARE(cell(w.window.get(), "ListView4", 0, 2), "   2");
    }
};

QTEST_MAIN(FrmSetupTest)
#include "tst_frmsetup.moc"
