#include "text/number_text.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace karumoa::text {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number rounded to its significant decimal digits: |value| =
// significand x 10^(exponent - count + 1), so the first of the `count`
// digits stands at 10^exponent. The digits are kept as one integer rather
// than as characters: rounding them again for the fixed formats is then a
// division, not a walk over characters.
struct Decimal {
    bool negative = false;
    std::uint64_t significand = 0;  // trailing zeros included; 0 for zero
    int count = 0;                  // digits of the significand; 0 for zero
    int exponent = 0;
};

// Powers of ten that fit in 64 bits.
constexpr std::uint64_t kPow10[] = {1ull,
                                    10ull,
                                    100ull,
                                    1000ull,
                                    10000ull,
                                    100000ull,
                                    1000000ull,
                                    10000000ull,
                                    100000000ull,
                                    1000000000ull,
                                    10000000000ull,
                                    100000000000ull,
                                    1000000000000ull,
                                    10000000000000ull,
                                    100000000000000ull,
                                    1000000000000000ull,
                                    10000000000000000ull,
                                    100000000000000000ull,
                                    1000000000000000000ull,
                                    10000000000000000000ull};
constexpr int kMaxPow10 = 19;

// The powers of ten that doubles hold exactly.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPow10 = 22;

// 128-bit arithmetic (a GCC and Clang extension) keeps the scaling exact.
__extension__ typedef unsigned __int128 Wide;

int BitLength(Wide v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    if (high != 0) {
        return 128 - __builtin_clzll(high);
    }
    const auto low = static_cast<std::uint64_t>(v);
    return low == 0 ? 0 : 64 - __builtin_clzll(low);
}

// m x 2^e x 10^k rounded to the nearest integer, ties to even, computed
// exactly; false when the numbers would not fit in 128 bits.
bool ScaledRound(std::uint64_t m, int e, int k, std::uint64_t& out) {
    if (k > kMaxPow10 || -k > kMaxPow10) {
        return false;
    }
    Wide num = m;
    Wide den = 1;
    if (k >= 0) {
        num *= kPow10[k];
    } else {
        den = kPow10[-k];
    }
    if (e >= 0) {
        if (BitLength(num) + e > 126) {
            return false;
        }
        num <<= e;
    } else {
        if (BitLength(den) - e > 126) {
            return false;
        }
        den <<= -e;
    }
    Wide q = 0;
    bool up = false;
    if (k >= 0 && e < 0) {
        // The usual case: a power-of-two divisor.
        const int shift = -e;
        q = num >> shift;
        const Wide r = num & ((Wide{1} << shift) - 1);
        const Wide half = Wide{1} << (shift - 1);
        up = r > half || (r == half && (q & 1) != 0);
    } else {
        q = num / den;
        const Wide r = num - q * den;
        up = 2 * r > den || (2 * r == den && (q & 1) != 0);
    }
    if (up) {
        ++q;
    }
    if (q >> 64 != 0) {
        return false;
    }
    out = static_cast<std::uint64_t>(q);
    return true;
}

// The digits straight from the binary value: |value| = m x 2^e exactly,
// and the `significant` leading decimal digits are m x 2^e x 10^k rounded
// for the k that leaves exactly that many. Gives what <charconv> gives,
// several times faster; false for magnitudes it does not cover.
bool FastDecimal(double value, int significant, Decimal& d) {
    if (significant < 1 || significant > 17) {
        return false;
    }
    // The fields of the binary value, read directly (frexp and ldexp are
    // calls into libm, a noticeable part of formatting a report number).
    // Subnormals are left to <charconv>.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF) {
        return false;
    }
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e = biased - 1075;  // |value| = m x 2^e, 2^52 <= m < 2^53
    const int e2 = e + 53;        // 2^(e2-1) <= |value| < 2^e2
    // 10^E <= |value| < 10^(E+1): start from the binary exponent's
    // estimate, which is at most one too small, and correct it.
    // floor((e2 - 1) log10 2) in integers: 78913 / 2^18 is close enough to
    // log10 2 to give the same for every exponent of a double, and spares
    // a conversion and a rounding of floating point.
    int exponent = ((e2 - 1) * 78913) >> 18;
    std::uint64_t n = 0;
    for (int tries = 0;; ++tries) {
        if (tries == 3 || !ScaledRound(m, e, significant - 1 - exponent, n)) {
            return false;
        }
        if (n >= kPow10[significant]) {
            ++exponent;
        } else if (n < kPow10[significant - 1]) {
            --exponent;
        } else {
            break;
        }
    }
    d.negative = value < 0;
    d.significand = n;
    d.count = significant;
    d.exponent = exponent;
    return true;
}

// Correctly rounded decimal digits of `value` at `significant` digits (at
// most 17, all a double has). <charconv> rounds the exact binary value to
// nearest, ties to even, as the C library's printf does.
Decimal ToDecimal(double value, int significant) {
    Decimal d;
    if (value == 0.0 || !std::isfinite(value)) {
        return d;
    }
    if (FastDecimal(value, significant, d)) {
        return d;
    }
    char buf[64];
    const char* end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1)
            .ptr;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p) {
        if (IsDigit(*p)) {
            d.significand = d.significand * 10 + static_cast<std::uint64_t>(*p - '0');
            ++d.count;
        }
    }
    if (p < end && *p == 'e') {
        ++p;
        const bool negativeExponent = *p == '-';
        if (*p == '-' || *p == '+') {
            ++p;
        }
        int e = 0;
        std::from_chars(p, end, e);
        d.exponent = negativeExponent ? -e : e;
    }
    return d;
}

