// The main window in its surroundings: the screen it must fit, the programs that open the
// letters' documents, and a register that may only be read. Which program a document's type
// takes is tested in tst_register_rules.cpp; when a register opens read-only, in
// tst_programfolder.cpp. The window shows on one screen of 1280×720 pixels (main() below).

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QScreen>

#include "support/mainwindow.h"
#include "ui/widgets.h"

using namespace testing;

namespace {

// Every file of the register with its bytes.
QMap<QString, QByteArray> filesOf(const TempRegister& files) {
    QMap<QString, QByteArray> found;
    QDirIterator it(files.folder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        found.insert(path, files.read(path));
    }
    return found;
}

}  // namespace

class VelmarEnvironmentTest : public QObject {
    Q_OBJECT

private slots:
    // The designed 1320×750 where it fits, else the largest window of those proportions that
    // does, centred with its frame (here 4 px at the sides and below, 32 above).
    void fitWindowRule_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("window");
        QTest::newRow("desktop") << QRect(0, 0, 1920, 1080) << QRect(300, 179, 1320, 750);
        QTest::newRow("1280x720") << QRect(0, 0, 1280, 720) << QRect(38, 32, 1203, 684);
        QTest::newRow("1366x768, panel") << QRect(0, 0, 1366, 736) << QRect(67, 32, 1232, 700);
        QTest::newRow("second screen") << QRect(1920, 24, 1280, 720) << QRect(1958, 56, 1203, 684);
    }
    void fitWindowRule() {
        QFETCH(QRect, available);
        QFETCH(QRect, window);
        QCOMPARE(ui::fitWindow(QSize(1320, 750), available, QMargins(4, 32, 4, 4)), window);
    }

    // On this screen the window fits, frame and all, keeps its proportions, and the client
    // pick list still shows its "Üsz." and "rec" columns.
    void fitsA1280x720Screen() {
        MainWindow w;
        w.start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QRect screen = w.window->screen()->availableGeometry();
        QCOMPARE(screen, QRect(0, 0, 1280, 720));
        QVERIFY2(screen.contains(w.window->frameGeometry()),
                 qPrintable(QDebug::toString(w.window->frameGeometry())));
        QVERIFY(qAbs(w.window->width() * 750 - w.window->height() * 1320) < 1320);
        auto* clients = w.find<ui::ReportView>("ListView2");
        for (int column : {1, 2}) {
            const int right = clients->header()->sectionViewportPosition(column) +
                              clients->header()->sectionSize(column);
            QVERIFY2(right <= clients->viewport()->width(), qPrintable(QString::number(right)));
        }
    }

    // A double-click opens a letter's document with the PDF program of the settings, which
    // exists here, and a Word document with the desktop's default program, as the Word path
    // was copied from a Windows register.
    void documentsOpenWithTheConfiguredProgram() {
        MainWindow w;
        const QString viewer = w.files.programFile(u"viewer");
        w.files.write(viewer, "#!/bin/sh\n");
        QFile(viewer).setPermissions(QFile::ReadUser | QFile::ExeUser);
        store::SetupRekord setup;
        setup.PDFUtvonal = u'"' + viewer + u'"';
        setup.WordUtvonal = "\"C:\\Program Files\\Microsoft Office\\WINWORD.EXE\"";
        w.files.writeSetup(setup);
        w.files.writeLetters(2024, {letter(QDate(2024, 2, 1), true, 1, "Egy Kft."),
                                    letter(QDate(2024, 2, 2), true, 2, "Kettő Kft.")});
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"),
                             std::vector<store::IratRekord>{{"\"a.pdf\"", "\"/iroda/a.pdf\""},
                                                            {"\"b.doc\"", "\"/iroda/b.doc\""}});
        w.start();
        auto* view = w.find<ui::ReportView>("ListView1");
        for (int row : {0, 1}) {
            view->selectRow(row);
            emit view->itemDoubleClicked(row);
        }
        QCOMPARE(w.test.shell.programs, (QList<QStringList>{{viewer, "/iroda/a.pdf"}}));
        QCOMPARE(w.test.shell.documents, QStringList{"/iroda/b.doc"});
    }

    // Read-only, the window lists, searches and prints; whatever writes is disabled and stays
    // so through a row selection and the activation sequence, and nothing is written.
    void readOnlyRegister() {
        MainWindow w;
        w.files.writeSetup({});
        // Every file there, as reading opens a missing one (where it can); no groups, so the
        // activation sequence enables the directions.
        for (const char16_t* name : {u"Csoportok.dat", u"Ugyfelek.dat", u"Ugyintezo.dat"})
            w.files.write(w.files.programFile(name), {});
        w.files.write(w.files.programFile(u"UszNum.dat"), fromHex("07 00 00 00"));
        w.files.writeLetters(2024, {letter(QDate(2024, 2, 1), true, 1, "Egy Kft."),
                                    letter(QDate(2024, 2, 2), false, 1, "Kettő Kft.")});
        w.files.write(w.files.yearFile(2024, u"KiIrat.dat"), QByteArray(2 * 350, ' '));
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("01 00 01 00"));
        const QMap<QString, QByteArray> before = filesOf(w.files);
        w.window = std::make_unique<reg::Velmar>(w.test.platform, w.files.paths());
        w.window->openReadOnly();
        w.window->start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QCOMPARE(w.window->windowTitle(), "Velmarok - csak olvasható");

        w.click("Command1_6");  // "Teljes lista"
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 2);
        w.find<ui::ReportView>("ListView1")->selectRow(1);
        QCOMPARE(w.text("txtKitolKinek"), "Kettő Kft.");
        w.test.dialogs.answerInput(QString());
        w.trigger("mnuPrintBeKi");
        QCOMPARE(w.test.printer.documents.size(), size_t(1));
        QStringList usable;
        for (const char* name : {"Option1_0", "Option1_1", "cmdRogzit", "cmdModosit", "cmdTorles",
                                 "cmdBeszkenneltLevel", "Command1_0", "txtKitolKinek"}) {
            if (w.find<QWidget>(name)->isEnabled())
                usable << name;
        }
        for (const char* name :
             {"mnuCsopFelvetel", "mnuSetup", "mnuMentes", "mnuMentMost", "mnuBetoltes", "mnuPrint",
              "mnuPrintBeKi", "mnuExcel", "mnuNevjegy", "mnuKilep"}) {
            if (QAction* item = w.window->findChild<QAction*>(name); item && item->isEnabled())
                usable << name;
        }
        QCOMPARE(usable, (QStringList{"Command1_0", "txtKitolKinek", "mnuPrint", "mnuPrintBeKi",
                                      "mnuExcel", "mnuNevjegy", "mnuKilep"}));

        // A caption's double-click, F2 and leaving store nothing: no counters, no backup.
        w.setText("Text1", "50");
        emit w.find<ui::ClickLabel>("Label1_0")->doubleClicked();
        QTest::keyClick(w.find<QLineEdit>("txtUgyfelszam"), Qt::Key_F2);
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.trigger("mnuKilep");
        QVERIFY(!w.window->isVisible());
        QCOMPARE(filesOf(w.files), before);
    }
};

// The tests run on one screen of 1280×720 pixels, as a small laptop's, with window frames.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" VELMAROK_TEST_SCREENS "/laptop-1280x720.json");
    QApplication application(argc, argv);
    VelmarEnvironmentTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_velmar_environment.moc"
