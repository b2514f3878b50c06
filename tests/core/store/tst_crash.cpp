// Every operation of the register ended at each of its file-system calls (in a child process,
// as a kill ends it; after every third kill point the recovery too, at each of its own), and
// failed at each: then the whole register folder is exactly the one before or the one after,
// and the observer heard exactly that. Under the address sanitizer, where forks are slow,
// every fourth kill point only. `make crashtest` takes them all on a bigger year.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <algorithm>
#include <functional>

#include "backup/yearbackup.h"
#include "register/changes.h"
#include "register/recording.h"
#include "settings/clientlist.h"
#include "settings/groupfile.h"
#include "store/filesystem.h"
#include "store/oledate.h"
#include "store/operation.h"
#include "support/tempregister.h"
#include "tools/demoregister.h"

using namespace Qt::StringLiterals;
using testing::TempRegister;
using Tree = TempRegister::Tree;

namespace {

constexpr int kYear = 2024;

// Keeps what it hears in a file outside the register, so that a killed child's calls count.
// A run has one operation, in effect when the last call was committing().
struct LogObserver : store::OperationObserver {
    QString path;
    bool refuse = false;
    bool committing(const store::OperationRecord&) override { return note("+") && !refuse; }
    void undone(const QString&) override { note("-"); }
    bool note(const char* call) {
        QFile file(path);
        return file.open(QIODevice::Append) && file.write(call) == 1;
    }
    bool present() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll().endsWith('+');
    }
};

// Several files at once: two replaced (one of them new), one appended to over a trailing
// partial record, one written in place and one created by a write.
bool severalFiles(const store::Paths& paths) {
    store::Operation operation(paths, u"synthetic"_s);
    operation.replace(paths.programFile(u"Csoportok.dat"), QByteArray(96, 'c'), u"nevx.dat"_s);
    operation.replace(paths.yearFile(kYear, u"Új.dat"), "new");
    const QString letters = paths.yearFile(kYear, u"Velmar.dat");
    operation.writeAt(letters, QFileInfo(letters).size() / 258 * 258, QByteArray(258, 'v'));
    operation.writeAt(paths.yearFile(kYear, u"Num.dat"), 0, QByteArray::fromHex("07000900"));
    operation.writeAt(paths.programFile(u"Ugyintezo.dat.new"), 0, QByteArray(40, 'h'));
    return operation.commit().ok;
}

// The table of operations: a file removed from the register first (none: nullptr), and the
// operation, true when it reports success.
using P = const store::Paths&;
bool backUp(P p) {
    return backup::backupYear(p, kYear).ok();
}
bool addClient(P p) {
    return settings::addClient(p, u"Új Ügyfél"_s, 4321) == settings::AddResult::Added;
}
// A letter as the entry fields give it, dated in the year, to a new correspondent and handler
// (and with "first ..." rows, without Num.dat or KiIrat.dat).
reg::LetterEntry entry() {
    reg::LetterEntry e;
    e.datum = store::oleFromDate(QDate(kYear, 3, 1));
    e.incoming = true;
    e.elotag = u"B/"_s;
    e.evszam = u"/2024"_s;
    e.kitolKinek = u"Új Partner Kft."_s;
    e.levelTargya = u"Árajánlat"_s;
    e.ugyintezo = u"Új Ügyintéző"_s;
    return e;
}
bool recordLetter(P p) {
    const reg::LetterEntry e = entry();
    return reg::recordLetter(p, kYear, e, reg::checkNumbers(e).numbers,
                             {u"a.pdf"_s, u"\"a.pdf\""_s, u"\"/d/a.pdf\""_s}, {})
               .result == reg::RecordOutcome::Result::Recorded;
}
reg::SelectedLetter selected(P p, qint64 record) {
    const store::RecordFile letters(p.yearFile(kYear, store::files::Velmar),
                                    store::LevelRekord::Size);
    return {{QString::number(kYear), record}, letters.readBytes(record)};
}
// The letter's correspondent keeps its name and gets another client number: every client of
// the name is renumbered with it.
bool modifyLetter(P p) {
    const reg::SelectedLetter letter = selected(p, 2);
    reg::LetterEntry e = entry();
    e.kitolKinek = letter.letter().KitolKinek;
    e.ugyfelszam = u"4321"_s;
    return reg::modifyLetter(p, letter, e, reg::checkNumbers(e).numbers, {}).result ==
           reg::ChangeResult::Done;
}
bool deleteLetter(P p) {
    return reg::deleteLetter(p, selected(p, 3)).result == reg::ChangeResult::Done;
}
const struct Scenario {
    const char* name;
    const char16_t* missing;
    bool (*run)(P);
} kScenarios[] = {
    {"several files", nullptr, severalFiles},
    {"recording", nullptr, recordLetter},
    {"first recording", u"2024/KiIrat.dat", recordLetter},
    {"modification", nullptr, modifyLetter},
    {"deletion", nullptr, deleteLetter},
    {"backup", nullptr, backUp},
    {"first backup", u"2024/Mentés.dat", backUp},
    {"restore", nullptr, [](P p) { return backup::restoreYear(p, kYear).ok(); }},
    {"client add", nullptr, addClient},
    {"first client add", u"UszNum.dat", addClient},
    {"client change", nullptr, [](P p) { return settings::changeClient(p, 2, u"Más Név"_s, 7); }},
    {"client remove", nullptr, [](P p) { return settings::removeClient(p, 2).ok(); }},
    {"group add", nullptr, [](P p) { return groups::addGroup(p, u"Pénzügy"_s, u"P"_s); }},
    {"group delete", nullptr, [](P p) { return groups::deleteGroup(p, 1).ok(); }},
};

