#pragma once

#include <QString>

#include "register/state.h"
#include "store/records.h"

// The document linked to a letter (a word-processor file, a PDF or a picture, stored quoted
// in KiIrat.dat) and the scanned image of an incoming letter (its file name in Melleklet).
namespace reg {

// Document paths are stored between double quotes so that they can be handed on unchanged;
// this gives the path between the first and the last quote.
QString unquotedPath(const QString& quoted);

// What the document choice keeps of the dialog's answer `chosen` (a full path; empty when
// the dialog was cancelled). A real file becomes the quoted name and path and empties the
// scanned letter's name; a cancelled dialog or a bare pattern empties the document name and
// the scanned letter's name and keeps the previous path.
void applyDocumentChoice(RegisterState& state, const QString& chosen);

// The scanned letter's file name (without folder) from the dialog's answer; a bare pattern
// empties it and the document name.
void applyScannedLetterChoice(RegisterState& state, const QString& chosen);

// The program that opens a document: for a ".pdf" the PDF program of the settings, for a
// word-processor document (".doc", ".docx", ".odt", ".rtf", ...) the Word program, when that
// path names a program that exists here: an executable file, or a command name found on the
// PATH ("libreoffice"). Empty otherwise, a path copied from a Windows register for example:
// the desktop's default program for the document's type opens it then.
QString documentProgram(const QString& document, const store::SetupRekord& settings);

}  // namespace reg
