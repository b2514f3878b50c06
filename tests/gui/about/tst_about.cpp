// The About box: its version, the contact links and the system information button.

#include "about/frmabout.h"
#include "support/mainwindow.h"
#include "ui/links.h"

using namespace testing;

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    // The version shown is the program's; the contacts open as web and mail addresses.
    void versionAndLinks() {
        TestPlatform test;
        about::frmAbout box(test.platform);
        QCOMPARE(textOf(&box, "lblVersion"), "Verzió: " VELMAROK_VERSION_STRING);
        emit control<ui::LinkLabel>(&box, "Label2")->clicked();
        emit control<ui::LinkLabel>(&box, "Label4")->clicked();
        QCOMPARE(test.shell.addresses, (QStringList{"https://www.example.org/velmarok",
                                                    "mailto:" + textOf(&box, "Label4")}));
        QCOMPARE(ui::browserAddress("www.example.org"), "http://www.example.org");
    }

    // Nothing installed; the info center found before hardinfo; hardinfo2 failing to start.
    // The message shows whenever nothing was started.
    void systemInformation() {
        const QList<std::tuple<QStringList, bool, QString>> cases = {
            {{}, true, ""},
            {{"hardinfo", "kinfocenter"}, true, "/usr/bin/kinfocenter"},
            {{"hardinfo2"}, false, "/usr/bin/hardinfo2"}};
        for (const auto& [installed, starts, tried] : cases) {
            TestPlatform test;
            test.shell.succeed = starts;
            about::frmAbout box(test.platform, nullptr, [&](const QString& name) {
                return installed.contains(name) ? "/usr/bin/" + name : QString();
            });
            test.dialogs.answerMessage(ui::Answer::Ok);
            control<QPushButton>(&box, "cmdSysInfo")->click();
            QCOMPARE(test.shell.programs.value(0).value(0), tried);
            const ui::Message unavailable{"Velmarok",
                                          "System Information Is Unavailable At This Time"};
            QCOMPARE(test.dialogs.messages,
                     starts && !tried.isEmpty() ? QList<ui::Message>{} : QList{unavailable});
        }
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
