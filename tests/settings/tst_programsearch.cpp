// The program search of the settings window: the folder walk, the three search buttons with
// their stop, the drive and folder lists and browsing by hand.

#include <QListWidget>

#include "settings/programsearch.h"
#include "settings/setupwindow.h"

using namespace testing;
using settings::Program;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class ProgramSearchTest : public QObject {
    Q_OBJECT

private slots:
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

    void searchButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");  // under the temporary folder
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("found");
        auto row = [](const char* name, const char* button, const char* file, const char* box,
                      bool found) {
            QTest::newRow(name) << QString(button) << QString(file) << QString(box) << found;
        };
        row("word", "GombIndít", "drive/sub/WINWORD.EXE", "txtExcelUtvonal", true);
        // The viewers are searched from the viewer root, not from the chosen drive.
        row("viewer", "GombIndít2", "viewers/PDFXCview.exe", "txtPDFUtvonal", true);
        row("reader on the drive only", "GombIndít3", "drive/AcroRd32.exe", "txtPDFUtvonal", false);
    }

    void searchButtons() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QString, box);
        QFETCH(bool, found);
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
        // The folder list shows a deeper folder; the Word search still starts at the drive.
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

    // The user clicks "Leállít", or closes the window, while the walk lets events run in its
    // first folder; a closed window goes only after the walk has returned.
    void stoppingTheSearch_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Leállít") << "GombIndít";
        QTest::newRow("closing the window") << "cmdVissza";
    }
    void stoppingTheSearch() {
        QFETCH(QString, button);
        SetupWindow s;
        touch(s.files.folder() + "/a/b/c/WINWORD.EXE");
        settings::SearchPlaces places;
        places.pumpEvents = [&] {
            if (s.window->isVisible() && s.window->searching())
                s.click(button);
        };
        s.open(places).show();
        s.click("GombIndít");
        QCOMPARE(s.text("KeresesiAllapot"), "Megszakítva...");
        QCOMPARE(s.text("txtExcelUtvonal"), "");
        QCOMPARE(s.text("GombIndít"), "Word automatikus keresése");
        QVERIFY(!s.window->searching());
        QCOMPARE(s.window->isVisible(), button == "GombIndít");
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

QTEST_MAIN(ProgramSearchTest)
#include "tst_programsearch.moc"
