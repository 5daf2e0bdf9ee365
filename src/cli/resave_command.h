#pragma once

#include <iosfwd>
#include <string>

namespace karumoa::cli {

// --resave OUT IN: reads project file `in` and writes it to `out` with the
// project writer. A file that does not read is reported on `err`, naming
// it, and `out` is not touched. Returns the exit status.
int RunResave(const std::string& out, const std::string& in, std::ostream& err);

}  // namespace karumoa::cli
