#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "store/paths.h"

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
// an operation that a killed program left behind; so both calls must be idempotent.
class OperationObserver {
public:
    virtual ~OperationObserver() = default;
    // The operation's new contents are safely written and it is about to take effect. False
    // undoes the operation.
    virtual bool committing(const OperationRecord& operation) = 0;
    // The operation was undone, possibly after committing() was called for it.
    virtual void undone(const QString& operationId) = 0;
};

struct OperationResult {
    bool ok = true;
    QString failedFile;  // the file that could not be written
    QString errorText;   // the system's reason
};

// Collects the writes of one operation, then commits them all together. Nothing touches a
// file before commit(); an operation destroyed without commit() writes nothing.
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

    // The file's whole new content. `workName` names the work file beside it (xxx.dat for the
    // letters); empty: a name of the operation's own.
    void replace(const QString& path, QByteArray content, const QString& workName = {});
    // `bytes` written over the file from `offset`: a record in place, or records at the end.
    // Undone, the file gets back its previous length and the bytes it had there.
    void writeAt(const QString& path, qint64 offset, QByteArray bytes);

    // Writes everything, or on any failure leaves every file as it was and says which file
    // failed and why.
    OperationResult commit();

    struct Write;  // one replace() or writeAt()

private:
    Paths paths_;
    OperationRecord record_;
    std::vector<std::unique_ptr<Write>> writes_;
    bool committed_ = false;
};

struct RecoveryResult {
    bool found = false;      // a killed program had left an operation behind
    bool completed = false;  // it was finished (otherwise undone)
    QString errorText;       // why it could be neither (the register is then left alone)
};

// Run at start-up before anything is read: finishes or undoes the operation a killed program
// left in the register.
RecoveryResult recoverOperations(const Paths& paths);

}  // namespace store
