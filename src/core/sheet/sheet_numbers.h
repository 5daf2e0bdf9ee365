#pragma once

// Number texts of the report sheets (private to the sheet builders).

#include <charconv>
#include <string>

#include "text/number_text.h"

namespace karumoa::sheet::detail {

// A whole number as plain digits (what PlainNumber gives for an integer),
// without going through the decimal rounding of the fractional formats.
inline std::string IntegerText(int value) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

// "0.00" and "0.0".
inline std::string Fixed2(float value) {
    return text::FormatFixed(value, 2);
}
inline std::string Fixed2(double value) {
    return text::FormatFixed(value, 2);
}
inline std::string Fixed1(float value) {
    return text::FormatFixed(value, 1);
}
inline std::string Fixed1(double value) {
    return text::FormatFixed(value, 1);
}

}  // namespace karumoa::sheet::detail
