#include "store/hungarian.h"

#include <QVarLengthArray>
#include <array>

#include "store/cp1250.h"
#include "store/oledate.h"

namespace store {

QString shortDate(QDate date) {
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3.")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString shortDate(double oleDate) {
    return shortDate(dateFromOle(oleDate).date);
}

QString upper(const QString& text) {
    return text.toUpper();
}

namespace {

// The upper case of each Windows-1250 byte, where it is a single character.
struct UpperBytes {
    std::array<char16_t, 256> upper{};
    std::array<bool, 256> single{};
    UpperBytes() {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString up = store::upper(decodeCp1250(QByteArrayView(&byte, 1)));
            single[size_t(b)] = up.size() == 1;
            upper[size_t(b)] = single[size_t(b)] ? up[0].unicode() : u'\0';
        }
    }
};

}  // namespace

bool upperContains(QByteArrayView text, QStringView upperNeedle) {
    static const UpperBytes table;
    QVarLengthArray<char16_t, 128> buffer(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = size_t(static_cast<unsigned char>(text[i]));
        // A letter whose upper case is longer (ß -> SS) takes the general way.
        if (!table.single[b])
            return upper(decodeCp1250(text)).contains(upperNeedle);
        buffer[i] = table.upper[b];
    }
    return QStringView(buffer.data(), buffer.size()).contains(upperNeedle);
}

bool sameName(const QString& a, const QString& b) {
    auto norm = [](const QString& s) {
        qsizetype begin = 0, end = s.size();
        while (begin < end && s[begin] == u' ')
            ++begin;
        while (end > begin && s[end - 1] == u' ')
            --end;
        return upper(s.mid(begin, end - begin));
    };
    return norm(a) == norm(b);
}

QString groupedNumber(qint64 value) {
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return value < 0 ? u'-' + digits : digits;
}

}  // namespace store
