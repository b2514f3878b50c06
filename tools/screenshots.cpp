// velmarok_screenshots OUTDIR
// Renders the main window (in its demo colours and with a dark window colour) and the settings
// window on a demo register into PNG pictures for the README; tools/print_sample.sh renders a
// printed page. The windows show on a desktop screen of 1920x1080 pixels, and the settings
// window's program search looks at a small demo home folder instead of this machine's disks,
// so the pictures show what a clerk would see.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "mainwindow/settingslink.h"
#include "mainwindow/velmar.h"
#include "settings/frmsetup.h"
#include "support/fakeplatform.h"
#include "tools/demoregister.h"

namespace {

bool save(QWidget& window, const QString& path) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QCoreApplication::processEvents();
    return window.grab().save(path);
}

// A clerk's home folder: documents, downloads and an office program. Returns its path, or an
// empty text when it could not be made.
QString demoHome(const QString& base) {
    const QString home = base + QStringLiteral("/home/iroda");
    for (const char* folder : {"Asztal", "Dokumentumok/Levelek 2024", "Dokumentumok/Szerződések",
                               "Letöltések", "Képek", "Programok/LibreOffice/program"}) {
        if (!QDir().mkpath(home + u'/' + QString::fromUtf8(folder)))
            return {};
    }
    QFile office(home + QStringLiteral("/Programok/LibreOffice/program/soffice"));
    if (!office.open(QIODevice::WriteOnly) || office.write("#!/bin/sh\n") < 0)
        return {};
    office.setPermissions(office.permissions() | QFileDevice::ExeOwner);
    return home;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELMAROK_TEST_SCREENS "/desktop.json");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: velmarok_screenshots OUTDIR\n", stderr);
        return 2;
    }
    const QString out = arguments[1];
    QDir().mkpath(out);

    // The demo home lies at the same place every time, so the pictures do not change with it.
    QDir base(QDir::tempPath() + QStringLiteral("/velmarok-demo"));
    base.removeRecursively();
    const QString home = demoHome(base.path());
    QTemporaryDir folder;
    testing::DemoOptions options;
    options.letters = 180;
    options.lastDay = QDate(2024, 6, 14);
    if (home.isEmpty() || !testing::writeDemoRegister(folder.path(), options))
        return 1;

    testing::TestPlatform test;
    test.clock.value = QDateTime(QDate(2024, 6, 14), QTime(10, 30));
    reg::Velmar window(test.platform, store::Paths(folder.path()));
    window.start();
    bool saved = save(window, out + QStringLiteral("/main-window.png"));

    // The settings window over the main window, its program search pointed at the demo home.
    {
        reg::SettingsLink link(window);
        settings::SearchPlaces places;
        places.volumes = [home] { return QStringList{home}; };
        places.viewerRoot = home;
        places.pumpEvents = [] {};
        settings::frmSetup settingsWindow(test.platform, store::Paths(folder.path()), link, &window,
                                          places);
        saved = save(settingsWindow, out + QStringLiteral("/settings-window.png")) && saved;
    }

    // A dark window colour: every caption turns light.
    window.applyWindowColor(QColor(0x24, 0x31, 0x4f));
    saved = save(window, out + QStringLiteral("/main-window-dark.png")) && saved;
    base.removeRecursively();
    return saved ? 0 : 1;
}
