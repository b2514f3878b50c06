#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Finding the word processor and the PDF viewers on the disk: the folder walk of the three
// search buttons, the file-name match, and the places the drive and folder lists show.
// Plain code without widgets; the settings window drives it.
namespace settings {

enum class Program { Word = 1, PdfXChange = 2, AdobeReader = 3 };

// The file name searched for: "WINWORD.EXE", "PDFXCview.exe", "AcroRd32.exe".
QString programFileName(Program program);
// Whether a file's full path ends in the program's file name, upper and lower case
// distinguished: ".../WINWORD.EXE" and ".../OLDWINWORD.EXE" match, ".../winword.exe" does not.
bool matchesProgram(QStringView fullPath, Program program);

// A depth-first walk from a root folder for the first file that matches a program: a folder's
// own files first, in the order the file system lists them, then its subfolders in the same
// order. Symbolic links to folders are never followed and no folder is entered twice (bind
// mounts), so the walk always ends; folders that cannot be read are skipped.
class FolderWalk {
public:
    // Called on entering every folder, before anything else: lets the window handle its
    // events, such as a click on "Leállít".
    std::function<void()> pumpEvents;
    // Called for every file looked at, with its folder's full path.
    std::function<void(const QString& folder)> showFolder;
    // Folders never entered (the kernel's virtual file systems).
    QStringList skippedFolders;

    // The full path of the first matching file; an empty text when there is none or the walk
    // was stopped.
    QString run(const QString& root, Program program);
    // Asks the running walk to stop; it returns at the next folder it enters.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

private:
    bool stopped_ = false;
};

// The folders of the kernel's virtual file systems, which hold no programs: /proc, /sys,
// /dev and /run.
QStringList virtualSystemFolders();

// The mounted file systems that the drive list offers, by their mount points, "/" first.
QStringList mountedVolumes();

// Why a folder cannot be shown in the folder list, or nothing when it can.
struct FolderProblem {
    bool notReady = false;  // the device or medium is not there (any more)
    QString description;    // the system's description of the error
};
std::optional<FolderProblem> folderProblem(const QString& path);

// The folder one level up from `path`; `path` itself when it is `floor` (the root of its
// drive) or the root of the file system.
QString parentFolder(const QString& path, const QString& floor);

// Where the settings window searches. Tests replace the places and the event pump.
struct SearchPlaces {
    std::function<QStringList()> volumes;
    QString viewerRoot;  // where both viewer searches start
    QStringList skippedFolders;
    std::function<void()> pumpEvents;
};
// The places of this computer: the mounted volumes, "/" for the viewers, the virtual file
// systems skipped and the application's own event loop.
SearchPlaces systemSearchPlaces();

}  // namespace settings
