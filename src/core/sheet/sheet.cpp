#include "sheet/sheet.h"

#include <algorithm>
#include <array>
#include <utility>

namespace karumoa::sheet {

std::uint32_t PaletteRgb(int index) {
    static constexpr std::array<std::uint32_t, 16> kPalette{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (index < 0 || index >= static_cast<int>(kPalette.size())) {
        return 0x000000;
    }
    return kPalette[static_cast<std::size_t>(index)];
}

std::vector<const TextRun*> Sheet::RowRuns(int row) const {
    std::vector<const TextRun*> out;
    for (const TextRun& run : runs) {
        if (run.row == row) {
            out.push_back(&run);
        }
    }
    return out;
}

SheetWriter::SheetWriter(const TextMetrics& metrics) : metrics_(metrics) {}

SheetWriter::SheetWriter(const TextMetrics& metrics, Sheet&& storage)
    : metrics_(metrics), sheet_(std::move(storage)) {
    Restart();
}

void SheetWriter::Restart() {
    // The runs stay as they are, to be filled again from the first; a run
    // drawn over one of them keeps the room of its text, so a sheet drawn
    // in the memory of one like it allocates nothing.
    std::vector<TextRun> runs = std::move(sheet_.runs);
    std::vector<RuleLine> lines = std::move(sheet_.lines);
    std::vector<TableSpan> tables = std::move(sheet_.tables);
    lines.clear();
    tables.clear();
    sheet_ = Sheet{};
    sheet_.runs = std::move(runs);
    sheet_.lines = std::move(lines);
    sheet_.tables = std::move(tables);
    runCount_ = 0;
}

void SheetWriter::Moji_Sunpou(int row) {
    Restart();
    // A full room's report has a few hundred runs.
    sheet_.runs.reserve(384);
    sheet_.lineHeight = metrics_.TextHeight();
    sheet_.columnUnit = metrics_.TextWidth("あ");
    sheet_.cellTwips = metrics_.CellTwips();
    row_ = row;
    x_ = kLeftMargin;
}

void SheetWriter::Put(std::string_view text, int x, int width, Color color) {
    // Filled in place, in a run left from an earlier sheet where there is
    // one: building a run and moving it in costs about twice as much, and
    // a report has some hundred runs.
    if (runCount_ == sheet_.runs.size()) {
        sheet_.runs.emplace_back();
    }
    TextRun& run = sheet_.runs[runCount_++];
    run.row = row_;
    run.x = x;
    run.width = width;
    run.text.assign(text);
    run.color = color;
    sheet_.lastRow = row_;
}

void SheetWriter::Moji_Hyouji(std::string_view text, Color color) {
    const int width = metrics_.TextWidth(text);
    Put(text, x_, width, color);
    x_ += width;
    sheet_.widestX = std::max(sheet_.widestX, x_);
}

void SheetWriter::Kaigyou() {
    ++row_;
    x_ = kLeftMargin;
    sheet_.lastRow = row_;
}

void SheetWriter::Hidari_Hyouji(std::string_view text, int column, Color color) {
    Put(text, ColumnX(column), metrics_.TextWidth(text), color);
}

void SheetWriter::Migi_Hyouji(std::string_view text, int column, Color color) {
    const int width = metrics_.TextWidth(text);
    Put(text, ColumnX(column) - width, width, color);
}

void SheetWriter::Sen(int x1, int y1, int x2, int y2, Color color) {
    sheet_.lines.push_back(RuleLine{x1, y1, x2, y2, color});
}

void SheetWriter::MarkTable(int heading, int body, int end) {
    sheet_.tables.push_back(TableSpan{heading, body, end});
}

Sheet SheetWriter::Take() {
    sheet_.lastRow = row_;
    sheet_.runs.resize(runCount_);
    Sheet out = std::move(sheet_);
    sheet_ = Sheet{};
    runCount_ = 0;
    row_ = 0;
    x_ = kLeftMargin;
    return out;
}

}  // namespace karumoa::sheet
