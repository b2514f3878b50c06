// The About box: its texts, the contact links and the system information button.

#include "about/aboutinfo.h"
#include "about/frmabout.h"
#include "support/mainwindow.h"
#include "ui/links.h"

using namespace testing;

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void texts() {
        TestPlatform test;
        about::frmAbout box(test.platform);
        auto text = [&](const char* name) { return control<QLabel>(&box, name)->text(); };
        QCOMPARE(box.windowTitle(), "Velmarok Névjegy");
        QCOMPARE(text("lblTitle"), "Velmarok ");
        QCOMPARE(text("lblVersion"), "Verzió: " VELMAROK_VERSION_STRING);
        QCOMPARE(text("Label5"),
                 "A program bejövő és kimenő levelek iktatására és megjelenítésére szolgál.");
        QCOMPARE(text("Label3_2"), "Honlap:");
        QCOMPARE(about::versionText(2, 2, 20), "Verzió: 2.2.20");
    }

    void linksOpenTheShellAndLightUp() {
        TestPlatform test;
        about::frmAbout box(test.platform);
        box.show();
        auto* mail = control<QLabel>(&box, "Label1");
        auto* support = control<QLabel>(&box, "Label4");
        auto* home = control<ui::LinkLabel>(&box, "Label2");
        emit home->clicked();
        emit control<ui::LinkLabel>(&box, "Label4")->clicked();
        QCOMPARE(test.shell.addresses,
                 (QStringList{"https://www.example.org/velmarok", "mailto:" + support->text()}));
        QCOMPARE(ui::browserAddress("www.example.org"), "http://www.example.org");

        auto color = [](const QWidget* w) { return w->palette().color(QPalette::WindowText); };
        const QColor darkBlue(0, 0, 192);
        QCOMPARE(color(support), darkBlue);
        QTest::mouseMove(support, QPoint(2, 2));
        QCOMPARE(color(support), QColor(Qt::red));
        QCOMPARE(color(mail), darkBlue);
        QTest::mouseMove(&box, QPoint(1, 1));
        QCOMPARE(color(support), darkBlue);
    }

    void systemInformation_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started");  // "" when the message is shown
        QTest::newRow("none installed") << QStringList{} << true << QString();
        QTest::newRow("info center first")
            << QStringList{"hardinfo", "kinfocenter"} << true << "/usr/bin/kinfocenter";
        QTest::newRow("older hardinfo") << QStringList{"hardinfo"} << true << "/usr/bin/hardinfo";
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
