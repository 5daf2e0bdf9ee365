#pragma once

// The project file: the room's 27 settings and its five element lists as
// comma-separated fields, CR LF line ends, code page 932 text. The order of
// the fields is the format; there is no header and no version.

#include <string>
#include <string_view>

#include "project/project_errors.h"

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::project {

// Writes `room` as a project file into `bytes` (code page 932). Fails only
// when a text cannot be written: a character without a code page 932 form,
// or a double quote or line break inside a material name. `bytes` is
// unspecified after a failure.
bool WriteProject(const model::RoomModel& room, std::string& bytes, WriteError* error = nullptr);

// Reads a project file. On success the 27 settings and the five element
// lists of `room` come from the file (the lists are replaced); Situon, the
// computed totals, Kabe_Bangou and Hozon_Flag are left as they are. A file
// that does not read cleanly, or that would build a room the program
// cannot hold, is refused as a whole: `room` is then untouched and `error`
// (if given) says what is wrong and where.
bool ReadProject(std::string_view bytes, model::RoomModel& room, ReadError* error = nullptr);

}  // namespace karumoa::project
