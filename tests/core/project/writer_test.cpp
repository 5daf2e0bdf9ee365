#include <gtest/gtest.h>

#include "fixture_rooms.h"
#include "test_util.h"

namespace karumoa::project::testing {
namespace {

using model::Kabe_Data;
using model::RoomModel;

constexpr std::string_view kNewRoomConditions =
    "5,1,1,0,0,#TRUE#,0,1,1,0,#TRUE#,0,3,0,0,#FALSE#,#FALSE#,1000,0,#TRUE#,#TRUE#,#FALSE#,4,2,"
    "#TRUE#,0,#FALSE#\r\n"
    "\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

TEST(WriterBytes, NewRoomConditionsAndReservedLine) {
    EXPECT_EQ(Write(NewRoom()), std::string(kNewRoomConditions) + "0\r\n0\r\n0\r\n0\r\n");
}

TEST(WriterBytes, OneWallWithoutWindowsEndsWithFourZeroLines) {
    const std::string bytes = Write(OneWallRoom());
    EXPECT_EQ(
        bytes.substr(kNewRoomConditions.size()),
        "1\r\n"
        "1,#FALSE#,3.544304,2400,6000,0\r\n"
        "1\r\n"
        "150,1.4\r\n"
        "\"\x95\x81\x92\xca\x83\x52\x83\x93\x83\x4e\x83\x8a\x81\x5b\x83\x67\"\r\n"  // 普通コンクリート
        "#TRUE#,1,0\r\n"
        "0\r\n0\r\n0\r\n0\r\n");
}

TEST(WriterBytes, ThreeLayersShareTheThicknessLineWithTheFirstConductivity) {
    RoomModel room = NewRoom();
    auto wall = std::make_shared<Kabe_Data>();
    wall->SetData({"", "a", "b", "c", ""}, {0, 1.4f, 0.5f, 0.043f, 0}, {0, 150, 20, 50, 0}, 5400,
                  2700, 5, true, 3.0f, 2);
    AddWall(room, wall);
    const std::string bytes = Write(room);
    EXPECT_NE(bytes.find("\r\n1\r\n"
                         "5,#TRUE#,3,2700,5400,2\r\n"
                         "3\r\n"
                         "150,20,50,1.4\r\n"
                         ".5\r\n"
                         ".043\r\n"
                         "\"a\"\r\n\"b\"\r\n\"c\"\r\n"
                         "#TRUE#,5,0\r\n"),
              std::string::npos)
        << bytes;
}

TEST(WriterBytes, SinglesBooleansAndWholeNumbers) {
    RoomModel room = NewRoom();
    room.Soutou_Ninzuu = 0.5f;
    room.Kanki_Fuuryou = 1234.5f;
    room.Ninzuu_Flag = false;
    room.Kanki_Basyo = -1;
    room.Syoumei_Syuturyoku = 99999;
    const std::string line = LineOf(Write(room), 1);
    EXPECT_EQ(line,
              "5,1,1,.5,0,#FALSE#,0,1,1,0,#TRUE#,0,3,0,0,#FALSE#,#FALSE#,99999,0,#TRUE#,#TRUE#,"
              "#FALSE#,4,-1,#TRUE#,1234.5,#FALSE#");
}

TEST(WriterBytes, WindowSectionHasOneBlockPerWall) {
    RoomModel room = NewRoom();
    const std::vector<Layer> layers{{"合板", "0.14", 12}};
    AddWall(room, MakeConstruction(layers, 6000, 2400, 1, false));
    AddWall(room, MakeConstruction(layers, 4000, 2400, 3, false),
            MakeWindows({{1800, 1200, 2}, {900, 600, 1}}, true, 3));
    AddWall(room, MakeConstruction(layers, 6000, 2400, 5, false));
    AddWall(room, MakeConstruction(layers, 4000, 2400, 7, false));
    const std::string bytes = Write(room);
    EXPECT_TRUE(EndsWith(bytes,
                         "#TRUE#,1,0\r\n0\r\n"
                         "#TRUE#,3,4.86\r\n2\r\n2\r\n1\r\n1200\r\n600\r\n1800\r\n900\r\n"
                         "#TRUE#,5,0\r\n0\r\n"
                         "#TRUE#,7,0\r\n0\r\n"
                         "0\r\n0\r\n0\r\n"))
        << bytes;

    RoomModel read = NewRoom();
    ReadError error;
    ASSERT_TRUE(ReadProject(bytes, read, &error)) << error.Message();
    ASSERT_EQ(read.Mado.Count(), 4);
    EXPECT_EQ(read.Mado.Item(1)->EntryCount(), 0);
    EXPECT_EQ(read.Mado.Item(2)->EntryCount(), 2);
    EXPECT_EQ(read.Mado.Item(2)->Kazu_Kaesi(), (model::Mado_Data::Array{0, 2, 1, 0}));
    EXPECT_EQ(read.Mado.Item(4)->Houi, 7);
}

TEST(WriterBytes, RefusesTextsTheFileCannotHold) {
    for (const char* name : {"emoji \xF0\x9F\x98\x80", "say \"hi\"", "two\nlines"}) {
        SCOPED_TRACE(name);
        RoomModel room = NewRoom();
        auto wall = std::make_shared<Kabe_Data>();
        wall->SetData({"", "ok", name, ""}, {0, 1.0f, 1.0f, 0}, {0, 10, 10, 0}, 5400, 2700, 1,
                      false, 3.0f, 0);
        AddWall(room, wall);
        std::string bytes;
        WriteError error;
        EXPECT_FALSE(WriteProject(room, bytes, &error));
        EXPECT_EQ(error.field, (FieldRef{Section::Wall, Field::Zai, 1, 2}));
        EXPECT_NE(error.Message().find("壁1 の「材質」(層2)"), std::string::npos)
            << error.Message();
    }
}

}  // namespace
}  // namespace karumoa::project::testing
