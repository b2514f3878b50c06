#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

// Hungarian conventions of the program, the same whatever the system's locale is.
namespace ui {

// Short date: 2012.10.15. (Qt's own Hungarian short format has spaces; the register's
// lists, searches and exports all use this one.) An invalid date gives an empty text.
QString shortDate(QDate date);
// The short date of a stored date value (days since 1899-12-30).
QString shortDate(double oleDate);

// Upper-casing with Hungarian letters (ő -> Ő, ű -> Ű).
QString upper(const QString& text);

// Whether `upperNeedle` occurs in the Windows-1250 `text` upper-cased: the same answer as
// upper(decoded text).contains(upperNeedle), without building the decoded and upper-cased
// texts, for look-ups that run over a whole file on every keystroke.
bool upperContains(QByteArrayView text, QStringView upperNeedle);

// Name comparison of clients and handlers: both sides trimmed of spaces at the ends and
// upper-cased, then compared exactly.
bool sameName(const QString& a, const QString& b);

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

// Thousands grouped with a space: 1234 -> "1 234", 0 -> "0".
QString groupedNumber(qint64 value);

// Colours are stored as 0x00BBGGRR.
QColor colorFromStored(qint32 stored);
qint32 storedFromColor(const QColor& color);

}  // namespace ui
