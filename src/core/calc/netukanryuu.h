#pragma once

// Heat transmission coefficient of a construction (precision rules in
// calc/calc.h).

#include <cstdint>
#include <span>

namespace karumoa::calc {

// Thermal resistance R of the layer arrays (entry-array convention: slot 0
// and the last slot are empty and skipped; thickness in mm, conductivity in
// kcal/(m h C)): R = sum of (t / 1000) / lambda, each quotient in double and
// R rounded to single after each addition, then the surface resistance
// (model::kKuukiTeikou or kHyoumenTeikou) added and rounded to single. A conductivity of 0 makes R
// infinite; the construction dialog refuses such layers.
float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki);

// K = 1 / R in single precision, kcal/(m2 h C). 100 mm of conductivity 1.2
// without air layer gives 3.871.
float Netukanryuu_Keisan(std::span<const float> Netu, std::span<const std::int16_t> Atusa,
                         bool kuuki);

}  // namespace karumoa::calc
