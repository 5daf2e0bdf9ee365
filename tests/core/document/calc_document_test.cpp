// The calculation document of real rooms on the shipped tables, measured
// in monospace cells on A4: where its blocks fall, and that what it prints
// is what the calculations and the summaries give.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/calc.h"
#include "calc/netukanryuu.h"
#include "document/calc_document.h"
#include "model/room_model.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"
#include "sheet/plain_text.h"
#include "sheet/summary_rows.h"
#include "text/number_text.h"

namespace karumoa::document {
namespace {

using text::FormatFixed;

const refdb::ReferenceData& Refs() {
    static const refdb::ReferenceData refs = [] {
        refdb::LoadError error;
        auto loaded = refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error);
        EXPECT_TRUE(loaded) << error.message;
        return std::move(*loaded);
    }();
    return refs;
}

model::RoomModel Read(const std::string& path) {
    model::RoomModel room;
    EXPECT_TRUE(project::ReadProjectFile(path, room)) << path;
    return room;
}

model::RoomModel ExampleRoom() {
    return Read(std::string(KARUMOA_EXAMPLES_DIR) + "/example-room.kmd");
}

model::RoomModel OneWallRoom() {
    return Read(std::string(KARUMOA_TEST_DATA_DIR) + "/rooms/one-wall.kmd");
}

// The example with ten more layers of 3 mm plywood in its north wall: the
// construction grows by ten rows and pushes the structural sheet's wall
// table across a page.
model::RoomModel ThickWallRoom() {
    model::RoomModel room = ExampleRoom();
    model::Kabe_Data& wall = *room.Kabe.Item(1);
    auto zai = wall.Zai_Kaesi();
    auto netu = wall.Netu_Kaesi();
    auto atusa = wall.Atusa_Kaesi();
    for (int i = 0; i < 10; ++i) {
        zai.insert(zai.end() - 1, "合板");
        netu.insert(netu.end() - 1, 0.14f);
        atusa.insert(atusa.end() - 1, 3);
    }
    wall.SetData(zai, netu, atusa, wall.Yoko, wall.Tate, wall.Houi, wall.kuuki,
                 calc::Netukanryuu_Keisan(netu, atusa, wall.kuuki), wall.Zokusei);
    return room;
}

struct Document {
    model::RoomModel room;
    calc::RoomResults results;
    DocumentLayout layout;
};

Document Lay(model::RoomModel room, std::string fileName = "room.kmd") {
    Document d{std::move(room), {}, {}};
    d.results = calc::ComputeRoomResults(d.room, Refs());
    const DocumentInput input{&d.room,        &d.results, &Refs(), std::move(fileName),
                              "2025年4月1日", "カルモア"};
    static const sheet::MonospaceMetrics metrics;
    d.layout = LayOutDocument(input, metrics, kA4);
    return d;
}

const Block& First(const DocumentLayout& layout, BlockKind kind) {
    const auto it = std::find_if(layout.blocks.begin(), layout.blocks.end(),
                                 [&](const Block& b) { return b.kind == kind; });
    EXPECT_NE(it, layout.blocks.end());
    return *it;
}

// The texts of a row joined with "|".
std::string Row(const Block& b, int row) {
    std::string out;
    for (const sheet::TextRun* run : b.sheet.RowRuns(row)) {
        out += out.empty() ? "" : "|";
        out += run->text;
    }
    return out;
}

// The row of `b` that starts with `text`, or -1.
int RowStarting(const Block& b, const std::string& text) {
    for (int row = b.first; row < b.end; ++row) {
        if (Row(b, row).rfind(text, 0) == 0) {
            return row;
        }
    }
    return -1;
}

// The repeated heading of a table that band `i` of `bands` stands for:
// the first band of a page, a table's heading rows, followed by rows of the
// same table's body.
bool RepeatedHeading(const DocumentLayout& layout, const std::vector<Band>& bands, std::size_t i) {
    if (i != 0 || bands.size() < 2) {
        return false;
    }
    const Band& band = bands[0];
    const Band& after = bands[1];
    const Block& b = layout.blocks[static_cast<std::size_t>(band.block)];
    return std::any_of(b.sheet.tables.begin(), b.sheet.tables.end(), [&](const auto& t) {
        return band.first == t.heading && band.end == t.body && after.block == band.block &&
               after.first >= t.body && after.first < t.end;
    });
}

// What holds on every page of every document: rows stand once each, in
// order, within the page, only blank rows left out; a page that starts
// inside a table's body starts with the table's heading; no page ends
// between a heading and its first body row; a footer "n / N" closes each
// page.
void ExpectSoundPages(const DocumentLayout& layout) {
    const int pages = static_cast<int>(layout.pages.size());
    std::vector<int> next(layout.blocks.size(), -1);
    for (int p = 0; p < pages; ++p) {
        SCOPED_TRACE("page " + std::to_string(p));
        const std::vector<Band>& bands = layout.pages[static_cast<std::size_t>(p)].bands;
        ASSERT_GE(bands.size(), 2u);
        const Band& foot = bands.back();
        const Block& footer = layout.blocks[static_cast<std::size_t>(foot.block)];
        EXPECT_EQ(footer.kind, BlockKind::Footer);
        EXPECT_NE(Row(footer, 0).find(std::to_string(p + 1) + " / " + std::to_string(pages)),
                  std::string::npos);
        for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
            const Band& band = bands[i];
            const Block& b = layout.blocks[static_cast<std::size_t>(band.block)];
            EXPECT_LE(band.y + (band.end - band.first) * b.RowHeight(), foot.y);
            if (RepeatedHeading(layout, bands, i)) {
                continue;
            }
            for (const sheet::TableSpan& t : b.sheet.tables) {
                EXPECT_FALSE(band.end > t.heading && band.end <= t.body && t.end > t.body)
                    << "a heading without its first row";
                EXPECT_FALSE(i == 0 && band.first > t.body && band.first < t.end)
                    << "a table continued without its heading";
            }
            int& expected = next[static_cast<std::size_t>(band.block)];
            const int from = expected < 0 ? b.first : expected;
            EXPECT_GE(band.first, from);
            for (int row = from; row < band.first; ++row) {
                EXPECT_TRUE(b.sheet.RowRuns(row).empty()) << "row " << row << " left out";
            }
            expected = band.end;
        }
    }
    for (std::size_t i = 0; i < layout.blocks.size(); ++i) {
        const Block& b = layout.blocks[i];
        if (b.kind != BlockKind::Footer && b.first < b.end) {
            EXPECT_EQ(next[i], b.end) << "block " << i << " not placed to its end";
        }
    }
}

