#include "model/mado_data.h"

#include <stdexcept>
#include <utility>

namespace karumoa::model {

Mado_Data::Mado_Data() : tate_(2, 0), yoko_(2, 0), kazu_(2, 0) {}

Mado_Data::Mado_Data(Array&& Tate, Array&& Yoko, Array&& Kazu, bool Braindo_, float Menseki_,
                     std::int16_t Houi_) {
    SetData(std::move(Tate), std::move(Yoko), std::move(Kazu), Braindo_, Menseki_, Houi_);
}

void Mado_Data::SetData(const Array& Tate, const Array& Yoko, const Array& Kazu, bool Braindo_,
                        float Menseki_, std::int16_t Houi_) {
    SetData(Array(Tate), Array(Yoko), Array(Kazu), Braindo_, Menseki_, Houi_);
}

void Mado_Data::SetData(Array&& Tate, Array&& Yoko, Array&& Kazu, bool Braindo_, float Menseki_,
                        std::int16_t Houi_) {
    if (Yoko.size() != Tate.size() || Kazu.size() != Tate.size() || Tate.size() < 2) {
        throw std::invalid_argument("Mado_Data::SetData: window arrays of different bounds");
    }
    tate_ = std::move(Tate);
    yoko_ = std::move(Yoko);
    kazu_ = std::move(Kazu);
    Braindo = Braindo_;
    Menseki = Menseki_;
    Houi = Houi_;
}

std::int32_t Mado_Data::WindowCount() const {
    if (kazu_.size() <= 2) {
        return 0;
    }
    std::int32_t sum = 0;
    for (std::size_t i = 1; i < kazu_.size(); ++i) {
        sum += kazu_[i];
    }
    return sum;
}

}  // namespace karumoa::model
