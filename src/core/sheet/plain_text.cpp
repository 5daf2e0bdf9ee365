#include "sheet/plain_text.h"

#include <algorithm>
#include <map>
#include <set>

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

// Code point of the sequence at `s` (length `n`); 0xFFFD when malformed.
char32_t DecodeAt(std::string_view s, std::size_t n) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (n == 1) {
        return b(0) < 0x80 ? b(0) : 0xFFFD;
    }
    if (s.size() < n) {
        return 0xFFFD;
    }
    char32_t c = b(0) & (0x7Fu >> n);
    for (std::size_t i = 1; i < n; ++i) {
        c = (c << 6) | (b(i) & 0x3Fu);
    }
    return c;
}

bool IsHalfWidth(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

// One text line being filled: cells hold the UTF-8 of the character that
// starts there; the second cell of a wide character holds an empty string.
class CellLine {
public:
    void Put(int cell, std::string_view text) {
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t n = std::min(SequenceLength(static_cast<unsigned char>(text[i])),
                                           text.size() - i);
            const std::string_view ch = text.substr(i, n);
            const bool wide = !IsHalfWidth(DecodeAt(ch, n));
            Set(cell, std::string(ch), wide);
            cell += wide ? 2 : 1;
            i += n;
        }
    }

    bool IsFree(int cell) const {
        return cell >= 0 &&
               (cell >= static_cast<int>(cells_.size()) || cells_[Index(cell)] == " ");
    }

    // Writes one character; a wide one also takes the next cell. Whatever
    // it overwrites of a wide character is blanked.
    void Set(int cell, std::string ch, bool wide = false) {
        if (cell < 0) {
            return;
        }
        Clear(cell);
        if (wide) {
            Clear(cell + 1);
            cells_[Index(cell + 1)] = std::string();
        }
        cells_[Index(cell)] = std::move(ch);
    }

    std::string Text() const {
        std::string out;
        for (const std::string& c : cells_) {
            out += c;
        }
        while (!out.empty() && out.back() == ' ') {
            out.pop_back();
        }
        return out;
    }

private:
    static std::size_t Index(int cell) { return static_cast<std::size_t>(cell); }

    // Blanks a cell and the other half of a wide character it belongs to.
    void Clear(int cell) {
        if (cell >= static_cast<int>(cells_.size())) {
            cells_.resize(Index(cell) + 1, " ");
        }
        std::string& c = cells_[Index(cell)];
        if (c.empty() && cell > 0) {
            cells_[Index(cell - 1)] = " ";
        } else if (cell + 1 < static_cast<int>(cells_.size()) && cells_[Index(cell + 1)].empty()) {
            cells_[Index(cell + 1)] = " ";
        }
        cells_[Index(cell)] = " ";
    }

    std::vector<std::string> cells_;  // an empty string is the second half of a wide character
};

int CellOf(int twips) {
    return twips >= 0 ? twips / MonospaceMetrics::kCellTwips
                      : -((-twips + MonospaceMetrics::kCellTwips - 1) /
                          MonospaceMetrics::kCellTwips);
}

}  // namespace

int MonospaceMetrics::Cells(std::string_view utf8) {
    int cells = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t n =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        cells += IsHalfWidth(DecodeAt(utf8.substr(i, n), n)) ? 1 : 2;
        i += n;
    }
    return cells;
}

int MonospaceMetrics::TextWidth(std::string_view utf8) const { return Cells(utf8) * kCellTwips; }

std::string RenderPlainText(const Sheet& sheet) {
    const int lineHeight = sheet.lineHeight > 0 ? sheet.lineHeight : 1;
    int lastRow = sheet.lastRow;
    for (const TextRun& run : sheet.runs) {
        lastRow = std::max(lastRow, run.row);
    }

    std::map<int, CellLine> rows;
    for (const TextRun& run : sheet.runs) {
        rows[run.row].Put(CellOf(run.x), run.text);
    }

    // Horizontal rules become separator lines before the row at their y;
    // vertical rules mark each row they cross, in a free cell at (or just
    // before) their x, and a "+" where they meet a separator.
    std::map<int, CellLine> separators;  // keyed by the row they precede
    std::map<int, std::set<int>> joints;
    for (const RuleLine& line : sheet.lines) {
        if (line.y1 == line.y2) {
            const int before = line.y1 / lineHeight;
            const int from = CellOf(std::min(line.x1, line.x2));
            const int to = CellOf(std::max(line.x1, line.x2));
            CellLine& sep = separators[before];
            for (int c = from; c <= to; ++c) {
                sep.Set(c, "-");
            }
        }
    }
    for (const RuleLine& line : sheet.lines) {
        if (line.x1 != line.x2) {
            continue;
        }
        const int cell = CellOf(line.x1);
        const int top = std::min(line.y1, line.y2) / lineHeight;
        const int bottom = std::max(line.y1, line.y2) / lineHeight;  // exclusive
        for (int r = top; r < bottom; ++r) {
            CellLine& row = rows[r];
            if (row.IsFree(cell)) {
                row.Set(cell, "|");
            } else if (row.IsFree(cell - 1)) {
                row.Set(cell - 1, "|");
            }
        }
        for (int r = top; r <= bottom; ++r) {
            if (separators.count(r) != 0) {
                joints[r].insert(cell);
            }
        }
    }
    for (auto& [row, cells] : joints) {
        for (const int c : cells) {
            separators[row].Set(c, "+");
        }
    }

    std::string out;
    for (int r = 0; r <= lastRow || separators.count(r) != 0; ++r) {
        if (auto sep = separators.find(r); sep != separators.end()) {
            out += sep->second.Text();
            out += '\n';
        }
        if (r > lastRow) {
            break;
        }
        if (auto row = rows.find(r); row != rows.end()) {
            out += row->second.Text();
        }
        out += '\n';
    }
    return out;
}

}  // namespace karumoa::sheet
