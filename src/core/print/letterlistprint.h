#pragma once

#include <QString>
#include <vector>

#include "print/printsurface.h"
#include "store/records.h"

// The printed letter list: a ruled table on landscape pages in millimetres, 37 rows a page,
// each page headed by the typed header text, the page number with the date and the column
// titles, and the number of items on the last page.
namespace print {

inline constexpr int kRowsPerPage = 37;
inline constexpr auto kTypeface = u"Times New Roman";

// The columns: x of the title (printed at y = 30) and x of the row text.
struct PrintColumn {
    const char16_t* title;
    double titleX;
    double textX;
};
inline constexpr PrintColumn kColumns[] = {
    {u"Dátum", 3, 3},     {u"Bejövő", 25, 21},  {u"Kimenő", 50, 46},      {u"Kinek/kitől", 81, 71},
    {u"Ügyf.", 121, 121}, {u"Tárgy", 150, 131}, {u"Ügyintéző", 255, 251},
};
// The vertical rules from y = 25 down to the bottom of a page's table.
inline constexpr double kRuleX[] = {2, 20, 45, 70, 120, 130, 250};

// The y of row k (1 to 37) of a page, and of the line under it.
inline constexpr double rowY(qint64 k) {
    return 35 + 4 * double(k);
}
inline constexpr double rowLineY(qint64 k) {
    return 39 + 4 * double(k);
}

// "Tételek száma: " with the count grouped by thousands ("1 234") and two spaces.
QString totalText(qint64 count);

// Draws the whole list on `surface`: landscape, the first page head, every letter in the
// given order, a new page after each 37 rows, and the total. `today` is the date printed
// beside the page numbers. The caller ends the document.
void printLetterList(print::PrintSurface& surface, const QString& header, const QString& today,
                     const std::vector<store::LevelRekord>& letters);

}  // namespace print
