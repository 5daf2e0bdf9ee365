#pragma once

// The calculation document laid out on pages, as data: which rows of which
// block stand where on which page, in twips from the top left corner of
// the printable area. Painting only follows it, so every decision about
// pages is made here, where it can be checked without painting.

#include <vector>

#include "sheet/sheet.h"

namespace karumoa::document {

enum class BlockKind {
    Title,         // the title, the file, the date and the program
    Heading,       // the heading of a section
    Conditions,    // 設計条件
    Totals,        // 負荷合計
    Construction,  // 構成と熱貫流率
    Structural,    // the structural load sheet
    Internal,      // the internal load sheet
    Footer,        // the file name and "n / N" at the foot of a page
};

// Rows [first, end) of a block that a page break never separates.
struct RowSpan {
    int first = 0;
    int end = 0;
};

// A piece of the document: rows [first, end) of a sheet, painted `zoom`
// times the size they were measured in. Breaks fall only between rows,
// never inside a keep, nor between a table's heading and its first body
// row (the sheet's TableSpans).
struct Block {
    BlockKind kind = BlockKind::Heading;
    sheet::Sheet sheet;
    int first = 0;
    int end = 0;
    double zoom = 1.0;
    double spaceBefore = 0.0;   // twips above the block, none at the top of a page
    bool keepWithNext = false;  // a heading: starts on the page where the next block starts
    std::vector<RowSpan> keeps;

    double RowHeight() const { return sheet.lineHeight * zoom; }
};

// Rows [first, end) of block `block`, the top of row `first` `y` twips
// below the top of the printable area.
struct Band {
    int block = 0;
    int first = 0;
    int end = 0;
    double y = 0.0;

    bool operator==(const Band&) const = default;
};

struct Page {
    std::vector<Band> bands;
};

// The printable area of a page, twips.
struct PageGeometry {
    double width = 0.0;
    double height = 0.0;
};

// A4 portrait (210 x 297 mm) less margins of 15 mm all round.
constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
constexpr double kA4Margin = 15.0;  // mm
constexpr PageGeometry kA4{(210.0 - 2 * kA4Margin) * kTwipsPerMillimetre,
                           (297.0 - 2 * kA4Margin) * kTwipsPerMillimetre};

struct DocumentLayout {
    std::vector<Block> blocks;
    std::vector<Page> pages;

    // The page (from 0) on which the first block of `kind` starts; -1 when
    // the document has none.
    int StartPage(BlockKind kind) const;
};

// Puts the blocks one after another on pages whose body is `height` twips
// high. A page ends at the last break that fits; a table continued on the
// next page starts it with its heading again, and blank rows after a break
// are left out. Rows that cannot be broken and are taller than a page are
// placed whole at the top of one, running over its foot.
std::vector<Page> Paginate(const std::vector<Block>& blocks, double height);

}  // namespace karumoa::document
