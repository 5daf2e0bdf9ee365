#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <variant>

#include "fixture_rooms.h"
#include "model/room_fields.h"
#include "test_util.h"
#include "text/number_text.h"

namespace karumoa::project::testing {
namespace {

using Kind = ReadError::Kind;
using model::RoomModel;

// Reads `bytes` into a copy of the example room and checks that it is
// refused and that the room is untouched. Returns the error.
ReadError Refused(std::string_view bytes) {
    RoomModel room = ExampleRoom();
    ReadError error;
    EXPECT_FALSE(ReadProject(bytes, room, &error));
    EXPECT_EQ(room, ExampleRoom()) << "the room changed after a failed read";
    EXPECT_FALSE(error.Message().empty());
    return error;
}

// The conditions-line field of the setting named `member`.
FieldRef SettingField(std::string_view member) {
    int number = 0;
    for (const model::RoomSetting& s : model::kFileSettings) {
        ++number;
        if (s.member == member) {
            return {Section::Conditions, Field::Setting, 0, number};
        }
    }
    ADD_FAILURE() << member << " is no setting of the file";
    return {};
}

// Japanese text: at least one character outside ASCII.
bool IsJapanese(const std::string& s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

TEST(Reject, EveryTruncationOfAFullFile) {
    const std::string bytes = Write(ExampleRoom());
    // The last field ends before the final CR LF; cutting anywhere before
    // its end must be refused.
    const std::size_t lastFieldEnd = bytes.size() - 2;
    for (std::size_t cut = 0; cut < lastFieldEnd; ++cut) {
        SCOPED_TRACE(cut);
        const ReadError error = Refused(std::string_view(bytes).substr(0, cut));
        const char next = bytes[cut];
        const bool atBoundary = next == ',' || next == '\r' || next == '\n';
        if (atBoundary) {
            EXPECT_EQ(error.kind, Kind::UnexpectedEnd) << error.Message();
        }
        EXPECT_TRUE(IsJapanese(error.Message())) << error.Message();
    }
}

TEST(Reject, NamesTheLineAndFieldOfANonNumber) {
    const std::string bytes = ReplaceLine(Write(ExampleRoom()), 18, "10,20,abc,25,12,1.1");
    const ReadError error = Refused(bytes);
    EXPECT_EQ(error.kind, Kind::NotANumber);
    EXPECT_EQ(error.line, 18);
    EXPECT_EQ(error.field, (FieldRef{Section::Wall, Field::Atusa, 2, 3}));
    EXPECT_EQ(error.Message(), "18 行目: 壁2 の「厚さ」(層3) が数値ではありません（「abc」）。");
}

// `bytes` with field i (0-based) of the conditions line replaced by `text`.
std::string WithConditionField(const std::string& bytes, int i, std::string_view text) {
    const std::string line = LineOf(bytes, 1);
    std::string edited;
    std::size_t begin = 0;
    for (int f = 0; f < kConditionFieldCount; ++f) {
        const std::size_t end = std::min(line.find(',', begin), line.size());
        edited += f == i ? std::string(text) : line.substr(begin, end - begin);
        if (f + 1 < kConditionFieldCount) {
            edited += ',';
        }
        begin = end + 1;
    }
    return ReplaceLine(bytes, 1, edited);
}

TEST(Reject, NonNumericConditionFields) {
    const std::string bytes = Write(NewRoom());
    for (int i = 0; i < kConditionFieldCount; ++i) {
        SCOPED_TRACE(i);
        const ReadError error = Refused(WithConditionField(bytes, i, "x"));
        EXPECT_TRUE(error.kind == Kind::NotANumber || error.kind == Kind::NotABoolean);
        EXPECT_EQ(error.line, 1);
        EXPECT_EQ(error.field, (FieldRef{Section::Conditions, Field::Setting, 0, i + 1}));
    }
}

TEST(Reject, ConditionValuesOutsideTheirRange) {
    struct Case {
        std::string_view setting;
        std::function<void(RoomModel&)> set;
    };
    const std::vector<Case> cases{
        {"Basyo", [](RoomModel& r) { r.Basyo = 14; }},
        {"Tatemono_Syurui", [](RoomModel& r) { r.Tatemono_Syurui = 0; }},
        {"Tatemono_Syurui", [](RoomModel& r) { r.Tatemono_Syurui = 10; }},
        {"Situnai_Syurui", [](RoomModel& r) { r.Situnai_Syurui = 3; }},
        {"Soutou_Ninzuu", [](RoomModel& r) { r.Soutou_Ninzuu = 2.01f; }},
        {"Soutou_Ninzuu", [](RoomModel& r) { r.Soutou_Ninzuu = -0.5f; }},
        {"Jitu_Ninzuu", [](RoomModel& r) { r.Jitu_Ninzuu = 10000; }},
        {"Soutou_Basyo", [](RoomModel& r) { r.Soutou_Basyo = 8; }},
        {"Syoudo", [](RoomModel& r) { r.Syoudo = -1; }},
        {"Syoudo_Syurui", [](RoomModel& r) { r.Syoudo_Syurui = 8; }},
        {"Syoumei_housiki", [](RoomModel& r) { r.Syoumei_housiki = 5; }},
        {"Keikoutou_Syurui", [](RoomModel& r) { r.Keikoutou_Syurui = 4; }},
        {"Hakunetutou_Syurui", [](RoomModel& r) { r.Hakunetutou_Syurui = 5; }},
        {"Keikoutou_Kazu", [](RoomModel& r) { r.Keikoutou_Kazu = 1000; }},
        {"Hakunetutou_Kazu", [](RoomModel& r) { r.Hakunetutou_Kazu = -1; }},
        {"Syoumei_Syuturyoku", [](RoomModel& r) { r.Syoumei_Syuturyoku = 100000; }},
        {"Keikoutou_wariai", [](RoomModel& r) { r.Keikoutou_wariai = 5; }},
        {"Kanki_Entarupi", [](RoomModel& r) { r.Kanki_Entarupi = 9; }},
        {"Kanki_Basyo", [](RoomModel& r) { r.Kanki_Basyo = -2; }},
        {"Kanki_Basyo", [](RoomModel& r) { r.Kanki_Basyo = 7; }},
        {"Kanki_Fuuryou", [](RoomModel& r) { r.Kanki_Fuuryou = 100000.0f; }},
    };
    for (const Case& c : cases) {
        RoomModel room = NewRoom();
        c.set(room);
        SCOPED_TRACE(LineOf(Write(room), 1));
        const ReadError error = Refused(Write(room));
        EXPECT_EQ(error.kind, Kind::OutOfRange) << error.Message();
        EXPECT_EQ(error.field, SettingField(c.setting));
    }
    // Beyond the type itself.
    const std::string bytes = Write(NewRoom());
    EXPECT_EQ(Refused(ReplaceLine(bytes, 1, "256" + LineOf(bytes, 1).substr(1))).kind,
              Kind::OutOfRange);
    const ReadError big = Refused(ReplaceAll(bytes, ",1000,", ",1E+30,"));
    EXPECT_EQ(big.kind, Kind::OutOfRange);
    EXPECT_EQ(big.Message(),
              "1 行目: 条件の「照明の全出力」の値「1E+30」は範囲外です（0〜99999 W）。");
}

// Each setting at both ends of its range and one step beyond (a hundredth
// for singles), as the condition dialogs check what they store: the reader
// takes the values of the range and refuses the others. An unbounded end
// is left to the type.
TEST(Reject, SettingsReadWithinTheirRangeOnly) {
    const std::string bytes = Write(NewRoom());
    int i = 0;
    for (const model::RoomSetting& setting : model::kFileSettings) {
        const int field = i++;
        if (std::holds_alternative<bool RoomModel::*>(setting.field)) {
            continue;
        }
        const double step = std::holds_alternative<float RoomModel::*>(setting.field) ? 0.01 : 1;
        const model::ValueRange& range = setting.range;
        for (const double v : {range.min - step, range.min, range.max, range.max + step}) {
            if (std::isinf(v)) {
                continue;
            }
            const std::string text = text::PlainNumber(v);
            SCOPED_TRACE(std::string(setting.member) + " = " + text);
            const std::string edited = WithConditionField(bytes, field, text);
            RoomModel room = NewRoom();
            ReadError error;
            EXPECT_EQ(ReadProject(edited, room, &error), range.Contains(v)) << error.Message();
            if (!range.Contains(v)) {
                EXPECT_EQ(error.kind, Kind::OutOfRange);
                EXPECT_EQ(error.field, SettingField(setting.member));
            }
        }
    }
}

// Rooms the writer can write but the program cannot hold.
TEST(Reject, RoomsBeyondTheModelsLimits) {
    struct Case {
        const char* what;
        std::function<void(RoomModel&)> edit;
        Kind kind;
        FieldRef field;
    };
    const std::vector<Layer> wall{{"合板", "0.14", 12}};
    auto windows = [](RoomModel& r, int p, model::Mado_Data::Array tate,
                      model::Mado_Data::Array yoko, model::Mado_Data::Array kazu, float area) {
        r.Mado.Item(p)->SetData(tate, yoko, kazu, true, area, r.Kabe.Item(p)->Houi);
    };
    const std::vector<Case> cases{
        {"five walls",
         [&](RoomModel& r) { AddWall(r, MakeConstruction(wall, 7200, 2700, 1, false)); },
         Kind::OutOfRange,
         {Section::WallCount, Field::Count, 0, 0}},
        {"orientation 9 for a wall",
         [](RoomModel& r) { r.Kabe.Item(2)->Houi = 9; },
         Kind::OutOfRange,
         {Section::Wall, Field::Houi, 2, 0}},
        {"two north walls",
         [](RoomModel& r) { r.Kabe.Item(3)->Houi = 1; },
         Kind::InvalidRoom,
         {Section::Wall, Field::Houi, 3, 0}},
        {"mixed parity",
         [](RoomModel& r) { r.Kabe.Item(2)->Houi = 2; },
         Kind::InvalidRoom,
         {Section::Wall, Field::Houi, 2, 0}},
        {"heights differ",
         [](RoomModel& r) { r.Kabe.Item(4)->Tate = 2400; },
         Kind::InvalidRoom,
         {Section::Wall, Field::Tate, 4, 0}},
        {"opposite widths differ",
         [](RoomModel& r) { r.Kabe.Item(4)->Yoko = 5000; },
         Kind::InvalidRoom,
         {Section::Wall, Field::Yoko, 4, 0}},
        {"width below 1000",
         [](RoomModel& r) { r.Kabe.Item(1)->Yoko = 999; },
         Kind::OutOfRange,
         {Section::Wall, Field::Yoko, 1, 0}},
        {"negative height",
         [](RoomModel& r) { r.Kabe.Item(1)->Tate = -2700; },
         Kind::OutOfRange,
         {Section::Wall, Field::Tate, 1, 0}},
        {"zero K",
         [](RoomModel& r) { r.Kabe.Item(1)->Netukanryuu = 0.0f; },
         Kind::OutOfRange,
         {Section::Wall, Field::Netukanryuu, 1, 0}},
        // The largest K the construction dialog gives, 1 / 0.175, and a
        // load-overflowing one.
        {"K above one over the surface resistance",
         [](RoomModel& r) { r.Kabe.Item(1)->Netukanryuu = 5.714287f; },
         Kind::OutOfRange,
         {Section::Wall, Field::Netukanryuu, 1, 0}},
        {"K of 3.4E+38",
         [](RoomModel& r) { r.Kabe.Item(3)->Netukanryuu = 3.4e38f; },
         Kind::OutOfRange,
         {Section::Wall, Field::Netukanryuu, 3, 0}},
        {"wall attribute 4",
         [](RoomModel& r) { r.Kabe.Item(1)->Zokusei = 4; },
         Kind::OutOfRange,
         {Section::Wall, Field::Zokusei, 1, 0}},
        {"floor attribute 3",
         [](RoomModel& r) { r.Yuka.Item(1)->Zokusei = 3; },
         Kind::OutOfRange,
         {Section::Floor, Field::Zokusei, 0, 0}},
        {"no layers",
         [](RoomModel& r) {
             r.Kabe.Item(1)->SetData({"", ""}, {0, 0}, {0, 0}, 7200, 2700, 1, false, 5.0f, 0);
         },
         Kind::OutOfRange,
         {Section::Wall, Field::LayerCount, 1, 0}},
        {"thickness 301",
         [](RoomModel& r) {
             r.Kabe.Item(1)->SetData({"", "a", ""}, {0, 1.0f, 0}, {0, 301, 0}, 7200, 2700, 1, false,
                                     2.0f, 0);
         },
         Kind::OutOfRange,
         {Section::Wall, Field::Atusa, 1, 1}},
        {"zero conductivity",
         [](RoomModel& r) {
             r.Yane.Item(1)->SetData({"", "a", "b", ""}, {0, 1.0f, 0.0f, 0}, {0, 10, 10, 0}, 7200,
                                     5400, 0, false, 2.0f, 0);
         },
         Kind::OutOfRange,
         {Section::Roof, Field::Netu, 0, 2}},
        {"conductivity of 400",
         [](RoomModel& r) {
             r.Yuka.Item(1)->SetData({"", "a", ""}, {0, 400.0f, 0}, {0, 10, 0}, 7200, 5400, 9,
                                     false, 2.0f, 0);
         },
         Kind::OutOfRange,
         {Section::Floor, Field::Netu, 0, 1}},
        {"roof orientation 1",
         [](RoomModel& r) { r.Yane.Item(1)->Houi = 1; },
         Kind::OutOfRange,
         {Section::Roof, Field::Houi, 0, 0}},
        {"floor orientation 0",
         [](RoomModel& r) { r.Yuka.Item(1)->Houi = 0; },
         Kind::OutOfRange,
         {Section::Floor, Field::Houi, 0, 0}},
        {"window set of another orientation",
         [](RoomModel& r) { r.Mado.Item(2)->Houi = 5; },
         Kind::InvalidRoom,
         {Section::WallWindows, Field::MadoHoui, 2, 0}},
        {"window wider than the wall",
         [&](RoomModel& r) {
             windows(r, 2, {0, 1200, 0}, {0, 6000, 0}, {0, 1, 0}, 7.2f);
         },
         Kind::InvalidRoom,
         {Section::WallWindows, Field::MadoYoko, 2, 1}},
        {"window higher than the wall",
         [&](RoomModel& r) {
             windows(r, 2, {0, 3000, 0}, {0, 1000, 0}, {0, 1, 0}, 3.0f);
         },
         Kind::InvalidRoom,
         {Section::WallWindows, Field::MadoTate, 2, 1}},
        {"window width 499",
         [&](RoomModel& r) {
             windows(r, 2, {0, 1200, 0}, {0, 499, 0}, {0, 1, 0}, 0.6f);
         },
         Kind::OutOfRange,
         {Section::WallWindows, Field::MadoYoko, 2, 1}},
        {"window count 0",
         [&](RoomModel& r) {
             windows(r, 2, {0, 1200, 0}, {0, 900, 0}, {0, 0, 0}, 0.0f);
         },
         Kind::OutOfRange,
         {Section::WallWindows, Field::Kazu, 2, 1}},
        {"window area above the wall's",
         [&](RoomModel& r) {
             windows(r, 2, {0, 1200, 0}, {0, 900, 0}, {0, 1, 0}, 15.0f);
         },
         Kind::InvalidRoom,
         {Section::WallWindows, Field::Menseki, 2, 0}},
        {"area without windows",
         [](RoomModel& r) { r.Mado.Item(1)->Menseki = 1.0f; },
         Kind::InvalidRoom,
         {Section::WallWindows, Field::Menseki, 1, 0}},
        {"negative area",
         [](RoomModel& r) { r.Mado.Item(1)->Menseki = -1.0f; },
         Kind::OutOfRange,
         {Section::WallWindows, Field::Menseki, 1, 0}},
        {"two roofs",
         [](RoomModel& r) { r.Yane.Add(r.Yane.Item(1)); },
         Kind::OutOfRange,
         {Section::RoofCount, Field::Count, 0, 0}},
        {"two floors",
         [](RoomModel& r) { r.Yuka.Add(r.Yuka.Item(1)); },
         Kind::OutOfRange,
         {Section::FloorCount, Field::Count, 0, 0}},
        {"two skylights",
         [](RoomModel& r) { r.Yane_Mado.Add(r.Yane_Mado.Item(1)); },
         Kind::OutOfRange,
         {Section::SkylightCount, Field::Count, 0, 0}},
        {"floor with three walls",
         [](RoomModel& r) {
             r.Kabe.Remove(4);
             r.Mado.Remove(4);
             r.Yane.Clear();
             r.Yane_Mado.Clear();
         },
         Kind::InvalidRoom,
         {Section::FloorCount, Field::Count, 0, 0}},
        {"skylight without roof",
         [](RoomModel& r) { r.Yane.Clear(); },
         Kind::InvalidRoom,
         {Section::SkylightCount, Field::Count, 0, 0}},
        {"empty skylight set",
         [](RoomModel& r) {
             r.Yane_Mado.Item(1)->SetData({0, 0}, {0, 0}, {0, 0}, true, 0.0f, 0);
         },
         Kind::OutOfRange,
         {Section::Skylight, Field::EntryCount, 0, 0}},
        {"skylight wider than the roof",
         [](RoomModel& r) {
             r.Yane_Mado.Item(1)->SetData({0, 900, 0}, {0, 8000, 0}, {0, 1, 0}, true, 7.2f, 0);
         },
         Kind::InvalidRoom,
         {Section::Skylight, Field::MadoYoko, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RoomModel room = ExampleRoom();
        c.edit(room);
        const ReadError error = Refused(Write(room));
        EXPECT_EQ(error.kind, c.kind) << error.Message();
        EXPECT_EQ(error.field, c.field) << error.Message();
        EXPECT_GT(error.line, 0);
        EXPECT_TRUE(IsJapanese(error.Message()));
    }
}

TEST(Reject, BrokenSyntax) {
    const std::string bytes = Write(ExampleRoom());
    const std::string name = LineOf(bytes, 11);  // first material of wall 1
    struct Case {
        const char* what;
        std::string text;
        Kind kind;
        int line;
    };
    const std::vector<Case> cases{
        {"unterminated string", ReplaceLine(bytes, 11, name.substr(0, name.size() - 1)),
         Kind::UnterminatedString, 11},
        {"text after a string", ReplaceLine(bytes, 11, name + "x"), Kind::TextAfterString, 11},
        {"stray quote", ReplaceLine(bytes, 11, "ab\"c"), Kind::UnterminatedString, 11},
        {"empty field", ReplaceAll(bytes, "10,20,150", "10,,150"), Kind::EmptyField, 6},
        {"quoted number", ReplaceLine(bytes, 3, "\"4\""), Kind::NotANumber, 3},
        {"not a boolean", ReplaceAll(bytes, "#TRUE#", "#YES#"), Kind::NotABoolean, 1},
        {"trailing text", bytes + "\r\n\r\n0\r\n", Kind::TrailingText, 95},
        {"trailing comma", bytes.substr(0, bytes.size() - 2) + ",\r\n", Kind::TrailingText, 92},
        {"bytes that are not Shift_JIS", ReplaceLine(bytes, 11, "\"\x81\x20\""), Kind::Encoding,
         11},
        // The fields are read from the undecoded bytes; bytes that do not
        // decode still come first, wherever they stand.
        {"bytes that are not Shift_JIS in a number", ReplaceLine(bytes, 3, "\x81\x20"),
         Kind::Encoding, 3},
        {"bytes that are not Shift_JIS after another fault",
         ReplaceLine(ReplaceLine(bytes, 3, "x"), 23, "\"\x81\x20\""), Kind::Encoding, 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadError error = Refused(c.text);
        EXPECT_EQ(error.kind, c.kind) << error.Message();
        EXPECT_EQ(error.line, c.line) << error.Message();
    }
    // The text a message shows is decoded: a full-width digit.
    EXPECT_EQ(Refused(ReplaceLine(bytes, 3, "\x82\x53")).text, "４");
    const ReadError large = Refused(bytes + std::string(kMaxProjectFileSize, '\n'));
    EXPECT_EQ(large.kind, Kind::FileTooLarge);
}

}  // namespace
}  // namespace karumoa::project::testing
