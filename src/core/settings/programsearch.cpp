#include "settings/programsearch.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace settings {
namespace {

// A folder's identity on the disk, the same by whichever path it is reached.
struct FolderId {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FolderId&, const FolderId&) = default;
};
size_t qHash(const FolderId& id, size_t seed = 0) {
    return qHashMulti(seed, id.device, id.inode);
}

std::optional<FolderId> folderId(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FolderId{quint64(info.st_dev), quint64(info.st_ino)};
}

QString joined(const QString& folder, const QString& name) {
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

}  // namespace

QString programFileName(Program program) {
    switch (program) {
        case Program::Word:
            return u"WINWORD.EXE"_s;
        case Program::PdfXChange:
            return u"PDFXCview.exe"_s;
        case Program::AdobeReader:
            break;
    }
    return u"AcroRd32.exe"_s;
}

bool matchesProgram(QStringView fullPath, Program program) {
    return fullPath.endsWith(programFileName(program), Qt::CaseSensitive);
}

QString FolderWalk::run(const QString& root, Program program) {
    stopped_ = false;
    QSet<FolderId> visited;
    QSet<QString> skipped;
    for (const QString& folder : skippedFolders)
        skipped.insert(QDir::cleanPath(folder));

    // Folders still to enter, the next one last: the walk is depth first, subfolders in the
    // order they were listed.
    QStringList pending{root};
    while (!pending.isEmpty()) {
        const QString folder = pending.takeLast();
        if (pumpEvents)
            pumpEvents();
        if (stopped_)
            return {};
        if (skipped.contains(QDir::cleanPath(folder)))
            continue;
        const std::optional<FolderId> id = folderId(folder);
        if (!id || visited.contains(*id))
            continue;
        visited.insert(*id);

        const QDir dir(folder);
        const QStringList files =
            dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
        for (const QString& name : files) {
            if (showFolder)
                showFolder(folder);
            const QString path = joined(folder, name);
            if (matchesProgram(path, program)) {
                stopped_ = true;
                return path;
            }
        }
        const QStringList subfolders = dir.entryList(
            QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System | QDir::NoSymLinks,
            QDir::Unsorted);
        for (auto it = subfolders.crbegin(); it != subfolders.crend(); ++it)
            pending << joined(folder, *it);
    }
    return {};
}

QStringList virtualSystemFolders() {
    return {u"/proc"_s, u"/sys"_s, u"/dev"_s, u"/run"_s};
}

QStringList mountedVolumes() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    roots.removeAll(u"/"_s);
    roots.sort();
    roots.prepend(u"/"_s);
    return roots;
}

std::optional<FolderProblem> folderProblem(const QString& path) {
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (dir) {
        ::closedir(dir);
        return std::nullopt;
    }
    const int error = errno;
    FolderProblem problem;
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case EIO:
        case ENOMEDIUM:
        case ENOTCONN:
        case ESTALE:
            problem.notReady = true;
            break;
        default:
            break;
    }
    problem.description = QString::fromLocal8Bit(std::strerror(error));
    return problem;
}

QString parentFolder(const QString& path, const QString& floor) {
    const QString clean = QDir::cleanPath(path);
    if (clean == QDir::cleanPath(floor) || clean == u"/"_s)
        return path;
    return QFileInfo(clean).path();
}

SearchPlaces systemSearchPlaces() {
    return {mountedVolumes, u"/"_s, virtualSystemFolders(),
            [] { QCoreApplication::processEvents(QEventLoop::AllEvents); }};
}

}  // namespace settings
