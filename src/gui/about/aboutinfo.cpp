#include "about/aboutinfo.h"

using namespace Qt::StringLiterals;

namespace about {

QString programTitle() {
    return u"Velmarok"_s;
}

QString versionText(int major, int minor, int patch) {
    return u"Verzió: %1.%2.%3"_s.arg(major).arg(minor).arg(patch);
}

QString buildVersionText() {
    return versionText(VELMAROK_VERSION_MAJOR, VELMAROK_VERSION_MINOR, VELMAROK_VERSION_PATCH);
}

QString makerLine() {
    return u"Készítette: a Velmarok fejlesztői"_s;
}

QString mailAddress() {
    return u"info@example.org"_s;
}

QString supportAddress() {
    return u"tamogatas@example.org"_s;
}

QString homePage() {
    return u"https://www.example.org/velmarok"_s;
}

QList<SystemInfoProgram> systemInfoCandidates() {
    return {{u"kinfocenter"_s, {}}, {u"hardinfo2"_s, {}}, {u"hardinfo"_s, {}}};
}

std::optional<SystemInfoProgram> findSystemInfo(const ProgramFinder& find) {
    for (SystemInfoProgram candidate : systemInfoCandidates()) {
        const QString path = find(candidate.program);
        if (!path.isEmpty()) {
            candidate.program = path;
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace about
