#pragma once

// The whole result of one recalculation of the room: every term that the
// structural and internal reports print, and the four totals. The program
// computes it once per change of the room and keeps it; the report
// windows, the summaries and the printed sheets read it and never compute
// again, so what they show can never disagree with each other.

#include <optional>
#include <string>
#include <string_view>

#include "calc/kouzou_keisan.h"
#include "calc/load_totals.h"
#include "calc/situnai_keisan.h"

namespace karumoa::calc {

struct RoomResults {
    double to = 0.0;  // outdoor dry-bulb temperature of the room's city, C
    StructuralLoad structural;
    InternalLoad internal;
    LoadTotals totals;  // TotalsOf(structural, internal)
};

// Both calculations for the room's city (Basyo) and indoor temperature. A
// city the table lacks (the room check refuses such a room) reads 0 C.
RoomResults ComputeRoomResults(const model::RoomModel& room, const refdb::ReferenceData& refs);
// The same with the structural grids read beforehand, for many rooms
// against the same tables; the results are identical.
RoomResults ComputeRoomResults(const model::RoomModel& room, const refdb::ReferenceData& refs,
                               const StructuralTables& tables);

// What the program does after every change of the room: computes the
// results and stores their totals in the room (StoreTotals).
RoomResults Recalculate(model::RoomModel& room, const refdb::ReferenceData& refs);

// The first term of the results that is not a finite number, named as the
// reports label it ("北の壁の qw (10時)", "換気熱量 qv", "負荷合計"), or
// nullopt when every term is finite. The elements come before the sums
// built on them, so the name points at where the overflow starts. A room
// the program itself builds never gets here; a load that overflows
// single precision must still never be shown as a number.
std::optional<std::string> NonFiniteTerm(const RoomResults& results);
// The sentence that tells the designer so, naming the term.
std::string NonFiniteMessage(std::string_view term);

}  // namespace karumoa::calc
