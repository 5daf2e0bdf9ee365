// The database builder run as the build runs it, on small sources in a
// temporary folder: good sources become tables cell for cell, bad ones stop
// the build with the file, line and column and leave no database behind.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "refdb/reference_data.h"
#include "test_support.h"

namespace karumoa::refdb {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct ToolRun {
    int status = -1;
    std::string messages;  // what the builder wrote to stderr
};

class MakeRefdb : public ::testing::Test {
protected:
    // Writes `csv` to <dir>/<name> and builds table `table` from it into
    // <dir>/out.sqlite.
    ToolRun Build(const std::string& table, const std::string& csv,
                  const std::string& name = "source.csv") {
        WriteFile(dir_ / name, csv);
        const std::string command = std::string("'") + KARUMOA_MAKE_REFDB + "' '" + table + "' '" +
                                    (dir_ / name).string() + "' '" + Output().string() + "' 2> '" +
                                    (dir_ / "stderr.txt").string() + "'";
        const int raw = std::system(command.c_str());
        ToolRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.messages = ReadFile(dir_ / "stderr.txt");
        return run;
    }

    std::filesystem::path Output() const { return dir_ / "out.sqlite"; }

    std::optional<Table> ReadBack(const std::string& table) {
        LoadError error;
        std::optional<Table> t = ReadTable(Output().string(), table, &error);
        EXPECT_TRUE(t) << error.message;
        return t;
    }

    // Expects a refused source: non-zero exit, a message holding every
    // piece of `expected`, no database and no temporary file left.
    void ExpectRefused(const ToolRun& run, const std::vector<std::string>& expected) {
        EXPECT_EQ(run.status, 1) << run.messages;
        for (const std::string& piece : expected) {
            EXPECT_NE(run.messages.find(piece), std::string::npos)
                << "missing \"" << piece << "\" in: " << run.messages;
        }
        EXPECT_FALSE(std::filesystem::exists(Output()));
        EXPECT_FALSE(std::filesystem::exists(dir_ / "out.sqlite.tmp"));
    }

