#include "document/calc_document.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calc/calc.h"
#include "calc/netukanryuu.h"
#include "model/codes.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "sheet/report_sheets.h"
#include "sheet/summary_rows.h"
#include "text/number_text.h"

namespace karumoa::document {
namespace {

using sheet::kBlack;
using sheet::kGreen;
using sheet::kLeftMargin;
using sheet::kLightBlue;
using sheet::kLightMagenta;
using sheet::kMagenta;
using text::FormatFixed;

constexpr double kTitleZoom = 1.8;
constexpr double kHeadingZoom = 1.25;
constexpr double kFooterZoom = 0.85;

// Columns of the document's own tables, in units of "あ" from the left
// margin; every block stays within 46 of them, which the A4 page holds at
// the report font's size.
constexpr int kSetteiSetting = 5;
constexpr int kSetteiCondition = 14;
constexpr int kSetteiValue = 30;  // right edge
constexpr int kTempLabel1 = 5;
constexpr int kTempValue1 = 17;  // right edge
constexpr int kTempLabel2 = 19;
constexpr int kTempValue2 = 31;  // right edge

constexpr int kTotalKcal = 14;  // right edges
constexpr int kTotalKw = 21;
constexpr int kTotalNote = 23;

constexpr int kLayerName = 1;
constexpr int kLayerT = 22;  // right edges
constexpr int kLayerLambda = 28;
constexpr int kLayerTerm = 36;
constexpr int kLayerUnit = 37;

// A block drawn on a writer of its own, from row 0.
class BlockWriter {
public:
    BlockWriter(BlockKind kind, const sheet::TextMetrics& metrics) : kind_(kind), w_(metrics) {
        w_.Moji_Sunpou(0);
    }

    sheet::SheetWriter& w() { return w_; }
    int Row() const { return w_.Row(); }
    int LineHeight() const { return w_.LineHeight(); }
    int ColumnUnit() const { return w_.ColumnUnit(); }

    // A rule across columns [from, to] at the top of the current row, half
    // a column beyond both.
    void RuleAbove(int from, int to) {
        const int y = Row() * LineHeight();
        w_.Sen(w_.ColumnX(from) - ColumnUnit() / 2, y, w_.ColumnX(to) + ColumnUnit() / 2, y);
    }

    void Keep(int first, int end) { keeps_.push_back(RowSpan{first, end}); }

