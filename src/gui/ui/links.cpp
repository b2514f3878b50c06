#include "ui/links.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

using namespace Qt::StringLiterals;

namespace ui {

QString browserAddress(const QString& address) {
    if (address.startsWith(u"http"_s, Qt::CaseInsensitive))
        return address;
    return u"http://"_s + address;
}

bool openBrowser(Shell& shell, const QString& address) {
    return shell.openAddress(browserAddress(address));
}

bool openMail(Shell& shell, const QString& address) {
    return shell.openAddress(address);
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : ClickLabel(text, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit clicked();
            event->accept();
            return;
        default:
            ClickLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    ClickLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace ui
