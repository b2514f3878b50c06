#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What the About box says and which system information program it starts. Plain functions,
// tested without the window.
namespace about {

// The program title that the caption and the system information message carry.
QString programTitle();
// "Verzió: " and the version as major.minor.patch: "Verzió: 2.2.20".
QString versionText(int major, int minor, int patch);
// The version text of this build, from the project version.
QString buildVersionText();

// The maker line and contact addresses of the About box.
QString makerLine();
QString mailAddress();
QString supportAddress();
QString homePage();

// A program that shows the computer's hardware and system, with its arguments.
struct SystemInfoProgram {
    QString program;
    QStringList arguments;
};
// The programs looked for, in order: KDE's Info Center ("kinfocenter"), then HardInfo in its
// current and its older edition ("hardinfo2", "hardinfo").
QList<SystemInfoProgram> systemInfoCandidates();

// Finds a program by name in the search path; an empty text when it is not installed.
using ProgramFinder = std::function<QString(const QString& name)>;
// The first candidate that `find` finds, with its full path; nothing when none is installed.
std::optional<SystemInfoProgram> findSystemInfo(const ProgramFinder& find);

}  // namespace about
