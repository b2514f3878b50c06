#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Key and focus events of an entry field handed to the window's handlers, for the events a
// field has no signal for: Enter in a multi-line box, a function key, the arrival of the focus.
namespace ui {

// Runs `handler` when `key` is pressed in `field` (with or without modifiers); the key
// press then goes no further, so Enter in a multi-line box inserts no line break.
void onKeyPress(QWidget* field, int key, std::function<void()> handler);

// Runs `handler` each time `field` gets the keyboard focus, after the field's own handling (a
// line edit entered with Tab has selected its text by then). The focus coming back to the
// window from another window or a popup does not count: only a move inside the window does.
void onFocusIn(QWidget* field, std::function<void()> handler);

}  // namespace ui
