#pragma once

#include <QString>

namespace reg {

// Document paths are stored between double quotes so that they can be handed on unchanged;
// this gives the path between the first and the last quote.
QString unquotedPath(const QString& quoted);

}  // namespace reg
