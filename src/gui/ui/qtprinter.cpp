#include "ui/qtprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

// A thin printed rule: half a point (0.18 mm), as a table rule usually is, and at least
// one device pixel so that a preview at screen resolution still shows it.
constexpr double kLineWidthMm = 25.4 / 144;

// A text is drawn on one line; a line break inside a subject prints as a space.
QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    }
    return text;
}

// Ends a document in the print preview; its print button and PDF export reach every
// printer the system offers.
class PreviewDocument final : public PrintDocument {
public:
    PreviewDocument(QWidget* parent, QString name) : parent_(parent), name_(std::move(name)) {}

    bool end() override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(name_);
        preparePrinter(printer);
        QPrintPreviewDialog preview(&printer, parent_);
        preview.setWindowTitle(u"Nyomtatási kép – "_s + name_);
        preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
        bool failed = false;
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [this, &failed](QPrinter* target) {
                             if (!print(*target))
                                 failed = true;
                         });
        preview.exec();
        return !failed;
    }

private:
    QPointer<QWidget> parent_;
    QString name_;
};

}  // namespace

void PrintDocument::setOrientation(Orientation orientation) {
    orientation_ = orientation;
}

void PrintDocument::setFont(const QString& family, double pointSize, bool bold) {
    Step step;
    step.kind = Step::Kind::Font;
    step.text = family;
    step.pointSize = pointSize;
    step.bold = bold;
    pages_.back().push_back(std::move(step));
}

void PrintDocument::drawText(double x, double y, const QString& text) {
    Step step;
    step.kind = Step::Kind::Text;
    step.x = x;
    step.y = y;
    step.text = text;
    pages_.back().push_back(std::move(step));
}

void PrintDocument::drawLine(double x1, double y1, double x2, double y2) {
    Step step;
    step.kind = Step::Kind::Line;
    step.x = x1;
    step.y = y1;
    step.x2 = x2;
    step.y2 = y2;
    pages_.back().push_back(std::move(step));
}

void PrintDocument::newPage() {
    // A page starts with the font the previous one ended with.
    const Step* font = nullptr;
    for (const Step& step : pages_.back()) {
        if (step.kind == Step::Kind::Font)
            font = &step;
    }
    std::vector<Step> next;
    if (font)
        next.push_back(*font);
    pages_.push_back(std::move(next));
}

void PrintDocument::preparePrinter(QPrinter& printer) const {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation_ == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

void PrintDocument::paintPage(QPainter& painter, int page, double dotsPerMm) const {
    if (page < 0 || page >= pageCount())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(
        QPen(Qt::black, std::max(1.0, kLineWidthMm * dotsPerMm), Qt::SolidLine, Qt::FlatCap));
    painter.setFont(QFont(u"Times New Roman"_s, 10));
    double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();

    for (const Step& step : pages_[size_t(page)]) {
        switch (step.kind) {
            case Step::Kind::Font: {
                QFont font(step.text);
                font.setPointSizeF(step.pointSize);
                font.setBold(step.bold);
                painter.setFont(font);
                ascent = QFontMetricsF(font, painter.device()).ascent();
                break;
            }
            case Step::Kind::Text:
                // Qt places text by its baseline; the top-left corner lies one ascent above.
                painter.drawText(QPointF(step.x * dotsPerMm, step.y * dotsPerMm + ascent),
                                 oneLine(step.text));
                break;
            case Step::Kind::Line:
                painter.drawLine(QPointF(step.x * dotsPerMm, step.y * dotsPerMm),
                                 QPointF(step.x2 * dotsPerMm, step.y2 * dotsPerMm));
                break;
        }
    }
    painter.restore();
}

bool PrintDocument::print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double dotsPerMm = printer.resolution() / 25.4;
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, page, dotsPerMm);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

std::unique_ptr<PrintSurface> QtPrinter::begin(QWidget* parent, const QString& documentName) {
    return std::make_unique<PreviewDocument>(parent, documentName);
}

}  // namespace ui
