#include "text/number_text.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace karumoa::text {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number taken apart into its significant decimal digits: value =
// 0.d0 d1 d2 ... x 10^(exponent + 1), i.e. d0 stands at 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;  // empty for zero
    int exponent = 0;
};

// Correctly rounded decimal digits of `value` at `significant` digits.
Decimal ToDecimal(double value, int significant) {
    Decimal d;
    if (value == 0.0 || !std::isfinite(value)) {
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (IsDigit(*p)) {
            d.digits.push_back(*p);
        }
    }
    if (*p == 'e') {
        d.exponent = std::atoi(p + 1);
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Rounds a decimal at 10^-decimals, halves away from zero, and writes it in
// fixed form with exactly `decimals` fractional digits.
std::string FixedFromDecimal(const Decimal& d, int decimals) {
    // Digit k of d.digits stands at 10^(exponent - k); keep those with
    // place >= 10^-decimals.
    std::string digits = d.digits;
    int exponent = d.exponent;
    const int keep = exponent + decimals + 1;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            int i = keep - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    // Place digits on a grid from 10^max(exponent,0) down to 10^-decimals.
    const int top = std::max(exponent, 0);
    std::string out;
    bool any = false;
    for (int place = top; place >= -decimals; --place) {
        const int k = exponent - place;
        char c = '0';
        if (k >= 0 && k < static_cast<int>(digits.size())) {
            c = digits[static_cast<std::size_t>(k)];
        }
        if (c != '0') {
            any = true;
        }
        if (place == -1) {
            out.push_back('.');
        }
        out.push_back(c);
    }
    if (d.negative && any) {
        out.insert(out.begin(), '-');
    }
    return out;
}

// Shortest plain form with `significant` digits: fixed where possible,
// otherwise mantissa and exponent.
std::string PlainFromDecimal(const Decimal& d, int significant, bool leadingZero) {
    if (d.digits.empty()) {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    const std::string& g = d.digits;
    const int e = d.exponent;
    if (e < -4 || e >= significant) {
        out.push_back(g[0]);
        if (g.size() > 1) {
            out.push_back('.');
            out.append(g, 1, std::string::npos);
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
        out.append(g, 0, intDigits);
        out.push_back('.');
        out.append(g, intDigits, std::string::npos);
    }
    return out;
}

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
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
    return std::strtod(clean.c_str(), nullptr);
}

std::optional<double> ParseNumberField(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t expStart = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        if (i == expStart) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    std::string body(text.substr(start));
    if (body.front() == '.') {
        body.insert(body.begin(), '0');
    }
    errno = 0;
    const double v = std::strtod(body.c_str(), nullptr);
    if (!std::isfinite(v)) {
        return std::nullopt;
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
    return FixedFromDecimal(ToDecimal(static_cast<double>(value), kSingleDigits), decimals);
}

std::string FormatFixed(double value, int decimals) {
    return FixedFromDecimal(ToDecimal(value, kDoubleDigits), decimals);
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

std::string PadField(std::string_view text, std::size_t width, Align align, char fill) {
    std::string out(text);
    if (out.size() >= width) {
        return out;
    }
    const std::string pad(width - out.size(), fill);
    return align == Align::Right ? pad + out : out + pad;
}

}  // namespace karumoa::text
