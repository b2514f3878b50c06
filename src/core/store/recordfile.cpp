#include "store/recordfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

#include "store/filesystem.h"

namespace store {
namespace {

FileError classify(const QString& path) {
    return QFileInfo(path).absoluteDir().exists() ? FileError::Failed : FileError::PathNotFound;
}

}  // namespace

RecordFile::RecordFile(const QString& path, int recordLength)
    : path_(path), recordLength_(recordLength), file_(path) {
    if (file_.open(QIODevice::ReadWrite))
        return;
    errorText_ = file_.errorString();
    // A file that may be read but not written (a register on a read-only share) still shows
    // its records; writing to it fails.
    if (QFileInfo(path).isFile() && file_.open(QIODevice::ReadOnly))
        return;
    error_ = classify(path);
}

qint64 RecordFile::count() const {
    return isOpen() ? file_.size() / recordLength_ : 0;
}

QByteArray RecordFile::readBytes(qint64 n) const {
    if (!isOpen() || n < 1 || n > count())
        return {};
    if (!file_.seek((n - 1) * recordLength_))
        return {};
    return file_.read(recordLength_);
}

QByteArray RecordFile::readAllBytes() const {
    if (!isOpen() || !file_.seek(0))
        return {};
    return file_.read(count() * recordLength_);
}

bool RecordFile::writeBytes(qint64 n, const QByteArray& bytes) {
    if (!isOpen() || !file_.isWritable() || n < 1 || bytes.size() != recordLength_)
        return false;
    const qint64 offset = (n - 1) * recordLength_;
    // Writing past the end leaves a gap of zero bytes, as a random-access write does.
    if (offset > file_.size() && !file_.resize(offset))
        return false;
    return file_.seek(offset) && file_.write(bytes) == bytes.size() && file_.flush();
}

namespace {

// Creates the temporary file of a rewrite with the mode, owner and group of the file it
// replaces (as the folder and the umask give them when there is none yet).
int createTemp(const QString& tempPath, const QString& target, int* error) {
    const int fd = fs::openForWriting(tempPath, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            *error = errno;
            fs::close(fd);
            (void)fs::unlink(tempPath);
            return -1;
        }
    }
    return fd;
}

// Syncs the finished temporary file and renames it over the target; on any failure the
// temporary file goes and the target stays as it was.
ReplaceResult commitTemp(int fd, bool written, const QString& target, const QString& tempPath) {
    const bool ok = written && fs::sync(fd) == 0;
    const int error = errno;
    fs::close(fd);
    // rename() replaces the target in one step; the old file stays whole until then.
    if (ok && fs::rename(tempPath, target) == 0) {
        (void)fs::syncFolder(QFileInfo(target).absolutePath());
        return {};
    }
    const ReplaceResult result{classify(tempPath), fs::errorText(ok ? errno : error)};
    (void)fs::unlink(tempPath);
    return result;
}

}  // namespace

std::optional<QByteArray> readWholeRecords(const QString& path, int recordLength) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? std::nullopt : std::optional<QByteArray>(QByteArray());
    const qint64 whole = file.size() / recordLength * recordLength;
    QByteArray bytes = file.read(whole);
    if (bytes.size() != whole)
        return std::nullopt;
    return bytes;
}

QByteArray withoutRecord(QByteArrayView records, int recordLength, qint64 n) {
    const qint64 count = records.size() / recordLength;
    QByteArray kept = records.first(count * recordLength).toByteArray();
    if (n >= 1 && n <= count)
        kept.remove((n - 1) * recordLength, recordLength);
    return kept;
}

ReplaceResult replaceFile(const QString& target, const QByteArray& content,
                          const QString& tempPath) {
    if (QFileInfo(target).isDir())
        return {FileError::Failed, fs::errorText(EISDIR)};
    int error = 0;
    const int fd = createTemp(tempPath, target, &error);
    if (fd < 0)
        return {classify(tempPath), fs::errorText(error)};
    return commitTemp(fd, fs::writeAll(fd, content, 0), target, tempPath);
}

ReplaceResult removeRecord(const QString& path, int recordLength, qint64 n,
                           const QString& tempPath) {
    // Opened as every record file is: a missing file is an empty one.
    QFile source(path);
    if (!source.open(QIODevice::ReadWrite))
        return {classify(path), source.errorString()};
    const qint64 count = source.size() / recordLength;
    if (n < 1 || n > count)
        return {};
    int error = 0;
    const int temp = createTemp(tempPath, path, &error);
    if (temp < 0)
        return {classify(tempPath), fs::errorText(error)};
    // The records before n and after it; a trailing partial record is left out.
    const qint64 before = (n - 1) * recordLength;
    const bool copied =
        fs::copyAll(source.handle(), 0, temp, 0, before) &&
        fs::copyAll(source.handle(), n * recordLength, temp, before, (count - n) * recordLength);
    return commitTemp(temp, copied, path, tempPath);
}

}  // namespace store
