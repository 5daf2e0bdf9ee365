#include "summary/settei_rows.h"

#include <string>

#include "app/condition_texts.h"
#include "calc/situnai_keisan.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

constexpr int kJitusuuNyuuryoku = 9;  // occupant tab of direct input
constexpr int kSyoudoNyuuryoku = 7;   // lighting tab of lamp input

QString Plain(float value) {
    return QString::fromStdString(text::PlainNumber(value));
}
QString Plain(double value) {
    return QString::fromStdString(text::PlainNumber(value));
}
QString Fixed1(float value) {
    return QString::fromStdString(text::FormatFixed(value, 1));
}

const QString kLx = QStringLiteral(" lx");
const QString kRate = QStringLiteral(" (㎡/h)/h");
const QString kPerArea = QStringLiteral("人/㎡");

SetteiRow Occupants(const model::RoomModel& room, const refdb::ReferenceData* refs) {
    SetteiRow row{QStringLiteral("人体熱量"),
                  ConditionTexts::JintaiTabCaption(room.Tatemono_Syurui), QString(), QString()};
    if (room.Tatemono_Syurui != kJitusuuNyuuryoku) {
        if (refs != nullptr) {
            std::string heya;
            float hito = 0.0f;
            refs->Basyo_Kaesi(room.Tatemono_Syurui, room.Situnai_Syurui, heya, hito);
            row.condition = QString::fromStdString(heya);
            row.value = Fixed1(hito) + kPerArea;
        }
    } else if (room.Ninzuu_Flag) {
        row.condition = QStringLiteral("面積あたり");
        row.value = Fixed1(room.Soutou_Ninzuu) + kPerArea;
    } else {
        row.condition = QStringLiteral("実人数");
        row.value = QString::number(room.Jitu_Ninzuu) + QStringLiteral("人");
    }
    return row;
}

SetteiRow Lighting(const model::RoomModel& room, const refdb::ReferenceData* refs) {
    SetteiRow row{QStringLiteral("照明熱量"), QString(),
                  room.Syoumei_Syurui ? QStringLiteral("蛍光灯") : QStringLiteral("白熱灯"),
                  QString()};
    if (room.Syoudo_Jidou_Tekigou) {
        // The illuminance of the occupant place, as the lighting load takes
        // it (the equivalent place's for direct input); mixing is a
        // lamp-input setting and is not shown here.
        row.setting = QStringLiteral("自動適合");
        if (refs != nullptr) {
            row.value = QString::number(calc::OccupantIlluminance(room, *refs)) + kLx;
        }
        return row;
    }
    row.setting = ConditionTexts::SyoudoTabCaption(room.Syoudo_Syurui);
    if (room.Syoudo_Syurui == kSyoudoNyuuryoku) {
        row.value = QStringLiteral("設定値");
        if (room.Syoumei_Konzai) {
            row.condition = QStringLiteral("混在");
        }
    } else if (refs != nullptr) {
        row.value = QString::number(calc::ChosenIlluminance(room, *refs)) + kLx;
    }
    return row;
}

SetteiRow Ventilation(const model::RoomModel& room, const refdb::ReferenceData* refs) {
    SetteiRow row{QStringLiteral("換気熱量"), QString(),
                  room.Kanki_Housiki ? QStringLiteral("普通換気") : QStringLiteral("空調換気"),
                  QString()};
    if (room.Kanki_Nyuuryoku) {
        row.setting = QStringLiteral("換気量を入力");
        row.value = Plain(room.Kanki_Fuuryou) + kRate;
    } else if (room.Kanki_Jidou_Tekigou) {
        row.setting = QStringLiteral("自動適合");
        if (refs != nullptr) {
            row.value = Plain(calc::OccupantVentilationRate(room, *refs)) + kRate;
        }
    } else {
        // No place chosen (-1) names no place and a rate of 0.
        row.setting = ConditionTexts::KankiPlace(room.Kanki_Basyo);
        if (refs != nullptr) {
            row.value = Plain(calc::ChosenVentilationRate(room, *refs)) + kRate;
        }
    }
    return row;
}

}  // namespace

std::array<SetteiRow, 5> SetteiRows(const model::RoomModel& room,
                                    const refdb::ReferenceData* refs) {
    return {
        SetteiRow{QStringLiteral("外気条件"), ConditionTexts::CityName(room.Basyo), QString(),
                  QString()},
        SetteiRow{QStringLiteral("室内条件"), Plain(room.Situon / 10.0) + QStringLiteral("℃"),
                  QString(), QString()},
        Occupants(room, refs),
        Lighting(room, refs),
        Ventilation(room, refs),
    };
}

}  // namespace karumoa::gui
