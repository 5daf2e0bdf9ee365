#pragma once

// The calculation document of one room (冷房負荷計算書): a title, the
// design conditions as the settings summary words them, the load total in
// kcal/h and kW, the construction of every wall, roof and floor with the
// derivation of its K, and the structural and internal load sheets as the
// report windows show them. Built as blocks of sheets from the results of
// the room's last recalculation (it computes no load itself), then laid out
// on pages; the desktop program prints it, karumoa-doc writes it as PDF.

#include <string>

#include "document/document_layout.h"

namespace karumoa::model {
struct RoomModel;
class Kabe_Data;
}  // namespace karumoa::model
namespace karumoa::refdb {
class ReferenceData;
}
namespace karumoa::calc {
struct RoomResults;
}

namespace karumoa::document {

struct DocumentInput {
    const model::RoomModel* room = nullptr;
    const calc::RoomResults* results = nullptr;  // of this room
    // Null when the tables could not be loaded: the texts that need them
    // (the city's temperatures, the places) are then left out.
    const refdb::ReferenceData* refs = nullptr;
    std::string fileName;     // the project file's name without its folder; empty: "(無題)"
    std::string dateText;     // the date printed, as it is to read
    std::string programText;  // the program's name and version
};

// The walls by orientation, then the roof, then the floor: the order of the
// structural sheet's rows, in which the construction is printed.
std::vector<const model::Kabe_Data*> ConstructionElements(const model::RoomModel& room);

// The text that stands for a room without a file.
inline constexpr std::string_view kUntitled = "(無題)";

// The blocks of the document in order, measured by `metrics`, for a
// printable area `width` twips wide: the sheets are scaled down to it.
std::vector<Block> BuildBlocks(const DocumentInput& input, const sheet::TextMetrics& metrics,
                               double width);

// The document on pages of `page`: the blocks, the pages, and on every page
// a footer with the file name and "n / N".
DocumentLayout LayOutDocument(const DocumentInput& input, const sheet::TextMetrics& metrics,
                              const PageGeometry& page);

}  // namespace karumoa::document
