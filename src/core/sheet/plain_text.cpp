#include "sheet/plain_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace karumoa::sheet {
namespace {

// The East Asian wide and fullwidth characters: kana, kanji, hangul,
// fullwidth forms, CJK symbols and squared units (㎡), and the emoji that
// terminals show two cells wide. Ambiguous characters (×, ÷, ℃, ⊿, Greek)
// and the half-width katakana are narrow, as wcwidth counts them.
constexpr char32_t kWideRanges[][2] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
    {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// The wide characters of the basic multilingual plane as a bit set, so
// measuring a character is a table look-up.
struct WideBmp {
    std::array<std::uint64_t, 0x10000 / 64> bits{};
    constexpr WideBmp() {
        for (const auto& r : kWideRanges) {
            for (char32_t c = r[0]; c <= r[1] && c < 0x10000; ++c) {
                bits[c / 64] |= std::uint64_t{1} << (c % 64);
            }
        }
    }
    constexpr bool Test(char32_t c) const { return ((bits[c / 64] >> (c % 64)) & 1u) != 0; }
};
constexpr WideBmp kWideBmp;

bool IsWide(char32_t c) {
    if (c < 0x10000) {
        return kWideBmp.Test(c);
    }
    for (const auto& r : kWideRanges) {
        if (c >= r[0] && c <= r[1]) {
            return true;
        }
    }
    return false;
}

// One character of a UTF-8 text: how many bytes it takes (a sequence cut
// short by the end of the text takes what is left) and whether it is two
// cells wide. A stray or malformed byte sequence is one narrow character.
struct Char {
    std::size_t size;
    bool wide;
};

Char CharAt(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char lead = b(0);
    if (lead < 0xE0) {
        // ASCII, two-byte sequences (nothing below U+1100 is wide) and
        // stray continuation bytes.
        const std::size_t n = lead >= 0xC0 ? 2 : 1;
        return {std::min(n, s.size() - i), false};
    }
    const std::size_t expected = lead >= 0xF0 ? 4 : 3;
    const std::size_t n = std::min(expected, s.size() - i);
    if (n != expected) {
        return {n, false};
    }
    char32_t c = lead & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0u) != 0x80u) {
            return {n, false};
        }
        c = (c << 6) | (b(k) & 0x3Fu);
    }
    return {n, IsWide(c)};
}

// One cell of a text line: blank, the start of a character (its UTF-8
// bytes elsewhere, in a run's text or a literal), or the second half of a
// wide character.
struct Cell {
    enum Kind : std::uint8_t { kBlank, kStart, kSecondHalf };
    const char* bytes = nullptr;
    std::uint8_t size = 0;
    Kind kind = kBlank;

    // A blank character printed by a run leaves the cell free for a rule.
    bool IsFree() const { return kind == kBlank || (kind == kStart && size == 1 && *bytes == ' '); }
};

// A text line being filled. The cells are reused from line to line, so
// filling allocates nothing once the line has reached its widest.
class CellLine {
public:
    void Reset() { used_ = 0; }

    void Put(int cell, std::string_view text) {
        std::size_t i = 0;
        while (i < text.size()) {
            if (static_cast<unsigned char>(text[i]) < 0x80) {
                Set(cell++, text.data() + i++, 1);  // ASCII: one byte, one cell
                continue;
            }
            const Char ch = CharAt(text, i);
            Set(cell, text.data() + i, ch.size, ch.wide);
            cell += ch.wide ? 2 : 1;
            i += ch.size;
        }
    }

    bool IsFree(int cell) const {
        return cell >= 0 && (cell >= used_ || cells_[Index(cell)].IsFree());
    }

    // Writes one character; a wide one also takes the next cell. Whatever
    // it overwrites of a wide character is blanked.
    void Set(int cell, const char* bytes, std::size_t size, bool wide = false) {
        if (cell < 0) {
            return;
        }
        if (cell >= used_) {
            // Past the end of the line, as text mostly is written: only
            // the cells up to it to blank.
            Grow(cell + (wide ? 2 : 1));
        } else {
            Clear(cell);
            if (wide) {
                Clear(cell + 1);
            }
        }
        if (wide) {
            cells_[Index(cell + 1)].kind = Cell::kSecondHalf;
        }
        Cell& c = cells_[Index(cell)];
        c.bytes = bytes;
        c.size = static_cast<std::uint8_t>(size);
        c.kind = Cell::kStart;
    }
    void Set(int cell, const char* ascii) { Set(cell, ascii, 1); }

