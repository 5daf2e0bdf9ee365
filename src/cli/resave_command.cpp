#include "resave_command.h"

#include <ostream>

#include "exit_codes.h"
#include "model/room_model.h"
#include "project/project_file.h"

namespace karumoa::cli {

int RunResave(const std::string& out, const std::string& in, std::ostream& err) {
    model::RoomModel room;
    project::ReadError readError;
    if (!project::ReadProjectFile(in, room, &readError)) {
        err << "karumoa-calc: " << in << ": " << readError.Message() << '\n';
        return kExitFailure;
    }
    project::SaveError saveError;
    if (!project::SaveProjectFile(out, room, &saveError)) {
        err << "karumoa-calc: " << out << ": " << saveError.Message() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace karumoa::cli
