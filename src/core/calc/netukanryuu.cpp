#include "calc/netukanryuu.h"

#include <algorithm>

namespace karumoa::calc {
namespace {

float Sum(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki,
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
    const double surface = HyoumenTeikou(kuuki);
    R = static_cast<float>(static_cast<double>(R) + surface);
    if (terms != nullptr) {
        terms->surface = surface;
    }
    return R;
}

}  // namespace

double HyoumenTeikou(bool kuuki) {
    return kuuki ? kKuukiTeikou : kHyoumenTeikou;
}

float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki) {
    return Sum(Netu, Atusa, kuuki, nullptr);
}

float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki,
                 NetuTeikouTerms& terms) {
    terms = NetuTeikouTerms{};
    return Sum(Netu, Atusa, kuuki, &terms);
}

float Netukanryuu_Keisan(std::span<const float> Netu, std::span<const std::int16_t> Atusa,
                         bool kuuki) {
    return 1.0f / NetuTeikou(Netu, Atusa, kuuki);
}

}  // namespace karumoa::calc
