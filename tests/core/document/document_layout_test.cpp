// Breaking blocks into pages, on blocks made for the case: rows 100 twips
// high with a run in every row unless a case leaves some blank.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "document/document_layout.h"

namespace karumoa::document {

void PrintTo(const Band& b, std::ostream* os) {
    *os << "{block " << b.block << " rows " << b.first << ".." << b.end << " y " << b.y << "}";
}

namespace {

struct BlockSpec {
    int rows = 0;
    std::vector<RowSpan> keeps;
    std::vector<sheet::TableSpan> tables;
    bool keepWithNext = false;
    double spaceBefore = 0.0;
    double zoom = 1.0;
    std::vector<int> blank;  // rows without runs

    BlockSpec Keep(int first, int end) const {
        BlockSpec s = *this;
        s.keeps.push_back({first, end});
        return s;
    }
    BlockSpec Table(int heading, int body, int end) const {
        BlockSpec s = *this;
        s.tables.push_back({heading, body, end});
        return s;
    }
    BlockSpec WithNext() const {
        BlockSpec s = *this;
        s.keepWithNext = true;
        return s;
    }
    BlockSpec Space(double twips) const {
        BlockSpec s = *this;
        s.spaceBefore = twips;
        return s;
    }
    BlockSpec Zoom(double z) const {
        BlockSpec s = *this;
        s.zoom = z;
        return s;
    }
    BlockSpec Blank(std::vector<int> empty) const {
        BlockSpec s = *this;
        s.blank = std::move(empty);
        return s;
    }
};

BlockSpec Rows(int rows) {
    BlockSpec s;
    s.rows = rows;
    return s;
}

Block Make(const BlockSpec& spec) {
    Block b;
    b.sheet.lineHeight = 100;
    for (int row = 0; row < spec.rows; ++row) {
        if (std::find(spec.blank.begin(), spec.blank.end(), row) == spec.blank.end()) {
            b.sheet.runs.push_back(sheet::TextRun{row, 180, 180, "x", sheet::kBlack});
        }
    }
    b.sheet.tables = spec.tables;
    b.end = spec.rows;
    b.keeps = spec.keeps;
    b.keepWithNext = spec.keepWithNext;
    b.spaceBefore = spec.spaceBefore;
    b.zoom = spec.zoom;
    return b;
}

using Pages = std::vector<std::vector<Band>>;

TEST(Paginate, BreaksOnlyWhereTheRulesAllow) {
    struct Case {
        const char* name;
        std::vector<BlockSpec> blocks;
        double height;
        Pages expected;
    };
    const Case cases[] = {
        {"blocks that fit follow each other",
         {Rows(10), Rows(5).Space(50)},
         2000,
         {{{0, 0, 10, 0}, {1, 0, 5, 1050}}}},
        {"a page ends at the last row that fits",
         {Rows(25)},
         1000,
         {{{0, 0, 10, 0}}, {{0, 10, 20, 0}}, {{0, 20, 25, 0}}}},
        {"kept rows move together",
         {Rows(12).Keep(8, 12)},
         1000,
         {{{0, 0, 8, 0}}, {{0, 8, 12, 0}}}},
        {"a continued table starts the next page with its heading",
         {Rows(20).Table(2, 4, 20)},
         1000,
         {{{0, 0, 10, 0}}, {{0, 2, 4, 0}, {0, 10, 18, 200}}, {{0, 2, 4, 0}, {0, 18, 20, 200}}}},
        {"a heading never ends a page without its first row",
         {Rows(15).Table(8, 10, 15)},
         1000,
         {{{0, 0, 8, 0}}, {{0, 8, 15, 0}}}},
        {"a heading goes to the page of the next block's first rows",
         {Rows(7), Rows(1).WithNext(), Rows(5).Keep(0, 3)},
         1000,
         {{{0, 0, 7, 0}}, {{1, 0, 1, 0}, {2, 0, 5, 100}}}},
        {"no space above a block at the top of a page",
         {Rows(10), Rows(2).Space(50)},
         1000,
         {{{0, 0, 10, 0}}, {{1, 0, 2, 0}}}},
        {"rows that cannot break and exceed a page stand whole at the top of one",
         {Rows(2), Rows(15).Keep(0, 15)},
         1000,
         {{{0, 0, 2, 0}}, {{1, 0, 15, 0}}}},
        {"blank rows after a break are left out",
         {Rows(14).Blank({10, 11})},
         1000,
         {{{0, 0, 10, 0}}, {{0, 12, 14, 0}}}},
        {"rows are as high as the zoom makes them",
         {Rows(30).Zoom(0.5)},
         1000,
         {{{0, 0, 20, 0}}, {{0, 20, 30, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Block> blocks;
        for (const BlockSpec& spec : c.blocks) {
            blocks.push_back(Make(spec));
        }
        const std::vector<Page> pages = Paginate(blocks, c.height);
        ASSERT_EQ(pages.size(), c.expected.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].bands, c.expected[p]) << "page " << p;
        }
    }
}

}  // namespace
}  // namespace karumoa::document
