#pragma once

// The check that a room read from a project file only holds indexes the
// loaded reference tables have. The project reader already keeps every code
// within what the program itself can produce; this check is about the tables
// actually beside the program, so that no look-up is asked for a row or a
// column its table lacks.

#include <optional>
#include <string>

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::refdb {

class ReferenceData;

// nullopt when every table index of the room is in its table; otherwise a
// Japanese sentence naming the room field and the table, ready to be shown
// when the room is refused.
std::optional<std::string> CheckRoomAgainstTables(const model::RoomModel& room,
                                                  const ReferenceData& data);

}  // namespace karumoa::refdb
