#include "calc/situnai_keisan.h"

#include "calc/calc_texts.h"
#include "model/codes.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::calc {
namespace {

using model::RoomModel;
using refdb::ReferenceData;

constexpr int kJitusuuNyuuryoku = 9;  // building type "実数入力": direct input
constexpr int kSyoudoNyuuryoku = 7;   // illuminance tab "照度を入力": lamp input

// A constant of the lighting table, 0 for an offset outside it.
double SyoumeiRitu(int offset) {
    return text::LeadingNumber(ItemText(kSyoumeiRituTexts, offset));
}

// Floor area of a four-walled room from the widths of two adjacent walls.
void Yuka_Menseki(const RoomModel& room, OccupantLoad& o) {
    if (room.Kabe.Count() != 4) {
        return;
    }
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == model::kHouiKita || wall->Houi == model::kHouiHokutou) {
            o.L1 = static_cast<float>(wall->Yoko / 1000.0);
        } else if (wall->Houi == model::kHouiHigasi || wall->Houi == model::kHouiNantou) {
            o.L2 = static_cast<float>(wall->Yoko / 1000.0);
        }
    }
    o.A = o.L1 * o.L2;
}

// Per-person heats at the room temperature: each degree above 26 C moves
// 4 kcal/h from sensible to latent heat.
void Netu_Hosei(const RoomModel& room, const ReferenceData& refs, OccupantLoad& o) {
    refs.Netu_Kaesi(room.Situnai_Syurui, OccupantColumn(room), o.Kennetu, o.Sennetu);
    const double t = room.Situon / 10.0;
    const double d = (t - 26) * 4;
    o.qps = text::ToInt16(o.Kennetu - d).value_or(0);
    o.qpl = text::ToInt16(o.Sennetu + d).value_or(0);
}

void LampInput(const RoomModel& room, LightingLoad& l) {
    const LampConstants& lamp = Lamp(l.fluorescent);
    const std::int32_t P = room.Syoumei_Syuturyoku;
    if (room.Syuturyoku_Nyuuryoku && room.Syoumei_Konzai) {
        l.mode = LightingMode::OutputMixed;
        l.share = SyoumeiRitu(kWariaiOffset + room.Keikoutou_wariai);
        l.AWk = static_cast<float>(P * l.share / 1000);
        l.AWh = static_cast<float>((1 - l.share) * P / 1000);
        l.qe = l.AWh * static_cast<float>(kHakunetutou.heatPerKw) +
               l.AWk * static_cast<float>(kKeikoutou.heatPerKw);
    } else if (room.Syuturyoku_Nyuuryoku) {
        l.mode = LightingMode::OutputSingle;
        l.AW = static_cast<float>(P / 1000.0);
        l.qe = l.AW * static_cast<float>(lamp.heatPerKw);
    } else if (room.Syoumei_Konzai) {
        l.mode = LightingMode::FixturesMixed;
        const double wk = SyoumeiRitu(kKeikoutouOffset + room.Keikoutou_Syurui);
        const double wh = SyoumeiRitu(kHakunetutouOffset + room.Hakunetutou_Syurui);
        l.AWk = static_cast<float>(wk * room.Keikoutou_Kazu / 1000);
        l.AWh = static_cast<float>(wh * room.Hakunetutou_Kazu / 1000);
        l.qe = l.AWh * static_cast<float>(kHakunetutou.heatPerKw) +
               l.AWk * static_cast<float>(kKeikoutou.heatPerKw);
    } else {
        l.mode = LightingMode::FixturesSingle;
        if (l.fluorescent) {
            l.wattage = SyoumeiRitu(kKeikoutouOffset + room.Keikoutou_Syurui);
            l.count = room.Keikoutou_Kazu;
            l.fixtureText = ItemText(kKeikoutouItems, room.Keikoutou_Syurui);
        } else {
            l.wattage = SyoumeiRitu(kHakunetutouOffset + room.Hakunetutou_Syurui);
            l.count = room.Hakunetutou_Kazu;
            l.fixtureText = ItemText(kHakunetutouItems, room.Hakunetutou_Syurui);
        }
        l.qe = static_cast<float>(l.wattage * l.count / 1000 * lamp.heatPerKw);
    }
}

void IlluminanceMethod(const RoomModel& room, const ReferenceData& refs, LightingLoad& l) {
    const LampConstants& lamp = Lamp(l.fluorescent);
    l.mode = LightingMode::Illuminance;
    l.E =
        room.Syoudo_Jidou_Tekigou ? OccupantIlluminance(room, refs) : ChosenIlluminance(room, refs);
    l.K = SyoumeiRitu(kHousikiOffset + room.Syoumei_housiki);
    l.kText = text::FormatFixed(l.K, 1);
    l.C = lamp.C;
    l.b = lamp.b;
    l.eta = lamp.eta;
    l.heatFactor = lamp.heatFactor;
    // A method outside the table has no factor; it gives no power rather
    // than an infinite one.
    l.W = l.K > 0.0 ? static_cast<float>(l.C * l.b / (l.K * l.eta) * l.E) : 0.0f;
    l.qe = static_cast<float>(l.heatFactor * static_cast<double>(l.W) * static_cast<double>(l.A));
}

}  // namespace

