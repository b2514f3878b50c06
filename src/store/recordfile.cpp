#include "store/recordfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
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
    if (!file_.open(QIODevice::ReadWrite)) {
        error_ = classify(path);
        errorText_ = file_.errorString();
    }
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
    if (!isOpen() || n < 1 || bytes.size() != recordLength_)
        return false;
    const qint64 offset = (n - 1) * recordLength_;
    // Writing past the end leaves a gap of zero bytes, as a random-access write does.
    if (offset > file_.size() && !file_.resize(offset))
        return false;
    return file_.seek(offset) && file_.write(bytes) == bytes.size() && file_.flush();
}

ReplaceResult replaceFile(const QString& target, const QByteArray& content,
                          const QString& tempPath) {
    ReplaceResult result;
    auto fail = [&](const QString& text) {
        result.error = classify(tempPath);
        result.errorText = text;
        QFile::remove(tempPath);
        return result;
    };

    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result.error = classify(tempPath);
        result.errorText = temp.errorString();
        return result;
    }
    if (temp.write(content) != content.size() || !temp.flush())
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

ReplaceResult removeRecord(const QString& path, int recordLength, qint64 n,
                           const QString& tempPath) {
    QByteArray kept;
    {
        RecordFile file(path, recordLength);
        if (!file.isOpen())
            return {file.error(), file.errorText()};
        kept = file.readAllBytes();
    }
    const qint64 count = kept.size() / recordLength;
    if (n < 1 || n > count)
        return {};
    kept.remove((n - 1) * recordLength, recordLength);
    return replaceFile(path, kept, tempPath);
}

}  // namespace store
