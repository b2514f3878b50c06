#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "store/records.h"

// The help the entry fields give while a letter is typed: the client and case handler pick
// lists, the subject's character counter, the serial box that takes only a number, and the
// client number check and proposal. Plain functions, used by the main window.
namespace reg {

// The subject holds at most this many characters.
inline constexpr int kSubjectLimit = 100;

// Rows of a pick list: the 0-based record numbers of the matching names, in file order.
// `records` are the file's whole records; `typed` is the text of the entry field. A name
// matches when the typed text, trimmed and upper-cased, occurs anywhere in the trimmed,
// upper-cased name; an empty text matches every name.
std::vector<int> matchingClients(QByteArrayView records, const QString& typed);
std::vector<int> matchingHandlers(QByteArrayView records, const QString& typed);

// The cells of a pick list row. Clients: "Név", "Üsz.", "rec"; handlers: "Név", "rec".
QString clientCell(QByteArrayView records, int index, int column);
QString handlerCell(QByteArrayView records, int index, int column);

// What lbHossz shows for a subject of `length` characters: "még: 57 karakter!" while there
// is room, "STOP" at the limit, nothing for an empty subject.
QString subjectCounterText(qsizetype length);

// The serial box takes only a number. Pasted or replaced text that does not read as one loses
// characters from its end until it does or is empty ("31x9y" pasted over "123" -> "31",
// "12ab3" -> "12"). One character typed into the box's last number `previous` gives that number
// back, so a letter typed between or before digits never costs a digit ("1x2" -> "12").
QString numberOnly(QString text, const QString& previous);

// The client number to propose when the client number field gets the focus: with automatic
// numbering on and the typed number below the starting number, the next number after the
// last one given, and at least the starting number. Nothing when the field keeps its text.
std::optional<qint64> proposedClientNumber(const QString& typed, const store::SetupRekord& setup,
                                           qint32 uszNum);

// The last client number given, set from the next number the user typed: the answer's
// numeric value minus 1, rounded. Nothing when the answer does not begin with a number or the
// result does not fit the counter.
std::optional<qint32> clientCounterFromAnswer(const QString& answer);

}  // namespace reg
