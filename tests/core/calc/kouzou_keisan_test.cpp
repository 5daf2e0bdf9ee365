#include <gtest/gtest.h>

#include <algorithm>

#include "calc/kouzou_keisan.h"
#include "calc_fixture.h"
#include "model/room_model.h"

namespace karumoa::calc {
namespace {

using test::AddWall;
using test::Element;
using test::TableSet;
using test::Windows;

constexpr double kTokyo = 32.6;  // the 8-17 h dry-bulb of row 5, the standard outdoor value

TEST(MaximumOf, FirstHourAboveARunningMaximumFromZero) {
    struct Case {
        HourValues values;
        float value;
        int hour;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, 0, 0}, {{-1, -2, -3, -4}, 0, 0}, {{5, 1, 5, 1}, 5, 0},
        {{1, 3, 3, 2}, 3, 1}, {{1, 2, 3, 4}, 4, 3},     {{-5, 0, 0.5f, 0.25f}, 0.5f, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MaximumOf(c.values), (HourMaximum{c.value, c.hour}))
            << c.values[0] << " " << c.values[1] << " " << c.values[2] << " " << c.values[3];
    }
}

TEST(OndosaGroup, ThicknessBoundsAndAirLayer) {
    struct Case {
        int thickness;
        int without;
        int with;
    };
    const Case cases[] = {{0, 0, 1},   {69, 0, 1},  {70, 1, 2},  {159, 1, 2}, {160, 2, 3},
                          {229, 2, 3}, {230, 3, 4}, {300, 3, 4}, {301, 4, 4}, {900, 4, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(OndosaGroup(c.thickness, false), c.without) << c.thickness;
        EXPECT_EQ(OndosaGroup(c.thickness, true), c.with) << c.thickness;
    }
}

TEST(StructuralLoad, EmptyRoomIsAllZero) {
    const auto refs = TableSet().Build();
    const model::RoomModel room;
    const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
    EXPECT_FALSE(r.hasWalls);
    EXPECT_FALSE(r.hasGlass);
    EXPECT_EQ(r.opaqueCount, 0);
    EXPECT_EQ(r.glassCount, 0);
    EXPECT_EQ(r.totalMax, HourMaximum{});
    EXPECT_EQ(r.H, HourValues{});
}

TEST(StructuralLoad, WallAreaLessWindowsAndTableValueAtStandardConditions) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    AddWall(room, model::kHouiKita, 3000, 2500, 2.0f, 2.0f);  // 100 mm: group 1
    const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
    ASSERT_EQ(r.opaqueCount, 1);
    const OpaqueElement& e = r.opaque[0];
    EXPECT_EQ(e.A, 5.5f);
    EXPECT_EQ(e.group, 1);
    EXPECT_EQ(r.k, 0.0);
    // Group 1 (records 4..7), north column, unchanged at standard conditions.
    EXPECT_EQ(e.dte, (std::array<double, 4>{4.7f, 6.2f, 7.5f, 8.2f}));
    EXPECT_FLOAT_EQ(e.qw[0], 2.0f * 4.7f * 5.5f);
    EXPECT_FLOAT_EQ(r.S[3], e.qw[3]);
    EXPECT_EQ(r.kouzouMax.hour, 3);

    // The same wall with an air layer moves to group 2.
    room.Kabe.Item(1)->kuuki = true;
    const StructuralLoad air = ComputeStructuralLoad(room, refs, kTokyo);
    EXPECT_EQ(air.opaque[0].group, 2);
    EXPECT_EQ(air.opaque[0].dte[0], static_cast<double>(3.2f));
}

// Situon 280 and Tokyo: k = (26 - 28) + 0 = -2, so the cases show which
// column is read and whether the correction is added.
TEST(StructuralLoad, AttributesOfWallRoofAndFloor) {
    const auto refs = TableSet().Build();
    struct Case {
        int houi;
        int zokusei;
        double dte10;  // group 1, 10 h
    };
    const Case cases[] = {
        {model::kHouiHigasi, 0, 17.7 - 2},  // own column
        {model::kHouiHigasi, 1, 4.7 - 2},   // north column
        {model::kHouiHigasi, 2, 2.7 - 2},   // north column - 2
        {model::kHouiHigasi, 3, 0},         // no load
        {model::kHouiYane, 0, 12.8 - 2},   {model::kHouiYane, 1, 4.7 - 2},
        {model::kHouiYane, 2, 2.7 - 2},    {model::kHouiYane, 3, 0},
        {model::kHouiYuka, 0, 3.3},      // floor column, no correction
        {model::kHouiYuka, 1, 4.7 - 2},  // outdoor load: corrected north column
        {model::kHouiYuka, 2, 0},        // the floor's code 2 is no load
    };
    for (const Case& c : cases) {
        model::RoomModel room;
        room.Situon = 280;
        AddWall(room, model::kHouiHigasi, 3000, 2500, 2.0f);
        auto element = Element(c.houi, 3000, 2500, 2.0f, 100, false, c.zokusei);
        if (c.houi == model::kHouiYane) {
            room.Yane.Add(element);
        } else if (c.houi == model::kHouiYuka) {
            room.Yuka.Add(element);
        } else {
            room.Kabe.Item(1)->Zokusei = static_cast<std::int16_t>(c.zokusei);
        }
        const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
        const OpaqueElement& e = r.opaque[static_cast<std::size_t>(r.opaqueCount - 1)];
        EXPECT_EQ(e.houi, c.houi);
        // The table holds singles; 1e-6 covers their rounding.
        EXPECT_NEAR(e.dte[0], c.dte10, 1e-6) << c.houi << " / " << c.zokusei;
        EXPECT_FLOAT_EQ(e.qw[0], static_cast<float>(2.0 * e.dte[0] * 7.5));
    }
}

TEST(StructuralLoad, ElementOrderAndGlassOrder) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    AddWall(room, model::kHouiMinami, 5000, 2500, 2.0f, 3.0f);
    AddWall(room, model::kHouiKita, 5000, 2500, 2.0f);  // no windows: no glass element
    AddWall(room, model::kHouiNisi, 4000, 2500, 2.0f);
    AddWall(room, model::kHouiHigasi, 4000, 2500, 2.0f, 1.5f);
    room.Yane.Add(Element(model::kHouiYane, 5000, 4000, 1.0f));
    room.Yuka.Add(Element(model::kHouiYuka, 5000, 4000, 1.0f));
    room.Yane_Mado.Add(Windows(model::kHouiYane, 2.0f));
    const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);

    ASSERT_EQ(r.opaqueCount, 6);
    const int order[] = {1, 3, 5, 7, 0, 9};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r.opaque[static_cast<std::size_t>(i)].houi, order[i]);
    }
    EXPECT_EQ(r.opaque[4].A, 18.0f);  // roof less the skylight
    EXPECT_EQ(r.opaque[5].A, 20.0f);
    ASSERT_EQ(r.glassCount, 3);
    EXPECT_EQ(r.glass[0].houi, model::kHouiHigasi);
    EXPECT_EQ(r.glass[1].houi, model::kHouiMinami);
    EXPECT_EQ(r.glass[2].houi, model::kHouiYane);

    // Diagonal walls start from the smallest orientation too.
    model::RoomModel diagonal;
    for (int houi : {6, 2, 8, 4}) {
        AddWall(diagonal, houi, 4000, 2500, 2.0f, 1.0f);
    }
    const StructuralLoad d = ComputeStructuralLoad(diagonal, refs, kTokyo);
    ASSERT_EQ(d.glassCount, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.opaque[static_cast<std::size_t>(i)].houi, 2 + 2 * i);
        EXPECT_EQ(d.glass[static_cast<std::size_t>(i)].houi, 2 + 2 * i);
    }
}