    TempDir dir_;
};

// A conductivity source of 10 categories and 14 rows: category 1 lists
// `name` with conductivity `value`, everything else is empty.
std::string Conductivity(const std::string& name, const std::string& value) {
    std::string csv = "c1,c2,c3,c4,c5,c6,c7,c8,c9,c10\r\n";
    const std::string blanks = ", , , , , , , , , \r\n";
    csv += name + blanks;
    csv += value + blanks;
    for (int r = 2; r < 14; ++r) {
        csv += " " + blanks;
    }
    return csv;
}

// The ventilation source: header and two rows of seven places.
const char* const kKanki =
    "会議室,\"バー、キャバレー\",事務所,レストラン,商店、デパート,劇場,病院\n"
    "51,42.5,17,20.4,17,17,42.5\n"
    "85,51,25.5,25.5,25.5,25.5,51\n";

TEST_F(MakeRefdb, QuotedFieldsFollowTheCsvRules) {
    // Quoted commas, doubled quotes and line breaks belong to their cell;
    // blanks are kept; CR LF and LF both end records; a final line break
    // adds no record.
    std::string csv = "照度(lx),a,b,c,d,e,f\r\n";
    csv += "2000,\"x,y\",\"say \"\"hi\"\"\",\"two\r\nlines\", , ,\"\"\n";
    csv += "1500,-,-,-,-,-,-\r\n";
    const ToolRun run = Build("Syoudo", csv);
    ASSERT_EQ(run.status, 0) << run.messages;
    const std::optional<Table> t = ReadBack("Syoudo");
    ASSERT_TRUE(t);
    ASSERT_EQ(t->RowCount(), 2);
    EXPECT_EQ(t->ColumnNames()[0], "照度(lx)");
    EXPECT_EQ(t->Cell(0, 1), "x,y");
    EXPECT_EQ(t->Cell(0, 2), "say \"hi\"");
    EXPECT_EQ(t->Cell(0, 3), "two\r\nlines");
    EXPECT_EQ(t->Cell(0, 4), " ");
    EXPECT_EQ(t->Cell(0, 6), "");
    EXPECT_EQ(t->Cell(1, 0), "1500");
}

TEST_F(MakeRefdb, RefusesABadConductivity) {
    ASSERT_EQ(Build("Dendouritu", Conductivity("普通コンクリート", "1.4")).status, 0);
    for (const char* bad : {"1.4x", "0", "-1.4", " ", "1.4 "}) {
        const ToolRun run = Build("Dendouritu", Conductivity("普通コンクリート", bad), "bad.csv");
        SCOPED_TRACE(bad);
        ExpectRefused(run, {"bad.csv:3:", "row 2, column 1 \"c1\"", "熱伝導率", "正の数"});
    }
}

TEST_F(MakeRefdb, RefusesMaterialNamesTheProjectFileCannotHold) {
    // Each name is quoted in the source, so it reaches the check whole.
    for (const char* bad : {"\"a,b\"", "\"a\"\"b\"", "\"a\r\nb\""}) {
        const ToolRun run = Build("Dendouritu", Conductivity(bad, "1.4"), "bad.csv");
        SCOPED_TRACE(bad);
        ExpectRefused(run, {"bad.csv:2:", "row 1, column 1 \"c1\"", "材料名",
                            "カンマ、二重引用符または改行"});
    }
    // A JIS wave dash would come back from the file as the full-width tilde.
    ExpectRefused(Build("Dendouritu", Conductivity("セメント\u301Cモルタル", "1.4")),
                  {"材料名", "文字コードで書けません"});
}

TEST_F(MakeRefdb, RefusesRaggedRows) {
    std::string csv = kKanki;
    csv.replace(csv.find("85,51,"), 6, "85,");
    ExpectRefused(Build("KankiRyou", csv, "ragged.csv"),
                  {"ragged.csv:3:", "row 2 has 6 columns, the header 7", "column 7 \"病院\""});
    csv = std::string(kKanki) + "1,2,3,4,5,6,7,8\n";
    ExpectRefused(Build("KankiRyou", csv, "ragged.csv"),
                  {"ragged.csv:4:", "row 3 has 8 columns", "column 8 is extra"});
}

TEST_F(MakeRefdb, RefusesMalformedCsv) {
    std::string csv = std::string(kKanki) + "1,\"2,3,4,5,6,7\n";
    ExpectRefused(Build("KankiRyou", csv), {"source.csv:4:", "not closed"});
    csv = std::string(kKanki) + "1,2\"x,3,4,5,6,7\n";
    ExpectRefused(Build("KankiRyou", csv), {"source.csv:4:", "double quote"});
    ExpectRefused(Build("KankiRyou", "\x93\x8c\x8b\x9e,a\n"), {"not UTF-8"});
}

TEST_F(MakeRefdb, RefusesTablesTheProgramCouldNotLoad) {
    // The program's own check: one city short.
    std::string gaiki =
        "地点,乾球温度(0-24時),乾球温度(8-17時),露点温度(0-24時),露点温度(8-17時)\n";
    for (int i = 0; i < 13; ++i) {
        gaiki += "x,1,2,3,4\n";
    }
    ExpectRefused(Build("Gaiki", gaiki), {"source.csv: error:", "14 行以上"});
    ExpectRefused(Build("KankiRyou", "a,b,A,d,e,f,g\n1,2,3,4,5,6,7\n1,2,3,4,5,6,7\n"),
                  {"column 3 \"A\" repeats column 1"});
    // A cell read as a number that is none (a typing error) is not read as 0.
    for (const char* bad : {"abc", "5a4", ""}) {
        std::string csv = kKanki;
        csv.replace(csv.find("42.5,17"), 4, bad);
        SCOPED_TRACE(bad);
        ExpectRefused(Build("KankiRyou", csv), {"数値でないか"});
    }
}

TEST_F(MakeRefdb, FailedBuildRemovesTheOldDatabase) {
    ASSERT_EQ(Build("KankiRyou", kKanki).status, 0);
    ASSERT_TRUE(std::filesystem::exists(Output()));
    ExpectRefused(Build("KankiRyou", "a,b\n1\n"), {"row 1 has 1 columns"});
}

}  // namespace
}  // namespace karumoa::refdb
