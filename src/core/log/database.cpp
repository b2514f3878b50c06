#include "log/database.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace eventlog {
namespace {

// One step of the schema: the statements that take the database to `version`. Entries are
// only ever appended; a released step is never changed.
struct Migration {
    int version;
    std::initializer_list<QStringView> statements;
};

const Migration kMigrations[] = {
    {1,
     {
         // One row per operation of the register. `operation` is the store's operation id, so
         // an entry heard twice (at commit and again at start-up recovery) is kept once.
         u"CREATE TABLE log ("
         u" id INTEGER PRIMARY KEY,"
         u" operation TEXT NOT NULL UNIQUE,"
         u" time TEXT NOT NULL,"
         u" user TEXT NOT NULL,"
         u" kind TEXT NOT NULL,"
         u" year INTEGER NOT NULL DEFAULT 0,"
         u" number TEXT NOT NULL DEFAULT '',"
         u" summary TEXT NOT NULL DEFAULT '',"
         u" search TEXT NOT NULL DEFAULT '',"
         u" file TEXT NOT NULL DEFAULT '',"
         u" record INTEGER NOT NULL DEFAULT 0,"
         u" remark TEXT NOT NULL DEFAULT '',"
         u" source TEXT NOT NULL DEFAULT '')",
         u"CREATE INDEX log_year ON log(year)",
         u"CREATE INDEX log_kind ON log(kind)",
         u"CREATE INDEX log_user ON log(user)",
         // The record bytes of an entry, by its id. Apart from the list's columns, so the
         // text filter scans a third of the bytes.
         u"CREATE TABLE log_records ("
         u" entry INTEGER PRIMARY KEY,"
         u" record_before BLOB,"
         u" record_after BLOB,"
         u" document_before BLOB,"
         u" document_after BLOB)",
     }},
};

// The tables and columns this program reads and writes; a newer schema must still have them.
struct Table {
    QStringView name;
    std::initializer_list<QStringView> columns;
};
const Table kTables[] = {
    {u"log",
     {u"id", u"operation", u"time", u"user", u"kind", u"year", u"number", u"summary", u"search",
      u"file", u"record", u"remark", u"source"}},
    {u"log_records",
     {u"entry", u"record_before", u"record_after", u"document_before", u"document_after"}},
};

std::optional<QVariant> scalar(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql) || !query.next())
        return std::nullopt;
    return query.value(0);
}

bool hasLogColumns(const QSqlDatabase& db) {
    for (const Table& table : kTables) {
        QSqlQuery query(db);
        if (!query.exec(u"PRAGMA table_info(%1)"_s.arg(table.name)))
            return false;
        QStringList present;
        while (query.next())
            present << query.value(1).toString();
        for (QStringView column : table.columns) {
            if (!present.contains(column))
                return false;
        }
    }
    return true;
}

}  // namespace

QString databasePath(const QString& programFolder) {
    return programFolder + u'/' + kDatabaseName;
}

int schemaVersion() {
    return std::end(kMigrations)[-1].version;
}

Connection::Connection(const QString& path, Mode mode) {
    static QAtomicInt counter;
    name_ = u"velmarok-sidecar-%1"_s.arg(counter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name_);
    if (!db.isValid()) {
        errorText_ = u"Az SQLite adatbázis-meghajtó (libqt6sql6-sqlite) nincs telepítve."_s;
        return;
    }
    db.setDatabaseName(path);
    // A second reader (the log window) waits for a writer instead of failing at once.
    QString options = u"QSQLITE_BUSY_TIMEOUT=5000"_s;
    if (mode == Mode::ReadOnly)
        options += u";QSQLITE_OPEN_READONLY"_s;
    db.setConnectOptions(options);
    open_ = db.open();
    if (!open_)
        errorText_ = db.lastError().text();
}

Connection::~Connection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::database() const {
    return QSqlDatabase::database(name_, false);
}

Verdict inspect(const QSqlDatabase& db, bool quick) {
    // A file that is no SQLite database fails the first statement that reads it.
    const auto applicationId = scalar(db, u"PRAGMA application_id"_s);
    const auto tables = scalar(db, u"SELECT count(*) FROM sqlite_master"_s);
    if (!applicationId || !tables)
        return Verdict::Damaged;
    if (applicationId->toInt() == 0 && tables->toInt() == 0)
        return Verdict::Empty;
    if (applicationId->toInt() != kApplicationId || !hasLogColumns(db))
        return Verdict::Foreign;
    if (!quick) {
        const auto check = scalar(db, u"PRAGMA quick_check"_s);
        if (!check || check->toString() != u"ok")
            return Verdict::Damaged;
    }
    return Verdict::Ours;
}

bool migrate(QSqlDatabase& db, QString* errorText) {
    const int from = scalar(db, u"PRAGMA user_version"_s).value_or(0).toInt();
    if (from >= schemaVersion())
        return true;
    QSqlQuery query(db);
    auto fail = [&] {
        if (errorText)
            *errorText = query.lastError().text();
        query.finish();
        db.rollback();
        return false;
    };
    if (!db.transaction())
        return fail();
    if (from == 0 && !query.exec(u"PRAGMA application_id=%1"_s.arg(kApplicationId)))
        return fail();
    for (const Migration& migration : kMigrations) {
        if (migration.version <= from)
            continue;
        for (QStringView statement : migration.statements) {
            if (!query.exec(statement.toString()))
                return fail();
        }
    }
    if (!query.exec(u"PRAGMA user_version=%1"_s.arg(schemaVersion())))
        return fail();
    query.finish();
    if (!db.commit())
        return fail();
    return true;
}

QString setAside(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    const QString stem = u"Velmarok-serult-"_s + now.toString(u"yyyy-MM-dd-HHmmss"_s);
    QString name = stem + u".sqlite"_s;
    for (int n = 2; QFileInfo::exists(info.absolutePath() + u'/' + name) ||
                    QFileInfo::exists(info.absolutePath() + u'/' + name + u"-journal"_s);
         ++n) {
        name = stem + u'-' + QString::number(n) + u".sqlite"_s;
    }
    const QString target = info.absolutePath() + u'/' + name;
    if (!QFile::rename(path, target))
        return {};
    // A journal left beside it belongs to that file: with it, SQLite can still roll back.
    const QString journal = path + u"-journal"_s;
    if (QFileInfo::exists(journal))
        QFile::rename(journal, target + u"-journal"_s);
    return name;
}

}  // namespace eventlog
