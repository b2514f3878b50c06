#include "store/cp1250.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <utility>

namespace store {
namespace {

// Unicode code points of the bytes 0x80..0xFF. The five bytes that Windows-1250 leaves
// unassigned (0x81, 0x83, 0x88, 0x90, 0x98) keep their C1 code points so they survive a
// read and write unchanged.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Reverse table for the characters above 0x7F, built once.
struct Reverse {
    std::array<unsigned char, 0x10000> byte{};
    Reverse() {
        for (int i = 0; i < 128; ++i)
            byte[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

// Look-alikes that the code page lacks, and what it holds instead.
constexpr std::pair<char16_t, char16_t> kLookAlikes[] = {
    {u'õ', u'ő'},   {u'Õ', u'Ő'},     {u'ũ', u'ű'},     {u'Ũ', u'Ű'},
    {u'û', u'ű'},   {u'Û', u'Ű'},     {0x2010, u'-'},   {0x2011, u'-'},
    {0x2212, u'-'}, {0x2012, 0x2013}, {0x2007, 0x00A0}, {0x202F, 0x00A0},
};

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < 0x80)
        return c;
    static const Reverse reverse;
    return reverse.byte[c] ? reverse.byte[c] : -1;
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The text as it is stored: composed, look-alikes replaced.
QString prepared(QStringView text) {
    QString out = text.toString().normalized(QString::NormalizationForm_C);
    for (QChar& c : out) {
        for (const auto& [from, to] : kLookAlikes) {
            if (c.unicode() == from)
                c = QChar(to);
        }
    }
    return out;
}

// Calls `put` with each character of `text` (up to `limit`) and its byte, -1 for none.
template <typename Put>
void forEachChar(QStringView text, qsizetype limit, Put put) {
    qsizetype chars = 0;
    for (qsizetype i = 0; i < text.size() && chars < limit; ++i, ++chars) {
        // A character outside the basic plane is one character, and has no byte.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            put(text.sliced(i, 2), -1);
            ++i;
            continue;
        }
        put(text.sliced(i, 1), byteOf(text[i].unicode()));
    }
}

void appendEncoded(QByteArray& out, QStringView text, qsizetype limit) {
    // Plain ASCII is stored as it is.
    const bool ascii = isAscii(text);
    const QString stored = ascii ? QString() : prepared(text);
    forEachChar(ascii ? text : QStringView(stored), limit, [&](QStringView, int byte) {
        out.append(byte < 0 ? '?' : static_cast<char>(byte));
    });
}

}  // namespace

QString decodeCp1250(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(b < 0x80 ? char16_t(b) : kHigh[b - 0x80]);
    }
    return text;
}

QByteArray encodeCp1250(QStringView text, qsizetype width) {
    QByteArray out;
    out.reserve(width);
    appendEncoded(out, text, width);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

QByteArray encodeCp1250(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    appendEncoded(out, text, text.size());
    return out;
}

QStringList unencodableCp1250(QStringView text) {
    QStringList missing;
    QSet<QString> seen;
    const QString stored = prepared(text);
    forEachChar(stored, stored.size(), [&](QStringView c, int byte) {
        if (byte < 0 && !seen.contains(c.toString())) {
            seen.insert(c.toString());
            missing << c.toString();
        }
    });
    return missing;
}

}  // namespace store
