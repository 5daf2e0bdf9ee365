#pragma once

// Number rules shared by every layer: how typed and stored text becomes a
// number, how numbers are rounded into the integer fields of the room, and
// how they are written on screen, in reports and in project files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace karumoa::text {

// Value of the leading number of a text, as fields and reference cells are
// read: blanks (space, tab, line breaks) are skipped wherever they stand,
// then an optional sign, digits with at most one decimal point and an
// optional exponent (E or D) are taken up to the first character that does
// not fit. Empty or non-numeric text is 0. "12__" is 12, " .5" is 0.5,
// "1E-05" is 0.00001, "3mm" is 3.
double LeadingNumber(std::string_view text);

// Strict parse of a whole field (project files): optional sign, digits with
// an optional point, optional exponent; nothing else, no blanks. "0.5",
// ".5", "-.25", "1E-05" and "3" parse; "", "1x", "." and "1 2" do not.
std::optional<double> ParseNumberField(std::string_view text);

// Nearest integer with halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// Rounding into the integer types of the room model. A value that does not
// fit (or is not finite) is reported as nullopt rather than wrapped.
std::optional<std::uint8_t> ToUInt8(double value);
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);
// Rounding to single precision; nullopt when the magnitude exceeds the
// largest single or the value is not finite.
std::optional<float> ToSingle(double value);

// Fixed-point display, the "0.00" and "0.0" formats: `decimals` digits
// after the point, halves away from zero. A single is first taken at its
// seven significant digits (what the user sees as its value), a double at
// fifteen, so 2.345f prints 2.35. A value that rounds to zero prints
// without a minus sign. A value that is not finite (an overflowed load)
// prints kNotANumberText: no digits can stand for it, and 0.00 would pass
// for a result.
inline constexpr std::string_view kNotANumberText = "—";
std::string FormatFixed(float value, int decimals);
std::string FormatFixed(double value, int decimals);

// The "#####"-style digit field: the whole number (halves away from zero)
// without leading zeros, and an empty text for 0. 1000 -> "1000", 0 -> "".
std::string FormatDigits(double value);

// Shortest plain form of a number as the program shows it in captions and
// tool tips: up to 7 significant digits for a single, 15 for a double,
// without trailing zeros, exponent form (1E-05, 1.234568E+07) only where
// the fixed form would need more digits. 5.4, 26.5, 0.5, 3, -0.25.
std::string PlainNumber(float value);
std::string PlainNumber(double value);

// The project-file form of a single: as PlainNumber but without the zero
// before the point (.5, -.25); zero is "0".
std::string FileNumber(float value);
// The single a project file gives back for `value`: FileNumber read again.
// Seven digits do not always carry a single exactly, so this may differ
// from `value` by a unit in the last place; it is its own fixed point, so
// a value that has made one trip makes every further one unchanged.
float FileRoundTrip(float value);

// Pads `text` on the left (RightAligned) or the right (LeftAligned) with
// `fill` up to `width` characters; texts already as long are unchanged.
enum class Align { Left, Right };
std::string PadField(std::string_view text, std::size_t width, Align align, char fill = '_');

}  // namespace karumoa::text