TEST(StructuralLoad, FiveGlassElementsAllCount) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    for (int houi : {1, 3, 5, 7}) {
        AddWall(room, houi, 4000, 2500, 2.0f, 1.0f);
    }
    room.Yane.Add(Element(model::kHouiYane, 4000, 4000, 1.0f));
    room.Yane_Mado.Add(Windows(model::kHouiYane, 1.0f));
    const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
    ASSERT_EQ(r.glassCount, 5);
    for (const GlassElement& g : r.Glass()) {
        EXPECT_EQ(g.dtText, "6.6");
        EXPECT_FLOAT_EQ(g.qgc, 36.96f);  // 5.6 x 6.6 x 1
    }
    EXPECT_FLOAT_EQ(r.C, 5 * 36.96f);
    // 10 h: north 36 + east 311 + south 104 + west 36 + horizontal 620.
    EXPECT_EQ(r.R[0], 1107.0f);
    EXPECT_EQ(r.R[3], 32.0f + 32.0f + 32.0f + 514.0f + 383.0f);
    for (std::size_t h = 0; h < 4; ++h) {
        EXPECT_EQ(r.W[h], r.C + r.R[h]);
        EXPECT_EQ(r.H[h], r.S[h] + r.W[h]);
    }
    EXPECT_EQ(r.totalMax.value, std::max({r.H[0], r.H[1], r.H[2], r.H[3]}));
}

