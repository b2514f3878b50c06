// The About box: its version, the contact links and the system information button.

#include "about/frmabout.h"
#include "support/mainwindow.h"
#include "ui/links.h"

using namespace testing;

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    // The captions, the version among them, are rows of tst_control_tables.cpp.
    void links() {
        TestPlatform test;
        about::frmAbout box(test.platform);
        emit control<ui::LinkLabel>(&box, "Label2")->clicked();
        emit control<ui::LinkLabel>(&box, "Label4")->clicked();
        QCOMPARE(test.shell.addresses, (QStringList{"https://www.example.org/velmarok",
                                                    "mailto:" + textOf(&box, "Label4")}));
        QCOMPARE(ui::browserAddress("www.example.org"), "http://www.example.org");
    }

    void systemInformation_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started");  // "" when the message is shown
        QTest::newRow("none installed") << QStringList{} << true << QString();
        QTest::newRow("info center first")
            << QStringList{"hardinfo", "kinfocenter"} << true << "/usr/bin/kinfocenter";
        QTest::newRow("does not start") << QStringList{"hardinfo2"} << false << QString();
    }

    void systemInformation() {
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QString, started);
        TestPlatform test;
        test.shell.succeed = starts;
        about::frmAbout box(test.platform, nullptr, [&](const QString& name) {
            return installed.contains(name) ? "/usr/bin/" + name : QString();
        });
        if (started.isEmpty())
            test.dialogs.answerMessage(ui::Answer::Ok);
        control<QPushButton>(&box, "cmdSysInfo")->click();

        const ui::Message unavailable{"Velmarok", "System Information Is Unavailable At This Time"};
        QCOMPARE(test.dialogs.messages,
                 started.isEmpty() ? QList{unavailable} : QList<ui::Message>{});
        if (!started.isEmpty())
            QCOMPARE(test.shell.programs.value(0).value(0), started);
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
