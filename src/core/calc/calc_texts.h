#pragma once

// The item texts the load calculations take their constants from. They are
// data of the calculation, not captions: a constant is the leading number
// of its text, and the reports print the texts as they stand, so the
// dialogs, the calculations and the reports must all use these.

#include <array>
#include <string_view>

#include "model/condition_texts.h"

namespace karumoa::calc {

// The lighting constant table, looked up by offset: the utilisation factor
// K of lighting method 0..4 at 0..4, the fluorescent fixture wattage of
// fixture 0..3 at 5..8, the incandescent lamp wattage of lamp 0..4 at
// 9..13, the fluorescent share of share item 0..4 at 14..18.
inline constexpr std::array<std::string_view, 19> kSyoumeiRituTexts{
    "0.8", "0.7", "0.65", "0.6", "0.5",   // K by lighting method
    "80",  "40",  "40",   "20",           // fluorescent fixtures, W
    "20",  "40",  "60",   "100", "200",   // incandescent lamps, W
    "0.9", "0.7", "0.5",  "0.3", "0.1"};  // fluorescent share
inline constexpr int kHousikiOffset = 0;
inline constexpr int kKeikoutouOffset = 5;
inline constexpr int kHakunetutouOffset = 9;
inline constexpr int kWariaiOffset = 14;

// Lighting methods (`Syoumei_housiki`).
inline constexpr std::array<std::string_view, 5> kHousikiItems{"直接", "半直接", "全般拡散",
                                                               "半間接", "間接"};
// Fluorescent fixtures (`Keikoutou_Syurui`).
inline constexpr std::array<std::string_view, 4> kKeikoutouItems{"40W×2", "40W×1", "20W×2",
                                                                 "20W×1"};
// Incandescent lamps (`Hakunetutou_Syurui`).
inline constexpr std::array<std::string_view, 5> kHakunetutouItems{"20W", "40W", "60W", "100W",
                                                                   "200W"};
// Fluorescent : incandescent share when mixing (`Keikoutou_wariai`). The
// fourth item really ends in two blanks.
inline constexpr std::array<std::string_view, 5> kWariaiItems{"9 : 1", "7 : 3", "5 : 5", "3 : 7  ",
                                                              "1 : 9"};
// Enthalpy exchange efficiency (`Kanki_Entarupi`); index 4 is the standard.
inline constexpr std::array<std::string_view, 9> kEntarupiItems{
    "0.4", "0.45", "0.5", "0.55", "0.6", "0.65", "0.7", "0.75", "0.8"};
inline constexpr int kEntarupiHyoujyun = 4;

// Item `index` of a list, or an empty text when the index is out of range.
using model::ItemText;

// The constants that depend on the lamp type, with the texts the internal
// load report prints for them.
struct LampConstants {
    double C;           // light loss compensation (減光補償率)
    double b;           // ballast loss factor
    double eta;         // luminous efficacy, lm/W
    double heatFactor;  // kcal/h per W of lighting power (illuminance method)
    int heatPerKw;      // kcal/h per kW of lamp output (lamp input)
    std::string_view cText;
    std::string_view bText;
    std::string_view etaText;
    std::string_view heatFactorText;
    std::string_view heatPerKwText;
    std::string_view lampName;  // "蛍光灯" / "白熱灯"
};

inline constexpr LampConstants kKeikoutou{
    .C = 1.5,
    .b = 1.2,
    .eta = 60.0,
    .heatFactor = 1.0,
    .heatPerKw = 1000,
    .cText = "1.5",
    .bText = "1.2",
    .etaText = "60",
    .heatFactorText = "1.0",
    .heatPerKwText = "1000",
    .lampName = "蛍光灯",
};
inline constexpr LampConstants kHakunetutou{
    .C = 1.0,
    .b = 1.0,
    .eta = 20.0,
    .heatFactor = 0.86,
    .heatPerKw = 860,
    .cText = "1",
    .bText = "1",
    .etaText = "20",
    .heatFactorText = "0.86",
    .heatPerKwText = "860",
    .lampName = "白熱灯",
};

constexpr const LampConstants& Lamp(bool fluorescent) {
    return fluorescent ? kKeikoutou : kHakunetutou;
}

}  // namespace karumoa::calc
