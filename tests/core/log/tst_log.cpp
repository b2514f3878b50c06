// The register log: its entries as operations commit and are undone, the sidecar database's
// handling of damaged and foreign files, bringing a deleted letter back, and the export.

#include <QSqlQuery>
#include <QTest>
#include <QUuid>

#include "backup/yearbackup.h"
#include "log/csv.h"
#include "log/database.h"
#include "log/fields.h"
#include "log/log.h"
#include "log/restore.h"
#include "settings/clientlist.h"
#include "settings/groupfile.h"
#include "support/tempregister.h"

using namespace Qt::StringLiterals;
using namespace testing;
using namespace eventlog;

namespace {

const QDateTime kNow(QDate(2024, 6, 14), QTime(10, 30));

store::OperationRecord operation(QStringView kind, const Change& change) {
    return {QUuid::createUuid().toString(), kind.toString(), note(change)};
}

QByteArray letterBytes(qint16 serial, const QString& correspondent, const QString& subject = {}) {
    store::LevelRekord r = letter(QDate(2024, 3, 1), true, serial, correspondent);
    r.LevelTargya = subject;
    return r.toBytes();
}

QByteArray documentBytes(const QString& name) {
    return store::IratRekord{u'"' + name + u'"', u"\"/iratok/" + name + u'"'}.toBytes();
}

// A register whose log hears its operations, at the test's moment.
struct Logged {
    TempRegister files;
    Log log{files.folder()};
    store::Paths paths = files.paths();
    Logged() {
        log.setClock([] { return kNow; });
        paths.setObserver(&log);
    }
    Entry newest() const {
        LogReader reader(files.folder());
        return *reader.entry(reader.page({}, 0, 1).at(0).id);
    }
};

// Runs a SQL script on a database file of the test's own making.
void runSql(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
}

}  // namespace

Q_DECLARE_METATYPE(eventlog::Filter)

class LogTest : public QObject {
    Q_OBJECT

private slots:
    // Opening makes no database; the first entry does. Hearing an operation again (start-up
    // recovery) keeps one entry, and an undone operation loses it.
    void oneEntryPerOperation() {
        Logged t;
        t.log.open();
        t.log.undone(QStringLiteral("none"));
        QVERIFY(!TempRegister::exists(t.log.databasePath()));
        const QByteArray before = letterBytes(15, "Kovács Kft.");
        const auto op = operation(kinds::Deletion, letterChange(2024, 2, before, {}));
        QVERIFY(t.log.committing(op) && t.log.committing(op));
        LogReader reader(t.files.folder());
        QCOMPARE(reader.count({}), 1);
        const Entry e = t.newest();
        QCOMPARE(std::tie(e.operation, e.time, e.user, e.change.number, e.change.before, e.summary),
                 std::tuple(op.id, kNow, currentUser(), u"B/15/2024"_s, before, u"Kovács Kft."_s));
        t.log.undone(op.id);
        t.log.undone(op.id);
        QCOMPARE(reader.count({}), 0);
    }

    // The changes of the program folder's lists and of a year's backup are logged with their
    // kind, the name or year they concern, and the record they change.
    void listChangesAreLogged() {
        Logged t;
        const store::Paths& paths = t.paths;
        t.files.write(t.files.yearFile(2024, u"Velmar.dat"), letterBytes(1, "Ádám"));
        t.log.open();
        QCOMPARE(settings::addClient(paths, u"Kovács Kft."_s, 1001), settings::AddResult::Added);
        QVERIFY(settings::changeClient(paths, 1, u"Kovács Bt."_s, 1002));
        QVERIFY(settings::removeClient(paths, 1).ok());
        QVERIFY(groups::addGroup(paths, u"Pénzügy"_s, u"P"_s));
        QVERIFY(groups::deleteGroup(paths, 1).ok());
        QVERIFY(backup::backupYear(paths, 2024).ok());
        QVERIFY(backup::restoreYear(paths, 2024).ok());

        LogReader reader(t.files.folder());
        QStringList seen;
        for (const Entry& entry : reader.page({}, 0, 10)) {
            const Entry whole = *reader.entry(entry.id);
            seen.prepend(u"%1 %2 %3 %4 %5"_s.arg(entry.kind, entry.change.number)
                             .arg(entry.change.year)
                             .arg(whole.change.before.size())
                             .arg(whole.change.after.size()));
        }
        QCOMPARE(seen, (QStringList{"client-added Kovács Kft. 0 0 44",
                                    "client-changed Kovács Bt. 0 44 44",
                                    "client-removed Kovács Bt. 0 44 0",
                                    "group-added Pénzügy 0 0 32", "group-deleted Pénzügy 0 32 0",
                                    "year-backup  2024 0 0", "year-restore  2024 0 0"}));
    }

