// Every line of the internal load report, for each way of counting the
// occupants, each lighting mode and both ventilation methods, built from
// results filled in by hand.

#include <gtest/gtest.h>

#include "calc/calc.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "sheet/plain_text.h"
#include "sheet/report_sheets.h"
#include "sheet_test_util.h"

namespace karumoa::sheet {
namespace {

using calc::LightingMode;
using test::Runs;
using test::Text;
using test::XOf;

constexpr int kLightingRow = 8;  // first line of the lighting section

calc::InternalLoad Load() {
    calc::InternalLoad in;
    calc::OccupantLoad& o = in.occupant;
    o.A = 38.88f;
    o.qps = 54;
    o.qpl = 47;
    o.mode = calc::NinzuuMode::Density;
    o.density = 0.2f;
    o.NP = 7.776f;
    o.qp = 785.376f;
    calc::LightingLoad& l = in.lighting;
    l.mode = LightingMode::Illuminance;
    l.fluorescent = true;
    l.E = 750;
    l.K = 0.8;
    l.kText = "0.8";
    l.W = 28.125f;
    l.A = 38.88f;
    l.qe = 1093.5f;
    calc::VentilationLoad& v = in.ventilation;
    v.V = 233.28f;
    v.di = 8.522f;
    v.ordinary = false;
    v.deText = "0.6";
    v.qv = 954.2457f;
    return in;
}

Sheet Build(const calc::InternalLoad& in) {
    return BuildInternalSheet(in, MonospaceMetrics{});
}

TEST(InternalSheet, OccupantSection) {
    calc::InternalLoad in = Load();
    Sheet s = Build(in);
    EXPECT_EQ(Runs(s, 0), "");
    EXPECT_EQ(Runs(s, 1), "qp@9| = @0|(@0|qps@9| + @0|qpl@9|)@0| × @0| NP@9");
    EXPECT_EQ(Runs(s, 2),
              "qp: @9|人体発生熱量 @2|[kcal/h] @0|qps: @9|人体から発生する顕熱 @2|[kcal/h] @0|"
              "qpl: @9|人体から発生する潜熱 @2|[kcal/h] @0|NP: @9|人数@2|(人)@0");
    EXPECT_EQ(Runs(s, 3), "qp@9| = @0|( @0|54@9| + @0|47@9| )@0| × @0|7.78@9");
    EXPECT_EQ(Runs(s, 4), "            NP@9| = 面積当たり @0|0.2 人@9| × @0|38.88@9| ㎡@0");
    EXPECT_EQ(Runs(s, 5), "");
    EXPECT_EQ(Runs(s, 6), "人体発生熱量@13| = @0|785.38@13|[kcal/h]@0");
    EXPECT_EQ(Runs(s, 7), "");
    EXPECT_EQ(XOf(s, 1, "qp"), kLeftMargin);

    // Persons per m2 typed directly: no blank before the density.
    in.occupant.mode = calc::NinzuuMode::PerArea;
    in.occupant.density = 0.25f;
    s = Build(in);
    EXPECT_EQ(Runs(s, 4), "            NP@9| = 面積当たり@0|0.3 人@9| × @0|38.88@9| ㎡@0");

    in.occupant.mode = calc::NinzuuMode::HeadCount;
    in.occupant.qps = 42;
    in.occupant.qpl = 58;
    in.occupant.NP = 12.0f;
    s = Build(in);
    EXPECT_EQ(Runs(s, 3), "qp@9| = @0|( @0|42@9| + @0|58@9| )@0| × @0|12.00@9");
    EXPECT_EQ(Runs(s, 4), "            NP@9| = 実人数@0");
}

TEST(InternalSheet, IlluminanceMethod) {
    calc::InternalLoad in = Load();
    Sheet s = Build(in);
    const int r = kLightingRow;
    EXPECT_EQ(Runs(s, r),
              "W@9| = @0|(@0|(@0|C@9| × @0|b@9|)@0| ÷ @0|(@0|K@9| × @0|η@9|)@0|)@0| × @0|E@9");
    EXPECT_EQ(Runs(s, r + 1),
              "W: @9|1㎡当たりの発生熱量@2|[W/㎡] @0|C :@9|減光補償率 @2|b :@9|"
              "蛍光灯,白熱灯のバラスト損失率 @2");
    EXPECT_EQ(Runs(s, r + 2),
              "K: @9|照明率 @2|η: @9|器具の照明効率@2|[lm/W] @0|E: @9|照度@2|[lx]@0");
    EXPECT_EQ(Runs(s, r + 3),
              "W@9| = @0|(@0|(@0|1.5@9| × @0|1.2@9|)@0| ÷ @0|(@0|0.8@9| × @0|60@9|)@0|)@0| × @0|"
              "750@9");
    EXPECT_EQ(Runs(s, r + 4), "");
    EXPECT_EQ(Runs(s, r + 5), "W@9| = @0|28.13@9|[W/㎡]@0");
    EXPECT_EQ(Runs(s, r + 6), "");
    EXPECT_EQ(Runs(s, r + 7), "qe@9| = @0|1.0@9| × @0|W@9| × @0|A@9");
    EXPECT_EQ(Runs(s, r + 8),
              "qe: @9|照明器具の発生熱量@2|[kcal/h] @0|W: @9|1㎡当たりの発生熱量@2|[W/㎡] @0|"
              "A: @9|室面積@2|[㎡]@0");
    EXPECT_EQ(Runs(s, r + 9), "pe@9| = @0|1.0@9| × @0|28.13@9| × @0|38.88@9");
    EXPECT_EQ(Runs(s, r + 10), "");
    EXPECT_EQ(Runs(s, r + 11), "照明発生熱量@13| = @0|1093.50@13|[kcal/h]@0");

    // Incandescent lamps, and a factor printed with one decimal.
    in.lighting.fluorescent = false;
    in.lighting.K = 0.65;
    in.lighting.kText = "0.7";
    s = Build(in);
    EXPECT_EQ(Text(s, r + 3), "W = ((1 × 1) ÷ (0.7 × 20)) × 750");
    EXPECT_EQ(Text(s, r + 7), "qe = 0.86 × W × A");
    EXPECT_EQ(Text(s, r + 9), "pe = 0.86 × 28.13 × 38.88");
}

TEST(InternalSheet, MixedLampModes) {
    calc::InternalLoad in = Load();
    in.lighting.mode = LightingMode::OutputMixed;
    in.lighting.AWk = 0.7f;
    in.lighting.AWh = 0.3f;
    in.lighting.qe = 958.0f;
    Sheet s = Build(in);
    const int r = kLightingRow;
    EXPECT_EQ(Runs(s, r),
              "qe @9| = @0|( @0|AWk@9| × @0|qeks@9| )@0| + @0|( @0|AWh@9| × @0|qehs@9| )@0");
    EXPECT_EQ(Runs(s, r + 1),
              "qe: @9|照明器具の発生熱量@2|[kcal/h] @0|AWk: @9|蛍光灯の全出力@2|[Kw] @0|qeks: @9|"
              "蛍光灯1Kw当たりの顕熱@2|[kcal/h]@0");
    EXPECT_EQ(Runs(s, r + 2),
              "AWh: @9|白熱灯の全出力@2|[Kw] @0|qehs: @9|白熱灯1Kw当たりの顕熱@2|[kcal/h]@0");
    // The second legend line starts where the pen stood before "AWk: ".
    EXPECT_EQ(XOf(s, r + 2, "AWh: "), XOf(s, r + 1, "AWk: "));
    EXPECT_GT(XOf(s, r + 2, "AWh: "), kLeftMargin);
    EXPECT_EQ(Runs(s, r + 3),
              "qe @9| = @0|( @0|0.70@9| × @0|1000@9| ) + @0|( @0|0.30@9| × @0|860@9| )@0");
    EXPECT_EQ(Runs(s, r + 4), "");
    EXPECT_EQ(Runs(s, r + 5), "照明発生熱量@13| = @0|958.00@13|[kcal/h]@0");

    in.lighting.mode = LightingMode::FixturesMixed;
    in.lighting.AWk = 0.8f;
    in.lighting.qe = 1058.0f;
    const Sheet f = Build(in);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Runs(f, r + k), Runs(s, r + k));
    }
    EXPECT_EQ(Runs(f, r + 3),
              "qe @9| = @0|( @0|0.80@9| × @0|1000@9| )@0| + @0|( @0|0.30@9| × @0|860@9| )@0");
    EXPECT_EQ(Text(f, r + 5), "照明発生熱量 = 1058.00[kcal/h]");
}