// Rounds a decimal at 10^-decimals, halves away from zero, and writes it in
// fixed form with exactly `decimals` fractional digits.
std::string FixedFromDecimal(const Decimal& d, int decimals) {
    decimals = std::max(decimals, 0);
    // The result counts units of 10^-decimals. The significand counts
    // units of 10^(exponent - count + 1): `shift` places finer or coarser.
    const int shift = d.exponent - d.count + 1 + decimals;
    std::uint64_t units = 0;
    int zeros = 0;  // zero digits after `units`: a large value need not fit in 64 bits
    if (d.count == 0) {
        units = 0;
    } else if (shift >= 0) {
        units = d.significand;
        zeros = shift;
    } else if (-shift <= kMaxPow10) {
        const std::uint64_t unit = kPow10[-shift];
        units = d.significand / unit;
        // Halves away from zero: the first digit dropped is 5 or more.
        if (d.significand % unit >= unit / 2) {
            ++units;
        }
    }
    // Otherwise every digit lies two or more places below 10^-decimals
    // (the significand has at most 17 digits): the value rounds to zero.
    const bool negative = d.negative && units != 0;  // no "-0.00"

    if (zeros == 0 && decimals <= kMaxPow10) {
        // The usual case: `units` holds every digit. The integer part and
        // then the fraction, padded to `decimals` digits, are written
        // straight into place.
        const std::uint64_t scale = kPow10[decimals];
        char text[48];  // sign, 20 digits, point, 19 decimals
        char* p = text;
        if (negative) {
            *p++ = '-';
        }
        p = std::to_chars(p, text + sizeof text, units / scale).ptr;
        if (decimals > 0) {
            *p++ = '.';
            std::uint64_t fraction = units % scale;
            for (int k = decimals - 1; k >= 0; --k) {
                p[k] = static_cast<char>('0' + fraction % 10);
                fraction /= 10;
            }
            p += decimals;
        }
        return std::string(text, p);
    }

    char digits[24];
    const std::size_t size =
        static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, units).ptr - digits);

    // The rest: more places than significant digits (the zeros they stand
    // for need not fit in 64 bits), or over 19 decimals. The sign, leading
    // zeros up to "0.00", the digits of `units` and their zeros, then the
    // point moved in before the last `decimals` digits. Short texts are put
    // together on the stack and copied into the string once.
    const auto fraction = static_cast<std::size_t>(decimals);
    const std::size_t length = size + static_cast<std::size_t>(zeros);
    const std::size_t lead = length < fraction + 1 ? fraction + 1 - length : 0;
    const std::size_t textSize = (negative ? 1 : 0) + lead + length + (fraction > 0 ? 1 : 0);
    char local[64];
    std::string heap;
    char* text = local;
    if (textSize > sizeof local) {
        heap.resize(textSize);
        text = heap.data();
    }
    char* p = text;
    if (negative) {
        *p++ = '-';
    }
    p = std::fill_n(p, lead, '0');
    p = std::copy_n(digits, size, p);
    p = std::fill_n(p, zeros, '0');
    if (fraction > 0) {
        std::copy_backward(p - fraction, p, p + 1);
        *(p - fraction) = '.';
    }
    if (text == local) {
        return std::string(local, textSize);
    }
    return heap;
}

