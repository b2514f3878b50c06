#pragma once

#include "ui/platform.h"

namespace ui {

// The desktop printer. Printing is not part of the program yet: no document can be
// started, and the print menu stays disabled.
class QtPrinter final : public Printer {
public:
    std::unique_ptr<PrintSurface> begin(QWidget* parent, const QString& documentName) override;
};

}  // namespace ui
