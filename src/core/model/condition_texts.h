#pragma once

// The fixed item texts of the condition dialogs: the city list of the
// outdoor conditions dialog, the building-type tabs of the occupant dialog,
// the building-type tabs of the lighting dialog and the place list of the
// ventilation dialog. The dialogs fill their controls from these lists, and
// the settings summary and the calculation document read the same texts by
// index, so they can never disagree. The index of an item is the code the
// room model stores.

#include <array>
#include <string_view>

namespace karumoa::model {

// Gaiki_Combo: city n is Basyo n, also row n of the outdoor-air table.
inline constexpr std::array<std::string_view, 14> kGaikiCities{
    "鹿児島", "宮崎", "福岡", "大阪", "名古屋", "東京", "銚子",
    "前橋",   "仙台", "新潟", "秋田", "函館",   "札幌", "稚内"};

// Sentaku_Tab of the occupant dialog: tab t (1..9) at t - 1; the tab
// number is Tatemono_Syurui, tab 9 is direct input.
inline constexpr std::array<std::string_view, 9> kJintaiTabs{
    "事務所", "学校", "劇場", "図書館", "美術館", "百貨店", "レストラン", "工場", "実数入力"};

// Sentaku_Tab of the lighting dialog: tab t (1..7) at t - 1; the tab
// number is Syoudo_Syurui, tab 7 is lamp input. These building types are
// the illuminance table's own, not the occupant dialog's.
inline constexpr std::array<std::string_view, 7> kSyoudoTabs{
    "事務所", "病院", "百貨店", "ホテル", "美術館", "工場", "照度を入力"};

// List1 of the ventilation dialog: place n (0..6) is Kanki_Basyo n, also
// column n of the ventilation table.
inline constexpr std::array<std::string_view, 7> kKankiPlaces{
    "会議室", "バー、キャバレー", "事務所", "レストラン", "商店、デパート", "劇場", "病院"};

// Item `index` (0-based) of a list, or an empty text when the index is out
// of range (a code from a damaged file names nothing; a constant read from
// an empty text is 0).
template <std::size_t N>
constexpr std::string_view ItemText(const std::array<std::string_view, N>& items, int index) {
    if (index < 0 || index >= static_cast<int>(N)) {
        return {};
    }
    return items[static_cast<std::size_t>(index)];
}

}  // namespace karumoa::model
