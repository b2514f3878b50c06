#pragma once

#include <QString>

namespace reg {

// A column of a report-style list: its header, its width in twips and its alignment.
struct ListColumn {
    QString header;
    int widthTwips = 1440;
    bool rightAligned = false;
};

}  // namespace reg
