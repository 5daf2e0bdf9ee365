#pragma once

// The room's fields in one table: each scalar setting of the room model
// with its member, its name in messages and the values it may hold, and the
// limits of the wall and window records' fields. The dialogs check what
// they store against these ranges and the project file reader accepts
// exactly these ranges, so a room one of them accepts is never refused by
// the other.

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/room_model.h"

namespace karumoa::model {

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The values a field may hold, min and max included unless `minOpen`
// (K and the conductivities must be positive) or `maxOpen`. An infinite
// bound leaves only the limit of the field's type. The unit is for
// messages.
struct ValueRange {
    double min = -kUnbounded;
    double max = kUnbounded;
    bool minOpen = false;
    std::string_view unit = {};
    bool maxOpen = false;

    constexpr bool Contains(double v) const {
        return (minOpen ? v > min : v >= min) && (maxOpen ? v < max : v <= max);
    }
};

// The range as messages state it: "0〜99999 W", "1 以上", "0 より大きく
// 400 未満 kcal/mh℃".
std::string RangeText(const ValueRange& range);

// A setting's member of RoomModel; which alternative it is gives the
// setting's type (8-bit unsigned, 16-bit, 32-bit, single, Boolean).
using SettingMember =
    std::variant<std::uint8_t RoomModel::*, std::int16_t RoomModel::*, std::int32_t RoomModel::*,
                 float RoomModel::*, bool RoomModel::*>;

struct RoomSetting {
    std::string_view member;  // the member's name, "Soutou_Ninzuu"
    std::string_view name;    // the setting as messages name it, "面積あたりの人数"
    SettingMember field;
    ValueRange range;  // unused for Booleans
};

// The 28 scalar settings, in the order of the room model: the indoor
// temperature, which the project file does not carry, then the 27 fields
// of the file's conditions line in file order.
//
// Each range is what the program's dialogs can store. Where a dialog can
// store less than the range, the range keeps what saved files hold: 0 and
// the values below 0.01 persons per m2 (the occupant dialog stores 0.01 to
// 2, a new room holds 0); any illuminance record (the lighting dialog
// offers those of its table, which the file cannot know); any whole tenth
// of a degree (the indoor dialog steps by 0.5 degrees).
inline constexpr std::array<RoomSetting, 28> kRoomSettings{{
    // Indoor dialog's spinner, 22.0 to 32.0 degrees C in tenths.
    {"Situon", "室内温度", &RoomModel::Situon, {220, 320}},
    // The 14 cities of the outdoor dialog.
    {"Basyo", "外気条件の地域", &RoomModel::Basyo, {0, 13}},
    // Occupant dialog: building types 1..8 and direct input 9, place 1 or
    // 2, persons per m2 "#.##" up to 2, head count "####", the equivalent
    // place 0..7.
    {"Tatemono_Syurui", "人体の建物種類", &RoomModel::Tatemono_Syurui, {1, 9}},
    {"Situnai_Syurui", "人体の場所", &RoomModel::Situnai_Syurui, {1, 2}},
    {"Soutou_Ninzuu", "面積あたりの人数", &RoomModel::Soutou_Ninzuu, {0, 2, false, "人/㎡"}},
    {"Jitu_Ninzuu", "実人数", &RoomModel::Jitu_Ninzuu, {0, 9999, false, "人"}},
    {"Ninzuu_Flag", "人数の入力方法", &RoomModel::Ninzuu_Flag, {0, 1}},
    {"Soutou_Basyo", "相当場所", &RoomModel::Soutou_Basyo, {0, 7}},
    // Lighting dialog: an illuminance record, tabs 1..7, five methods,
    // four fluorescent fixtures, five incandescent lamps, lamp counts
    // "###", total output "#####" (stored as typed, before the register
    // check), five fluorescent shares.
    {"Syoudo", "照度", &RoomModel::Syoudo, {0, kUnbounded}},
    {"Syoudo_Syurui", "照度の建物種類", &RoomModel::Syoudo_Syurui, {1, 7}},
    {"Syoumei_housiki", "照明方式", &RoomModel::Syoumei_housiki, {0, 4}},
    {"Syoumei_Syurui", "照明の種類", &RoomModel::Syoumei_Syurui, {0, 1}},
    {"Keikoutou_Syurui", "蛍光灯の器具", &RoomModel::Keikoutou_Syurui, {0, 3}},
    {"Hakunetutou_Syurui", "白熱灯の種類", &RoomModel::Hakunetutou_Syurui, {0, 4}},
    {"Keikoutou_Kazu", "蛍光灯の数", &RoomModel::Keikoutou_Kazu, {0, 999}},
    {"Hakunetutou_Kazu", "白熱灯の数", &RoomModel::Hakunetutou_Kazu, {0, 999}},
    {"Syoumei_Konzai", "両種の混在", &RoomModel::Syoumei_Konzai, {0, 1}},
    {"Syuturyoku_Nyuuryoku", "全出力での入力", &RoomModel::Syuturyoku_Nyuuryoku, {0, 1}},
    {"Syoumei_Syuturyoku", "照明の全出力", &RoomModel::Syoumei_Syuturyoku, {0, 99999, false, "W"}},
    {"Keikoutou_wariai", "蛍光灯の割合", &RoomModel::Keikoutou_wariai, {0, 4}},
    {"Syoudo_Jidou_Tekigou", "照度の自動適合", &RoomModel::Syoudo_Jidou_Tekigou, {0, 1}},
    // Ventilation dialog: nine efficiencies, seven places or none (-1),
    // the air volume "#####".
    {"Kanki_Jidou_Tekigou", "換気の自動適合", &RoomModel::Kanki_Jidou_Tekigou, {0, 1}},
    {"Kanki_Housiki", "換気方式", &RoomModel::Kanki_Housiki, {0, 1}},
    {"Kanki_Entarupi", "エンタルピ交換効率", &RoomModel::Kanki_Entarupi, {0, 8}},
    {"Kanki_Basyo", "換気の場所", &RoomModel::Kanki_Basyo, {-1, 6}},
    {"Kanki_Saisyouti", "最小値・推奨値", &RoomModel::Kanki_Saisyouti, {0, 1}},
    {"Kanki_Fuuryou", "換気量", &RoomModel::Kanki_Fuuryou, {0, 99999, false, "㎥/h"}},
    {"Kanki_Nyuuryoku", "風量入力", &RoomModel::Kanki_Nyuuryoku, {0, 1}},
}};

// The settings of the project file's conditions line, in file order.
inline constexpr std::span<const RoomSetting> kFileSettings =
    std::span<const RoomSetting>(kRoomSettings).subspan(1);

// The setting of member `member`; a name that is not a setting's does not
// compile.
consteval const RoomSetting& Setting(std::string_view member) {
    for (const RoomSetting& s : kRoomSettings) {
        if (s.member == member) {
            return s;
        }
    }
    throw "not a setting of the room";
}

// Limits of the wall and window records' fields, as the construction and
// window dialogs enforce them.
inline constexpr ValueRange kKabeSunpou{1000, 100000, false, "mm"};  // wall width and height
// The roof's and floor's plan sides are the walls' widths; the file is
// only held to a positive size there.
inline constexpr ValueRange kYaneSunpou{1, 100000, false, "mm"};
inline constexpr ValueRange kSouAtusa{3, 300, false, "mm"};  // layer thickness
// The layers' conductivities, kcal/(m h C), as the conductivity table may
// list them: positive, so that R = sum of t/lambda is finite, and below
// what any building material (the metals included) reaches.
inline constexpr ValueRange kNetuDendouritu{0, 400, true, "kcal/mh℃", true};
// Surface resistances that R adds to the layers' t/lambda, m2 h C/kcal:
// with an air layer in the construction, and without.
inline constexpr double kKuukiTeikou = 0.375;
inline constexpr double kHyoumenTeikou = 0.175;
// K = 1 / (surface resistance + sum of t/lambda): positive, and never above
// what the smaller surface resistance alone gives, as every layer adds
// some resistance. A K beyond it cannot come from the dialog; it would
// only make loads that overflow.
inline constexpr ValueRange kNetukanryuu{0, 1.0 / kHyoumenTeikou, true, "kcal/㎡h℃"};
// The window dialog's sliders, and its count field "###".
inline constexpr ValueRange kMadoYoko{500, 10000, false, "mm"};
inline constexpr ValueRange kMadoTate{300, 5000, false, "mm"};
inline constexpr ValueRange kMadoKazu{1, 999, false, "個"};

}  // namespace karumoa::model
