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
        state.aktIratNev.clear();
        state.aktMelleklet.clear();
        return;
    }
    state.aktIratNev = u'"' + fileNameOf(chosen) + u'"';
    state.aktIratUtvonal = u'"' + chosen + u'"';
    state.aktMelleklet.clear();
}

void applyScannedLetterChoice(RegisterState& state, const QString& chosen) {
    if (barePattern(chosen, {u"*.jpg", u"*.pdf"})) {
        state.aktMelleklet.clear();
        state.aktIratNev.clear();
        return;
    }
    state.aktMelleklet = fileNameOf(chosen);
}

}  // namespace reg
