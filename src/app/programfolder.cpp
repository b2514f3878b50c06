#include "app/programfolder.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "store/paths.h"

using namespace Qt::StringLiterals;

namespace app {

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (const QString& argument : arguments) {
        if (argument == u"--help"_s || argument == u"-h"_s) {
            result.action = CommandLine::Action::Help;
            result.message =
                u"Használat: velmarok [MAPPA]\n"
                "\n"
                "Bejövő és kimenő levelek iktatása.\n"
                "\n"
                "  MAPPA       a nyilvántartás mappája (Setup.dat, Csoportok.dat és az évek\n"
                "              mappái); ha nincs megadva, a program mappája, ha ott van\n"
                "              Setup.dat, különben a felhasználó adatmappája\n"
                "  --version   a program verziója\n"
                "  --help      ez a súgó\n"_s;
            return result;
        }
        if (argument == u"--version"_s || argument == u"-v"_s) {
            result.action = CommandLine::Action::Version;
            result.message = u"velmarok " VELMAROK_VERSION_STRING "\n"_s;
            return result;
        }
        if (argument.startsWith(u'-')) {
            result.action = CommandLine::Action::Error;
            result.message = u"Ismeretlen kapcsoló: %1\nSúgó: velmarok --help\n"_s.arg(argument);
            return result;
        }
        if (!result.folder.isEmpty()) {
            result.action = CommandLine::Action::Error;
            result.message = u"Csak egy mappa adható meg.\nSúgó: velmarok --help\n"_s;
            return result;
        }
        result.folder = argument;
    }
    if (!result.folder.isEmpty() && !QFileInfo(result.folder).isDir()) {
        result.action = CommandLine::Action::Error;
        result.message = u"A megadott mappa nem létezik: %1\n"_s.arg(result.folder);
    }
    return result;
}

QString chooseProgramFolder(const QString& given, const QString& executableFolder,
                            const QString& userDataFolder) {
    if (!given.isEmpty())
        return QDir(given).absolutePath();
    const QString portableSetup = store::resolveInFolder(executableFolder, u"Setup.dat");
    if (QFileInfo(portableSetup).isFile())
        return QDir(executableFolder).absolutePath();
    return QDir(userDataFolder).absolutePath();
}

bool displayAvailable(const QString& qpaPlatform, const QString& x11Display,
                      const QString& waylandDisplay) {
    return !qpaPlatform.isEmpty() || !x11Display.isEmpty() || !waylandDisplay.isEmpty();
}

namespace {

// Whether this user may create files in the folder (the system's own check, which also knows
// read-only mounts), and may list and open them. Root may write wherever the medium allows.
bool mayWrite(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}
bool mayRead(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), R_OK | X_OK) == 0;
}

}  // namespace

RegisterAccess registerAccess(QLockFile::LockError lock, bool mayWrite, bool mayRead) {
    switch (lock) {
        case QLockFile::NoError:
            return RegisterAccess::Write;
        case QLockFile::LockFailedError:
            if (mayWrite)
                return RegisterAccess::InUse;
            break;
        case QLockFile::PermissionError:  // EACCES, EROFS
            break;
        case QLockFile::UnknownError:
            if (mayWrite)
                return RegisterAccess::Unusable;
            break;
    }
    return mayRead ? RegisterAccess::ReadOnly : RegisterAccess::Unusable;
}

RegisterLock lockRegister(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(folder + u"/velmarok.lock"_s);
    // A lock left by a copy that crashed is recognised by its process id, never by its age.
    lock->setStaleLockTime(0);
    const QLockFile::LockError error = lock->tryLock(0) ? QLockFile::NoError : lock->error();
    const QString shown = QDir::toNativeSeparators(folder);
    switch (registerAccess(error, mayWrite(folder), mayRead(folder))) {
        case RegisterAccess::Write:
            return {std::move(lock), false, {}};
        case RegisterAccess::ReadOnly:
            return {nullptr, true, {}};
        case RegisterAccess::InUse:
            return {nullptr, false, lockedMessage(shown)};
        case RegisterAccess::Unusable:
            break;
    }
    return {nullptr, false, lockFailedMessage(shown, u"A zárolófájl nem hozható létre."_s)};
}

QString noDisplayMessage() {
    return u"A Velmarok ablakos program, de nincs elérhető képernyő (DISPLAY).\n"
           "Indítsa grafikus felületről, vagy képernyő nélkül így: "
           "QT_QPA_PLATFORM=offscreen velmarok\n"
           "Velmarok is a desktop program and found no display to show its window on.\n"_s;
}

QString lockedMessage(const QString& folder) {
    return u"A nyilvántartást ebben a mappában már használja a program egy másik példánya:\r\n"
           "%1\r\n\r\nEgyszerre csak egy példány dolgozhat rajta."_s.arg(folder);
}

QString lockFailedMessage(const QString& folder, const QString& reason) {
    return u"A nyilvántartás mappája nem használható:\r\n%1\r\n\r\n%2"_s.arg(folder, reason);
}

QString recoveryFailedMessage(const QString& reason) {
    return u"A nyilvántartás legutóbbi, félbeszakadt műveletét nem sikerült sem befejezni, sem "
           "visszavonni:\r\n%1\r\n\r\nA program most kilép, és a nyilvántartás fájljaihoz "
           "nem nyúl. Ha az ok elhárult (például ismét van hely a lemezen), a következő "
           "indításkor újra megpróbálja; a sérült velmarok.journal fájlt szakembernek kell "
           "megvizsgálnia."_s.arg(reason);
}

}  // namespace app
