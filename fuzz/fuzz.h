#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// What every fuzz target shares. A target defines LLVMFuzzerTestOneInput and
// fuzzing::seeds(): inputs that are valid or nearly so, from which the mutations start.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzzing {

std::vector<QByteArray> seeds();

// A finding: the input broke a rule that must hold for every input.
#define FUZZ_REQUIRE(condition)                                                                \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// A register folder of the process's own, emptied for each input.
class Scratch {
public:
    static Scratch& instance() {
        static Scratch scratch;
        return scratch;
    }
    const QString& folder() const { return folder_; }
    void clear() const {
        QDir(folder_).removeRecursively();
        QDir().mkpath(folder_);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        const QString path = folder_ + u'/' + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    // In memory where it can: thousands of registers are laid down each second.
    static QString base() {
        return QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                   ? QStringLiteral("/dev/shm/velmarok-fuzz-XXXXXX")
                   : QDir::tempPath() + QStringLiteral("/velmarok-fuzz-XXXXXX");
    }
    Scratch() : dir_(base()), folder_(dir_.path() + QStringLiteral("/register")) {}
    QTemporaryDir dir_;
    QString folder_;
};

// Cuts an input into consecutive pieces, each led by a 16-bit length (taken modulo what is
// left), so that mutated inputs still reach every piece.
class Pieces {
public:
    Pieces(const uint8_t* data, size_t size)
        : bytes_(reinterpret_cast<const char*>(data), qsizetype(size)) {}
    QByteArray next() {
        if (at_ + 2 > bytes_.size())
            return {};
        const int length =
            (uchar(bytes_[at_]) | uchar(bytes_[at_ + 1]) << 8) % int(bytes_.size() - at_ - 1);
        at_ += 2;
        const QByteArray piece = bytes_.mid(at_, length);
        at_ += length;
        return piece;
    }
    // A piece in the same form, for building seeds.
    static QByteArray lead(const QByteArray& piece) {
        return QByteArray(1, char(piece.size() & 0xFF)) + char(piece.size() >> 8) + piece;
    }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

}  // namespace fuzzing
