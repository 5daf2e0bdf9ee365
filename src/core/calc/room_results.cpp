#include "calc/room_results.h"

#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace karumoa::calc {
namespace {

double OutdoorOf(const model::RoomModel& room, const refdb::ReferenceData& refs) {
    return room.Basyo < refs.CityCount() ? refs.OutdoorDryBulb(room.Basyo) : 0.0;
}

// `tables` is StructuralTables or ReferenceData: both calculations of
// ComputeStructuralLoad give the same result.
template <class Tables>
RoomResults Compute(const model::RoomModel& room, const refdb::ReferenceData& refs,
                    const Tables& tables) {
    RoomResults r;
    r.to = OutdoorOf(room, refs);
    r.structural = ComputeStructuralLoad(room, tables, r.to);
    r.internal = ComputeInternalLoad(room, refs, r.to);
    r.totals = TotalsOf(r.structural, r.internal);
    return r;
}

}  // namespace

RoomResults ComputeRoomResults(const model::RoomModel& room, const refdb::ReferenceData& refs) {
    return Compute(room, refs, refs);
}

RoomResults ComputeRoomResults(const model::RoomModel& room, const refdb::ReferenceData& refs,
                               const StructuralTables& tables) {
    return Compute(room, refs, tables);
}

RoomResults Recalculate(model::RoomModel& room, const refdb::ReferenceData& refs) {
    RoomResults r = ComputeRoomResults(room, refs);
    StoreTotals(room, r.totals);
    return r;
}

}  // namespace karumoa::calc
