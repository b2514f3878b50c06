#include "register/assist.h"

#include <algorithm>
#include <limits>

#include "register/clients.h"
#include "register/counters.h"
#include "store/hungarian.h"
#include "store/numbers.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

template <typename R>
R recordAt(QByteArrayView records, int index) {
    return R::fromBytes(records.sliced(qsizetype(index) * R::Size, R::Size));
}

// Both record types begin with the name. The name is compared straight from its bytes: the
// typed text is trimmed, so the padding at the name's ends can neither make nor break a match.
template <typename R>
std::vector<int> matchingNames(QByteArrayView records, const QString& typed) {
    static_assert(R::NevWidth <= R::Size);
    const QString needle = store::upper(store::trimmed(typed));
    const int count = int(records.size() / R::Size);
    std::vector<int> found;
    found.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const QByteArrayView name = records.sliced(qsizetype(i) * R::Size, R::NevWidth);
        if (needle.isEmpty() || store::upperContains(name, needle))
            found.push_back(i);
    }
    return found;
}

}  // namespace

std::vector<int> matchingClients(QByteArrayView records, const QString& typed) {
    return matchingNames<store::UgyfelRekord>(records, typed);
}

std::vector<int> matchingHandlers(QByteArrayView records, const QString& typed) {
    return matchingNames<store::UgyintezoRekord>(records, typed);
}

QString clientCell(QByteArrayView records, int index, int column) {
    const auto client = recordAt<store::UgyfelRekord>(records, index);
    switch (column) {
        case 0:
            return store::trimmed(client.Nev);
        case 1:
            return QString::number(client.Ugyfelszam);
        case 2:
            return QString::number(index + 1);
        default:
            return {};
    }
}

QString handlerCell(QByteArrayView records, int index, int column) {
    switch (column) {
        case 0:
            return store::trimmed(recordAt<store::UgyintezoRekord>(records, index).Nev);
        case 1:
            return QString::number(index + 1);
        default:
            return {};
    }
}

QString subjectCounterText(qsizetype length) {
    if (length == 0)
        return {};
    if (length >= kSubjectLimit)
        return u"STOP"_s;
    return u"még: %1 karakter!"_s.arg(kSubjectLimit - length);
}

QString numberOnly(QString text, const QString& previous) {
    if (text.isEmpty() || store::isNumber(text))
        return text;
    // One character typed anywhere into the number: the number stays as it was.
    if (text.size() == previous.size() + 1) {
        qsizetype at = 0;
        while (at < previous.size() && text[at] == previous[at])
            ++at;
        if (QStringView(text).sliced(at + 1) == QStringView(previous).sliced(at))
            return previous;
    }
    while (!text.isEmpty() && !store::isNumber(text))
        text.chop(1);
    return text;
}

std::optional<qint64> proposedClientNumber(const QString& typed, const store::SetupRekord& setup,
                                           qint32 uszNum) {
    const qint64 start = setup.KezdoUgyfelszam;
    if (!store::flagOn(setup.AutUgyfelszam) || !(store::numericValue(typed) < double(start)))
        return std::nullopt;
    return nextClientCounter(uszNum, setup.KezdoUgyfelszam);
}

std::optional<qint32> clientCounterFromAnswer(const QString& answer) {
    const std::optional<double> next = store::leadingNumber(answer);
    if (!next)
        return std::nullopt;
    const std::optional<qint32> counter = store::toInt32(*next - 1);
    // The field shows the counter plus one, which must fit as well.
    if (!counter || *counter == std::numeric_limits<qint32>::max())
        return std::nullopt;
    return counter;
}

}  // namespace reg
