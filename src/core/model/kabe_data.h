#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace karumoa::model {

// One opaque element: a wall, the roof or the floor.
//
// The layer arrays follow the entry-array convention of the whole program:
// indices 0..n+1 for n layers, slot 0 never used and slot n+1 always present
// and empty, so the upper bound minus one is the number of layers. A record
// is filled in one call of SetData; afterwards only the public fields change
// (the attribute from the plan's context menu).
class Kabe_Data {
public:
    using Zai_Array = std::vector<std::string>;
    using Netu_Array = std::vector<float>;
    using Atusa_Array = std::vector<std::int16_t>;

    std::int32_t Tate = 0;     // height in mm; roof and floor: plan depth
    std::int32_t Yoko = 0;     // width in mm; roof and floor: plan width
    std::int16_t Houi = 0;     // orientation code 0..9
    bool kuuki = false;        // the construction has an air layer
    float Netukanryuu = 0.0f;  // heat transmission coefficient K, kcal/(m2 h C)
    std::int16_t Zokusei = 0;  // attribute code

    Kabe_Data();
    // A record filled as SetData(Zai, ...) fills one, without making the
    // empty arrays of a new record first (the project reader builds every
    // record from arrays it has read). Throws as SetData does.
    Kabe_Data(Zai_Array&& Zai, Netu_Array&& Netu, Atusa_Array&& Atusa, std::int32_t Yoko,
              std::int32_t Tate, std::int16_t Houi, bool kuuki, float Netukanryuu,
              std::int16_t Zokusei);

    // Replaces the three layer arrays (copied whole, empty slots included)
    // and sets the six fields. Note the order: width before height. The
    // arrays must have the same length (at least 2); otherwise
    // std::invalid_argument is thrown and the record is unchanged.
    void SetData(const Zai_Array& Zai, const Netu_Array& Netu, const Atusa_Array& Atusa,
                 std::int32_t Yoko, std::int32_t Tate, std::int16_t Houi, bool kuuki,
                 float Netukanryuu, std::int16_t Zokusei);
    // The same, taking the arrays over instead of copying them (the
    // project reader builds each record's arrays once and hands them on).
    // On std::invalid_argument the arrays are left as they were.
    void SetData(Zai_Array&& Zai, Netu_Array&& Netu, Atusa_Array&& Atusa, std::int32_t Yoko,
                 std::int32_t Tate, std::int16_t Houi, bool kuuki, float Netukanryuu,
                 std::int16_t Zokusei);

    // Read-only views of the layer arrays, with their empty slots.
    const Zai_Array& Zai_Kaesi() const { return zai_; }
    const Netu_Array& Netu_Kaesi() const { return netu_; }
    const Atusa_Array& Atusa_Kaesi() const { return atusa_; }

    // Number of layers (upper bound minus one).
    int LayerCount() const { return static_cast<int>(atusa_.size()) - 2; }

    // Total thickness in mm over the whole thickness array. Summed in 32
    // bits, so no layer count can overflow it.
    std::int32_t Zen_Atusa() const;

    bool operator==(const Kabe_Data&) const = default;

private:
    Zai_Array zai_;
    Netu_Array netu_;
    Atusa_Array atusa_;
};

}  // namespace karumoa::model
