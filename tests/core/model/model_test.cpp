#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "model/codes.h"
#include "model/room_model.h"

namespace karumoa::model {
namespace {

TEST(Codes, OrientationNamesAndOpposites) {
    const char* names[] = {"屋根", "北", "北東", "東", "南東", "南", "南西", "西", "北西", "床"};
    for (int h = 0; h < kHouiCount; ++h) {
        EXPECT_EQ(HouiName(h), names[h]);
    }
    EXPECT_EQ(HouiName(-1), "");
    EXPECT_EQ(HouiName(10), "");
    const int opposite[] = {0, 5, 6, 7, 8, 1, 2, 3, 4};
    for (int h = 1; h <= 8; ++h) {
        EXPECT_EQ(OppositeHoui(h), opposite[h]) << h;
        EXPECT_EQ(OppositeHoui(OppositeHoui(h)), h);
    }
    EXPECT_TRUE(IsHorizontalWall(kHouiKita));
    EXPECT_TRUE(IsHorizontalWall(kHouiNansei));
    EXPECT_FALSE(IsHorizontalWall(kHouiHigasi));
    EXPECT_FALSE(IsHorizontalWall(kHouiHokusei));
}

TEST(Codes, AttributeNamesDifferForTheFloor) {
    EXPECT_EQ(WallZokuseiName(2), "室内負荷");
    EXPECT_EQ(WallZokuseiName(3), "無負荷");
    EXPECT_EQ(FloorZokuseiName(1), "室外負荷");
    EXPECT_EQ(FloorZokuseiName(2), "無負荷");
    EXPECT_EQ(FloorZokuseiName(3), "");
    EXPECT_EQ(WallZokuseiName(4), "");
}

TEST(Kabe_Data, SetDataReplacesTheLayersCompletely) {
    Kabe_Data wall;
    EXPECT_EQ(wall.LayerCount(), 0);
    EXPECT_EQ(wall.Zen_Atusa(), 0);
    wall.SetData({"", "a", "b", "c", ""}, {0, 1.4f, 0.5f, 0.043f, 0}, {0, 150, 20, 50, 0}, 5400,
                 2700, 5, true, 3.0f, 0);
    EXPECT_EQ(wall.LayerCount(), 3);
    EXPECT_EQ(wall.Zen_Atusa(), 220);
    EXPECT_EQ(wall.Yoko, 5400);
    EXPECT_EQ(wall.Tate, 2700);
    EXPECT_EQ(wall.Houi, 5);
    EXPECT_TRUE(wall.kuuki);

    wall.SetData({"", "x", ""}, {0, 0.15f, 0}, {0, 100, 0}, 3000, 2400, 1, false, 2.0f, 1);
    EXPECT_EQ(wall.LayerCount(), 1);
    ASSERT_EQ(wall.Zai_Kaesi().size(), 3u);
    EXPECT_EQ(wall.Zai_Kaesi()[1], "x");
    EXPECT_EQ(wall.Netu_Kaesi()[1], 0.15f);
    EXPECT_EQ(wall.Atusa_Kaesi()[2], 0);
    EXPECT_EQ(wall.Zokusei, 1);
}

TEST(Kabe_Data, TotalThicknessDoesNotOverflowSixteenBits) {
    Kabe_Data wall;
    const std::size_t n = 200;
    Kabe_Data::Zai_Array zai(n + 2);
    Kabe_Data::Netu_Array netu(n + 2, 1.0f);
    Kabe_Data::Atusa_Array atusa(n + 2, 300);
    atusa.front() = 0;
    atusa.back() = 0;
    wall.SetData(zai, netu, atusa, 1000, 1000, 1, false, 1.0f, 0);
    EXPECT_EQ(wall.Zen_Atusa(), 60000);
}

TEST(Kabe_Data, ArraysOfDifferentBoundsAreRefusedAndKept) {
    Kabe_Data wall;
    EXPECT_THROW(wall.SetData({"", "a", ""}, {0, 1}, {0, 10, 0}, 1, 1, 1, false, 1, 0),
                 std::invalid_argument);
    EXPECT_EQ(wall.LayerCount(), 0);
    // Arrays handed over are left with the caller when refused.
    Kabe_Data::Zai_Array zai{"", "a", ""};
    Kabe_Data::Netu_Array netu{0, 1};
    Kabe_Data::Atusa_Array atusa{0, 10, 0};
    EXPECT_THROW(
        wall.SetData(std::move(zai), std::move(netu), std::move(atusa), 1, 1, 1, false, 1, 0),
        std::invalid_argument);
    EXPECT_EQ(zai.size(), 3u);  // NOLINT(bugprone-use-after-move): kept on refusal
    EXPECT_EQ(wall.LayerCount(), 0);
    netu.push_back(0);
    wall.SetData(std::move(zai), std::move(netu), std::move(atusa), 1, 1, 1, false, 1, 0);
    EXPECT_EQ(wall.Zai_Kaesi()[1], "a");
    EXPECT_EQ(wall.Atusa_Kaesi()[1], 10);
}

TEST(Kabe_Data, BuiltFromArraysAsSetDataFillsANewRecord) {
    Kabe_Data filled;
    filled.SetData({"", "a", ""}, {0, 1.4f, 0}, {0, 150, 0}, 5400, 2700, 5, true, 3.0f, 1);
    EXPECT_EQ(Kabe_Data({"", "a", ""}, {0, 1.4f, 0}, {0, 150, 0}, 5400, 2700, 5, true, 3.0f, 1),
              filled);
    EXPECT_THROW(Kabe_Data({"", ""}, {0, 0}, {0, 10, 0}, 1, 1, 1, false, 1, 0),
                 std::invalid_argument);
    Mado_Data set;
    set.SetData({0, 1200, 0}, {0, 1800, 0}, {0, 2, 0}, true, 4.32f, 5);
    EXPECT_EQ(Mado_Data({0, 1200, 0}, {0, 1800, 0}, {0, 2, 0}, true, 4.32f, 5), set);
    EXPECT_THROW(Mado_Data({0, 0}, {0, 0, 0}, {0, 0}, false, 0, 5), std::invalid_argument);
}

TEST(Mado_Data, WindowCountOfASet) {
    Mado_Data set;
    EXPECT_EQ(set.WindowCount(), 0);
    EXPECT_EQ(set.EntryCount(), 0);
    set.SetData({0, 1200, 1200, 0}, {0, 1800, 900, 0}, {0, 2, 3, 0}, true, 5.4f, 5);
    EXPECT_EQ(set.WindowCount(), 5);
    EXPECT_EQ(set.EntryCount(), 2);
    set.SetData({0, 0}, {0, 0}, {0, 0}, false, 0, 5);
    EXPECT_EQ(set.WindowCount(), 0);
    EXPECT_FALSE(set.Braindo);
}

TEST(ElementList, OneBasedPositionsRenumberAfterRemoval) {
    ElementList<Kabe_Data> walls;
    for (std::int16_t h : {1, 3, 5, 7}) {
        auto w = std::make_shared<Kabe_Data>();
        w->Houi = h;
        walls.Add(w);
    }
    walls.Remove(2);
    ASSERT_EQ(walls.Count(), 3);
    EXPECT_EQ(walls.Item(1)->Houi, 1);
    EXPECT_EQ(walls.Item(2)->Houi, 5);
    EXPECT_EQ(walls.Item(3)->Houi, 7);
    walls.Remove(0);
    walls.Remove(4);
    EXPECT_EQ(walls.Count(), 3);
}

TEST(ElementList, RecordsAreShared) {
    RoomModel room;
    room.Mado.Add(std::make_shared<Mado_Data>());
    const auto& set = room.Mado.Item(1);
    set->Braindo = true;
    EXPECT_TRUE(room.Mado.Item(1)->Braindo);
}

TEST(RoomModel, NewRoomKeepsCityAndTemperatureOnly) {
    RoomModel room;
    room.Basyo = 12;
    room.Situon = 280;
    room.Tatemono_Syurui = 9;
    room.Kanki_Basyo = 5;
    room.Hozon_Flag = true;
    room.Kouzou_Goukei = 123.0f;
    room.Kabe.Add(std::make_shared<Kabe_Data>());
    room.Mado.Add(std::make_shared<Mado_Data>());
    room.ResetForNewRoom();
    EXPECT_EQ(room.Basyo, 12);
    EXPECT_EQ(room.Situon, 280);
    EXPECT_EQ(room.Tatemono_Syurui, 1);
    EXPECT_EQ(room.Kanki_Basyo, 2);
    EXPECT_FALSE(room.Hozon_Flag);
    EXPECT_EQ(room.Kouzou_Goukei, 123.0f);
    EXPECT_TRUE(room.Kabe.empty());
    EXPECT_TRUE(room.Mado.empty());
    EXPECT_EQ(room.Hakunetutou_Syurui, 3);
    EXPECT_EQ(room.Syoumei_Syuturyoku, 1000);
    EXPECT_EQ(room.Kanki_Entarupi, 4);
}

}  // namespace
}  // namespace karumoa::model
