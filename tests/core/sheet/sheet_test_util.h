#pragma once

// Reading a built sheet back in tests.

#include <string>

#include "sheet/sheet.h"

namespace karumoa::sheet::test {

// The runs of one row in drawing order as "text@colour|text@colour...",
// blanks kept; an empty text for a row without runs.
inline std::string Runs(const Sheet& sheet, int row) {
    std::string out;
    for (const TextRun* run : sheet.RowRuns(row)) {
        if (!out.empty()) {
            out += '|';
        }
        out += run->text;
        out += '@';
        out += std::to_string(run->color);
    }
    return out;
}

// The texts of one row joined, for rows whose colours are checked elsewhere.
inline std::string Text(const Sheet& sheet, int row) {
    std::string out;
    for (const TextRun* run : sheet.RowRuns(row)) {
        out += run->text;
    }
    return out;
}

// x of the first run of `row` whose text is `text`, or -1.
inline int XOf(const Sheet& sheet, int row, const std::string& text) {
    for (const TextRun* run : sheet.RowRuns(row)) {
        if (run->text == text) {
            return run->x;
        }
    }
    return -1;
}

}  // namespace karumoa::sheet::test
