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
        QTest::newRow("nothing") << QStringList{} << int(A::Run) << false;
        QTest::newRow("folder") << QStringList{QDir::tempPath()} << int(A::Run) << true;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << int(A::Help) << false;
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << int(A::Version)
                                 << false;
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--frobnicate")} << int(A::Error) << false;
        QTest::newRow("two folders")
            << QStringList{QDir::tempPath(), QDir::tempPath()} << int(A::Error) << true;
        QTest::newRow("missing folder")
            << QStringList{QStringLiteral("/nincs/ilyen/mappa")} << int(A::Error) << true;
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
    }

    void versionComesFromTheBuild() {
        const app::CommandLine line = app::parseCommandLine({QStringLiteral("--version")});
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
        QVERIFY(first.ok());
        const app::RegisterLock second = app::lockRegister(reg.folder());
        QVERIFY(!second.ok());
        QVERIFY(second.message.contains(QDir::toNativeSeparators(reg.folder())));
        QVERIFY(second.message.contains(QStringLiteral("másik példánya")));
    }

    void unwritableFolderIsReported() {
        const app::RegisterLock lock = app::lockRegister(QStringLiteral("/proc/1"));
        QVERIFY(!lock.ok());
        QVERIFY(lock.message.contains(QStringLiteral("nem használható")));
    }

    void displayDetection_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("available");
        QTest::newRow("none") << QString() << QString() << QString() << false;
        QTest::newRow("x11") << QString() << QStringLiteral(":0") << QString() << true;
        QTest::newRow("wayland") << QString() << QString() << QStringLiteral("wayland-0") << true;
        QTest::newRow("offscreen") << QStringLiteral("offscreen") << QString() << QString() << true;
    }

    void displayDetection() {
        QFETCH(QString, platform);
        QFETCH(QString, x11);
        QFETCH(QString, wayland);
        QFETCH(bool, available);
        QCOMPARE(app::displayAvailable(platform, x11, wayland), available);
    }
};

QTEST_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