    // Appends the line without its trailing blanks, and a line break.
    void AppendTo(std::string& out) const {
        int end = used_;
        while (end > 0 && cells_[Index(end - 1)].IsFree()) {
            --end;
        }
        for (int i = 0; i < end; ++i) {
            const Cell& c = cells_[Index(i)];
            if (c.kind == Cell::kStart) {
                out.append(c.bytes, c.size);
            } else if (c.kind == Cell::kBlank) {
                out += ' ';
            }
        }
        out += '\n';
    }

private:
    static std::size_t Index(int cell) { return static_cast<std::size_t>(cell); }

    // Extends the line with blank cells to `used` cells.
    void Grow(int used) {
        if (Index(used) > cells_.size()) {
            cells_.resize(Index(used) + 64);
        }
        std::fill(cells_.begin() + used_, cells_.begin() + used, Cell{});
        used_ = used;
    }

    // Blanks a cell and the other half of a wide character it belongs to,
    // growing the line as needed.
    void Clear(int cell) {
        if (cell >= used_) {
            Grow(cell + 1);
        }
        Cell& c = cells_[Index(cell)];
        if (c.kind == Cell::kSecondHalf && cell > 0) {
            cells_[Index(cell - 1)] = Cell{};
        } else if (c.kind == Cell::kStart && cell + 1 < used_ &&
                   cells_[Index(cell + 1)].kind == Cell::kSecondHalf) {
            cells_[Index(cell + 1)] = Cell{};
        }
        c = Cell{};
    }

    std::vector<Cell> cells_;
    int used_ = 0;  // cells beyond are blank
};

int CellOf(int twips) {
    return twips >= 0
               ? twips / MonospaceMetrics::kCellTwips
               : -((-twips + MonospaceMetrics::kCellTwips - 1) / MonospaceMetrics::kCellTwips);
}

// A horizontal rule: a separator line before `row`, over cells from..to.
struct Separator {
    int row;
    int from;
    int to;
};
// A vertical rule at `cell` through rows top..bottom - 1.
struct Vertical {
    int cell;
    int top;
    int bottom;
};

// Working memory of the renderer, kept between calls on one thread.
// A run placed on a row: its first cell and how many cells it takes.
struct Placed {
    int cell;
    int cells;
    const std::string* text;
};

struct Scratch {
    std::vector<int> order;       // run indices by row, unless inRowOrder
    std::vector<int> starts;      // first run (see RunAt) of each row, and one past the end
    std::vector<CellLine> lines;  // the rows that rules cross or whose runs overlap
    std::vector<bool> composed;   // whether a row is in `lines`
    std::vector<Separator> separators;
    std::vector<Vertical> verticals;
    std::vector<Placed> placed;
    std::string separator;
    bool inRowOrder = true;  // the runs are grouped by row as they stand; `order` unused
};

// The k-th run in row order (see GroupByRow).
const TextRun& RunAt(const Sheet& sheet, const Scratch& s, int k) {
    const auto i = static_cast<std::size_t>(k);
    return sheet.runs[s.inRowOrder ? i : static_cast<std::size_t>(s.order[i])];
}

// A separator line holds only "-", "+" and blanks, one byte a cell, so it
// is put together as text rather than cell by cell.
void AppendSeparator(Scratch& s, int row, std::string& out) {
    std::string& line = s.separator;
    line.clear();
    auto mark = [&line](int from, int to, char c) {
        from = std::max(from, 0);
        if (to < from) {
            return;
        }
        if (line.size() <= static_cast<std::size_t>(to)) {
            line.resize(static_cast<std::size_t>(to) + 1, ' ');
        }
        std::fill(line.begin() + from, line.begin() + to + 1, c);
    };
    bool any = false;
    for (const Separator& h : s.separators) {
        if (h.row == row) {
            any = true;
            mark(h.from, h.to, '-');
        }
    }
    if (!any) {
        return;
    }
    for (const Vertical& v : s.verticals) {
        if (row >= v.top && row <= v.bottom) {
            mark(v.cell, v.cell, '+');
        }
    }
    const std::size_t end = line.find_last_not_of(' ');
    out.append(line, 0, end == std::string::npos ? 0 : end + 1);
    out += '\n';
}

// A rule at x lies between the cell starting at x and the one before it.
// It takes the first of the two that is free in every row it crosses, so
// it runs straight down; only where text fills both is it placed row by
// row (or left out where neither is free).
void PlaceVertical(Scratch& s, Vertical& v, int rowCount) {
    const int top = std::max(v.top, 0);
    const int bottom = std::min(v.bottom, rowCount);
    auto freeInAll = [&](int cell) {
        for (int r = top; r < bottom; ++r) {
            if (!s.lines[static_cast<std::size_t>(r)].IsFree(cell)) {
                return false;
            }
        }
        return true;
    };
    const int preferred[] = {v.cell, v.cell - 1};
    for (const int cell : preferred) {
        if (freeInAll(cell)) {
            v.cell = cell;
            for (int r = top; r < bottom; ++r) {
                s.lines[static_cast<std::size_t>(r)].Set(cell, "|");
            }
            return;
        }
    }
    for (int r = top; r < bottom; ++r) {
        CellLine& line = s.lines[static_cast<std::size_t>(r)];
        for (const int cell : preferred) {
            if (line.IsFree(cell)) {
                line.Set(cell, "|");
                break;
            }
        }
    }
}

