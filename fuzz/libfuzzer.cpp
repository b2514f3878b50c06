// libFuzzer's start: with VELMAROK_FUZZ_CORPUS naming a folder, the target's seeds are put
// there first, so that the fuzzing starts from valid inputs (`make fuzz` names the corpus).

#include <QCryptographicHash>

#include "fuzz.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const QString corpus = qEnvironmentVariable("VELMAROK_FUZZ_CORPUS");
    if (corpus.isEmpty())
        return 0;
    QDir().mkpath(corpus);
    for (const QByteArray& seed : fuzzing::seeds()) {
        QFile file(
            corpus + u'/' +
            QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex()));
        if (file.open(QIODevice::WriteOnly))
            file.write(seed);
    }
    return 0;
}
