// Look-ups on the databases the build ships, checked against the values of
// the CSV sources, plus the list and rounding rules on altered tables.

#include <gtest/gtest.h>

#include "refdb/reference_data.h"
#include "test_support.h"

namespace karumoa::refdb {
namespace {

using testing::Shipped;
using testing::ShippedTables;
using testing::WithCell;

ReferenceData FromAltered(std::array<Table, 7> tables) {
    LoadError error;
    std::optional<ReferenceData> data = ReferenceData::FromTables(std::move(tables), &error);
    EXPECT_TRUE(data) << error.message;
    return data ? *std::move(data) : Shipped();
}

TEST(OutdoorConditions, CityRowsAndNamedColumns) {
    const ReferenceData& d = Shipped();
    EXPECT_EQ(d.CityCount(), 14);
    EXPECT_EQ(d.CityTemperatureText(5, GaikiColumn::DryBulb8_17), "32.6");
    EXPECT_DOUBLE_EQ(d.OutdoorDryBulb(5), 32.6);
    EXPECT_EQ(d.CityTemperatureText(5, GaikiColumn::DryBulb0_24), "31.9");
    EXPECT_EQ(d.CityTemperatureText(5, GaikiColumn::DewPoint0_24), "24.6");
    EXPECT_EQ(d.CityTemperatureText(0, GaikiColumn::DewPoint8_17), "25.7");
    EXPECT_DOUBLE_EQ(d.OutdoorDryBulb(12), 28.8);  // Sapporo
    EXPECT_DOUBLE_EQ(d.OutdoorDryBulb(13), 25.4);  // Wakkanai, the last row
}

TEST(OutdoorConditions, ColumnsAreFoundByNameNotPosition) {
    // A table whose temperature columns stand in another order still gives
    // each temperature from its own column.
    const Table& g = Shipped().Gaiki();
    std::vector<std::string> names = g.ColumnNames();
    std::swap(names[1], names[2]);
    std::vector<std::string> cells;
    for (int r = 0; r < g.RowCount(); ++r) {
        cells.push_back(g.Cell(r, 0));
        cells.push_back(g.Cell(r, 2));
        cells.push_back(g.Cell(r, 1));
        cells.push_back(g.Cell(r, 3));
        cells.push_back(g.Cell(r, 4));
    }
    std::array<Table, 7> tables = ShippedTables();
    tables[0] = Table(g.File(), g.Name(), names, cells);
    const ReferenceData d = FromAltered(std::move(tables));
    EXPECT_DOUBLE_EQ(d.OutdoorDryBulb(5), 32.6);
    EXPECT_EQ(d.CityTemperatureText(5, GaikiColumn::DryBulb0_24), "31.9");
}

TEST(MaterialLists, FullCategoryHoldsSevenPairs) {
    const std::vector<Material> cement = Shipped().MaterialList(1);
    ASSERT_EQ(cement.size(), 7u);
    EXPECT_EQ(cement[0].name, "普通コンクリート");
    EXPECT_EQ(cement[0].conductivityText, "1.4");
    EXPECT_EQ(cement[4].name, "セメントモルタル");
    EXPECT_EQ(cement[4].conductivityText, "1.3");
    EXPECT_EQ(cement[6].name, "スレート板");
    EXPECT_EQ(cement[6].conductivityText, "0.83");
}

TEST(MaterialLists, ListEndsAtTheBlankCell) {
    const std::vector<Material> wood = Shipped().MaterialList(3);
    ASSERT_EQ(wood.size(), 4u);
    EXPECT_EQ(wood[0].name, "杉・ひのき");
    EXPECT_EQ(wood[0].conductivityText, "0.10");
    EXPECT_EQ(wood[3].name, "合板");
    EXPECT_EQ(wood[3].conductivityText, "0.14");
    EXPECT_EQ(Shipped().MaterialList(8).size(), 2u);
    const std::vector<Material> last = Shipped().MaterialList(10);
    ASSERT_EQ(last.size(), 7u);
    EXPECT_EQ(last[6].name, "フェノールフォーム");
}

TEST(MaterialLists, CategoryStartingWithBlankIsEmpty) {
    std::array<Table, 7> tables = ShippedTables();
    Table t = tables[1];
    for (int row = 0; row < t.RowCount(); ++row) {
        t = WithCell(t, row, 5, " ");
    }
    tables[1] = t;
    const ReferenceData d = FromAltered(std::move(tables));
    EXPECT_TRUE(d.MaterialList(6).empty());
    EXPECT_EQ(d.MaterialList(5).size(), 5u);
}

TEST(MaterialLists, AnEighthPairIsNeverOffered) {
    std::array<Table, 7> tables = ShippedTables();
    const Table& t = tables[1];
    std::vector<std::string> cells;
    for (int r = 0; r < t.RowCount(); ++r) {
        for (int c = 0; c < t.ColumnCount(); ++c) {
            cells.push_back(t.Cell(r, c));
        }
    }
    for (const char* extra : {"余分な材料", "0.5"}) {
        for (int c = 0; c < t.ColumnCount(); ++c) {
            cells.push_back(extra);
        }
    }
    tables[1] = Table(t.File(), t.Name(), t.ColumnNames(), cells);
    const ReferenceData d = FromAltered(std::move(tables));
    EXPECT_EQ(d.MaterialList(1).size(), 7u);
    EXPECT_EQ(d.MaterialList(1).back().name, "スレート板");
}

TEST(StructuralTables, DteGroupGrid) {
    const ReferenceData& d = Shipped();
    const DteGrid g1 = d.Dte(1);
    EXPECT_EQ(g1[0][1], 4.7f);   // 10 h, north
    EXPECT_EQ(g1[0][0], 12.8f);  // 10 h, roof
    EXPECT_EQ(g1[3][8], 13.0f);  // 16 h, north-west
    EXPECT_EQ(g1[2][9], 3.3f);   // 14 h, floor
    EXPECT_EQ(d.Dte(0)[0][3], 23.7f);
    EXPECT_EQ(d.Dte(4)[3][7], 5.8f);  // last record, west
}

TEST(StructuralTables, IgrGrid) {
    const IgrGrid g = Shipped().Igr();
    EXPECT_EQ(g[1][5], 148);  // 12 h, south
    EXPECT_EQ(g[0][0], 595);  // 10 h, horizontal
    EXPECT_EQ(g[3][7], 432);  // 16 h, west
    EXPECT_EQ(g[3][8], 310);  // 16 h, north-west
}

TEST(StructuralTables, IgrRoundsHalvesToEven) {
    std::array<Table, 7> tables = ShippedTables();
    tables[3] = WithCell(WithCell(tables[3], 1, 6, "147.5"), 0, 1, "40.5");
    const IgrGrid g = FromAltered(std::move(tables)).Igr();
    EXPECT_EQ(g[1][5], 148);
    EXPECT_EQ(g[0][0], 40);
}

TEST(OccupantLookups, PlaceTwoOfTheOffice) {
    const ReferenceData& d = Shipped();
    std::string heya;
    float hito = -1.0f;
    d.Basyo_Kaesi(1, 2, heya, hito);
    EXPECT_EQ(heya, "会議室");
    EXPECT_EQ(hito, 0.5f);
    std::int16_t kennetu = -1;
    std::int16_t sennetu = -1;
    d.Netu_Kaesi(2, 1, kennetu, sennetu);
    EXPECT_EQ(kennetu, 54);
    EXPECT_EQ(sennetu, 47);
    EXPECT_EQ(d.Syoudo_Kaesi(1, 2), 500);
    EXPECT_EQ(d.Kanki_kaesi(1, 2), 30.0f);
    EXPECT_EQ(d.DensityText(1, 2), "0.5");
}

TEST(OccupantLookups, OtherColumnsAndPlaces) {
    const ReferenceData& d = Shipped();
    std::string heya;
    float hito = 0.0f;
    d.Basyo_Kaesi(8, 1, heya, hito);
    EXPECT_EQ(heya, "軽作業場");
    EXPECT_EQ(hito, 0.2f);
    d.Basyo_Kaesi(3, 2, heya, hito);
    EXPECT_EQ(heya, "ロビー");
    EXPECT_EQ(hito, 0.3f);
    std::int16_t kennetu = 0;
    std::int16_t sennetu = 0;
    d.Netu_Kaesi(1, 8, kennetu, sennetu);  // factory light work
    EXPECT_EQ(kennetu, 60);
    EXPECT_EQ(sennetu, 129);
    d.Netu_Kaesi(2, 7, kennetu, sennetu);  // restaurant kitchen
    EXPECT_EQ(kennetu, 60);
    EXPECT_EQ(sennetu, 129);
    EXPECT_EQ(d.Syoudo_Kaesi(2, 1), 300);
    EXPECT_EQ(d.Kanki_kaesi(3, 2), 30.0f);
    EXPECT_EQ(d.Kanki_kaesi(2, 1), 20.0f);
    EXPECT_EQ(d.DensityText(3, 1), "1.5");
}

TEST(OccupantLookups, PlaceZeroReadsNothing) {
    const ReferenceData& d = Shipped();
    std::string heya = "前の値";
    float hito = 9.5f;
    d.Basyo_Kaesi(1, 0, heya, hito);
    EXPECT_EQ(heya, "前の値");
    EXPECT_EQ(hito, 9.5f);
    std::int16_t kennetu = 11;
    std::int16_t sennetu = 22;
    d.Netu_Kaesi(0, 1, kennetu, sennetu);
    EXPECT_EQ(kennetu, 11);
    EXPECT_EQ(sennetu, 22);
    EXPECT_EQ(d.Syoudo_Kaesi(1, 0), 0);
    EXPECT_EQ(d.Kanki_kaesi(1, 0), 0.0f);
    EXPECT_EQ(d.DensityText(1, 0), "");
}

TEST(OccupantLookups, DirectInputColumnReadsNothing) {
    const ReferenceData& d = Shipped();
    std::string heya = "前の値";
    float hito = 9.5f;
    d.Basyo_Kaesi(9, 1, heya, hito);
    EXPECT_EQ(heya, "前の値");
    EXPECT_EQ(hito, 9.5f);
    std::int16_t kennetu = 11;
    std::int16_t sennetu = 22;
    d.Netu_Kaesi(3, 1, kennetu, sennetu);  // no third place
    EXPECT_EQ(kennetu, 11);
    EXPECT_EQ(d.Syoudo_Kaesi(9, 1), 0);
    EXPECT_EQ(d.Kanki_kaesi(0, 1), 0.0f);  // column 0 holds the row labels
}

TEST(OccupantLookups, IlluminanceRoundsHalvesToEven) {
    std::array<Table, 7> tables = ShippedTables();
    tables[4] = WithCell(WithCell(tables[4], 8, 1, "500.5"), 9, 1, "501.5");
    const ReferenceData d = FromAltered(std::move(tables));
    EXPECT_EQ(d.Syoudo_Kaesi(1, 1), 500);
    EXPECT_EQ(d.Syoudo_Kaesi(1, 2), 502);
}

TEST(IlluminanceTable, LevelsAndPlaces) {
    const ReferenceData& d = Shipped();
    EXPECT_EQ(d.IlluminanceCount(), 10);
    EXPECT_EQ(d.IlluminanceText(0), "2000");
    EXPECT_EQ(d.IlluminanceLevel(0), 2000);
    EXPECT_EQ(d.IlluminanceLevel(9), 50);
    EXPECT_EQ(d.IlluminancePlaces(4, 1), "会議室、応接室、印刷室、電子計算機室");
    EXPECT_EQ(d.IlluminancePlaces(0, 6), "超精密な視作業");
    EXPECT_EQ(d.IlluminancePlaces(9, 5), "収蔵庫");
}

TEST(VentilationTable, MinimumAndRecommendedRates) {
    const ReferenceData& d = Shipped();
    EXPECT_EQ(d.KankiRate(true, 2), 17.0f);
    EXPECT_EQ(d.KankiRate(false, 2), 25.5f);
    EXPECT_EQ(d.KankiRateText(false, 2), "25.5");
    EXPECT_EQ(d.KankiRate(true, 0), 51.0f);
    EXPECT_EQ(d.KankiRate(true, 3), 20.4f);
    EXPECT_EQ(d.KankiRate(false, 6), 51.0f);
    EXPECT_EQ(d.KankiRate(true, -1), 0.0f);  // no place chosen
    EXPECT_EQ(d.KankiRateText(true, -1), "");
}

TEST(OutOfRangeLookups, FallBackWithoutReadingPastTheTable) {
    const ReferenceData& d = Shipped();
    // Debug builds stop at the assertion; others give the fallback.
    EXPECT_DEBUG_DEATH(EXPECT_EQ(d.OutdoorDryBulb(14), 0.0), "");
    EXPECT_DEBUG_DEATH(EXPECT_TRUE(d.MaterialList(11).empty()), "");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(d.Dte(5)[0][0], 0.0f), "");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(d.IlluminanceLevel(10), 0), "");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(d.IlluminancePlaces(0, 7), ""), "");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(d.KankiRate(false, 7), 0.0f), "");
}

}  // namespace
}  // namespace karumoa::refdb
