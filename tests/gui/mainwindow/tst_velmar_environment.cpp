// The main window in its surroundings: the programs that open the letters' documents.
// Which program a document's type takes is tested in tst_register_rules.cpp.

#include <QFile>

#include "support/mainwindow.h"

using namespace testing;

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
};

QTEST_MAIN(VelmarEnvironmentTest)
#include "tst_velmar_environment.moc"