    // The finished block: every row drawn, up to the current row.
    Block Take(double zoom, double spaceBefore, bool keepWithNext = false) {
        Block b;
        b.kind = kind_;
        b.end = w_.Row();
        b.sheet = w_.Take();
        b.zoom = zoom;
        b.spaceBefore = spaceBefore;
        b.keepWithNext = keepWithNext;
        b.keeps = std::move(keeps_);
        return b;
    }

private:
    BlockKind kind_;
    sheet::SheetWriter w_;
    std::vector<RowSpan> keeps_;
};

// Moves the pen to column `column` of the current row, for runs that flow
// on from there with Moji_Hyouji.
void FlowFrom(sheet::SheetWriter& w, int column) {
    w.SetX(w.ColumnX(column));
}

std::string Cat(std::string text, std::string_view more) {
    text += more;
    return text;
}

std::string HourText(int hourIndex) {
    return std::to_string(calc::HourOf(hourIndex)) + "時";
}

// The widest extent of a sheet, in its twips.
double SheetWidth(const sheet::Sheet& s) {
    int right = s.widestX;
    for (const sheet::TextRun& run : s.runs) {
        right = std::max(right, run.x + run.width);
    }
    for (const sheet::RuleLine& line : s.lines) {
        right = std::max({right, line.x1, line.x2});
    }
    // Half a column of white beyond the last mark.
    return right + s.columnUnit / 2.0;
}

Block Heading(std::string_view text, const sheet::TextMetrics& metrics, double width) {
    BlockWriter b(BlockKind::Heading, metrics);
    b.w().Moji_Hyouji(text, kBlack);
    b.w().Kaigyou();
    const int y = b.Row() * b.LineHeight();
    b.w().Sen(kLeftMargin - b.ColumnUnit() / 2, y, static_cast<int>(width / kHeadingZoom), y);
    return b.Take(kHeadingZoom, metrics.TextHeight(), true);
}

std::vector<Block> TitleBlocks(const DocumentInput& in, const sheet::TextMetrics& metrics,
                               double width) {
    std::vector<Block> blocks;
    {
        // Centred on the page.
        constexpr std::string_view kTitle = "冷房負荷計算書";
        BlockWriter b(BlockKind::Title, metrics);
        b.w().SetX(static_cast<int>((width / kTitleZoom - metrics.TextWidth(kTitle)) / 2));
        b.w().Moji_Hyouji(kTitle, kBlack);
        b.w().Kaigyou();
        blocks.push_back(b.Take(kTitleZoom, 0.0, true));
    }
    BlockWriter b(BlockKind::Title, metrics);
    const std::array<std::pair<std::string_view, std::string_view>, 3> rows{{
        {"ファイル", in.fileName.empty() ? kUntitled : std::string_view(in.fileName)},
        {"印刷日", in.dateText},
        {"プログラム", in.programText},
    }};
    for (const auto& [label, value] : rows) {
        b.w().Hidari_Hyouji(label, 0, kGreen);
        b.w().Hidari_Hyouji(value, 6, kBlack);
        b.w().Kaigyou();
    }
    const int y = b.Row() * b.LineHeight();
    b.w().Sen(kLeftMargin - b.ColumnUnit() / 2, y, static_cast<int>(width), y);
    b.Keep(0, b.Row());
    blocks.push_back(b.Take(1.0, metrics.TextHeight() / 2.0));
    return blocks;
}

Block Conditions(const DocumentInput& in, const sheet::TextMetrics& metrics) {
    BlockWriter b(BlockKind::Conditions, metrics);
    sheet::SheetWriter& w = b.w();
    w.Hidari_Hyouji("項目", 0, kGreen);
    w.Hidari_Hyouji("設定", kSetteiSetting, kGreen);
    w.Hidari_Hyouji("条件", kSetteiCondition, kGreen);
    w.Migi_Hyouji("設定値", kSetteiValue, kGreen);
    w.Kaigyou();
    b.RuleAbove(0, kSetteiValue);

    const std::array<sheet::SetteiRow, 5> rows = sheet::SetteiRows(*in.room, in.refs);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const sheet::SetteiRow& row = rows[i];
        // A text the tables could not give stays out of the sheet.
        for (const auto& [text, column] :
             {std::pair{&row.item, 0}, std::pair{&row.setting, kSetteiSetting},
              std::pair{&row.condition, kSetteiCondition}}) {
            if (!text->empty()) {
                w.Hidari_Hyouji(*text, column, column == 0 ? kBlack : kLightBlue);
            }
        }
        if (!row.value.empty()) {
            w.Migi_Hyouji(row.value, kSetteiValue, kLightBlue);
        }
        w.Kaigyou();
        // Under the city, its four temperatures as the outdoor conditions
        // dialog shows them; the calculations use the 8-17 h dry bulb.
        if (i == 0 && in.refs != nullptr && in.room->Basyo < in.refs->CityCount()) {
            using refdb::GaikiColumn;
            const std::array<GaikiColumn, 4> columns{
                GaikiColumn::DryBulb0_24, GaikiColumn::DryBulb8_17, GaikiColumn::DewPoint0_24,
                GaikiColumn::DewPoint8_17};
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const std::string& value = in.refs->CityTemperatureText(in.room->Basyo, columns[c]);
                const bool second = c % 2 == 1;
                w.Hidari_Hyouji(refdb::ReferenceData::kGaikiColumns[c],
                                second ? kTempLabel2 : kTempLabel1, kGreen);
                w.Migi_Hyouji(Cat(value, "℃"), second ? kTempValue2 : kTempValue1, kLightBlue);
                if (columns[c] == GaikiColumn::DryBulb8_17) {
                    w.Hidari_Hyouji("(計算に使用)", kTempValue2 + 1, kBlack);
                }
                if (second) {
                    w.Kaigyou();
                }
            }
        }
    }
    b.RuleAbove(0, kSetteiValue);
    b.Keep(0, b.Row());
    return b.Take(1.0, metrics.TextHeight() / 4.0);
}

