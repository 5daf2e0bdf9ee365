// The report of the fixture rooms on the shipped tables: the calculation
// on tables read once gives the very same loads as reading them per room,
// and every room's sheets hold what the calculations produced.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/calc.h"
#include "model/room_model.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"
#include "sheet/plain_text.h"
#include "sheet/report_sheets.h"

namespace karumoa::sheet {
namespace {

std::vector<std::string> FixtureRooms() {
    std::vector<std::string> files;
    for (const char* dir : {"/rooms", "/golden/rooms"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(KARUMOA_TEST_DATA_DIR) + dir)) {
            if (entry.path().extension() == ".kmd") {
                files.push_back(entry.path().string());
            }
        }
    }
    return files;
}

// Bit for bit, as the report prints and the totals add these values.
template <class T>
bool Same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

void ExpectSameLoads(const calc::StructuralLoad& a, const calc::StructuralLoad& b) {
    ASSERT_EQ(a.opaqueCount, b.opaqueCount);
    ASSERT_EQ(a.glassCount, b.glassCount);
    for (int i = 0; i < a.opaqueCount; ++i) {
        const auto& x = a.opaque[static_cast<std::size_t>(i)];
        const auto& y = b.opaque[static_cast<std::size_t>(i)];
        EXPECT_TRUE(Same(x.dte, y.dte) && Same(x.qw, y.qw) && Same(x.A, y.A)) << i;
    }
    for (int i = 0; i < a.glassCount; ++i) {
        const auto& x = a.glass[static_cast<std::size_t>(i)];
        const auto& y = b.glass[static_cast<std::size_t>(i)];
        EXPECT_TRUE(Same(x.Igr, y.Igr) && Same(x.qgr, y.qgr) && Same(x.qgc, y.qgc)) << i;
        EXPECT_EQ(x.dtText, y.dtText);
    }
    EXPECT_TRUE(Same(a.S, b.S) && Same(a.R, b.R) && Same(a.W, b.W) && Same(a.H, b.H));
    EXPECT_TRUE(Same(a.C, b.C));
    EXPECT_EQ(a.kouzouMax, b.kouzouMax);
    EXPECT_EQ(a.madoMax, b.madoMax);
    EXPECT_EQ(a.totalMax, b.totalMax);
}

TEST(FixtureRooms, TablesReadOnceGiveTheSameLoadsAndEverySheetPrints) {
    refdb::LoadError error;
    const auto refs = refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error);
    ASSERT_TRUE(refs) << error.message;
    const calc::StructuralTables tables(*refs);
    const MonospaceMetrics m;
    const std::vector<std::string> files = FixtureRooms();
    ASSERT_GE(files.size(), 8u);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        model::RoomModel room;
        ASSERT_TRUE(project::ReadProjectFile(file, room));
        for (const std::int16_t situon : {220, 260, 285}) {
            room.Situon = situon;
            const double to = room.Basyo < refs->CityCount() ? refs->OutdoorDryBulb(room.Basyo) : 0;
            const calc::StructuralLoad perRoom = calc::ComputeStructuralLoad(room, *refs, to);
            const calc::StructuralLoad once = calc::ComputeStructuralLoad(room, tables, to);
            ExpectSameLoads(perRoom, once);

            const std::string text =
                RenderPlainText(BuildStructuralSheet(once, m)) +
                RenderPlainText(BuildInternalSheet(calc::ComputeInternalLoad(room, *refs, to), m));
            EXPECT_NE(text.find(room.Kabe.empty() ? "qg = qgr + qgc" : "構造体最大負荷"),
                      std::string::npos);
            EXPECT_NE(text.find("換気損失熱量 = "), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace karumoa::sheet
