#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace karumoa::cli {

struct RoomReport;

// csv: every printed term as a row, after a byte-order mark and a heading
// row (report_csv.cpp).
enum class ReportFormat { Text, Json, Csv };

struct ReportOptions {
    std::int16_t situon = 260;  // indoor temperature in tenths of a degree C
    ReportFormat format = ReportFormat::Text;
    std::string dataDir;  // folder of the seven reference databases
    // When set, each room reported is handed to it instead of being
    // written in `format` (the PDF writer lays out its own pages).
    std::function<void(const RoomReport&)> eachRoom;
};

// The load report of each project file in turn, on standard output: for
// text the structural sheet, the internal sheet and the load total; for
// json one object per line. A file that does not read, holds an index the
// loaded tables lack or gives a load that is not a finite number is
// reported on `err`, naming it (and the term), and the others are still
// reported. The reference tables are loaded once; if they cannot
// be, nothing is reported. Returns the exit status: 0, or 1 when the
// tables or any file failed.
int RunReport(const ReportOptions& options, const std::vector<std::string>& files, int outFd,
              std::ostream& err);

// Parses the --indoor-temp argument: a plain number of degrees C from 22.0
// to 32.0, as the indoor conditions dialog allows, into tenths rounded
// halves to even. False when it is not a number or out of range.
bool ParseIndoorTemp(const std::string& text, std::int16_t& situon);

// The folder the running executable lies in (where the databases are
// installed beside it): from /proc/self/exe, else from argv[0] as given or
// found on PATH; "." when neither tells.
std::string ExecutableDir(const char* argv0);

}  // namespace karumoa::cli
