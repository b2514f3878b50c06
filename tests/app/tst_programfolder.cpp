// Where the register lives, the command line and the lock against a second copy.

#include <QDir>
#include <QTest>

#include "app/programfolder.h"
#include "support/tempregister.h"

using testing::TempRegister;

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("hasFolder");
        using A = app::CommandLine::Action;
        const QString temp = QDir::tempPath();
        QTest::newRow("nothing") << QStringList{} << int(A::Run) << false;
        QTest::newRow("folder") << QStringList{temp} << int(A::Run) << true;
        QTest::newRow("help") << QStringList{"--help"} << int(A::Help) << false;
        QTest::newRow("version") << QStringList{"--version"} << int(A::Version) << false;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << int(A::Error) << false;
        QTest::newRow("two folders") << QStringList{temp, temp} << int(A::Error) << true;
        QTest::newRow("missing folder")
            << QStringList{"/nincs/ilyen/mappa"} << int(A::Error) << true;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(bool, hasFolder);
        const app::CommandLine line = app::parseCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(!line.folder.isEmpty(), hasFolder);
        if (line.action != app::CommandLine::Action::Run)
            QVERIFY(!line.message.isEmpty());
        if (line.action == app::CommandLine::Action::Version)
            QCOMPARE(line.message, QStringLiteral("velmarok %1.%2.%3\n")
                                       .arg(VELMAROK_VERSION_MAJOR)
                                       .arg(VELMAROK_VERSION_MINOR)
                                       .arg(VELMAROK_VERSION_PATCH));
    }

    void folderChoice() {
        TempRegister given, executable, userData;
        // A folder given on the command line wins.
        QCOMPARE(app::chooseProgramFolder(given.folder(), executable.folder(), userData.folder()),
                 QDir(given.folder()).absolutePath());
        // Without one, the user's data folder, unless the program's own folder holds a register.
        QCOMPARE(app::chooseProgramFolder({}, executable.folder(), userData.folder()),
                 QDir(userData.folder()).absolutePath());
        executable.write(executable.programFile(u"SETUP.DAT"), QByteArray(522, '\0'));
        QCOMPARE(app::chooseProgramFolder({}, executable.folder(), userData.folder()),
                 QDir(executable.folder()).absolutePath());
    }

    void secondCopyIsRefused() {
        TempRegister reg;
        const app::RegisterLock first = app::lockRegister(reg.folder());
        const app::RegisterLock second = app::lockRegister(reg.folder());
        QVERIFY(first.ok() && !second.ok());
        QVERIFY(second.message.contains(QDir::toNativeSeparators(reg.folder())) &&
                second.message.contains(QStringLiteral("másik példánya")));
    }

    // What a lock file that cannot be taken means: another copy at work, a register that may
    // only be read (no right to write there, a read-only medium, a lock left on one), or a
    // folder of no use.
    void access() {
        using A = app::RegisterAccess;
        const struct {
            QLockFile::LockError lock;
            bool mayWrite, mayRead;
            A access;
        } cases[] = {{QLockFile::NoError, true, true, A::Write},
                     {QLockFile::LockFailedError, true, true, A::InUse},
                     {QLockFile::LockFailedError, false, true, A::ReadOnly},
                     {QLockFile::PermissionError, true, true, A::ReadOnly},  // EACCES, EROFS
                     {QLockFile::UnknownError, false, true, A::ReadOnly},
                     {QLockFile::UnknownError, true, true, A::Unusable},
                     {QLockFile::PermissionError, false, false, A::Unusable}};
        for (const auto& c : cases)
            QCOMPARE(app::registerAccess(c.lock, c.mayWrite, c.mayRead), c.access);
    }
};

QTEST_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
