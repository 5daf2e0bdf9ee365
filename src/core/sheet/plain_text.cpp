#include "sheet/plain_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace karumoa::sheet {
namespace {

// Length of the UTF-8 sequence starting with byte `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

// Code point of the sequence at `s` (length `n`, already clipped to the
// text); 0xFFFD when it is malformed.
char32_t DecodeAt(const char* s, std::size_t n) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (n == 1) {
        return b(0) < 0x80 ? b(0) : 0xFFFD;
    }
    const std::size_t expected = SequenceLength(b(0));
    if (n != expected) {
        return 0xFFFD;
    }
    char32_t c = b(0) & (0x7Fu >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0u) != 0x80u) {
            return 0xFFFD;
        }
        c = (c << 6) | (b(i) & 0x3Fu);
    }
    return c;
}

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

// Whether the character whose sequence starts at `s` (length `n`) takes
// two cells. Below U+1100 nothing does, so ASCII and the two-byte
// sequences need no decoding.
bool IsWide(const char* s, std::size_t n) {
    if (n < 3) {
        return false;
    }
    const char32_t c = DecodeAt(s, n);
    if (c < 0x1100) {
        return false;
    }
    for (const auto& range : kWideRanges) {
        if (c < range[0]) {
            return false;
        }
        if (c <= range[1]) {
            return true;
        }
    }
    return false;
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
            const std::size_t n =
                std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
            const bool wide = IsWide(text.data() + i, n);
            Set(cell, text.data() + i, n, wide);
            cell += wide ? 2 : 1;
            i += n;
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
        Clear(cell);
        if (wide) {
            Clear(cell + 1);
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

    // Blanks a cell and the other half of a wide character it belongs to,
    // growing the line as needed.
    void Clear(int cell) {
        if (cell >= used_) {
            if (Index(cell) >= cells_.size()) {
                cells_.resize(Index(cell) + 64);
            }
            std::fill(cells_.begin() + used_, cells_.begin() + cell + 1, Cell{});
            used_ = cell + 1;
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
struct Scratch {
    std::vector<CellLine> lines;  // one per row
    std::vector<Separator> separators;
    std::vector<Vertical> verticals;
    CellLine separator;
};

void AppendSeparator(Scratch& s, int row, std::string& out) {
    CellLine& sep = s.separator;
    sep.Reset();
    bool any = false;
    for (const Separator& h : s.separators) {
        if (h.row != row) {
            continue;
        }
        any = true;
        for (int c = h.from; c <= h.to; ++c) {
            sep.Set(c, "-");
        }
    }
    if (!any) {
        return;
    }
    for (const Vertical& v : s.verticals) {
        if (row >= v.top && row <= v.bottom) {
            sep.Set(v.cell, "+");
        }
    }
    sep.AppendTo(out);
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

}  // namespace

int MonospaceMetrics::Cells(std::string_view utf8) {
    int cells = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t n =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        cells += IsWide(utf8.data() + i, n) ? 2 : 1;
        i += n;
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
    for (const TextRun& run : sheet.runs) {
        lastRow = std::max(lastRow, run.row);
    }
    const int rowCount = lastRow + 1;
    if (s.lines.size() < static_cast<std::size_t>(rowCount)) {
        s.lines.resize(static_cast<std::size_t>(rowCount));
    }
    for (int r = 0; r < rowCount; ++r) {
        s.lines[static_cast<std::size_t>(r)].Reset();
    }
    // Later runs overwrite earlier ones where they meet, as later drawing
    // covers earlier drawing.
    for (const TextRun& run : sheet.runs) {
        if (run.row >= 0) {
            s.lines[static_cast<std::size_t>(run.row)].Put(CellOf(run.x), run.text);
        }
    }

    // Horizontal rules become separator lines before the row at their y;
    // vertical rules mark each row they cross, and a "+" where they meet a
    // separator.
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
            s.verticals.push_back(Vertical{CellOf(line.x1), std::min(line.y1, line.y2) / lineHeight,
                                           std::max(line.y1, line.y2) / lineHeight});
        }
    }
    for (Vertical& v : s.verticals) {
        PlaceVertical(s, v, rowCount);
    }

    const int rows = std::max(lastRow, lastSeparator);
    for (int r = 0; r <= rows; ++r) {
        AppendSeparator(s, r, out);
        if (r <= lastRow) {
            s.lines[static_cast<std::size_t>(r)].AppendTo(out);
        }
    }
}

std::string RenderPlainText(const Sheet& sheet) {
    std::string out;
    AppendPlainText(sheet, out);
    return out;
}

}  // namespace karumoa::sheet
