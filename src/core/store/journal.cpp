#include "store/journal.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace store {
namespace {

constexpr QByteArrayView kMagic = "VMJOURNL";
constexpr quint32 kVersion = 1;
constexpr qsizetype kHashSize = 32;
constexpr qsizetype kHeaderSize = 8 + 4 + 4 + 8 + kHashSize;

QByteArray hash(QByteArrayView body) {
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

class Writer {
public:
    template <typename T>
    void number(T value) {
        char raw[sizeof(T)];
        qToLittleEndian<T>(value, raw);
        out.append(raw, sizeof(T));
    }
    void bytes(QByteArrayView value) {
        number<quint32>(quint32(value.size()));
        out.append(value);
    }
    void text(const QString& value) { bytes(value.toUtf8()); }

    QByteArray out;
};

// Reads the body; any read past its end leaves the reader failed.
class Reader {
public:
    explicit Reader(QByteArrayView in) : in_(in) {}

    template <typename T>
    T number() {
        if (!take(sizeof(T)))
            return T{};
        return qFromLittleEndian<T>(in_.data() + at_ - qsizetype(sizeof(T)));
    }
    QByteArray bytes() {
        const quint32 size = number<quint32>();
        if (!take(size))
            return {};
        return in_.sliced(at_ - qsizetype(size), qsizetype(size)).toByteArray();
    }
    QString text() { return QString::fromUtf8(bytes()); }
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == in_.size(); }

private:
    bool take(quint64 size) {
        if (!ok_ || size > quint64(in_.size() - at_)) {
            ok_ = false;
            return false;
        }
        at_ += qsizetype(size);
        return true;
    }

    QByteArrayView in_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

}  // namespace

bool isRegisterName(QStringView name) {
    if (name.isEmpty() || name.startsWith(u'/'))
        return false;
    for (QStringView part : name.split(u'/')) {
        if (part.isEmpty() || part == u"." || part == u".." || part.contains(QChar(0)))
            return false;
    }
    return true;
}

QByteArray encodeJournal(const Journal& journal) {
    Writer body;
    body.text(journal.record.id);
    body.text(journal.record.kind);
    body.bytes(journal.record.note);
    body.number<quint32>(quint32(journal.entries.size()));
    for (const JournalEntry& entry : journal.entries) {
        body.number<quint8>(quint8(entry.kind));
        body.text(entry.target);
        body.number<quint8>(entry.existed ? 1 : 0);
        if (entry.kind == JournalEntry::Kind::Replace) {
            body.text(entry.work);
            body.text(entry.previous);
        } else {
            body.number<qint64>(entry.offset);
            body.number<qint64>(entry.oldLength);
            body.bytes(entry.oldBytes);
        }
    }
    Writer header;
    header.out.append(kMagic);
    header.number<quint32>(kVersion);
    header.number<quint32>(quint32(journal.state));
    header.number<quint64>(quint64(body.out.size()));
    header.out.append(hash(body.out));
    return header.out + body.out;
}

std::optional<Journal> decodeJournal(QByteArrayView bytes) {
    if (bytes.size() < kHeaderSize || !bytes.startsWith(kMagic))
        return std::nullopt;
    Reader header(bytes.first(kHeaderSize).sliced(kMagic.size()));
    const auto version = header.number<quint32>();
    const auto state = header.number<quint32>();
    const auto length = header.number<quint64>();
    const QByteArrayView body = bytes.sliced(kHeaderSize);
    if (version != kVersion || length != quint64(body.size()) ||
        bytes.sliced(kHeaderSize - kHashSize, kHashSize) != hash(body) ||
        (state != quint32(Journal::State::Prepared) && state != quint32(Journal::State::Committed)))
        return std::nullopt;

    Journal journal;
    journal.state = Journal::State(state);
    Reader reader(body);
    journal.record.id = reader.text();
    journal.record.kind = reader.text();
    journal.record.note = reader.bytes();
    const auto count = reader.number<quint32>();
    for (quint32 i = 0; i < count && reader.ok(); ++i) {
        JournalEntry entry;
        const auto kind = reader.number<quint8>();
        entry.target = reader.text();
        entry.existed = reader.number<quint8>() != 0;
        if (kind == quint8(JournalEntry::Kind::Replace)) {
            entry.kind = JournalEntry::Kind::Replace;
            entry.work = reader.text();
            entry.previous = reader.text();
            if (!isRegisterName(entry.work) || (entry.existed && !isRegisterName(entry.previous)))
                return std::nullopt;
        } else if (kind == quint8(JournalEntry::Kind::Write)) {
            entry.kind = JournalEntry::Kind::Write;
            entry.offset = reader.number<qint64>();
            entry.oldLength = reader.number<qint64>();
            entry.oldBytes = reader.bytes();
            // No record file of a register comes near 4 GiB.
            constexpr qint64 kLargest = qint64(1) << 32;
            if (entry.offset < 0 || entry.oldLength < 0 || entry.offset > kLargest ||
                entry.oldLength > kLargest ||
                (!entry.oldBytes.isEmpty() &&
                 entry.offset > entry.oldLength - entry.oldBytes.size()))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        if (!isRegisterName(entry.target))
            return std::nullopt;
        journal.entries.push_back(std::move(entry));
    }
    if (!reader.ok() || !reader.atEnd())
        return std::nullopt;
    return journal;
}

}  // namespace store
