#include "support/fakeplatform.h"

#include <QDialog>
#include <QTest>

char* ui::toString(const Message& message) {
    QString text = message.text;
    text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    return qstrdup(qPrintable(QStringLiteral("\"%1\": \"%2\" (buttons %3, default %4, icon %5)")
                                  .arg(message.title, text)
                                  .arg(int(message.buttons))
                                  .arg(int(message.defaultButton))
                                  .arg(int(message.icon))));
}

namespace testing {

bool FakeDialogs::scriptUsed() const {
    return messageAnswers.isEmpty() && inputAnswers.isEmpty() && fileAnswers.isEmpty() &&
           colorAnswers.isEmpty() && modalHandlers.isEmpty();
}

namespace {

// The next scripted answer; without one the running test fails and `fallback` is used.
template <typename T>
T next(QQueue<T>& answers, const QString& what, T fallback) {
    if (!answers.isEmpty())
        return answers.dequeue();
    QTest::qFail(qPrintable(QStringLiteral("unexpected ") + what), __FILE__, __LINE__);
    return fallback;
}

}  // namespace

ui::Answer FakeDialogs::message(QWidget*, const ui::Message& message) {
    messages << message;
    return next(messageAnswers,
                QStringLiteral("message box \"%1\": %2").arg(message.title, message.text),
                message.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No);
}

std::optional<QString> FakeDialogs::input(QWidget*, const QString& title, const QString& prompt,
                                          const QString& defaultText) {
    inputs << Input{title, prompt, defaultText};
    return next(inputAnswers, QStringLiteral("input box \"%1\"").arg(title),
                std::optional<QString>());
}

QString FakeDialogs::openFile(QWidget*, const ui::FileRequest& request) {
    fileRequests << request;
    return next(fileAnswers, QStringLiteral("file dialog"), QString());
}

std::optional<QColor> FakeDialogs::chooseColor(QWidget*, const QColor&) {
    return next(colorAnswers, QStringLiteral("colour dialog"), std::optional<QColor>());
}

void FakeDialogs::showModal(QDialog& dialog) {
    modalWindows << dialog.objectName();
    if (auto handler = next(modalHandlers, "modal window " + dialog.objectName(),
                            std::function<void(QDialog&)>()))
        handler(dialog);
}

}  // namespace testing
