#include "fixture_rooms.h"

#include <algorithm>
#include <array>
#include <limits>
#include <variant>

#include "model/codes.h"
#include "model/room_fields.h"
#include "text/number_text.h"

namespace karumoa::project::testing {
namespace {

using model::Kabe_Data;
using model::Mado_Data;
using model::RoomModel;

// Materials of the conductivity table (name and conductivity text).
const Layer kTile{"タイル", "1.1", 10};
const Layer kMortar{"セメントモルタル", "1.3", 20};
const Layer kConcrete{"普通コンクリート", "1.4", 150};
const Layer kXps3{"押出法ポリスチレン3種", "0.024", 25};
const Layer kGypsum{"せっこうボード", "0.19", 12};
const Layer kVinylTile{"ビニル床タイル", "0.16", 3};
const Layer kPlywood{"合板", "0.14", 12};
const Layer kGlassWool16{"グラスウール16K", "0.039", 50};
const Layer kAlc{"ALCパネル", "0.15", 100};

const std::array<Layer, 14> kMaterials{{
    kTile,
    kMortar,
    kConcrete,
    kXps3,
    kGypsum,
    kVinylTile,
    kPlywood,
    kGlassWool16,
    kAlc,
    {"杉・ひのき", "0.10", 0},
    {"土(ローム質)", "0.86", 0},
    {"ビーズ法ポリスチレン特号", "0.029", 0},
    {"硬質ウレタンフォーム板", "0.021", 0},
    {"花崗岩", "2.5", 0},
}};

Layer With(Layer l, std::int16_t atusa) {
    l.atusa = atusa;
    return l;
}

float Netu(const Layer& l) {
    return static_cast<float>(text::LeadingNumber(l.netu_text));
}

// The value a single has after a trip through the file.
float Canonical(float v) {
    return static_cast<float>(*text::ParseNumberField(text::FileNumber(v)));
}

int Uniform(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

bool Chance(std::mt19937& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}

template <class T>
T Int(std::mt19937& rng, int lo, int hi) {
    return static_cast<T>(Uniform(rng, lo, hi));
}

// A value a setting may hold: any of an integer's, a single of at most
// two decimals as the dialogs type them, either Boolean.
void RandomSetting(std::mt19937& rng, const model::ValueRange&, bool& out) {
    out = Chance(rng, 0.5);
}
void RandomSetting(std::mt19937& rng, const model::ValueRange& range, float& out) {
    const int hundredths =
        Uniform(rng, static_cast<int>(range.min * 100), static_cast<int>(range.max * 100));
    out = Canonical(static_cast<float>(hundredths / 100.0));
}
template <class T>
void RandomSetting(std::mt19937& rng, const model::ValueRange& range, T& out) {
    const double lo = std::max(range.min, static_cast<double>(std::numeric_limits<T>::min()));
    const double hi = std::min(range.max, static_cast<double>(std::numeric_limits<T>::max()));
    out = static_cast<T>(Uniform(rng, static_cast<int>(lo), static_cast<int>(hi)));
}

}  // namespace

float DialogK(const std::vector<Layer>& layers, bool kuuki) {
    float r = 0.0f;
    for (const Layer& l : layers) {
        r = static_cast<float>(static_cast<double>(r) +
                               l.atusa / 1000.0 / static_cast<double>(Netu(l)));
    }
    r = static_cast<float>(static_cast<double>(r) + (kuuki ? 0.375 : 0.175));
    return static_cast<float>(1.0 / static_cast<double>(r));
}

std::shared_ptr<Kabe_Data> MakeConstruction(const std::vector<Layer>& layers, std::int32_t yoko,
                                            std::int32_t tate, std::int16_t houi, bool kuuki,
                                            std::int16_t zokusei) {
    Kabe_Data::Zai_Array zai(layers.size() + 2);
    Kabe_Data::Netu_Array netu(layers.size() + 2, 0.0f);
    Kabe_Data::Atusa_Array atusa(layers.size() + 2, 0);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        zai[i + 1] = layers[i].zai;
        netu[i + 1] = Netu(layers[i]);
        atusa[i + 1] = layers[i].atusa;
    }
    auto k = std::make_shared<Kabe_Data>();
    k->SetData(zai, netu, atusa, yoko, tate, houi, kuuki, DialogK(layers, kuuki), zokusei);
    return k;
}

std::shared_ptr<Mado_Data> MakeWindows(const std::vector<WindowEntry>& entries, bool braindo,
                                       std::int16_t houi) {
    Mado_Data::Array tate(entries.size() + 2, 0);
    Mado_Data::Array yoko(entries.size() + 2, 0);
    Mado_Data::Array kazu(entries.size() + 2, 0);
    float menseki = 0.0f;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        tate[i + 1] = entries[i].tate;
        yoko[i + 1] = entries[i].yoko;
        kazu[i + 1] = entries[i].kazu;
        menseki = static_cast<float>(static_cast<double>(menseki) + entries[i].yoko / 1000.0 *
                                                                        entries[i].tate / 1000.0 *
                                                                        entries[i].kazu);
    }
    auto m = std::make_shared<Mado_Data>();
    m->SetData(tate, yoko, kazu, braindo, menseki, houi);
    return m;
}

