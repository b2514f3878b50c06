#include "store/operation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QUuid>
#include <algorithm>

#include "store/filesystem.h"
#include "store/journal.h"

using namespace Qt::StringLiterals;

namespace store {

struct Operation::Write {
    QString path;
    QByteArray bytes;  // a write's bytes, or a replaced file's content unless it is copied
    QString workName;
    qint64 offset = -1;  // -1: the whole content
    std::vector<CopyRange> copies;
    std::vector<std::pair<qint64, QByteArray>> patches;  // writes into copied content
};

namespace {

// The first failure of a sequence of steps: which file and why.
struct Failure {
    QString file;
    QString text;

    bool set(const QString& path, int error = errno) {
        if (file.isEmpty() && text.isEmpty()) {
            file = path;
            text = fs::errorText(error);
        }
        return false;
    }
    bool any() const { return !file.isEmpty() || !text.isEmpty(); }
};

std::optional<struct stat> statOf(const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return st;
}

bool exists(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool sameFile(const QString& a, const QString& b) {
    const auto sa = statOf(a), sb = statOf(b);
    return sa && sb && sa->st_dev == sb->st_dev && sa->st_ino == sb->st_ino;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).path();
}

// Up to `length` bytes of the file from `offset`; nothing when it cannot be read.
std::optional<QByteArray> readRange(const QString& path, qint64 offset, qint64 length) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return std::nullopt;
    const QByteArray bytes = file.read(length);
    if (bytes.size() != std::min(length, std::max<qint64>(0, file.size() - offset)))
        return std::nullopt;
    return bytes;
}

// Copies the ranges one after another into `fd`.
bool copyInto(int fd, const std::vector<Operation::CopyRange>& ranges) {
    off_t at = 0;
    for (const Operation::CopyRange& range : ranges) {
        const int source =
            ::open(QFile::encodeName(range.source).constData(), O_RDONLY | O_CLOEXEC);
        if (source < 0)
            return false;
        const bool ok = fs::copyAll(source, range.offset, fd, at, range.length);
        const int error = errno;
        ::close(source);
        errno = error;
        if (!ok)
            return false;
        at += range.length;
    }
    return true;
}

// Writes the whole file at `path` by `fill`, synced; with the mode, owner and group of `like`
// when given (the file it is to replace), else as the folder and the umask give them.
template <typename Fill>
bool writeWholeFile(const QString& path, const struct stat* like, Failure& failure, Fill fill) {
    const int fd = fs::openForWriting(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        return failure.set(path);
    bool ok = true;
    if (like) {
        // The owner can be kept only by a privileged user, the group by its members; the mode
        // always. Changing the owner first: it may clear the set-id bits of the mode.
        if (::fchown(fd, like->st_uid, like->st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), like->st_gid);
        ok = ::fchmod(fd, like->st_mode & 07777) == 0;
    }
    ok = ok && fill(fd) && fs::sync(fd) == 0;
    if (!ok)
        failure.set(path);
    fs::close(fd);
    return ok;
}

// The steps that undo or finish a journal's entries, for commit() and for recovery.
class Journaled {
public:
    Journaled(const Paths& paths, const Journal& journal) : paths_(paths), journal_(journal) {}

    QString path(const QString& name) const { return paths_.programFolder() + u'/' + name; }
    QString journalPath() const { return path(kJournalName.toString()); }

    // Puts every file back as it was before the operation, whatever part of it was done.
    bool undo() {
        for (auto entry = journal_.entries.rbegin(); entry != journal_.entries.rend(); ++entry) {
            if (!(entry->kind == JournalEntry::Kind::Replace ? undoReplace(*entry)
                                                             : undoWrite(*entry)))
                return false;
        }
        return syncFolders();
    }

    // Removes the old files that a finished operation kept; `durably` syncs their folders.
    bool finish(bool durably = true) {
        for (const JournalEntry& entry : journal_.entries) {
            if (entry.kind == JournalEntry::Kind::Replace && entry.existed &&
                !removeIfThere(path(entry.previous)))
                return false;
        }
        if (!durably)
            touched_.clear();
        return syncFolders();
    }

    // Tells the observer, then removes the journal: a kill in between repeats the (idempotent)
    // call at the next start.
    bool close(bool done) {
        if (OperationObserver* observer = paths_.observer()) {
            if (done)
                observer->committing(journal_.record);
            else
                observer->undone(journal_.record.id);
        }
        // A journal that comes back after a power cut is undone or finished once more.
        if (fs::unlink(journalPath()) != 0 && errno != ENOENT)
            return failure.set(journalPath());
        return true;
    }

    Failure failure;

private:
    bool removeIfThere(const QString& file) {
        if (!exists(file))
            return true;
        touched_.insert(folderOf(file));
        return fs::unlink(file) == 0 || failure.set(file);
    }

    bool undoReplace(const JournalEntry& entry) {
        const QString target = path(entry.target), work = path(entry.work);
        if (entry.existed) {
            const QString previous = path(entry.previous);
            if (exists(previous)) {
                touched_.insert(folderOf(target));
                // Linked but not yet replaced: the target is still the old file itself.
                if (sameFile(previous, target)) {
                    if (fs::unlink(previous) != 0)
                        return failure.set(previous);
                } else if (fs::rename(previous, target) != 0) {
                    return failure.set(target);
                }
            }
            return removeIfThere(work);
        }
        // A new file: either still the work file, or already renamed into place.
        return exists(work) ? removeIfThere(work) : removeIfThere(target);
    }

    bool undoWrite(const JournalEntry& entry) {
        const QString target = path(entry.target);
        if (!entry.existed)
            return removeIfThere(target);
        const std::optional<QByteArray> now =
            readRange(target, entry.offset, entry.oldBytes.size());
        const std::optional<struct stat> st = statOf(target);
        if (!now || !st)
            return failure.set(target, ENOENT);
        const bool rewrite = *now != entry.oldBytes;
        const bool cut = st->st_size != entry.oldLength;
        if (!rewrite && !cut)
            return true;
        const int fd = fs::openForWriting(target, O_WRONLY);
        if (fd < 0)
            return failure.set(target);
        const bool ok = (!rewrite || fs::writeAll(fd, entry.oldBytes, entry.offset)) &&
                        (!cut || fs::truncate(fd, entry.oldLength) == 0) && fs::sync(fd) == 0;
        if (!ok)
            failure.set(target);
        fs::close(fd);
        return ok;
    }

    bool syncFolders() {
        for (const QString& folder : std::as_const(touched_)) {
            if (fs::syncFolder(folder) != 0)
                return failure.set(folder);
        }
        touched_.clear();
        return true;
    }

    const Paths& paths_;
    const Journal& journal_;
    QSet<QString> touched_;
};

}  // namespace

Operation::Operation(const Paths& paths, QString kind) : paths_(paths) {
    record_.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record_.kind = std::move(kind);
}

Operation::~Operation() = default;

void Operation::replace(const QString& path, QByteArray content, const QString& workName) {
    std::erase_if(writes_, [&](const auto& write) { return write->path == path; });
    writes_.push_back(
        std::make_unique<Write>(Write{path, std::move(content), workName, -1, {}, {}}));
}

void Operation::replaceByCopy(const QString& path, std::vector<CopyRange> ranges,
                              const QString& workName) {
    std::erase_if(writes_, [&](const auto& write) { return write->path == path; });
    writes_.push_back(
        std::make_unique<Write>(Write{path, {}, workName, -1, std::move(ranges), {}}));
}

void Operation::removeRecord(const QString& path, int recordLength, qint64 n,
                             const QString& workName) {
    const qint64 count = recordCount(path, recordLength);
    if (n < 1 || n > count)
        return;
    replaceByCopy(
        path,
        {{path, 0, (n - 1) * recordLength}, {path, n * recordLength, (count - n) * recordLength}},
        workName);
}

void Operation::writeAt(const QString& path, qint64 offset, QByteArray bytes) {
    for (const auto& write : writes_) {
        if (write->path != path || write->offset >= 0)
            continue;
        if (!write->copies.empty()) {
            write->patches.emplace_back(offset, std::move(bytes));
            return;
        }
        // Beyond the end, the gap reads as zero bytes, as it would in the file.
        if (write->bytes.size() < offset + bytes.size())
            write->bytes.resize(offset + bytes.size(), '\0');
        std::copy(bytes.cbegin(), bytes.cend(), write->bytes.begin() + offset);
        return;
    }
    writes_.push_back(std::make_unique<Write>(Write{path, std::move(bytes), {}, offset, {}, {}}));
}

OperationResult Operation::commit() {
    if (committed_ || writes_.empty()) {
        committed_ = true;
        return {};
    }
    const QString folder = paths_.programFolder();
    // An operation that an earlier run could not finish or undo comes first.
    if (exists(folder + u'/' + kJournalName) || exists(folder + u'/' + kJournalTempName)) {
        const RecoveryResult recovered = recoverOperations(paths_);
        if (!recovered.errorText.isEmpty())
            return {false, folder + u'/' + kJournalName, recovered.errorText};
    }

    // What every change needs to be undone, read before anything is written.
    Journal journal;
    journal.record = record_;
    const QString tag = record_.id.left(8);
    std::vector<std::optional<struct stat>> old;
    for (const auto& write : writes_) {
        if (!write->path.startsWith(folder + u'/') || write->offset < -1)
            return {false, write->path, u"A fájl nem a nyilvántartás mappájában van."_s};
        JournalEntry entry;
        entry.target = write->path.mid(folder.size() + 1);
        const std::optional<struct stat> st = statOf(write->path);
        const int statError = st ? 0 : errno;
        if (statError != 0 && statError != ENOENT)
            return {false, write->path, fs::errorText(statError)};
        if (!QFileInfo(folderOf(write->path)).isDir())
            return {false, write->path, fs::errorText(ENOENT)};
        if (st && !S_ISREG(st->st_mode))
            return {false, write->path, fs::errorText(EISDIR)};
        entry.existed = st.has_value();
        if (write->offset < 0) {
            entry.kind = JournalEntry::Kind::Replace;
            const QString name = QFileInfo(entry.target).fileName();
            entry.work =
                entry.target.left(entry.target.size() - name.size()) +
                (write->workName.isEmpty() ? name + u'.' + tag + u".new" : write->workName);
            if (entry.existed)
                entry.previous = entry.target + u'.' + tag + u".old";
        } else if (entry.existed) {
            entry.kind = JournalEntry::Kind::Write;
            entry.offset = write->offset;
            entry.oldLength = st->st_size;
            const std::optional<QByteArray> bytes =
                readRange(write->path, write->offset, write->bytes.size());
            if (!bytes)
                return {false, write->path, fs::errorText(EIO)};
            entry.oldBytes = *bytes;
        } else {
            entry.kind = JournalEntry::Kind::Write;
            entry.offset = write->offset;
        }
        if (!isRegisterName(entry.target) ||
            !isRegisterName(entry.work.isEmpty() ? entry.target : entry.work))
            return {false, write->path, u"A fájl nem a nyilvántartás mappájában van."_s};
        journal.entries.push_back(std::move(entry));
        old.push_back(st);
    }

    Journaled steps(paths_, journal);
    const QString journalFile = steps.journalPath();
    const QString journalTemp = steps.path(kJournalTempName.toString());
    // The journal comes whole or not at all: written aside, then renamed into place.
    Failure& failure = steps.failure;
    const QByteArray journalBytes = encodeJournal(journal);
    if (!writeWholeFile(journalTemp, nullptr, failure,
                        [&](int fd) { return fs::writeAll(fd, journalBytes, 0); }) ||
        fs::rename(journalTemp, journalFile) != 0 || fs::syncFolder(folder) != 0) {
        failure.set(journalFile);
        (void)fs::unlink(journalTemp);
        if (exists(journalFile))
            (void)fs::unlink(journalFile);
        if (OperationObserver* observer = paths_.observer())
            observer->undone(record_.id);
        return {false, failure.file, failure.text};
    }

    auto undo = [&]() -> OperationResult {
        OperationResult result{false, failure.file, failure.text};
        failure = {};
        if (!steps.undo() || !steps.close(false)) {
            // The journal stays: the next start (or operation) undoes what is left.
            result.errorText += u"\n"_s + failure.file + u": "_s + failure.text;
        }
        return result;
    };

    auto fail = [&](const QString& file) {
        failure.set(file);
        return undo();
    };

    for (size_t i = 0; i < writes_.size(); ++i) {
        const Write& write = *writes_[i];
        auto fill = [&](int fd) {
            if (write.copies.empty())
                return fs::writeAll(fd, write.bytes, 0);
            return copyInto(fd, write.copies) &&
                   std::all_of(write.patches.begin(), write.patches.end(), [&](const auto& patch) {
                       return fs::writeAll(fd, patch.second, patch.first);
                   });
        };
        const JournalEntry& entry = journal.entries[i];
        if (entry.kind == JournalEntry::Kind::Replace &&
            !writeWholeFile(steps.path(entry.work), old[i] ? &*old[i] : nullptr, failure, fill))
            return undo();
    }
    if (OperationObserver* observer = paths_.observer();
        observer && !observer->committing(record_)) {
        failure = {QString(), u"A művelet naplója nem írható."_s};
        return undo();
    }

    // Where the file system has no hard links, the old file is moved aside instead.
    auto noHardLinks = [](int error) {
        return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK ||
               error == EXDEV;
    };
    QSet<QString> folders;

    // The files written in place, each opened once.
    struct Written {
        QMap<QString, int> fds;
        ~Written() {
            for (const int fd : std::as_const(fds))
                fs::close(fd);
        }
    } written;
    bool keptOld = false;
    for (size_t i = 0; i < writes_.size(); ++i) {
        const JournalEntry& entry = journal.entries[i];
        const QString target = steps.path(entry.target);
        if (entry.kind == JournalEntry::Kind::Replace) {
            folders.insert(folderOf(target));
            if (entry.existed) {
                // The old file stays under a second name until the operation is done.
                const QString previous = steps.path(entry.previous);
                if (fs::link(target, previous) != 0 &&
                    (!noHardLinks(errno) || fs::rename(target, previous) != 0))
                    return fail(target);
                keptOld = true;
            }
            if (fs::rename(steps.path(entry.work), target) != 0)
                return fail(target);
        } else {
            if (!entry.existed)
                folders.insert(folderOf(target));
            auto file = written.fds.find(target);
            if (file == written.fds.end()) {
                const int fd = fs::openForWriting(target, O_WRONLY | O_CREAT);
                if (fd < 0)
                    return fail(target);
                file = written.fds.insert(target, fd);
            }
            if (!fs::writeAll(file.value(), writes_[i]->bytes, entry.offset))
                return fail(target);
        }
    }
    // Synced after all the writes: the file system commits the new lengths of all the files
    // at the first sync, and each file is synced once however often it was written.
    for (auto file = written.fds.cbegin(); file != written.fds.cend(); ++file) {
        if (fs::sync(file.value()) != 0)
            return fail(file.key());
    }
    for (const QString& changed : std::as_const(folders)) {
        if (fs::syncFolder(changed) != 0)
            return fail(changed);
    }

    if (keptOld) {
        // The point of no return: from here a restart finishes the operation.
        const char committedState = char(Journal::State::Committed);
        const int fd = fs::openForWriting(journalFile, O_WRONLY);
        const bool marked = fd >= 0 && fs::write(fd, &committedState, 1, kJournalStateOffset) == 1;
        const bool synced = marked && fs::sync(fd) == 0;
        if (!synced) {
            failure.set(journalFile);
            // Only a journal known to say "prepared" may be undone.
            const char preparedState = char(Journal::State::Prepared);
            if (!marked ||
                (fs::write(fd, &preparedState, 1, kJournalStateOffset) == 1 && fs::sync(fd) == 0)) {
                if (fd >= 0)
                    fs::close(fd);
                return undo();
            }
        }
        if (fd >= 0)
            fs::close(fd);
        // Left behind on a failure or a power cut, the old files and the committed journal are
        // removed at the next start; the operation itself is done.
        failure = {};
        committed_ = true;
        if (steps.finish(false))
            (void)fs::unlink(journalFile);
        return {};
    }
    // Without old files kept, removing the journal is the point of no return. Left unsynced:
    // a power cut right after it may bring the journal back and undo the operation, whole.
    if (fs::unlink(journalFile) != 0)
        return fail(journalFile);
    committed_ = true;
    return {};
}

ReplaceResult removeRecord(const Paths& paths, const QString& kind, const QString& path,
                           int recordLength, qint64 n, const QString& workName,
                           const QByteArray& note) {
    if (n < 1 || n > recordCount(path, recordLength))
        return {};
    Operation operation(paths, kind);
    operation.setNote(note);
    operation.removeRecord(path, recordLength, n, workName);
    const OperationResult result = operation.commit();
    return result.ok ? ReplaceResult{} : ReplaceResult{FileError::Failed, result.text()};
}

RecoveryResult recoverOperations(const Paths& paths) {
    RecoveryResult result;
    const QString folder = paths.programFolder();
    // A journal that was still being written: nothing else of its operation had begun.
    const QString temp = folder + u'/' + kJournalTempName;
    if (exists(temp)) {
        result.found = true;
        if (fs::unlink(temp) != 0) {
            result.errorText = temp + u": "_s + fs::errorText(errno);
            return result;
        }
    }
    const QString path = folder + u'/' + kJournalName;
    if (!exists(path))
        return result;
    result.found = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorText = path + u": "_s + file.errorString();
        return result;
    }
    const std::optional<Journal> journal = decodeJournal(file.readAll());
    file.close();
    if (!journal) {
        result.errorText = path + u": "_s + u"A félbeszakadt művelet leírása sérült."_s;
        return result;
    }
    Journaled steps(paths, *journal);
    result.completed = journal->state == Journal::State::Committed;
    if (!(result.completed ? steps.finish() : steps.undo()) || !steps.close(result.completed))
        result.errorText = steps.failure.file + u": "_s + steps.failure.text;
    return result;
}

}  // namespace store
