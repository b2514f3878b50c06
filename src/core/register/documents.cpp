#include "register/documents.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace reg {

QString unquotedPath(const QString& quoted) {
    if (quoted.size() >= 2 && quoted.startsWith(u'"') && quoted.endsWith(u'"'))
        return quoted.mid(1, quoted.size() - 2);
    return quoted.startsWith(u'"') ? quoted.mid(1) : quoted;
}

namespace {

// The dialog gives a bare pattern back when the user confirms without choosing a file. The
// comparison is exact: "*.PDF" is no bare pattern here.
bool barePattern(const QString& chosen, std::initializer_list<QStringView> patterns) {
    for (QStringView pattern : patterns) {
        if (chosen == pattern)
            return true;
    }
    return false;
}

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

void applyDocumentChoice(RegisterState& state, const QString& chosen) {
    if (chosen.isEmpty() || barePattern(chosen, {u"*.doc", u"*.jpg", u"*.pdf"})) {
        state.documents.iratNev.clear();
        state.documents.melleklet.clear();
        return;
    }
    state.documents.iratNev = u'"' + fileNameOf(chosen) + u'"';
    state.documents.iratUtvonal = u'"' + chosen + u'"';
    state.documents.melleklet.clear();
}

void applyScannedLetterChoice(RegisterState& state, const QString& chosen) {
    if (barePattern(chosen, {u"*.jpg", u"*.pdf"})) {
        state.documents.melleklet.clear();
        state.documents.iratNev.clear();
        return;
    }
    state.documents.melleklet = fileNameOf(chosen);
}

}  // namespace reg
