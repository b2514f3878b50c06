#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace store {

// Texts on disk are Windows-1250 (Hungarian letters such as ő and ű are single bytes).
// Every byte decodes to one character and back to the same byte, so a record read and
// written again is unchanged.
//
// Text going in is first composed (Unicode NFC: a letter followed by a combining accent, as
// some PDFs give it, becomes the accented letter), then the look-alikes that the code page
// lacks become the characters it holds: õ Õ ũ Ũ û Û as ő Ő ű Ű ű Ű (what keyboards and
// pasted texts give for the Hungarian long vowels), the hyphen, non-breaking hyphen and minus
// sign (U+2010, U+2011, U+2212) as "-", the figure dash (U+2012) as "–", the figure and narrow
// no-break spaces (U+2007, U+202F) as the no-break space. What the code page has („ ” – — …
// and the no-break space among them) keeps its own byte. Any other character is stored as '?'.

QString decodeCp1250(QByteArrayView bytes);

// Encodes `text` into exactly `width` bytes: cut to `width` characters, or padded on the
// right with spaces.
QByteArray encodeCp1250(QStringView text, qsizetype width);

// Encodes the whole text, without cutting or padding.
QByteArray encodeCp1250(QStringView text);

// The characters of `text` that would still be stored as '?', each once, in the order they
// first appear.
QStringList unencodableCp1250(QStringView text);

}  // namespace store
