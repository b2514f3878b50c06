#include "register/documents.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "settings/setupfields.h"

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

QString documentProgram(const QString& document, const store::SetupRekord& settings) {
    static const QStringList wordProcessor = {u"doc"_s,  u"docx"_s, u"docm"_s, u"dot"_s,  u"dotx"_s,
                                              u"dotm"_s, u"odt"_s,  u"ott"_s,  u"fodt"_s, u"rtf"_s};
    const QString type = QFileInfo(document).suffix().toLower();
    QString configured;
    if (type == u"pdf"_s)
        configured = settings::shownPath(settings.PDFUtvonal);
    else if (wordProcessor.contains(type))
        configured = settings::shownPath(settings.WordUtvonal);
    else
        return {};
    configured = configured.trimmed();
    if (configured.isEmpty())
        return {};
    if (!configured.contains(u'/'))
        return QStandardPaths::findExecutable(configured);
    const QFileInfo program(configured);
    return program.isFile() && program.isExecutable() ? program.absoluteFilePath() : QString();
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
