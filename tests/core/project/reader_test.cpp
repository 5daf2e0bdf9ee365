#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <variant>

#include "fixture_rooms.h"
#include "model/codes.h"
#include "model/room_fields.h"
#include "test_util.h"

namespace karumoa::project::testing {
namespace {

using model::RoomModel;

RoomModel ReadOk(std::string_view bytes) {
    RoomModel room = NewRoom();
    ReadError error;
    EXPECT_TRUE(ReadProject(bytes, room, &error)) << error.Message();
    return room;
}

TEST(RoundTrip, GeneratedRoomsReadBackEqualAndWriteTheSameBytes) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 400; ++i) {
        SCOPED_TRACE(i);
        const RoomModel room = RandomRoom(rng, true);
        const std::string bytes = Write(room);
        const RoomModel read = ReadOk(bytes);
        ASSERT_EQ(read, room) << bytes;
        ASSERT_EQ(Write(read), bytes);
    }
}

// The file carries seven significant digits of a single, so a K or window
// area computed by the dialogs may come back one unit in the last place
// off; what was read writes back to the same bytes and reads back equal.
TEST(RoundTrip, RawSinglesSettleAfterOneTrip) {
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        SCOPED_TRACE(i);
        const std::string bytes = Write(RandomRoom(rng, false));
        const RoomModel read = ReadOk(bytes);
        ASSERT_EQ(Write(read), bytes);
        ASSERT_EQ(ReadOk(bytes), read);
    }
}

// A single with all nine digits it has, as a hand-edited file may give it.
std::string NineDigits(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

// Every single the reader takes at the edges of its range, and every window
// area at the edges of its tolerance, comes back from the writer's seven
// digits: the file written from what was read reads again, and writes the
// same bytes.
TEST(RoundTrip, EverySingleTakenAtItsLimitsReadsBackOnceWritten) {
    // A mark the rooms' files hold nowhere else, replaced by the value tried.
    constexpr float kMark = 0.0123457f;
    const std::string markText = ".0123457";
    struct Case {
        std::string what;
        RoomModel room;  // holds kMark where the value goes
        std::vector<double> edges;
    };
    std::vector<Case> cases;
    for (const model::RoomSetting& setting : model::kFileSettings) {
        if (const auto* member = std::get_if<float RoomModel::*>(&setting.field)) {
            RoomModel room = NewRoom();
            room.** member = kMark;
            cases.push_back(
                {std::string(setting.member), room, {setting.range.min, setting.range.max}});
        }
    }
    RoomModel k = ExampleRoom();
    k.Kabe.Item(2)->Netukanryuu = kMark;
    cases.push_back({"K", k, {model::kNetukanryuu.min, model::kNetukanryuu.max}});
    RoomModel lambda = ExampleRoom();
    auto roof = std::make_shared<model::Kabe_Data>(*lambda.Yane.Item(1));
    auto netu = roof->Netu_Kaesi();
    netu[1] = kMark;
    roof->SetData(roof->Zai_Kaesi(), netu, roof->Atusa_Kaesi(), roof->Yoko, roof->Tate, roof->Houi,
                  roof->kuuki, roof->Netukanryuu, roof->Zokusei);
    lambda.Yane.Clear();
    lambda.Yane.Add(roof);
    cases.push_back(
        {"conductivity", lambda, {model::kNetuDendouritu.min, model::kNetuDendouritu.max}});
    // Window areas of one window type on the largest wall, at both ends of
    // the relative tolerance of the recorded area.
    for (const std::int16_t yoko : {500, 1234, 3333, 9999}) {
        for (const std::int16_t tate : {300, 777, 1501, 4999}) {
            for (const std::int16_t kazu : {1, 3}) {
                RoomModel room = NewRoom();
                auto windows = MakeWindows({{yoko, tate, kazu}}, true, model::kHouiKita);
                const double area = windows->Menseki;
                windows->Menseki = kMark;
                AddWall(room,
                        MakeConstruction({{"普通コンクリート", "1.4", 150}}, 100000, 5000,
                                         model::kHouiKita, false),
                        windows);
                cases.push_back({"window area " + std::to_string(yoko) + "x" +
                                     std::to_string(tate) + "x" + std::to_string(kazu),
                                 room,
                                 {area * (1 - 5e-6), area * (1 + 5e-6)}});
            }
        }
    }

    int tried = 0;
    int taken = 0;
    for (const Case& c : cases) {
        const std::string bytes = Write(c.room);
        ASSERT_EQ(bytes.find(markText), bytes.rfind(markText)) << c.what;
        for (const double edge : c.edges) {
            float v = static_cast<float>(edge);
            for (int step = 0; step < 40; ++step) {
                v = std::nextafter(v, -std::numeric_limits<float>::infinity());
            }
            for (int step = 0; step <= 80; ++step, v = std::nextafter(v, 1e30f)) {
                ++tried;
                RoomModel read = NewRoom();
                if (!ReadProject(ReplaceAll(bytes, markText, NineDigits(v)), read)) {
                    continue;
                }
                ++taken;
                const std::string written = Write(read);
                RoomModel again = NewRoom();
                ReadError error;
                ASSERT_TRUE(ReadProject(written, again, &error))
                    << c.what << " = " << NineDigits(v) << ": " << error.Message();
                ASSERT_EQ(Write(again), written) << c.what << " = " << NineDigits(v);
            }
        }
    }
    // About half of the values lie inside their limits.
    EXPECT_GT(taken, tried / 3);
    EXPECT_LT(taken, tried * 2 / 3);
}

TEST(RoundTrip, ReadingKeepsWhatTheFileDoesNotHold) {
    RoomModel room = NewRoom();
    room.Situon = 281;
    room.Kouzou_Goukei = 1234.5f;
    room.Jintai_Goukei = 10.0f;
    room.Kabe_Bangou = 3;
    room.Hozon_Flag = true;
    room.Basyo = 1;
    const std::string bytes = Write(ExampleRoom());
    ReadError error;
    ASSERT_TRUE(ReadProject(bytes, room, &error)) << error.Message();
    EXPECT_EQ(room.Situon, 281);
    EXPECT_EQ(room.Kouzou_Goukei, 1234.5f);
    EXPECT_EQ(room.Jintai_Goukei, 10.0f);
    EXPECT_EQ(room.Kabe_Bangou, 3);
    EXPECT_TRUE(room.Hozon_Flag);
    EXPECT_EQ(room.Basyo, 5);
    EXPECT_EQ(Write(room), bytes);
}

TEST(RoundTrip, ListsAreReplacedNotAppended) {
    RoomModel room = ExampleRoom();
    ReadError error;
    ASSERT_TRUE(ReadProject(Write(OneWallRoom()), room, &error)) << error.Message();
    EXPECT_EQ(room, OneWallRoom());
}

// Forms the format allows besides the writer's own.
TEST(ReaderVariants, LayoutAndNumberFormsReadAsTheWritersFile) {
    const std::string bytes = Write(ExampleRoom());
    const RoomModel room = ReadOk(bytes);
    const std::string withoutLastLineEnd = bytes.substr(0, bytes.size() - 2);
    const std::vector<std::pair<const char*, std::string>> variants{
        {"leading zeros", ReplaceAll(ReplaceAll(bytes, ",.", ",0."), "\n.", "\n0.")},
        {"LF only", ReplaceAll(bytes, "\r\n", "\n")},
        {"every field on its own line", ReplaceAll(bytes, ",", "\r\n")},
        {"all on one line", ReplaceAll(withoutLastLineEnd, "\r\n", ",")},
        {"blank lines between fields", ReplaceAll(bytes, "\r\n", "\r\n\r\n  \r\n")},
        {"trailing blank lines", bytes + "\r\n\r\n\t\r\n"},
        {"no final line end", withoutLastLineEnd},
        {"comma before a line end", ReplaceAll(bytes, "\r\n#TRUE#", ",\r\n#TRUE#")},
        {"blanks around fields", ReplaceAll(bytes, ",", " , ")},
        {"booleans as numbers", ReplaceAll(ReplaceAll(bytes, "#TRUE#", "-1"), "#FALSE#", "0")},
        {"lower-case booleans", ReplaceAll(bytes, "#TRUE#", "#true#")},
        {"exponent form", ReplaceAll(bytes, ",1.1\r\n", ",11E-1\r\n")},
        {"reserved strings hold anything",
         ReplaceLine(bytes, 2, "\"x\",\"\x82\xa0\",7,,#TRUE#,\"\"")},
    };
    for (const auto& [name, text] : variants) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadOk(text), room);
    }
}

