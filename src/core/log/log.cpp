#include "log/log.h"

#include <pwd.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "log/database.h"
#include "log/fields.h"
#include "store/hungarian.h"

using namespace Qt::StringLiterals;

namespace eventlog {
namespace {

// SQLite's result codes for a file that is damaged or no database at all.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
// Up to this size (some thousands of entries) the whole database is checked when it is opened.
constexpr qint64 kCheckedSize = 8 << 20;

bool isDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString timeText(const QDateTime& time) {
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

const QString kListColumns =
    u"id, operation, time, user, kind, year, number, summary, file, "
    u"record, remark, source"_s;
// The entries with their record bytes.
const QString kAllColumns = kListColumns +
                            u", record_before, record_after, document_before, document_after "
                            u"FROM log LEFT JOIN log_records ON log_records.entry = log.id"_s;

// The entry of a query row in the column order above.
Entry entryOf(const QSqlQuery& query, bool withBytes) {
    Entry entry;
    entry.id = query.value(0).toLongLong();
    entry.operation = query.value(1).toString();
    entry.time = QDateTime::fromString(query.value(2).toString(), Qt::ISODate);
    entry.user = query.value(3).toString();
    entry.kind = query.value(4).toString();
    entry.change.year = query.value(5).toInt();
    entry.change.number = query.value(6).toString();
    entry.summary = query.value(7).toString();
    entry.change.file = query.value(8).toString();
    entry.change.record = query.value(9).toLongLong();
    entry.change.text = query.value(10).toString();
    entry.change.source = query.value(11).toString();
    if (withBytes) {
        entry.change.before = query.value(12).toByteArray();
        entry.change.after = query.value(13).toByteArray();
        entry.change.documentBefore = query.value(14).toByteArray();
        entry.change.documentAfter = query.value(15).toByteArray();
    }
    return entry;
}

// The WHERE clause of a filter and the values it binds, in order.
QString whereClause(const Filter& filter, QVariantList& values) {
    QStringList conditions;
    if (filter.year) {
        conditions << u"year = ?"_s;
        values << *filter.year;
    }
    if (!filter.kind.isEmpty()) {
        conditions << u"kind = ?"_s;
        values << filter.kind;
    }
    if (!filter.user.isEmpty()) {
        conditions << u"user = ?"_s;
        values << filter.user;
    }
    if (!filter.text.trimmed().isEmpty()) {
        conditions << u"instr(search, ?) > 0"_s;
        values << store::upper(filter.text.trimmed());
    }
    return conditions.isEmpty() ? QString() : u" WHERE "_s + conditions.join(u" AND "_s);
}

}  // namespace

QString currentUser() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return name;
    }
    return QString::number(::geteuid());
}

// --- Log ---

Log::Log(QString programFolder)
    : path_(eventlog::databasePath(programFolder)),
      now_([] { return QDateTime::currentDateTime(); }),
      user_(currentUser()) {}

Log::~Log() = default;

void Log::open() {
    connect(false);
}

bool Log::connect(bool create) {
    if (connection_)
        return true;
    if (!create && !QFileInfo::exists(path_))
        return false;
    // SQLite's integrity check reads the whole file: done when the file is small, or when a
    // journal beside it says a write was cut off. A large log on a network share would cost
    // seconds at every start; damage found later, when a write meets it, is handled as here.
    const bool check =
        QFileInfo(path_).size() <= kCheckedSize || QFileInfo::exists(path_ + u"-journal"_s);
    auto connection = std::make_unique<Connection>(path_, Connection::Mode::ReadWrite);
    if (!connection->isOpen()) {
        lastError_ = connection->errorText();
        return false;
    }
    QSqlDatabase db = connection->database();
    const Verdict verdict = inspect(db, !check);
    if (verdict == Verdict::Damaged || verdict == Verdict::Foreign) {
        db = {};
        connection.reset();
        setAsideAndReport();
        // A new database takes its place when an entry is to be written.
        return create && !QFileInfo::exists(path_) && connect(true);
    }
    QSqlQuery pragma(db);
    pragma.exec(u"PRAGMA journal_mode=DELETE"_s);
    // Two syncs per entry instead of FULL's three; with the rollback journal on a journaling
    // file system the database stays whole at a power cut.
    pragma.exec(u"PRAGMA synchronous=NORMAL"_s);
    if (!migrate(db, &lastError_))
        return false;
    connection_ = std::move(connection);
    return true;
}

void Log::setAsideAndReport() {
    const QString name = setAside(path_, now_());
    if (name.isEmpty()) {
        lastError_ = u"A sérült %1 nem nevezhető át."_s.arg(kDatabaseName);
        return;
    }
    if (report_)
        report_(name);
}

bool Log::committing(const store::OperationRecord& operation) {
    lastError_.clear();
    if (!connect(true))
        return false;
    if (insert(operation))
        return true;
    // A database that went bad while the program ran is set aside like one found at start.
    if (!lastErrorWasDamage_)
        return false;
    connection_.reset();
    setAsideAndReport();
    return connect(true) && insert(operation);
}

