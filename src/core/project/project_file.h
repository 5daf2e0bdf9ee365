#pragma once

// Project files on disk: reading one whole, and saving one so that a
// failure never leaves a half-written file behind.

#include <cstddef>
#include <string>

#include "project/project_errors.h"

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::project {

// Reads the project file at `path` into `room` as ReadProject does. A file
// that cannot be opened, is not a regular file (a FIFO or a device is
// refused at once rather than waited on), is larger than
// kMaxProjectFileSize or does not read cleanly leaves `room` untouched.
bool ReadProjectFile(const std::string& path, model::RoomModel& room, ReadError* error = nullptr);

// The system calls that put a saved file in place, all in one object so
// that a test can make any one of them fail as a full or failing disk
// would. Each returns what the system call returns and sets errno.
class SaveCalls {
public:
    virtual ~SaveCalls() = default;
    virtual long Write(int fd, const char* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
};

// Writes `room` to `path`. The file is written to a temporary file in the
// same folder, flushed to the disk and renamed over `path`, so `path` holds
// either its old content or the whole new file. The new file gets the
// usual permissions for new files (0666 less the umask), a file saved over
// keeps its own. A symbolic link is followed, also to a file not there
// yet. A target that is neither a regular file nor absent is refused, and
// so is one its mode bits do not let the user write (root included: a
// file marked read-only stays as it is). On failure the temporary file is
// removed and an existing `path` is left unchanged.
bool SaveProjectFile(const std::string& path, const model::RoomModel& room,
                     SaveError* error = nullptr);
bool SaveProjectFile(const std::string& path, const model::RoomModel& room, SaveError* error,
                     SaveCalls& calls);

}  // namespace karumoa::project
