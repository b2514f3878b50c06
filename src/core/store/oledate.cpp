#include "store/oledate.h"

#include <cmath>

namespace store {
namespace {

const QDate kEpoch(1899, 12, 30);
// The calendar range a stored date may have: 100-01-01 .. 9999-12-31.
constexpr double kMin = -657434.0;
constexpr double kMax = 2958466.0;
constexpr qint64 kMsPerDay = 86'400'000;

}  // namespace

DateParts dateFromOle(double value) {
    if (!std::isfinite(value) || value <= kMin - 1 || value >= kMax)
        return {};
    double whole = std::trunc(value);
    qint64 ms = std::llround(std::fabs(value - whole) * double(kMsPerDay));
    if (ms >= kMsPerDay) {  // rounding reached the next midnight
        ms -= kMsPerDay;
        whole += value < 0 ? -1 : 1;
    }
    const QDate date = kEpoch.addDays(qint64(whole));
    if (!date.isValid() || date.year() > 9999)
        return {};
    return {date, QTime::fromMSecsSinceStartOfDay(int(ms))};
}

double oleFromDate(QDate date, QTime time) {
    if (!date.isValid())
        return 0;
    const double days = double(kEpoch.daysTo(date));
    const double fraction = time.isValid() ? time.msecsSinceStartOfDay() / double(kMsPerDay) : 0;
    return days >= 0 ? days + fraction : days - fraction;
}

}  // namespace store
