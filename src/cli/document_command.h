#pragma once

// karumoa-doc: the calculation documents of project files as one PDF,
// each room from a new page. It is what `karumoa-calc --format pdf` runs.

#include <iosfwd>
#include <string>
#include <vector>

#include "report_command.h"

namespace karumoa::cli {

// Reads, checks and computes each file as the report does (a file that
// fails is reported on `err`, naming it, and the others are still
// written) and paints the document of each room into the PDF `output`.
// Needs a QGuiApplication. No PDF is written when no room could be
// reported. Returns the exit status.
int RunDocument(const ReportOptions& options, const std::vector<std::string>& files,
                const std::string& output, std::ostream& err);

}  // namespace karumoa::cli
