// The settings window: loading, colours, order, saving, the serial counters, the program
// search and browsing; on its tab "Ügyfelek kezelése" adding, changing and removing clients.

#include <QListWidget>

#include "gui/settings/setupwindow.h"
#include "settings/programsearch.h"
#include "settings/setupfields.h"
#include "store/recordfile.h"

using namespace testing;
using settings::Program;

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

QByteArray client(const QByteArray& name, const char* numberHex) {
    return name.leftJustified(40) + fromHex(numberHex);
}

// Alfa 1001, Béta 1002 (é is E9), Őri Bt. 1003 (Ő is D5).
const QByteArray kAlfa = client("Alfa", "E9 03 00 00");
const QByteArray kBeta = client("B\xE9ta", "EA 03 00 00");
const QByteArray kOri = client("\xD5ri Bt.", "EB 03 00 00");

void openWith(SetupWindow& s, const QByteArray& clients) {
    s.files.write(s.files.programFile(u"Ugyfelek.dat"), clients);
    s.open();
}

// Every message shown so far as "title|text".
QStringList messages(const SetupWindow& s) {
    QStringList shown;
    for (const ui::Message& m : s.test.dialogs.messages)
        shown << m.title + u'|' + m.text;
    return shown;
}

const QString kAddQuestion =
    " Rögzítés az adatállományban !|Biztos JÓK az adatok ?\n\rMehet a rögzítés ?";

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
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
        QVERIFY(!s.find<QCheckBox>("chkUtolsoSorraUgras")->isChecked());  // on only when -1
        QCOMPARE(s.file(u"Setup.dat"), before);

        // A cancelled colour dialog changes nothing; a chosen colour is stored and previewed,
        // each by its own button (how the main window takes it: below).
        s.test.dialogs.answerColor(std::nullopt);
        s.click("cmdListSzin");
        QCOMPARE(s.file(u"Setup.dat"), before);

        for (const QColor& chosen : {QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9)})
            s.test.dialogs.answerColor(chosen);
        QStringList previews;
        for (const char* button : {"cmdListSzin", "cmdList2Szin", "cmdList3Szin"})
            s.click(button);
        for (const char* label : {"lbLista", "lbLista2", "lbLista3"})
            previews << s.find<QLabel>(label)->palette().color(QPalette::Window).name();
        QCOMPARE(previews, (QStringList{"#010203", "#040506", "#070809"}));
        QCOMPARE(s.file(u"Setup.dat"), fromHex("01020300 04050600 07080900") + before.mid(12));
    }

    void firstOpenStoresAscendingOrderAndCreatesTheYear() {
        SetupWindow s;
        s.main.year = 2031;
        s.open();
        // An empty Setup.dat reads ascending; choosing it writes the record back whole.
        QCOMPARE(s.file(u"Setup.dat"),
                 QByteArray(14, '\0') + QByteArray(500, ' ') + QByteArray(8, '\0'));
        // Automatic numbering is off: its starting number is hidden with its caption.
        QVERIFY(s.find<QLineEdit>("txtUgyfszam")->isHidden());
        QVERIFY(s.find<QLabel>("Label1_2")->isHidden());
        QVERIFY(TempRegister::exists(s.files.yearFile(2031, u"Num.dat")));
        QCOMPARE(s.files.readYear(2031, u"Num.dat").size(), 0);
        QCOMPARE(s.text("txtKimenoNum"), "0");
    }

    // A path is stored between quotes in a field of 250 characters (trimmed: see save), and
    // shown without them: 249 characters lose the closing quote, and then the last one too.
    void pathRoundTrip() {
        for (const auto& [typed, shown] :
             QList<std::pair<int, int>>{{0, 0}, {248, 248}, {249, 248}}) {
            store::SetupRekord r;
            r.WordUtvonal = settings::storedPath(QString(typed, 'a'));
            QCOMPARE(settings::shownPath(store::SetupRekord::fromBytes(r.toBytes()).WordUtvonal),
                     QString(shown, 'a'));
        }
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
                     before.left(14) + QByteArray("\"/opt/x y/w\"").leftJustified(250) +
                         QByteArray("\"/usr/bin/evince\"").leftJustified(250) +
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
        QList<QByteArray> files;
        for (const QString text : {"12abc", "", "32768", "-40000"}) {
            const bool out = files.size() % 2 == 0;  // outgoing, incoming in turn
            s.setText(out ? "txtKimenoNum" : "txtBejovoNum", text);
            s.test.dialogs.answerMessage(ui::Answer::Ok);
            s.click(out ? "cmdKiNum" : "cmdBeNum");
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

        // Only the all-letters list and the client pick list change colour at once.
        QStringList colours;
        for (const char* list : {"ListView1", "ListView2", "ListView4"})
            colours << w.find<QWidget>(list)->palette().color(QPalette::Base).name();
        colours << w.window->centralWidget()->palette().color(QPalette::Window).name();
        QCOMPARE(colours, (QStringList{"#ff0000", "#ffff00", "#445566", "#112233"}));
        // Descending: the incoming list is re-sorted at once.
        QCOMPARE(cell(w.window.get(), "ListView4", 0, 2), "   2");
    }

    void addTakesNumbersFromTheCounter() {
        SetupWindow s;
        s.open();
        auto* number = s.find<QLineEdit>("txtUgyfelszam");
        s.setText("txtKitolKinek", "  Alfa  ");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdFelvesz");
        QCOMPARE(messages(s), QStringList{kAddQuestion});
        // Counter 0: the number offered is 1; the counter then jumps to 1000.
        QCOMPARE(number->text(), "1");
        QCOMPARE(s.file(u"Ugyfelek.dat"), client("Alfa", "01 00 00 00"));
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("E8 03 00 00"));

        s.setText("txtKitolKinek", "Béta");
        number->clear();
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdFelvesz");
        QCOMPARE(number->text(), "1001");
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("E9 03 00 00"));
        QCOMPARE(column(s.window.get(), "ListView2", 0) + column(s.window.get(), "ListView2", 2),
                 (QStringList{"Alfa", "Béta", "1", "2"}));
    }

    // Refused in turn: a number already taken (the box is emptied for a new one), a name of
    // blanks (refused before the question) and a number with letters. Nothing is written.
    void addWritesNothing() {
        SetupWindow s;
        s.files.write(s.files.programFile(u"UszNum.dat"), fromHex("EB 03 00 00"));
        openWith(s, kAlfa + kBeta + kOri);
        const QList<std::pair<QString, QString>> typed = {
            {"Gamma", " 1002"}, {"   ", ""}, {"Gamma", "12abc"}};
        QStringList boxes;
        for (const auto& [name, number] : typed) {
            s.setText("txtKitolKinek", name);
            s.setText("txtUgyfelszam", number);
            if (!name.trimmed().isEmpty())
                s.test.dialogs.answerMessage(ui::Answer::Yes);
            s.test.dialogs.answerMessage(ui::Answer::Ok);
            s.click("cmdFelvesz");
            boxes << s.text("txtUgyfelszam");
        }
        QCOMPARE(boxes, (QStringList{"", "", "12abc"}));
        QCOMPARE(messages(s), (QStringList{kAddQuestion,
                                           "FIGYELEM!|A megadott ügyfélszám már szerepel az "
                                           "adatbázisban!\r\nAdjon meg új ügyfélszámot.",
                                           "HIBA|Nincs megadva ügyfél név!", kAddQuestion,
                                           "HIBA|Az ügyfélszám nem érvényes egész szám!\r\n"
                                           "Adjon meg új ügyfélszámot."}));
        QCOMPARE(s.file(u"Ugyfelek.dat"), kAlfa + kBeta + kOri);
        QCOMPARE(s.file(u"UszNum.dat"), fromHex("EB 03 00 00"));
    }

    void changeAcceptsATakenNumberAndKeepsLeadingBlanks() {
        SetupWindow s;
        openWith(s, kAlfa + kBeta + kOri);
        // Change and removal wait for a chosen client.
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
        QVERIFY(!s.find<QPushButton>("cmdDel")->isEnabled());
        s.find<ui::ReportView>("ListView2")->selectRow(1);
        QCOMPARE(s.text("txtKitolKinek"), "Béta");
        s.setText("txtKitolKinek", "  Béta Kft.");
        s.setText("txtUgyfelszam", "1001");
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdModosit");

        QCOMPARE(s.test.dialogs.messages.size(), 1);
        QCOMPARE(s.test.dialogs.messages[0].text, "Biztos JÓK az adatok ?\n\rMehet a módosítás ?");
        QCOMPARE(s.file(u"Ugyfelek.dat"), kAlfa + client("  B\xE9ta Kft.", "E9 03 00 00") + kOri);
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
        QVERIFY(s.find<QPushButton>("cmdDel")->isEnabled());
    }

    // The middle client goes, asked for by its upper-cased name; the rest are renumbered.
    // Removing the last record or the only one is store::removeRecord's (tst_operation.cpp).
    void removeRenumbersTheRest() {
        SetupWindow s;
        openWith(s, kAlfa + kOri + kBeta);
        s.find<ui::ReportView>("ListView2")->selectRow(1);
        s.test.dialogs.answerMessage(ui::Answer::Yes);
        s.click("cmdDel");
        QCOMPARE(s.file(u"Ugyfelek.dat"), kAlfa + kBeta);
        QCOMPARE(column(s.window.get(), "ListView2", 2), (QStringList{"1", "2"}));
        QVERIFY(!s.find<QPushButton>("cmdDel")->isEnabled());
        QVERIFY(!s.find<QPushButton>("cmdModosit")->isEnabled());
        QVERIFY(!TempRegister::exists(s.files.programFile(u"xxu.dat")));
        QCOMPARE(messages(s), QStringList{" Törlés az adatállományban !|Biztos TÖRÖLHETŐ?\n\r"
                                          "ŐRI BT.\n\rügyfél a listából?"});
    }

    void walkFindsDepthFirstAndSkips() {
        QTemporaryDir root;
        touch(root.filePath("a/winword.exe"));  // lower case: no match
        touch(root.filePath("a/deep/WINWORD.EXE"));
        touch(root.filePath("skip/WINWORD.EXE"));
        touch(root.filePath("zOLDWINWORD.EXE"));  // ends in the name: a match
        // A link back to the root would loop for ever if the walk followed it.
        QVERIFY(QFile::link(root.path(), root.filePath("a/loop")));

        settings::FolderWalk walk;
        walk.skippedFolders = {root.filePath("skip")};
        // The root's own files come before its subfolders.
        QCOMPARE(walk.run(root.path(), Program::Word), root.filePath("zOLDWINWORD.EXE"));
        QFile::remove(root.filePath("zOLDWINWORD.EXE"));
        QCOMPARE(walk.run(root.path(), Program::Word), root.filePath("a/deep/WINWORD.EXE"));
        QFile::remove(root.filePath("a/deep/WINWORD.EXE"));
        QCOMPARE(walk.run(root.path(), Program::Word), QString());
        QVERIFY(!walk.stopped());
    }

    // Word is searched from the chosen drive, even when the folder list shows a deeper folder;
    // the viewers from the viewer root, so a reader on the drive only is not found.
    void searchButtons() {
        const QList<std::tuple<QString, QString, QString, bool>> cases = {
            {"GombIndít", "drive/sub/WINWORD.EXE", "txtExcelUtvonal", true},
            {"GombIndít2", "viewers/PDFXCview.exe", "txtPDFUtvonal", true},
            {"GombIndít3", "drive/AcroRd32.exe", "txtPDFUtvonal", false}};
        for (const auto& [button, file, box, found] : cases) {
            SetupWindow s;
            const QString drive = s.files.folder() + "/drive";
            touch(s.files.folder() + "/" + file);
            touch(drive + "/other/x");
            QDir().mkpath(s.files.folder() + "/viewers");
            settings::SearchPlaces places;
            places.volumes = [&] { return QStringList{drive}; };
            places.viewerRoot = s.files.folder() + "/viewers";
            QStringList during;  // the caption and how many search buttons are enabled
            places.pumpEvents = [&] {
                int enabled = 0;
                for (const char* b : {"GombIndít", "GombIndít2", "GombIndít3"})
                    enabled += s.find<QPushButton>(b)->isEnabled();
                during = {s.text(button), QString::number(enabled)};
            };
            s.open(places);
            s.setText(box, "régi");
            auto* folders = s.find<QListWidget>("ListaMappa");
            folders->setCurrentItem(folders->findItems("other", Qt::MatchExactly).value(0));
            QTest::keyClick(folders, Qt::Key_Return);
            QCOMPARE(folders->item(0)->text(), drive + "/other");

            s.click(button);
            QCOMPARE(during, (QStringList{"Leállít", "1"}));
            QCOMPARE(s.text(box), found ? s.files.folder() + "/" + file : QString());
            QCOMPARE(
                s.text("KeresesiAllapot"),
                QString(found ? "Megtaláltam..." : "NEM Találom, a Tallóz gombbal keresse meg..."));
            QVERIFY(s.find<QPushButton>("GombIndít2")->isEnabled());
            QCOMPARE(s.test.dialogs.beeps, 1);
        }
    }

    // The user clicks "Leállít", or closes the window, while the walk lets events run in its
    // first folder; a closed window goes only after the walk has returned.
    void stoppingTheSearch() {
        for (const QString button : {"GombIndít", "cmdVissza"}) {
            SetupWindow s;
            touch(s.files.folder() + "/a/b/c/WINWORD.EXE");
            settings::SearchPlaces places;
            places.pumpEvents = [&] {
                if (s.window->isVisible() && s.window->searching())
                    s.click(button);
            };
            s.open(places).show();
            s.click("GombIndít");
            QCOMPARE(s.text("KeresesiAllapot") + '|' + s.text("txtExcelUtvonal") + '|' +
                         s.text("GombIndít"),
                     "Megszakítva...||Word automatikus keresése");
            QVERIFY(!s.window->searching());
            QCOMPARE(s.window->isVisible(), button == "GombIndít");
        }
    }

    void browseCancelledKeepsTheBox() {
        SetupWindow s;
        s.open();
        s.test.dialogs.answerOpenFile("/usr/bin/okular");
        s.test.dialogs.answerOpenFile("");
        s.click("cmdTalloz2");
        s.click("cmdTalloz2");
        QCOMPARE(s.text("txtPDFUtvonal"), "/usr/bin/okular");
    }
};

QTEST_MAIN(FrmSetupTest)
#include "tst_frmsetup.moc"
