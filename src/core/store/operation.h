#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "store/paths.h"
#include "store/recordfile.h"

// A change of the register that touches one or more files (recording, modification, deletion,
// restore, client and group changes): every file takes its new content, or none does.
namespace store {

// What an operation is, as its journal keeps it and its observers hear of it.
struct OperationRecord {
    QString id;       // unique for every operation
    QString kind;     // what the user did ("recording", "deletion", ...)
    QByteArray note;  // the caller's description of the change, kept with the operation
};

// Told when an operation takes effect or is undone, also when start-up finishes or undoes
// an operation that a killed program left behind; so both calls must be idempotent. After the
// last call for an operation, the operation is in the files exactly when committing() was the
// last call.
class OperationObserver {
public:
    virtual ~OperationObserver() = default;
    // The operation's new contents are safely written and it is about to take effect. False
    // undoes the operation. Start-up calls it again for an operation it finishes; its answer
    // is then no longer asked.
    virtual bool committing(const OperationRecord& operation) = 0;
    // The operation was undone, possibly after committing() was called for it; also called
    // for an operation whose committing() was never reached.
    virtual void undone(const QString& operationId) = 0;
};

struct OperationResult {
    bool ok = true;
    QString failedFile;  // the file that could not be written
    QString errorText;   // the system's reason

    // "file: reason", for a message.
    QString text() const {
        return failedFile.isEmpty() ? errorText : failedFile + u": " + errorText;
    }
};

// Collects the writes of one operation, then commits them all together. Nothing touches a
// file before commit(); an operation destroyed without commit() writes nothing.
//
// commit() writes the intent journal (store/journal.h) into the program folder, the new
// contents into work files beside their targets, tells the observer, then renames the work
// files over their targets (keeping each old file under a second name) and makes the in-place
// writes; every step synced to the disk. Then the operation is done: the old files and the
// journal are removed. A failure anywhere before that point undoes every change made so far;
// a program killed before it is undone by recoverOperations(), one killed after it finished.
// Files are given by their paths inside the program folder (Paths gives them).
class Operation {
public:
    // The register's observer (Paths::observer) hears of the operation.
    Operation(const Paths& paths, QString kind);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    const QString& id() const { return record_.id; }
    const OperationRecord& record() const { return record_; }
    void setNote(QByteArray note) { record_.note = std::move(note); }

    // The file's whole new content, with the mode, owner and group of the file it replaces.
    // `workName` names the work file beside it (xxx.dat for the letters); empty: a name of the
    // operation's own. A later replace() of the same file takes the place of earlier writes.
    void replace(const QString& path, QByteArray content, const QString& workName = {});
    // The same, the content copied from files as they are before the operation (the file
    // itself among them): each range in turn. The kernel copies where it can, so a year's
    // letter file never passes through the program's memory.
    struct CopyRange {
        QString source;
        qint64 offset = 0;
        qint64 length = 0;
    };
    void replaceByCopy(const QString& path, std::vector<CopyRange> ranges,
                       const QString& workName = {});
    // The file without record n (1-based), through replaceByCopy(): the records after it move
    // down by one and a trailing partial record is left out. A number that names no record of
    // the file as it is now adds nothing.
    void removeRecord(const QString& path, int recordLength, qint64 n,
                      const QString& workName = {});
    // `bytes` written over the file from `offset`: a record in place, or records at the end
    // (a missing file is created). Undone, the file gets back its previous length and the
    // bytes it had there. On a file replaced in the same operation, it changes the content.
    void writeAt(const QString& path, qint64 offset, QByteArray bytes);

    // Writes everything, or on any failure leaves every file as it was and says which file
    // failed and why.
    OperationResult commit();

    struct Write;  // one replace(), replaceByCopy() or writeAt()

private:
    Paths paths_;
    OperationRecord record_;
    std::vector<std::unique_ptr<Write>> writes_;
    bool committed_ = false;
};

// Rewrites a record file without record n (1-based) as one operation of the register, through
// the work file `workName` beside it: the records after it move down by one and a trailing
// partial record is left out. A number that names no record leaves the file as it is. `note`
// describes the change to the register's observer.
ReplaceResult removeRecord(const Paths& paths, const QString& kind, const QString& path,
                           int recordLength, qint64 n, const QString& workName,
                           const QByteArray& note = {});

struct RecoveryResult {
    bool found = false;      // a killed program had left an operation behind
    bool completed = false;  // it was finished (otherwise undone)
    QString errorText;       // why it could be neither (the register is then left alone)
};

// Run at start-up before anything is read: finishes or undoes the operation a killed program
// left in the register, and tells the register's observer. Also run by commit() when it finds
// such an operation.
RecoveryResult recoverOperations(const Paths& paths);

}  // namespace store
