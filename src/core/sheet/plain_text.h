#pragma once

// Printing a sheet as plain text in monospace cells, for the command line:
// a character takes the cells a terminal gives it (two for the East Asian
// wide and fullwidth characters: kana, kanji, fullwidth forms, ㎡; one for
// everything else, including ×, ⊿, ℃ and the half-width katakana, as
// wcwidth counts them); one cell is kCellTwips wide.

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
    int CellTwips() const override { return kCellTwips; }

    // Number of cells a text takes.
    static int Cells(std::string_view utf8);
};

// The sheet's rows as lines of text, each run at its cell, ruled lines as
// "|", "-" and "+"; a horizontal rule gets a line of its own between the
// rows it separates. Trailing blanks are trimmed; lines end with "\n".
std::string RenderPlainText(const Sheet& sheet);
// The same, appended to `out`; renders without allocating once `out` and
// the renderer's working memory (kept per thread) are large enough.
void AppendPlainText(const Sheet& sheet, std::string& out);

}  // namespace karumoa::sheet
