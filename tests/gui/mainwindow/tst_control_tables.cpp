// The four windows as the clerks know them from the old program, and the log window: every
// named control's kind, caption, tooltip, length limit, caption label and state when the window
// opens, the columns of every list, and the access key that the main window's menu bar shares
// with a button.

#include <QHash>
#include <QHeaderView>
#include <QTabWidget>
#include <QTest>

#include "about/frmabout.h"
#include "groups/frmcsoportok.h"
#include "gui/settings/setupwindow.h"
#include "log/frmnaplo.h"
#include "ui/widgets.h"

using namespace testing;
using namespace Qt::StringLiterals;

namespace {

// name|kind|caption|tooltip|limit|label|state. A window's own line comes first: its title as
// caption, its fixed height in twips as limit. Tabs and the elements of a control array
// ("Command1_*") list their captions separated by ';', lists their columns: header, width in
// twips, "R" when right-aligned. limit: the most characters a text box takes (32767: no limit
// of its own). label: the caption label whose buddy the control is, "name=caption". state:
// "disabled" (otherwise enabled), "checked" or "unchecked"; the settings window's choices
// follow Setup.dat and are checked in tst_frmsetup.cpp.
// clang-format off
const char* const kControls[] = {
    "Velmar|QMainWindow|Velmarok||11250",
    "mnuKilep|QAction|Kilépé&s", "mnuCsopFelvetel|QAction|&Csoportok felvétele",
    "mnuSetup|QAction|&Beállítások", "mnuMentes|QAction|Men&tés", "mnuMentMost|QAction|&Mentés most",
    "mnuBetoltes|QAction|Mentett adatok &betöltése ", "mnuNevjegy|QAction|Né&vjegy",
    "mnuPrint|QAction|&Nyomtatás", "mnuPrintBeKi|QAction|B&ejövő-Kimenő listából",
    "mnuPrintBe|QAction|&Bejövő listából", "mnuPrintKi|QAction|&Kimenő listából",
    "mnuExcel|QAction|Mentés &Excel fájlba", "mnuNaplo|QAction|Na&pló...", "mnuXlsx|QAction|Mentés táblázatba (.&xlsx)...",
    "mnuTeljesMentes|QAction|Teljes &mentés...", "mnuTeljesVisszaallitas|QAction|Teljes &visszaállítás...",
    "mnuTeljesMentesHelye|QAction|Teljes mentés &helye...", "Frame1|QGroupBox|", "lbJel|QLabel|",
    "DTPicker1|QDateTimeEdit||||Label1_0=Dátum:", "cmbCsoportok|QComboBox||||Label1_7=Csoportok:",
    "Option1_0|QRadioButton|&Bejövő||||disabled unchecked",
    "Option1_1|QRadioButton|&Kimenő||||disabled unchecked", "Label1_1|QLabel|Iktatószám:",
    "txtSorszam1|QLineEdit||A csoport betűjele.|20|Label1_9=Cs:",
    "txtSorszam2|QLineEdit||Sorszám|20|Label1_10=Szám:",
    "txtSorszam|QLineEdit||Évszám és esetleges perezés max 16 karakter.|20|Label1_11=Év/xxx:",
    "txtKitolKinek|QLineEdit|||40|Label1_2=Kinek/Kitől", "txUgyintezo|QLineEdit|||30|Label1_8=Ügyintéző:",
    "txtUgyfelszam|QLineEdit|||32767|Label1_4=Ügyfélszám:",
    "txtLevelTargya|QPlainTextEdit||||Label1_3=Levél tárgya:",
    "chkMellekletKerdes|QCheckBox|Rákérdezés mellékletre.||||checked",
    "chkRogzitKerdes|QCheckBox|Rákérdezés rögzítésre.||||checked",
    "cmdRogzit|QPushButton|&Rögzítés", "cmdLevelek|QPushButton|&Bejövő levelek",
    "cmdModosit|QPushButton|&Módosítás|A kijelölt tétel módosítása.|||disabled",
    "cmdTorles|QPushButton|&Törlés|A kijelölt tétel törlése.|||disabled",
    "cmdKiLevelek|QPushButton|Command3", "cmdKiLevelStart|QPushButton|Kilevelek",
    "Frame2|QGroupBox|Keresés", "SSTab1|QTabWidget|Bejövő és kimenő levelek;Bejövő levelek;Kimenő levelek",
    "Command1_*|QPushButton|Dátum szerint;Sorszám szerint;Kinek/Kitől szerint;Ügyfélszám szerint;"
        "Levél tárgya szerint;Csoport szerint;Teljes lista;Ügyintéző szerint",
    "txtDatum|QLineEdit||Minimum évszámot meg kell adni!!!|32767|Label2=Keresendő dátum:",
    "Text1|QLineEdit|||32767|Label1_5=KI", "Text2|QLineEdit|||32767|Label1_6=Be",
    "ListView1|ui::ReportView|Dátum 1000;Cs 600R;No 600R;Bejövő 1000;Cs 600R;No 600R;Kimenő 1000;"
        "Kitől/Kinek 3500;Ügyfélszám 1000R;Levél tárgya 5500;Ügyintéző 2700;rec 800R;BeNum 800R;KiNum 800R",
    "ListView4|ui::ReportView|Dátum 1000;Cs 600R;No 600R;Bejövő 1000;Kitől/Kinek 3000;Ügyfélszám 1000R;"
        "Levél tárgya 5500;Ügyintéző 2700;rec 800R",
    "ListView5|ui::ReportView|Dátum 1000;Cs 600R;No 600R;Kimenő 1000;Kitől/Kinek 3000;Ügyfélszám 1000R;"
        "Levél tárgya 5500;Ügyintéző 2700;rec 800R",
    "ListView2|ui::ReportView|Név 3800;Üsz. 900R;rec 600R", "ListView3|ui::ReportView|Név 4000;rec 1440R",

    "frmSetup|QDialog|Beállítások", "SSTab1|QTabWidget|Általános beállítások;Ügyfelek kezelése",
    "cmdListSzin|QPushButton|&Ablak háttér", "cmdList2Szin|QPushButton|&Levelek lista háttér",
    "cmdList3Szin|QPushButton|&Partnerek lista háttér", "lbLista|QLabel|",
    "Option1_0|QRadioButton|&Növekvő", "Option1_1|QRadioButton|&Csökkenő",
    "txtExcelUtvonal|QLineEdit|||32767|Label1_0=Word útvonal:",
    "txtPDFUtvonal|QLineEdit|||32767|Label1_1=PDF útvonal:",
    "chkAutNum|QCheckBox|Autómatikus ügyfélszám", "txtUgyfszam|QLineEdit|||32767|Label1_2=Kezdő ügyfélszám:",
    "txtKimenoNum|QLineEdit|||32767|Label1_3=Utolsó kimenő sorszám:", "cmdKiNum|QPushButton|Módosít",
    "txtBejovoNum|QLineEdit|||32767|Label1_4=Utolsó bejövő sorszám:", "cmdBeNum|QPushButton|Módosít",
    "chkUtolsoSorraUgras|QCheckBox|Rögzítés után utolsó sorra ugrás",
    "cmdMent|QPushButton|Beállítások &Mentése", "cmdVissza|QPushButton|&Vissza",
    "GombIndít|QPushButton|Word automatikus keresése",
    "GombIndít2|QPushButton|PDF Viewer automatikus keresése",
    "GombIndít3|QPushButton|Adobe Reader automatikus keresése", "KeresesiAllapot|QLabel|",
    "Drive|QComboBox|| A keresés helye ",
    "ListaMappa|QListWidget|| A keresés helye ||Label1_6=Automatikus keresés helye:",
    "cmdTalloz|QPushButton|&Tallóz|Amennyiben az automatikus keresés sikertelen, tallózással keresse meg!",
    "cmdTalloz2|QPushButton|&Tallóz|Amennyiben az automatikus keresés sikertelen, tallózással keresse meg!",
    "Image2|ui::LinkLabel|", "Image3|ui::LinkLabel|", "Label1_5|QLabel|<--- Letöltéshez klikk a képre --->",
    "txtKitolKinek|QLineEdit|||32767|Label2_0=Kinek/Kitől",
    "txtUgyfelszam|QLineEdit|||32767|Label2_1=Ügyfélszám:", "cmdFelvesz|QPushButton|Felvétel",
    "cmdModosit|QPushButton|Módosítás||||disabled", "cmdDel|QPushButton|Törlés||||disabled",
    "ListView2|ui::ReportView|Név 2650;Üsz. 900R;rec 1440R",

    "frmCsoportok|QDialog|Csoportok felvétele||6825",
    "txCsopNev|QLineEdit|||32767|Label1_0=Csoport neve:",
    "txBetujel|QLineEdit|||32767|Label1_1=Betűjele:",
    "Command1|QPushButton|&Felvesz", "Command2|QPushButton|&Töröl||||disabled",
    "ListView1|ui::ReportView|Csoport neve 2300;Betűjel 800;rec 1440R",

    "frmAbout|QDialog|Velmarok Névjegy", "lblTitle|QLabel|Velmarok ",
    "lblVersion|QLabel|Verzió: " VELMAROK_VERSION_STRING,
    "Label5|QLabel|A program bejövő és kimenő levelek iktatására és megjelenítésére szolgál.",
    "Label3_*|QLabel|E-mail:;E-mail:;Honlap:", "Label1|ui::LinkLabel", "Label4|ui::LinkLabel",
    "Label2|ui::LinkLabel", "cmdOK|QPushButton|OK", "cmdSysInfo|QPushButton|&System Info...",

    "frmNaplo|QDialog|Napló", "cmbEv|QComboBox||||lblEv=É&v:",
    "cmbMuvelet|QComboBox||||lblMuvelet=&Művelet:",
    "cmbFelhasznalo|QComboBox||||lblFelhasznalo=&Felhasználó:",
    "txtSzoveg|QLineEdit||Iktatószám, név, tárgy vagy bármely adat részlete.|32767|lblSzoveg=&Szöveg:",
    "lstBejegyzesek|QTreeView||||lblBejegyzesek=Be&jegyzések:",
    "lstValtozasok|QTreeWidget||||lblAdatok=&Adatok előtte és utána:",
    "cmdVisszaallitas|QPushButton|Visszaállí&tás|A kijelölt törlés levelének visszaállítása az iktatásba.|||disabled",
    "cmdExport|QPushButton|&Exportálás CSV fájlba...|A listázott bejegyzések mentése CSV fájlba.",
    "cmdBezar|QPushButton|&Bezárás",
};
// clang-format on

}  // namespace

