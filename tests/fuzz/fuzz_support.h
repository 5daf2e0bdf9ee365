#pragma once

// Shared by the fuzz targets: the shipped reference tables, read from their
// CSV sources as the database builder reads them, and a way to report a
// finding that libFuzzer records with the input that caused it.

#include <optional>
#include <string>
#include <vector>

#include "refdb/reference_data.h"

namespace karumoa::fuzz {

// Prints `what` and `detail`, then aborts: libFuzzer keeps the input as a
// crash and the run fails.
[[noreturn]] void Finding(const char* what, const std::string& detail);

// The table `index` (order of ReferenceData::kTables) from CSV text: the
// header row names the columns, every other row is a record of as many
// cells. nullopt for text that is not such a table.
std::optional<refdb::Table> TableFromCsv(std::size_t index, std::string_view csv);

// The seven tables of data/reference, read once; a failure is a finding.
const std::vector<refdb::Table>& ShippedTables();
const refdb::ReferenceData& ShippedReferenceData();

}  // namespace karumoa::fuzz
