#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>
#include <vector>

namespace store {

enum class FileError {
    None,
    PathNotFound,  // the file's folder does not exist (a year without folder)
    Failed,        // any other failure: permissions, a full disk, a damaged medium
};

// A file of fixed-length records without header, addressed by 1-based record number.
// Opening creates a missing file empty in an existing folder; a missing folder is reported
// as PathNotFound. The file is closed when the object goes out of scope, so every
// operation closes what it opened before it returns.
class RecordFile {
public:
    RecordFile(const QString& path, int recordLength);
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool isOpen() const { return error_ == FileError::None; }
    FileError error() const { return error_; }
    QString errorText() const { return errorText_; }
    const QString& path() const { return path_; }
    int recordLength() const { return recordLength_; }

    // Whole records only: a trailing partial record does not count.
    qint64 count() const;

    // Record n (1-based); beyond the end (or n < 1) an empty array, which every record
    // type reads as its empty record.
    QByteArray readBytes(qint64 n) const;
    // The bytes of all whole records, in one read.
    QByteArray readAllBytes() const;
    // Writes record n; n = count() + 1 appends. Returns false when the write failed.
    bool writeBytes(qint64 n, const QByteArray& bytes);

    template <typename R>
    R read(qint64 n) const {
        return R::fromBytes(readBytes(n));
    }
    template <typename R>
    bool write(qint64 n, const R& record) {
        return writeBytes(n, record.toBytes());
    }
    template <typename R>
    bool append(const R& record) {
        return writeBytes(count() + 1, record.toBytes());
    }

private:
    QString path_;
    int recordLength_;
    mutable QFile file_;
    FileError error_ = FileError::None;
    QString errorText_;
};

// The records that whole records' bytes hold, in order.
template <typename R>
std::vector<R> decodeRecords(QByteArrayView bytes) {
    std::vector<R> records;
    records.reserve(size_t(bytes.size() / R::Size));
    for (qsizetype at = 0; at + R::Size <= bytes.size(); at += R::Size)
        records.push_back(R::fromBytes(bytes.sliced(at, R::Size)));
    return records;
}

// Every whole record of a file, in file order; a missing file or folder gives none.
template <typename R>
std::vector<R> readAllRecords(const QString& path, FileError* error = nullptr) {
    RecordFile file(path, R::Size);
    if (error)
        *error = file.error();
    if (!file.isOpen())
        return {};
    return decodeRecords<R>(file.readAllBytes());
}

// Record 1 of a one-record file (settings, counters); the empty record when the file is
// empty or cannot be opened.
template <typename R>
R readFirstRecord(const QString& path, FileError* error = nullptr) {
    RecordFile file(path, R::Size);
    if (error)
        *error = file.error();
    return file.template read<R>(1);
}

template <typename R>
bool writeFirstRecord(const QString& path, const R& record) {
    RecordFile file(path, R::Size);
    return file.isOpen() && file.write(1, record);
}

// The bytes of every whole record of a file, read without creating it: a missing file holds
// none. Nothing when the file exists but cannot be read.
std::optional<QByteArray> readWholeRecords(const QString& path, int recordLength);

// Every whole record of a file, read without creating it; none when it cannot be read.
template <typename R>
std::vector<R> readExistingRecords(const QString& path) {
    return decodeRecords<R>(readWholeRecords(path, R::Size).value_or(QByteArray()));
}

// What became of a whole-file rewrite: nothing wrong, or why it failed.
struct ReplaceResult {
    FileError error = FileError::None;
    QString errorText;
    bool ok() const { return error == FileError::None; }
};

// The number of whole records in a file, without opening or creating it: a missing file
// holds none.
qint64 recordCount(const QString& path, int recordLength);

}  // namespace store
