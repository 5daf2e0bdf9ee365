#include <gtest/gtest.h>

#include <array>

#include "calc/calc.h"
#include "calc_fixture.h"
#include "model/room_model.h"

namespace karumoa::calc {
namespace {

using test::AddWall;
using test::Element;
using test::Windows;

model::RoomModel FullRoom() {
    model::RoomModel room;
    AddWall(room, model::kHouiKita, 6000, 2700, 2.1f, 4.32f, 0, 200);
    AddWall(room, model::kHouiHigasi, 5000, 2700, 2.1f, 2.0f, 1, 200, true);
    AddWall(room, model::kHouiMinami, 6000, 2700, 2.1f, 4.32f, 0, 200, true);
    AddWall(room, model::kHouiNisi, 5000, 2700, 2.1f, 1.0f, 2, 200);
    room.Yane.Add(Element(model::kHouiYane, 6000, 5000, 0.8f, 250, true));
    room.Yuka.Add(Element(model::kHouiYuka, 6000, 5000, 1.5f, 150, false, 1));
    room.Yane_Mado.Add(Windows(model::kHouiYane, 2.0f, true));
    return room;
}

// The test tables are copies of the sources of the shipped databases: a
// full room must give the same loads from both, in every city.
TEST(ShippedTables, SameLoadsAsTheTestCopies) {
    refdb::LoadError error;
    const auto shipped = refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error);
    ASSERT_TRUE(shipped.has_value()) << error.message;
    const auto copy = test::TableSet().Build();
    model::RoomModel a = FullRoom();
    model::RoomModel b = FullRoom();
    for (std::uint8_t basyo = 0; basyo < 14; ++basyo) {
        a.Basyo = b.Basyo = basyo;
        EXPECT_EQ(Recalculate(a, *shipped).totals, Recalculate(b, copy).totals) << int{basyo};
    }
    // Tokyo at 26 C, north wall at 10 h: 200 mm is group 2, dte 3.2, A =
    // 16.2 - 4.32 m2, qw = 2.1 x 3.2 x 11.88 = 79.8336 (singles: 4 ulps).
    const StructuralLoad r = ComputeStructuralLoad(a, *shipped, shipped->OutdoorDryBulb(5));
    ASSERT_EQ(r.opaqueCount, 6);
    EXPECT_EQ(r.glassCount, 5);
    EXPECT_EQ(r.opaque[0].group, 2);
    EXPECT_FLOAT_EQ(r.opaque[0].qw[0], 79.8336f);
}

// The room above reads only some columns (the glass, for one, only north,
// south and horizontal), so a copy left behind by a changed source could
// still give its loads; every cell is compared instead.
TEST(ShippedTables, TestCopiesHoldEveryShippedCell) {
    refdb::LoadError error;
    const auto shipped = refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error);
    ASSERT_TRUE(shipped.has_value()) << error.message;
    const auto copy = test::TableSet().Build();
    const auto tables = [](const refdb::ReferenceData& d) {
        return std::array<const refdb::Table*, 7>{
            &d.Gaiki(),          &d.Dendouritu(), &d.Soutou_Ondosa(), &d.Neturyou(),
            &d.Kyojyuu_Ninzuu(), &d.Syoudo(),     &d.KankiRyou()};
    };
    const auto expected = tables(*shipped);
    const auto actual = tables(copy);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const refdb::Table& e = *expected[i];
        const refdb::Table& a = *actual[i];
        EXPECT_EQ(a.ColumnNames(), e.ColumnNames()) << e.Name();
        ASSERT_EQ(a.RowCount(), e.RowCount()) << e.Name();
        for (int row = 0; row < e.RowCount(); ++row) {
            for (int column = 0; column < e.ColumnCount(); ++column) {
                EXPECT_EQ(a.Cell(row, column), e.Cell(row, column))
                    << e.Name() << " record " << row << " field " << column;
            }
        }
    }
}

}  // namespace
}  // namespace karumoa::calc
