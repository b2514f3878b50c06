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

// What the program may do with a register, from how taking its lock file went (QLockFile's
// answer) and whether this user may write and read the folder:
// - Write: the lock is taken.
// - InUse: another copy holds the lock in a folder this user may write.
// - ReadOnly: the folder may be read but not written — no right to write there, a read-only
//   medium or share —, so the lock file cannot be made (or a lock left there cannot be
//   cleared). The program then writes nothing, and needs no lock.
// - Unusable: any other failure, or a folder that cannot even be read.
enum class RegisterAccess { Write, InUse, ReadOnly, Unusable };
RegisterAccess registerAccess(QLockFile::LockError lock, bool mayWrite, bool mayRead);

// The lock that keeps a second copy of the program off the same register. `lock` holds it
// while the program runs; `readOnly` says the register is opened without it, read-only;
// otherwise `message` says, in Hungarian, why the register cannot be used.
struct RegisterLock {
    std::unique_ptr<QLockFile> lock;
    bool readOnly = false;
    QString message;
    bool ok() const { return lock != nullptr || readOnly; }
};
RegisterLock lockRegister(const QString& folder);

// Messages of the start-up refusals.
QString noDisplayMessage();
QString lockedMessage(const QString& folder);
QString lockFailedMessage(const QString& folder, const QString& reason);
// An operation that a killed copy left behind could be neither finished nor undone.
QString recoveryFailedMessage(const QString& reason);

}  // namespace app
