#include "test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace karumoa::refdb::testing {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "karumoa-refdb-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const ReferenceData& Shipped() {
    static const ReferenceData data = [] {
        LoadError error;
        std::optional<ReferenceData> loaded = ReferenceData::Load(KARUMOA_BIN_DIR, &error);
        if (!loaded) {
            throw std::runtime_error(error.message);
        }
        return *std::move(loaded);
    }();
    return data;
}

void CopyShipped(const std::filesystem::path& dir) {
    for (std::string_view file : ReferenceData::kFiles) {
        std::filesystem::copy_file(std::filesystem::path(KARUMOA_BIN_DIR) / file, dir / file);
    }
}

std::array<Table, 7> ShippedTables() {
    const ReferenceData& d = Shipped();
    return {d.Gaiki(),          d.Dendouritu(), d.Soutou_Ondosa(), d.Neturyou(),
            d.Kyojyuu_Ninzuu(), d.Syoudo(),     d.KankiRyou()};
}

std::vector<std::string> CellsOf(const Table& t, int rows) {
    std::vector<std::string> cells;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < t.ColumnCount(); ++c) {
            cells.push_back(t.Cell(r, c));
        }
    }
    return cells;
}

Table WithCell(const Table& t, int row, int column, const std::string& value) {
    std::vector<std::string> cells = CellsOf(t, t.RowCount());
    cells.at(static_cast<std::size_t>(row * t.ColumnCount() + column)) = value;
    return Table(t.File(), t.Name(), t.ColumnNames(), std::move(cells));
}

Table FirstRows(const Table& t, int rows) {
    return Table(t.File(), t.Name(), t.ColumnNames(), CellsOf(t, rows));
}

void ExecSql(const std::filesystem::path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.string().c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text;
}

}  // namespace karumoa::refdb::testing
