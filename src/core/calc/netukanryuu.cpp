#include "calc/netukanryuu.h"

#include <algorithm>

#include "model/room_fields.h"

namespace karumoa::calc {

float NetuTeikou(std::span<const float> Netu, std::span<const std::int16_t> Atusa, bool kuuki) {
    float R = 0.0f;
    // Layers occupy slots 1 .. size - 2 of the parallel arrays.
    const std::size_t end = std::min(Netu.size(), Atusa.size());
    for (std::size_t i = 1; i + 1 < end; ++i) {
        const double quotient = (Atusa[i] / 1000.0) / static_cast<double>(Netu[i]);
        R = static_cast<float>(static_cast<double>(R) + quotient);
    }
    R = static_cast<float>(static_cast<double>(R) +
                           (kuuki ? model::kKuukiTeikou : model::kHyoumenTeikou));
    return R;
}

float Netukanryuu_Keisan(std::span<const float> Netu, std::span<const std::int16_t> Atusa,
                         bool kuuki) {
    return 1.0f / NetuTeikou(Netu, Atusa, kuuki);
}

}  // namespace karumoa::calc
