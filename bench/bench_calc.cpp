// Cost of the load calculations for a full room: four walls with windows,
// roof, floor and skylight. The reference tables are read once, from the
// databases beside the benchmark, outside the timed loops.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "calc/calc.h"
#include "model/codes.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace {

using namespace karumoa;

const refdb::ReferenceData* References() {
    static const std::optional<refdb::ReferenceData> data = [] {
        const auto dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        refdb::LoadError error;
        return refdb::ReferenceData::Load(dir.string(), &error);
    }();
    return data ? &*data : nullptr;
}

std::shared_ptr<model::Kabe_Data> Element(int houi, int yoko, int tate) {
    auto e = std::make_shared<model::Kabe_Data>();
    const std::vector<float> netu{0.0f, 1.4f, 0.043f, 0.0f};
    const std::vector<std::int16_t> atusa{0, 150, 50, 0};
    e->SetData({"", "普通コンクリート", "グラスウール10K", ""}, netu, atusa, yoko, tate,
               static_cast<std::int16_t>(houi), true, calc::Netukanryuu_Keisan(netu, atusa, true),
               0);
    return e;
}

std::shared_ptr<model::Mado_Data> Windows(int houi, float menseki) {
    auto m = std::make_shared<model::Mado_Data>();
    m->SetData({0, 1200, 0}, {0, 1800, 0}, {0, 2, 0}, true, menseki,
               static_cast<std::int16_t>(houi));
    return m;
}

model::RoomModel FullRoom() {
    model::RoomModel room;
    const int widths[] = {6000, 5000, 6000, 5000};
    const int houi[] = {model::kHouiKita, model::kHouiHigasi, model::kHouiMinami, model::kHouiNisi};
    for (int i = 0; i < 4; ++i) {
        room.Kabe.Add(Element(houi[i], widths[i], 2700));
        room.Mado.Add(Windows(houi[i], 4.32f));
    }
    room.Yane.Add(Element(model::kHouiYane, 6000, 5000));
    room.Yuka.Add(Element(model::kHouiYuka, 6000, 5000));
    room.Yane_Mado.Add(Windows(model::kHouiYane, 2.0f));
    room.Kabe.Item(4)->Zokusei = model::kZokuseiSitunai;
    return room;
}

void BM_FullRoomBothCalculations(benchmark::State& state) {
    const refdb::ReferenceData* refs = References();
    if (refs == nullptr) {
        state.SkipWithError("reference databases not found beside the benchmark");
        return;
    }
    model::RoomModel room = FullRoom();
    for (auto _ : state) {
        calc::Recalculate(room, *refs);
        benchmark::DoNotOptimize(room.Kouzou_Goukei);
    }
}
BENCHMARK(BM_FullRoomBothCalculations);

void BM_FullRoomStructural(benchmark::State& state) {
    const refdb::ReferenceData* refs = References();
    if (refs == nullptr) {
        state.SkipWithError("reference databases not found beside the benchmark");
        return;
    }
    const model::RoomModel room = FullRoom();
    const double to = refs->OutdoorDryBulb(room.Basyo);
    for (auto _ : state) {
        const calc::StructuralLoad r = calc::ComputeStructuralLoad(room, *refs, to);
        benchmark::DoNotOptimize(r.totalMax.value);
    }
}
BENCHMARK(BM_FullRoomStructural);

void BM_FullRoomInternal(benchmark::State& state) {
    const refdb::ReferenceData* refs = References();
    if (refs == nullptr) {
        state.SkipWithError("reference databases not found beside the benchmark");
        return;
    }
    const model::RoomModel room = FullRoom();
    const double to = refs->OutdoorDryBulb(room.Basyo);
    for (auto _ : state) {
        const calc::InternalLoad r = calc::ComputeInternalLoad(room, *refs, to);
        benchmark::DoNotOptimize(r.ventilation.qv);
    }
}
BENCHMARK(BM_FullRoomInternal);

void BM_Netukanryuu(benchmark::State& state) {
    const std::vector<float> netu{0.0f, 1.4f, 0.043f, 0.52f, 0.0f};
    const std::vector<std::int16_t> atusa{0, 150, 50, 12, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::Netukanryuu_Keisan(netu, atusa, true));
    }
}
BENCHMARK(BM_Netukanryuu);

}  // namespace
