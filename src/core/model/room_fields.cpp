#include "model/room_fields.h"

#include <cmath>

#include "text/number_text.h"

namespace karumoa::model {

std::string RangeText(const ValueRange& r) {
    const std::string lo = text::PlainNumber(r.min);
    const std::string hi = text::PlainNumber(r.max);
    std::string s;
    if (std::isinf(r.max)) {
        s = lo + (r.minOpen ? " より大きい値" : " 以上");
    } else if (r.minOpen || r.maxOpen) {
        s = lo + (r.minOpen ? " より大きく " : " 以上 ") + hi + (r.maxOpen ? " 未満" : " 以下");
    } else if (r.min == r.max) {
        s = lo + " のみ";
    } else {
        s = lo + "〜" + hi;
    }
    if (!r.unit.empty()) {
        s += ' ';
        s += r.unit;
    }
    return s;
}

}  // namespace karumoa::model
