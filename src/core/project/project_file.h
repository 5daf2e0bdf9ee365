#pragma once

// Project files on disk: reading one whole, and saving one so that a
// failure never leaves a half-written file behind.

#include <string>

#include "project/project_errors.h"

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::project {

// Reads the project file at `path` into `room` as ReadProject does. A file
// that cannot be opened, is larger than kMaxProjectFileSize or does not
// read cleanly leaves `room` untouched.
bool ReadProjectFile(const std::string& path, model::RoomModel& room, ReadError* error = nullptr);

// Writes `room` to `path`. The file is written to a temporary file in the
// same folder, flushed to the disk and renamed over `path`, so `path` holds
// either its old content or the whole new file. The new file gets the
// usual permissions for new files (0666 less the umask). On failure the
// temporary file is removed and an existing `path` is left unchanged.
bool SaveProjectFile(const std::string& path, const model::RoomModel& room,
                     SaveError* error = nullptr);

}  // namespace karumoa::project
