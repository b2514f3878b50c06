#include "backup/snapshotfiles.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace backup::snapshotfiles {
namespace {

constexpr qint64 kChunk = 1 << 20;
constexpr int kDatabasePagesPerStep = 256;
constexpr int kDatabaseBusyRetries = 100;

bool syncAndDropCache(QFile& file) {
    const int fd = file.handle();
    if (fd < 0 || ::fsync(fd) != 0)
        return false;
    // Only advice: where it is not followed, the read-back comes from memory.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    return true;
}

// An SQLite connection closed when it goes out of scope.
class Database {
public:
    Database(const QString& path, int flags) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) !=
            SQLITE_OK) {
            error_ = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : u"out of memory"_s;
        }
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* get() const { return db_; }
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return ok() ? QString::fromUtf8(sqlite3_errmsg(db_)) : error_; }

private:
    sqlite3* db_ = nullptr;
    QString error_;
};

// Whether the copy reads as a whole database.
bool quickCheck(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr) == SQLITE_OK &&
              sqlite3_step(statement) == SQLITE_ROW &&
              qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "ok") == 0;
    sqlite3_finalize(statement);
    return ok;
}

}  // namespace

bool skipped(const QString& relativePath) {
    const QString name = relativePath.section(u'/', -1).toLower();
    static const QStringList workFiles = {u"xxx.dat"_s, u"xxk.dat"_s, u"nevx.dat"_s, u"xxu.dat"_s};
    return name.startsWith(u"velmarok.lock"_s) || workFiles.contains(name) ||
           name.startsWith(u'~') || name.endsWith(u".journal"_s) ||
           name.startsWith(kSidecar.toString().toLower() + u'-') ||
           (!relativePath.contains(u'/') && name == kChecksums.toString().toLower());
}

Tree registerTree(const QString& folder) {
    Tree tree;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = root.relativeFilePath(info.filePath());
        if (info.isSymLink() || skipped(relative))
            continue;
        if (info.isDir())
            tree.folders << relative;
        else if (info.isFile())
            tree.files << relative;
    }
    tree.files.sort();
    tree.folders.sort();
    return tree;
}

QByteArray checksumText(const std::vector<Checksum>& sums) {
    QByteArray text;
    for (const Checksum& sum : sums)
        text += sum.sha256 + "  " + sum.path.toUtf8() + '\n';
    return text;
}

std::optional<std::vector<Checksum>> parseChecksums(QByteArrayView text) {
    std::vector<Checksum> sums;
    for (const QByteArray& line : text.toByteArray().split('\n')) {
        if (line.isEmpty())
            continue;
        // 64 hex digits, two spaces (or a space and the binary mark '*'), the path.
        if (line.size() < 67 || line[64] != ' ' || (line[65] != ' ' && line[65] != '*'))
            return std::nullopt;
        const QByteArray hash = line.left(64).toLower();
        if (QByteArray::fromHex(hash).size() != 32)
            return std::nullopt;
        const QString path = QString::fromUtf8(line.mid(66));
        // A path leading out of the snapshot names nothing of it.
        if (path.startsWith(u'/') || path.split(u'/').contains(u".."_s))
            return std::nullopt;
        sums.push_back({path, hash});
    }
    return sums;
}

bool Work::advance(qint64 bytes) {
    done_ += bytes;
    if (progress_ && !progress_(qMin(done_, total_), total_))
        cancelled_ = true;
    return !cancelled_;
}

bool Work::fail(const QString& what, const QString& reason) {
    if (error_.isEmpty())
        error_ = what + u": "_s + reason;
    return false;
}

bool copyFile(const QString& source, const QString& target, Work& work, QByteArray* sha256) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return work.fail(source, in.errorString());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return work.fail(target, out.errorString());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 copied = 0;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return work.fail(source, in.errorString());
        if (out.write(chunk) != chunk.size())
            return work.fail(target, out.errorString());
        hash.addData(chunk);
        copied += chunk.size();
        if (!work.advance(chunk.size()))
            return false;
    }
    // A file that changed its length while it was read would not match its checksum.
    if (copied != in.size())
        return work.fail(source, u"a fájl másolás közben megváltozott"_s);
    if (!out.flush() || !syncAndDropCache(out))
        return work.fail(target, out.errorString());
    *sha256 = hash.result().toHex();
    return true;
}

bool readChecksum(const QString& path, Work& work, QByteArray* sha256, QByteArray* content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return work.fail(path, file.errorString());
    if (file.handle() >= 0)
        ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (content)
        content->clear();
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            return work.fail(path, file.errorString());
        hash.addData(chunk);
        if (content)
            content->append(chunk);
        if (!work.advance(chunk.size()))
            return false;
    }
    *sha256 = hash.result().toHex();
    return true;
}

bool copyDatabase(const QString& source, const QString& target, Work& work) {
    const qint64 size = QFileInfo(source).size();
    const Database from(source, SQLITE_OPEN_READONLY);
    if (!from.ok())
        return work.fail(source, from.error());
    const Database to(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!to.ok())
        return work.fail(target, to.error());
    sqlite3_backup* backup = sqlite3_backup_init(to.get(), "main", from.get(), "main");
    if (!backup)
        return work.fail(target, to.error());
    int rc = SQLITE_OK;
    qint64 reported = 0;
    for (int busy = 0; busy < kDatabaseBusyRetries;) {
        rc = sqlite3_backup_step(backup, kDatabasePagesPerStep);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            ++busy;
            sqlite3_sleep(50);
            continue;
        }
        if (rc != SQLITE_OK)
            break;
        const int pages = sqlite3_backup_pagecount(backup);
        const qint64 done =
            pages > 0 ? size * (pages - sqlite3_backup_remaining(backup)) / pages : 0;
        if (!work.advance(done - reported)) {
            sqlite3_backup_finish(backup);
            return false;
        }
        reported = done;
    }
    // Finishing reports the step's error once more; the step's own code says what happened.
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        return work.fail(source, QString::fromUtf8(sqlite3_errstr(rc)));
    if (!quickCheck(to.get()))
        return work.fail(target, u"az adatbázis másolata hibás"_s);
    return work.advance(size - reported);
}

void syncFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace backup::snapshotfiles