int OccupantColumn(const RoomModel& room) {
    return room.Tatemono_Syurui == kJitusuuNyuuryoku ? room.Soutou_Basyo + 1 : room.Tatemono_Syurui;
}

std::int16_t OccupantIlluminance(const RoomModel& room, const ReferenceData& refs) {
    return refs.Syoudo_Kaesi(OccupantColumn(room), room.Situnai_Syurui);
}

float OccupantVentilationRate(const RoomModel& room, const ReferenceData& refs) {
    return refs.Kanki_kaesi(OccupantColumn(room), room.Situnai_Syurui);
}

std::int16_t ChosenIlluminance(const RoomModel& room, const ReferenceData& refs) {
    if (room.Syoudo < 0 || room.Syoudo >= refs.IlluminanceCount()) {
        return 0;
    }
    return refs.IlluminanceLevel(room.Syoudo);
}

float ChosenVentilationRate(const RoomModel& room, const ReferenceData& refs) {
    // -1: no place was chosen in the dialog; the rate is 0.
    if (room.Kanki_Basyo < 0 || room.Kanki_Basyo >= refs.KankiRyou().ColumnCount()) {
        return 0.0f;
    }
    return refs.KankiRate(room.Kanki_Saisyouti, room.Kanki_Basyo);
}

OccupantLoad ComputeOccupantLoad(const RoomModel& room, const ReferenceData& refs) {
    OccupantLoad o;
    Yuka_Menseki(room, o);
    Netu_Hosei(room, refs, o);
    if (room.Tatemono_Syurui != kJitusuuNyuuryoku) {
        o.mode = NinzuuMode::Density;
        std::string heya;
        refs.Basyo_Kaesi(room.Tatemono_Syurui, room.Situnai_Syurui, heya, o.density);
        o.NP = o.A * o.density;
    } else if (room.Ninzuu_Flag) {
        o.mode = NinzuuMode::PerArea;
        o.density = room.Soutou_Ninzuu;
        o.NP = room.Soutou_Ninzuu * o.A;
    } else {
        o.mode = NinzuuMode::HeadCount;
        o.NP = static_cast<float>(room.Jitu_Ninzuu);
    }
    o.qp = static_cast<float>(o.qpl) * o.NP + static_cast<float>(o.qps) * o.NP;
    return o;
}

LightingLoad ComputeLightingLoad(const RoomModel& room, const ReferenceData& refs, float A) {
    LightingLoad l;
    l.fluorescent = room.Syoumei_Syurui;
    l.A = A;
    if (room.Syoudo_Syurui == kSyoudoNyuuryoku && !room.Syoudo_Jidou_Tekigou) {
        LampInput(room, l);
    } else {
        IlluminanceMethod(room, refs, l);
    }
    return l;
}

VentilationLoad ComputeVentilationLoad(const RoomModel& room, const ReferenceData& refs, double to,
                                       float NP) {
    VentilationLoad v;
    const double Ti = room.Situon / 10.0;
    v.io = static_cast<float>(20.6 - (32 - to) * 0.87);
    v.ir = static_cast<float>(12.6 - (26 - Ti) * 0.62);
    v.di = v.io - v.ir;
    if (room.Kanki_Nyuuryoku) {
        v.source = VolumeSource::Direct;
        v.V = room.Kanki_Fuuryou;
    } else {
        if (room.Kanki_Jidou_Tekigou) {
            v.source = VolumeSource::OccupantPlace;
            v.rate = OccupantVentilationRate(room, refs);
        } else {
            v.source = VolumeSource::KankiPlace;
            v.rate = ChosenVentilationRate(room, refs);
        }
        v.NP = NP;
        v.V = v.rate * NP;
    }
    v.ordinary = room.Kanki_Housiki;
    v.deText = ItemText(kEntarupiItems, room.Kanki_Entarupi);
    v.de = text::LeadingNumber(v.deText);
    const double q = kGamma * static_cast<double>(v.V) * static_cast<double>(v.di);
    v.qv = static_cast<float>(v.ordinary ? q : q * (1 - v.de));
    return v;
}

InternalLoad ComputeInternalLoad(const RoomModel& room, const ReferenceData& refs, double to) {
    InternalLoad r;
    r.occupant = ComputeOccupantLoad(room, refs);
    r.lighting = ComputeLightingLoad(room, refs, r.occupant.A);
    r.ventilation = ComputeVentilationLoad(room, refs, to, r.occupant.NP);
    return r;
}

}  // namespace karumoa::calc
