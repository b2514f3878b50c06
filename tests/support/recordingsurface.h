#pragma once

#include <QStringList>

#include "print/printsurface.h"

namespace testing {

// Records every call on the print surface as "page: call", for example "1: landscape",
// "1: font Times New Roman 8 bold", "1: text 3,39 2012.10.15.", "1: line 2,43-280,43",
// "2: new page" (numbered with the new page) and "2: end". Millimetres as the surface gets them.
class RecordingSurface final : public print::PrintSurface {
public:
    explicit RecordingSurface(QStringList* calls) : calls_(calls) {}
    void setOrientation(print::Orientation o) override {
        log(o == print::Orientation::Landscape ? QStringLiteral("landscape")
                                               : QStringLiteral("portrait"));
    }
    void setFont(const QString& family, double pointSize, bool bold) override {
        log(QStringLiteral("font %1 %2%3").arg(family).arg(pointSize).arg(bold ? " bold" : ""));
    }
    void drawText(double x, double y, const QString& text) override {
        log(QStringLiteral("text %1,%2 ").arg(x).arg(y) + text);
    }
    void drawLine(double x1, double y1, double x2, double y2) override {
        log(QStringLiteral("line %1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2));
    }
    int pageNumber() const override { return page_; }
    void newPage() override {
        ++page_;
        log(QStringLiteral("new page"));
    }
    bool end() override {
        log(QStringLiteral("end"));
        return succeed;
    }

    bool succeed = true;

private:
    void log(const QString& call) { *calls_ << QString::number(page_) + u": " + call; }
    QStringList* calls_;
    int page_ = 1;
};

}  // namespace testing
