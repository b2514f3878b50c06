#include "store/operation.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

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

OperationResult Operation::commit() {
    // Each file is written in turn; the journal of the operation takes this over.
    OperationResult result;
    if (OperationObserver* observer = paths_.observer(); observer && !observer->committing(record_))
        return {false, {}, QStringLiteral("observer")};
    for (const auto& write : writes_) {
        bool ok = false;
        QString error;
        if (write->offset < 0) {
            const QString work = QFileInfo(write->path).absolutePath() + u'/' +
                                 (write->workName.isEmpty() ? u"~" + record_.id : write->workName);
            const ReplaceResult replaced = replaceFile(write->path, write->bytes, work);
            ok = replaced.ok();
            error = replaced.errorText;
        } else {
            QFile file(write->path);
            ok = file.open(QIODevice::ReadWrite) && file.seek(write->offset) &&
                 file.write(write->bytes) == write->bytes.size() && file.flush();
            error = file.errorString();
        }
        if (!ok)
            return {false, write->path, error};
    }
    committed_ = true;
    return result;
}

RecoveryResult recoverOperations(const Paths&) {
    return {};
}

}  // namespace store
