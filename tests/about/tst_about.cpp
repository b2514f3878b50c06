// The About box: its texts, the contact links and the system information button.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "about/aboutinfo.h"
#include "about/frmabout.h"
#include "support/mainwindow.h"
#include "ui/links.h"

using namespace testing;

namespace {

void moveOver(QWidget* widget) {
    QTest::mouseMove(widget, QPoint(2, 2));
}

QColor textColor(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void texts() {
        TestPlatform test;
        about::frmAbout box(test.platform);
        auto text = [&](const char* name) { return control<QLabel>(&box, name)->text(); };
        QCOMPARE(box.windowTitle(), QStringLiteral("Velmarok Névjegy"));
        QCOMPARE(text("lblTitle"), QStringLiteral("Velmarok "));
        QCOMPARE(text("lblVersion"), "Verzió: " + QStringLiteral(VELMAROK_VERSION_STRING));
        QCOMPARE(text("Label5"), QStringLiteral("A program bejövő és kimenő levelek iktatására és "
                                                "megjelenítésére szolgál."));
        QCOMPARE(text("Label3_0"), QStringLiteral("E-mail:"));
        QCOMPARE(text("Label3_2"), QStringLiteral("Honlap:"));
        QCOMPARE(control<QPushButton>(&box, "cmdSysInfo")->text(),
                 QStringLiteral("&System Info..."));
        QCOMPARE(about::versionText(2, 2, 20), QStringLiteral("Verzió: 2.2.20"));
    }

    void linksOpenTheShellAndLightUp() {
        TestPlatform test;
        about::frmAbout box(test.platform);
        box.show();
        auto* mail = control<ui::LinkLabel>(&box, "Label1");
        auto* support = control<ui::LinkLabel>(&box, "Label4");
        auto* home = control<ui::LinkLabel>(&box, "Label2");
        emit mail->clicked();
        emit support->clicked();
        emit home->clicked();
        QCOMPARE(test.shell.addresses,
                 (QStringList{"mailto:" + mail->text(), "mailto:" + support->text(),
                              "https://www.example.org/velmarok"}));

        const QColor darkBlue(0, 0, 192);
        QCOMPARE(textColor(support), darkBlue);
        moveOver(support);
        QCOMPARE(textColor(support), QColor(Qt::red));
        QCOMPARE(textColor(mail), darkBlue);
        moveOver(home);
        moveOver(&box);
        for (QWidget* link : {static_cast<QWidget*>(mail), static_cast<QWidget*>(support),
                              static_cast<QWidget*>(home)}) {
            QCOMPARE(textColor(link), darkBlue);
        }
    }

    void browserAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("bare") << "www.example.org"
                              << "http://www.example.org";
        QTest::newRow("https") << "https://example.org"
                               << "https://example.org";
        QTest::newRow("upper case") << "HTTP://EXAMPLE.ORG"
                                    << "HTTP://EXAMPLE.ORG";
    }

    void browserAddress() {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        QCOMPARE(ui::browserAddress(address), opened);
    }

    void systemInformation_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started");  // "" when the message is shown
        QTest::newRow("none installed") << QStringList{} << true << "";
        QTest::newRow("info center first")
            << QStringList{"hardinfo", "kinfocenter"} << true << "/usr/bin/kinfocenter";
        QTest::newRow("older hardinfo") << QStringList{"hardinfo"} << true << "/usr/bin/hardinfo";
        QTest::newRow("does not start") << QStringList{"hardinfo2"} << false << "";
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

        if (started.isEmpty()) {
            QCOMPARE(test.dialogs.messages.size(), 1);
            const ui::Message& m = test.dialogs.messages[0];
            QCOMPARE(m.title, QStringLiteral("Velmarok"));
            QCOMPARE(m.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(m.buttons, ui::Buttons::Ok);
            QCOMPARE(m.icon, ui::Icon::None);
        } else {
            QVERIFY(test.dialogs.messages.isEmpty());
            QCOMPARE(test.shell.programs, QList<QStringList>{{started}});
        }
    }

    void menuOpensTheBox() {
        MainWindow w;
        w.start();
        bool closed = false;
        w.test.dialogs.onModal([&](QDialog& d) {
            control<QPushButton>(&d, "cmdOK")->click();
            closed = d.result() == QDialog::Accepted;
        });
        action(w.window.get(), "mnuNevjegy")->trigger();
        QCOMPARE(w.test.dialogs.modalWindows, QStringList{"frmAbout"});
        QVERIFY(closed);
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
