#pragma once

// A report sheet as data: coloured text runs placed at a row and an x
// position in twips, and ruled lines. The two report windows paint these
// sheets with the window's font; the command-line tool prints them in
// monospace cells. The layout is built once, by the builders, over a
// TextMetrics that measures text in the medium's own font.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace karumoa::sheet {

// Indices of the standard 16-colour palette used by the reports.
enum Color : std::uint8_t {
    kBlack = 0,
    kGreen = 2,
    kMagenta = 5,
    kLightBlue = 9,
    kLightMagenta = 13,
};

// 0xRRGGBB of palette index 0..15 (black for any other index).
std::uint32_t PaletteRgb(int index);

// x of column 0, in twips.
constexpr int kLeftMargin = 180;

struct TextRun {
    int row = 0;    // 0-based; the run's top edge is row * line height
    int x = 0;      // left edge in twips, alignment already applied
    int width = 0;  // measured width in twips
    std::string text;
    std::uint8_t color = kBlack;

    bool operator==(const TextRun&) const = default;
};

// A straight ruled line in twips (horizontal or vertical).
struct RuleLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::uint8_t color = kBlack;

    bool operator==(const RuleLine&) const = default;
};

// A ruled table of a sheet by rows: the heading rows [heading, body) and
// the rows of its body [body, end). A page that continues the table
// repeats the heading, and the heading never ends a page alone.
struct TableSpan {
    int heading = 0;
    int body = 0;
    int end = 0;

    bool operator==(const TableSpan&) const = default;
};

struct Sheet {
    int lineHeight = 0;  // twips per row
    int columnUnit = 0;  // width of "あ" in twips
    int lastRow = 0;     // current row when drawing ended
    int widestX = 0;     // largest x reached by flowing text
    // Twips per cell when the sheet was measured in monospace cells (then
    // every run's width is a whole number of cells), otherwise 0.
    int cellTwips = 0;
    std::vector<TextRun> runs;
    std::vector<RuleLine> lines;
    std::vector<TableSpan> tables;

    // The runs of one row, in drawing order.
    std::vector<const TextRun*> RowRuns(int row) const;
};

// Measures text in the medium's font, in twips, rounded to whole twips.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int TextWidth(std::string_view utf8) const = 0;
    // Height of one line of text (the height of an empty text).
    virtual int TextHeight() const = 0;
    // Width of one cell when every text is measured in whole cells of a
    // monospace grid; 0 for a proportional font.
    virtual int CellTwips() const { return 0; }
};

// The drawing primitives both reports are built with. A writer keeps the
// current row and x, as the report windows do while they print.
class SheetWriter {
public:
    explicit SheetWriter(const TextMetrics& metrics);
    // The same, drawing in the memory of a sheet no longer needed: its runs
    // and lines are dropped but their room is kept, so that a caller
    // building sheet after sheet (the command-line report) does not
    // allocate it anew each time; least of all in a sheet like the last.
    SheetWriter(const TextMetrics& metrics, Sheet&& storage);

    // Measures the line height and the column unit ("あ") and starts an
    // empty sheet at `row`, x at the left margin.
    void Moji_Sunpou(int row = 1);

    // Prints at the current x of the current row and advances x by the
    // text's width; raises the widest x.
    void Moji_Hyouji(std::string_view text, Color color);
    // Next row, x back at the left margin.
    void Kaigyou();
    // Left-aligned at column `column` of the current row.
    void Hidari_Hyouji(std::string_view text, int column, Color color);
    // Right-aligned, ending at column `column` of the current row.
    void Migi_Hyouji(std::string_view text, int column, Color color);
    // A ruled line between two points in twips.
    void Sen(int x1, int y1, int x2, int y2, Color color = kBlack);
    // Records a ruled table (TableSpan) whose heading starts at row
    // `heading`, whose body starts at `body` and ends before `end`.
    void MarkTable(int heading, int body, int end);

    int Row() const { return row_; }
    void SetRow(int row) { row_ = row; }
    int X() const { return x_; }
    void SetX(int x) { x_ = x; }
    // x of a column, in twips.
    int ColumnX(int column) const { return column * sheet_.columnUnit + kLeftMargin; }
    int LineHeight() const { return sheet_.lineHeight; }
    int ColumnUnit() const { return sheet_.columnUnit; }

    // The finished sheet; the writer is empty afterwards.
    Sheet Take();

private:
    // Empties the sheet, keeping the memory of its runs and lines.
    void Restart();
    void Put(std::string_view text, int x, int width, Color color);

    const TextMetrics& metrics_;
    Sheet sheet_;
    std::size_t runCount_ = 0;  // runs of sheet_ drawn; any beyond are kept for reuse
    int row_ = 0;
    int x_ = kLeftMargin;
};

}  // namespace karumoa::sheet
