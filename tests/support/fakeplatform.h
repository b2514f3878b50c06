#pragma once

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>
#include <optional>

#include "support/recordingsurface.h"
#include "ui/platform.h"

// Message boxes compare by all their properties, so a test states the whole expected box.
namespace ui {
inline bool operator==(const Message& a, const Message& b) {
    return a.title == b.title && a.text == b.text && a.buttons == b.buttons &&
           a.defaultButton == b.defaultButton && a.icon == b.icon;
}
char* toString(const Message& message);  // for QCOMPARE's report
}  // namespace ui

// Test doubles of the platform layer. Every box, dialog, document and printed line is
// logged with all its properties; answers come from a script, and a box that appears with no
// scripted answer fails the running test.
namespace testing {

class FakeDialogs final : public ui::Dialogs {
public:
    struct Input {
        QString title, prompt, defaultText;
    };

    // Scripted answers, used in order.
    void answerMessage(ui::Answer answer) { messageAnswers.enqueue(answer); }
    void answerInput(std::optional<QString> answer) { inputAnswers.enqueue(std::move(answer)); }
    void answerOpenFile(const QString& path) { fileAnswers.enqueue(path); }
    void answerSaveFile(const QString& path) { saveAnswers.enqueue(path); }
    void answerColor(std::optional<QColor> color) { colorAnswers.enqueue(std::move(color)); }
    // Drives the next modal window while it is "open"; when it returns the window counts as
    // closed.
    void onModal(std::function<void(QDialog&)> handler) {
        modalHandlers.enqueue(std::move(handler));
    }

    // True when every scripted answer was used.
    bool scriptUsed() const {
        return messageAnswers.isEmpty() && inputAnswers.isEmpty() && fileAnswers.isEmpty() &&
               saveAnswers.isEmpty() && colorAnswers.isEmpty() && modalHandlers.isEmpty();
    }

    // What was shown, in order.
    QList<ui::Message> messages;
    QList<Input> inputs;
    QList<ui::FileRequest> fileRequests;  // file-open and save dialogs
    QStringList modalWindows;             // objectNames of the windows shown modally
    int beeps = 0;

    ui::Answer message(QWidget*, const ui::Message& message) override {
        messages << message;
        return next(messageAnswers, "message box \"" + message.title + "\": " + message.text,
                    message.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No);
    }
    std::optional<QString> input(QWidget*, const QString& title, const QString& prompt,
                                 const QString& defaultText) override {
        inputs << Input{title, prompt, defaultText};
        return next(inputAnswers, "input box \"" + title + '"', std::optional<QString>());
    }
    QString openFile(QWidget*, const ui::FileRequest& request) override {
        fileRequests << request;
        return next(fileAnswers, QStringLiteral("file dialog"), QString());
    }
    QString saveFile(QWidget*, const ui::FileRequest& request) override {
        fileRequests << request;
        return next(saveAnswers, QStringLiteral("save dialog"), QString());
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override {
        return next(colorAnswers, QStringLiteral("colour dialog"), std::optional<QColor>());
    }
    void showModal(QDialog& dialog) override;
    void beep() override { ++beeps; }

private:
    // The next scripted answer; without one the running test fails and `fallback` is used.
    template <typename T>
    static T next(QQueue<T>& answers, const QString& what, T fallback) {
        if (!answers.isEmpty())
            return answers.dequeue();
        QTest::qFail(qPrintable("unexpected " + what), __FILE__, __LINE__);
        return fallback;
    }

    QQueue<ui::Answer> messageAnswers;
    QQueue<std::optional<QString>> inputAnswers;
    QQueue<QString> fileAnswers;
    QQueue<QString> saveAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<std::function<void(QDialog&)>> modalHandlers;
};

class FakeShell final : public ui::Shell {
public:
    bool openDocument(const QString& path) override { return log(documents, path); }
    bool openAddress(const QString& address) override { return log(addresses, address); }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        programs << (QStringList{program} + arguments);
        return succeed;
    }

    bool succeed = true;  // what the shell reports
    QStringList documents;
    QStringList addresses;
    QList<QStringList> programs;  // program followed by its arguments

private:
    bool log(QStringList& list, const QString& item) {
        list << item;
        return succeed;
    }
};

class RecordingPrinter final : public ui::Printer {
public:
    std::unique_ptr<print::PrintSurface> begin(QWidget*, const QString& name) override {
        if (!available)
            return nullptr;
        documentNames << name;
        auto surface = std::make_unique<RecordingSurface>(&documents.emplace_back());
        surface->succeed = endSucceeds;
        return surface;
    }

    bool available = true;    // false: no printer can be used
    bool endSucceeds = true;  // what the surfaces' end() reports
    QStringList documentNames;
    std::deque<QStringList> documents;  // the calls of every document begun
};

class FixedClock final : public ui::Clock {
public:
    QDateTime now() const override { return value; }
    QDateTime value{QDate(2024, 6, 14), QTime(10, 30)};
};

// The four doubles together.
class TestPlatform {
public:
    FakeDialogs dialogs;
    FakeShell shell;
    RecordingPrinter printer;
    FixedClock clock;
    ui::Platform platform{dialogs, shell, printer, clock};
};

}  // namespace testing
