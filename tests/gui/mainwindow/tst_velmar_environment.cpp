// The main window in its surroundings: a small screen, the programs that open documents, and
// a register that may only be read (when a register opens so: tst_programfolder.cpp). The window
// shows on one screen of 1280×720 pixels with window frames, as a small laptop's (main() below).

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QScreen>

#include "support/mainwindow.h"
#include "ui/widgets.h"

using namespace testing;

class VelmarEnvironmentTest : public QObject {
    Q_OBJECT

private slots:
    // The designed 1320×750 where it fits, else the largest window of those proportions that
    // does, centred with its frame (4 px at the sides and below, 32 above).
    void fitWindowRule() {
        const QMargins frame(4, 32, 4, 4);
        QCOMPARE(ui::fitWindow({1320, 750}, {0, 0, 1920, 1080}, frame), QRect(300, 179, 1320, 750));
        QCOMPARE(ui::fitWindow({1320, 750}, {1920, 24, 1280, 720}, frame),
                 QRect(1958, 56, 1203, 684));
    }

    // Here the window fits, frame and all, and the client pick list still shows its "Üsz."
    // and "rec" columns.
    void fitsA1280x720Screen() {
        MainWindow w;
        w.start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QCOMPARE(w.window->screen()->availableGeometry(), QRect(0, 0, 1280, 720));
        QVERIFY(QRect(0, 0, 1280, 720).contains(w.window->frameGeometry()));
        auto* clients = w.find<ui::ReportView>("ListView2");
        QVERIFY(clients->header()->sectionViewportPosition(2) + clients->header()->sectionSize(2) <=
                clients->viewport()->width());
    }

    // A double-click opens a letter's PDF with the PDF program of the settings, which exists
    // here; its Word path, copied from a Windows register, leaves a .doc to the desktop.
    void documentsOpenWithTheConfiguredProgram() {
        MainWindow w;
        const QString viewer = w.files.programFile(u"viewer");
        w.files.write(viewer, "#!/bin/sh\n");
        QFile(viewer).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        store::SetupRekord setup;
        setup.PDFUtvonal = u'"' + viewer + u'"';
        setup.WordUtvonal = "\"C:\\Program Files\\Microsoft Office\\WINWORD.EXE\"";
        w.files.writeSetup(setup);
        w.files.writeLetters(
            2024, {letter(QDate(2024, 2, 1), true, 1), letter(QDate(2024, 2, 2), true, 2)});
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
    // so through a row selection and the activation sequence (no groups: it enables the
    // directions), and neither a caption's double-click, F2 nor leaving writes anything.
    void readOnlyRegister() {
        MainWindow w;
        w.files.writeLetters(2024, {letter(QDate(2024, 2, 1), true, 1, "Egy Kft."),
                                    letter(QDate(2024, 2, 2), false, 1, "Kettő Kft.")});
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("01 00 01 00"));
        w.window = std::make_unique<reg::Velmar>(w.test.platform, w.files.paths());
        w.window->openReadOnly();
        w.window->start();
        QCOMPARE(w.window->windowTitle(), "Velmarok - csak olvasható");
        w.click("Command1_6");  // "Teljes lista"
        w.find<ui::ReportView>("ListView1")->selectRow(1);
        QCOMPARE(w.text("txtKitolKinek"), "Kettő Kft.");
        w.test.dialogs.answerInput(QString());
        w.trigger("mnuPrintBeKi");
        QCOMPARE(w.test.printer.documents.size(), size_t(1));
        QStringList usable;
        for (QWidget* control :
             w.window->findChildren<QWidget*>(QRegularExpression("^(Option1_|cmd|Command1_0)"))) {
            if (control->isEnabled())
                usable << control->objectName();
        }
        for (QAction* item : w.window->findChildren<QAction*>(QRegularExpression("^mnu"))) {
            if (item->isEnabled())
                usable << item->objectName();
        }
        usable.sort();
        QCOMPARE(usable,
                 (QStringList{"Command1_0", "cmdKiLevelStart", "mnuExcel", "mnuKilep", "mnuMentes",
                              "mnuNaplo", "mnuNevjegy", "mnuPrint", "mnuPrintBe", "mnuPrintBeKi",
                              "mnuPrintKi", "mnuTeljesMentes", "mnuTeljesMentesHelye", "mnuXlsx"}));

        w.setText("Text1", "50");
        emit w.find<ui::ClickLabel>("Label1_0")->doubleClicked();
        QTest::keyClick(w.find<QLineEdit>("txtUgyfelszam"), Qt::Key_F2);  // no input box
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.trigger("mnuKilep");
        QCOMPARE(w.files.readYear(2024, u"Num.dat"), fromHex("01 00 01 00"));
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"Mentés.dat")));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" VELMAROK_TEST_SCREENS "/laptop-1280x720.json");
    QApplication application(argc, argv);
    VelmarEnvironmentTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_velmar_environment.moc"
