// Every record reader on any bytes: the eight record types, the letter view, stored dates and
// Windows-1250 text. Besides running without fault, what is read and written back keeps its
// bytes, and the view reads what the record reads.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fuzz.h"
#include "store/cp1250.h"
#include "store/oledate.h"
#include "store/records.h"

namespace {

template <typename R>
void readAndWriteBack(QByteArrayView bytes) {
    const R record = R::fromBytes(bytes);
    const QByteArray written = record.toBytes();
    FUZZ_REQUIRE(written.size() == R::Size);
    if (bytes.size() >= R::Size)
        FUZZ_REQUIRE(written == bytes.first(R::Size));
}

bool sameNumber(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

std::vector<QByteArray> fuzzing::seeds() {
    store::LevelRekord letter;
    letter.Datum = 45458.5;
    letter.Bejovo = store::kTrue;
    letter.Evszam = QStringLiteral("/2024");
    letter.Elotag = QStringLiteral("AB/");
    letter.Sorszam = 15;
    letter.KitolKinek = QStringLiteral("Őrség Kft.");
    letter.LevelTargya = QStringLiteral("Árvíztűrő tükörfúrógép „idézet” – …");
    store::SetupRekord setup;
    setup.WordUtvonal = QStringLiteral("\"/usr/bin/libreoffice\"");
    return {
        letter.toBytes(), setup.toBytes(),
        store::IratRekord{QStringLiteral("\"a.pdf\""), QStringLiteral("\"/x/a.pdf\"")}.toBytes(),
        store::UgyfelRekord{QStringLiteral("Kovács Kft."), 1001}.toBytes(), QByteArray()};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    readAndWriteBack<store::LevelRekord>(bytes);
    readAndWriteBack<store::IratRekord>(bytes);
    readAndWriteBack<store::NumRekord>(bytes);
    readAndWriteBack<store::UszNumRekord>(bytes);
    readAndWriteBack<store::SetupRekord>(bytes);
    readAndWriteBack<store::CsoportRekord>(bytes);
    readAndWriteBack<store::UgyfelRekord>(bytes);
    readAndWriteBack<store::UgyintezoRekord>(bytes);

    const store::LevelRekord letter = store::LevelRekord::fromBytes(bytes);
    const store::LevelView view(bytes);
    FUZZ_REQUIRE(sameNumber(view.Datum(), letter.Datum));
    FUZZ_REQUIRE(view.KitolKinek() == letter.KitolKinek && view.Num() == letter.Num &&
                 view.Melleklet() == letter.Melleklet && view.incoming() == letter.incoming());
    (void)store::registrationNumber(letter);

    // Any stored date: a valid one converts back to the same day.
    const store::DateParts parts = store::dateFromOle(letter.Datum);
    if (parts.date.isValid())
        FUZZ_REQUIRE(store::dateFromOle(store::oleFromDate(parts.date)).date == parts.date);

    // Every byte decodes to one character and back; as UTF-16, any text encodes.
    // Texts longer than any field tell no more.
    const QByteArrayView field = bytes.first(std::min<qsizetype>(bytes.size(), 600));
    const QString text = store::decodeCp1250(field);
    FUZZ_REQUIRE(text.size() == field.size() && store::encodeCp1250(text) == field);
    FUZZ_REQUIRE(store::unencodableCp1250(text).isEmpty());
    QString utf16(field.size() / 2, Qt::Uninitialized);
    std::memcpy(utf16.data(), field.data(), size_t(utf16.size()) * 2);
    const QByteArray encoded = store::encodeCp1250(utf16, 40);
    FUZZ_REQUIRE(encoded.size() == 40);
    FUZZ_REQUIRE(store::unencodableCp1250(utf16).isEmpty() ||
                 store::encodeCp1250(utf16).contains('?'));
    return 0;
}
