// Whole-register snapshots: what a snapshot holds and leaves out, a restore byte for byte, a
// cancelled copy, rotation, and a restore over a register that changed since.

#include <sqlite3.h>

#include <QProcess>
#include <QTest>

#include "backup/snapshot.h"
#include "support/tempregister.h"
#include "tools/demoregister.h"

using namespace testing;
using backup::Outcome;

namespace {

const QDateTime kMoment(QDate(2026, 12, 5), QTime(14, 30));
// Left out of every snapshot, and left alone by a restore.
const QStringList kSkipped = {"velmarok.lock", "2024/xxx.dat", "~5f2c", "Velmarok.sqlite-shm"};

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

// Two years of demo letters, an empty year, a document folder, the sidecar database and
// the files a snapshot leaves out.
void layDown(const TempRegister& r, bool database = true) {
    QVERIFY(writeDemoRegister(r.folder(), {2023, 40, 10, 1, {}}));
    QVERIFY(writeDemoRegister(r.folder(), {2024, 25, 10, 2, {}}));
    r.makeYear(2025);
    r.write(r.folder() + "/iratok/levél 1.pdf", "%PDF-1.4 ő");
    for (const QString& name : kSkipped)
        r.write(r.folder() + '/' + name, "work");
    sqlite3* db = nullptr;
    if (database && sqlite3_open(qPrintable(r.programFile(u"Velmarok.sqlite")), &db) == SQLITE_OK)
        sqlite3_exec(db,
                     "CREATE TABLE log(id INTEGER PRIMARY KEY, text); "
                     "INSERT INTO log(text) VALUES ('rögzítés'), ('törlés')",
                     {}, {}, {});
    sqlite3_close(db);
}

}  // namespace

class SnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void restoredIntoEmptyFolderIsIdentical() {
        TempRegister reg, target, restored;
        layDown(reg);
        const auto made = backup::makeSnapshot(reg.folder(), target.folder(), kMoment, {});
        QVERIFY2(made.done(), qPrintable(made.errorText));
        QCOMPARE(entries(target.folder()), QStringList{"Velmarok-mentés-2026-12-05-1430"});
        QCOMPARE(backup::findSnapshots(target.folder()).value(0).moment, kMoment);
        // The checksum list is sha256sum's own.
        QProcess check;
        check.setWorkingDirectory(made.path);
        check.start("sha256sum", {"--check", "--quiet", "Velmarok-mentés.sha256"});
        QVERIFY(check.waitForFinished() && check.exitCode() == 0);

        QVERIFY(backup::restoreSnapshot(restored.paths(), made.path, {}).done());
        TempRegister::Tree expected = reg.tree(), got = restored.tree();
        for (const QString& name : kSkipped)
            QVERIFY(expected.remove(name));
        // SQLite copies the database page by page: the same rows, not necessarily the same bytes.
        const QByteArray database = got.take("Velmarok.sqlite");
        QVERIFY(database.contains(" SQLite format 3") && database.contains("rögzítés") &&
                database.contains("törlés") && expected.remove("Velmarok.sqlite"));
        QCOMPARE(got, expected);
        QVERIFY(QFileInfo(restored.folder() + "/2025").isDir());
    }

    void cancelledCopyLeavesNothing_data() {
        QTest::addColumn<double>("at");  // the cancelling update, as a share of all updates
        QTest::newRow("first update") << 0.0;
        QTest::newRow("half-way") << 0.5;
        QTest::newRow("reading back the last file") << 1.0;
    }
    void cancelledCopyLeavesNothing() {
        QFETCH(double, at);
        TempRegister reg, dry, target;
        layDown(reg);
        int updates = 0;
        backup::makeSnapshot(reg.folder(), dry.folder(), kMoment,
                             [&](qint64, qint64) { return ++updates > 0; });
        const int cancelAt = qMax(1, int(updates * at));
        int seen = 0;
        const auto made = backup::makeSnapshot(reg.folder(), target.folder(), kMoment,
                                               [&](qint64, qint64) { return ++seen != cancelAt; });
        QCOMPARE(made.outcome, Outcome::Cancelled);
        QCOMPARE(entries(target.folder()), QStringList());
    }

    void rotationKeepsTheNewestTen() {
        TempRegister reg, target;
        reg.write(reg.programFile(u"Setup.dat"), "x");
        QStringList made;  // a day apart, then one more in the first one's minute
        for (int i = 0; i < 13; ++i)
            made << backup::makeSnapshot(reg.folder(), target.folder(), kMoment.addDays(i % 12), {})
                        .path;
        QVERIFY(made[12].endsWith("Velmarok-mentés-2026-12-05-1430-2"));
        QDir().mkpath(target.folder() + "/Velmarok-mentés-régi");  // not one of the snapshots

        QCOMPARE(backup::rotateSnapshots(target.folder(), 10, made[0]),
                 (QStringList{made[1], made[12]}));
        QStringList left;  // oldest first
        for (const backup::SnapshotInfo& s : backup::findSnapshots(target.folder()))
            left.prepend(s.path);
        QCOMPARE(left, QStringList{made[0]} + made.mid(2, 10));
        QVERIFY(entries(target.folder()).contains("Velmarok-mentés-régi"));
    }

    void restoreOverChangedRegister_data() {
        QTest::addColumn<QString>("damage");  // a byte of this snapshot file changed
        QTest::addColumn<bool>("cancel");
        QTest::newRow("restored") << QString() << false;
        QTest::newRow("damaged snapshot changes nothing") << "2024/Velmar.dat" << false;
        QTest::newRow("cancelled changes nothing") << QString() << true;
    }
    void restoreOverChangedRegister() {
        QFETCH(QString, damage);
        QFETCH(bool, cancel);
        TempRegister reg, target;
        layDown(reg, false);
        const QString snapshot =
            backup::makeSnapshot(reg.folder(), target.folder(), kMoment, {}).path;
        const TempRegister::Tree before = reg.tree();
        // Since then: a letter file rewritten, a year begun, a document deleted.
        reg.write(reg.yearFile(2024, u"Velmar.dat"), "changed");
        reg.write(reg.yearFile(2026, u"Velmar.dat"), "new year");
        QFile::remove(reg.folder() + "/iratok/levél 1.pdf");
        const TempRegister::Tree changed = reg.tree();
        QFile file(snapshot + '/' + damage);
        if (!damage.isEmpty())
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(300) && file.write("?") == 1);
        file.close();

        const auto restored = backup::restoreSnapshot(reg.paths(), snapshot,
                                                      [cancel](qint64, qint64) { return !cancel; });
        const bool done = damage.isEmpty() && !cancel;
        QCOMPARE(restored.outcome, done     ? Outcome::Done
                                   : cancel ? Outcome::Cancelled
                                            : Outcome::Failed);
        QCOMPARE(reg.tree(), done ? before : changed);
        QCOMPARE(QFileInfo::exists(reg.folder() + "/2026"), !done);
        QCOMPARE(restored.errorText.endsWith("2024/Velmar.dat: a mentés sérült"),
                 !damage.isEmpty());
    }
};

QTEST_APPLESS_MAIN(SnapshotTest)
#include "tst_snapshot.moc"
