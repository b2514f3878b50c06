#pragma once

#include <sys/types.h>

#include <QByteArrayView>
#include <QString>
#include <cerrno>

// The store's only way to change the file system. Every call that can leave something on the
// disk (opening a file for writing, writing, truncating, syncing, renaming, linking,
// unlinking, creating a folder) passes through here and is counted, so that a test can stop
// the program at any one of them, or make it fail there, and see what is left behind.
//
// The calls return what the system calls return (-1 and errno on failure).
namespace store::fs {

int openForWriting(const QString& path, int flags, mode_t mode = 0666);
int close(int fd);
// One write of up to `size` bytes at `offset`; the number written.
ssize_t write(int fd, const char* data, size_t size, off_t offset);
// Writes all of `bytes` from `offset`, as many writes as it takes. False with errno set when
// one of them failed.
bool writeAll(int fd, QByteArrayView bytes, off_t offset);
// Copies up to `size` bytes from one file to another inside the kernel, advancing both
// offsets; counted as a write.
ssize_t copyRange(int from, loff_t* fromOffset, int to, loff_t* toOffset, size_t size);
// Copies `length` bytes from `fromOffset` of one file to `toOffset` of another, inside the
// kernel where it can (a year's files never pass through the program's memory), else
// through a buffer. False with errno set when a call failed or the source was shorter.
bool copyAll(int from, off_t fromOffset, int to, off_t toOffset, qint64 length);
int truncate(int fd, off_t length);
// Flushes a file's data (and its length) to the disk.
int sync(int fd);
// Makes the names in `folder` durable: the renames, links and unlinks done in it.
int syncFolder(const QString& folder);
int rename(const QString& from, const QString& to);
int link(const QString& from, const QString& to);
int unlink(const QString& path);
int mkdir(const QString& path, mode_t mode = 0777);

// The system's text for errno.
QString errorText(int error);

// A fault armed at one call: the process ends there (as a kill would end it), or the call
// fails with `error`. A write that is hit does half of its work first, as a write cut short
// does. Calls are counted from 1 after reset().
struct Fault {
    enum class Action { None, Exit, Fail };
    Action action = Action::None;
    qint64 at = 0;
    int error = ENOSPC;
};
inline constexpr int kExitedByFault = 86;  // the status of a process ended by a fault

// Counting and faults are for tests. Without syncs, sync() and syncFolder() are counted but
// not done: they matter only when the machine stops, which no test does.
void reset(Fault fault = {}, bool syncs = true);
qint64 calls();

}  // namespace store::fs
