// The command-line pieces in-process: the indoor temperature argument, the
// JSON writer's numbers and texts, and the report of a room as JSON.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

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

}  // namespace
}  // namespace karumoa::cli
