// The Qt print surface: millimetres to device pixels, text by its top-left corner, and a real
// PDF of a printed letter list.
//
// With VELMAROK_SAMPLE_PDF set, the 40-row list is also written to that path;
// tests/tools/print_sample.sh renders it into docs/print-page.png.

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "print/letterlistprint.h"
#include "support/demoregister.h"
#include "ui/qtprinter.h"

namespace {

constexpr double kDotsPerMm = 4;

QImage paintedPage(const ui::PrintDocument& document, int page) {
    QImage image(300 * int(kDotsPerMm), 210 * int(kDotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(kDotsPerMm * 1000));
    image.setDotsPerMeterY(int(kDotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    document.paintPage(painter, page, kDotsPerMm);
    return image;
}

// Ink at a pixel; an antialiased thin line leaves grey rather than black.
bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 200;
}

// The first and last pixel rows from `y0` on that hold ink between columns x0 and x1.
std::pair<int, int> inkRows(const QImage& image, int x0, int x1, int y0 = 0) {
    int top = -1, bottom = -1;
    for (int y = y0; y < image.height(); ++y) {
        for (int x = x0; x < x1; ++x) {
            if (dark(image, x, y)) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return {top, bottom};
}

// A printed list of `rows` letters of a demo year.
void layDownList(ui::PrintSurface& surface, int rows) {
    testing::DemoOptions options;
    options.letters = rows;
    print::printLetterList(surface, QStringLiteral("Bejövő és kimenő levelek – 2024"),
                           QStringLiteral("2024.06.14."), testing::demoYear(options).letters);
}

int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

}  // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void linesAndTextsLandInMillimetres() {
        ui::PrintDocument document;
        document.setFont(QStringLiteral("Times New Roman"), 14, true);
        document.drawLine(2, 25, 280, 25);
        document.drawLine(20, 25, 20, 60);
        document.drawText(100, 40, QStringLiteral("HÉ"));
        const QImage image = paintedPage(document, 0);

        QVERIFY(dark(image, 10, 100));     // (2.5 mm, 25 mm) on the rule
        QVERIFY(dark(image, 1110, 100));   // (277.5 mm, 25 mm)
        QVERIFY(!dark(image, 1130, 100));  // beyond 280 mm
        QVERIFY(!dark(image, 10, 108));    // 2 mm below the rule
        QVERIFY(dark(image, 80, 200));     // the vertical at 20 mm, 50 mm down
        QVERIFY(!dark(image, 80, 250));    // below its end at 60 mm

        // The text hangs from its top-left corner: all its ink lies below y = 40 mm and
        // within one 14-point line (4.9 mm) of it, and starts at x = 100 mm.
        const auto [top, bottom] = inkRows(image, 395, 480, 110);
        QVERIFY2(top >= 160, qPrintable(QString::number(top)));
        QVERIFY2(bottom < 160 + 20, qPrintable(QString::number(bottom)));
        int left = -1;
        for (int x = 380; x < 480 && left < 0; ++x) {
            for (int y = top; y <= bottom; ++y) {
                if (dark(image, x, y)) {
                    left = x;
                    break;
                }
            }
        }
        QVERIFY2(left >= 400 && left < 404, qPrintable(QString::number(left)));
    }

    void pagesKeepTheirCallsAndFont() {
        ui::PrintDocument document;
        QCOMPARE(document.pageNumber(), 1);
        document.setFont(QStringLiteral("Times New Roman"), 14, true);
        document.drawLine(2, 25, 280, 25);
        document.newPage();
        QCOMPARE(document.pageNumber(), 2);
        document.drawText(0, 0, QStringLiteral("Második"));
        QCOMPARE(document.pageCount(), 2);
        // Page 1 has its rule and no text; page 2 has its text in the font set on page 1, and
        // no rule.
        const QImage first = paintedPage(document, 0);
        const QImage second = paintedPage(document, 1);
        QCOMPARE(inkRows(first, 0, 300).first, 99);
        const auto [top, bottom] = inkRows(second, 0, 400);
        QVERIFY(top >= 0 && bottom < 20);
        QVERIFY(bottom - top > 8);  // 14 point, not the default size
        QVERIFY(!dark(second, 10, 100));
    }

    void endShowsThePreview() {
        ui::QtPrinter printer;
        std::unique_ptr<ui::PrintSurface> surface =
            printer.begin(nullptr, QStringLiteral("Bejövő levelek"));
        QVERIFY(surface);
        layDownList(*surface, 40);

        int pages = 0;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!preview) {  // no hanging test: close whatever dialog is open
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    if (auto* dialog = qobject_cast<QDialog*>(top))
                        dialog->reject();
                }
                return;
            }
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            pages = widget ? widget->pageCount() : -1;
            orientation = preview->printer()->pageLayout().orientation();
            preview->reject();  // closing the preview without printing is no failure
        });
        QVERIFY(surface->end());
        QCOMPARE(pages, 2);
        QCOMPARE(orientation, QPageLayout::Landscape);
    }

    void timesNewRomanOrAMetricTwin() {
        QFont font(QStringLiteral("Times New Roman"));
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == QStringLiteral("Times New Roman") ||
                     family == QStringLiteral("Liberation Serif"),
                 qPrintable(family + QStringLiteral(": install fonts-liberation")));
    }

    void fortyRowsToPdf() {
        ui::PrintDocument document;
        layDownList(document, 40);
        QCOMPARE(document.orientation(), ui::Orientation::Landscape);
        QCOMPARE(document.pageCount(), 2);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lista.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        document.preparePrinter(printer);
        QVERIFY(document.print(printer));
        const QString sample = qEnvironmentVariable("VELMAROK_SAMPLE_PDF");
        if (!sample.isEmpty()) {
            QFile::remove(sample);
            QVERIFY(QFile::copy(path, sample));
        }

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(pdf), 2);
        // A4 landscape, 842 by 595 points, on every page.
        static const QRegularExpression landscapeA4(
            QStringLiteral("/MediaBox\\s*\\[0 0 842(\\.0+)? 595(\\.0+)?\\]"));
        QCOMPARE(QString::fromLatin1(pdf).count(landscapeA4), 2);
        // The typeface is embedded: Times New Roman or its metric twin, plain and bold.
        static const QRegularExpression serif(
            QStringLiteral("/BaseFont /(TimesNewRoman|LiberationSerif)(PS)?(MT)?-Bold"));
        QVERIFY(QString::fromLatin1(pdf).contains(serif));
    }

    void aPdfThatCannotBeWrittenFails() {
        ui::PrintDocument document;
        layDownList(document, 3);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nincs/ilyen/mappa/lista.pdf"));
        QVERIFY(!document.print(printer));
    }
};

QTEST_MAIN(QtPrinterTest)
#include "tst_qtprinter.moc"
