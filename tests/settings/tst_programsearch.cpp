// The program search of the settings window: the file-name match, the folder walk with its
// stop, the three search buttons and browsing by hand.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "settings/programsearch.h"
#include "settings/setupwindow.h"
#include "ui/widgets.h"

using namespace testing;
using settings::Program;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        QTest::qFail(qPrintable("cannot create " + path), __FILE__, __LINE__);
}

}  // namespace

class ProgramSearchTest : public QObject {
    Q_OBJECT

private slots:
    void match_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Program>("program");
        QTest::addColumn<bool>("matches");
        QTest::newRow("word") << "/w/WINWORD.EXE" << Program::Word << true;
        QTest::newRow("word in lower case") << "/w/winword.exe" << Program::Word << false;
        QTest::newRow("name ending in it") << "/w/OLDWINWORD.EXE" << Program::Word << true;
        QTest::newRow("pdf viewer") << "/p/PDFXCview.exe" << Program::PdfXChange << true;
        QTest::newRow("pdf viewer upper") << "/p/PDFXCVIEW.EXE" << Program::PdfXChange << false;
        QTest::newRow("reader") << "/a/AcroRd32.exe" << Program::AdobeReader << true;
        QTest::newRow("reader for word") << "/a/AcroRd32.exe" << Program::Word << false;
    }

    void match() {
        QFETCH(QString, path);
        QFETCH(Program, program);
        QFETCH(bool, matches);
        QCOMPARE(settings::matchesProgram(path, program), matches);
    }

    void walkFindsDepthFirstAndSkips() {
        QTemporaryDir root;
        touch(root.filePath("a/winword.exe"));
        touch(root.filePath("a/deep/WINWORD.EXE"));
        touch(root.filePath("skip/WINWORD.EXE"));
        touch(root.filePath("zOLDWINWORD.EXE"));
        // A link back to the root would loop for ever if the walk followed it.
        QVERIFY(QFile::link(root.path(), root.filePath("a/loop")));

        settings::FolderWalk walk;
        walk.skippedFolders = {root.filePath("skip")};
        // The root's own files come before its subfolders.
        QCOMPARE(walk.run(root.path(), Program::Word), root.filePath("zOLDWINWORD.EXE"));
        QVERIFY(walk.stopped());

        QFile::remove(root.filePath("zOLDWINWORD.EXE"));
        QStringList folders;
        walk.showFolder = [&](const QString& f) { folders << f; };
        QCOMPARE(walk.run(root.path(), Program::Word), root.filePath("a/deep/WINWORD.EXE"));
        QVERIFY(!folders.contains(root.filePath("skip")));

        QFile::remove(root.filePath("a/deep/WINWORD.EXE"));
        QCOMPARE(walk.run(root.path(), Program::Word), QString());
        QVERIFY(!walk.stopped());
    }

    void walkStopsAtTheNextFolder() {
        QTemporaryDir root;
        touch(root.filePath("1/x"));
        touch(root.filePath("2/3/WINWORD.EXE"));
        settings::FolderWalk walk;
        int folders = 0;
        walk.pumpEvents = [&] {
            if (++folders == 2)
                walk.stop();
        };
        QCOMPARE(walk.run(root.path(), Program::Word), QString());
        QVERIFY(walk.stopped());
        QCOMPARE(folders, 2);
    }

    void searchButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");  // under the drive, "" for none
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("caption");
        QTest::newRow("word found") << "GombIndít"
                                    << "drive/sub/WINWORD.EXE"
                                    << "txtExcelUtvonal"
                                    << "Megtaláltam..."
                                    << "Word automatikus keresése";
        QTest::newRow("word not found") << "GombIndít"
                                        << "drive/winword.exe"
                                        << "txtExcelUtvonal"
                                        << "NEM Találom, a Tallóz gombbal keresse meg..."
                                        << "Word automatikus keresése";
        // The viewers are searched from the viewer root, not from the chosen drive.
        QTest::newRow("viewer found") << "GombIndít2"
                                      << "viewers/PDFXCview.exe"
                                      << "txtPDFUtvonal"
                                      << "Megtaláltam..."
                                      << "PDF Viewer automatikus keresése";
        QTest::newRow("reader not on the drive") << "GombIndít3"
                                                 << "drive/AcroRd32.exe"
                                                 << "txtPDFUtvonal"
                                                 << "NEM Találom, a Tallóz gombbal keresse meg..."
                                                 << "Adobe Reader automatikus keresése";
    }

    void searchButtons() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QString, box);
        QFETCH(QString, status);
        QFETCH(QString, caption);
        SetupWindow s;
        const QString drive = s.files.folder() + "/drive";
        touch(s.files.folder() + "/" + file);
        touch(drive + "/other/x");
        settings::SearchPlaces places;
        places.volumes = [&] { return QStringList{drive}; };
        places.viewerRoot = s.files.folder() + "/viewers";
        QDir().mkpath(places.viewerRoot);
        QStringList during;
        places.pumpEvents = [&] {
            QStringList state{s.find<QPushButton>(button)->text()};
            for (const char* b : {"GombIndít", "GombIndít2", "GombIndít3"})
                state << (s.find<QPushButton>(b)->isEnabled() ? "on" : "off");
            during = state;
        };
        s.open(places);
        s.find<QLineEdit>(box)->setText("régi");
        // The folder list shows a deeper folder; the Word search still starts at the drive.
        auto* folders = s.find<QListWidget>("ListaMappa");
        folders->setCurrentItem(folders->findItems("other", Qt::MatchExactly).value(0));
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(folders->item(0)->text(), drive + "/other");

        s.find<QPushButton>(button)->click();
        QCOMPARE(during.value(0), QStringLiteral("Leállít"));
        QCOMPARE(during.count("off"), 2);
        QCOMPARE(s.find<QLineEdit>(box)->text(),
                 status == "Megtaláltam..." ? s.files.folder() + "/" + file : QString());
        QCOMPARE(s.find<QLabel>("KeresesiAllapot")->text(), status);
        QCOMPARE(s.find<QPushButton>(button)->text(), caption);
        QVERIFY(s.find<QPushButton>("GombIndít2")->isEnabled());
        QCOMPARE(s.test.dialogs.beeps, 1);
    }

    void stopButtonEndsTheSearch() {
        SetupWindow s;
        touch(s.files.folder() + "/a/b/c/WINWORD.EXE");
        settings::SearchPlaces places;
        // The user clicks "Leállít" while the walk waits for events in its first folder.
        places.pumpEvents = [&] {
            auto* button = s.find<QPushButton>("GombIndít");
            if (button->text() == "Leállít")
                button->click();
        };
        s.open(places);
        s.find<QPushButton>("GombIndít")->click();
        QCOMPARE(s.find<QLabel>("KeresesiAllapot")->text(), QStringLiteral("Megszakítva..."));
        QCOMPARE(s.find<QLineEdit>("txtExcelUtvonal")->text(), QString());
        QCOMPARE(s.find<QPushButton>("GombIndít")->text(),
                 QStringLiteral("Word automatikus keresése"));
    }

    void closingDuringASearchWaitsForIt() {
        SetupWindow s;
        touch(s.files.folder() + "/a/x");
        settings::SearchPlaces places;
        bool searchingWhenClosed = false;
        places.pumpEvents = [&] {
            if (!searchingWhenClosed && s.window->searching()) {
                searchingWhenClosed = true;
                s.find<QPushButton>("cmdVissza")->click();
            }
        };
        s.open(places);
        s.window->show();
        s.find<QPushButton>("GombIndít")->click();
        QVERIFY(searchingWhenClosed);
        QVERIFY(!s.window->searching());
        QVERIFY(!s.window->isVisible());
        QCOMPARE(s.find<QLabel>("KeresesiAllapot")->text(), QStringLiteral("Megszakítva..."));
    }

    void browse_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("box");
        QTest::newRow("cancelled") << ""
                                   << "/usr/bin/lowriter";
        QTest::newRow("picked") << "/usr/bin/okular"
                                << "/usr/bin/okular";
    }

    void browse() {
        QFETCH(QString, answer);
        QFETCH(QString, box);
        SetupWindow s;
        s.open();
        s.find<QLineEdit>("txtPDFUtvonal")->setText("/usr/bin/lowriter");
        s.test.dialogs.answerOpenFile(answer);
        s.find<QPushButton>("cmdTalloz2")->click();
        QCOMPARE(s.find<QLineEdit>("txtPDFUtvonal")->text(), box);
        QCOMPARE(s.test.dialogs.fileRequests[0].filterIndex, 2);
        QCOMPARE(s.test.dialogs.fileRequests[0].fileName, QStringLiteral("*.exe"));
    }

    void folderListGoesUpNoFurtherThanTheDrive() {
        SetupWindow s;
        QDir().mkpath(s.files.folder() + "/a/b");
        s.open();
        auto* folders = s.find<QListWidget>("ListaMappa");
        QTest::keyClick(folders, Qt::Key_Backspace);
        QCOMPARE(folders->item(0)->text(), s.files.folder());
        folders->setCurrentItem(folders->findItems("a", Qt::MatchExactly).value(0));
        QTest::keyClick(folders, Qt::Key_L);
        QCOMPARE(folders->item(0)->text(), s.files.folder() + "/a");
        QTest::keyClick(folders, Qt::Key_Backspace);
        QCOMPARE(folders->item(0)->text(), s.files.folder());
    }

    void driveThatIsGoneIsReported() {
        SetupWindow s;
        settings::SearchPlaces places;
        places.volumes = [&] { return QStringList{s.files.folder(), "/nincs/ilyen/kötet"}; };
        s.open(places);
        s.test.dialogs.answerMessage(ui::Answer::Ok);
        auto* drive = s.find<QComboBox>("Drive");
        drive->setCurrentIndex(1);
        emit drive->activated(1);
        QCOMPARE(s.test.dialogs.messages[0].title, QStringLiteral("! HIBA !"));
        QCOMPARE(s.test.dialogs.messages[0].text,
                 QStringLiteral("Az eszköz nem érhető el!\r\nVálassz másik meghajtót...\r\n"
                                "Ellenőrízd...\r\n"));
        QCOMPARE(s.test.dialogs.messages[0].icon, ui::Icon::Exclamation);
        QCOMPARE(drive->currentText(), s.files.folder());
        QCOMPARE(s.find<QListWidget>("ListaMappa")->item(0)->text(), s.files.folder());
    }

    void downloadPicturesOpenTheirPages() {
        SetupWindow s;
        s.open();
        emit s.find<ui::ClickLabel>("Image2")->clicked();
        emit s.find<ui::ClickLabel>("Image3")->clicked();
        QCOMPARE(s.test.shell.addresses,
                 (QStringList{"https://www.example.org/velmarok/letoltes/pdf-megjelenito",
                              "https://www.example.org/velmarok/letoltes/pdf-olvaso"}));
    }
};

QTEST_MAIN(ProgramSearchTest)
#include "tst_programsearch.moc"
