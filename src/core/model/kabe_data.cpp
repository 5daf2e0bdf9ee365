#include "model/kabe_data.h"

#include <stdexcept>
#include <utility>

namespace karumoa::model {

Kabe_Data::Kabe_Data() : zai_(2), netu_(2, 0.0f), atusa_(2, 0) {}

Kabe_Data::Kabe_Data(Zai_Array&& Zai, Netu_Array&& Netu, Atusa_Array&& Atusa, std::int32_t Yoko_,
                     std::int32_t Tate_, std::int16_t Houi_, bool kuuki_, float Netukanryuu_,
                     std::int16_t Zokusei_) {
    SetData(std::move(Zai), std::move(Netu), std::move(Atusa), Yoko_, Tate_, Houi_, kuuki_,
            Netukanryuu_, Zokusei_);
}

void Kabe_Data::SetData(const Zai_Array& Zai, const Netu_Array& Netu, const Atusa_Array& Atusa,
                        std::int32_t Yoko_, std::int32_t Tate_, std::int16_t Houi_, bool kuuki_,
                        float Netukanryuu_, std::int16_t Zokusei_) {
    SetData(Zai_Array(Zai), Netu_Array(Netu), Atusa_Array(Atusa), Yoko_, Tate_, Houi_, kuuki_,
            Netukanryuu_, Zokusei_);
}

void Kabe_Data::SetData(Zai_Array&& Zai, Netu_Array&& Netu, Atusa_Array&& Atusa, std::int32_t Yoko_,
                        std::int32_t Tate_, std::int16_t Houi_, bool kuuki_, float Netukanryuu_,
                        std::int16_t Zokusei_) {
    if (Zai.size() != Atusa.size() || Netu.size() != Atusa.size() || Atusa.size() < 2) {
        throw std::invalid_argument("Kabe_Data::SetData: layer arrays of different bounds");
    }
    zai_ = std::move(Zai);
    netu_ = std::move(Netu);
    atusa_ = std::move(Atusa);
    Tate = Tate_;
    Yoko = Yoko_;
    Houi = Houi_;
    kuuki = kuuki_;
    Netukanryuu = Netukanryuu_;
    Zokusei = Zokusei_;
}

std::int32_t Kabe_Data::Zen_Atusa() const {
    std::int32_t sum = 0;
    for (const std::int16_t t : atusa_) {
        sum += t;
    }
    return sum;
}

}  // namespace karumoa::model
