// Read and write times of the bundled example room: four walls of five
// layers, windows on two of them, roof with a skylight, floor.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "model/room_model.h"
#include "project/project_format.h"

namespace {

std::string ExampleBytes() {
    std::ifstream in(std::string(KARUMOA_SOURCE_DIR) + "/examples/example-room.kmd",
                     std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void BM_ReadProject(benchmark::State& state) {
    const std::string bytes = ExampleBytes();
    for (auto _ : state) {
        karumoa::model::RoomModel room;
        const bool ok = karumoa::project::ReadProject(bytes, room);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(room);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadProject);

void BM_WriteProject(benchmark::State& state) {
    karumoa::model::RoomModel room;
    if (!karumoa::project::ReadProject(ExampleBytes(), room)) {
        state.SkipWithError("example room does not read");
        return;
    }
    std::string bytes;
    for (auto _ : state) {
        const bool ok = karumoa::project::WriteProject(room, bytes);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_WriteProject);

}  // namespace
