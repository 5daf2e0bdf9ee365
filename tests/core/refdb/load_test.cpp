// Loading the seven tables from a folder: every way a table can be missing
// or unusable is an error that names its file and table.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "refdb/reference_data.h"
#include "test_support.h"

namespace karumoa::refdb {
namespace {

using testing::CopyShipped;
using testing::ExecSql;
using testing::ShippedTables;
using testing::TempDir;
using testing::WithCell;
using testing::WriteFile;

// Loads from `dir`, expecting failure, and returns the error.
LoadError LoadFails(const std::filesystem::path& dir) {
    LoadError error;
    EXPECT_FALSE(ReferenceData::Load(dir.string(), &error));
    return error;
}

LoadError CheckFails(std::size_t index, const Table& table) {
    LoadError error;
    EXPECT_FALSE(ReferenceData::CheckTable(index, table, &error));
    return error;
}

void ExpectNames(const LoadError& e, const std::string& file, const std::string& table) {
    EXPECT_EQ(e.file, file);
    EXPECT_EQ(e.table, table);
    EXPECT_NE(e.message.find("「" + file + "」"), std::string::npos) << e.message;
    EXPECT_NE(e.message.find("「" + table + "」"), std::string::npos) << e.message;
}

TEST(LoadFolder, MissingFileIsNamedAndNotCreated) {
    TempDir dir;
    CopyShipped(dir.Path());
    std::filesystem::remove(dir / "kanki.sqlite");
    const LoadError e = LoadFails(dir.Path());
    ExpectNames(e, "kanki.sqlite", "KankiRyou");
    EXPECT_NE(e.message.find("見つかりません"), std::string::npos) << e.message;
    EXPECT_FALSE(std::filesystem::exists(dir / "kanki.sqlite"));
}

TEST(LoadFolder, MissingTable) {
    TempDir dir;
    CopyShipped(dir.Path());
    ExecSql(dir / "Syoudo.sqlite", "ALTER TABLE Syoudo RENAME TO Syoudo_old");
    const LoadError e = LoadFails(dir.Path());
    ExpectNames(e, "Syoudo.sqlite", "Syoudo");
    EXPECT_NE(e.message.find("テーブル「Syoudo」がありません"), std::string::npos) << e.message;
}

TEST(LoadFolder, FileThatIsNotADatabase) {
    TempDir dir;
    CopyShipped(dir.Path());
    WriteFile(dir / "Ondosa.sqlite", "区分,屋根(水平)\nthis is a CSV file, not a database\n");
    const LoadError e = LoadFails(dir.Path());
    ExpectNames(e, "Ondosa.sqlite", "Soutou_Ondosa");
    EXPECT_NE(e.message.find("データベースとして読めません"), std::string::npos) << e.message;
}

TEST(LoadFolder, ShortTableInTheFile) {
    TempDir dir;
    CopyShipped(dir.Path());
    ExecSql(dir / "Nissya.sqlite", "DELETE FROM Neturyou WHERE rowid = 4");
    const LoadError e = LoadFails(dir.Path());
    ExpectNames(e, "Nissya.sqlite", "Neturyou");
    EXPECT_NE(e.message.find("4 行以上必要ですが、3 行しかありません"), std::string::npos)
        << e.message;
}

// A FIFO in place of a table is refused at once: the database engine would
// wait on it for a writer, and the program's start-up with it.
TEST(LoadFolder, AFifoInPlaceOfATableIsRefusedWithoutWaiting) {
    TempDir dir;
    CopyShipped(dir.Path());
    std::filesystem::remove(dir / "Nissya.sqlite");
    ASSERT_EQ(::mkfifo((dir / "Nissya.sqlite").c_str(), 0644), 0);
    auto loading = std::async(std::launch::async, [&] { return LoadFails(dir.Path()); });
    if (loading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "loading waits on the FIFO";
        // A writer that opens and closes lets the wait end.
        ::close(::open((dir / "Nissya.sqlite").c_str(), O_WRONLY));
    }
    const LoadError e = loading.get();
    ExpectNames(e, "Nissya.sqlite", "Neturyou");
    EXPECT_NE(e.message.find("通常のファイルではありません"), std::string::npos) << e.message;
}

TEST(LoadFolder, RowsAreReadInRowidOrderAndNumbersAsText) {
    // A table written by another tool: rows inserted out of order and
    // numbers stored as numbers. Rowid order is the stored order.
    TempDir dir;
    CopyShipped(dir.Path());
    ExecSql(dir / "kanki.sqlite",
            "DROP TABLE KankiRyou;"
            "CREATE TABLE KankiRyou (a, b, c, d, e, f, g);"
            "INSERT INTO KankiRyou (rowid, a, b, c, d, e, f, g) VALUES "
            "(2, 85, 51, 25.5, 25.5, 25.5, 25.5, 51),"
            "(1, 51, 42.5, 17, 20.4, 17, 17, 42.5);");
    LoadError error;
    std::optional<ReferenceData> data = ReferenceData::Load(dir.Path().string(), &error);
    ASSERT_TRUE(data) << error.message;
    EXPECT_EQ(data->KankiRateText(true, 2), "17");
    EXPECT_EQ(data->KankiRate(false, 2), 25.5f);
    EXPECT_EQ(data->KankiRateText(true, 6), "42.5");
}

TEST(TableShape, TooFewRowsOrColumns) {
    const std::array<Table, 7> tables = ShippedTables();
    const int minimumRows[] = {14, 14, 20, 4, 12, 2, 2};
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const LoadError e = CheckFails(i, testing::FirstRows(tables[i], minimumRows[i] - 1));
        ExpectNames(e, tables[i].File(), tables[i].Name());
        EXPECT_NE(e.message.find(std::to_string(minimumRows[i]) + " 行以上"), std::string::npos)
            << e.message;
    }
    // The ventilation table without its last place.
    const Table& kanki = tables[6];
    std::vector<std::string> names = kanki.ColumnNames();
    names.pop_back();
    std::vector<std::string> cells = testing::CellsOf(kanki, 2);
    cells.erase(cells.begin() + 13);
    cells.erase(cells.begin() + 6);
    const LoadError e = CheckFails(6, Table(kanki.File(), kanki.Name(), names, cells));
    EXPECT_NE(e.message.find("7 列以上必要ですが、6 列しかありません"), std::string::npos)
        << e.message;
}

TEST(TableShape, OutdoorTableNeedsTheNamedColumns) {
    const std::array<Table, 7> tables = ShippedTables();
    const Table& g = tables[0];
    std::vector<std::string> names = g.ColumnNames();
    names[4] = "露点";
    const LoadError e =
        CheckFails(0, Table(g.File(), g.Name(), names, testing::CellsOf(g, g.RowCount())));
    EXPECT_NE(e.message.find("列「露点温度(8-17時)」がありません"), std::string::npos) << e.message;
}

TEST(TableShape, NumbersTheLookupsNarrowMustFit) {
    const std::array<Table, 7> tables = ShippedTables();
    LoadError e = CheckFails(3, WithCell(tables[3], 1, 6, "40000"));  // Igr, 16 bits
    EXPECT_EQ(e.row, 1);
    EXPECT_EQ(e.column, 6);
    EXPECT_NE(e.message.find("2 行目 7 列目（南）の値「40000」"), std::string::npos) << e.message;
    EXPECT_EQ(CheckFails(2, WithCell(tables[2], 19, 10, "1E39")).row, 19);  // single
    EXPECT_EQ(CheckFails(5, WithCell(tables[5], 9, 0, "1E6")).row, 9);      // lx
}

// Cells that read as numbers but cannot be design values, as a damaged or
// mistyped table holds them, each refused where it stands; the limits
// themselves are taken.
TEST(TableShape, ImplausibleValuesAreRefusedWithTheirPlace) {
    const std::array<Table, 7> tables = ShippedTables();
    struct Case {
        std::size_t table;
        int row;
        int column;
        const char* value;
        const char* range;  // nullptr: the value is taken
    };
    const Case cases[] = {
        // Outdoor temperatures, every named column.
        {0, 5, 2, "1E+30", "-50〜60 ℃"},
        {0, 5, 2, "-30000", "-50〜60 ℃"},
        {0, 0, 1, "60.1", "-50〜60 ℃"},
        {0, 13, 3, "-50.5", "-50〜60 ℃"},
        {0, 2, 4, "99", "-50〜60 ℃"},
        {0, 5, 2, "60", nullptr},
        {0, 5, 4, "-50", nullptr},
        // Equivalent temperature differences.
        {2, 0, 1, "80.1", "-50〜80 ℃"},
        {2, 19, 10, "-51", "-50〜80 ℃"},
        {2, 7, 5, "30000", "-50〜80 ℃"},
        {2, 7, 5, "80", nullptr},
        // Solar gains.
        {3, 1, 6, "1501", "0〜1500 kcal/㎡h"},
        {3, 3, 9, "-1", "0〜1500 kcal/㎡h"},
        {3, 0, 1, "1500", nullptr},
        // Conductivities.
        {1, 1, 0, "400", "0 より大きく 400 未満 kcal/mh℃"},
        {1, 13, 9, "1E+30", "0 より大きく 400 未満 kcal/mh℃"},
        {1, 1, 0, "399.9", nullptr},
        // Occupant table: densities, heat per person, illuminances, rates.
        {4, 1, 3, "2.5", "0〜2 人/㎡"},
        {4, 3, 8, "-0.1", "0〜2 人/㎡"},
        {4, 4, 1, "-54", "0〜500 kcal/h人"},
        {4, 7, 8, "30000", "0〜500 kcal/h人"},
        {4, 8, 2, "-1", "0〜10000 lx"},
        {4, 11, 8, "1E+30", "0〜500 ㎥/h人"},
        {4, 10, 1, "-30", "0〜500 ㎥/h人"},
        {4, 1, 3, "2", nullptr},
        {4, 5, 1, "0", nullptr},
        // Illuminance levels and ventilation rates.
        {5, 3, 0, "20000", "0〜10000 lx"},
        {5, 9, 0, "-50", "0〜10000 lx"},
        {6, 0, 3, "501", "0〜500 ㎥/h人"},
        {6, 1, 6, "-85", "0〜500 ㎥/h人"},
        {6, 1, 6, "500", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(tables[c.table].Name()) + " " + std::to_string(c.row) + "," +
                     std::to_string(c.column) + " = " + c.value);
        const Table damaged = WithCell(tables[c.table], c.row, c.column, c.value);
        LoadError e;
        EXPECT_EQ(ReferenceData::CheckTable(c.table, damaged, &e), c.range == nullptr) << e.message;
        if (c.range != nullptr) {
            ExpectNames(e, damaged.File(), damaged.Name());
            EXPECT_EQ(e.row, c.row);
            EXPECT_EQ(e.column, c.column);
            const std::string place =
                std::to_string(c.row + 1) + " 行目 " + std::to_string(c.column + 1) + " 列目（" +
                damaged.ColumnNames()[static_cast<std::size_t>(c.column)] + "）";
            EXPECT_NE(e.message.find(place), std::string::npos) << e.message;
            EXPECT_NE(e.message.find(std::string("「") + c.value + "」"), std::string::npos)
                << e.message;
            EXPECT_NE(e.message.find(std::string("（") + c.range + "）"), std::string::npos)
                << e.message;
        }
    }
}

TEST(TableShape, ConductivityPairs) {
    const std::array<Table, 7> tables = ShippedTables();
    const Table& d = tables[1];
    LoadError e = CheckFails(1, WithCell(d, 1, 0, "1.4x"));
    EXPECT_EQ(e.column, 0);
    EXPECT_NE(e.message.find("2 行目 1 列目（セメント）の熱伝導率「1.4x」が正の数ではありません"),
              std::string::npos)
        << e.message;
    EXPECT_EQ(CheckFails(1, WithCell(d, 13, 9, "0")).row, 13);
    EXPECT_EQ(CheckFails(1, WithCell(d, 3, 2, " ")).row, 3);  // a name without conductivity
    // A conductivity without a name, after the wood list has ended.
    e = CheckFails(1, WithCell(d, 9, 2, "0.12"));
    EXPECT_NE(e.message.find("材料名がありません"), std::string::npos) << e.message;
}

TEST(TableShape, MaterialNamesMustBeStorableInTheProjectFile) {
    const std::array<Table, 7> tables = ShippedTables();
    const Table& d = tables[1];
    for (const char* name : {"コンクリート,普通", "\"厚\"板", "二行の\n名前"}) {
        const LoadError e = CheckFails(1, WithCell(d, 2, 3, name));
        EXPECT_EQ(e.row, 2) << name;
        EXPECT_NE(e.message.find("カンマ、二重引用符または改行"), std::string::npos) << e.message;
    }
    const LoadError e = CheckFails(1, WithCell(d, 2, 3, "木材🌲"));
    EXPECT_NE(e.message.find("文字コード"), std::string::npos) << e.message;
    // Names after the end of a list are never offered and not checked.
    LoadError ok;
    EXPECT_TRUE(ReferenceData::CheckTable(1, WithCell(d, 10, 2, "a,b"), &ok)) << ok.message;
}

}  // namespace
}  // namespace karumoa::refdb
