#include "support/fakeplatform.h"

#include <QDialog>
#include <QTest>

namespace testing {

bool FakeDialogs::scriptUsed() const {
    return messageAnswers.isEmpty() && inputAnswers.isEmpty() && fileAnswers.isEmpty() &&
           colorAnswers.isEmpty() && modalHandlers.isEmpty();
}

ui::Answer FakeDialogs::message(QWidget*, const ui::Message& message) {
    messages << message;
    if (messageAnswers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box \"%1\": %2")
                                    .arg(message.title, message.text)),
                     __FILE__, __LINE__);
        return message.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No;
    }
    return messageAnswers.dequeue();
}

std::optional<QString> FakeDialogs::input(QWidget*, const QString& title, const QString& prompt,
                                          const QString& defaultText) {
    inputs << Input{title, prompt, defaultText};
    if (inputAnswers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected input box \"%1\"").arg(title)), __FILE__,
                     __LINE__);
        return std::nullopt;
    }
    return inputAnswers.dequeue();
}

QString FakeDialogs::openFile(QWidget*, const ui::FileRequest& request) {
    fileRequests << request;
    if (fileAnswers.isEmpty()) {
        QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
        return {};
    }
    return fileAnswers.dequeue();
}

std::optional<QColor> FakeDialogs::chooseColor(QWidget*, const QColor& initial) {
    colorRequests << initial;
    if (colorAnswers.isEmpty()) {
        QTest::qFail("unexpected colour dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    return colorAnswers.dequeue();
}

void FakeDialogs::showModal(QDialog& dialog) {
    modalWindows << dialog.objectName();
    if (modalHandlers.isEmpty()) {
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected modal window %1").arg(dialog.objectName())),
            __FILE__, __LINE__);
        return;
    }
    modalHandlers.dequeue()(dialog);
}

bool FakeShell::openDocument(const QString& path) {
    documents << path;
    return succeed;
}

bool FakeShell::openAddress(const QString& address) {
    addresses << address;
    return succeed;
}

bool FakeShell::startProgram(const QString& program, const QStringList& arguments) {
    programs << (QStringList{program} + arguments);
    return succeed;
}

void RecordingSurface::setOrientation(ui::Orientation orientation) {
    PrintCall call;
    call.kind = PrintCall::Kind::Orientation;
    call.page = page_;
    call.orientation = orientation;
    *calls_ << call;
}

void RecordingSurface::setFont(const QString& family, double pointSize, bool bold) {
    PrintCall call;
    call.kind = PrintCall::Kind::Font;
    call.page = page_;
    call.text = family;
    call.pointSize = pointSize;
    call.bold = bold;
    *calls_ << call;
}

void RecordingSurface::drawText(double x, double y, const QString& text) {
    PrintCall call;
    call.kind = PrintCall::Kind::Text;
    call.page = page_;
    call.x = x;
    call.y = y;
    call.text = text;
    *calls_ << call;
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2) {
    PrintCall call;
    call.kind = PrintCall::Kind::Line;
    call.page = page_;
    call.x = x1;
    call.y = y1;
    call.x2 = x2;
    call.y2 = y2;
    *calls_ << call;
}

void RecordingSurface::newPage() {
    ++page_;
    PrintCall call;
    call.kind = PrintCall::Kind::NewPage;
    call.page = page_;
    *calls_ << call;
}

bool RecordingSurface::end() {
    PrintCall call;
    call.kind = PrintCall::Kind::End;
    call.page = page_;
    *calls_ << call;
    return succeed;
}

std::unique_ptr<ui::PrintSurface> RecordingPrinter::begin(QWidget*, const QString& name) {
    if (!available)
        return nullptr;
    documentNames << name;
    documents.emplace_back();
    auto surface = std::make_unique<RecordingSurface>(&documents.back());
    surface->succeed = endSucceeds;
    return surface;
}

}  // namespace testing