Block Totals(const DocumentInput& in, const sheet::TextMetrics& metrics) {
    const calc::RoomResults& r = *in.results;
    BlockWriter b(BlockKind::Totals, metrics);
    sheet::SheetWriter& w = b.w();
    w.Hidari_Hyouji("項目", 0, kGreen);
    w.Migi_Hyouji("[kcal/h]", kTotalKcal, kGreen);
    w.Migi_Hyouji("[kW]", kTotalKw, kGreen);
    w.Kaigyou();
    b.RuleAbove(0, kTotalKw);
    const std::array<sheet::GoukeiRow, 4> rows = sheet::GoukeiRows(r.totals);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const sheet::GoukeiRow& row = rows[i];
        w.Hidari_Hyouji(row.item, 0, kBlack);
        w.Migi_Hyouji(FormatFixed(row.value, 2), kTotalKcal, kLightBlue);
        w.Migi_Hyouji(FormatFixed(calc::KcalhToKw(static_cast<double>(row.value)), 3), kTotalKw,
                      kLightBlue);
        // The structure's load is its largest hourly total: say which hour.
        if (i + 1 == rows.size()) {
            FlowFrom(w, kTotalNote);
            w.Moji_Hyouji("最大: ", kGreen);
            w.Moji_Hyouji(HourText(r.structural.totalMax.hour), kLightMagenta);
        }
        w.Kaigyou();
    }
    b.RuleAbove(0, kTotalKw);
    const float sum = r.totals.Sum();
    w.Hidari_Hyouji("合計", 0, kLightMagenta);
    w.Migi_Hyouji(FormatFixed(sum, 2), kTotalKcal, kLightMagenta);
    w.Migi_Hyouji(FormatFixed(calc::KcalhToKw(static_cast<double>(sum)), 3), kTotalKw,
                  kLightMagenta);
    w.Kaigyou();
    // The floor area exists only for a room of four walls.
    const float area = r.internal.occupant.A;
    if (in.room->Kabe.Count() == 4 && area > 0.0f) {
        w.Kaigyou();
        w.Hidari_Hyouji("床面積 A", 0, kBlack);
        w.Migi_Hyouji(FormatFixed(area, 2), kTotalKcal, kLightBlue);
        w.Hidari_Hyouji("[㎡]", kTotalKcal + 1, kBlack);
        w.Kaigyou();
        w.Hidari_Hyouji("面積当たり", 0, kBlack);
        const double perArea =
            static_cast<double>(sum) * calc::kWattPerKcalh / static_cast<double>(area);
        w.Migi_Hyouji(FormatFixed(perArea, 1), kTotalKcal, kLightMagenta);
        w.Hidari_Hyouji("[W/㎡]", kTotalKcal + 1, kBlack);
        w.Kaigyou();
    }
    w.Hidari_Hyouji("1 kcal/h = 1.163 W", 0, kBlack);
    w.Kaigyou();
    b.Keep(0, b.Row());
    return b.Take(1.0, metrics.TextHeight() / 4.0);
}

}  // namespace

std::vector<const model::Kabe_Data*> ConstructionElements(const model::RoomModel& room) {
    std::vector<const model::Kabe_Data*> out;
    for (const auto& wall : room.Kabe) {
        out.push_back(wall.get());
    }
    std::stable_sort(
        out.begin(), out.end(),
        [](const model::Kabe_Data* a, const model::Kabe_Data* b) { return a->Houi < b->Houi; });
    if (!room.Yane.empty()) {
        out.push_back(room.Yane.Item(1).get());
    }
    if (!room.Yuka.empty()) {
        out.push_back(room.Yuka.Item(1).get());
    }
    return out;
}

