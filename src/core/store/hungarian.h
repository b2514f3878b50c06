#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>

// Hungarian conventions of the register, the same whatever the system's locale is: the short
// date of the lists, upper-casing and name comparison, and grouped thousands.
namespace store {

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

// Thousands grouped with a space: 1234 -> "1 234", 0 -> "0".
QString groupedNumber(qint64 value);

}  // namespace store
