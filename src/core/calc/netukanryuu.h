#pragma once

// Heat transmission coefficient of a construction (precision rules in
// calc/calc.h).

#include <cstdint>
#include <span>
#include <vector>

#include "model/room_fields.h"

namespace karumoa::calc {

// The surface resistances live with the rule table, which bounds K by them.
using model::kHyoumenTeikou;
using model::kKuukiTeikou;

// Thermal resistance R of the layer arrays (entry-array convention: slot 0
// and the last slot are empty and skipped; thickness in mm, conductivity in
// kcal/(m h C)): R = sum of (t / 1000) / lambda, each quotient in double and
// R rounded to single after each addition, then the surface resistance
// added and rounded to single. A conductivity of 0 makes R infinite; the
// construction dialog refuses such layers.
float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki);

// K = 1 / R in single precision, kcal/(m2 h C). 100 mm of conductivity 1.2
// without air layer gives 3.871.
float Netukanryuu_Keisan(std::span<const float> Netu, std::span<const std::int16_t> Atusa,
                         bool kuuki);

// The surface resistance that R adds: kKuukiTeikou with an air layer,
// kHyoumenTeikou without.
double HyoumenTeikou(bool kuuki);

// The terms of R as NetuTeikou adds them, so that a printed derivation of
// K shows the very numbers the sum was made of.
struct NetuTeikouTerms {
    std::vector<double> layers;  // (t / 1000) / lambda of each layer, in slot order
    double surface = 0.0;        // HyoumenTeikou
};
// NetuTeikou, keeping its terms in `terms`.
float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki,
                 NetuTeikouTerms& terms);

}  // namespace karumoa::calc
