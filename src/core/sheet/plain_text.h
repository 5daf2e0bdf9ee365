#pragma once

// Printing a sheet as plain text in monospace cells, for the command line:
// a half-width character takes one cell, any other character two, as in a
// Japanese fixed-pitch font; one cell is kCellTwips wide.

#include <string>
#include <string_view>

#include "sheet/sheet.h"

namespace karumoa::sheet {

class MonospaceMetrics : public TextMetrics {
public:
    static constexpr int kCellTwips = 90;   // so "あ" is 180 twips, the left margin two cells
    static constexpr int kLineTwips = 240;  // one row

    int TextWidth(std::string_view utf8) const override;
    int TextHeight() const override { return kLineTwips; }

    // Number of cells a text takes: 1 for ASCII and half-width katakana,
    // 2 for every other character.
    static int Cells(std::string_view utf8);
};

// The sheet's rows as lines of text, each run at its cell, ruled lines as
// "|", "-" and "+"; a horizontal rule gets a line of its own between the
// rows it separates. Trailing blanks are trimmed; lines end with "\n".
std::string RenderPlainText(const Sheet& sheet);

}  // namespace karumoa::sheet