std::shared_ptr<Mado_Data> NewWallWindows(std::int16_t houi) {
    auto m = std::make_shared<Mado_Data>();
    m->SetData({0, 0}, {0, 0}, {0, 0}, true, 0.0f, houi);
    return m;
}

void AddWall(RoomModel& room, std::shared_ptr<Kabe_Data> wall, std::shared_ptr<Mado_Data> windows) {
    const std::int16_t houi = wall->Houi;
    room.Kabe.Add(std::move(wall));
    room.Mado.Add(windows ? std::move(windows) : NewWallWindows(houi));
}

RoomModel NewRoom() {
    RoomModel room;
    room.Basyo = 5;
    room.ResetForNewRoom();
    return room;
}

RoomModel ExampleRoom() {
    RoomModel room = NewRoom();
    const std::vector<Layer> wall{kTile, kMortar, kConcrete, kXps3, kGypsum};
    AddWall(room, MakeConstruction(wall, 7200, 2700, model::kHouiKita, true));
    AddWall(room, MakeConstruction(wall, 5400, 2700, model::kHouiHigasi, true),
            MakeWindows({{1800, 1200, 1}}, false, model::kHouiHigasi));
    AddWall(room, MakeConstruction(wall, 7200, 2700, model::kHouiMinami, true),
            MakeWindows({{1800, 1200, 2}, {900, 1200, 1}}, true, model::kHouiMinami));
    AddWall(room, MakeConstruction(wall, 5400, 2700, model::kHouiNisi, true));
    room.Yane.Add(MakeConstruction({kConcrete, With(kXps3, 50), With(kMortar, 30)}, 7200, 5400,
                                   model::kHouiYane, false));
    room.Yuka.Add(
        MakeConstruction({kConcrete, kMortar, kVinylTile}, 7200, 5400, model::kHouiYuka, false));
    room.Yane_Mado.Add(MakeWindows({{900, 900, 1}}, false, model::kHouiYane));
    return room;
}