// Shortest plain form with `significant` digits: fixed where possible,
// otherwise mantissa and exponent.
std::string PlainFromDecimal(const Decimal& d, int significant, bool leadingZero) {
    if (d.count == 0) {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    // The significant digits without trailing zeros.
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, d.significand).ptr;
    while (end > digits + 1 && end[-1] == '0') {
        --end;
    }
    const std::string_view g(digits, static_cast<std::size_t>(end - digits));
    const int e = d.exponent;
    if (e < -4 || e >= significant) {
        out.push_back(g[0]);
        if (g.size() > 1) {
            out.push_back('.');
            out.append(g.substr(1));
        }
        out.push_back('E');
        out.push_back(e < 0 ? '-' : '+');
        const int a = e < 0 ? -e : e;
        if (a < 10) {
            out.push_back('0');
        }
        out += std::to_string(a);
        return out;
    }
    if (e < 0) {
        if (leadingZero) {
            out.push_back('0');
        }
        out.push_back('.');
        out.append(static_cast<std::size_t>(-e - 1), '0');
        out += g;
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(e + 1);
    if (g.size() <= intDigits) {
        out += g;
        out.append(intDigits - g.size(), '0');
    } else {
        out.append(g.substr(0, intDigits));
        out.push_back('.');
        out.append(g.substr(intDigits));
    }
    return out;
}

// The value of a number already checked to have the strtod form (no
// leading "+"). <charconv> rounds as strtod does; only a value beyond the
// range of a double is left to strtod, for its infinity or zero.
double ToDouble(std::string_view number) {
    // Whole numbers of up to 15 digits (most fields of a project file) are
    // exact doubles; no rounding to do.
    if (!number.empty() && number.size() <= 15) {
        std::uint64_t whole = 0;
        bool digits = true;
        for (const char c : number) {
            if (!IsDigit(c)) {
                digits = false;
                break;
            }
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (digits) {
            return static_cast<double>(whole);
        }
    }
    double v = 0.0;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        return std::strtod(std::string(number).c_str(), nullptr);
    }
    return v;
}

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

std::string FormatFixed(double value, int decimals, int significant) {
    if (!std::isfinite(value)) {
        return std::string(kNotANumberText);
    }
    return FixedFromDecimal(ToDecimal(value, significant), decimals);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    // Sign, digits, point and exponent without the blanks; short numbers
    // stay in the string's own buffer.
    std::string clean;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        clean.push_back(text[i]);
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= text.size()) {
            break;
        }
        const char c = text[i];
        if (IsDigit(c)) {
            clean.push_back(c);
            anyDigit = true;
        } else if (c == '.' && !point) {
            clean.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    skipBlanks();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        while (j < text.size() && IsBlank(text[j])) {
            ++j;
        }
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent.push_back(text[j]);
            ++j;
        }
        bool expDigit = false;
        for (; j < text.size(); ++j) {
            if (IsBlank(text[j])) {
                continue;
            }
            if (!IsDigit(text[j])) {
                break;
            }
            exponent.push_back(text[j]);
            expDigit = true;
        }
        if (expDigit) {
            clean += exponent;
        }
    }
    std::string_view number = clean;
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    return ToDouble(number);
}

std::optional<double> ParseNumberField(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    // The digits, point and all, as one integer and a power of ten: "1.25"
    // is 125 x 10^-2. `significant` counts the digits from the first that
    // is not zero; the integer holds the first 19 of them.
    std::uint64_t digits = 0;
    int significant = 0;
    int power = 0;
    bool anyDigit = false;
    auto take = [&](char c) {
        if (significant < 19) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (digits != 0) {
            ++significant;
        }
        anyDigit = true;
    };
    while (i < text.size() && IsDigit(text[i])) {
        take(text[i]);
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            take(text[i]);
            --power;
            ++i;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        int exponent = 0;
        while (i < text.size() && IsDigit(text[i])) {
            // Capped: any exponent this large leaves the exact case below.
            exponent = std::min(exponent * 10 + (text[i] - '0'), 100000);
            ++i;
        }
        if (i == expStart) {
            return std::nullopt;
        }
        power += negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // Up to 2^53 the integer is an exact double, and so is every power of
    // ten up to 10^22: one multiplication or division then rounds once,
    // to the double strtod would give. Other numbers take the full
    // conversion.
    double v = 0.0;
    if (significant <= 19 && digits <= (std::uint64_t{1} << 53) && power >= -kMaxExactPow10 &&
        power <= kMaxExactPow10) {
        const auto whole = static_cast<double>(digits);
        v = power < 0 ? whole / kExactPow10[-power] : whole * kExactPow10[power];
    } else {
        v = ToDouble(text.substr(start));
        if (!std::isfinite(v)) {
            return std::nullopt;
        }
    }
    return negative ? -v : v;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) {
        return lower;
    }
    if (diff > 0.5) {
        return lower + 1.0;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<std::uint8_t> ToUInt8(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= 0.0 && r <= 255.0)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(r);
}

std::optional<std::int16_t> ToInt16(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> ToInt32(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(r);
}

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::string FormatFixed(float value, int decimals) {
    return FormatFixed(static_cast<double>(value), decimals, kSingleDigits);
}

std::string FormatFixed(double value, int decimals) {
    return FormatFixed(value, decimals, kDoubleDigits);
}

std::string FormatDigits(double value) {
    std::string s = FixedFromDecimal(ToDecimal(value, kDoubleDigits), 0);
    return s == "0" ? std::string() : s;
}

std::string PlainNumber(float value) {
    return PlainFromDecimal(ToDecimal(static_cast<double>(value), kSingleDigits), kSingleDigits,
                            true);
}

std::string PlainNumber(double value) {
    return PlainFromDecimal(ToDecimal(value, kDoubleDigits), kDoubleDigits, true);
}

std::string FileNumber(float value) {
    return PlainFromDecimal(ToDecimal(static_cast<double>(value), kSingleDigits), kSingleDigits,
                            false);
}

float FileRoundTrip(float value) {
    const std::string written = FileNumber(value);
    // FileNumber writes what ParseNumberField reads, and seven digits of a
    // finite single round to a finite single.
    return ToSingle(ParseNumberField(written).value_or(0.0)).value_or(0.0f);
}

std::string PadField(std::string_view text, std::size_t width, Align align, char fill) {
    std::string out(text);
    if (out.size() >= width) {
        return out;
    }
    const std::string pad(width - out.size(), fill);
    return align == Align::Right ? pad + out : out + pad;
}

}  // namespace karumoa::text
