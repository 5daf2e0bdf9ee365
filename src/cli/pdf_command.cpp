#include "pdf_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "exit_codes.h"
#include "room_options.h"

namespace karumoa::cli {

std::vector<std::string> DocumentArguments(const std::string& programDir, const std::string& output,
                                           const RoomArguments& rooms) {
    std::vector<std::string> argv{programDir + "/" + std::string(kDocumentProgram), "--output",
                                  output};
    if (rooms.IndoorTempGiven()) {
        argv.insert(argv.end(), {"--indoor-temp", rooms.indoorTemp});
    }
    if (rooms.DataDirGiven()) {
        argv.insert(argv.end(), {"--data-dir", rooms.dataDir});
    }
    // File names that start with "-" stay file names.
    argv.emplace_back("--");
    argv.insert(argv.end(), rooms.files.begin(), rooms.files.end());
    return argv;
}

int ExecDocumentWriter(const std::string& programDir, const std::string& output,
                       const RoomArguments& rooms, std::ostream& err) {
    std::vector<std::string> argv = DocumentArguments(programDir, output, rooms);
    std::vector<char*> pointers;
    pointers.reserve(argv.size() + 1);
    for (std::string& arg : argv) {
        pointers.push_back(arg.data());
    }
    pointers.push_back(nullptr);
    err.flush();
    ::execv(pointers.front(), pointers.data());
    const int error = errno;
    err << "karumoa-calc: PDF を書く " << kDocumentProgram << " を起動できません: " << argv.front()
        << ": " << std::strerror(error) << '\n';
    return kExitFailure;
}

}  // namespace karumoa::cli