TEST(StructuralLoad, GlassTermsFollowTheHostAttribute) {
    const auto refs = TableSet().Build();
    struct Case {
        int zokusei;
        const char* dtText;
        std::array<std::int16_t, 4> igr;  // south glass
    };
    const Case cases[] = {
        {0, "6.6", {104, 159, 104, 32}},
        {1, "6.6", {36, 38, 36, 32}},  // north column
        {2, "3.3", {0, 0, 0, 0}},      // indoor load: no solar gain
        {3, "0", {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        model::RoomModel room;
        AddWall(room, model::kHouiMinami, 4000, 2500, 2.0f, 2.0f, c.zokusei);
        const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
        ASSERT_EQ(r.glassCount, 1);
        const GlassElement& g = r.glass[0];
        EXPECT_EQ(g.dtText, c.dtText);
        EXPECT_EQ(g.Igr, c.igr) << c.zokusei;
        EXPECT_FLOAT_EQ(g.qgr[1], 2.0f * static_cast<float>(c.igr[1]));
        if (c.zokusei == 2) {
            EXPECT_FLOAT_EQ(g.qgc, 18.48f * 2.0f);
        }
        if (c.zokusei == 3) {
            EXPECT_EQ(g.qgc, 0.0f);
        }
    }
}

TEST(StructuralLoad, GlassDifferenceIsReadBackAtOneDecimal) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    room.Situon = 255;
    AddWall(room, model::kHouiKita, 4000, 2500, 2.0f, 1.0f);
    // 33.3 - 25.5 is 7.7999999999999972 in double; the printed 7.8 is used.
    const StructuralLoad r = ComputeStructuralLoad(room, refs, 33.3);
    EXPECT_EQ(r.glass[0].dtText, "7.8");
    EXPECT_EQ(r.glass[0].dt, 7.8);
}

TEST(StructuralLoad, BlindsOnlyAboveOneHundred) {
    TableSet tables;
    tables.Set(test::kNissya, 0, 2, "100");  // north, 10 h
    tables.Set(test::kNissya, 1, 2, "101");  // north, 12 h
    const auto refs = tables.Build();
    model::RoomModel room;
    AddWall(room, model::kHouiKita, 4000, 2500, 2.0f, 1.0f, 0, 100, true);
    const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
    const GlassElement& g = r.glass[0];
    EXPECT_EQ(g.Igr[0], 100);
    EXPECT_EQ(g.Igr[1], 101);  // printed before the reduction
    EXPECT_EQ(g.IgrShaded[0], 100.0);
    EXPECT_DOUBLE_EQ(g.IgrShaded[1], 65.65);
    EXPECT_EQ(g.qgr[0], 100.0f);
    EXPECT_FLOAT_EQ(g.qgr[1], 65.65f);

    room.Mado.Item(1)->Braindo = false;
    EXPECT_EQ(ComputeStructuralLoad(room, refs, kTokyo).glass[0].qgr[1], 101.0f);
}

TEST(StructuralLoad, EqualTotalsAtTenAndFourteenGoToTen) {
    TableSet tables;
    // Group 1, north column: 10 h and 14 h equal and largest.
    tables.Set(test::kOndosa, 4, 2, "9.0");
    tables.Set(test::kOndosa, 5, 2, "5.0");
    tables.Set(test::kOndosa, 6, 2, "9.0");
    tables.Set(test::kOndosa, 7, 2, "5.0");
    const auto refs = tables.Build();
    model::RoomModel room;
    AddWall(room, model::kHouiKita, 4000, 2500, 2.0f);
    const StructuralLoad r = ComputeStructuralLoad(room, refs, kTokyo);
    ASSERT_EQ(r.H[0], r.H[2]);
    EXPECT_EQ(r.kouzouMax, (HourMaximum{180.0f, 0}));
    EXPECT_EQ(r.totalMax, (HourMaximum{180.0f, 0}));
    EXPECT_EQ(r.madoMax, HourMaximum{});  // no glass: 0 at 10 h
}

}  // namespace
}  // namespace karumoa::calc
