// Every operation of the register, ended at each of its file-system calls (in a child process,
// as a kill would end it; then the recovery too, at each of its calls) and failed at each of
// them. After a restart the register, across all its files, is exactly the one before or the
// one after, and the observer heard exactly that. The recovery is ended at each of its calls
// after every third kill point. A process forks a hundred times slower under the address
// sanitizer: there only every fourth kill point is taken, and the recovery is not ended.
// VELMAROK_CRASH_FULL takes every kill point and ends the recovery after each;
// VELMAROK_CRASH_LETTERS sets the size of the year (both set by `make crashtest`).

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSet>
#include <QTest>
#include <functional>

#include "backup/yearbackup.h"
#include "settings/clientlist.h"
#include "settings/groupfile.h"
#include "store/filesystem.h"
#include "store/operation.h"
#include "support/tempregister.h"
#include "tools/demoregister.h"

using namespace Qt::StringLiterals;
using testing::TempRegister;

namespace {

constexpr int kYear = 2024;

using Tree = TempRegister::Tree;

struct Strides {
    int kill, recovery;  // every how many kill points is taken, and the recovery ended there
};
Strides strides() {
    if (qEnvironmentVariableIsSet("VELMAROK_CRASH_FULL"))
        return {1, 1};
#if defined(__SANITIZE_ADDRESS__)
    return {4, 0};
#else
    return {1, 3};
#endif
}

// Keeps what it hears in a file outside the register, so a killed child's calls count too.
class LogObserver : public store::OperationObserver {
public:
    explicit LogObserver(QString path) : path_(std::move(path)) {}
    bool committing(const store::OperationRecord& operation) override {
        return append('+' + operation.id);
    }
    void undone(const QString& id) override { append('-' + id); }
    // The operations in effect: the last call for each was committing().
    QSet<QString> present() const {
        QFile file(path_);
        file.open(QIODevice::ReadOnly);
        QSet<QString> ids;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith('+'))
                ids.insert(QString::fromLatin1(line.mid(1)));
            else if (line.startsWith('-'))
                ids.remove(QString::fromLatin1(line.mid(1)));
        }
        return ids;
    }

private:
    bool append(const QString& line) {
        const int fd = ::open(QFile::encodeName(path_).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        const QByteArray bytes = line.toLatin1() + '\n';
        const bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
        ::close(fd);
        return ok;
    }
    QString path_;
};

// One operation: lays down the register before it, and runs it (true: it reports success).
struct Scenario {
    std::function<void(const TempRegister&)> setUp;
    std::function<bool(const store::Paths&)> run;
};

QByteArray bytesOf(char fill, int size) {
    return QByteArray(size, fill);
}

// Several files at once: two replaced (one of them new), one appended to over a trailing
// partial record, one written in place and one created by a write.
bool synthetic(const store::Paths& paths) {
    store::Operation operation(paths, QStringLiteral("synthetic"));
    operation.replace(paths.programFile(u"Csoportok.dat"), bytesOf('c', 96),
                      QStringLiteral("nevx.dat"));
    operation.replace(paths.yearFile(kYear, u"Új.dat"), bytesOf('u', 10));
    operation.writeAt(paths.yearFile(kYear, u"Velmar.dat"),
                      store::RecordFile(paths.yearFile(kYear, u"Velmar.dat"), 258).count() * 258,
                      bytesOf('v', 258));
    operation.writeAt(paths.yearFile(kYear, u"Num.dat"), 0, QByteArray("\x07\x00\x09\x00", 4));
    operation.writeAt(paths.programFile(u"Ugyintezo.dat.new"), 0, bytesOf('h', 40));
    return operation.commit().ok;
}

QMap<QString, Scenario> scenarios() {
    const auto none = [](const TempRegister&) {};
    return {
        {"several files", {none, synthetic}},
        {"backup", {none, [](const store::Paths& p) { return backup::backupYear(p, kYear).ok(); }}},
        {"first backup",
         {[](const TempRegister& r) { QFile::remove(r.yearFile(kYear, u"Mentés.dat")); },
          [](const store::Paths& p) { return backup::backupYear(p, kYear).ok(); }}},
        {"restore",
         {none, [](const store::Paths& p) { return backup::restoreYear(p, kYear).ok(); }}},
        {"client add",
         {none,
          [](const store::Paths& p) {
              return settings::addClient(p, QStringLiteral("Új Ügyfél"), 4321) ==
                     settings::AddResult::Added;
          }}},
        {"first client add",
         {[](const TempRegister& r) { QFile::remove(r.programFile(u"UszNum.dat")); },
          [](const store::Paths& p) {
              return settings::addClient(p, QStringLiteral("Új Ügyfél"), 4321) ==
                     settings::AddResult::Added;
          }}},
        {"client change",
         {none,
          [](const store::Paths& p) {
              return settings::changeClient(p, 2, QStringLiteral("Más Név"), 77);
          }}},
        {"client remove",
         {none, [](const store::Paths& p) { return settings::removeClient(p, 2).ok(); }}},
        {"group add",
         {none,
          [](const store::Paths& p) {
              return groups::addGroup(p, QStringLiteral("Pénzügy"), QStringLiteral("P"));
          }}},
        {"group delete",
         {none, [](const store::Paths& p) { return groups::deleteGroup(p, 1).ok(); }}},
    };
}

