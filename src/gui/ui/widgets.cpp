#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcutEvent>
#include <QTimeZone>

namespace ui {

void labelFor(QLabel* caption, QWidget* buddy) {
    caption->setBuddy(buddy);
    QString name = caption->text();
    name.remove(u'&');
    if (name.endsWith(u':'))
        name.chop(1);
    buddy->setAccessibleName(name);
}

int twipsToPixels(int twips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qRound(twips * dpi / 1440.0);
}

namespace {

QColor readableText(const QColor& background) {
    return background.lightnessF() < 0.45 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace

void setBackground(QWidget* widget, const QColor& color) {
    const QColor text = readableText(color);
    // A caption that cannot be used stays readable but dimmed: halfway to the background.
    const QColor dimmed((text.red() + color.red()) / 2, (text.green() + color.green()) / 2,
                        (text.blue() + color.blue()) / 2);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, dimmed);
    widget->setPalette(palette);
    // Option buttons and check boxes fill their background from the Button role, which would
    // leave them in the style's grey; every painted control fills from the Window role.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void keepStyleText(QWidget* widget) {
    const QPalette style = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, style.color(group, QPalette::WindowText));
    widget->setPalette(palette);
}

void setListBackground(QAbstractItemView* view, const QColor& color) {
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::AlternateBase, color);
    palette.setColor(QPalette::Text, readableText(color));
    view->setPalette(palette);
}

void usePlainDateTimes(QDateTimeEdit* picker) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    picker->setTimeZone(QTimeZone::UTC);
#else
    picker->setTimeSpec(Qt::UTC);  // the time zone setter comes with Qt 6.7
#endif
}

QDateTime plainDateTime(QDate date, QTime time) {
    return QDateTime(date, time, QTimeZone::utc());
}

void keepDisabled(QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    auto* holder = new QWidget(parent);
    QLayoutItem* replaced =
        parent && parent->layout() ? parent->layout()->replaceWidget(widget, holder) : nullptr;
    if (!replaced) {
        delete holder;
        widget->setEnabled(false);  // outside a layout: disabled until something enables it
        return;
    }
    delete replaced;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    holder->setSizePolicy(widget->sizePolicy());
    holder->setEnabled(false);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - window->width()) / 2,
                 area.y() + (area.height() - window->height()) / 2);
}

namespace {

// The frame a window manager usually adds: a title bar and thin borders.
constexpr QMargins kAssumedFrame(4, 32, 4, 4);

QPoint centredCorner(QSize outer, QRect available) {
    return {available.x() + std::max(0, (available.width() - outer.width()) / 2),
            available.y() + std::max(0, (available.height() - outer.height()) / 2)};
}

}  // namespace

QRect fitWindow(QSize design, QRect available, QMargins frame) {
    const QSize room = available.size().shrunkBy(frame);
    QSize size = design;
    if (!room.isEmpty() && (size.width() > room.width() || size.height() > room.height()))
        size = design.scaled(room, Qt::KeepAspectRatio);
    const QPoint corner = centredCorner(size.grownBy(frame), available);
    return {corner + QPoint(frame.left(), frame.top()), size};
}

void fitOnScreen(QWidget* window, QSize design) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(design);
        return;
    }
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    const QMargins frame =
        outer.size() != inner.size()
            ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom())
            : kAssumedFrame;
    const QRect available = screen->availableGeometry();
    window->resize(fitWindow(design, available, frame).size());
    // The layout's minimum size may keep the window larger; it is centred as it is. A
    // window's position is that of its frame.
    window->move(centredCorner(window->size().grownBy(frame), available));
}

namespace {

// Sees the shortcut events of the menu bar and of the window's buttons. An access key that
// both a menu title and one usable button claim reaches them as an ambiguous shortcut; the
// button takes it.
class ButtonAccessKeys final : public QObject {
public:
    explicit ButtonAccessKeys(QMainWindow* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return QObject::eventFilter(watched, event);
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous() || !isMenuTitleKey(shortcut->key()))
            return false;
        QAbstractButton* target = nullptr;
        for (QAbstractButton* button : window_->centralWidget()->findChildren<QAbstractButton*>()) {
            if (button->shortcut() != shortcut->key() || !button->isEnabled() ||
                !button->isVisible()) {
                continue;
            }
            if (target)
                return false;  // two buttons share it: they take turns, as Qt lets them
            target = button;
        }
        if (!target)
            return false;
        target->setFocus(Qt::ShortcutFocusReason);
        target->animateClick();
        return true;
    }

private:
    bool isMenuTitleKey(const QKeySequence& key) const {
        for (const QAction* title : window_->menuBar()->actions()) {
            if (QKeySequence::mnemonic(title->text()) == key)
                return true;
        }
        return false;
    }

    QMainWindow* window_;
};

}  // namespace

void preferButtonAccessKeys(QMainWindow* window) {
    auto* filter = new ButtonAccessKeys(window);
    window->menuBar()->installEventFilter(filter);
    for (QAbstractButton* button : window->centralWidget()->findChildren<QAbstractButton*>())
        button->installEventFilter(filter);
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMouseTracking(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

}  // namespace ui
