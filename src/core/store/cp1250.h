#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace store {

// Texts on disk are Windows-1250 (Hungarian letters such as ő and ű are single bytes).
// Every byte decodes to one character and back to the same byte, so a record read and
// written again is unchanged; a character the code page cannot hold is stored as '?'.

QString decodeCp1250(QByteArrayView bytes);

// Encodes `text` into exactly `width` bytes: cut to `width` characters, or padded on the
// right with spaces.
QByteArray encodeCp1250(QStringView text, qsizetype width);

// Encodes the whole text, without cutting or padding.
QByteArray encodeCp1250(QStringView text);

}  // namespace store
