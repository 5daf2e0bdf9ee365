// Read and write times of a full room: the bundled example (four walls of
// five layers, roof with a skylight, floor) with windows on all four walls.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model/room_model.h"
#include "project/project_file.h"
#include "project/project_format.h"

namespace {

// The example has windows on its east and south walls only; the north and
// west walls get a set of two window sizes each.
std::string FullRoomBytes() {
    std::ifstream in(std::string(KARUMOA_SOURCE_DIR) + "/examples/example-room.kmd",
                     std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    karumoa::model::RoomModel room;
    if (!karumoa::project::ReadProject(s.str(), room)) {
        return {};
    }
    for (const int p : {1, 4}) {
        auto& windows = *room.Mado.Item(p);
        windows.SetData({0, 1200, 900, 0}, {0, 1800, 900, 0}, {0, 1, 2, 0}, true, 3.78f,
                        windows.Houi);
    }
    std::string bytes;
    karumoa::project::WriteProject(room, bytes);
    return bytes;
}

void BM_ReadProject(benchmark::State& state) {
    const std::string bytes = FullRoomBytes();
    if (bytes.empty()) {
        state.SkipWithError("the full room does not read");
        return;
    }
    for (auto _ : state) {
        karumoa::model::RoomModel room;
        const bool ok = karumoa::project::ReadProject(bytes, room);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(room);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadProject);

// The same room read from a file, as the command line reads each of its
// files: opening, reading and closing the file included.
void BM_ReadProjectFile(benchmark::State& state) {
    const std::string bytes = FullRoomBytes();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("bench-project-" + std::to_string(::getpid()) + ".kmd"))
                                 .string();
    std::ofstream(path, std::ios::binary) << bytes;
    for (auto _ : state) {
        karumoa::model::RoomModel room;
        const bool ok = karumoa::project::ReadProjectFile(path, room);
        if (!ok) {
            state.SkipWithError("the full room does not read from its file");
            break;
        }
        benchmark::DoNotOptimize(room);
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadProjectFile);

void BM_WriteProject(benchmark::State& state) {
    karumoa::model::RoomModel room;
    if (!karumoa::project::ReadProject(FullRoomBytes(), room)) {
        state.SkipWithError("the full room does not read");
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
