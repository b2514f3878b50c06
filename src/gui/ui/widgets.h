#pragma once

#include <QColor>
#include <QDateTime>
#include <QLabel>

class QAbstractItemView;
class QDateTimeEdit;
class QMainWindow;
class QWidget;

// Small widget helpers shared by the windows.
namespace ui {

// Gives a new control its objectName, by which tests and assistive technology find it.
template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Makes `caption` the label of `buddy`: its access key moves the focus there, and its text
// without the access key and the closing colon is the buddy's accessible name.
void labelFor(QLabel* caption, QWidget* buddy);

// Sizes in twips (1/1440 inch): 15 twips are one pixel at 96 dpi; scaled with the screen.
int twipsToPixels(int twips);

// Paints a widget's background (window, frame, label, option button, check box). The text
// turns white on a dark background so that captions stay readable on the stored colours;
// the caption of a control that cannot be used is dimmed towards the background.
void setBackground(QWidget* widget, const QColor& color);
// A control inside a painted area that draws its own light shapes (the tabs of a tab widget)
// keeps the style's text colour instead of the area's.
void keepStyleText(QWidget* widget);
// Paints the background of a list's rows.
void setListBackground(QAbstractItemView* view, const QColor& color);

// Date pickers work on plain calendar dates and times, in UTC, so that no daylight-saving
// change skips or repeats an hour of a letter's date.
void usePlainDateTimes(QDateTimeEdit* picker);
QDateTime plainDateTime(QDate date, QTime time = QTime(0, 0));

// Disables a control for good: it moves into a disabled holder that takes its place in the
// layout, and a control whose parent is disabled stays disabled whatever later enables it
// (a row selection, the activation sequence).
void keepDisabled(QWidget* widget);

// Centres a top-level window on the screen it will show on.
void centreOnScreen(QWidget* window);

// Where a window designed at `design` (its client area) goes in a screen's available area,
// `frame` being the margins the window frame adds: the designed size when it fits; else the
// largest size of the same proportions that does. Centred, frame included.
QRect fitWindow(QSize design, QRect available, QMargins frame);
// Sizes and centres a top-level window by fitWindow on the screen it will show on. Before the
// window has been shown its frame is not known yet; a usual title bar and border are assumed.
void fitOnScreen(QWidget* window, QSize design);

// Where a button of the window and a title of its menu bar share an access key ("&Bejövő" and
// "&Beállítások" both Alt+B), Alt and the letter presses the button every time, as in a
// dialog; the menu title is still reached by tapping Alt and then the letter. Left to Qt,
// each press would go to the next of the two: the button was only focused, and every second
// press opened the menu instead.
void preferButtonAccessKeys(QMainWindow* window);

// A label with click, double-click and mouse-move events.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace ui
