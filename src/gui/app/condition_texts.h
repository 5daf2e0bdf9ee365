#pragma once

// The fixed item texts of the condition dialogs: the city list of the
// outdoor conditions dialog, the building-type tabs of the occupant dialog,
// the building-type tabs of the lighting dialog and the place list of the
// ventilation dialog. The dialogs fill their controls from these lists and
// the settings summary reads the same texts by index, so the two can never
// disagree. The index of an item is the code the room model stores.

#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "app/controls.h"

namespace karumoa::gui::ConditionTexts {

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

// Item `index` (0-based) of `items`, or an empty text outside the list (a
// code from a damaged file names nothing).
template <std::size_t N>
QString Item(const std::array<std::string_view, N>& items, int index) {
    if (index < 0 || index >= static_cast<int>(N)) {
        return QString();
    }
    return FromUtf8(items[static_cast<std::size_t>(index)]);
}

// All items in order, to fill a list or combo box.
template <std::size_t N>
QStringList Items(const std::array<std::string_view, N>& items) {
    QStringList list;
    for (int i = 0; i < static_cast<int>(N); ++i) {
        list.append(Item(items, i));
    }
    return list;
}

inline QString CityName(int basyo) {
    return Item(kGaikiCities, basyo);
}
// Caption of occupant tab `tab`, 1-based.
inline QString JintaiTabCaption(int tab) {
    return Item(kJintaiTabs, tab - 1);
}
// Caption of lighting tab `tab`, 1-based.
inline QString SyoudoTabCaption(int tab) {
    return Item(kSyoudoTabs, tab - 1);
}
inline QString KankiPlace(int index) {
    return Item(kKankiPlaces, index);
}

}  // namespace karumoa::gui::ConditionTexts
