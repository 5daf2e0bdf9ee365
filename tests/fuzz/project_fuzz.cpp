// libFuzzer target of the project file reader. For every input the reader
// accepts:
//   - the writer writes the room (the reader only takes what it can write),
//   - the file written reads again, to the same room with each single as
//     the file's seven digits carry it,
//   - writing that room again gives the same bytes,
//   - a room the loaded tables can serve has loads that are all finite.
// A refused input must give a message. Anything else is a finding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/room_results.h"
#include "fuzz_support.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "project/project_format.h"
#include "refdb/room_check.h"
#include "text/number_text.h"

namespace {

using namespace karumoa;

// `room` with every single replaced by what a trip through the file gives.
void TakeAsWritten(model::RoomModel& room) {
    for (const model::RoomSetting& setting : model::kFileSettings) {
        if (const auto* member = std::get_if<float model::RoomModel::*>(&setting.field)) {
            room.** member = text::FileRoundTrip(room.**member);
        }
    }
    for (const auto* list : {&room.Kabe, &room.Yane, &room.Yuka}) {
        for (const auto& k : *list) {
            model::Kabe_Data::Netu_Array netu = k->Netu_Kaesi();
            for (float& lambda : netu) {
                lambda = text::FileRoundTrip(lambda);
            }
            k->SetData(k->Zai_Kaesi(), netu, k->Atusa_Kaesi(), k->Yoko, k->Tate, k->Houi, k->kuuki,
                       text::FileRoundTrip(k->Netukanryuu), k->Zokusei);
        }
    }
    for (const auto* list : {&room.Mado, &room.Yane_Mado}) {
        for (const auto& m : *list) {
            m->Menseki = text::FileRoundTrip(m->Menseki);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    model::RoomModel room;
    project::ReadError error;
    if (!project::ReadProject(bytes, room, &error)) {
        if (error.Message().empty()) {
            fuzz::Finding("a refused file without a message", std::string(bytes));
        }
        return 0;
    }

    std::string first;
    project::WriteError writeError;
    if (!project::WriteProject(room, first, &writeError)) {
        fuzz::Finding("a room read cannot be written", writeError.Message());
    }
    model::RoomModel again;
    if (!project::ReadProject(first, again, &error)) {
        fuzz::Finding("a file written from a room read is refused", error.Message() + "\n" + first);
    }
    model::RoomModel expected;
    project::ReadProject(bytes, expected);
    TakeAsWritten(expected);
    if (!(again == expected)) {
        fuzz::Finding("a file written from a room read reads as another room", first);
    }
    std::string second;
    project::WriteProject(again, second);
    if (second != first) {
        fuzz::Finding("a second trip writes other bytes", first + "\n----\n" + second);
    }

    const refdb::ReferenceData& refs = fuzz::ShippedReferenceData();
    if (!refdb::CheckRoomAgainstTables(room, refs)) {
        for (const std::int16_t situon : {220, 260, 320}) {
            room.Situon = situon;
            const calc::RoomResults results = calc::ComputeRoomResults(room, refs);
            if (const auto term = calc::NonFiniteTerm(results)) {
                fuzz::Finding("a room read has a load that is not finite", *term + "\n" + first);
            }
        }
    }
    return 0;
}
