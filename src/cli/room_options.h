#pragma once

// The options that karumoa-calc and karumoa-doc both take for the rooms
// they report: the indoor temperature, the folder of the reference tables
// and the project files; declared and checked once for both.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace karumoa::cli {

struct ReportOptions;

struct RoomArguments {
    std::string indoorTemp;          // --indoor-temp C, as given
    std::string dataDir;             // --data-dir DIR, as given
    std::vector<std::string> files;  // FILE...
    CLI::Option* indoorTempOption = nullptr;
    CLI::Option* dataDirOption = nullptr;
    CLI::Option* filesOption = nullptr;

    bool IndoorTempGiven() const;
    bool DataDirGiven() const;
};

// Adds --indoor-temp, --data-dir and FILE to `app`, into `args`.
void AddRoomOptions(CLI::App& app, RoomArguments& args);

// After parsing: the indoor temperature and the tables' folder (by default
// the folder of the running program, `argv0`) into `options`. False when the
// indoor temperature is refused, which is said on `err` by `program`.
bool ToReportOptions(const RoomArguments& args, const char* argv0, std::string_view program,
                     ReportOptions& options, std::ostream& err);

}  // namespace karumoa::cli
