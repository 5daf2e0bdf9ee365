#include "document/document_layout.h"

#include <algorithm>

namespace karumoa::document {
namespace {

// Heights are sums of products of twips and zooms; a band that ends this
// close to the foot of the page still fits.
constexpr double kSlack = 1e-6;

// Whether a page may end between row `row` - 1 and row `row` of `b`.
bool MayBreakAt(const Block& b, int row) {
    if (row <= b.first || row >= b.end) {
        return true;
    }
    for (const RowSpan& keep : b.keeps) {
        if (keep.first < row && row < keep.end) {
            return false;
        }
    }
    // A heading stays with the first row of its body.
    for (const sheet::TableSpan& t : b.sheet.tables) {
        if (t.heading < row && row < std::min(t.body + 1, std::max(t.end, t.body))) {
            return false;
        }
    }
    return true;
}

int NextBreak(const Block& b, int row) {
    int k = row + 1;
    while (k < b.end && !MayBreakAt(b, k)) {
        ++k;
    }
    return std::min(k, b.end);
}

// The table whose body a page starting at `row` continues.
const sheet::TableSpan* ContinuedTable(const Block& b, int row) {
    for (const sheet::TableSpan& t : b.sheet.tables) {
        if (t.body <= row && row < t.end) {
            return &t;
        }
    }
    return nullptr;
}

// Which rows of each block have something on them: a run, or a rule that
// crosses the row (a heading box).
std::vector<char> RowsWithContent(const Block& b) {
    std::vector<char> content(static_cast<std::size_t>(std::max(b.end, 0)), 0);
    auto mark = [&](int row) {
        if (row >= 0 && row < b.end) {
            content[static_cast<std::size_t>(row)] = 1;
        }
    };
    for (const sheet::TextRun& run : b.sheet.runs) {
        mark(run.row);
    }
    const int lh = std::max(b.sheet.lineHeight, 1);
    for (const sheet::RuleLine& line : b.sheet.lines) {
        const int top = std::min(line.y1, line.y2);
        const int bottom = std::max(line.y1, line.y2);
        for (int row = top / lh; row * lh < bottom; ++row) {
            mark(row);
        }
    }
    return content;
}

class Paginator {
public:
    Paginator(const std::vector<Block>& blocks, double height)
        : blocks_(blocks), height_(height), pages_(1) {}

    std::vector<Page> Run() {
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            Place(static_cast<int>(i));
        }
        // A break before rows that turned out blank leaves an empty page.
        while (pages_.size() > 1 && pages_.back().bands.empty()) {
            pages_.pop_back();
        }
        return std::move(pages_);
    }

private:
    // Height of the rows from the block's start to its first break.
    double FirstUnit(const Block& b) const {
        return (NextBreak(b, b.first) - b.first) * b.RowHeight();
    }

    // What has to stand on the page where block `i` starts.
    double StartNeed(int i) const {
        const Block& b = blocks_[static_cast<std::size_t>(i)];
        if (!b.keepWithNext) {
            return FirstUnit(b);
        }
        double need = (b.end - b.first) * b.RowHeight();
        for (std::size_t j = static_cast<std::size_t>(i) + 1; j < blocks_.size(); ++j) {
            const Block& next = blocks_[j];
            if (next.first < next.end) {
                need += next.spaceBefore + FirstUnit(next);
                break;
            }
        }
        return need;
    }

    void NewPage() {
        pages_.emplace_back();
        y_ = 0.0;
    }

    void Add(int block, int first, int end) {
        const Block& b = blocks_[static_cast<std::size_t>(block)];
        pages_.back().bands.push_back(Band{block, first, end, y_});
        y_ += (end - first) * b.RowHeight();
    }

    // Starts a new page that continues block `i` at row `row`: blank rows
    // are passed over, and a continued table gets its heading first.
    // Returns the row to continue at.
    int Continue(int i, int row, const std::vector<char>& content) {
        const Block& b = blocks_[static_cast<std::size_t>(i)];
        NewPage();
        while (row < b.end && content[static_cast<std::size_t>(row)] == 0) {
            ++row;
        }
        if (row < b.end) {
            if (const sheet::TableSpan* t = ContinuedTable(b, row)) {
                Add(i, t->heading, t->body);
            }
        }
        return row;
    }

    void Place(int i) {
        const Block& b = blocks_[static_cast<std::size_t>(i)];
        if (b.first >= b.end) {
            return;
        }
        if (y_ > 0.0 && y_ + b.spaceBefore + StartNeed(i) > height_ + kSlack) {
            NewPage();
        }
        if (y_ > 0.0) {
            y_ += b.spaceBefore;
        }
        const std::vector<char> content = RowsWithContent(b);
        const double rowHeight = b.RowHeight();
        // Nothing on the page yet but, perhaps, a repeated heading: the next
        // unit goes here even if it does not fit, or it never would.
        bool fresh = pages_.back().bands.empty();
        int row = b.first;
        while (row < b.end) {
            int fit = row;
            for (int k = row + 1; k <= b.end; ++k) {
                if (y_ + (k - row) * rowHeight > height_ + kSlack) {
                    break;
                }
                if (MayBreakAt(b, k)) {
                    fit = k;
                }
            }
            if (fit == row) {
                if (!fresh) {
                    row = Continue(i, row, content);
                    fresh = true;
                    continue;
                }
                fit = NextBreak(b, row);
            }
            Add(i, row, fit);
            row = fit;
            fresh = false;
            if (row < b.end) {
                row = Continue(i, row, content);
                fresh = true;
            }
        }
    }

    const std::vector<Block>& blocks_;
    double height_;
    std::vector<Page> pages_;
    double y_ = 0.0;
};

}  // namespace

int DocumentLayout::StartPage(BlockKind kind) const {
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const Band& band : pages[p].bands) {
            if (blocks[static_cast<std::size_t>(band.block)].kind == kind) {
                return static_cast<int>(p);
            }
        }
    }
    return -1;
}

std::vector<Page> Paginate(const std::vector<Block>& blocks, double height) {
    return Paginator(blocks, height).Run();
}

}  // namespace karumoa::document
