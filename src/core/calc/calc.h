#pragma once

// The room's cooling-load calculations: the heat transmission coefficient K
// of a construction, the structural load through walls, roof, floor and
// glass, the internal loads of occupants, lighting and ventilation, and the
// load total. All are pure functions of the room model, the reference
// tables and the outdoor dry-bulb temperature; their results keep every
// term the reports print.
//
// Precision. The results must match the loads the designers' earlier
// sheets show to the last printed digit, so the arithmetic follows fixed
// rules rather than "whatever the compiler does":
//   - Every value held as single precision (loads, areas, sums, K, NP, ...)
//     is a float, and every assignment to one rounds to single.
//   - An operation with a double operand is done in double. Decimal
//     literals (0.65, 5.6, 32.6, 0.87, 1.2, ...) are doubles, the leading-
//     number parse of a text gives a double, and an integer divided by an
//     integer with "/" gives a double (Yoko / 1000, Situon / 10).
//   - An operation between floats and integers only is done in float.
// The strict conversion warnings of the core make each of these
// conversions visible in the code as a static_cast.

#include "calc/calc_texts.h"
#include "calc/kouzou_keisan.h"
#include "calc/load_totals.h"
#include "calc/netukanryuu.h"
#include "calc/room_results.h"
#include "calc/situnai_keisan.h"