TEST(ReaderVariants, WholeNumbersWithAFractionRoundHalfToEven) {
    const std::string bytes = Write(NewRoom());
    // Soutou_Basyo (field 7) and Syoumei_Syuturyoku (field 18).
    const std::string line =
        ReplaceAll(ReplaceAll(LineOf(bytes, 1), "#TRUE#,0,1,1,0,#TRUE#", "#TRUE#,2.5,1,1,0,#TRUE#"),
                   ",1000,", ",1000.5,");
    RoomModel room = ReadOk(ReplaceLine(bytes, 1, line));
    EXPECT_EQ(room.Soutou_Basyo, 2);
    EXPECT_EQ(room.Syoumei_Syuturyoku, 1000);
    room = ReadOk(ReplaceLine(bytes, 1, ReplaceAll(line, "2.5,", "3.5,")));
    EXPECT_EQ(room.Soutou_Basyo, 4);
}

TEST(ReaderVariants, NamesKeepCommasAndMayBeUnquoted) {
    RoomModel room = OneWallRoom();
    auto wall = std::make_shared<model::Kabe_Data>(*room.Kabe.Item(1));
    wall->SetData({"", "a,b", " c ", ""}, {0, 1.0f, 2.0f, 0}, {0, 10, 20, 0}, wall->Yoko,
                  wall->Tate, wall->Houi, false, 2.0f, 0);
    room.Kabe.Clear();
    room.Kabe.Add(wall);
    const std::string bytes = Write(room);
    EXPECT_EQ(ReadOk(bytes), room);
    const RoomModel unquoted = ReadOk(ReplaceAll(bytes, "\"a,b\"", "ab"));
    EXPECT_EQ(unquoted.Kabe.Item(1)->Zai_Kaesi()[1], "ab");
}

}  // namespace
}  // namespace karumoa::project::testing
