#pragma once

#include <QStringList>

#include "ui/platform.h"

// The platform services as Qt provides them on the desktop.
namespace ui {

// The name filters of a file dialog from the "description|patterns|..." form. Patterns are
// separated by ';' there and by spaces in Qt's form; on a case-sensitive file system every
// pattern is offered in its lower- and upper-case spelling too, so "*.PDF" also shows a.pdf.
// A filter of bare patterns without description ("*.jpg;*.PDF") is one entry.
QStringList qtNameFilters(const QString& filter);

class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const Message& message) override;
    std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                 const QString& defaultText) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void showModal(QDialog& dialog) override;
    void beep() override;
};

class QtShell final : public Shell {
public:
    bool openDocument(const QString& path) override;
    bool openAddress(const QString& address) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

}  // namespace ui