    // A database that is no SQLite file, is damaged, or belongs to another program or schema
    // is renamed aside whole and reported once; the next entry starts a new one. An empty
    // file and a later schema of this program's are used as they are.
    void damagedOrForeignDatabase_data() {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QByteArray>("overwrite");  // bytes laid over the file from byte 1024
        QTest::addColumn<bool>("setAside");
        const QString ours = QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId);
        QTest::newRow("no database") << QStringList{} << QByteArray("garbage") << true;
        QTest::newRow("empty file") << QStringList{} << QByteArray() << false;
        QTest::newRow("other program")
            << QStringList{"PRAGMA application_id=7", "CREATE TABLE log (x)"} << QByteArray()
            << true;
        QTest::newRow("no log table")
            << QStringList{ours, "CREATE TABLE t (x)"} << QByteArray() << true;
        QTest::newRow("damaged page")
            << QStringList{"CREATE TABLE t (x)", "INSERT INTO t VALUES (randomblob(3000))"}
            << QByteArray(3000, '\x5A') << true;
        QTest::newRow("later schema")
            << QStringList{ours,
                           "CREATE TABLE log (id INTEGER PRIMARY KEY, operation UNIQUE, time, "
                           "user, kind, year, number, summary, search, file, record, remark, "
                           "source, later)",
                           "CREATE TABLE log_records (entry INTEGER PRIMARY KEY, record_before, "
                           "record_after, document_before, document_after)",
                           "PRAGMA user_version=99"}
            << QByteArray() << false;
    }
    void damagedOrForeignDatabase() {
        QFETCH(QStringList, sql);
        QFETCH(QByteArray, overwrite);
        QFETCH(bool, setAside);
        TempRegister files;
        const QString path = databasePath(files.folder());
        files.write(path, {});
        runSql(path, sql);
        if (!overwrite.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(sql.isEmpty() ? 0 : 1024));
            file.write(overwrite);
        }
        const QByteArray before = files.read(path);

        Log log(files.folder());
        log.setClock([] { return kNow; });
        QStringList reported;
        log.setReporter([&](const QString& name) { reported << name; });
        log.open();
        const QString asideName = u"Velmarok-serult-2024-06-14-103000.sqlite"_s;
        QCOMPARE(reported, setAside ? QStringList{asideName} : QStringList{});
        if (setAside)
            QCOMPARE(files.read(files.programFile(asideName)), before);
        QVERIFY(log.committing(operation(kinds::Counter, {})));
        QCOMPARE(LogReader(files.folder()).count({}), 1);
        QCOMPARE(reported.size(), setAside ? 1 : 0);
    }

    // The legacy files take the same bytes whether the log hears the operations or not, and
    // the log adds no file but its database.
    void legacyFilesAreTheSameWithTheLog() {
        TempRegister with, without;
        Log log(with.folder());
        for (const TempRegister* files : {&with, &without}) {
            store::Paths paths = files->paths();
            if (files == &with)
                paths.setObserver(&log);
            files->makeYear(2024);
            store::Operation recording(paths, kinds::Recording.toString());
            recording.setNote(note(letterChange(2024, 1, {}, letterBytes(1, "Ádám"))));
            recording.writeAt(files->yearFile(2024, u"Velmar.dat"), 0, letterBytes(1, "Ádám"));
            recording.writeAt(files->yearFile(2024, u"Num.dat"), 0, fromHex("0000 0100"));
            QVERIFY(recording.commit().ok);
            Entry deleted;
            deleted.kind = kinds::Deletion.toString();
            deleted.change = letterChange(2024, 5, letterBytes(7, "Éva"), {});
            QVERIFY(restoreDeletedLetter(paths, deleted).result.ok);
        }
        TempRegister::Tree tree = with.tree();
        QVERIFY(tree.remove(kDatabaseName.toString()));
        QCOMPARE(tree, without.tree());
        QCOMPARE(with.readYear(2024, u"KiIrat.dat"), QByteArray(700, ' '));
        QCOMPARE(LogReader(with.folder()).count({}), 2);
    }

    // The letter comes back at the end of its year, its document record at the same number
    // (blank records fill a shorter KiIrat.dat); the restore is logged with its source.
    void deletedLetterComesBack() {
        Logged t;
        const TempRegister& files = t.files;
        const store::Paths& paths = t.paths;
        const QByteArray a = letterBytes(1, "A"), b = letterBytes(2, "B"), c = letterBytes(3, "C");
        files.write(files.yearFile(2024, u"Velmar.dat"), a + b + c);
        files.write(files.yearFile(2024, u"KiIrat.dat"),
                    documentBytes("a.pdf") + documentBytes("b.pdf"));
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0000 0100"));

        store::Operation deletion(paths, kinds::Deletion.toString());
        deletion.setNote(note(*deletionChange(paths, 2024, 2)));
        deletion.replace(files.yearFile(2024, u"Velmar.dat"), a + c);
        deletion.replace(files.yearFile(2024, u"KiIrat.dat"), documentBytes("a.pdf"));
        QVERIFY(deletion.commit().ok);

        const Entry entry = t.newest();
        QVERIFY(restorable(entry));
        QCOMPARE(letterWithNumber(paths, 2024, entry.change.number), 0);
        QCOMPARE(restoreDeletedLetter(paths, entry).record, 3);
        QCOMPARE(files.readYear(2024, u"Velmar.dat"), a + c + b);
        QCOMPARE(files.readYear(2024, u"KiIrat.dat"),
                 documentBytes("a.pdf") + QByteArray(350, ' ') + documentBytes("b.pdf"));
        QCOMPARE(files.readYear(2024, u"Num.dat"), fromHex("0000 0100"));
        QCOMPARE(letterWithNumber(paths, 2024, QStringLiteral("B/2/2024")), 3);
        QVERIFY(serialAboveCounter(paths, 2024, b));
        QVERIFY(!serialAboveCounter(paths, 2024, a));

        const Entry restore = t.newest();
        QCOMPARE(std::tie(restore.kind, restore.change.source, restore.change.record),
                 std::tuple(kinds::LetterRestore.toString(), entry.operation, 3));
        QVERIFY(!restorable(restore));
    }

    // A modification shows only what changed, the letter's and its document's fields alike.
    void modificationFields() {
        Change change = letterChange(2024, 4, letterBytes(4, "Kovács Kft.", "Ajánlat"),
                                     letterBytes(4, "Szabó Bt.", "Ajánlat"), documentBytes("a.doc"),
                                     documentBytes("b.doc"));
        QStringList shown;
        for (const Field& field : changeFields(change))
            shown << field.caption + u'|' + field.before + u'|' + field.after;
        QCOMPARE(shown,
                 (QStringList{"Kinek/Kitől|Kovács Kft.|Szabó Bt.", "Irat neve|\"a.doc\"|\"b.doc\"",
                              "Irat útvonala|\"/iratok/a.doc\"|\"/iratok/b.doc\""}));
        QVERIFY(searchText(change).contains(u"KOVÁCS KFT.") &&
                searchText(change).contains(u"SZABÓ BT."));
    }

    // Newest first, a page at a time; the filters combine, and the text is found in any
    // field before or after, ignoring the case of Hungarian letters.
    void filters_data() {
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("all") << Filter{}
                             << QStringList{"B/4/2024", "B/3/2023", "B/2/2024", "B/1/2024"};
        QTest::newRow("year") << Filter{2023, {}, {}, {}} << QStringList{"B/3/2023"};
        QTest::newRow("kind") << Filter{{}, kinds::Deletion.toString(), {}, {}}
                              << QStringList{"B/4/2024", "B/2/2024"};
        QTest::newRow("user") << Filter{{}, {}, QStringLiteral("nobody"), {}} << QStringList{};
        QTest::newRow("text before")
            << Filter{{}, {}, {}, QStringLiteral(" őRS ")} << QStringList{"B/2/2024"};
        QTest::newRow("year and kind")
            << Filter{2024, kinds::Recording.toString(), {}, {}} << QStringList{"B/1/2024"};
    }
    void filters() {
        QFETCH(Filter, filter);
        QFETCH(QStringList, numbers);
        Logged t;
        for (const auto& [kind, year, serial, name] :
             {std::tuple{kinds::Recording, 2024, 1, "Ádám"},
              {kinds::Deletion, 2024, 2, "Őrs Kft."},
              {kinds::Recording, 2023, 3, "Éva"},
              {kinds::Deletion, 2024, 4, "Ábel"}}) {
            Change change = letterChange(year, 1, letterBytes(qint16(serial), name), {});
            change.number = QStringLiteral("B/%1/%2").arg(serial).arg(year);
            QVERIFY(t.log.committing(operation(kind, change)));
        }
        LogReader reader(t.files.folder());
        QStringList listed;
        for (qint64 offset = 0; offset < reader.count(filter); offset += 3)
            for (const Entry& entry : reader.page(filter, offset, 3))
                listed << entry.change.number;
        QCOMPARE(listed, numbers);
    }

    void csvFields() {
        for (const auto& [text, field] : {std::pair{"Kovács Kft.", "Kovács Kft."},
                                          {"a;b", "\"a;b\""},
                                          {"\"sürgős\"", "\"\"\"sürgős\"\"\""},
                                          {"két\r\nsor", "\"két\r\nsor\""}})
            QCOMPARE(csvField(QString::fromUtf8(text)), QString::fromUtf8(field));
    }

    // The export: a byte order mark, the header, one line per entry; all or nothing.
    void exportWritesTheWholeFile() {
        Logged t;
        QVERIFY(t.log.committing(operation(
            kinds::Deletion, letterChange(2024, 2, letterBytes(15, "Kovács; Kft."), {}))));
        const QString path = t.files.programFile(u"napló.csv");
        const LogReader reader(t.files.folder());
        QVERIFY(exportCsv(reader, {}, path).ok);
        const QList<QByteArray> lines = t.files.read(path).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], "\xEF\xBB\xBF" + csvHeader().toUtf8().chopped(1));
        const QByteArray expected = "2024.06.14. 10:30:00;" + currentUser().toUtf8() +
                                    ";Törlés;2024;B/15/2024;\"Kovács; Kft.\";";
        QVERIFY(lines[1].startsWith(expected));
        QVERIFY(!exportCsv(reader, {}, t.files.yearFile(1999, u"x.csv")).ok);
    }
};

QTEST_APPLESS_MAIN(LogTest)
#include "tst_log.moc"