// The register every scenario starts from: a demo register whose files are 0660, with a
// backup and a trailing partial record behind the letters and the groups.
void layDown(const TempRegister& reg, const Scenario& scenario) {
    testing::DemoOptions options;
    options.year = kYear;
    options.letters = qEnvironmentVariableIntValue("VELMAROK_CRASH_LETTERS");
    options.letters = options.letters > 0 ? options.letters : 6;
    options.clients = 5;
    QVERIFY(testing::writeDemoRegister(reg.folder(), options));
    reg.write(reg.yearFile(kYear, u"Mentés.dat"), reg.readYear(kYear, u"Velmar.dat").left(3 * 258));
    for (const QString& path :
         {reg.yearFile(kYear, u"Velmar.dat"), reg.programFile(u"Csoportok.dat")})
        reg.write(path, reg.read(path) + "partial");
    scenario.setUp(reg);
    Tree tree = reg.tree();
    for (QByteArray& file : tree)
        file.replace(0, file.indexOf(' '), "6660");
    reg.restore(tree);
}

}  // namespace

class CrashTest : public QObject {
    Q_OBJECT

    struct Figures {
        int operations = 0, killPoints = 0, recoveryKills = 0, failures = 0;
    } figures_;

private slots:
    void initTestCase() {
        ::umask(022);
        // A kill does not depend on the medium; memory is quicker to copy registers to.
        if (QFileInfo(u"/dev/shm"_s).isWritable())
            qputenv("TMPDIR", "/dev/shm");
    }
    void cleanupTestCase() {
        qInfo("%d operations, %d kill points, %d recoveries killed, %d failures injected",
              figures_.operations, figures_.killPoints, figures_.recoveryKills, figures_.failures);
    }

    void killedOrFailedAnywhere_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : scenarios().keys())
            QTest::newRow(qPrintable(name)) << name;
    }
    void killedOrFailedAnywhere() {
        QFETCH(QString, name);
        const Scenario scenario = scenarios().value(name);
        TempRegister reg, logFolder;
        const QString logPath = logFolder.programFile(u"log");
        LogObserver log(logPath);
        store::Paths paths = reg.paths();
        paths.setObserver(&log);

        // The operation once, whole: the register before and after, and its calls.
        layDown(reg, scenario);
        const Tree before = reg.tree();
        store::fs::reset({}, false);
        QVERIFY(scenario.run(paths));
        const qint64 calls = store::fs::calls();
        const Tree after = reg.tree();
        QVERIFY(before != after);
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            // Kept files keep 0660; new ones follow the umask.
            QVERIFY2(it.value().startsWith(before.contains(it.key()) ? "6660 " : "6644 "),
                     qPrintable(it.key()));
        }
        ++figures_.operations;

        // The register is the one before or the one after, and the observer agrees.
        enum Expect { Before = 1, After = 2, Either = 3 };
        auto check = [&](const char* what, qint64 n, Expect expect) {
            const Tree now = reg.tree();
            const qsizetype present = log.present().size();
            const bool asBefore = now == before && present == 0;
            const bool asAfter = now == after && present == 1;
            QVERIFY2(((expect & Before) && asBefore) || ((expect & After) && asAfter),
                     qPrintable(u"%1 at call %2: %3 operations present, files %4"_s.arg(
                         QLatin1StringView(what), QString::number(n), QString::number(present),
                         QStringList(now.keys()).join(u' '))));
        };
        auto inChild = [&](store::fs::Fault fault, const std::function<void()>& work) {
            const pid_t child = ::fork();
            if (child == 0) {
                store::fs::reset(fault, false);
                work();
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        };
        auto recover = [&] {
            store::fs::reset({}, false);
            const store::RecoveryResult result = store::recoverOperations(paths);
            QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
        };

        const Strides stride = strides();
        for (qint64 n = 1; n <= calls; n += stride.kill) {
            reg.restore(before);
            QFile::remove(logPath);
            const int status =
                inChild({store::fs::Fault::Action::Exit, n}, [&] { (void)scenario.run(paths); });
            QCOMPARE(status, store::fs::kExitedByFault);
            ++figures_.killPoints;
            const Tree killed = reg.tree();
            const QByteArray heard = reg.read(logPath);
            recover();
            check("killed", n, Either);
            // The recovery itself killed at each of its calls, then run to its end.
            const qint64 recoveryCalls =
                stride.recovery && n % stride.recovery == 0 ? store::fs::calls() : 0;
            for (qint64 m = 1; m <= recoveryCalls; ++m) {
                reg.restore(killed);
                reg.write(logPath, heard);
                QCOMPARE(inChild({store::fs::Fault::Action::Exit, m},
                                 [&] { (void)store::recoverOperations(paths); }),
                         store::fs::kExitedByFault);
                recover();
                check("recovery killed", m, Either);
                ++figures_.recoveryKills;
            }
            if (QTest::currentTestFailed())
                return;
        }

        for (qint64 n = 1; n <= calls; ++n) {
            reg.restore(before);
            QFile::remove(logPath);
            store::fs::reset({store::fs::Fault::Action::Fail, n, n % 2 ? ENOSPC : EIO}, false);
            // Reported failed: undone at once. Reported done after the point of no return:
            // only the clean-up may be left to the next start.
            if (!scenario.run(paths)) {
                check("failed", n, Before);
            } else {
                recover();
                check("failed after the point of no return", n, After);
            }
            ++figures_.failures;
            if (QTest::currentTestFailed())
                return;
        }
        store::fs::reset();
    }
};

QTEST_APPLESS_MAIN(CrashTest)
#include "tst_crash.moc"
