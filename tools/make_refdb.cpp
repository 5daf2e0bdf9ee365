// make_refdb <table> <source.csv> <output.sqlite>
//
// Builds one reference database from its text source: one table, named
// <table>, every cell TEXT, columns in the order of the CSV header, records
// in the order of the CSV (which becomes their rowid order). The table must
// pass the same check the program applies when it loads it, so the build
// fails here rather than the program at start-up.
//
// The database is written to a temporary file beside the output and renamed
// over it only when complete. On any failure the output is removed, so the
// build folder never holds a half-written or a stale database.

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "csv_reader.h"
#include "refdb/reference_data.h"

namespace {

namespace fs = std::filesystem;
using karumoa::refdb::LoadError;
using karumoa::refdb::QuoteIdentifier;
using karumoa::refdb::ReferenceData;
using karumoa::refdb::Table;
using karumoa::tools::CsvError;
using karumoa::tools::CsvRecord;

struct CloseDb {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStmt {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

// Whether `s` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned int cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            cp = b & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= s.size()) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0u) != 0x80u) {
                return false;
            }
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))) {
            return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

class Builder {
public:
    Builder(std::string table, fs::path source, fs::path output)
        : table_(std::move(table)), source_(std::move(source)), output_(std::move(output)) {}

    int Run() {
        std::size_t index = 0;
        while (index < ReferenceData::kTables.size() && ReferenceData::kTables[index] != table_) {
            ++index;
        }
        if (index == ReferenceData::kTables.size()) {
            std::cerr << "make_refdb: unknown table \"" << table_ << "\"\n";
            return 2;
        }
        std::error_code ec;
        fs::remove(output_, ec);
        const bool ok = Build(index);
        fs::remove(Temporary(), ec);
        return ok ? 0 : 1;
    }

private:
    fs::path Temporary() const {
        fs::path tmp = output_;
        tmp += ".tmp";
        return tmp;
    }

    // "<source>: <message>" or "<source>:<line>: <message>".
    bool Error(int line, const std::string& message) const {
        std::cerr << source_.string();
        if (line > 0) {
            std::cerr << ':' << line;
        }
        std::cerr << ": error: " << message << '\n';
        return false;
    }

    bool Build(std::size_t index) {
        std::ifstream in(source_, std::ios::binary);
        if (!in) {
            return Error(0, "cannot read the file");
        }
        std::ostringstream content;
        content << in.rdbuf();
        const std::string text = content.str();
        if (!IsUtf8(text)) {
            return Error(0, "the file is not UTF-8 text");
        }
        std::vector<CsvRecord> records;
        CsvError csvError;
        if (!karumoa::tools::ReadCsv(text, records, csvError)) {
            return Error(csvError.line, csvError.message);
        }
        if (records.empty()) {
            return Error(0, "no header row");
        }
        const std::vector<std::string>& header = records.front().fields;
        if (!CheckHeader(header)) {
            return false;
        }
        std::vector<std::string> cells;
        for (std::size_t r = 1; r < records.size(); ++r) {
            const CsvRecord& record = records[r];
            if (record.fields.size() != header.size()) {
                std::ostringstream m;
                m << "row " << r << " has " << record.fields.size() << " columns, the header "
                  << header.size();
                if (record.fields.size() < header.size()) {
                    m << " (column " << record.fields.size() + 1 << " \""
                      << header[record.fields.size()] << "\" is missing)";
                } else {
                    m << " (column " << header.size() + 1 << " is extra)";
                }
                return Error(record.line, m.str());
            }
            cells.insert(cells.end(), record.fields.begin(), record.fields.end());
        }
        const Table table(output_.filename().string(), table_, header, cells);
        LoadError problem;
        if (!ReferenceData::CheckTable(index, table, &problem)) {
            if (problem.row < 0) {
                return Error(0, problem.message);
            }
            std::ostringstream m;
            m << "row " << problem.row + 1 << ", column " << problem.column + 1 << " \""
              << header[static_cast<std::size_t>(problem.column)] << "\": " << problem.message;
            return Error(records[static_cast<std::size_t>(problem.row) + 1].line, m.str());
        }
        return Write(header, records);
    }

    bool CheckHeader(const std::vector<std::string>& header) const {
        for (std::size_t c = 0; c < header.size(); ++c) {
            if (header[c].empty()) {
                return Error(1, "column " + std::to_string(c + 1) + " has no name");
            }
            for (std::size_t k = 0; k < c; ++k) {
                // SQLite compares column names without regard to ASCII case.
                if (sqlite3_stricmp(header[k].c_str(), header[c].c_str()) == 0) {
                    return Error(1, "column " + std::to_string(c + 1) + " \"" + header[c] +
                                        "\" repeats column " + std::to_string(k + 1));
                }
            }
        }
        return true;
    }

    bool SqlError(sqlite3* db, const char* what) const {
        return Error(0, std::string(what) + " " + Temporary().string() + ": " +
                            (db ? sqlite3_errmsg(db) : "out of memory"));
    }

    bool Write(const std::vector<std::string>& header, const std::vector<CsvRecord>& records) {
        const fs::path tmp = Temporary();
        std::error_code ec;
        fs::remove(tmp, ec);
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(tmp.string().c_str(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        std::unique_ptr<sqlite3, CloseDb> db(raw);
        if (rc != SQLITE_OK) {
            return SqlError(db.get(), "cannot create");
        }
        std::string create = "CREATE TABLE " + QuoteIdentifier(table_) + " (";
        std::string insert = "INSERT INTO " + QuoteIdentifier(table_) + " VALUES (";
        for (std::size_t c = 0; c < header.size(); ++c) {
            create += (c ? ", " : "") + QuoteIdentifier(header[c]) + " TEXT";
            insert += c ? ", ?" : "?";
        }
        create += ")";
        insert += ")";
        if (sqlite3_exec(db.get(), "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK ||
            sqlite3_exec(db.get(), create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            return SqlError(db.get(), "cannot write");
        }
        sqlite3_stmt* rawStmt = nullptr;
        if (sqlite3_prepare_v2(db.get(), insert.c_str(), -1, &rawStmt, nullptr) != SQLITE_OK) {
            return SqlError(db.get(), "cannot write");
        }
        std::unique_ptr<sqlite3_stmt, FinalizeStmt> stmt(rawStmt);
        for (std::size_t r = 1; r < records.size(); ++r) {
            sqlite3_reset(stmt.get());
            const std::vector<std::string>& fields = records[r].fields;
            for (std::size_t c = 0; c < fields.size(); ++c) {
                // A null destructor is SQLITE_STATIC: the fields outlive the step.
                sqlite3_bind_text(stmt.get(), static_cast<int>(c + 1), fields[c].data(),
                                  static_cast<int>(fields[c].size()), nullptr);
            }
            if (sqlite3_step(stmt.get()) != SQLITE_DONE) {
                return SqlError(db.get(), "cannot write");
            }
        }
        stmt.reset();
        if (sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
            return SqlError(db.get(), "cannot write");
        }
        if (sqlite3_close(db.release()) != SQLITE_OK) {
            return Error(0, "cannot close " + tmp.string());
        }
        fs::rename(tmp, output_, ec);
        if (ec) {
            return Error(0, "cannot rename " + tmp.string() + " to " + output_.string() + ": " +
                                ec.message());
        }
        return true;
    }

    std::string table_;
    fs::path source_;
    fs::path output_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_refdb <table> <source.csv> <output.sqlite>\n";
        return 2;
    }
    return Builder(argv[1], argv[2], argv[3]).Run();
}
