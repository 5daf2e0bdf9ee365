#pragma once

// The two load reports as sheets. The builders only lay out and format the
// results the calculations have already produced; they compute nothing,
// so the window, the command line and the tests show the same numbers.
//
// Both builders start a new sheet at row 1 and end it where drawing ended;
// the runs are in drawing order. Measuring comes from the TextMetrics
// given (the window's font, or monospace cells for plain text).

#include "sheet/sheet.h"

namespace karumoa::calc {
struct StructuralLoad;
struct InternalLoad;
struct OccupantLoad;
struct LightingLoad;
struct VentilationLoad;
}  // namespace karumoa::calc

namespace karumoa::sheet {

// The structural load report: the wall section, then the glass section.
Sheet BuildStructuralSheet(const calc::StructuralLoad& load, const TextMetrics& metrics);
// The internal load report: occupants, lighting, ventilation.
Sheet BuildInternalSheet(const calc::InternalLoad& load, const TextMetrics& metrics);
// The same, built in the memory of a sheet no longer needed (see
// SheetWriter), for callers that build many.
Sheet BuildStructuralSheet(const calc::StructuralLoad& load, const TextMetrics& metrics,
                           Sheet&& storage);
Sheet BuildInternalSheet(const calc::InternalLoad& load, const TextMetrics& metrics,
                         Sheet&& storage);

// The sections one by one, on a writer. Kabe_Hyouji and Jintai_Hyouji
// start the sheet (measuring, row 1); the others continue from the
// writer's current row.

// Formulas, the ruled heading, one row per wall, roof and floor, the sums
// six rows below the first element row and the structural maximum; leaves
// the writer nine rows below the first element row.
void Kabe_Hyouji(SheetWriter& w, const calc::StructuralLoad& load);
// Formulas, the ruled heading, one row per glass element, the totals five
// rows below the first glass row, the window and the overall maximum.
void Garasu_Hyouji(SheetWriter& w, const calc::StructuralLoad& load);

void Jintai_Hyouji(SheetWriter& w, const calc::OccupantLoad& occupant);
void Syoumei_Hyouji(SheetWriter& w, const calc::LightingLoad& lighting);
void Kanki_Hyouji(SheetWriter& w, const calc::VentilationLoad& ventilation);

// Layout of the two ruled tables, in columns: the heading box runs from
// half a column left of column 0 to kTableRight; hour h (0..3) has its
// temperature or solar column ending at kHourColumn + 8h and its load
// column ending at kHourColumn + 5 + 8h.
inline constexpr int kTableRight = 52;
inline constexpr int kHourColumn = 23;
inline constexpr int kHourStep = 8;
// Rows below the first element row: the sums, and the start of the glass
// section; rows below the first glass row: the totals.
inline constexpr int kSumRowOffset = 6;
inline constexpr int kGlassSectionOffset = 9;
inline constexpr int kGlassTotalOffset = 5;

}  // namespace karumoa::sheet
