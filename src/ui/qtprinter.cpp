#include "ui/qtprinter.h"

namespace ui {

std::unique_ptr<PrintSurface> QtPrinter::begin(QWidget* /*parent*/, const QString& /*name*/) {
    return nullptr;
}

}  // namespace ui
