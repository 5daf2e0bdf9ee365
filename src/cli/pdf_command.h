#pragma once

// --format pdf. The PDF is written by karumoa-doc, a small program beside
// karumoa-calc that links the report painter (Qt Gui). karumoa-calc
// itself links no Qt at all: it starts in a few milliseconds, runs where
// no Qt is installed, and its text, JSON and CSV reports keep their speed.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace karumoa::cli {

inline constexpr std::string_view kDocumentProgram = "karumoa-doc";

struct PdfArguments {
    std::string output;             // --output FILE
    const std::string* indoorTemp;  // --indoor-temp C as given, or null
    const std::string* dataDir;     // --data-dir DIR as given, or null
    std::vector<std::string> files;
};

// The arguments karumoa-doc is started with, its path first.
std::vector<std::string> DocumentArguments(const std::string& programDir, const PdfArguments& args);

// Replaces this process by karumoa-doc from `programDir` with the same
// request. Returns only when it could not be started: the reason is said on
// `err` and the exit status returned.
int ExecDocumentWriter(const std::string& programDir, const PdfArguments& args, std::ostream& err);

}  // namespace karumoa::cli
