#include "sheet/summary_rows.h"

#include "calc/load_totals.h"
#include "calc/situnai_keisan.h"
#include "model/condition_texts.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::sheet {
namespace {

constexpr int kJitusuuNyuuryoku = 9;  // occupant tab of direct input
constexpr int kSyoudoNyuuryoku = 7;   // lighting tab of lamp input

constexpr std::string_view kLx = " lx";
constexpr std::string_view kRate = " (㎡/h)/h";
constexpr std::string_view kPerArea = "人/㎡";

std::string Join(std::string text, std::string_view unit) {
    text += unit;
    return text;
}

SetteiRow Occupants(const model::RoomModel& room, const refdb::ReferenceData* refs) {
    SetteiRow row{"人体熱量",
                  std::string(model::ItemText(model::kJintaiTabs, room.Tatemono_Syurui - 1)),
                  {},
                  {}};
    if (room.Tatemono_Syurui != kJitusuuNyuuryoku) {
        if (refs != nullptr) {
            float hito = 0.0f;
            refs->Basyo_Kaesi(room.Tatemono_Syurui, room.Situnai_Syurui, row.condition, hito);
            row.value = Join(text::FormatFixed(hito, 1), kPerArea);
        }
    } else if (room.Ninzuu_Flag) {
        row.condition = "面積あたり";
        row.value = Join(text::FormatFixed(room.Soutou_Ninzuu, 1), kPerArea);
    } else {
        row.condition = "実人数";
        row.value = Join(std::to_string(room.Jitu_Ninzuu), "人");
    }
    return row;
}

SetteiRow Lighting(const model::RoomModel& room, const refdb::ReferenceData* refs) {
    SetteiRow row{"照明熱量", {}, room.Syoumei_Syurui ? "蛍光灯" : "白熱灯", {}};
    if (room.Syoudo_Jidou_Tekigou) {
        // The illuminance of the occupant place, as the lighting load takes
        // it (the equivalent place's for direct input); mixing is a
        // lamp-input setting and is not shown here.
        row.setting = "自動適合";
        if (refs != nullptr) {
            row.value = Join(std::to_string(calc::OccupantIlluminance(room, *refs)), kLx);
        }
        return row;
    }
    row.setting = model::ItemText(model::kSyoudoTabs, room.Syoudo_Syurui - 1);
    if (room.Syoudo_Syurui == kSyoudoNyuuryoku) {
        row.value = "設定値";
        if (room.Syoumei_Konzai) {
            row.condition = "混在";
        }
    } else if (refs != nullptr) {
        row.value = Join(std::to_string(calc::ChosenIlluminance(room, *refs)), kLx);
    }
    return row;
}

SetteiRow Ventilation(const model::RoomModel& room, const refdb::ReferenceData* refs) {
    SetteiRow row{"換気熱量", {}, room.Kanki_Housiki ? "普通換気" : "空調換気", {}};
    if (room.Kanki_Nyuuryoku) {
        row.setting = "換気量を入力";
        row.value = Join(text::PlainNumber(room.Kanki_Fuuryou), kRate);
    } else if (room.Kanki_Jidou_Tekigou) {
        row.setting = "自動適合";
        if (refs != nullptr) {
            row.value = Join(text::PlainNumber(calc::OccupantVentilationRate(room, *refs)), kRate);
        }
    } else {
        // No place chosen (-1) names no place and a rate of 0.
        row.setting = model::ItemText(model::kKankiPlaces, room.Kanki_Basyo);
        if (refs != nullptr) {
            row.value = Join(text::PlainNumber(calc::ChosenVentilationRate(room, *refs)), kRate);
        }
    }
    return row;
}

}  // namespace

std::array<SetteiRow, 5> SetteiRows(const model::RoomModel& room,
                                    const refdb::ReferenceData* refs) {
    return {
        SetteiRow{
            "外気条件", std::string(model::ItemText(model::kGaikiCities, room.Basyo)), {}, {}},
        SetteiRow{"室内条件", Join(text::PlainNumber(room.Situon / 10.0), "℃"), {}, {}},
        Occupants(room, refs),
        Lighting(room, refs),
        Ventilation(room, refs),
    };
}

std::array<GoukeiRow, 4> GoukeiRows(const calc::LoadTotals& t) {
    return {{{"人体熱量", t.Jintai_Goukei},
             {"照明熱量", t.Syoumei_Goukei},
             {"換気熱量", t.Kanki_Goukei},
             {"構造体熱量", t.Kouzou_Goukei}}};
}

}  // namespace karumoa::sheet
