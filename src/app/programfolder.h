#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace app {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString folder;   // the register folder given, empty when none
    QString message;  // what to print for Help, Version and Error
};

// `velmarok [FOLDER]`, `--help`, `--version`. `arguments` excludes the program name.
CommandLine parseCommandLine(const QStringList& arguments);

// Where the register lives: the folder given on the command line; otherwise the program's
// own folder when it holds a register (a portable copy with its Setup.dat); otherwise the
// user's data folder.
QString chooseProgramFolder(const QString& given, const QString& executableFolder,
                            const QString& userDataFolder);

// Whether a window can be shown: an X11 or Wayland display, or a Qt platform chosen
// explicitly (offscreen, vnc, ...).
bool displayAvailable(const QString& qpaPlatform, const QString& x11Display,
                      const QString& waylandDisplay);

// The lock that keeps a second copy of the program off the same register. `lock` holds it
// while the program runs; when it could not be taken, `message` says why, in Hungarian.
struct RegisterLock {
    std::unique_ptr<QLockFile> lock;
    QString message;
    bool ok() const { return lock != nullptr; }
};
RegisterLock lockRegister(const QString& folder);

// Messages of the start-up refusals.
QString noDisplayMessage();
QString lockedMessage(const QString& folder);
QString lockFailedMessage(const QString& folder, const QString& reason);
// An operation that a killed copy left behind could be neither finished nor undone.
QString recoveryFailedMessage(const QString& reason);

}  // namespace app
