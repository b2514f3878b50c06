#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringView>

// The sidecar database Velmarok.sqlite in the register's folder. It holds what the legacy
// record files have no room for (the register log first); the record files never depend on
// it. SQLite through Qt SQL, with the rollback journal (registers live on network shares,
// where a write-ahead log is unsafe), a schema version and a list of migrations.
namespace eventlog {

inline constexpr QStringView kDatabaseName = u"Velmarok.sqlite";
// SQLite's application_id of this program's database ("VLMK").
inline constexpr int kApplicationId = 0x564C4D4B;

QString databasePath(const QString& programFolder);
// The schema version this program writes (PRAGMA user_version).
int schemaVersion();

// One connection with a name of its own, removed again when the object goes.
class Connection {
public:
    enum class Mode { ReadWrite, ReadOnly };
    // ReadOnly never creates the file; ReadWrite creates a missing one.
    Connection(const QString& path, Mode mode);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return open_; }
    QSqlDatabase database() const;
    QString errorText() const { return errorText_; }

private:
    QString name_;
    bool open_ = false;
    QString errorText_;
};

// What an existing database turned out to be.
enum class Verdict {
    Empty,    // a new, empty SQLite file: it is made this program's
    Ours,     // this program's, at this or another schema version
    Foreign,  // another application's database, or ours at a version that lacks our tables
    Damaged,  // no SQLite file, or one that fails SQLite's integrity check
};
// Looks at the database behind an open connection. `quick` skips SQLite's integrity check,
// which reads the whole file.
Verdict inspect(const QSqlDatabase& db, bool quick = false);

// Creates the tables of an empty database, or brings an older one up to schemaVersion(),
// in one transaction. A newer database is left at its version: its later tables and
// columns are none of this program's business, and it writes only what it knows.
bool migrate(QSqlDatabase& db, QString* errorText = nullptr);

// Renames a damaged or foreign database aside, with its rollback journal, as
// "Velmarok-serult-2024-06-14-103000.sqlite" beside it (-2, -3 ... when taken). Returns the
// new file name, or an empty text when it could not be renamed.
QString setAside(const QString& path, const QDateTime& now);

}  // namespace eventlog
