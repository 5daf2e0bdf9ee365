// The room check against the loaded tables: every stored table index the
// tables lack refuses the room with the field and the table named.

#include <gtest/gtest.h>

#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "refdb/room_check.h"
#include "test_support.h"

namespace karumoa::refdb {
namespace {

using testing::Shipped;

// Expects the room to be refused with a message naming `field` and `table`.
void ExpectRefused(const model::RoomModel& room, const std::string& field, const std::string& table,
                   const ReferenceData& data = Shipped()) {
    const std::optional<std::string> message = CheckRoomAgainstTables(room, data);
    ASSERT_TRUE(message) << field;
    EXPECT_NE(message->find(field + " = "), std::string::npos) << *message;
    EXPECT_NE(message->find("テーブル「" + table + "」"), std::string::npos) << *message;
}

void ExpectAccepted(const model::RoomModel& room) {
    const std::optional<std::string> message = CheckRoomAgainstTables(room, Shipped());
    EXPECT_FALSE(message) << *message;
}

TEST(RoomCheck, NewRoomAndEveryValidIndexPass) {
    model::RoomModel room;
    ExpectAccepted(room);
    room.Basyo = 13;
    room.Syoudo = 9;
    room.Tatemono_Syurui = 8;
    room.Soutou_Basyo = 7;
    room.Situnai_Syurui = 2;
    room.Kanki_Basyo = 6;
    ExpectAccepted(room);
    room.Basyo = 0;
    room.Syoudo = 0;
    room.Tatemono_Syurui = 9;  // direct input reads no column
    room.Soutou_Basyo = 0;
    room.Situnai_Syurui = 0;  // the look-ups read nothing
    room.Kanki_Basyo = -1;    // no ventilation place chosen
    ExpectAccepted(room);
}

TEST(RoomCheck, IndexesBeyondTheTablesAreRefused) {
    const auto refused = [](auto change, const std::string& field, const std::string& table) {
        model::RoomModel room;
        change(room);
        ExpectRefused(room, field, table);
    };
    refused([](model::RoomModel& r) { r.Basyo = 14; }, "Basyo", "Gaiki");
    refused([](model::RoomModel& r) { r.Syoudo = 10; }, "Syoudo", "Syoudo");
    refused([](model::RoomModel& r) { r.Syoudo = -1; }, "Syoudo", "Syoudo");
    refused([](model::RoomModel& r) { r.Tatemono_Syurui = 0; }, "Tatemono_Syurui",
            "Kyojyuu_Ninzuu");
    refused([](model::RoomModel& r) { r.Tatemono_Syurui = 10; }, "Tatemono_Syurui",
            "Kyojyuu_Ninzuu");
    refused([](model::RoomModel& r) { r.Soutou_Basyo = 8; }, "Soutou_Basyo", "Kyojyuu_Ninzuu");
    refused([](model::RoomModel& r) { r.Soutou_Basyo = -1; }, "Soutou_Basyo", "Kyojyuu_Ninzuu");
    refused([](model::RoomModel& r) { r.Situnai_Syurui = 3; }, "Situnai_Syurui", "Kyojyuu_Ninzuu");
    refused([](model::RoomModel& r) { r.Situnai_Syurui = -1; }, "Situnai_Syurui", "Kyojyuu_Ninzuu");
    refused([](model::RoomModel& r) { r.Kanki_Basyo = 7; }, "Kanki_Basyo", "KankiRyou");
    refused([](model::RoomModel& r) { r.Kanki_Basyo = -2; }, "Kanki_Basyo", "KankiRyou");
}

TEST(RoomCheck, FollowsTheTablesActuallyLoaded) {
    // An illuminance table of three levels: the default Syoudo 1 passes,
    // level 3 does not; the message gives the valid span.
    std::array<Table, 7> tables = testing::ShippedTables();
    tables[5] = testing::FirstRows(tables[5], 3);
    LoadError error;
    const std::optional<ReferenceData> data = ReferenceData::FromTables(tables, &error);
    ASSERT_TRUE(data) << error.message;
    model::RoomModel room;
    EXPECT_FALSE(CheckRoomAgainstTables(room, *data));
    room.Syoudo = 3;
    ExpectRefused(room, "Syoudo", "Syoudo", *data);
    EXPECT_NE(CheckRoomAgainstTables(room, *data)->find("0〜2"), std::string::npos);
}

}  // namespace
}  // namespace karumoa::refdb
