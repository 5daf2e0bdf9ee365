// Cost of the two report sheets of a full room (the example room: four
// walls with windows, roof, floor and skylight), of printing them as plain
// text, and of the whole per-room path of the command-line report. The
// reference tables are read once, outside the timed loops.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "calc/calc.h"
#include "model/room_model.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"
#include "sheet/plain_text.h"
#include "sheet/report_sheets.h"

namespace {

using namespace karumoa;

const std::string kExampleRoom = std::string(KARUMOA_SOURCE_DIR) + "/examples/example-room.kmd";

const refdb::ReferenceData* References() {
    static const std::optional<refdb::ReferenceData> data = [] {
        const auto dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        refdb::LoadError error;
        return refdb::ReferenceData::Load(dir.string(), &error);
    }();
    return data ? &*data : nullptr;
}

struct Results {
    calc::StructuralLoad structural;
    calc::InternalLoad internal;
};

std::optional<Results> Compute() {
    const refdb::ReferenceData* refs = References();
    model::RoomModel room;
    if (refs == nullptr || !project::ReadProjectFile(kExampleRoom, room)) {
        return std::nullopt;
    }
    const double to = refs->OutdoorDryBulb(room.Basyo);
    return Results{calc::ComputeStructuralLoad(room, *refs, to),
                   calc::ComputeInternalLoad(room, *refs, to)};
}

void BM_BothSheetsOfAFullRoom(benchmark::State& state) {
    const std::optional<Results> r = Compute();
    if (!r) {
        state.SkipWithError("example room or reference databases not found");
        return;
    }
    const sheet::MonospaceMetrics metrics;
    for (auto _ : state) {
        const sheet::Sheet kouzou = sheet::BuildStructuralSheet(r->structural, metrics);
        const sheet::Sheet situnai = sheet::BuildInternalSheet(r->internal, metrics);
        benchmark::DoNotOptimize(kouzou.runs.data());
        benchmark::DoNotOptimize(situnai.runs.data());
    }
}
BENCHMARK(BM_BothSheetsOfAFullRoom);

void BM_PlainTextOfBothSheets(benchmark::State& state) {
    const std::optional<Results> r = Compute();
    if (!r) {
        state.SkipWithError("example room or reference databases not found");
        return;
    }
    const sheet::MonospaceMetrics metrics;
    const sheet::Sheet kouzou = sheet::BuildStructuralSheet(r->structural, metrics);
    const sheet::Sheet situnai = sheet::BuildInternalSheet(r->internal, metrics);
    std::string out;
    for (auto _ : state) {
        out.clear();
        sheet::AppendPlainText(kouzou, out);
        sheet::AppendPlainText(situnai, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(out.size()));
}
BENCHMARK(BM_PlainTextOfBothSheets);

// Read, compute, build and print: what the command line does per room,
// less the table check and the output itself.
void BM_RoomToText(benchmark::State& state) {
    const refdb::ReferenceData* refs = References();
    if (refs == nullptr) {
        state.SkipWithError("reference databases not found");
        return;
    }
    const sheet::MonospaceMetrics metrics;
    std::string out;
    for (auto _ : state) {
        model::RoomModel room;
        if (!project::ReadProjectFile(kExampleRoom, room)) {
            state.SkipWithError("example room not found");
            return;
        }
        const double to = refs->OutdoorDryBulb(room.Basyo);
        out.clear();
        sheet::AppendPlainText(
            sheet::BuildStructuralSheet(calc::ComputeStructuralLoad(room, *refs, to), metrics),
            out);
        sheet::AppendPlainText(
            sheet::BuildInternalSheet(calc::ComputeInternalLoad(room, *refs, to), metrics), out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_RoomToText);

}  // namespace