TEST(InternalSheet, OneLampTypeModes) {
    calc::InternalLoad in = Load();
    in.lighting.mode = LightingMode::OutputSingle;
    in.lighting.fluorescent = false;
    in.lighting.AW = 1.5f;
    in.lighting.qe = 1290.0f;
    Sheet s = Build(in);
    const int r = kLightingRow;
    EXPECT_EQ(Runs(s, r), "qe@9| = @0|AW@9| × @0|qes@9");
    EXPECT_EQ(Runs(s, r + 1),
              "qe: @9|照明器具の発生熱量@2|[kcal/h] @0|AW: @9|白熱灯の全出力@2|[Kw] @0|qes: @9|"
              "白熱灯1Kw当たりの顕熱@2|[kcal/h]@0");
    EXPECT_EQ(Runs(s, r + 2), "qe: @9| = @0|1.50@9| × @0|860@9");
    EXPECT_EQ(Runs(s, r + 3), "");
    EXPECT_EQ(Runs(s, r + 4), "照明発生熱量@13| = @0|1290.00@13|[kcal/h]@0");

    in.lighting.mode = LightingMode::FixturesSingle;
    in.lighting.fluorescent = true;
    in.lighting.fixtureText = calc::kKeikoutouItems[0];
    in.lighting.count = 10;
    in.lighting.qe = 800.0f;
    s = Build(in);
    EXPECT_EQ(
        Text(s, r + 1),
        "qe: 照明器具の発生熱量[kcal/h] AW: 蛍光灯の全出力[Kw] qes: 蛍光灯1Kw当たりの顕熱[kcal/h]");
    EXPECT_EQ(Runs(s, r + 2), "qe@9| = @0|蛍光灯 @2|(@0|40W×2@9| )@0| × @0|10@9| × @0|1000@9");

    in.lighting.fluorescent = false;
    in.lighting.fixtureText = calc::kHakunetutouItems[3];
    in.lighting.count = 3;
    s = Build(in);
    EXPECT_EQ(Text(s, r + 2), "qe = 白熱灯 (100W ) × 3 × 860");
}

