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

qint64 recordCount(const QString& path, int recordLength) {
    return QFileInfo(path).size() / recordLength;
}

}  // namespace store
