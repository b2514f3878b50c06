#include "print/letterlistprint.h"

#include <algorithm>

#include "store/hungarian.h"

using namespace Qt::StringLiterals;

namespace print {
namespace {

constexpr double kLeft = 2, kRight = 280;
constexpr double kFrameTop = 25, kTitleY = 30, kTitleLineY = 38;
constexpr double kLastRuleBottom = 187;  // the rules of a full page
constexpr double kHeaderSize = 14, kPageLineSize = 10, kTableSize = 8;

QString typeface() {
    return QString::fromUtf16(kTypeface);
}

// The head of every page: the header text, "N. Oldal    " with the date, the frame with its
// vertical rules down to `ruleBottom`, the column titles and the line under them.
void pageHead(print::PrintSurface& surface, const QString& header, const QString& today,
              double ruleBottom) {
    surface.setFont(typeface(), kHeaderSize, true);
    surface.drawText(0, 0, header);
    surface.setFont(typeface(), kPageLineSize, true);
    surface.drawText(250, 5, QString::number(surface.pageNumber()) + u". Oldal    "_s + today);
    surface.drawLine(kLeft, kFrameTop, kRight, kFrameTop);
    for (double x : kRuleX)
        surface.drawLine(x, kFrameTop, x, ruleBottom);
    surface.setFont(typeface(), kTableSize, true);
    for (const PrintColumn& column : kColumns)
        surface.drawText(column.titleX, kTitleY, QString::fromUtf16(column.title));
    surface.drawLine(kLeft, kTitleLineY, kRight, kTitleLineY);
}

void printRow(print::PrintSurface& surface, const store::LevelRekord& letter, qint64 k) {
    const double y = rowY(k);
    surface.setFont(typeface(), kTableSize, false);
    surface.drawText(kColumns[0].textX, y, store::shortDate(letter.Datum));
    const PrintColumn& number = letter.incoming() ? kColumns[1] : kColumns[2];
    surface.drawText(number.textX, y, store::registrationNumber(letter));
    surface.drawText(kColumns[3].textX, y, store::trimmed(letter.KitolKinek));
    surface.drawText(kColumns[4].textX, y, QString::number(letter.Ugyfelszam));
    surface.drawText(kColumns[5].textX, y, u' ' + store::trimmed(letter.LevelTargya));
    surface.drawText(kColumns[6].textX, y, store::trimmed(letter.Ugyintezo));
    surface.drawLine(kLeft, rowLineY(k), kRight, rowLineY(k));
}

}  // namespace

QString totalText(qint64 count) {
    return u"Tételek száma: "_s + store::groupedNumber(count) + u"  "_s;
}

void printLetterList(print::PrintSurface& surface, const QString& header, const QString& today,
                     const std::vector<store::LevelRekord>& letters) {
    const auto count = qint64(letters.size());
    surface.setOrientation(print::Orientation::Landscape);
    // A short list's rules end 1 mm below its last row's line.
    pageHead(surface, header, today, std::min(40 + 4 * double(count), kLastRuleBottom));

    qint64 k = 0;
    qint64 rest = count;
    for (const store::LevelRekord& letter : letters) {
        ++k;
        printRow(surface, letter, k);
        if (k == kRowsPerPage) {
            k = 0;
            rest -= kRowsPerPage;
            surface.newPage();
            // Later pages' rules end exactly at their last row's line. A list that fills
            // its last page exactly gets one more page with the head and the total only.
            pageHead(surface, header, today,
                     rest >= kRowsPerPage ? kLastRuleBottom : rowLineY(rest));
        }
    }

    surface.setFont(typeface(), kTableSize, true);
    surface.drawText(150, 20, totalText(count));
}

}  // namespace print
