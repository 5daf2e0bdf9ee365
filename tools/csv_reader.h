#pragma once

// A strict reader of comma-separated text as RFC 4180 defines it: fields
// separated by commas, records ended by CR LF (a bare LF is accepted too),
// fields that hold commas, double quotes or line breaks enclosed in double
// quotes with inner quotes doubled. Blanks are part of a field. Anything
// else (a quote inside an unquoted field, text after a closing quote, a
// quote left open, a bare CR) is an error, not a guess.

#include <string>
#include <string_view>
#include <vector>

namespace karumoa::tools {

struct CsvRecord {
    int line = 0;  // 1-based line on which the record starts
    std::vector<std::string> fields;
};

struct CsvError {
    int line = 0;
    std::string message;
};

// Splits `text` into records. A leading UTF-8 byte-order mark is skipped; a
// final line break does not start another record. Returns false and fills
// `error` on malformed input.
bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error);

}  // namespace karumoa::tools
