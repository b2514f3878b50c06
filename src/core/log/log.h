#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "log/note.h"
#include "store/operation.h"

// The register log: one entry per operation of the register, kept in the sidecar database.
namespace eventlog {

class Connection;

// The operating-system user the program runs as.
QString currentUser();

// Hears every operation of the register (store::Paths::setObserver) and keeps its entry.
//
// The entry is written when the operation's new contents are safely in its work files and
// before they take effect, and removed again when the operation is undone, so a change is
// never in the files without its entry or the other way round. Both calls are idempotent by
// the operation's id: start-up recovery may repeat them.
//
// The database is created with the first entry, never by merely opening a register. One found
// damaged or foreign is renamed aside (database.h) and reported once; a new one takes its
// place with the next entry. Reading the register's files never needs the log.
class Log final : public store::OperationObserver {
public:
    explicit Log(QString programFolder);
    ~Log() override;
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    // The moment an entry records (the system clock unless set).
    void setClock(std::function<QDateTime()> now) { now_ = std::move(now); }
    // Told the file name a damaged or foreign database was renamed to, and why.
    void setReporter(std::function<void(const QString& setAsideName)> report) {
        report_ = std::move(report);
    }

    // Start-up: checks an existing database (SQLite's integrity check too), brings an older
    // schema up to date, and sets a damaged or foreign one aside. Creates nothing.
    void open();

    bool committing(const store::OperationRecord& operation) override;
    void undone(const QString& operationId) override;

    const QString& databasePath() const { return path_; }
    // Why the last entry could not be written.
    const QString& lastError() const { return lastError_; }

private:
    // An open connection to a checked database; `create` makes a missing one.
    bool connect(bool create);
    void setAsideAndReport();
    bool insert(const store::OperationRecord& operation);

    QString path_;
    std::unique_ptr<Connection> connection_;
    std::function<QDateTime()> now_;
    std::function<void(const QString&)> report_;
    QString user_;
    QString lastError_;
    bool lastErrorWasDamage_ = false;
};

// --- Reading the log ---

// What the log window lists; an unset part matches every entry.
struct Filter {
    std::optional<int> year;
    QString kind;
    QString user;
    QString text;  // found in the registration number, any field before or after, ignoring case
};

struct Entry {
    qint64 id = 0;  // order of writing
    QString operation;
    QDateTime time;
    QString user;
    QString kind;
    QString summary;
    Change change;  // year, number and file always; record bytes only from LogReader::entry
};

// The log as a window reads it: its own read-only connection, which never creates the
// database. Entries come newest first, a page at a time.
class LogReader {
public:
    explicit LogReader(const QString& programFolder);
    ~LogReader();

    // False when the register has no log yet (or it cannot be read): every query is empty.
    bool isOpen() const;

    qint64 count(const Filter& filter) const;
    // Entries `offset` .. offset + limit - 1 of those the filter matches, newest first,
    // without their record bytes.
    std::vector<Entry> page(const Filter& filter, qint64 offset, int limit) const;
    // The whole entry, with its record bytes.
    std::optional<Entry> entry(qint64 id) const;
    // Every entry the filter matches with its record bytes, newest first; `visit` returning
    // false stops. False when the log could not be read to the end.
    bool forEach(const Filter& filter, const std::function<bool(const Entry&)>& visit) const;

    // The values the filters offer: years newest first, kinds and users in order.
    QList<int> years() const;
    QStringList kinds() const;
    QStringList users() const;

private:
    std::unique_ptr<Connection> connection_;
};

}  // namespace eventlog
