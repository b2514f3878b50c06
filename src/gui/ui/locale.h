#pragma once

#include <QColor>

// Colours as the settings record stores them, and Qt's own dialogs in Hungarian. The
// register's other conventions (dates, upper-casing, numbers) are rules of the register
// itself: store/hungarian.h, store/numbers.h.
namespace ui {

// Makes Qt's own dialogs and standard buttons (file, colour, print and print-preview dialogs,
// the line edits' context menu, the date picker's calendar) speak Hungarian whatever the
// system's locale: loads Qt's translations `qtbase_hu` from Qt's translations folder into the
// application and makes Hungarian the default locale. False when the translations are not
// installed (Debian's qt6-translations-l10n); the dialogs then stay in English.
bool useHungarianQtDialogs();

// Colours are stored as 0x00BBGGRR.
QColor colorFromStored(qint32 stored);
qint32 storedFromColor(const QColor& color);

}  // namespace ui
