#include "fuzz_support.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "csv_reader.h"

namespace karumoa::fuzz {

void Finding(const char* what, const std::string& detail) {
    std::fprintf(stderr, "FINDING: %s\n%s\n", what, detail.c_str());
    std::abort();
}

std::optional<refdb::Table> TableFromCsv(std::size_t index, std::string_view csv) {
    std::vector<tools::CsvRecord> records;
    tools::CsvError error;
    if (!tools::ReadCsv(csv, records, error) || records.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string>& header = records.front().fields;
    std::vector<std::string> cells;
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (records[r].fields.size() != header.size()) {
            return std::nullopt;
        }
        cells.insert(cells.end(), records[r].fields.begin(), records[r].fields.end());
    }
    return refdb::Table(std::string(refdb::ReferenceData::kFiles[index]),
                        std::string(refdb::ReferenceData::kTables[index]), header,
                        std::move(cells));
}

const std::vector<refdb::Table>& ShippedTables() {
    static const std::vector<refdb::Table> tables = [] {
        std::vector<refdb::Table> read;
        for (std::size_t i = 0; i < refdb::ReferenceData::kTables.size(); ++i) {
            const std::string path = std::string(KARUMOA_REFERENCE_DIR) + "/" +
                                     std::string(refdb::ReferenceData::kTables[i]) + ".csv";
            std::ifstream in(path, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            std::optional<refdb::Table> table = TableFromCsv(i, text.str());
            if (!table) {
                Finding("a shipped table does not read", path);
            }
            read.push_back(std::move(*table));
        }
        return read;
    }();
    return tables;
}

const refdb::ReferenceData& ShippedReferenceData() {
    static const refdb::ReferenceData data = [] {
        std::array<refdb::Table, 7> tables;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            tables[i] = ShippedTables()[i];
        }
        refdb::LoadError error;
        std::optional<refdb::ReferenceData> loaded =
            refdb::ReferenceData::FromTables(std::move(tables), &error);
        if (!loaded) {
            Finding("the shipped tables fail their check", error.message);
        }
        return std::move(*loaded);
    }();
    return data;
}

}  // namespace karumoa::fuzz