RoomModel ConditionsOnlyRoom() {
    RoomModel r = NewRoom();
    r.Basyo = 13;
    r.Tatemono_Syurui = 9;
    r.Situnai_Syurui = 2;
    r.Soutou_Ninzuu = 0.25f;
    r.Jitu_Ninzuu = 12;
    r.Ninzuu_Flag = false;
    r.Soutou_Basyo = 7;
    r.Syoudo = 10;
    r.Syoudo_Syurui = 7;
    r.Syoumei_housiki = 4;
    r.Syoumei_Syurui = false;
    r.Keikoutou_Syurui = 3;
    r.Hakunetutou_Syurui = 4;
    r.Keikoutou_Kazu = 999;
    r.Hakunetutou_Kazu = 12;
    r.Syoumei_Konzai = true;
    r.Syuturyoku_Nyuuryoku = true;
    r.Syoumei_Syuturyoku = 25000;
    r.Keikoutou_wariai = 4;
    r.Syoudo_Jidou_Tekigou = false;
    r.Kanki_Jidou_Tekigou = false;
    r.Kanki_Housiki = true;
    r.Kanki_Entarupi = 8;
    r.Kanki_Basyo = -1;
    r.Kanki_Saisyouti = false;
    r.Kanki_Fuuryou = 500.0f;
    r.Kanki_Nyuuryoku = true;
    return r;
}

RoomModel OneWallRoom() {
    RoomModel room = NewRoom();
    AddWall(room, MakeConstruction({kConcrete}, 6000, 2400, model::kHouiKita, false));
    return room;
}

RoomModel DiagonalRoom() {
    RoomModel room = NewRoom();
    room.Basyo = 0;
    const std::vector<Layer> wall{kAlc, kGlassWool16, kGypsum};
    AddWall(room, MakeConstruction(wall, 6000, 3000, model::kHouiHokutou, false));
    AddWall(room, MakeConstruction(wall, 4500, 3000, model::kHouiNantou, false),
            MakeWindows({{1200, 1500, 2}}, true, model::kHouiNantou));
    AddWall(room, MakeConstruction(wall, 6000, 3000, model::kHouiNansei, false),
            MakeWindows({{2400, 1800, 1}, {600, 600, 3}}, false, model::kHouiNansei));
    AddWall(room, MakeConstruction(wall, 4500, 3000, model::kHouiHokusei, false));
    room.Yane.Add(MakeConstruction({kConcrete, kGlassWool16}, 6000, 4500, model::kHouiYane, true));
    room.Yuka.Add(MakeConstruction({kConcrete, kPlywood}, 6000, 4500, model::kHouiYuka, false));
    return room;
}

RoomModel AttributesRoom() {
    RoomModel room = NewRoom();
    room.Basyo = 9;
    const std::vector<Layer> wall{kMortar, kConcrete, kGypsum};
    AddWall(room, MakeConstruction(wall, 8000, 2600, model::kHouiKita, false, 0),
            MakeWindows({{1800, 1200, 3}}, true, model::kHouiKita));
    AddWall(room, MakeConstruction(wall, 8000, 2600, model::kHouiMinami, false, 1),
            MakeWindows({{2000, 2000, 1}}, false, model::kHouiMinami));
    AddWall(room, MakeConstruction(wall, 6000, 2600, model::kHouiHigasi, false, 2),
            MakeWindows({{500, 300, 20}}, true, model::kHouiHigasi));
    // West wall: windows added and deleted again, which clears the blinds.
    auto deleted = std::make_shared<Mado_Data>();
    deleted->SetData({0, 0}, {0, 0}, {0, 0}, false, 0.0f, model::kHouiNisi);
    AddWall(room, MakeConstruction(wall, 6000, 2600, model::kHouiNisi, false, 3), deleted);
    room.Yane.Add(MakeConstruction({kConcrete}, 8000, 6000, model::kHouiYane, false, 2));
    room.Yuka.Add(MakeConstruction({kConcrete}, 8000, 6000, model::kHouiYuka, false, 1));
    room.Yane_Mado.Add(MakeWindows({{1000, 1000, 2}, {600, 400, 1}}, true, model::kHouiYane));
    return room;
}

