#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/room_model.h"
#include "project/project_format.h"

namespace karumoa::project::testing {

inline std::string Write(const model::RoomModel& room) {
    std::string bytes;
    WriteError error;
    if (!WriteProject(room, bytes, &error)) {
        return "write failed: " + error.Message();
    }
    return bytes;
}

// Replaces every occurrence of `from` by `to`.
inline std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos;
         at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
    return s;
}

// Replaces line `line` (1-based, without its CR LF) by `text`.
inline std::string ReplaceLine(const std::string& bytes, int line, std::string_view text) {
    std::size_t begin = 0;
    for (int l = 1; l < line; ++l) {
        begin = bytes.find("\r\n", begin) + 2;
    }
    const std::size_t end = bytes.find("\r\n", begin);
    return bytes.substr(0, begin) + std::string(text) + bytes.substr(end);
}

inline std::string LineOf(const std::string& bytes, int line) {
    std::size_t begin = 0;
    for (int l = 1; l < line; ++l) {
        begin = bytes.find("\r\n", begin) + 2;
    }
    return bytes.substr(begin, bytes.find("\r\n", begin) - begin);
}

}  // namespace karumoa::project::testing

namespace karumoa::model {
// Rooms in failure messages: their project file, which shows every field.
inline void PrintTo(const RoomModel& room, std::ostream* os) {
    *os << "\n" << project::testing::Write(room);
}
}  // namespace karumoa::model
