#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "print/printsurface.h"

class QDialog;
class QWidget;

// The program's only way to the platform: message and input boxes, file and colour dialogs,
// modal windows, the desktop shell, the printer and the clock. Windows receive a Platform and
// never call these services of Qt directly, so tests can script every answer and record
// every box, document and printed line.
namespace ui {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
    Icon icon = Icon::None;
};

// A file-open dialog. `filter` lists descriptions and patterns separated by '|'
// ("kép (*.jpg)|*.jpg|Dokumentum (*.doc;*.docx)|*.doc;*.docx"); `filterIndex` counts the
// description/pattern pairs from 1.
struct FileRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString fileName;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(QWidget* parent, const Message& message) = 0;
    // The typed answer, or nothing when the box was cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& title,
                                         const QString& prompt, const QString& defaultText) = 0;
    // The chosen file's full path, or an empty text when the dialog was cancelled.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    // The path chosen to save to, or an empty text when the dialog was cancelled. The dialog
    // asks before it lets an existing file be replaced.
    virtual QString saveFile(QWidget* parent, const FileRequest& request) = 0;
    // The chosen colour, or nothing when the dialog was cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Shows a window modally and returns when it is closed.
    virtual void showModal(QDialog& dialog) = 0;
    virtual void beep() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's default application for its type.
    virtual bool openDocument(const QString& path) = 0;
    // Opens a web or "mailto:" address.
    virtual bool openAddress(const QString& address) = 0;
    // Starts a program; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

// The printer draws on the print layout's surface.
using print::Orientation;
using print::PrintSurface;

class Printer {
public:
    virtual ~Printer() = default;
    // Starts a document; nothing when no printer can be used.
    virtual std::unique_ptr<print::PrintSurface> begin(QWidget* parent,
                                                       const QString& documentName) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time.
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

struct Platform {
    Dialogs& dialogs;
    Shell& shell;
    Printer& printer;
    Clock& clock;
};

}  // namespace ui
