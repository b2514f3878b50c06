#include "store/filesystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cstring>

namespace store::fs {
namespace {

struct Counter {
    qint64 calls = 0;
    Fault fault;
    bool syncs = true;
};
Counter counter;

enum class Step { Go, Fail };

// Counts one call and applies the fault armed at it. `partial` is the work a hit write still
// does before it ends the process or fails.
template <typename Partial>
Step step(Partial partial) {
    ++counter.calls;
    if (counter.fault.action == Fault::Action::None || counter.calls != counter.fault.at)
        return Step::Go;
    partial();
    if (counter.fault.action == Fault::Action::Exit)
        ::_exit(kExitedByFault);
    errno = counter.fault.error;
    return Step::Fail;
}
Step step() {
    return step([] {});
}

QByteArray name(const QString& path) {
    return QFile::encodeName(path);
}

}  // namespace

int openForWriting(const QString& path, int flags, mode_t mode) {
    if (step() == Step::Fail)
        return -1;
    return ::open(name(path).constData(), flags | O_CLOEXEC, mode);
}

int close(int fd) {
    return ::close(fd);
}

ssize_t write(int fd, const char* data, size_t size, off_t offset) {
    if (step([&] { (void)::pwrite(fd, data, size / 2, offset); }) == Step::Fail)
        return -1;
    return ::pwrite(fd, data, size, offset);
}

bool writeAll(int fd, QByteArrayView bytes, off_t offset) {
    const char* data = bytes.data();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = write(fd, data, left, offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        offset += written;
        left -= size_t(written);
    }
    return true;
}

ssize_t copyRange(int from, loff_t* fromOffset, int to, loff_t* toOffset, size_t size) {
    if (step([&] { (void)::copy_file_range(from, fromOffset, to, toOffset, size / 2, 0); }) ==
        Step::Fail)
        return -1;
    return ::copy_file_range(from, fromOffset, to, toOffset, size, 0);
}

bool copyAll(int from, off_t fromOffset, int to, off_t toOffset, qint64 length) {
    loff_t in = fromOffset;
    loff_t out = toOffset;
    while (length > 0) {
        const ssize_t copied = copyRange(from, &in, to, &out, size_t(length));
        if (copied <= 0)
            break;
        length -= copied;
    }
    // Where the kernel cannot copy between the two files, through a buffer.
    QByteArray chunk;
    while (length > 0) {
        chunk.resize(std::min<qint64>(length, 1 << 20));
        const ssize_t read = ::pread(from, chunk.data(), size_t(chunk.size()), in);
        if (read <= 0) {
            if (read == 0)
                errno = EIO;
            return false;
        }
        if (!writeAll(to, QByteArrayView(chunk).first(read), out))
            return false;
        in += read;
        out += read;
        length -= read;
    }
    return true;
}

int truncate(int fd, off_t length) {
    if (step() == Step::Fail)
        return -1;
    return ::ftruncate(fd, length);
}

int sync(int fd) {
    if (step() == Step::Fail)
        return -1;
    return counter.syncs ? ::fdatasync(fd) : 0;
}

int syncFolder(const QString& folder) {
    if (step() == Step::Fail)
        return -1;
    if (!counter.syncs)
        return 0;
    const int fd = ::open(name(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return result;
}

int rename(const QString& from, const QString& to) {
    if (step() == Step::Fail)
        return -1;
    return ::rename(name(from).constData(), name(to).constData());
}

int link(const QString& from, const QString& to) {
    if (step() == Step::Fail)
        return -1;
    return ::link(name(from).constData(), name(to).constData());
}

int unlink(const QString& path) {
    if (step() == Step::Fail)
        return -1;
    return ::unlink(name(path).constData());
}

int mkdir(const QString& path, mode_t mode) {
    if (step() == Step::Fail)
        return -1;
    return ::mkdir(name(path).constData(), mode);
}

QString errorText(int error) {
    // The reasons a clerk meets, in the program's language; any other as the system says it.
    switch (error) {
        case ENOSPC:
            return QStringLiteral("Nincs több hely a lemezen.");
        case EDQUOT:
            return QStringLiteral("Elfogyott a felhasználónak jutó hely a lemezen.");
        case EACCES:
        case EPERM:
            return QStringLiteral("Nincs jogosultság a fájl írásához.");
        case EROFS:
            return QStringLiteral("A lemez csak olvasható.");
        case ENOENT:
            return QStringLiteral("A fájl vagy a mappája nem található.");
        case EISDIR:
            return QStringLiteral("Ez egy mappa vagy eszköz, nem adatállomány.");
        case EIO:
            return QStringLiteral("Olvasási vagy írási hiba a lemezen.");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

void reset(Fault fault, bool syncs) {
    counter = Counter{0, fault, syncs};
}

qint64 calls() {
    return counter.calls;
}

}  // namespace store::fs
