#include <gtest/gtest.h>

#include <random>

#include "fixture_rooms.h"
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
