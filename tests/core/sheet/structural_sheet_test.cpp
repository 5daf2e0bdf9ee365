// Layout of the structural load report, built from results filled in by
// hand (the builder only formats what it is given).

#include <gtest/gtest.h>

#include <utility>

#include "calc/kouzou_keisan.h"
#include "calc/situnai_keisan.h"
#include "model/codes.h"
#include "sheet/plain_text.h"
#include "sheet/report_sheets.h"
#include "sheet_test_util.h"

namespace karumoa::sheet {
namespace {

using test::Runs;
using test::Text;
using test::XOf;

// Rows of the sheet for any room: formulas at 1 and 2, the wall heading at
// 4 and 5, elements from 6.
constexpr int kFirstElementRow = 6;
constexpr int kSumRow = kFirstElementRow + kSumRowOffset;
constexpr int kGlassSectionRow = kFirstElementRow + kGlassSectionOffset;
constexpr int kGlassHeadingRow = kGlassSectionRow + 9;
constexpr int kFirstGlassRow = kGlassHeadingRow + 2;
constexpr int kGlassTotalRow = kFirstGlassRow + kGlassTotalOffset;

calc::OpaqueElement Element(std::int16_t houi) {
    calc::OpaqueElement e;
    e.houi = houi;
    e.width = 7.2;
    e.height = 2.7;
    e.A = 19.44f;
    e.K = 0.6205618f;
    e.dte = {2.9, 3.6, 4.5, 5.4};
    e.qw = {34.98479f, 43.4294f, 54.287f, 65.14f};
    return e;
}

calc::GlassElement Glass(std::int16_t houi) {
    calc::GlassElement g;
    g.houi = houi;
    g.braindo = true;
    g.dtText = "6.6";
    g.A = 5.4f;
    g.qgc = 199.584f;
    g.Igr = {97, 148, 97, 37};  // 148 is cut by the blinds, but printed as it stands
    g.qgr = {523.8f, 519.48f, 523.8f, 199.8f};
    return g;
}

// `walls` walls (north, east, south, west), then roof and floor when the
// room has four; a glass element on every second wall and the skylight.
calc::StructuralLoad Load(int walls) {
    const std::int16_t houi[] = {model::kHouiKita, model::kHouiHigasi, model::kHouiMinami,
                                 model::kHouiNisi};
    calc::StructuralLoad s;
    s.hasWalls = walls > 0;
    s.hasGlass = walls > 0;
    for (int i = 0; i < walls; ++i) {
        s.opaque[static_cast<std::size_t>(s.opaqueCount++)] = Element(houi[i]);
        if (i % 2 == 1) {
            s.glass[static_cast<std::size_t>(s.glassCount++)] = Glass(houi[i]);
        }
    }
    if (walls == 4) {
        s.opaque[static_cast<std::size_t>(s.opaqueCount++)] = Element(model::kHouiYane);
        s.opaque[static_cast<std::size_t>(s.opaqueCount++)] = Element(model::kHouiYuka);
        s.glass[static_cast<std::size_t>(s.glassCount++)] = Glass(model::kHouiYane);
    }
    s.S = {598.41f, 713.06f, 855.05f, 986.96f};
    s.kouzouMax = {986.96f, 3};
    s.C = 309.355f;
    s.R = {1642.95f, 1167.75f, 1092.15f, 562.41f};
    s.madoMax = {1952.305f, 0};
    s.totalMax = {2550.71f, 1};
    return s;
}

// x of a text right-aligned at `column` in monospace cells.
int RightX(const std::string& text, int column) {
    return column * 180 + kLeftMargin -
           MonospaceMetrics::Cells(text) * MonospaceMetrics::kCellTwips;
}
int LeftX(int column) {
    return column * 180 + kLeftMargin;
}

TEST(StructuralSheet, RowsStandWhereTheyDoWhateverTheNumberOfElements) {
    const MonospaceMetrics m;
    for (const int walls : {2, 4}) {
        SCOPED_TRACE(walls);
        const calc::StructuralLoad load = Load(walls);
        const Sheet s = BuildStructuralSheet(load, m);
        const int elements = load.opaqueCount;
        const int glass = load.glassCount;
        for (int i = 0; i < elements; ++i) {
            EXPECT_EQ(s.RowRuns(kFirstElementRow + i).front()->text,
                      model::HouiName(load.opaque[static_cast<std::size_t>(i)].houi));
        }
        for (int r = kFirstElementRow + elements; r < kSumRow; ++r) {
            EXPECT_EQ(Runs(s, r), "") << r;
        }
        EXPECT_EQ(Runs(s, kSumRow), "598.41@5|713.06@5|855.05@5|986.96@5");
        EXPECT_EQ(Runs(s, kSumRow + 1), "構造体最大負荷@13| = @0|986.96@13|[kcal/h]@0|[16時]@13");
        EXPECT_EQ(Runs(s, kSumRow + 2), "");
        EXPECT_EQ(s.RowRuns(kGlassSectionRow).front()->text, "qg");
        EXPECT_EQ(Text(s, kGlassHeadingRow).substr(0, 6), "方位");
        for (int i = 0; i < glass; ++i) {
            EXPECT_EQ(s.RowRuns(kFirstGlassRow + i).front()->text,
                      model::HouiName(load.glass[static_cast<std::size_t>(i)].houi));
        }
        for (int r = kFirstGlassRow + glass; r < kGlassTotalRow; ++r) {
            EXPECT_EQ(Runs(s, r), "") << r;
        }
        EXPECT_EQ(Runs(s, kGlassTotalRow), "1642.95@5|1167.75@5|1092.15@5|562.41@5|309.36@5");
        EXPECT_EQ(Runs(s, kGlassTotalRow + 1),
                  "窓最大負荷@13| = @0|1952.31@13|[kcal/h]@0|[10時]@13");
        EXPECT_EQ(Runs(s, kGlassTotalRow + 2), "");
        EXPECT_EQ(Runs(s, kGlassTotalRow + 3),
                  "壁窓合計負荷@13| = @0|2550.71@13|[kcal/h]@0|[12時]@13");
        EXPECT_EQ(s.lastRow, kGlassTotalRow + 3);
    }
}

TEST(StructuralSheet, AnEmptyRoomPrintsOnlyTheHeadings) {
    const Sheet s = BuildStructuralSheet(calc::StructuralLoad{}, MonospaceMetrics{});
    for (int r = kFirstElementRow; r < kGlassSectionRow; ++r) {
        EXPECT_EQ(Runs(s, r), "") << r;
    }
    EXPECT_EQ(Text(s, kGlassSectionRow), "qg = qgr + qgc");
    EXPECT_EQ(Text(s, kGlassHeadingRow + 1).substr(0, 7), "K×⊿t");
    for (int r = kFirstGlassRow; r <= kGlassTotalRow + 3; ++r) {
        EXPECT_EQ(Runs(s, r), "") << r;
    }
    // Both heading boxes are drawn all the same.
    EXPECT_EQ(s.lines.size(), 30u);
}

TEST(StructuralSheet, BuiltInTheMemoryOfAnotherSheetIsTheSame) {
    const MonospaceMetrics m;
    const Sheet fresh = BuildStructuralSheet(Load(4), m);
    // Memory of a larger sheet, and of one with other lines and flow.
    for (Sheet old : {BuildStructuralSheet(Load(4), m), BuildStructuralSheet(Load(1), m),
                      BuildInternalSheet(calc::InternalLoad{}, m)}) {
        const Sheet s = BuildStructuralSheet(Load(4), m, std::move(old));
        EXPECT_EQ(s.runs, fresh.runs);
        EXPECT_EQ(s.lines, fresh.lines);
        EXPECT_EQ(s.lastRow, fresh.lastRow);
        EXPECT_EQ(s.widestX, fresh.widestX);
        EXPECT_EQ(RenderPlainText(s), RenderPlainText(fresh));
    }
}

TEST(StructuralSheet, FormulaAndLegendRuns) {
    const Sheet s = BuildStructuralSheet(Load(4), MonospaceMetrics{});
    EXPECT_EQ(Runs(s, 0), "");
    EXPECT_EQ(Runs(s, 1), "qw@9| = @0|K@9| × @0|A@9| × @0|⊿te@9");
    EXPECT_EQ(Runs(s, 2),
              "qw: @9|取得熱量@2|[kcal/h] @0|K: @9|熱貫流率@2|[kcal/㎡・h・℃] @0|A: @9|"
              "外壁の面積@2|[㎡]@0|⊿te: @9|相当温度差@2|[℃]@0");
    EXPECT_EQ(Runs(s, 3), "");
    const int g = kGlassSectionRow;
    EXPECT_EQ(Runs(s, g), "qg@9| = @0|qgr@9| + @0|qgc@9");
    EXPECT_EQ(Runs(s, g + 1),
              "qg: @9|ガラス面の侵入熱量@2|[kcal/h] @0|qgr: @9|ガラス面透過日射熱量@2|[kcal/h] @0|"
              "qgc: @9|ガラス内表面対流、伝導侵入熱量@2|[kcal/h]@0");
    EXPECT_EQ(Runs(s, g + 2), "qgr@9| = @0|Igr@9| × @0|ks@9| × @0|A@9");
    EXPECT_EQ(
        Runs(s, g + 3),
        "Igr: @9|ガラス面の日射熱量@2|[kcal/㎡・h] @0|ks: @9|遮蔽係数 @2|A: @9|窓の面積@2|[㎡]@0");
    EXPECT_EQ(Runs(s, g + 4), "qgc@9| = @0|Igc@9| × @0|A@9");
    EXPECT_EQ(Runs(s, g + 5), "Igc: @9|ガラス面よりの対流、および伝導による熱量@2|[kcal/㎡・h]@0");
    EXPECT_EQ(Runs(s, g + 6), "Igc@9| = @0|K@9| × @0|⊿t@9");
    EXPECT_EQ(Runs(s, g + 7), "K: @9|熱貫流率@2|[kcal/㎡・h・℃] @0|⊿t: @9|相当温度差@2|[℃]@0");
    EXPECT_EQ(Runs(s, g + 8), "");
    // Flowing text starts at the margin and moves on by each run's width.
    EXPECT_EQ(XOf(s, 1, "qw"), kLeftMargin);
    EXPECT_EQ(XOf(s, 1, " = "), kLeftMargin + 2 * 90);
}

TEST(StructuralSheet, HeadingRunsColumnsAndRules) {
    const Sheet s = BuildStructuralSheet(Load(4), MonospaceMetrics{});
    EXPECT_EQ(Runs(s, 4),
              "方位@2|幅×高さ@2|面積@2|熱貫流率@2|１０時 @2|１２時@2|１４時@2|１６時@2");
    EXPECT_EQ(Runs(s, 5), "ｍ×ｍ@0|A@9|K@9|⊿te@9|qw@9|⊿te@9|qw@9|⊿te@9|qw@9|⊿te@9|qw@9");
    const int wallColumns[] = {0, 4, 11, 15, 23, 31, 39, 47};
    int i = 0;
    for (const TextRun* run : s.RowRuns(4)) {
        EXPECT_EQ(run->x, LeftX(wallColumns[i++])) << run->text;
    }
    const int secondColumns[] = {4, 12, 17, 21, 25, 29, 33, 37, 41, 45, 49};
    i = 0;
    for (const TextRun* run : s.RowRuns(5)) {
        EXPECT_EQ(run->x, LeftX(secondColumns[i++])) << run->text;
    }

    EXPECT_EQ(Runs(s, kGlassHeadingRow),
              "方位@2|Igc@9|面積@2|qgc@9|１０時 @2|１２時@2|１４時@2|１６時@2");
    EXPECT_EQ(Runs(s, kGlassHeadingRow + 1),
              "K×⊿t@0|A@9|Igc×A@0|Igr@9|qgr@9|Igr@9|qgr@9|Igr@9|qgr@9|Igr@9|qgr@9");
    const int glassColumns[] = {0, 5, 11, 16, 23, 31, 39, 47};
    i = 0;
    for (const TextRun* run : s.RowRuns(kGlassHeadingRow)) {
        EXPECT_EQ(run->x, LeftX(glassColumns[i++])) << run->text;
    }
    const int glassSecond[] = {4, 12, 16, 21, 25, 29, 33, 37, 41, 45, 49};
    i = 0;
    for (const TextRun* run : s.RowRuns(kGlassHeadingRow + 1)) {
        EXPECT_EQ(run->x, LeftX(glassSecond[i++])) << run->text;
    }

    // Each box: top and bottom from half a column left of column 0 to
    // column 52, two rows apart, a left edge and the twelve column rules.
    ASSERT_EQ(s.lines.size(), 30u);
    for (const int box : {0, 1}) {
        const int top = (box == 0 ? 4 : kGlassHeadingRow) * 240;
        const int bottom = top + 2 * 240;
        const RuleLine* l = &s.lines[static_cast<std::size_t>(box * 15)];
        EXPECT_EQ(l[0], (RuleLine{90, top, LeftX(52), top, kBlack}));
        EXPECT_EQ(l[1], (RuleLine{90, bottom, LeftX(52), bottom, kBlack}));
        EXPECT_EQ(l[2], (RuleLine{90, top, 90, bottom, kBlack}));
        const int columns[] = {3, 10, 15, 20, 23, 28, 31, 36, 39, 44, 47, 52};
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(l[3 + k],
                      (RuleLine{LeftX(columns[k]), top, LeftX(columns[k]), bottom, kBlack}));
        }
    }
}

TEST(StructuralSheet, ElementAndGlassRowsAreFormattedAndAligned) {
    const Sheet s = BuildStructuralSheet(Load(4), MonospaceMetrics{});
    EXPECT_EQ(Runs(s, kFirstElementRow),
              "北@0|7.20×2.70@0|19.44@9|0.62@9|2.9@9|34.98@9|3.6@9|43.43@9|4.5@9|54.29@9|5.4@9|"
              "65.14@9");
    const int elementColumns[] = {10, 15, 19, 23, 28, 31, 36, 39, 44, 47, 52};
    const auto row = s.RowRuns(kFirstElementRow);
    EXPECT_EQ(row[0]->x, LeftX(0));
    for (std::size_t k = 1; k < row.size(); ++k) {
        EXPECT_EQ(row[k]->x, RightX(row[k]->text, elementColumns[k - 1])) << row[k]->text;
    }
    EXPECT_EQ(Text(s, kFirstElementRow + 4).substr(0, 6), "屋根");
    EXPECT_EQ(Text(s, kFirstElementRow + 5).substr(0, 3), "床");

    // Igr as the table gives it, before the blinds; the load after them.
    EXPECT_EQ(Runs(s, kFirstGlassRow),
              "東@0|5.6×6.6@0|5.40@9|199.58@9|97@9|523.80@9|148@9|519.48@9|97@9|523.80@9|37@9|"
              "199.80@9");
    const auto glass = s.RowRuns(kFirstGlassRow);
    for (std::size_t k = 1; k < glass.size(); ++k) {
        EXPECT_EQ(glass[k]->x, RightX(glass[k]->text, elementColumns[k - 1])) << glass[k]->text;
    }
    EXPECT_EQ(Text(s, kFirstGlassRow + 2).substr(0, 6), "屋根");
    // The total row: the hourly sums first, then C under qgc.
    const auto totals = s.RowRuns(kGlassTotalRow);
    ASSERT_EQ(totals.size(), 5u);
    EXPECT_EQ(totals[4]->x, RightX("309.36", 19));
    EXPECT_EQ(totals[0]->x, RightX("1642.95", 28));
}

TEST(StructuralSheet, GlassDifferenceTextsAndNegativeLoads) {
    calc::StructuralLoad load = Load(2);
    load.opaque[0].dte = {-0.9, -0.25, 0.0, 12.25};
    load.opaque[0].qw = {-10.86f, -0.004f, 0.0f, 1234.5f};
    load.glass[0].dtText = "3.3";  // behind a wall with an indoor load
    load.glass[0].Igr = {0, 0, 0, 0};
    load.glass[0].qgr = {0.0f, 0.0f, 0.0f, 0.0f};
    const Sheet s = BuildStructuralSheet(load, MonospaceMetrics{});
    EXPECT_EQ(Text(s, kFirstElementRow),
              "北7.20×2.7019.440.62-0.9-10.86-0.30.000.00.0012.31234.50");
    EXPECT_EQ(Text(s, kFirstGlassRow), "東5.6×3.35.40199.5800.0000.0000.0000.00");
}

}  // namespace
}  // namespace karumoa::sheet