TEST(CalcDocument, BlocksStartOnTheirPagesAndTablesContinueWithTheirHeading) {
    struct Case {
        const char* name;
        model::RoomModel (*room)();
        std::size_t pages;
        std::vector<std::pair<BlockKind, int>> starts;
        int continued;  // page that starts with a repeated heading, -1 for none
    };
    const Case cases[] = {
        {"one wall",
         OneWallRoom,
         2,
         {{BlockKind::Title, 0},
          {BlockKind::Conditions, 0},
          {BlockKind::Totals, 0},
          {BlockKind::Construction, 0},
          {BlockKind::Structural, 0},
          {BlockKind::Internal, 1}},
         -1},
        {"the example",
         ExampleRoom,
         3,
         {{BlockKind::Conditions, 0},
          {BlockKind::Totals, 0},
          {BlockKind::Construction, 0},
          {BlockKind::Structural, 1},
          {BlockKind::Internal, 2}},
         -1},
        {"a thick north wall",
         ThickWallRoom,
         3,
         {{BlockKind::Conditions, 0},
          {BlockKind::Totals, 0},
          {BlockKind::Construction, 0},
          {BlockKind::Structural, 1},
          {BlockKind::Internal, 2}},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Document d = Lay(c.room());
        const DocumentLayout& layout = d.layout;
        EXPECT_EQ(layout.pages.size(), c.pages);
        for (const auto& [kind, page] : c.starts) {
            EXPECT_EQ(layout.StartPage(kind), page) << static_cast<int>(kind);
        }
        ExpectSoundPages(layout);
        for (int p = 0; p < static_cast<int>(layout.pages.size()); ++p) {
            EXPECT_EQ(RepeatedHeading(layout, layout.pages[static_cast<std::size_t>(p)].bands, 0),
                      p == c.continued)
                << "page " << p;
        }
    }
}

TEST(CalcDocument, TotalsInKilowattsFromKcalPerHour) {
    const Document d = Lay(ExampleRoom());
    const Block& totals = First(d.layout, BlockKind::Totals);
    // By hand, each kcal/h x 1.163 W: 785.38 -> 0.913 kW, 1093.50 -> 1.272 kW.
    EXPECT_EQ(Row(totals, RowStarting(totals, "人体熱量")), "人体熱量|785.38|0.913");
    EXPECT_EQ(Row(totals, RowStarting(totals, "照明熱量")), "照明熱量|1093.50|1.272");
    // By hand: 5279.88 kcal/h x 1.163 W = 6140.5 W over 38.88 m2.
    EXPECT_EQ(Row(totals, RowStarting(totals, "合計")), "合計|5279.88|6.141");
    EXPECT_EQ(Row(totals, RowStarting(totals, "構造体熱量")),
              "構造体熱量|2446.76|2.846|最大: |10時");
    EXPECT_EQ(Row(totals, RowStarting(totals, "床面積")), "床面積 A|38.88|[㎡]");
    EXPECT_EQ(Row(totals, RowStarting(totals, "面積当たり")), "面積当たり|157.9|[W/㎡]");
    EXPECT_GE(RowStarting(totals, "1 kcal/h = 1.163 W"), 0);

    // Without four walls there is no floor area to divide by.
    const Document one = Lay(OneWallRoom());
    EXPECT_LT(RowStarting(First(one.layout, BlockKind::Totals), "床面積"), 0);
    EXPECT_LT(RowStarting(First(one.layout, BlockKind::Totals), "面積当たり"), 0);
}

TEST(CalcDocument, ConstructionDerivesTheKTheStructuralSheetUses) {
    model::RoomModel room = ExampleRoom();
    // A file edited by hand: the east wall's K no longer that of its layers.
    room.Kabe.Item(2)->Netukanryuu = 0.5f;
    const Document d = Lay(std::move(room));
    const Block& c = First(d.layout, BlockKind::Construction);
    EXPECT_EQ(Row(c, 0), "R| = |Σ( |t| / |λ| )| + |r|      |K| = |1| / |R");

    struct Case {
        const char* element;
        const char* r;
        const char* k;
        bool note;
    };
    // North: 10/1.1 + 20/1.3 + 150/1.4 + 25/0.024 + 12/0.19 mm, + 0.375.
    const Case cases[] = {
        {"壁 (北)", "1.6114", "0.62", false},
        {"壁 (東)", "1.6114", "0.62", true},
        {"屋根", "2.3886", "0.42", false},
        {"床", "0.3163", "3.16", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.element);
        const int start = RowStarting(c, k.element);
        ASSERT_GE(start, 0);
        int rRow = start;
        while (Row(c, rRow).rfind("R| = Σ", 0) != 0) {
            ++rRow;
        }
        EXPECT_EQ(Row(c, rRow), std::string("R| = Σ( t / λ ) + r|") + k.r + "|[㎡・h・℃/kcal]");
        EXPECT_EQ(Row(c, rRow + 1), std::string("K| = 1 / R|") + k.k + "|[kcal/㎡・h・℃]");
        EXPECT_EQ(Row(c, rRow + 2).find("※") == 0, k.note) << Row(c, rRow + 2);
    }
    // The structural sheet's K of every element is the printed one, or the
    // note's.
    for (const calc::OpaqueElement& e : d.results.structural.Opaque()) {
        const std::string k = FormatFixed(e.K, 2);
        EXPECT_TRUE(RowStarting(c, "K| = 1 / R|" + k) >= 0 ||
                    RowStarting(c, "※構造体負荷計算に用いる記録値 |K| = |" + k) >= 0)
            << k;
    }
}

TEST(CalcDocument, ConditionsAsTheSettingsSummaryWordsThemAndAnUntitledRoom) {
    model::RoomModel room = ExampleRoom();
    const auto rows = sheet::SetteiRows(room, &Refs());
    const Document d = Lay(std::move(room), "");
    const Block& c = First(d.layout, BlockKind::Conditions);
    for (const sheet::SetteiRow& row : rows) {
        const int r = RowStarting(c, row.item);
        ASSERT_GE(r, 0) << row.item;
        std::string expected = row.item + "|" + row.setting;
        for (const std::string* t : {&row.condition, &row.value}) {
            if (!t->empty()) {
                expected += "|" + *t;
            }
        }
        EXPECT_EQ(Row(c, r), expected);
    }
    // Tokyo's four temperatures under the city; the 8-17 h dry bulb is the
    // one the calculations use.
    EXPECT_EQ(Row(c, RowStarting(c, "外気条件") + 1),
              "乾球温度(0-24時)|31.9℃|乾球温度(8-17時)|32.6℃|(計算に使用)");
    EXPECT_EQ(Row(c, RowStarting(c, "外気条件") + 2),
              "露点温度(0-24時)|24.6℃|露点温度(8-17時)|24.6℃");

    EXPECT_EQ(Row(First(d.layout, BlockKind::Title), 0).find("(無題)"), std::string::npos);
    EXPECT_EQ(Row(d.layout.blocks[1], 0), "ファイル|(無題)");
    EXPECT_EQ(Row(d.layout.blocks.back(), 0), "(無題)|3 / 3");
}

}  // namespace
}  // namespace karumoa::document
