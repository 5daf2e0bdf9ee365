#pragma once

namespace karumoa::cli {

// Exit status of karumoa-calc.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // a file could not be read or written
constexpr int kExitUsage = 2;    // bad arguments

}  // namespace karumoa::cli
