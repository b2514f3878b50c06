// The main window in its surroundings: the programs that open the letters' documents, and a
// register that may only be read. Which program a document's type takes is tested in
// tst_register_rules.cpp; when a register opens read-only, in tst_programfolder.cpp.

#include <QDirIterator>
#include <QFile>

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

QTEST_MAIN(VelmarEnvironmentTest)
#include "tst_velmar_environment.moc"
