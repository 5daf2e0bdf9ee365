// Reading one reference table whole from its SQLite file. The file is only
// ever opened read-only: the program never writes its reference data, and
// a missing file must not be created as an empty database.

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "refdb/reference_data.h"

namespace karumoa::refdb {
namespace {

struct CloseDb {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStmt {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;
using Stmt = std::unique_ptr<sqlite3_stmt, FinalizeStmt>;

bool IsNotDatabase(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

class Reader {
public:
    Reader(const std::string& path, const std::string& table, LoadError* error)
        : path_(path),
          file_(std::filesystem::path(path).filename().string()),
          table_(table),
          error_(error) {}

    std::optional<Table> Read() {
        std::error_code ec;
        const std::filesystem::file_status status = std::filesystem::status(path_, ec);
        if (!std::filesystem::exists(status)) {
            return Fail("参照データファイル「" + file_ + "」が見つかりません（テーブル「" + table_ +
                        "」、" + path_ + "）。");
        }
        // The database engine would wait on a FIFO for a writer, and the
        // program's start-up with it.
        if (!std::filesystem::is_regular_file(status)) {
            return Fail("参照データファイル「" + file_ +
                        "」は通常のファイルではありません（テーブル「" + table_ + "」、" + path_ +
                        "）。");
        }
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
        Db db(raw);
        if (rc != SQLITE_OK) {
            return Fail("参照データファイル「" + file_ + "」を開けません（テーブル「" + table_ +
                        "」、" + ErrorText(db.get(), rc) + "）。");
        }
        const std::optional<bool> present = HasTable(db.get());
        if (!present) {
            return std::nullopt;
        }
        if (!*present) {
            return Fail("参照データファイル「" + file_ + "」にテーブル「" + table_ +
                        "」がありません。");
        }
        return ReadRows(db.get());
    }

private:
    static std::string ErrorText(sqlite3* db, int rc) {
        return db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    }

    std::nullopt_t Fail(std::string message) {
        if (error_) {
            *error_ = LoadError{file_, table_, std::move(message)};
        }
        return std::nullopt;
    }

    std::nullopt_t FailDb(sqlite3* db, int rc) {
        if (IsNotDatabase(rc)) {
            return Fail("参照データファイル「" + file_ +
                        "」はデータベースとして読めません（テーブル「" + table_ + "」）。");
        }
        return Fail("参照データファイル「" + file_ + "」のテーブル「" + table_ +
                    "」を読めません（" + ErrorText(db, rc) + "）。");
    }

    // Whether the table exists; nullopt (error set) when the file cannot be
    // read as a database at all. Names compare as SQLite resolves them.
    std::optional<bool> HasTable(sqlite3* db) {
        sqlite3_stmt* raw = nullptr;
        int rc = sqlite3_prepare_v2(
            db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", -1,
            &raw, nullptr);
        Stmt stmt(raw);
        if (rc != SQLITE_OK) {
            FailDb(db, sqlite3_extended_errcode(db));
            return std::nullopt;
        }
        // A null destructor is SQLITE_STATIC: table_ outlives the statement.
        sqlite3_bind_text(stmt.get(), 1, table_.c_str(), static_cast<int>(table_.size()), nullptr);
        rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_ROW) {
            return true;
        }
        if (rc == SQLITE_DONE) {
            return false;
        }
        FailDb(db, sqlite3_extended_errcode(db));
        return std::nullopt;
    }

    std::optional<Table> ReadRows(sqlite3* db) {
        const std::string sql = "SELECT * FROM " + QuoteIdentifier(table_) + " ORDER BY rowid";
        sqlite3_stmt* raw = nullptr;
        int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
        Stmt stmt(raw);
        if (rc != SQLITE_OK) {
            return FailDb(db, sqlite3_extended_errcode(db));
        }
        const int columnCount = sqlite3_column_count(stmt.get());
        std::vector<std::string> columns;
        columns.reserve(static_cast<std::size_t>(columnCount));
        for (int c = 0; c < columnCount; ++c) {
            const char* name = sqlite3_column_name(stmt.get(), c);
            columns.emplace_back(name ? name : "");
        }
        std::vector<std::string> cells;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            for (int c = 0; c < columnCount; ++c) {
                // Numbers stored as such read as their text, as the data
                // engine handed every field over; NULL reads as empty.
                const auto* text =
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), c));
                const int bytes = sqlite3_column_bytes(stmt.get(), c);
                cells.emplace_back(text ? std::string(text, static_cast<std::size_t>(bytes))
                                        : std::string());
            }
        }
        if (rc != SQLITE_DONE) {
            return FailDb(db, sqlite3_extended_errcode(db));
        }
        return Table(file_, table_, std::move(columns), std::move(cells));
    }

    std::string path_;
    std::string file_;
    std::string table_;
    LoadError* error_;
};

}  // namespace

std::string QuoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted.push_back(c);
        if (c == '"') {
            quoted.push_back('"');
        }
    }
    quoted.push_back('"');
    return quoted;
}

std::optional<Table> ReadTable(const std::string& path, const std::string& table,
                               LoadError* error) {
    return Reader(path, table, error).Read();
}

}  // namespace karumoa::refdb
