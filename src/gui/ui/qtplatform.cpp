#include "ui/qtplatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// One entry of Qt's form: "description (*.a *.A ...)".
QString qtNameFilter(QString description, const QString& patternList) {
    // "kép (*.jpg)" -> "kép": the patterns are listed again in Qt's own form below.
    static const QRegularExpression trailingPatterns(u"\\s*\\([^()]*\\)\\s*$"_s);
    description = description.trimmed().remove(trailingPatterns);
    QStringList patterns;
    for (const QString& pattern : patternList.split(u';', Qt::SkipEmptyParts)) {
        for (const QString& spelling : {pattern, pattern.toLower(), pattern.toUpper()}) {
            if (!patterns.contains(spelling))
                patterns << spelling;
        }
    }
    if (description.isEmpty())
        description = patternList;
    return description + u" ("_s + patterns.join(u' ') + u')';
}

}  // namespace

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        result << qtNameFilter(parts[i], parts[i + 1]);
    // A filter of bare patterns ("*.jpg;*.PDF") is one entry of those patterns.
    if (result.isEmpty() && !filter.isEmpty())
        result << qtNameFilter(QString(), filter);
    return result;
}

namespace {

// The texts keep the line breaks as the register's messages spell them (CR LF, and LF CR in
// some questions); on screen each of them is one line break.
QString screenText(QString text) {
    text.replace(u"\r\n"_s, u"\n"_s).replace(u"\n\r"_s, u"\n"_s).replace(u'\r', u'\n');
    return text;
}

}  // namespace

Answer QtDialogs::message(QWidget* parent, const Message& m) {
    QMessageBox box(parent);
    box.setWindowTitle(m.title);
    box.setText(screenText(m.text));
    switch (m.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    if (m.buttons == Buttons::Ok) {
        QPushButton* ok = box.addButton(u"OK"_s, QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(u"&Igen"_s, QMessageBox::YesRole);
    QPushButton* no = box.addButton(u"&Nem"_s, QMessageBox::NoRole);
    box.setDefaultButton(m.defaultButton == Answer::No ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtDialogs::input(QWidget* parent, const QString& title,
                                        const QString& prompt, const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(screenText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(u"OK"_s);
    dialog.setCancelButtonText(u"Mégse"_s);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtDialogs::openFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    // A pattern given as the file name only narrows the listing; it is no file to open.
    if (!request.fileName.isEmpty() && !request.fileName.contains(u'*')) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    // A name typed without extension gets the one of the first pattern ("*.csv").
    const QString pattern = request.filter.section(u'|', 1, 1).section(u';', 0, 0);
    if (pattern.startsWith(u"*."))
        dialog.setDefaultSuffix(pattern.mid(2));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void QtDialogs::showModal(QDialog& dialog) {
    dialog.exec();
}

void QtDialogs::beep() {
    QApplication::beep();
}

bool QtShell::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::openAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtShell::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

}  // namespace ui
