#pragma once

#include <cstdint>
#include <vector>

namespace karumoa::model {

// The window set of one wall, or the skylight windows of the roof: a list
// of window types (height, width, count) in the entry-array convention
// (slot 0 unused, entries 1..n, slot n+1 empty), one blinds flag for the
// whole set, the total glass area and the orientation.
class Mado_Data {
public:
    using Array = std::vector<std::int16_t>;

    bool Braindo = false;   // the windows have blinds
    float Menseki = 0.0f;   // total window area in m2, as the window dialog computed it
    std::int16_t Houi = 0;  // the wall's orientation, 0 for the skylight

    Mado_Data();
    // A set filled as SetData(Tate, ...) fills one, without making the
    // empty arrays of a new set first. Throws as SetData does.
    Mado_Data(Array&& Tate, Array&& Yoko, Array&& Kazu, bool Braindo, float Menseki,
              std::int16_t Houi);

    // Replaces the whole set (height array first). The arrays must have the
    // same length (at least 2); otherwise std::invalid_argument is thrown
    // and the record is unchanged.
    void SetData(const Array& Tate, const Array& Yoko, const Array& Kazu, bool Braindo,
                 float Menseki, std::int16_t Houi);
    // The same, taking the arrays over instead of copying them. On
    // std::invalid_argument the arrays are left as they were.
    void SetData(Array&& Tate, Array&& Yoko, Array&& Kazu, bool Braindo, float Menseki,
                 std::int16_t Houi);

    const Array& Tate_Kaesi() const { return tate_; }
    const Array& Yoko_Kaesi() const { return yoko_; }
    const Array& Kazu_Kaesi() const { return kazu_; }

    // Number of window types (upper bound minus one).
    int EntryCount() const { return static_cast<int>(kazu_.size()) - 2; }

    // Number of windows of the set: 0 without entries, otherwise the sum of
    // the counts (summed in 32 bits).
    std::int32_t WindowCount() const;

    bool operator==(const Mado_Data&) const = default;

private:
    Array tate_;
    Array yoko_;
    Array kazu_;
};

}  // namespace karumoa::model