// A demo register whose files are all 0660, with a backup and a trailing partial record
// behind the letters and the groups.
void layDown(const TempRegister& reg, const char16_t* missing) {
    testing::DemoOptions options;
    options.year = kYear;
    options.letters = std::max(6, qEnvironmentVariableIntValue("VELMAROK_CRASH_LETTERS"));
    options.clients = 5;
    QVERIFY(testing::writeDemoRegister(reg.folder(), options));
    reg.write(reg.yearFile(kYear, u"Mentés.dat"), reg.readYear(kYear, u"Velmar.dat").left(774));
    for (const QString& path :
         {reg.yearFile(kYear, u"Velmar.dat"), reg.programFile(u"Csoportok.dat")})
        reg.write(path, reg.read(path) + "partial");
    Tree tree = reg.tree();
    tree.remove(QString::fromUtf16(missing ? missing : u""));
    for (QByteArray& file : tree)
        file.replace(0, file.indexOf(' '), "6660");
    reg.restore(tree);
}

}  // namespace

class CrashTest : public QObject {
    Q_OBJECT
    int operations_ = 0, kills_ = 0, recoveryKills_ = 0, failures_ = 0;

private slots:
    void initTestCase() {
        ::umask(022);
        // A kill does not depend on the medium; registers are copied quicker in memory.
        if (QFileInfo(u"/dev/shm"_s).isWritable())
            qputenv("TMPDIR", "/dev/shm");
    }
    void cleanupTestCase() {
        qInfo("%d operations, %d kill points, %d recoveries killed, %d failures injected",
              operations_, kills_, recoveryKills_, failures_);
    }

    void killedOrFailedAnywhere_data() {
        QTest::addColumn<int>("scenario");
        for (int i = 0; i < int(std::size(kScenarios)); ++i)
            QTest::newRow(kScenarios[i].name) << i;
    }
    void killedOrFailedAnywhere() {
        QFETCH(int, scenario);
        const Scenario& operation = kScenarios[scenario];
        TempRegister reg, logFolder;
        LogObserver log;
        log.path = logFolder.programFile(u"log");
        store::Paths paths = reg.paths();
        paths.setObserver(&log);
        const bool full = qEnvironmentVariableIsSet("VELMAROK_CRASH_FULL");
#if defined(__SANITIZE_ADDRESS__)
        const int killStride = full ? 1 : 4, recoveryStride = full ? 1 : 0;
#else
        const int killStride = 1, recoveryStride = full ? 1 : 3;
#endif

        // The operation once, whole: the register before and after, and its calls. Kept files
        // keep 0660, new ones follow the umask.
        layDown(reg, operation.missing);
        const Tree before = reg.tree();
        store::fs::reset({}, false);
        QVERIFY(operation.run(paths));
        const qint64 calls = store::fs::calls();
        const Tree after = reg.tree();
        QVERIFY(before != after);
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY(it.value().startsWith(before.contains(it.key()) ? "6660 " : "6644 "));
        ++operations_;

        enum Expect { Before = 1, After = 2, Either = 3 };
        auto check = [&](const char* what, qint64 n, Expect expect) {
            const Tree now = reg.tree();
            QVERIFY2(((expect & Before) && now == before && !log.present()) ||
                         ((expect & After) && now == after && log.present()),
                     qPrintable(u"%1 at call %2: files %3"_s.arg(
                         QLatin1StringView(what), QString::number(n),
                         QStringList(now.keys()).join(u' '))));
        };
        auto inChild = [&](qint64 n, const std::function<void()>& work) {
            if (const pid_t child = ::fork(); child != 0) {
                int status = 0;
                ::waitpid(child, &status, 0);
                QCOMPARE(WEXITSTATUS(status), store::fs::kExitedByFault);
                return;
            }
            store::fs::reset({store::fs::Fault::Action::Exit, n}, false);
            work();
            ::_exit(0);
        };
        auto recover = [&] {
            store::fs::reset({}, false);
            QCOMPARE(store::recoverOperations(paths).errorText, QString());
        };

        for (qint64 n = 1; n <= calls && !QTest::currentTestFailed(); n += killStride) {
            reg.restore(before);
            QFile::remove(log.path);
            inChild(n, [&] { operation.run(paths); });
            const Tree killed = reg.tree();
            const QByteArray heard = reg.read(log.path);
            recover();
            check("killed", n, Either);
            ++kills_;
            const qint64 recoveryCalls =
                recoveryStride && n % recoveryStride == 0 ? store::fs::calls() : 0;
            for (qint64 m = 1; m <= recoveryCalls; ++m, ++recoveryKills_) {
                reg.restore(killed);
                reg.write(log.path, heard);
                inChild(m, [&] { store::recoverOperations(paths); });
                recover();
                check("recovery killed", m, Either);
            }
        }
        // Refused by the observer, or reported failed: undone at once. Reported done (after the
        // point of no return): only the clean-up may be left to the next start.
        reg.restore(before);
        QFile::remove(log.path);
        log.refuse = true;
        QVERIFY(!operation.run(paths));
        check("refused", 0, Before);
        log.refuse = false;
        for (qint64 n = 1; n <= calls && !QTest::currentTestFailed(); ++n, ++failures_) {
            reg.restore(before);
            QFile::remove(log.path);
            store::fs::reset({store::fs::Fault::Action::Fail, n, n % 2 ? ENOSPC : EIO}, false);
            if (operation.run(paths)) {
                recover();
                check("failed after the point of no return", n, After);
            } else {
                check("failed", n, Before);
            }
        }
        store::fs::reset();
    }
};

QTEST_APPLESS_MAIN(CrashTest)
#include "tst_crash.moc"
