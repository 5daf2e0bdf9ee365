#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace karumoa::text {
namespace {

TEST(LeadingNumber, ReadsTheLeadingNumberOfTypedAndTableText) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},          {"   ", 0},  {"abc", 0},       {"___", 0},
        {"12__", 12},     {"1__", 1},  {" .5", 0.5},     {"-.25", -0.25},
        {"+7", 7},        {"3mm", 3},  {"1E-05", 1e-05}, {"2.5e3", 2500},
        {"1D2", 100},     {"1e", 1},   {"1 2 3", 123},   {"\t26.5\r\n", 26.5},
        {"1.2.3", 1.2},   {"- 5", -5}, {"32.6", 32.6},   {"1,000", 1},
        {"0.043", 0.043}, {".", 0},    {"-", 0},         {" ", 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseNumberField, AcceptsOnlyWholeNumberFields) {
    EXPECT_EQ(ParseNumberField("0.5"), 0.5);
    EXPECT_EQ(ParseNumberField(".5"), 0.5);
    EXPECT_EQ(ParseNumberField("-.25"), -0.25);
    EXPECT_EQ(ParseNumberField("3"), 3.0);
    EXPECT_EQ(ParseNumberField("+3"), 3.0);
    EXPECT_EQ(ParseNumberField("1E-05"), 1e-05);
    EXPECT_EQ(ParseNumberField("1.234568E+07"), 1.234568e+07);
    EXPECT_EQ(ParseNumberField("5."), 5.0);
    for (const char* bad : {"", " ", "1x", ".", "-", "1 2", " 1", "1E", "1E+", "abc", "#TRUE#",
                            "\"3\"", "inf", "nan", "1e999", "0x10"}) {
        EXPECT_FALSE(ParseNumberField(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
}

TEST(Rounding, ReportsValuesOutOfRangeInsteadOfWrapping) {
    EXPECT_EQ(ToInt16(32767.0), 32767);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_FALSE(ToInt16(32767.5).has_value());  // rounds to 32768
    EXPECT_EQ(ToInt16(-32768.0), -32768);
    EXPECT_EQ(ToInt16(-32768.5), -32768);  // half to even stays in range
    EXPECT_FALSE(ToInt16(-32769.0).has_value());
    EXPECT_EQ(ToInt16(41.5), 42);
    EXPECT_EQ(ToInt16(42.5), 42);

    EXPECT_EQ(ToUInt8(255.0), 255);
    EXPECT_FALSE(ToUInt8(256.0).has_value());
    EXPECT_FALSE(ToUInt8(-1.0).has_value());
    EXPECT_EQ(ToUInt8(-0.5), 0);

    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(ToInt32(2147483648.0).has_value());
    EXPECT_EQ(ToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(ToInt32(-2147483649.0).has_value());

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ToInt16(nan).has_value());
    EXPECT_FALSE(ToInt32(inf).has_value());
    EXPECT_FALSE(ToSingle(nan).has_value());
    EXPECT_FALSE(ToSingle(1e39).has_value());
    EXPECT_FALSE(ToSingle(-1e39).has_value());
    EXPECT_EQ(ToSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(ToSingle(0.1), 0.1f);
}

TEST(FormatFixed, TwoAndOneDecimalsHalvesAwayFromZero) {
    EXPECT_EQ(FormatFixed(1150.75f, 2), "1150.75");
    EXPECT_EQ(FormatFixed(100.5f, 2), "100.50");
    EXPECT_EQ(FormatFixed(20.0f, 2), "20.00");
    EXPECT_EQ(FormatFixed(0.0f, 2), "0.00");
    EXPECT_EQ(FormatFixed(3.24f, 2), "3.24");
    EXPECT_EQ(FormatFixed(2.345f, 2), "2.35");  // taken at its 7 digits, 2.345000
    EXPECT_EQ(FormatFixed(-2.345f, 2), "-2.35");
    EXPECT_EQ(FormatFixed(0.005f, 2), "0.01");
    EXPECT_EQ(FormatFixed(0.004f, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.004f, 2), "0.00");  // no "-0.00"
    EXPECT_EQ(FormatFixed(9.995f, 2), "10.00");
    EXPECT_EQ(FormatFixed(999.996f, 2), "1000.00");
    EXPECT_EQ(FormatFixed(3.871f, 2), "3.87");
    EXPECT_EQ(FormatFixed(65.65f, 2), "65.65");
    EXPECT_EQ(FormatFixed(0.65f, 1), "0.7");
    EXPECT_EQ(FormatFixed(6.6f, 1), "6.6");
    EXPECT_EQ(FormatFixed(0.2f, 1), "0.2");
    EXPECT_EQ(FormatFixed(-1.05f, 1), "-1.1");
    EXPECT_EQ(FormatFixed(1.0e7f, 2), "10000000.00");
    EXPECT_EQ(FormatFixed(123456789.0f, 1), "123456800.0");  // beyond 7 digits
    EXPECT_EQ(FormatFixed(12.5f, 0), "13");
    EXPECT_EQ(FormatFixed(1e-10f, 2), "0.00");
    // Beyond 64 bits of units the digits are followed by the zeros they stand for.
    EXPECT_EQ(FormatFixed(1.5e20f, 2), "150000000000000000000.00");
}

TEST(FormatFixed, DoublesUseFifteenDigits) {
    EXPECT_EQ(FormatFixed(32.6 - 26.0, 1), "6.6");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");  // 2.67499999999999982 at 17 digits
    EXPECT_EQ(FormatFixed(1.0 / 3.0, 2), "0.33");
    EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
    EXPECT_EQ(FormatFixed(123.456e10, 2), "1234560000000.00");
    EXPECT_EQ(FormatFixed(-1e70, 1), "-1" + std::string(70, '0') + ".0");
    EXPECT_EQ(FormatFixed(1e-300, 2), "0.00");
}

// An overflowed or undefined result has no digits: a dash, never 0.00.
TEST(FormatFixed, NotFiniteIsADash) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const std::string& text :
         {FormatFixed(kInf, 2), FormatFixed(-kInf, 2), FormatFixed(std::nanf(""), 1),
          FormatFixed(static_cast<double>(kInf), 2), FormatFixed(kNaN, 0)}) {
        EXPECT_EQ(text, "—");
    }
}

TEST(FormatDigits, DigitFieldsWithoutLeadingZerosAndEmptyForZero) {
    EXPECT_EQ(FormatDigits(0), "");
    EXPECT_EQ(FormatDigits(12), "12");
    EXPECT_EQ(FormatDigits(1000), "1000");
    EXPECT_EQ(FormatDigits(25000), "25000");
    EXPECT_EQ(FormatDigits(12.5), "13");
    EXPECT_EQ(FormatDigits(0.4), "");
    EXPECT_EQ(FormatDigits(-5), "-5");
}

TEST(PlainNumber, ShortestPlainFormOfSinglesAndDoubles) {
    EXPECT_EQ(PlainNumber(5400 / 1000.0), "5.4");
    EXPECT_EQ(PlainNumber(2700 / 1000.0), "2.7");
    EXPECT_EQ(PlainNumber(265 / 10.0), "26.5");
    EXPECT_EQ(PlainNumber(260 / 10.0), "26");
    EXPECT_EQ(PlainNumber(3.24f), "3.24");
    EXPECT_EQ(PlainNumber(5.4f), "5.4");
    EXPECT_EQ(PlainNumber(0.5f), "0.5");
    EXPECT_EQ(PlainNumber(-0.25f), "-0.25");
    EXPECT_EQ(PlainNumber(0.0f), "0");
    EXPECT_EQ(PlainNumber(-0.0f), "0");
    EXPECT_EQ(PlainNumber(1e-05f), "1E-05");
    EXPECT_EQ(PlainNumber(0.0001f), "0.0001");
    EXPECT_EQ(PlainNumber(1234567.0f), "1234567");
    EXPECT_EQ(PlainNumber(12345678.0f), "1.234568E+07");
    EXPECT_EQ(PlainNumber(0.1f), "0.1");  // not 0.100000001
    EXPECT_EQ(PlainNumber(0.1), "0.1");
    EXPECT_EQ(PlainNumber(1e15), "1E+15");
    EXPECT_EQ(PlainNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(PlainNumber(-1.5e-7), "-1.5E-07");
}

TEST(FileNumber, ProjectFileFormOfSingles) {
    EXPECT_EQ(FileNumber(0.5f), ".5");
    EXPECT_EQ(FileNumber(-0.25f), "-.25");
    EXPECT_EQ(FileNumber(3.0f), "3");
    EXPECT_EQ(FileNumber(2.5f), "2.5");
    EXPECT_EQ(FileNumber(1e-05f), "1E-05");
    EXPECT_EQ(FileNumber(12345678.0f), "1.234568E+07");
    EXPECT_EQ(FileNumber(0.0f), "0");
    EXPECT_EQ(FileNumber(3.871f), "3.871");
    EXPECT_EQ(FileNumber(0.043f), ".043");
    EXPECT_EQ(FileNumber(1.0f / 0.25833334f), "3.870968");
    EXPECT_EQ(FileNumber(100.0f), "100");
    EXPECT_EQ(FileNumber(-1.0f), "-1");
    EXPECT_EQ(FileNumber(0.1f), ".1");  // not .1000000015
    EXPECT_EQ(FileNumber(-0.1f), "-.1");
    EXPECT_EQ(FileNumber(0.0001f), ".0001");
    EXPECT_EQ(FileNumber(9.999999e-05f), "9.999999E-05");
    EXPECT_EQ(FileNumber(-1.5e-7f), "-1.5E-07");
    EXPECT_EQ(FileNumber(1e7f), "1E+07");
    EXPECT_EQ(FileNumber(9999999.0f), "9999999");
    EXPECT_EQ(FileNumber(1234567.5f), "1234568");  // a tie at the seventh digit goes to even
    EXPECT_EQ(FileNumber(FLT_MAX), "3.402823E+38");
    EXPECT_EQ(FileNumber(-FLT_MIN), "-1.175494E-38");
    EXPECT_EQ(FileNumber(std::numeric_limits<float>::denorm_min()), "1.401298E-45");
}

TEST(FileNumber, ReadsBackToTheSameSingle) {
    // Seven significant digits are not always enough to tell two singles
    // apart, but they must always read back to a value that writes the
    // same text again, and within one unit of the seventh digit.
    std::uint32_t bits = 0x3f800000u;  // walk a spread of singles
    for (int i = 0; i < 20000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float f;
        std::memcpy(&f, &bits, sizeof f);
        if (!std::isfinite(f)) {
            continue;
        }
        const std::string text = FileNumber(f);
        // The C library's %.7G gives the same digits and exponent form;
        // only the zero before the point is dropped.
        char c[32];
        std::snprintf(c, sizeof c, "%.7G", static_cast<double>(f));
        std::string expected = c;
        const std::size_t zero = expected.find("0.");
        if (zero == (expected[0] == '-' ? 1u : 0u)) {
            expected.erase(zero, 1);
        }
        EXPECT_EQ(text, f == 0.0f ? "0" : expected);
        const auto back = ParseNumberField(text);
        ASSERT_TRUE(back.has_value()) << text;
        const float g = static_cast<float>(*back);
        EXPECT_EQ(FileNumber(g), text);
        EXPECT_LE(std::fabs(static_cast<double>(g) - static_cast<double>(f)),
                  std::fabs(static_cast<double>(f)) * 1e-6 + 1e-45);
    }
}

TEST(PadField, FillsMaskedFields) {
    EXPECT_EQ(PadField("12", 4, Align::Left), "12__");
    EXPECT_EQ(PadField("5400", 6, Align::Right), "__5400");
    EXPECT_EQ(PadField("", 3, Align::Left), "___");
    EXPECT_EQ(PadField("123456", 6, Align::Right), "123456");
    EXPECT_EQ(PadField("1234567", 6, Align::Right), "1234567");
    EXPECT_EQ(PadField("7", 3, Align::Right, ' '), "  7");
}

}  // namespace
}  // namespace karumoa::text
