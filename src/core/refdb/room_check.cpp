#include "refdb/room_check.h"

#include <algorithm>

#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace karumoa::refdb {
namespace {

// Building type 9 is direct input and reads no column of the occupant
// table; 1..8 are its columns; the equivalent place of direct input is one
// of those eight building types.
constexpr int kDirectInput = 9;
constexpr int kBuildingTypes = 8;

std::string Refusal(const char* label, const char* field, int value, const Table& table,
                    const std::string& valid) {
    return std::string("部屋データの") + label + "（" + field + " = " + std::to_string(value) +
           "）は参照データファイル「" + table.File() + "」のテーブル「" + table.Name() +
           "」にありません（" + valid + "）。";
}

std::string Span(int first, int last) {
    return std::to_string(first) + "〜" + std::to_string(last);
}

}  // namespace

std::optional<std::string> CheckRoomAgainstTables(const model::RoomModel& room,
                                                  const ReferenceData& data) {
    if (room.Basyo >= data.CityCount()) {
        return Refusal("地点", "Basyo", room.Basyo, data.Gaiki(), Span(0, data.CityCount() - 1));
    }
    if (room.Syoudo < 0 || room.Syoudo >= data.IlluminanceCount()) {
        return Refusal("照度", "Syoudo", room.Syoudo, data.Syoudo(),
                       Span(0, data.IlluminanceCount() - 1));
    }
    const Table& occupants = data.Kyojyuu_Ninzuu();
    const int lastType = std::min(kBuildingTypes, occupants.ColumnCount() - 1);
    const int type = room.Tatemono_Syurui;
    if (type != kDirectInput && (type < 1 || type > lastType)) {
        return Refusal("建物種類", "Tatemono_Syurui", type, occupants,
                       Span(1, lastType) + "、" + std::to_string(kDirectInput));
    }
    if (room.Soutou_Basyo < 0 || room.Soutou_Basyo + 1 > lastType) {
        return Refusal("相当場所", "Soutou_Basyo", room.Soutou_Basyo, occupants,
                       Span(0, lastType - 1));
    }
    // Place 0 is allowed: the occupant look-ups then read nothing.
    if (room.Situnai_Syurui < 0 || room.Situnai_Syurui > ReferenceData::kPlaceCount) {
        return Refusal("場所", "Situnai_Syurui", room.Situnai_Syurui, occupants,
                       Span(0, ReferenceData::kPlaceCount));
    }
    // -1 means no ventilation place is chosen.
    const int places = data.KankiRyou().ColumnCount();
    if (room.Kanki_Basyo < -1 || room.Kanki_Basyo >= places) {
        return Refusal("換気の場所", "Kanki_Basyo", room.Kanki_Basyo, data.KankiRyou(),
                       Span(-1, places - 1));
    }
    return std::nullopt;
}

}  // namespace karumoa::refdb
