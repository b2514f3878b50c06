#include "store/paths.h"

#include <QDir>
#include <QFileInfo>

#include "store/filesystem.h"

namespace store {

QString resolveInFolder(const QString& folder, QStringView name) {
    const QString exact = folder + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    if (!dir.exists())
        return exact;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    }
    return exact;
}

Paths::Paths(QString programFolder) : programFolder_(std::move(programFolder)) {
    while (programFolder_.size() > 1 && programFolder_.endsWith(u'/'))
        programFolder_.chop(1);
}

QString Paths::programFile(QStringView name) const {
    return resolveInFolder(programFolder_, name);
}

QString Paths::yearFolder(int year) const {
    return yearFolder(QString::number(year));
}

QString Paths::yearFolder(QStringView yearText) const {
    return programFolder_ + u'/' + yearText;
}

QString Paths::yearFile(int year, QStringView name) const {
    return resolveInFolder(yearFolder(year), name);
}

QString Paths::yearFile(QStringView yearText, QStringView name) const {
    return resolveInFolder(yearFolder(yearText), name);
}

bool Paths::yearFolderExists(int year) const {
    return QFileInfo(yearFolder(year)).isDir();
}

bool Paths::createYearFolder(int year) const {
    const QString folder = yearFolder(year);
    return QFileInfo(folder).isDir() || fs::mkdir(folder) == 0 || QFileInfo(folder).isDir();
}

}  // namespace store
