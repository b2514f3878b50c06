#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

#include "app/programfolder.h"
#include "log/frmnaplo.h"
#include "log/log.h"
#include "mainwindow/velmar.h"
#include "store/operation.h"
#include "store/paths.h"
#include "ui/locale.h"
#include "ui/platform.h"
#include "ui/qtplatform.h"
#include "ui/qtprinter.h"

using namespace Qt::StringLiterals;

namespace {

void writeLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine command = app::parseCommandLine(arguments);
    switch (command.action) {
        case app::CommandLine::Action::Help:
        case app::CommandLine::Action::Version:
            writeLine(stdout, command.message);
            return 0;
        case app::CommandLine::Action::Error:
            writeLine(stderr, command.message);
            return 2;
        case app::CommandLine::Action::Run:
            break;
    }
    if (!app::displayAvailable(qEnvironmentVariable("QT_QPA_PLATFORM"),
                               qEnvironmentVariable("DISPLAY"),
                               qEnvironmentVariable("WAYLAND_DISPLAY"))) {
        writeLine(stderr, app::noDisplayMessage());
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(u"velmarok"_s);
    QApplication::setApplicationVersion(QStringLiteral(VELMAROK_VERSION_STRING));
    QApplication::setDesktopFileName(u"velmarok"_s);
    ui::useHungarianQtDialogs();  // without Qt's translations installed they stay in English

    ui::QtDialogs dialogs;
    ui::QtShell shell;
    ui::QtPrinter printer;
    ui::SystemClock clock;
    ui::Platform platform{dialogs, shell, printer, clock};

    const QString folder =
        app::chooseProgramFolder(command.folder, QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir().mkpath(folder);

    // One copy of the program per register: a second one would interleave its writes.
    const app::RegisterLock lock = app::lockRegister(folder);
    if (!lock.ok()) {
        writeLine(stderr, lock.message + u'\n');
        dialogs.message(nullptr, {u"FIGYELEM!"_s, lock.message, ui::Buttons::Ok, ui::Answer::Ok,
                                  ui::Icon::Exclamation});
        return 1;
    }

    // The register log hears every change. An operation that a killed copy left half done is
    // finished or undone, and its entry with it, before anything is read; the register is not
    // worked on while that is impossible. A register that may only be read is left as it is.
    eventlog::Log log(folder);
    log.setClock([&clock] { return clock.now(); });
    log.setReporter(logwindow::setAsideReporter(dialogs));
    log.open();
    store::Paths paths(folder);
    paths.setObserver(&log);
    if (!lock.readOnly) {
        const store::RecoveryResult recovered = store::recoverOperations(paths);
        if (!recovered.errorText.isEmpty()) {
            const QString text = app::recoveryFailedMessage(recovered.errorText);
            writeLine(stderr, text + u'\n');
            dialogs.message(nullptr,
                            {u"HIBA"_s, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
            return 1;
        }
    }

    reg::Velmar window(platform, paths);
    if (lock.readOnly)
        window.openReadOnly();
    window.start();
    window.show();
    return QApplication::exec();
}
