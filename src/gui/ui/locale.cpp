#include "ui/locale.h"

#include <QVarLengthArray>
#include <array>
#include <cmath>
#include <limits>

#include "store/cp1250.h"
#include "store/oledate.h"

using namespace Qt::StringLiterals;

namespace ui {

QString shortDate(QDate date) {
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3.")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString shortDate(double oleDate) {
    return shortDate(store::dateFromOle(oleDate).date);
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
            const QString up = ui::upper(store::decodeCp1250(QByteArrayView(&byte, 1)));
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
            return upper(store::decodeCp1250(text)).contains(upperNeedle);
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

double numericValue(QStringView text) {
    return leadingNumber(text).value_or(0);
}

std::optional<double> leadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i, ++digits;
    if (i < text.size() && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < text.size() && text[j] >= u'0' && text[j] <= u'9')
            ++j, ++fraction;
        if (fraction > 0 || digits > 0)
            i = j, digits += fraction;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = text.sliced(start, i - start).toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString numberText(double value) {
    if (value == 0)
        return u"0"_s;  // also -0
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    return text;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    return std::nearbyint(value);  // the default rounding mode rounds halves to even
}

std::optional<qint16> toInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<qint16>::min() && r <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(r);
}

std::optional<qint32> toInt32(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<qint32>::min() && r <= std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<qint32>(r);
}

std::optional<qint64> wholeNumber(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    if (i == t.size() || t.size() - i > 18)
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j) {
        if (t[j] < u'0' || t[j] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = t.toString().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

bool isNumber(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    bool separator = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= u'0' && t[i] <= u'9') {
            ++digits;
        } else if ((t[i] == u',' || t[i] == u'.') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

QString groupedNumber(qint64 value) {
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return value < 0 ? u'-' + digits : digits;
}

QColor colorFromStored(qint32 stored) {
    const auto v = static_cast<quint32>(stored);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 storedFromColor(const QColor& color) {
    const quint32 v =
        quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
    return static_cast<qint32>(v);
}

}  // namespace ui
