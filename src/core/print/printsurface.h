#pragma once

#include <QString>

namespace print {

enum class Orientation { Portrait, Landscape };

// A printed document in millimetres from the top-left corner of the printable area.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setFont(const QString& family, double pointSize, bool bold) = 0;
    // Prints `text` with its top-left corner at (x, y).
    virtual void drawText(double x, double y, const QString& text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // The current page, 1 for the first.
    virtual int pageNumber() const = 0;
    virtual void newPage() = 0;
    // Ends the document and hands it to the printer; false when printing failed.
    virtual bool end() = 0;
};

}  // namespace print
