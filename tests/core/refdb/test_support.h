#pragma once

#include <filesystem>
#include <string>

#include "refdb/reference_data.h"

namespace karumoa::refdb::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& content);
std::string ReadFile(const std::filesystem::path& path);

// The seven databases of the build, loaded once.
const ReferenceData& Shipped();
// Copies the seven databases of the build into `dir`.
void CopyShipped(const std::filesystem::path& dir);

// The shipped tables, to be altered and handed to FromTables.
std::array<Table, 7> ShippedTables();
// The cells of the first `rows` records of `table`, row by row.
std::vector<std::string> CellsOf(const Table& table, int rows);
// `table` with cell (row, column) replaced.
Table WithCell(const Table& table, int row, int column, const std::string& value);
// `table` keeping only its first `rows` records.
Table FirstRows(const Table& table, int rows);

// Runs `sql` on the SQLite file `path` (created when missing).
void ExecSql(const std::filesystem::path& path, const std::string& sql);

}  // namespace karumoa::refdb::testing
