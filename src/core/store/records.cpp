#include "store/records.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "store/cp1250.h"

namespace store {
namespace {

// Reads fields from a record's bytes. Bytes beyond the input read as the empty record:
// zeros for numbers, spaces for texts.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : bytes_(bytes) {}

    template <typename T>
    T number(qsizetype offset) const {
        unsigned char raw[sizeof(T)] = {};
        for (qsizetype i = 0; i < qsizetype(sizeof(T)); ++i) {
            if (offset + i < bytes_.size())
                raw[i] = static_cast<unsigned char>(bytes_[offset + i]);
        }
        return qFromLittleEndian<T>(raw);
    }

    double real(qsizetype offset) const {
        const quint64 bits = number<quint64>(offset);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    QString text(qsizetype offset, qsizetype width) const {
        QByteArray raw(width, ' ');
        const qsizetype available = qBound<qsizetype>(0, bytes_.size() - offset, width);
        if (available > 0)
            std::memcpy(raw.data(), bytes_.data() + offset, size_t(available));
        return decodeCp1250(raw);
    }

private:
    QByteArrayView bytes_;
};

class FieldWriter {
public:
    explicit FieldWriter(qsizetype size) : bytes_(size, '\0') {}

    template <typename T>
    void number(qsizetype offset, T value) {
        qToLittleEndian<T>(value, bytes_.data() + offset);
    }

    void real(qsizetype offset, double value) {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        number<quint64>(offset, bits);
    }

