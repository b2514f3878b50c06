#pragma once

#include <QDate>
#include <QTime>

namespace store {

// Dates on disk are 8-byte doubles counting days since 1899-12-30, the fraction being the
// time of day. Negative values count back from that day with the time still added forward
// (-1.25 is 1899-12-29 06:00). The register keeps these values as they are and compares
// them as numbers; these functions convert for display and from the calendar.

struct DateParts {
    QDate date;  // invalid when the value is no date (NaN, infinite, beyond the year 9999)
    QTime time;
};

DateParts dateFromOle(double value);
double oleFromDate(QDate date, QTime time = QTime(0, 0));

}  // namespace store
