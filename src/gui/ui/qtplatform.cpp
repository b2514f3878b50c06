#include "ui/qtplatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
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
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    // "*.xlsx" of the first pattern: a name typed without extension gets it before the
    // dialog checks whether the file exists.
    static const QRegularExpression firstSuffix(u"\\*\\.(\\w+)"_s);
    if (const auto m = firstSuffix.match(request.filter); m.hasMatch())
        dialog.setDefaultSuffix(m.captured(1));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::chooseFolder(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}

namespace {

// The bar counts in thousandths of the work, since the bytes of a register may not fit its
// int range.
class ProgressWindow final : public Progress {
public:
    ProgressWindow(QWidget* parent, const QString& title, const QString& label)
        : dialog_(screenText(label), u"&Mégse"_s, 0, kSteps, parent) {
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(kShowAfterMs);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool advance(qint64 done, qint64 total) override {
        const int step = total > 0 ? int(done * kSteps / total) : 0;
        if (step != dialog_.value())
            dialog_.setValue(step);
        // The cancel button and the window's repainting between two pieces of the work.
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }

private:
    static constexpr int kSteps = 1000;
    static constexpr int kShowAfterMs = 500;
    QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<Progress> QtDialogs::progress(QWidget* parent, const QString& title,
                                              const QString& label) {
    return std::make_unique<ProgressWindow>(parent, title, label);
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
