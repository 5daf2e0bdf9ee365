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

struct RoomArguments;

// The arguments karumoa-doc is started with, its path first: the PDF to
// write and the room options as they were given.
std::vector<std::string> DocumentArguments(const std::string& programDir, const std::string& output,
                                           const RoomArguments& rooms);

// Replaces this process by karumoa-doc from `programDir` with the same
// request. Returns only when it could not be started: the reason is said on
// `err` and the exit status returned.
int ExecDocumentWriter(const std::string& programDir, const std::string& output,
                       const RoomArguments& rooms, std::ostream& err);

}  // namespace karumoa::cli
