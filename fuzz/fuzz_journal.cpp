// The journal reader on any bytes, and the recovery of a register on any journal that reads:
// as it is (almost always refused by its checksum) and as a body behind a correct header, so
// that the checks past the checksum and the recovery's steps are reached too. Whatever the
// journal names, the recovery touches nothing outside the register folder.

#include <QCryptographicHash>
#include <QtEndian>

#include "fuzz.h"
#include "store/journal.h"
#include "store/operation.h"

namespace {

// The header the journal's writer puts before a body.
QByteArray withHeader(quint8 state, const QByteArray& body) {
    char numbers[16] = {};
    qToLittleEndian<quint32>(1, numbers);
    qToLittleEndian<quint32>(state, numbers + 4);
    qToLittleEndian<quint64>(quint64(body.size()), numbers + 8);
    return "VMJOURNL" + QByteArray(numbers, sizeof numbers) +
           QCryptographicHash::hash(body, QCryptographicHash::Sha256) + body;
}

}  // namespace

std::vector<QByteArray> fuzzing::seeds() {
    store::Journal journal;
    journal.record = {QStringLiteral("0123abcd"), QStringLiteral("backup"), "note"};
    journal.entries.push_back({store::JournalEntry::Kind::Replace,
                               QStringLiteral("2024/Mentés.dat"),
                               true,
                               QStringLiteral("2024/xxx.dat"),
                               QStringLiteral("2024/Mentés.dat.0123abcd.old"),
                               0,
                               0,
                               {}});
    journal.entries.push_back({store::JournalEntry::Kind::Write,
                               QStringLiteral("Ugyfelek.dat"),
                               true,
                               {},
                               {},
                               44,
                               90,
                               QByteArray(44, 'k')});
    journal.entries.push_back(
        {store::JournalEntry::Kind::Write, QStringLiteral("UszNum.dat"), false, {}, {}, 0, 0, {}});
    const QByteArray whole = store::encodeJournal(journal);
    // A body alone: the first byte chooses the state.
    return {whole, QByteArray(1, '\2') + whole.mid(56)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)store::decodeJournal(input);
    if (input.isEmpty())
        return 0;
    const QByteArray journal = withHeader(quint8(input[0]) % 4, input.mid(1));
    const std::optional<store::Journal> read = store::decodeJournal(journal);
    if (!read)
        return 0;
    for (const store::JournalEntry& entry : read->entries)
        FUZZ_REQUIRE(store::isRegisterName(entry.target));

    // A register beside a file outside it that no journal may reach.
    const fuzzing::Scratch& scratch = fuzzing::Scratch::instance();
    scratch.clear();
    scratch.write(QStringLiteral("Ugyfelek.dat"), QByteArray(90, 'c'));
    scratch.write(QStringLiteral("2024/Mentés.dat"), QByteArray(258, 'm'));
    scratch.write(QStringLiteral("2024/Mentés.dat.0123abcd.old"), QByteArray(516, 'o'));
    scratch.write(QStringLiteral("velmarok.journal"), journal);
    QFile outside(scratch.folder() + QStringLiteral("/../outside.dat"));
    outside.open(QIODevice::WriteOnly);
    outside.write("outside");
    outside.close();
    (void)store::recoverOperations(store::Paths(scratch.folder()));
    FUZZ_REQUIRE(outside.open(QIODevice::ReadOnly) && outside.readAll() == "outside");
    return 0;
}
