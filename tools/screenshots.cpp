// velmarok_screenshots OUTDIR
// Renders the main window and the settings window on a demo register into PNG pictures for
// the README; tools/print_sample.sh renders a printed page.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "mainwindow/velmar.h"
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

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: velmarok_screenshots OUTDIR\n", stderr);
        return 2;
    }
    const QString out = arguments[1];
    QDir().mkpath(out);

    QTemporaryDir folder;
    testing::DemoOptions options;
    options.letters = 180;
    options.lastDay = QDate(2024, 6, 14);
    if (!testing::writeDemoRegister(folder.path(), options))
        return 1;

    testing::TestPlatform test;
    test.clock.value = QDateTime(QDate(2024, 6, 14), QTime(10, 30));
    reg::Velmar window(test.platform, store::Paths(folder.path()));
    window.start();
    if (!save(window, out + QStringLiteral("/main-window.png")))
        return 1;

    // The settings window, as "Beállítások" opens it over the main window.
    bool saved = false;
    test.dialogs.onModal([&](QDialog& settings) {
        saved = save(settings, out + QStringLiteral("/settings-window.png"));
    });
    window.findChild<QAction*>(QStringLiteral("mnuSetup"))->trigger();
    return saved ? 0 : 1;
}
