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
    EXPECT_EQ(d.CityTemperatureText(5, GaikiColumn::DewPoint0_24), "24.6");
    EXPECT_EQ(d.CityTemperatureText(0, GaikiColumn::DewPoint8_17), "25.7");
    EXPECT_DOUBLE_EQ(d.OutdoorDryBulb(13), 25.4);  // Wakkanai, the last row
}

TEST(OutdoorConditions, TemperaturesAreFoundByColumnName) {
    // With the names of the two dry-bulb columns swapped, the 8-17 h value
    // is the one under that name, wherever it stands.
    std::array<Table, 7> tables = ShippedTables();
    std::vector<std::string> names = tables[0].ColumnNames();
    std::swap(names[1], names[2]);
    tables[0] = Table(tables[0].File(), tables[0].Name(), names,
                      testing::CellsOf(tables[0], tables[0].RowCount()));
    EXPECT_DOUBLE_EQ(FromAltered(std::move(tables)).OutdoorDryBulb(5), 31.9);
}

TEST(MaterialLists, SevenPairsAtMostEndingAtTheBlankCell) {
    const std::vector<Material> cement = Shipped().MaterialList(1);
    ASSERT_EQ(cement.size(), 7u);
    EXPECT_EQ(cement[0].name, "普通コンクリート");
    EXPECT_EQ(cement[0].conductivityText, "1.4");
    EXPECT_EQ(cement[6].name, "スレート板");
    EXPECT_EQ(cement[6].conductivityText, "0.83");
    const std::vector<Material> wood = Shipped().MaterialList(3);
    ASSERT_EQ(wood.size(), 4u);
    EXPECT_EQ(wood[3].name, "合板");
    EXPECT_EQ(wood[3].conductivityText, "0.14");
    EXPECT_EQ(Shipped().MaterialList(10).back().name, "フェノールフォーム");
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

TEST(StructuralTables, DteGroupGrid) {
    const ReferenceData& d = Shipped();
    const DteGrid g1 = d.Dte(1);
    EXPECT_EQ(g1[0][1], 4.7f);        // 10 h, north
    EXPECT_EQ(g1[0][0], 12.8f);       // 10 h, roof
    EXPECT_EQ(g1[3][8], 13.0f);       // 16 h, north-west
    EXPECT_EQ(g1[2][9], 3.3f);        // 14 h, floor
    EXPECT_EQ(d.Dte(4)[3][7], 5.8f);  // last record, west
}

TEST(StructuralTables, IgrGrid) {
    const IgrGrid g = Shipped().Igr();
    EXPECT_EQ(g[1][5], 159);  // 12 h, south
    EXPECT_EQ(g[0][0], 620);  // 10 h, horizontal
    EXPECT_EQ(g[3][8], 359);  // 16 h, north-west
}

TEST(StructuralTables, IntegerCellsRoundHalvesToEven) {
    std::array<Table, 7> tables = ShippedTables();
    tables[3] = WithCell(WithCell(tables[3], 1, 6, "147.5"), 0, 1, "40.5");
    tables[4] = WithCell(tables[4], 9, 1, "501.5");
    const ReferenceData d = FromAltered(std::move(tables));
    EXPECT_EQ(d.Igr()[1][5], 148);
    EXPECT_EQ(d.Igr()[0][0], 40);
    EXPECT_EQ(d.Syoudo_Kaesi(1, 2), 502);
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
    d.Basyo_Kaesi(8, 1, heya, hito);
    EXPECT_EQ(heya, "軽作業場");
    d.Netu_Kaesi(2, 7, kennetu, sennetu);  // restaurant kitchen
    EXPECT_EQ(sennetu, 129);
    EXPECT_EQ(d.Kanki_kaesi(2, 1), 20.0f);
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
    // Likewise a column without a building type and a third place.
    d.Basyo_Kaesi(9, 1, heya, hito);
    d.Netu_Kaesi(3, 1, kennetu, sennetu);
    EXPECT_EQ(heya, "前の値");
    EXPECT_EQ(kennetu, 11);
    EXPECT_EQ(d.Kanki_kaesi(0, 1), 0.0f);  // column 0 holds the row labels
}

TEST(IlluminanceTable, LevelsAndPlaces) {
    const ReferenceData& d = Shipped();
    EXPECT_EQ(d.IlluminanceCount(), 10);
    EXPECT_EQ(d.IlluminanceText(0), "2000");
    EXPECT_EQ(d.IlluminanceLevel(0), 2000);
    EXPECT_EQ(d.IlluminanceLevel(9), 50);
    EXPECT_EQ(d.IlluminancePlaces(4, 1), "会議室、応接室、印刷室、電子計算機室");
    EXPECT_EQ(d.IlluminancePlaces(9, 5), "収蔵庫");
}

TEST(VentilationTable, MinimumAndRecommendedRates) {
    const ReferenceData& d = Shipped();
    EXPECT_EQ(d.KankiRate(true, 2), 17.0f);
    EXPECT_EQ(d.KankiRate(false, 2), 25.5f);
    EXPECT_EQ(d.KankiRateText(false, 2), "25.5");
    EXPECT_EQ(d.KankiRate(true, 3), 20.4f);
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
    EXPECT_DEBUG_DEATH(EXPECT_EQ(d.KankiRate(false, 7), 0.0f), "");
}

}  // namespace
}  // namespace karumoa::refdb
