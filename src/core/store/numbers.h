#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Numbers read from and written into the register's text fields. The same rules serve every
// field that takes a number: serials, client numbers, counters and the answers of input boxes.
namespace store {

// The numeric value of a text: leading blanks are skipped and the longest leading part that
// reads as a decimal number (sign, digits, a decimal point and digits) is taken; a text
// without one gives 0. " 12abc" -> 12, "12.5" -> 12.5, "x" -> 0.
double numericValue(QStringView text);
// The same, but nothing when the text does not begin with a number.
std::optional<double> leadingNumber(QStringView text);

// A number as text, the way the register compares numbers with texts: decimal digits without
// leading zeros or blanks, a leading minus for negatives, and a decimal comma for a fraction
// (12 -> "12", -3 -> "-3", 12.5 -> "12,5").
QString numberText(double value);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// `value` rounded halves-to-even when it fits a 16-bit (32-bit) signed number, else nothing.
std::optional<qint16> toInt16(double value);
std::optional<qint32> toInt32(double value);

// A whole number as a text holds it: optional blanks, an optional sign, digits, optional
// blanks; nothing else. "12" and " -3 " are whole numbers, "12abc", "1.5" and "" are not.
std::optional<qint64> wholeNumber(QStringView text);

// Whether the text reads as a number the way a Hungarian user writes one: optional blanks,
// an optional sign, digits with at most one decimal comma (or point). "12", "1,5" yes;
// "12x", "", "," no.
bool isNumber(QStringView text);

}  // namespace store
