#include "store/operation.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <algorithm>

#include "store/recordfile.h"

namespace store {

struct Operation::Write {
    QString path;
    QByteArray bytes;
    QString workName;
    qint64 offset = -1;  // -1: the whole content
};

Operation::Operation(const Paths& paths, QString kind) : paths_(paths) {
    record_.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record_.kind = std::move(kind);
}

Operation::~Operation() = default;

void Operation::replace(const QString& path, QByteArray content, const QString& workName) {
    writes_.push_back(std::make_unique<Write>(Write{path, std::move(content), workName, -1}));
}

void Operation::writeAt(const QString& path, qint64 offset, QByteArray bytes) {
    writes_.push_back(std::make_unique<Write>(Write{path, std::move(bytes), {}, offset}));
}

namespace {

// What a file was before a write: its length and the bytes the write covered (for a whole
// new content, everything).
struct Before {
    QString path;
    qint64 length = -1;  // -1: the file did not exist
    QByteArray bytes;
    qint64 offset = 0;
};

bool writeBytes(const QString& path, qint64 offset, const QByteArray& bytes, QString* error) {
    QFile file(path);
    const bool ok = file.open(QIODevice::ReadWrite) && file.seek(offset) &&
                    file.write(bytes) == bytes.size() && file.flush();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

void restore(const Before& before) {
    if (before.length < 0) {
        QFile::remove(before.path);
        return;
    }
    QFile file(before.path);
    if (file.open(QIODevice::ReadWrite) && file.resize(before.length) && file.seek(before.offset))
        file.write(before.bytes);
}

}  // namespace

OperationResult Operation::commit() {
    // Each file is written in turn; a failed write puts back what the earlier ones changed.
    if (OperationObserver* observer = paths_.observer(); observer && !observer->committing(record_))
        return {false, {}, QStringLiteral("observer")};
    std::vector<Before> done;
    for (const auto& write : writes_) {
        Before before{write->path, -1, {}, std::max<qint64>(write->offset, 0)};
        QFile old(write->path);
        if (old.open(QIODevice::ReadOnly)) {
            before.length = old.size();
            old.seek(before.offset);
            before.bytes = write->offset < 0 ? old.readAll() : old.read(write->bytes.size());
        }
        bool ok = false;
        QString error;
        if (write->offset < 0) {
            const QString work = QFileInfo(write->path).absolutePath() + u'/' +
                                 (write->workName.isEmpty() ? u"~" + record_.id : write->workName);
            const ReplaceResult replaced = replaceFile(write->path, write->bytes, work);
            ok = replaced.ok();
            error = replaced.errorText;
        } else {
            ok = writeBytes(write->path, write->offset, write->bytes, &error);
        }
        if (!ok) {
            restore(before);
            for (auto it = done.rbegin(); it != done.rend(); ++it)
                restore(*it);
            if (OperationObserver* observer = paths_.observer())
                observer->undone(record_.id);
            return {false, write->path, error};
        }
        done.push_back(std::move(before));
    }
    committed_ = true;
    return {};
}

RecoveryResult recoverOperations(const Paths&) {
    return {};
}

}  // namespace store