// Groups the runs by row, each row's runs in drawing order: the runs of
// row r are RunAt(k) for starts[r] <= k < starts[r + 1]. The builders draw
// row by row, so the runs are usually in row order already (`inRowOrder`:
// rows never decreasing, none negative); then only the rows' starts are
// found. Otherwise a counting sort into `s.order` (rows are small integers).
void GroupByRow(const Sheet& sheet, int rowCount, bool inRowOrder, Scratch& s) {
    const auto rows = static_cast<std::size_t>(rowCount);
    const std::size_t n = sheet.runs.size();
    s.starts.assign(rows + 1, 0);
    s.inRowOrder = inRowOrder;
    if (inRowOrder) {
        std::size_t i = 0;
        for (std::size_t r = 0; r <= rows; ++r) {
            while (i < n && static_cast<std::size_t>(sheet.runs[i].row) < r) {
                ++i;
            }
            s.starts[r] = static_cast<int>(i);
        }
        return;
    }
    for (const TextRun& run : sheet.runs) {
        if (run.row >= 0) {
            ++s.starts[static_cast<std::size_t>(run.row) + 1];
        }
    }
    for (std::size_t r = 1; r <= rows; ++r) {
        s.starts[r] += s.starts[r - 1];
    }
    s.order.resize(static_cast<std::size_t>(s.starts[rows]));
    // Fill using starts[r] as the next free slot of row r, then shift back.
    for (std::size_t i = 0; i < sheet.runs.size(); ++i) {
        const int row = sheet.runs[i].row;
        if (row >= 0) {
            s.order[static_cast<std::size_t>(s.starts[static_cast<std::size_t>(row)]++)] =
                static_cast<int>(i);
        }
    }
    for (std::size_t r = rows; r > 0; --r) {
        s.starts[r] = s.starts[r - 1];
    }
    s.starts[0] = 0;
}

// Fills row `r` cell by cell: later runs overwrite earlier ones where they
// meet, as later drawing covers earlier drawing.
void Compose(const Sheet& sheet, int r, Scratch& s) {
    const auto row = static_cast<std::size_t>(r);
    CellLine& line = s.lines[row];
    line.Reset();
    for (int k = s.starts[row]; k < s.starts[row + 1]; ++k) {
        const TextRun& run = RunAt(sheet, s, k);
        line.Put(CellOf(run.x), run.text);
    }
    s.composed[row] = true;
}

// Cells a run takes. A sheet measured in monospace cells has them already.
int RunCells(const Sheet& sheet, const TextRun& run) {
    return sheet.cellTwips == MonospaceMetrics::kCellTwips
               ? run.width / MonospaceMetrics::kCellTwips
               : MonospaceMetrics::Cells(run.text);
}

// AppendSideBySide for runs that are not drawn left to right: sorted by
// their cells first.
bool AppendSortedSideBySide(const Sheet& sheet, int r, Scratch& s, std::string& out) {
    const auto row = static_cast<std::size_t>(r);
    s.placed.clear();
    bool sorted = true;
    for (int k = s.starts[row]; k < s.starts[row + 1]; ++k) {
        const TextRun& run = RunAt(sheet, s, k);
        if (run.text.empty()) {
            continue;
        }
        const Placed p{CellOf(run.x), RunCells(sheet, run), &run.text};
        if (p.cell < 0) {
            return false;
        }
        if (!s.placed.empty() && p.cell < s.placed.back().cell) {
            sorted = false;
        }
        s.placed.push_back(p);
    }
    if (!sorted) {
        std::stable_sort(s.placed.begin(), s.placed.end(),
                         [](const Placed& a, const Placed& b) { return a.cell < b.cell; });
    }
    for (std::size_t i = 1; i < s.placed.size(); ++i) {
        if (s.placed[i].cell < s.placed[i - 1].cell + s.placed[i - 1].cells) {
            return false;
        }
    }
    const std::size_t lineStart = out.size();
    int cell = 0;
    for (const Placed& p : s.placed) {
        out.append(static_cast<std::size_t>(p.cell - cell), ' ');
        out += *p.text;
        cell = p.cell + p.cells;
    }
    while (out.size() > lineStart && out.back() == ' ') {
        out.pop_back();
    }
    out += '\n';
    return true;
}