bool Log::insert(const store::OperationRecord& operation) {
    const Change change = decodeNote(operation.note).value_or(Change{});
    QSqlDatabase db = connection_->database();
    QSqlQuery entry(db), records(db);
    // Only the operation's own entry counts as there already; any other failure is one.
    entry.prepare(
        u"INSERT INTO log (operation, time, user, kind, year, number, summary, "
        u"search, file, record, remark, source) VALUES (?, ?, ?, ?, ?, "
        u"coalesce(?, ''), coalesce(?, ''), coalesce(?, ''), coalesce(?, ''), ?, "
        u"coalesce(?, ''), coalesce(?, '')) ON CONFLICT (operation) DO NOTHING"_s);
    for (const QVariant& value :
         {QVariant(operation.id), QVariant(timeText(now_())), QVariant(user_),
          QVariant(operation.kind), QVariant(change.year), QVariant(change.number),
          QVariant(summary(change)), QVariant(searchText(change)), QVariant(change.file),
          QVariant(change.record), QVariant(change.text), QVariant(change.source)}) {
        entry.addBindValue(value);
    }
    records.prepare(
        u"INSERT INTO log_records (entry, record_before, record_after, "
        u"document_before, document_after) VALUES (?, ?, ?, ?, ?)"_s);
    auto fail = [&](const QSqlError& error) {
        lastError_ = error.text();
        lastErrorWasDamage_ = isDamage(error);
        entry.finish();
        db.rollback();
        return false;
    };
    lastErrorWasDamage_ = false;
    if (!db.transaction())
        return fail(db.lastError());
    if (!entry.exec())
        return fail(entry.lastError());
    if (entry.numRowsAffected() > 0) {
        for (const QVariant& value :
             {entry.lastInsertId(), QVariant(change.before), QVariant(change.after),
              QVariant(change.documentBefore), QVariant(change.documentAfter)}) {
            records.addBindValue(value);
        }
        if (!records.exec())
            return fail(records.lastError());
    }
    entry.finish();
    if (!db.commit())
        return fail(db.lastError());
    return true;
}

void Log::undone(const QString& operationId) {
    if (!connect(false))
        return;
    QSqlDatabase db = connection_->database();
    QSqlQuery query(db);
    bool ok = db.transaction();
    for (const QString& sql :
         {u"DELETE FROM log_records WHERE entry IN (SELECT id FROM log WHERE operation = ?)"_s,
          u"DELETE FROM log WHERE operation = ?"_s}) {
        ok = ok && query.prepare(sql);
        query.addBindValue(operationId);
        ok = ok && query.exec();
    }
    if (ok && db.commit())
        return;
    lastError_ = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
    query.finish();
    db.rollback();
}

// --- LogReader ---

LogReader::LogReader(const QString& programFolder) {
    const QString path = databasePath(programFolder);
    if (!QFileInfo::exists(path))
        return;
    connection_ = std::make_unique<Connection>(path, Connection::Mode::ReadOnly);
    if (!connection_->isOpen() || inspect(connection_->database(), true) != Verdict::Ours)
        connection_.reset();
}

LogReader::~LogReader() = default;

bool LogReader::isOpen() const {
    return connection_ != nullptr;
}

qint64 LogReader::count(const Filter& filter) const {
    if (!connection_)
        return 0;
    QVariantList values;
    QSqlQuery query(connection_->database());
    query.prepare(u"SELECT count(*) FROM log"_s + whereClause(filter, values));
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

std::vector<Entry> LogReader::page(const Filter& filter, qint64 offset, int limit) const {
    std::vector<Entry> entries;
    if (!connection_)
        return entries;
    QVariantList values;
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(u"SELECT "_s + kListColumns + u" FROM log"_s + whereClause(filter, values) +
                  u" ORDER BY id DESC LIMIT ? OFFSET ?"_s);
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.addBindValue(limit);
    query.addBindValue(offset);
    if (!query.exec())
        return entries;
    entries.reserve(size_t(limit));
    while (query.next())
        entries.push_back(entryOf(query, false));
    return entries;
}

std::optional<Entry> LogReader::entry(qint64 id) const {
    if (!connection_)
        return std::nullopt;
    QSqlQuery query(connection_->database());
    query.prepare(u"SELECT "_s + kAllColumns + u" WHERE id = ?"_s);
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return entryOf(query, true);
}

bool LogReader::forEach(const Filter& filter,
                        const std::function<bool(const Entry&)>& visit) const {
    if (!connection_)
        return true;
    QVariantList values;
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(u"SELECT "_s + kAllColumns + whereClause(filter, values) +
                  u" ORDER BY id DESC"_s);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return false;
    while (query.next()) {
        if (!visit(entryOf(query, true)))
            return true;
    }
    return !query.lastError().isValid();
}

namespace {

QVariantList distinctValues(const Connection* connection, const QString& sql) {
    QVariantList values;
    if (!connection)
        return values;
    QSqlQuery query(connection->database());
    query.setForwardOnly(true);
    if (query.exec(sql)) {
        while (query.next())
            values << query.value(0);
    }
    return values;
}

}  // namespace

QList<int> LogReader::years() const {
    QList<int> years;
    for (const QVariant& value :
         distinctValues(connection_.get(),
                        u"SELECT DISTINCT year FROM log WHERE year <> 0 ORDER BY year DESC"_s))
        years << value.toInt();
    return years;
}

QStringList LogReader::kinds() const {
    QStringList kinds;
    for (const QVariant& value :
         distinctValues(connection_.get(), u"SELECT DISTINCT kind FROM log ORDER BY kind"_s))
        kinds << value.toString();
    return kinds;
}

QStringList LogReader::users() const {
    QStringList users;
    for (const QVariant& value :
         distinctValues(connection_.get(), u"SELECT DISTINCT user FROM log ORDER BY user"_s))
        users << value.toString();
    return users;
}

}  // namespace eventlog
