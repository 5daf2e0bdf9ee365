// Golden project files. examples/example-room.kmd and tests/data/rooms/*.kmd
// are exactly the writer's bytes for the rooms of fixture_rooms.cpp;
// tests/data/broken/*.kmd are edited from them. After a deliberate change of
// a fixture room or of the writer, regenerate them with
//   KARUMOA_UPDATE_FIXTURES=1 build/bin/test_project --gtest_filter='Fixtures.*'
// and review the difference before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "fixture_rooms.h"
#include "test_util.h"

namespace karumoa::project::testing {
namespace {

using Kind = ReadError::Kind;

const std::string kRooms = std::string(KARUMOA_TEST_DATA_DIR) + "/rooms/";
const std::string kBroken = std::string(KARUMOA_TEST_DATA_DIR) + "/broken/";
const std::string kExamples = std::string(KARUMOA_EXAMPLES_DIR) + "/";

bool Updating() {
    return std::getenv("KARUMOA_UPDATE_FIXTURES") != nullptr;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Compares a golden file with `bytes`, or rewrites it when updating.
void CheckGolden(const std::string& path, const std::string& bytes) {
    if (Updating()) {
        std::ofstream(path, std::ios::binary) << bytes;
        return;
    }
    EXPECT_EQ(Slurp(path), bytes) << path << " differs from the writer's output";
}

struct Good {
    std::string path;
    std::function<model::RoomModel()> room;
};

const std::vector<Good>& GoodFiles() {
    static const std::vector<Good> files{
        {kExamples + "example-room.kmd", ExampleRoom},
        {kRooms + "conditions-only.kmd", ConditionsOnlyRoom},
        {kRooms + "one-wall.kmd", OneWallRoom},
        {kRooms + "diagonal-room.kmd", DiagonalRoom},
        {kRooms + "attributes-blinds.kmd", AttributesRoom},
    };
    return files;
}

struct Broken {
    std::string name;
    std::function<std::string()> bytes;
    Kind kind;
    int line;
};

const std::vector<Broken>& BrokenFiles() {
    static const std::vector<Broken> files{
        // Wall 2, layer 3 thickness.
        {"not-a-number.kmd",
         [] { return ReplaceLine(Write(ExampleRoom()), 18, "10,20,abc,25,12,1.1"); },
         Kind::NotANumber, 18},
        {"truncated.kmd",
         [] {
             const std::string b = Write(ExampleRoom());
             return b.substr(0, b.find("\r\n", b.size() / 2));
         },
         Kind::UnexpectedEnd, 0},
        {"five-walls.kmd", [] { return ReplaceLine(Write(ExampleRoom()), 3, "5"); },
         Kind::OutOfRange, 3},
        {"not-shift-jis.kmd", [] { return ReplaceLine(Write(ExampleRoom()), 11, "\"\x81\x20\""); },
         Kind::Encoding, 11},
        {"trailing-text.kmd", [] { return Write(ExampleRoom()) + "\r\nextra\r\n"; },
         Kind::TrailingText, 0},
        {"window-wider-than-wall.kmd",
         [] {
             model::RoomModel room = ExampleRoom();
             room.Mado.Item(3)->SetData({0, 1200, 0}, {0, 8000, 0}, {0, 1, 0}, true, 9.6f, 5);
             return Write(room);
         },
         Kind::InvalidRoom, 0},
        // A K no construction gives, which made every load infinite.
        {"huge-k.kmd",
         [] { return ReplaceAll(Write(ExampleRoom()), "1,#TRUE#,.6205618,", "1,#TRUE#,3.4E+38,"); },
         Kind::OutOfRange, 4},
        {"roof-without-four-walls.kmd",
         [] {
             model::RoomModel room = ExampleRoom();
             room.Kabe.Remove(4);
             room.Mado.Remove(4);
             return Write(room);
         },
         Kind::InvalidRoom, 0},
    };
    return files;
}

TEST(Fixtures, GoodFilesAreTheWritersBytesAndReadBack) {
    for (const Good& g : GoodFiles()) {
        SCOPED_TRACE(g.path);
        const model::RoomModel room = g.room();
        const std::string bytes = Write(room);
        CheckGolden(g.path, bytes);
        model::RoomModel read = NewRoom();
        ReadError error;
        ASSERT_TRUE(ReadProject(bytes, read, &error)) << error.Message();
        EXPECT_EQ(Write(read), bytes);
    }
}

TEST(Fixtures, BrokenFilesAreRefusedWithTheirReason) {
    for (const Broken& b : BrokenFiles()) {
        SCOPED_TRACE(b.name);
        const std::string bytes = b.bytes();
        CheckGolden(kBroken + b.name, bytes);
        model::RoomModel room = ExampleRoom();
        ReadError error;
        EXPECT_FALSE(ReadProject(bytes, room, &error));
        EXPECT_EQ(error.kind, b.kind) << error.Message();
        if (b.line > 0) {
            EXPECT_EQ(error.line, b.line) << error.Message();
        }
        EXPECT_EQ(room, ExampleRoom());
    }
}

}  // namespace
}  // namespace karumoa::project::testing
