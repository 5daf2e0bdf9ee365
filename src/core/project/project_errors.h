#pragma once

// What can go wrong when a project file is written, read or saved, and the
// Japanese text that tells the designer what and where. The GUI shows
// Message() in a message box and the command-line tool prints it, so each
// message is a whole sentence that names the field and the line.

#include <cstdint>
#include <string>

namespace karumoa::project {

// The part of the file a field belongs to, in file order.
enum class Section : std::uint8_t {
    kNone,
    kConditions,  // the 27 settings of the first line
    kReserved,    // the six reserved strings
    kWallCount,
    kWall,         // construction block of wall `element`
    kWallWindows,  // window block of wall `element`
    kRoofCount,
    kRoof,
    kFloorCount,
    kFloor,
    kSkylightCount,
    kSkylight,
    kEnd,  // after the last block
};

// One field of the file.
enum class Field : std::uint8_t {
    kSetting,   // setting `index` of the conditions line (1-based, model::kFileSettings)
    kReserved,  // one of the six reserved strings (index 1..6)
    kCount,     // number of walls, roofs, floors or skylight sets
    // Construction block (wall, roof, floor).
    kHoui,
    kKuuki,
    kNetukanryuu,
    kTate,
    kYoko,
    kZokusei,
    kLayerCount,
    kAtusa,  // thickness of layer `index`
    kNetu,   // conductivity of layer `index`
    kZai,    // material of layer `index`
    // Window block (windows of a wall, skylight).
    kBraindo,
    kMadoHoui,
    kMenseki,
    kEntryCount,
    kKazu,      // count of window type `index`
    kMadoTate,  // height of window type `index`
    kMadoYoko,  // width of window type `index`
    kNone,
};

constexpr int kConditionFieldCount = 27;

// A field of a particular record: wall 2's thickness of layer 3 is
// {kWall, kAtusa, 2, 3}; the lighting output, field 18 of the conditions
// line, is {kConditions, kSetting, 0, 18}.
struct FieldRef {
    Section section = Section::kNone;
    Field field = Field::kNone;
    int element = 0;  // 1-based wall number (walls and their windows)
    int index = 0;    // 1-based setting, layer, window type or reserved string

    bool operator==(const FieldRef&) const = default;
};

// The field in words, as the messages use it: "壁2 の「厚さ」(層3)",
// "条件の「照明方式」", "屋根の「縦」".
std::string FieldName(const FieldRef& field);

struct ReadError {
    enum class Kind : std::uint8_t {
        kNone,
        kFileSystem,      // the file could not be opened or read (error_number)
        kFileTooLarge,    // larger than kMaxProjectFileSize
        kNotRegularFile,  // a FIFO, a device or a socket
        kEncoding,        // bytes that are not code page 932
        kUnexpectedEnd,   // the file ends before the field
        kEmptyField,      // nothing between two separators
        kNotANumber,
        kNotABoolean,
        kOutOfRange,          // a number outside what the field accepts (detail: the range)
        kUnterminatedString,  // no closing quote on the line
        kTextAfterString,     // text between a closing quote and the next separator
        kTrailingText,        // something other than blank lines after the last block
        kInvalidRoom,         // a room the program cannot hold (detail says why)
    };

    Kind kind = Kind::kNone;
    int line = 0;            // 1-based line in the file; 0 when not tied to a line
    FieldRef field;          // the field being read, when the error concerns one
    std::string text;        // the field's text as found (shortened), for the message
    std::string detail;      // kOutOfRange: allowed values; kInvalidRoom: the reason
    int error_number = 0;    // kFileSystem: the errno value
    std::uint64_t size = 0;  // kFileTooLarge: the file's size in bytes

    std::string Message() const;
};

struct WriteError {
    enum class Kind : std::uint8_t {
        kNone,
        kNotEncodable,  // a character without a code page 932 form
        kBreaksFormat,  // a double quote or a line break, which the file cannot hold
    };

    Kind kind = Kind::kNone;
    FieldRef field;
    std::string text;  // the text that cannot be written (UTF-8)

    std::string Message() const;
};

struct SaveError {
    enum class Kind : std::uint8_t {
        kNone,
        kWrite,           // the room cannot be written as a project file (see write)
        kFileSystem,      // creating, writing, syncing or renaming failed (error_number)
        kNoNewFiles,      // the folder exists but takes no new file (as /proc, with ENOENT)
        kReadOnly,        // the target's mode bits do not let the user write it
        kNotRegularFile,  // the target is a FIFO, a device or a socket
    };

    Kind kind = Kind::kNone;
    WriteError write;
    int error_number = 0;

    std::string Message() const;
};

// The Japanese description of a file-system error number, for opening a
// file (`saving` false) or saving one.
std::string FileSystemMessage(int error_number, bool saving);

// Project files are a few kilobytes; anything beyond this is not one and is
// refused before it is read.
constexpr std::uint64_t kMaxProjectFileSize = 4u * 1024u * 1024u;

}  // namespace karumoa::project
