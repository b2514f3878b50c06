#include "ui/fieldevents.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ui {
namespace {

class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QWidget* field, int key, std::function<void()> handler)
        : QObject(field), key_(key), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key_) {
            handler_();
            return true;
        }
        // Keep the field from treating the key as a shortcut of its own.
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->key() == key_) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int key_;
    std::function<void()> handler_;
};

class FocusInFilter : public QObject {
public:
    FocusInFilter(QWidget* field, std::function<void()> handler)
        : QObject(field), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn)
            return QObject::eventFilter(watched, event);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The field handles the event first, then the window's handler follows.
        watched->event(event);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            handler_();
        return true;
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void onKeyPress(QWidget* field, int key, std::function<void()> handler) {
    field->installEventFilter(new KeyPressFilter(field, key, std::move(handler)));
}

void onFocusIn(QWidget* field, std::function<void()> handler) {
    field->installEventFilter(new FocusInFilter(field, std::move(handler)));
}

}  // namespace ui