namespace {

std::string ElementName(const model::Kabe_Data& e) {
    if (model::IsWallHoui(e.Houi)) {
        return Cat("壁 (" + std::string(model::HouiName(e.Houi)), ")");
    }
    return std::string(model::HouiName(e.Houi));
}

void ConstructionFormulas(sheet::SheetWriter& w) {
    w.Moji_Hyouji("R", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("Σ( ", kBlack);
    w.Moji_Hyouji("t", kLightBlue);
    w.Moji_Hyouji(" / ", kBlack);
    w.Moji_Hyouji("λ", kLightBlue);
    w.Moji_Hyouji(" )", kBlack);
    w.Moji_Hyouji(" + ", kBlack);
    w.Moji_Hyouji("r", kLightBlue);
    w.Moji_Hyouji("      ", kBlack);
    w.Moji_Hyouji("K", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("1", kLightBlue);
    w.Moji_Hyouji(" / ", kBlack);
    w.Moji_Hyouji("R", kLightBlue);
    w.Kaigyou();
    w.Moji_Hyouji("t: ", kLightBlue);
    w.Moji_Hyouji("厚さ", kGreen);
    w.Moji_Hyouji("[m] ", kBlack);
    w.Moji_Hyouji("λ: ", kLightBlue);
    w.Moji_Hyouji("熱伝導率", kGreen);
    w.Moji_Hyouji("[kcal/m・h・℃] ", kBlack);
    w.Moji_Hyouji("R: ", kLightBlue);
    w.Moji_Hyouji("熱抵抗", kGreen);
    w.Moji_Hyouji("[㎡・h・℃/kcal]", kBlack);
    w.Kaigyou();
    w.Moji_Hyouji("r: ", kLightBlue);
    w.Moji_Hyouji("表面熱抵抗 ", kGreen);
    w.Moji_Hyouji(FormatFixed(calc::HyoumenTeikou(false), 3), kLightBlue);
    w.Moji_Hyouji(", ", kBlack);
    w.Moji_Hyouji("空気層有り ", kGreen);
    w.Moji_Hyouji(FormatFixed(calc::HyoumenTeikou(true), 3), kLightBlue);
    w.Moji_Hyouji(" ", kBlack);
    w.Moji_Hyouji("K: ", kLightBlue);
    w.Moji_Hyouji("熱貫流率", kGreen);
    w.Moji_Hyouji("[kcal/㎡・h・℃]", kBlack);
    w.Kaigyou();
}

void ConstructionElement(BlockWriter& b, const model::Kabe_Data& e) {
    sheet::SheetWriter& w = b.w();
    const int start = b.Row();
    w.Hidari_Hyouji(ElementName(e), 0, kBlack);
    w.Hidari_Hyouji(e.kuuki ? "空気層有り" : "空気層無し", kSetteiSetting + 1, kGreen);
    FlowFrom(w, kSetteiCondition);
    w.Moji_Hyouji("厚さ合計 ", kGreen);
    w.Moji_Hyouji(std::to_string(e.Zen_Atusa()), kLightBlue);
    w.Moji_Hyouji("mm", kBlack);
    w.Kaigyou();

    w.Hidari_Hyouji("材質", kLayerName, kGreen);
    w.Migi_Hyouji("t[mm]", kLayerT, kGreen);
    w.Migi_Hyouji("λ", kLayerLambda, kGreen);
    w.Migi_Hyouji("t/λ", kLayerTerm, kGreen);
    w.Kaigyou();
    b.RuleAbove(kLayerName, kLayerTerm);

    calc::NetuTeikouTerms terms;
    const float R = calc::NetuTeikou(e.Netu_Kaesi(), e.Atusa_Kaesi(), e.kuuki, terms);
    const float K = 1.0f / R;
    for (int i = 1; i <= e.LayerCount(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        w.Hidari_Hyouji(e.Zai_Kaesi()[slot], kLayerName, kBlack);
        w.Migi_Hyouji(std::to_string(e.Atusa_Kaesi()[slot]), kLayerT, kLightBlue);
        w.Migi_Hyouji(text::PlainNumber(e.Netu_Kaesi()[slot]), kLayerLambda, kLightBlue);
        if (slot - 1 < terms.layers.size()) {
            w.Migi_Hyouji(FormatFixed(terms.layers[slot - 1], 4), kLayerTerm, kLightBlue);
        }
        w.Kaigyou();
    }
    w.Hidari_Hyouji("表面熱抵抗 r", kLayerName, kGreen);
    w.Migi_Hyouji(FormatFixed(terms.surface, 3), kLayerTerm, kLightBlue);
    w.Kaigyou();
    b.RuleAbove(kLayerName, kLayerTerm);

    FlowFrom(w, kLayerName);
    w.Moji_Hyouji("R", kLightBlue);
    w.Moji_Hyouji(" = Σ( t / λ ) + r", kBlack);
    w.Migi_Hyouji(FormatFixed(R, 4), kLayerTerm, kLightBlue);
    w.Hidari_Hyouji("[㎡・h・℃/kcal]", kLayerUnit, kBlack);
    w.Kaigyou();
    FlowFrom(w, kLayerName);
    w.Moji_Hyouji("K", kLightBlue);
    w.Moji_Hyouji(" = 1 / R", kBlack);
    w.Migi_Hyouji(FormatFixed(K, 2), kLayerTerm, kLightMagenta);
    w.Hidari_Hyouji("[kcal/㎡・h・℃]", kLayerUnit, kBlack);
    w.Kaigyou();
    // The structural sheet uses the K the file holds; one edited by hand
    // may differ from its layers, and the document says so rather than
    // let the two numbers disagree unexplained.
    if (FormatFixed(e.Netukanryuu, 2) != FormatFixed(K, 2)) {
        FlowFrom(w, kLayerName);
        w.Moji_Hyouji("※構造体負荷計算に用いる記録値 ", kMagenta);
        w.Moji_Hyouji("K", kLightBlue);
        w.Moji_Hyouji(" = ", kBlack);
        w.Moji_Hyouji(FormatFixed(e.Netukanryuu, 2), kMagenta);
        w.Kaigyou();
    }
    b.Keep(start, b.Row());
    w.Kaigyou();
}

Block Construction(const DocumentInput& in, const sheet::TextMetrics& metrics) {
    BlockWriter b(BlockKind::Construction, metrics);
    ConstructionFormulas(b.w());
    b.w().Kaigyou();
    const int formulas = b.Row();
    const std::vector<const model::Kabe_Data*> elements = ConstructionElements(*in.room);
    for (const model::Kabe_Data* e : elements) {
        ConstructionElement(b, *e);
    }
    if (elements.empty()) {
        b.w().Hidari_Hyouji("壁、屋根、床は登録されていません。", 0, kBlack);
        b.w().Kaigyou();
    }
    // The formulas stay with the first element's first rows.
    b.Keep(0, std::min(b.Row(), formulas + 3));
    return b.Take(1.0, metrics.TextHeight() / 4.0);
}

// A report sheet from its first row to its last, scaled to `zoom`.
Block SheetBlock(BlockKind kind, sheet::Sheet&& s, double zoom, double spaceBefore) {
    Block b;
    b.kind = kind;
    b.end = s.lastRow + 1;
    b.first = std::min(1, b.end);
    b.sheet = std::move(s);
    b.zoom = zoom;
    b.spaceBefore = spaceBefore;
    return b;
}

Block Footer(const DocumentInput& in, int page, int pages, const sheet::TextMetrics& metrics,
             double width) {
    BlockWriter b(BlockKind::Footer, metrics);
    b.w().Moji_Hyouji(in.fileName.empty() ? kUntitled : std::string_view(in.fileName), kBlack);
    const std::string number = std::to_string(page) + " / " + std::to_string(pages);
    b.w().SetX(static_cast<int>(width / kFooterZoom) - metrics.TextWidth(number));
    b.w().Moji_Hyouji(number, kBlack);
    b.w().Kaigyou();
    return b.Take(kFooterZoom, 0.0);
}

}  // namespace

std::vector<Block> BuildBlocks(const DocumentInput& in, const sheet::TextMetrics& metrics,
                               double width) {
    std::vector<Block> blocks = TitleBlocks(in, metrics, width);
    blocks.push_back(Heading("設計条件", metrics, width));
    blocks.push_back(Conditions(in, metrics));
    blocks.push_back(Heading("負荷合計", metrics, width));
    blocks.push_back(Totals(in, metrics));
    blocks.push_back(Heading("構成と熱貫流率", metrics, width));
    blocks.push_back(Construction(in, metrics));

    // Both sheets at one scale, the larger that lets each fit the width.
    sheet::Sheet structural = sheet::BuildStructuralSheet(in.results->structural, metrics);
    sheet::Sheet internal = sheet::BuildInternalSheet(in.results->internal, metrics);
    const double widest = std::max(SheetWidth(structural), SheetWidth(internal));
    const double zoom = widest > width ? width / widest : 1.0;
    const double gap = metrics.TextHeight() / 4.0;
    blocks.push_back(Heading("構造体負荷計算", metrics, width));
    blocks.push_back(SheetBlock(BlockKind::Structural, std::move(structural), zoom, gap));
    blocks.push_back(Heading("人体、照明、換気負荷計算", metrics, width));
    blocks.push_back(SheetBlock(BlockKind::Internal, std::move(internal), zoom, gap));
    return blocks;
}

DocumentLayout LayOutDocument(const DocumentInput& in, const sheet::TextMetrics& metrics,
                              const PageGeometry& page) {
    DocumentLayout layout;
    layout.blocks = BuildBlocks(in, metrics, page.width);
    // The footer's line at the foot of the page, a line of white above it.
    const double footerLine = metrics.TextHeight() * kFooterZoom;
    layout.pages = Paginate(layout.blocks, page.height - 2 * footerLine);
    const int count = static_cast<int>(layout.pages.size());
    for (int p = 0; p < count; ++p) {
        layout.blocks.push_back(Footer(in, p + 1, count, metrics, page.width));
        layout.pages[static_cast<std::size_t>(p)].bands.push_back(
            Band{static_cast<int>(layout.blocks.size()) - 1, 0, 1, page.height - footerLine});
    }
    return layout;
}

}  // namespace karumoa::document
