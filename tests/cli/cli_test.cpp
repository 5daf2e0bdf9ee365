// The command-line pieces in-process: the indoor temperature argument, the
// JSON writer's numbers and texts, and the report of a room as JSON.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "json_writer.h"
#include "report_command.h"

namespace karumoa::cli {
namespace {

TEST(IndoorTemp, TenthsRoundedHalvesToEvenWithinTheDialogsRange) {
    struct Case {
        const char* text;
        bool ok;
        std::int16_t situon;
    };
    const Case cases[] = {
        {"26", true, 260},   {"26.0", true, 260},  {"28", true, 280},    {"22.0", true, 220},
        {"32", true, 320},   {"26.25", true, 262}, {"26.35", true, 264}, {"26.5", true, 265},
        {"21.99", false, 0}, {"32.01", false, 0},  {"-26", false, 0},    {"", false, 0},
        {"abc", false, 0},   {"26 ", false, 0},    {"2.6e1", true, 260}, {"nan", false, 0},
        {"inf", false, 0},   {"0x1A", false, 0},
    };
    for (const Case& c : cases) {
        std::int16_t situon = 0;
        EXPECT_EQ(ParseIndoorTemp(c.text, situon), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(situon, c.situon) << c.text;
        }
    }
}

TEST(JsonWriter, SinglesAsTheirShortestDecimalAndTextsEscaped) {
    std::string out;
    JsonWriter j(out);
    j.BeginObject();
    j.Key("k").Value(3.871f);
    j.Key("third").Value(1.0f / 3.0f);
    j.Key("d").Value(0.1);
    j.Key("n").Value(-12);
    j.Key("inf").Value(1.0f / 0.0f);
    j.Key("list").BeginArray();
    j.Value(true);
    j.Value(0.0f);
    j.EndArray();
    j.Key("name").String("a\"b\\c\nd");
    j.Key("city").String("東京");
    j.Key("bad").String("x\xff");
    j.Key("empty").BeginObject();
    j.EndObject();
    j.EndObject();
    EXPECT_EQ(out, R"({"k":3.871,"third":0.33333334,"d":0.1,"n":-12,"inf":null,"list":[true,0],)"
                   R"("name":"a\"b\\c\nd","city":"東京","bad":"x)"
                   "\xEF\xBF\xBD"
                   R"(","empty":{}})");

    // Read back, each single is the double nearest its decimal, which
    // rounds to the single again.
    const auto parsed = nlohmann::json::parse(out);
    EXPECT_EQ(parsed["k"].get<double>(), 3.871);
    EXPECT_EQ(static_cast<float>(parsed["k"].get<double>()), 3.871f);
    EXPECT_EQ(static_cast<float>(parsed["third"].get<double>()), 1.0f / 3.0f);
}

// Whole numbers and values of one or two decimals take a shorter path than
// other numbers; both must print what std::to_chars prints.
template <class T>
std::string ToChars(T v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}
template <class T>
std::string Written(T v) {
    std::string out;
    JsonWriter(out).Value(v);
    return out;
}

TEST(JsonWriter, NumbersPrintAsToChars) {
    std::vector<float> values = {0.0f,    -0.0f,   0.01f,     0.05f,      0.1f,     0.0099999998f,
                                 10000.f, 20000.f, 65535.99f, 65536.f,    100000.f, 1e7f,
                                 2700.f,  19.44f,  -2.7f,     562.41003f, 1e-3f,    3.4028235e38f};
    for (int n = 0; n < 300000; n += 7) {
        values.push_back(static_cast<float>(n / 100.0));
        values.push_back(-static_cast<float>(n / 10.0));
    }
    std::mt19937 random(20261208);
    std::uniform_real_distribution<float> range(-70000.0f, 70000.0f);
    for (int i = 0; i < 200000; ++i) {
        values.push_back(range(random));
        values.push_back(std::nearbyint(range(random) * 100.0f) / 100.0f);
    }
    for (const float v : values) {
        ASSERT_EQ(Written(v), ToChars(v)) << v;
        ASSERT_EQ(Written(static_cast<double>(v)), ToChars(static_cast<double>(v))) << v;
    }
    for (int n = 0; n < 300000; n += 7) {
        ASSERT_EQ(Written(n / 100.0), ToChars(n / 100.0)) << n;
        ASSERT_EQ(Written(-n / 10.0), ToChars(-n / 10.0)) << n;
    }
}

}  // namespace
}  // namespace karumoa::cli