TEST(InternalSheet, VentilationBothMethods) {
    calc::InternalLoad in = Load();
    Sheet s = Build(in);
    const int r = kLightingRow + 13;  // after the illuminance method's 12 lines and a blank
    EXPECT_EQ(Runs(s, r - 1), "");
    EXPECT_EQ(Runs(s, r), "qv@9| = @0|γ@9| × @0|V@9| ×@0|⊿i@9| × @0|( @0|1 - ⊿e@9| )@0");
    EXPECT_EQ(Runs(s, r + 1),
              "qv: @9| 換気負荷@2|[kcal/h] @0|γ: @9|空気の比重@2|[kg/㎡] @0|V: @9|必要換気量@2|"
              "[㎡/h] @0|⊿i: @9|ｴﾝﾀﾙﾋﾟ差@2|[kcal/kg]@0|⊿e: @9|ｴﾝﾀﾙﾋﾟ交換効率 @2|[%]@0");
    EXPECT_EQ(Runs(s, r + 2),
              "qv@9| = @0|1.2@9| × @0|233.28@9| × @0|8.52@9| × @0|( @0|1 - @9|0.6@9| )@0");
    EXPECT_EQ(Runs(s, r + 3), "");
    EXPECT_EQ(Runs(s, r + 4), "換気損失熱量@13| = @0|954.25@13|[kcal/h]@0");
    EXPECT_EQ(s.lastRow, r + 4);

    in.ventilation.ordinary = true;
    in.ventilation.V = 500.0f;
    in.ventilation.di = 8.0f;
    in.ventilation.qv = 4800.0f;
    s = Build(in);
    EXPECT_EQ(Runs(s, r), "qv@9| = @0|γ@9| × @0|V@9| ×@0|⊿i@9");
    EXPECT_EQ(Runs(s, r + 1),
              "qv: @9| 換気負荷@2|[kcal/h] @0|γ: @9|空気の比重@2|[kg/㎡] @0|V: @9|必要換気量@2|"
              "[㎡/h] @0|⊿i: @9|エンタルピ差@2|[kcal/kg]@0");
    EXPECT_EQ(Runs(s, r + 2), "qv@9| = @0|1.2@9| × @0|500.00@9| × @0|8.00@9");
    EXPECT_EQ(Text(s, r + 4), "換気損失熱量 = 4800.00[kcal/h]");
}

// A room without walls, through the calculations on the shipped tables:
// the structural sheet has its headings only, the internal sheet every
// section with the area and the persons at 0.
TEST(ReportSheets, AnEmptyRoomThroughTheCalculations) {
    refdb::LoadError error;
    const auto refs = refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error);
    ASSERT_TRUE(refs) << error.message;
    const model::RoomModel room;
    const double to = refs->OutdoorDryBulb(room.Basyo);
    const MonospaceMetrics m;

    const Sheet kouzou = BuildStructuralSheet(calc::ComputeStructuralLoad(room, *refs, to), m);
    int rowsWithRuns = 0;
    for (int r = 0; r <= kouzou.lastRow; ++r) {
        rowsWithRuns += kouzou.RowRuns(r).empty() ? 0 : 1;
    }
    EXPECT_EQ(rowsWithRuns, 2 + 2 + 8 + 2);  // formulas, heading, glass formulas, heading
    EXPECT_EQ(RenderPlainText(kouzou).find("負荷 ="), std::string::npos);

    const Sheet s = Build(calc::ComputeInternalLoad(room, *refs, to));
    EXPECT_EQ(Text(s, 3), "qp = ( 54 + 47 ) × 0.00");
    EXPECT_EQ(Text(s, 4), "            NP = 面積当たり 0.2 人 × 0.00 ㎡");
    EXPECT_EQ(Text(s, 6), "人体発生熱量 = 0.00[kcal/h]");
    EXPECT_EQ(Text(s, kLightingRow + 9), "pe = 1.0 × 28.13 × 0.00");
    EXPECT_EQ(Text(s, kLightingRow + 11), "照明発生熱量 = 0.00[kcal/h]");
    EXPECT_EQ(Text(s, kLightingRow + 15), "qv = 1.2 × 0.00 × 8.52 × ( 1 - 0.6 )");
    EXPECT_EQ(Text(s, kLightingRow + 17), "換気損失熱量 = 0.00[kcal/h]");
}

}  // namespace
}  // namespace karumoa::sheet
