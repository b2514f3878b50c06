#include "store/numbers.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace store {

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

}  // namespace store
