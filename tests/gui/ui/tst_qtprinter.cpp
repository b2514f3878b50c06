// The Qt print surface: millimetres to device pixels, text by its top-left corner, and a
// real PDF of a printed letter list. With VELMAROK_SAMPLE_PDF set, the 40-row list is also
// written to that path, which tools/print_sample.sh renders into docs/print-page.png.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "print/letterlistprint.h"
#include "tools/demoregister.h"
#include "ui/qtprinter.h"

namespace {

void layDownList(print::PrintSurface& surface, int rows) {
    testing::DemoOptions options;
    options.letters = rows;
    print::printLetterList(surface, QStringLiteral("Bejövő és kimenő levelek – 2024"),
                           QStringLiteral("2024.06.14."), testing::demoYear(options).letters);
}

}  // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void linesAndTextsLandInMillimetres() {
        ui::PrintDocument document;
        document.setFont(QStringLiteral("Times New Roman"), 14, true);
        document.drawLine(2, 25, 280, 25);
        document.drawText(100, 40, QStringLiteral("HÉ"));
        // 4 pixels a millimetre.
        QImage image(1200, 840, QImage::Format_Grayscale8);
        image.setDotsPerMeterX(4000);
        image.setDotsPerMeterY(4000);
        image.fill(Qt::white);
        QPainter painter(&image);
        document.paintPage(painter, 0, 4);
        painter.end();

        auto ink = [&](int x, int y) { return qGray(image.pixel(x, y)) < 200; };
        QVERIFY(ink(10, 100) && ink(1110, 100));    // the rule at y = 25 mm, 2 to 280 mm
        QVERIFY(!ink(1130, 100) && !ink(10, 108));  // nothing beyond it
        // The text hangs from its top-left corner (100, 40): its ink lies within one 14-point
        // line (4.9 mm) below y = 40 mm and starts at x = 100 mm.
        QRect inked;
        for (int y = 120; y < image.height(); ++y) {
            for (int x = 380; x < 480; ++x) {
                if (ink(x, y))
                    inked |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY2(
            inked.top() >= 160 && inked.bottom() < 180 && inked.left() >= 400 && inked.left() < 404,
            qPrintable(QDebug::toString(inked)));
    }

    void fortyRowsToPdf() {
        ui::PrintDocument document;
        layDownList(document, 40);
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
        const QString pdf = QString::fromLatin1(file.readAll());
        // Two A4 landscape pages (842 by 595 points); Times New Roman or its metric twin
        // embedded, plain and bold.
        QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2);
        QCOMPARE(pdf.count(QRegularExpression(
                     QStringLiteral("/MediaBox\\s*\\[0 0 842(\\.0+)? 595(\\.0+)?\\]"))),
                 2);
        QVERIFY(pdf.contains(QRegularExpression(
            QStringLiteral("/BaseFont /(TimesNewRoman|LiberationSerif)(PS)?(MT)?-Bold"))));

        // A PDF that cannot be written is a failed print.
        printer.setOutputFileName(QStringLiteral("/nincs/ilyen/mappa/lista.pdf"));
        QVERIFY(!document.print(printer));
    }
};

QTEST_MAIN(QtPrinterTest)
#include "tst_qtprinter.moc"