// Appends row `r` when its runs stand side by side, each copied whole
// after the blanks that lead to it; false (nothing appended) when runs
// overlap or start left of the first cell, which Compose handles. The
// builders draw a row left to right, so its runs are appended as they
// come; only a row drawn in another order is sorted first.
bool AppendSideBySide(const Sheet& sheet, int r, Scratch& s, std::string& out) {
    const auto row = static_cast<std::size_t>(r);
    const std::size_t lineStart = out.size();
    int cell = 0;      // first cell after the runs so far
    int previous = 0;  // first cell of the last run
    for (int k = s.starts[row]; k < s.starts[row + 1]; ++k) {
        const TextRun& run = RunAt(sheet, s, k);
        if (run.text.empty()) {
            continue;
        }
        const int at = CellOf(run.x);
        if (at < cell || at < previous) {
            out.resize(lineStart);
            return AppendSortedSideBySide(sheet, r, s, out);
        }
        out.append(static_cast<std::size_t>(at - cell), ' ');
        out += run.text;
        previous = at;
        cell = at + RunCells(sheet, run);
    }
    while (out.size() > lineStart && out.back() == ' ') {
        out.pop_back();
    }
    out += '\n';
    return true;
}

}  // namespace

int MonospaceMetrics::Cells(std::string_view utf8) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const end = p + utf8.size();
    int cells = 0;
    while (p < end) {
        const unsigned b = *p;
        if (b < 0x80) {
            ++cells;
            ++p;
            continue;
        }
        // Kana, kanji and the other wide characters of the sheets are
        // well-formed three-byte sequences.
        if ((b & 0xF0u) == 0xE0u && end - p >= 3 && (p[1] & 0xC0u) == 0x80u &&
            (p[2] & 0xC0u) == 0x80u) {
            const char32_t c = ((b & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            cells += kWideBmp.Test(c) ? 2 : 1;
            p += 3;
            continue;
        }
        const std::size_t i =
            static_cast<std::size_t>(p - reinterpret_cast<const unsigned char*>(utf8.data()));
        const Char ch = CharAt(utf8, i);
        cells += ch.wide ? 2 : 1;
        p += ch.size;
    }
    return cells;
}

int MonospaceMetrics::TextWidth(std::string_view utf8) const {
    return Cells(utf8) * kCellTwips;
}

void AppendPlainText(const Sheet& sheet, std::string& out) {
    thread_local Scratch s;
    const int lineHeight = sheet.lineHeight > 0 ? sheet.lineHeight : 1;

    int lastRow = std::max(sheet.lastRow, 0);
    bool inRowOrder = true;
    int previousRow = 0;
    for (const TextRun& run : sheet.runs) {
        lastRow = std::max(lastRow, run.row);
        inRowOrder = inRowOrder && run.row >= previousRow;
        previousRow = run.row;
    }
    const int rowCount = lastRow + 1;
    GroupByRow(sheet, rowCount, inRowOrder, s);
    if (s.lines.size() < static_cast<std::size_t>(rowCount)) {
        s.lines.resize(static_cast<std::size_t>(rowCount));
    }
    s.composed.assign(static_cast<std::size_t>(rowCount), false);

    // Horizontal rules become separator lines before the row at their y;
    // vertical rules mark each row they cross, and a "+" where they meet a
    // separator. The rows they cross are composed cell by cell.
    s.separators.clear();
    s.verticals.clear();
    int lastSeparator = -1;
    for (const RuleLine& line : sheet.lines) {
        if (line.y1 == line.y2) {
            const int row = line.y1 / lineHeight;
            s.separators.push_back(Separator{row, CellOf(std::min(line.x1, line.x2)),
                                             CellOf(std::max(line.x1, line.x2))});
            lastSeparator = std::max(lastSeparator, row);
        } else if (line.x1 == line.x2) {
            const Vertical v{CellOf(line.x1), std::min(line.y1, line.y2) / lineHeight,
                             std::max(line.y1, line.y2) / lineHeight};
            s.verticals.push_back(v);
            for (int r = std::max(v.top, 0); r < std::min(v.bottom, rowCount); ++r) {
                if (!s.composed[static_cast<std::size_t>(r)]) {
                    Compose(sheet, r, s);
                }
            }
        }
    }
    for (Vertical& v : s.verticals) {
        PlaceVertical(s, v, rowCount);
    }

    const int rows = std::max(lastRow, lastSeparator);
    for (int r = 0; r <= rows; ++r) {
        AppendSeparator(s, r, out);
        if (r > lastRow) {
            continue;
        }
        const auto row = static_cast<std::size_t>(r);
        if (!s.composed[row] && !AppendSideBySide(sheet, r, s, out)) {
            Compose(sheet, r, s);
        }
        if (s.composed[row]) {
            s.lines[row].AppendTo(out);
        }
    }
}

std::string RenderPlainText(const Sheet& sheet) {
    std::string out;
    AppendPlainText(sheet, out);
    return out;
}

}  // namespace karumoa::sheet
