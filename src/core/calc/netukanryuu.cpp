#include "calc/netukanryuu.h"

#include <algorithm>

namespace karumoa::calc {

float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki,
                 NetuTeikouTerms* terms) {
    float R = 0.0f;
    // Layers occupy slots 1 .. size - 2 of the parallel arrays.
    const std::size_t end = std::min(Netu.size(), Atusa.size());
    for (std::size_t i = 1; i + 1 < end; ++i) {
        const double quotient = (Atusa[i] / 1000.0) / static_cast<double>(Netu[i]);
        R = static_cast<float>(static_cast<double>(R) + quotient);
        if (terms != nullptr) {
            terms->layers.push_back(quotient);
        }
    }
    const double surface = kuuki ? kKuukiTeikou : kHyoumenTeikou;
    R = static_cast<float>(static_cast<double>(R) + surface);
    if (terms != nullptr) {
        terms->surface = surface;
    }
    return R;
}

float Netukanryuu_Keisan(std::span<const float> Netu, std::span<const std::int16_t> Atusa,
                         bool kuuki) {
    return 1.0f / NetuTeikou(Netu, Atusa, kuuki);
}

}  // namespace karumoa::calc
