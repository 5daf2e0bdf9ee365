#pragma once

// One computed room, as the report formats print it.

#include <string>
#include <string_view>

namespace karumoa::calc {
struct StructuralLoad;
struct InternalLoad;
struct LoadTotals;
struct RoomResults;
}  // namespace karumoa::calc
namespace karumoa::model {
struct RoomModel;
}
namespace karumoa::refdb {
class ReferenceData;
}

namespace karumoa::cli {

struct RoomReport {
    std::string_view file;         // as named on the command line
    std::string_view city;         // first column of the outdoor table's row
    std::string_view outdoorText;  // the 8-17 h dry-bulb text of that row
    double outdoorTemp = 0.0;      // its value, the calculations' outdoor temperature
    int situon = 260;              // indoor temperature, tenths of a degree C
    const calc::StructuralLoad* structural = nullptr;
    const calc::InternalLoad* internal = nullptr;
    const calc::LoadTotals* totals = nullptr;
    // The whole: the room as read (with the indoor temperature of the
    // command), its results and the tables they came from.
    const model::RoomModel* room = nullptr;
    const calc::RoomResults* results = nullptr;
    const refdb::ReferenceData* refs = nullptr;
};

// Appends the text report: a header naming the file and the conditions,
// the structural sheet, the internal sheet and the load total.
void AppendTextReport(std::string& out, const RoomReport& report);
// Appends the report as one JSON object and a line break.
void AppendJsonReport(std::string& out, const RoomReport& report);
// The start of a CSV report: the byte-order mark and the heading row.
void AppendCsvHeader(std::string& out);
// Appends every printed term of the room as one CSV row each.
void AppendCsvReport(std::string& out, const RoomReport& report);

}  // namespace karumoa::cli
