#include <gtest/gtest.h>

#include "sheet/plain_text.h"
#include "sheet/sheet.h"

namespace karumoa::sheet {
namespace {

TEST(MonospaceMetrics, WideCharactersTakeTwoCellsAsInATerminal) {
    EXPECT_EQ(MonospaceMetrics::Cells("qw"), 2);
    EXPECT_EQ(MonospaceMetrics::Cells("あ"), 2);
    // Ambiguous-width characters are narrow, as wcwidth counts them.
    EXPECT_EQ(MonospaceMetrics::Cells("⊿te"), 3);
    EXPECT_EQ(MonospaceMetrics::Cells("[kcal/㎡・h・℃] "), 16);
    EXPECT_EQ(MonospaceMetrics::Cells("γ × η ÷"), 7);
    EXPECT_EQ(MonospaceMetrics::Cells("ｍ×ｍ"), 5);     // fullwidth letters
    EXPECT_EQ(MonospaceMetrics::Cells("ｴﾝﾀﾙﾋﾟ差"), 8);  // half-width katakana
    EXPECT_EQ(MonospaceMetrics::Cells("１０時 "), 7);
    EXPECT_EQ(MonospaceMetrics::Cells("\xE3\x81"), 1);  // a cut sequence counts as one
    EXPECT_EQ(MonospaceMetrics::Cells(""), 0);
    MonospaceMetrics m;
    EXPECT_EQ(m.TextWidth("あ"), 180);
    EXPECT_EQ(m.TextHeight(), 240);
}

TEST(SheetWriter, PrimitivesPlaceRunsOnTheGrid) {
    MonospaceMetrics m;
    SheetWriter w(m);
    w.Moji_Sunpou();
    EXPECT_EQ(w.Row(), 1);
    EXPECT_EQ(w.ColumnUnit(), 180);
    EXPECT_EQ(w.LineHeight(), 240);
    w.Moji_Hyouji("qw", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    EXPECT_EQ(w.X(), 180 + 5 * 90);
    w.Kaigyou();
    EXPECT_EQ(w.X(), kLeftMargin);
    w.Hidari_Hyouji("方位", 0, kGreen);
    w.Migi_Hyouji("12.50", 15, kLightBlue);
    const Sheet s = w.Take();
    ASSERT_EQ(s.runs.size(), 4u);
    EXPECT_EQ(s.runs[0], (TextRun{1, 180, 180, "qw", kLightBlue}));
    EXPECT_EQ(s.runs[1].x, 360);
    EXPECT_EQ(s.runs[2], (TextRun{2, 180, 360, "方位", kGreen}));
    // Right-aligned: ends at column 15, x = 15 * unit - width + 180.
    EXPECT_EQ(s.runs[3], (TextRun{2, 15 * 180 - 450 + 180, 450, "12.50", kLightBlue}));
    EXPECT_EQ(s.widestX, 180 + 450);  // only flowing text counts
    EXPECT_EQ(s.cellTwips, MonospaceMetrics::kCellTwips);
    EXPECT_EQ(s.lastRow, 2);
}

TEST(PlainText, PrintsRunsAtTheirCellsWithRules) {
    MonospaceMetrics m;
    SheetWriter w(m);
    w.Moji_Sunpou(0);
    w.Moji_Hyouji("qw", kLightBlue);
    w.Moji_Hyouji(" = K", kBlack);
    w.Kaigyou();
    w.Hidari_Hyouji("方位", 0, kGreen);
    w.Hidari_Hyouji("面積", 5, kGreen);
    w.Kaigyou();
    w.Hidari_Hyouji("北", 0, kBlack);
    w.Migi_Hyouji("5.50", 8, kLightBlue);
    // A box around row 1: top and bottom rules, vertical rules at columns 4 and 8.
    const int top = 1 * 240;
    const int bottom = 2 * 240;
    w.Sen(90, top, w.ColumnX(8), top);
    w.Sen(90, bottom, w.ColumnX(8), bottom);
    w.Sen(w.ColumnX(4), top, w.ColumnX(4), bottom);
    w.Sen(w.ColumnX(8), top, w.ColumnX(8), bottom);
    const std::string text = RenderPlainText(w.Take());
    EXPECT_EQ(text,
              "  qw = K\n"
              " ---------+-------+\n"
              "  方位    | 面積  |\n"
              " ---------+-------+\n"
              "  北          5.50\n");
}

TEST(PlainText, AVerticalRuleRunsStraightWhereTextTouchesIt) {
    MonospaceMetrics m;
    // A caption starting at the rule's x and a symbol ending a cell short
    // of it: the rule takes the cell before x in both rows.
    auto sheet = [&](bool symbolTouchesRule) {
        SheetWriter w(m);
        w.Moji_Sunpou(0);
        w.Hidari_Hyouji("１０時", 3, kGreen);
        w.Kaigyou();
        if (symbolTouchesRule) {
            w.Migi_Hyouji("⊿te", 3, kLightBlue);
        } else {
            w.Hidari_Hyouji("⊿te", 1, kLightBlue);
        }
        w.Sen(w.ColumnX(3), 0, w.ColumnX(3), 2 * 240);
        return w.Take();
    };
    EXPECT_EQ(RenderPlainText(sheet(false)),
              "       |１０時\n"
              "    ⊿te|\n");
    // Where no cell is free in every row the rule goes row by row.
    EXPECT_EQ(RenderPlainText(sheet(true)),
              "       |１０時\n"
              "     ⊿te|\n");
}

TEST(PlainText, OverlappingRunsBlankHalvesOfWideCharacters) {
    Sheet s;
    s.lineHeight = 240;
    s.runs.push_back({0, 0, 360, "あい", kBlack});
    s.runs.push_back({0, 90, 90, "x", kBlack});  // lands on the second half of あ
    EXPECT_EQ(RenderPlainText(s), " xい\n");
}

}  // namespace
}  // namespace karumoa::sheet