RoomModel RandomRoom(std::mt19937& rng, bool canonical) {
    RoomModel r = NewRoom();
    for (const model::RoomSetting& setting : model::kFileSettings) {
        std::visit([&](auto member) { RandomSetting(rng, setting.range, r.*member); },
                   setting.field);
    }

    auto layers = [&] {
        std::vector<Layer> ls;
        const int n = Uniform(rng, 1, 6);
        for (int i = 0; i < n; ++i) {
            Layer l = kMaterials[static_cast<std::size_t>(
                Uniform(rng, 0, static_cast<int>(kMaterials.size()) - 1))];
            l.atusa = Int<std::int16_t>(rng, 3, 300);
            // Texts the format must carry inside quotes.
            if (Chance(rng, 0.05)) {
                l.zai = Chance(rng, 0.5) ? "a,b" : (Chance(rng, 0.5) ? "" : " blank ");
            }
            ls.push_back(l);
        }
        return ls;
    };
    auto construction = [&](std::int32_t yoko, std::int32_t tate, std::int16_t houi, int zmax) {
        auto k = MakeConstruction(layers(), yoko, tate, houi, Chance(rng, 0.5),
                                  Int<std::int16_t>(rng, 0, zmax));
        if (canonical) {
            k->Netukanryuu = Canonical(k->Netukanryuu);
        }
        return k;
    };
    // Window types that fit the element, until its area would be exceeded.
    auto windows = [&](const Kabe_Data& host, int minEntries, std::int16_t houi) {
        std::vector<WindowEntry> entries;
        const int n = Uniform(rng, minEntries, 4);
        double area = 0.0;
        const double limit = host.Yoko / 1000.0 * host.Tate / 1000.0;
        for (int i = 0; i < n; ++i) {
            WindowEntry e{Int<std::int16_t>(rng, 500, std::min(10000, host.Yoko)),
                          Int<std::int16_t>(rng, 300, std::min(5000, host.Tate)),
                          Int<std::int16_t>(rng, 1, 3)};
            const bool required = entries.empty() && minEntries > 0;
            if (required) {
                e.kazu = 1;  // one window that fits the element fits its area
            }
            const double a = e.yoko / 1000.0 * e.tate / 1000.0 * e.kazu;
            if (area + a > limit * 0.999 && !required) {
                break;
            }
            area += a;
            entries.push_back(e);
        }
        auto m = MakeWindows(entries, Chance(rng, 0.5), houi);
        if (canonical) {
            m->Menseki = Canonical(m->Menseki);
        }
        return m;
    };

    const int walls = Uniform(rng, 0, 4);
    std::array<std::int16_t, 4> houi{1, 3, 5, 7};
    if (Chance(rng, 0.5)) {
        houi = {2, 4, 6, 8};
    }
    std::shuffle(houi.begin(), houi.end(), rng);
    const std::int32_t tate = Uniform(rng, 1000, 100000);
    // Width by axis: opposite walls share it.
    const std::array<std::int32_t, 2> width{Uniform(rng, 1000, 100000), Uniform(rng, 1000, 100000)};
    auto widthOf = [&](int h) { return width[static_cast<std::size_t>((h - 1) / 2 % 2)]; };
    for (int p = 0; p < walls; ++p) {
        const std::int16_t h = houi[static_cast<std::size_t>(p)];
        auto wall = construction(widthOf(h), tate, h, 3);
        auto set = Chance(rng, 0.3) ? NewWallWindows(h) : windows(*wall, 0, h);
        AddWall(r, std::move(wall), std::move(set));
    }
    if (walls == 4) {
        // Roof and floor: plan width from the horizontal walls (north and
        // south, or north-east and south-west), depth from the others.
        const std::int32_t yoko = width[0];
        const std::int32_t depth = width[1];
        if (Chance(rng, 0.7)) {
            r.Yane.Add(construction(yoko, depth, model::kHouiYane, 3));
            if (Chance(rng, 0.6)) {
                r.Yane_Mado.Add(windows(*r.Yane.Item(1), 1, model::kHouiYane));
            }
        }
        if (Chance(rng, 0.7)) {
            r.Yuka.Add(construction(yoko, depth, model::kHouiYuka, 2));
        }
    }
    return r;
}

}  // namespace karumoa::project::testing