class ControlTablesTest : public QObject {
    Q_OBJECT

    MainWindow main;
    SetupWindow setup;
    std::unique_ptr<groups::frmCsoportok> groupWindow;
    std::unique_ptr<about::frmAbout> aboutBox;
    std::unique_ptr<logwindow::frmNaplo> logWindow;
    QHash<QString, QWidget*> windows;  // by their names in the table

private slots:
    void initTestCase() {
        // One group: the directions wait for a group choice.
        main.files.write(main.files.programFile(u"Csoportok.dat"),
                         QByteArray("Iktatas").leftJustified(30, ' ') + "I ");
        main.start();
        setup.open();
        groupWindow =
            std::make_unique<groups::frmCsoportok>(main.test.platform, main.files.paths());
        aboutBox = std::make_unique<about::frmAbout>(main.test.platform);
        logWindow = std::make_unique<logwindow::frmNaplo>(main.test.platform, main.files.paths());
        windows = {{"Velmar", main.window.get()},
                   {"frmSetup", setup.window.get()},
                   {"frmCsoportok", groupWindow.get()},
                   {"frmAbout", aboutBox.get()},
                   {"frmNaplo", logWindow.get()}};
    }

    void controls_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("fields");  // kind, caption, tooltip, limit, label, state
        QString windowName;
        for (const char* row : kControls) {
            QStringList fields = QString::fromUtf8(row).split('|');
            fields.resize(7);
            const QString name = fields.takeFirst();
            if (fields[0] == "QMainWindow" || fields[0] == "QDialog")
                windowName = name;
            const QStringList captions = fields[1].split(';');
            const bool array = name.endsWith('*');
            for (int i = 0; i < (array ? captions.size() : 1); ++i) {
                if (array)
                    fields[1] = captions[i];
                const QString element = QString(name).replace('*', QString::number(i));
                QTest::addRow("%s %s", qPrintable(windowName), qPrintable(element))
                    << windowName << element << fields;
            }
        }
    }

    void controls() {
        QFETCH(QString, windowName);
        QFETCH(QString, name);
        QFETCH(QStringList, fields);
        QWidget* root = windows.value(windowName);
        QObject* found = name == windowName ? root : root->findChild<QObject*>(name);
        QVERIFY(found);
        QVERIFY2(found->inherits(qPrintable(fields[0])), found->metaObject()->className());
        QString caption =
            found->property(found->inherits("QGroupBox") ? "title" : "text").toString();
        if (found == root || found->inherits("QLineEdit") || found->inherits("QAbstractSpinBox"))
            caption = found == root ? root->windowTitle() : QString();
        if (auto* view = qobject_cast<ui::ReportView*>(found)) {
            for (int c = 0; c < view->listModel()->columnCount(); ++c) {
                const ui::ListColumn& column = view->listModel()->columns()[c];
                QCOMPARE(view->header()->sectionSize(c), ui::twipsToPixels(column.widthTwips));
                caption += u"%1%2 %3%4"_s.arg(c ? ";" : "", column.header)
                               .arg(column.widthTwips)
                               .arg(column.rightAligned ? "R" : "");
            }
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(found))
            for (int t = 0; t < tabs->count(); ++t)
                caption += (t ? ";" : "") + tabs->tabText(t);
        if (!found->inherits("ui::LinkLabel"))  // the maker's contacts are our own
            QCOMPARE(caption, fields[1]);
        if (auto* a = qobject_cast<QAction*>(found)) {
            QVERIFY(a->isEnabled());
            return;
        }

        auto* w = static_cast<QWidget*>(found);
        QCOMPARE(w->toolTip(), fields[2]);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            QCOMPARE(edit->maxLength(), fields[3].toInt());
        if (w == root && !fields[3].isEmpty())
            QCOMPARE(w->height(), ui::twipsToPixels(fields[3].toInt()));
        if (!fields[4].isEmpty()) {
            auto* label = control<QLabel>(root, fields[4].section('=', 0, 0));
            QCOMPARE(label->text(), fields[4].section('=', 1));
            QCOMPARE(label->buddy(), w);
            // The main window and the log window name their fields for screen readers.
            if (windowName == "Velmar" || windowName == "frmNaplo")
                QVERIFY(!w->accessibleName().isEmpty());
        }
        QCOMPARE(w->isEnabled(), !fields[5].contains("disabled"));
        if (fields[5].contains("checked")) {
            QCOMPARE(qobject_cast<QAbstractButton*>(w)->isChecked(),
                     !fields[5].contains("unchecked"));
        }
    }

    // "&Bejövő" answers Alt+B however often it is pressed, although the menu title
    // "&Beállítások" uses B too.
    void accessKeySharedWithTheMenu() {
        MainWindow w;  // no groups: both directions can be chosen
        w.start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(w.window.get(), Qt::Key_B, Qt::AltModifier);
            QTRY_VERIFY(w.find<QAbstractButton>("Option1_0")->isChecked());
            w.window->clearEntryFields();
        }
        QVERIFY(w.test.dialogs.modalWindows.isEmpty());
    }
};

QTEST_MAIN(ControlTablesTest)
#include "tst_control_tables.moc"
