// A room whose loads overflow: the first term that is not finite is named,
// and the report sheets print every such term as a dash, never as a number.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "calc/room_results.h"
#include "calc_fixture.h"
#include "model/room_model.h"
#include "sheet/plain_text.h"
#include "sheet/report_sheets.h"

namespace karumoa::calc {
namespace {

using test::AddWall;
using test::TableSet;

TEST(NonFiniteTerm, NamesWhereTheOverflowStartsAndTheSheetsShowADash) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        std::function<void(model::RoomModel&)> edit;
        std::optional<std::string> term;
    };
    const Case cases[] = {
        {"an ordinary room", [](model::RoomModel&) {}, std::nullopt},
        {"a K of 3.4E+38", [](model::RoomModel& r) { r.Kabe.Item(1)->Netukanryuu = 3.4e38f; },
         "北の壁の qw (10時)"},
        {"an infinite K", [](model::RoomModel& r) { r.Kabe.Item(2)->Netukanryuu = kInf; },
         "東の壁の熱貫流率 K"},
        // Each wall's load fits a single; their sum does not.
        {"two walls that overflow together",
         [](model::RoomModel& r) {
             r.Kabe.Item(1)->Netukanryuu = 2e36f;
             r.Kabe.Item(3)->Netukanryuu = 2e36f;
         },
         "構造体の合計 (12時)"},
        {"a roof",
         [](model::RoomModel& r) {
             r.Yane.Add(test::Element(model::kHouiYane, 5000, 4000, 1e38f));
         },
         "屋根の qw (10時)"},
        {"a window area", [](model::RoomModel& r) { r.Mado.Item(3)->Menseki = 3e38f; },
         "南の壁の qw (10時)"},
        {"an air volume",
         [](model::RoomModel& r) {
             r.Kanki_Jidou_Tekigou = false;
             r.Kanki_Nyuuryoku = true;
             r.Kanki_Fuuryou = 3e38f;
         },
         "換気熱量 qv"},
    };
    const auto refs = TableSet().Build();
    const sheet::MonospaceMetrics metrics;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::RoomModel room;
        AddWall(room, model::kHouiKita, 5000, 2500, 2.0f);
        AddWall(room, model::kHouiHigasi, 4000, 2500, 2.0f);
        AddWall(room, model::kHouiMinami, 5000, 2500, 2.0f, 3.0f);
        AddWall(room, model::kHouiNisi, 4000, 2500, 2.0f);
        c.edit(room);
        const RoomResults results = ComputeRoomResults(room, refs);
        EXPECT_EQ(NonFiniteTerm(results), c.term);
        const std::string text =
            sheet::RenderPlainText(sheet::BuildStructuralSheet(results.structural, metrics)) +
            sheet::RenderPlainText(sheet::BuildInternalSheet(results.internal, metrics));
        EXPECT_EQ(text.find("—") != std::string::npos, c.term.has_value()) << text;
        if (c.term) {
            EXPECT_EQ(NonFiniteMessage(*c.term),
                      "負荷を計算できません: " + *c.term +
                          " が有限の数になりません（入力された値が大きすぎます）。");
        }
    }
}

}  // namespace
}  // namespace karumoa::calc