    void text(qsizetype offset, qsizetype width, const QString& value) {
        const QByteArray encoded = encodeCp1250(value, width);
        std::memcpy(bytes_.data() + offset, encoded.constData(), size_t(width));
    }

    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

}  // namespace

QString trimmed(const QString& field) {
    auto blank = [](QChar c) { return c == u' ' || c == QChar(0); };
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && blank(field[begin]))
        ++begin;
    while (end > begin && blank(field[end - 1]))
        --end;
    return begin == 0 && end == field.size() ? field : field.mid(begin, end - begin);
}

// --- LevelRekord: 0 Datum 8, 8 Bejovo 2, 10 Evszam 14, 24 Elotag 4, 28 Sorszam 2,
// 30 KitolKinek 40, 70 Ugyintezo 30, 100 LevelTargya 100, 200 Ugyfelszam 2, 202 CsoportJel 2,
// 204 Num 4, 208 Melleklet 50.
static_assert(8 + 2 + 14 + 4 + 2 + 40 + 30 + 100 + 2 + 2 + 4 + 50 == LevelRekord::Size);

double LevelView::Datum() const {
    return FieldReader(bytes_).real(0);
}
qint16 LevelView::Bejovo() const {
    return FieldReader(bytes_).number<qint16>(8);
}
QString LevelView::Evszam() const {
    return FieldReader(bytes_).text(10, LevelRekord::EvszamWidth);
}
QString LevelView::Elotag() const {
    return FieldReader(bytes_).text(24, LevelRekord::ElotagWidth);
}
qint16 LevelView::Sorszam() const {
    return FieldReader(bytes_).number<qint16>(28);
}
QString LevelView::KitolKinek() const {
    return FieldReader(bytes_).text(30, LevelRekord::KitolKinekWidth);
}
QString LevelView::Ugyintezo() const {
    return FieldReader(bytes_).text(70, LevelRekord::UgyintezoWidth);
}
QString LevelView::LevelTargya() const {
    return FieldReader(bytes_).text(100, LevelRekord::LevelTargyaWidth);
}
qint16 LevelView::Ugyfelszam() const {
    return FieldReader(bytes_).number<qint16>(200);
}
QString LevelView::CsoportJel() const {
    return FieldReader(bytes_).text(202, LevelRekord::CsoportJelWidth);
}
qint32 LevelView::Num() const {
    return FieldReader(bytes_).number<qint32>(204);
}
QString LevelView::Melleklet() const {
    return FieldReader(bytes_).text(208, LevelRekord::MellekletWidth);
}
bool LevelView::incoming() const {
    return Bejovo() == kTrue;
}
QByteArrayView LevelView::bytes(qsizetype offset, qsizetype width) const {
    if (offset >= bytes_.size())
        return {};
    return bytes_.sliced(offset, std::min(width, bytes_.size() - offset));
}

LevelRekord LevelRekord::fromBytes(QByteArrayView bytes) {
    const LevelView in(bytes);
    LevelRekord r;
    r.Datum = in.Datum();
    r.Bejovo = in.Bejovo();
    r.Evszam = in.Evszam();
    r.Elotag = in.Elotag();
    r.Sorszam = in.Sorszam();
    r.KitolKinek = in.KitolKinek();
    r.Ugyintezo = in.Ugyintezo();
    r.LevelTargya = in.LevelTargya();
    r.Ugyfelszam = in.Ugyfelszam();
    r.CsoportJel = in.CsoportJel();
    r.Num = in.Num();
    r.Melleklet = in.Melleklet();
    return r;
}

QByteArray LevelRekord::toBytes() const {
    FieldWriter out(Size);
    out.real(0, Datum);
    out.number<qint16>(8, Bejovo);
    out.text(10, EvszamWidth, Evszam);
    out.text(24, ElotagWidth, Elotag);
    out.number<qint16>(28, Sorszam);
    out.text(30, KitolKinekWidth, KitolKinek);
    out.text(70, UgyintezoWidth, Ugyintezo);
    out.text(100, LevelTargyaWidth, LevelTargya);
    out.number<qint16>(200, Ugyfelszam);
    out.text(202, CsoportJelWidth, CsoportJel);
    out.number<qint32>(204, Num);
    out.text(208, MellekletWidth, Melleklet);
    return out.take();
}

QString registrationNumber(const LevelRekord& letter) {
    const QString serial =
        letter.Sorszam == kBlankSerial ? QString() : QString::number(letter.Sorszam);
    return trimmed(letter.Elotag) + serial + trimmed(letter.Evszam);
}

// --- IratRekord: 0 IratNev 50, 50 IratUtvonal 300.
static_assert(IratRekord::IratNevWidth + IratRekord::IratUtvonalWidth == IratRekord::Size);

IratRekord IratRekord::fromBytes(QByteArrayView bytes) {
    const FieldReader in(bytes);
    return {in.text(0, IratNevWidth), in.text(50, IratUtvonalWidth)};
}

QByteArray IratRekord::toBytes() const {
    FieldWriter out(Size);
    out.text(0, IratNevWidth, IratNev);
    out.text(50, IratUtvonalWidth, IratUtvonal);
    return out.take();
}

// --- NumRekord: 0 KiNum 2, 2 BeNum 2.
NumRekord NumRekord::fromBytes(QByteArrayView bytes) {
    const FieldReader in(bytes);
    return {in.number<qint16>(0), in.number<qint16>(2)};
}

QByteArray NumRekord::toBytes() const {
    FieldWriter out(Size);
    out.number<qint16>(0, KiNum);
    out.number<qint16>(2, BeNum);
    return out.take();
}

// --- UszNumRekord: 0 UszNum 4.
UszNumRekord UszNumRekord::fromBytes(QByteArrayView bytes) {
    return {FieldReader(bytes).number<qint32>(0)};
}

QByteArray UszNumRekord::toBytes() const {
    FieldWriter out(Size);
    out.number<qint32>(0, UszNum);
    return out.take();
}

// --- SetupRekord: 0 AblakSzin 4, 4 ListaSzin 4, 8 PartnerSzin 4, 12 Rendezes 2,
// 14 WordUtvonal 250, 264 PDFUtvonal 250, 514 AutUgyfelszam 2, 516 UtolsoSorraUgras 2,
// 518 KezdoUgyfelszam 4.
static_assert(4 + 4 + 4 + 2 + 250 + 250 + 2 + 2 + 4 == SetupRekord::Size);

SetupRekord SetupRekord::fromBytes(QByteArrayView bytes) {
    const FieldReader in(bytes);
    SetupRekord r;
    r.AblakSzin = in.number<qint32>(0);
    r.ListaSzin = in.number<qint32>(4);
    r.PartnerSzin = in.number<qint32>(8);
    r.Rendezes = in.number<qint16>(12);
    r.WordUtvonal = in.text(14, UtvonalWidth);
    r.PDFUtvonal = in.text(264, UtvonalWidth);
    r.AutUgyfelszam = in.number<qint16>(514);
    r.UtolsoSorraUgras = in.number<qint16>(516);
    r.KezdoUgyfelszam = in.number<qint32>(518);
    return r;
}

QByteArray SetupRekord::toBytes() const {
    FieldWriter out(Size);
    out.number<qint32>(0, AblakSzin);
    out.number<qint32>(4, ListaSzin);
    out.number<qint32>(8, PartnerSzin);
    out.number<qint16>(12, Rendezes);
    out.text(14, UtvonalWidth, WordUtvonal);
    out.text(264, UtvonalWidth, PDFUtvonal);
    out.number<qint16>(514, AutUgyfelszam);
    out.number<qint16>(516, UtolsoSorraUgras);
    out.number<qint32>(518, KezdoUgyfelszam);
    return out.take();
}

// --- CsoportRekord: 0 Nev 30, 30 Betujel 2.
static_assert(CsoportRekord::NevWidth + CsoportRekord::BetujelWidth == CsoportRekord::Size);

CsoportRekord CsoportRekord::fromBytes(QByteArrayView bytes) {
    const FieldReader in(bytes);
    return {in.text(0, NevWidth), in.text(30, BetujelWidth)};
}

QByteArray CsoportRekord::toBytes() const {
    FieldWriter out(Size);
    out.text(0, NevWidth, Nev);
    out.text(30, BetujelWidth, Betujel);
    return out.take();
}

// --- UgyfelRekord: 0 Nev 40, 40 Ugyfelszam 4.
static_assert(UgyfelRekord::NevWidth + 4 == UgyfelRekord::Size);

UgyfelRekord UgyfelRekord::fromBytes(QByteArrayView bytes) {
    const FieldReader in(bytes);
    return {in.text(0, NevWidth), in.number<qint32>(40)};
}

QByteArray UgyfelRekord::toBytes() const {
    FieldWriter out(Size);
    out.text(0, NevWidth, Nev);
    out.number<qint32>(40, Ugyfelszam);
    return out.take();
}

// --- UgyintezoRekord: 0 Nev 40.
UgyintezoRekord UgyintezoRekord::fromBytes(QByteArrayView bytes) {
    return {FieldReader(bytes).text(0, NevWidth)};
}

QByteArray UgyintezoRekord::toBytes() const {
    FieldWriter out(Size);
    out.text(0, NevWidth, Nev);
    return out.take();
}

}  // namespace store
