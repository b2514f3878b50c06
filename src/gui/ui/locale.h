#pragma once

#include <QColor>

// Colours as the settings record stores them. The register's other conventions (dates,
// upper-casing, numbers) are rules of the register itself: store/hungarian.h, store/numbers.h.
namespace ui {

// Colours are stored as 0x00BBGGRR.
QColor colorFromStored(qint32 stored);
qint32 storedFromColor(const QColor& color);

}  // namespace ui
