#include "store/recordfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace store {
namespace {

FileError classify(const QString& path) {
    return QFileInfo(path).absoluteDir().exists() ? FileError::Failed : FileError::PathNotFound;
}

// Makes a rename durable: syncs the folder that holds the renamed file.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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

// Flushes the finished temporary file to the disk and renames it over the target.
ReplaceResult commitTemp(QFile& temp, const QString& target, const QString& tempPath) {
    ReplaceResult result;
    auto fail = [&](const QString& text) {
        result.error = classify(tempPath);
        result.errorText = text;
        temp.close();
        QFile::remove(tempPath);
        return result;
    };
    if (!temp.flush())
        return fail(temp.errorString());
    if (::fsync(temp.handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    temp.close();

    // rename() replaces the target in one step; the old file stays whole until then.
    if (std::rename(QFile::encodeName(tempPath).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    syncFolder(QFileInfo(target).absolutePath());
    return result;
}

// Copies `length` bytes from `offset` of `source` to the end of `target`, inside the kernel
// where it can: a year's files are copied without passing through the program's memory.
bool copyRange(QFile& source, qint64 offset, qint64 length, QFile& target) {
    if (!target.flush())
        return false;
    loff_t in = offset;
    while (length > 0) {
        const ssize_t copied =
            ::copy_file_range(source.handle(), &in, target.handle(), nullptr, size_t(length), 0);
        if (copied <= 0)
            break;
        length -= copied;
    }
    if (length == 0)
        return true;
    // Where the kernel cannot copy between the two files, through a buffer. The kernel moved
    // the target's file offset, not QFile's idea of it: continue at the true end.
    if (!source.seek(in) || !target.seek(target.size()))
        return false;
    while (length > 0) {
        const QByteArray chunk = source.read(std::min<qint64>(length, 1 << 20));
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
        length -= chunk.size();
    }
    return true;
}

}  // namespace

ReplaceResult replaceFile(const QString& target, const QByteArray& content,
                          const QString& tempPath) {
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {classify(tempPath), temp.errorString()};
    if (temp.write(content) != content.size()) {
        const ReplaceResult result{classify(tempPath), temp.errorString()};
        temp.close();
        QFile::remove(tempPath);
        return result;
    }
    return commitTemp(temp, target, tempPath);
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
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {classify(tempPath), temp.errorString()};
    // The records before n and after it; a trailing partial record is left out.
    if (!copyRange(source, 0, (n - 1) * recordLength, temp) ||
        !copyRange(source, n * recordLength, (count - n) * recordLength, temp)) {
        const ReplaceResult result{FileError::Failed, temp.errorString()};
        temp.close();
        QFile::remove(tempPath);
        return result;
    }
    return commitTemp(temp, path, tempPath);
}

}  // namespace store
