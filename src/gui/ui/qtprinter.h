#pragma once

#include <QString>
#include <vector>

#include "ui/platform.h"

class QPainter;
class QPrinter;

namespace ui {

// A printed document kept as the calls that draw it, page by page. A print preview paints
// it as often as it needs, and the printer or PDF file the user then chooses gets the same
// pages. Coordinates are millimetres from the top-left corner of the printable area; a text
// is placed by its top-left corner and printed on one line.
class PrintDocument : public PrintSurface {
public:
    void setOrientation(Orientation orientation) override;
    void setFont(const QString& family, double pointSize, bool bold) override;
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    int pageNumber() const override { return int(pages_.size()); }
    void newPage() override;
    // Keeps the document as it is; a subclass hands it to the printer.
    bool end() override { return true; }

    Orientation orientation() const { return orientation_; }
    int pageCount() const { return int(pages_.size()); }

    // Gives the printer the document's orientation and, for a start, A4 paper; the user may
    // change both in the print dialog.
    void preparePrinter(QPrinter& printer) const;
    // Paints page `page` (0-based) on a device whose origin is the printable area's
    // top-left corner, at `dotsPerMm` device pixels per millimetre.
    void paintPage(QPainter& painter, int page, double dotsPerMm) const;
    // Paints every page on the printer, one printer page each. False when the printer could
    // not be painted on (no device, a file that cannot be written, a failed job).
    bool print(QPrinter& printer) const;

private:
    struct Step {
        enum class Kind { Font, Text, Line } kind = Kind::Text;
        double x = 0, y = 0, x2 = 0, y2 = 0;
        QString text;  // the text, or the font family
        double pointSize = 0;
        bool bold = false;
    };
    std::vector<std::vector<Step>> pages_ = std::vector<std::vector<Step>>(1);
    Orientation orientation_ = Orientation::Portrait;
};

// The desktop printer: a document ends in a print preview, from which the user prints on
// any printer or saves a PDF.
class QtPrinter final : public Printer {
public:
    std::unique_ptr<PrintSurface> begin(QWidget* parent, const QString& documentName) override;
};

}  // namespace ui
