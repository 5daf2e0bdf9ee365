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
    None,
    Conditions,  // the 27 settings of the first line
    Reserved,    // the six reserved strings
    WallCount,
    Wall,         // construction block of wall `element`
    WallWindows,  // window block of wall `element`
    RoofCount,
    Roof,
    FloorCount,
    Floor,
    SkylightCount,
    Skylight,
    End,  // after the last block
};

// One field of the file.
enum class Field : std::uint8_t {
    Setting,   // setting `index` of the conditions line (1-based, model::kFileSettings)
    Reserved,  // one of the six reserved strings (index 1..6)
    Count,     // number of walls, roofs, floors or skylight sets
    // Construction block (wall, roof, floor).
    Houi,
    Kuuki,
    Netukanryuu,
    Tate,
    Yoko,
    Zokusei,
    LayerCount,
    Atusa,  // thickness of layer `index`
    Netu,   // conductivity of layer `index`
    Zai,    // material of layer `index`
    // Window block (windows of a wall, skylight).
    Braindo,
    MadoHoui,
    Menseki,
    EntryCount,
    Kazu,      // count of window type `index`
    MadoTate,  // height of window type `index`
    MadoYoko,  // width of window type `index`
    None,
};

constexpr int kConditionFieldCount = 27;

// A field of a particular record: wall 2's thickness of layer 3 is
// {Wall, Atusa, 2, 3}; the lighting output, field 18 of the conditions
// line, is {Conditions, Setting, 0, 18}.
struct FieldRef {
    Section section = Section::None;
    Field field = Field::None;
    int element = 0;  // 1-based wall number (walls and their windows)
    int index = 0;    // 1-based setting, layer, window type or reserved string

    bool operator==(const FieldRef&) const = default;
};

// The field in words, as the messages use it: "壁2 の「厚さ」(層3)",
// "条件の「照明方式」", "屋根の「縦」".
std::string FieldName(const FieldRef& field);

struct ReadError {
    enum class Kind : std::uint8_t {
        None,
        FileSystem,      // the file could not be opened or read (errorNumber)
        FileTooLarge,    // larger than kMaxProjectFileSize
        NotRegularFile,  // a FIFO, a device or a socket
        Encoding,        // bytes that are not code page 932
        UnexpectedEnd,   // the file ends before the field
        EmptyField,      // nothing between two separators
        NotANumber,
        NotABoolean,
        OutOfRange,          // a number outside what the field accepts (detail: the range)
        UnterminatedString,  // no closing quote on the line
        TextAfterString,     // text between a closing quote and the next separator
        TrailingText,        // something other than blank lines after the last block
        InvalidRoom,         // a room the program cannot hold (detail says why)
    };

    Kind kind = Kind::None;
    int line = 0;            // 1-based line in the file; 0 when not tied to a line
    FieldRef field;          // the field being read, when the error concerns one
    std::string text;        // the field's text as found (shortened), for the message
    std::string detail;      // OutOfRange: allowed values; InvalidRoom: the reason
    int errorNumber = 0;     // FileSystem: the errno value
    std::uint64_t size = 0;  // FileTooLarge: the file's size in bytes

    std::string Message() const;
};

struct WriteError {
    enum class Kind : std::uint8_t {
        None,
        NotEncodable,  // a character without a code page 932 form
        BreaksFormat,  // a double quote or a line break, which the file cannot hold
    };

    Kind kind = Kind::None;
    FieldRef field;
    std::string text;  // the text that cannot be written (UTF-8)

    std::string Message() const;
};

struct SaveError {
    enum class Kind : std::uint8_t {
        None,
        Write,           // the room cannot be written as a project file (see write)
        FileSystem,      // creating, writing, syncing or renaming failed (errorNumber)
        NoNewFiles,      // the folder exists but takes no new file (as /proc, with ENOENT)
        ReadOnly,        // the target's mode bits do not let the user write it
        NotRegularFile,  // the target is a FIFO, a device or a socket
    };

    Kind kind = Kind::None;
    WriteError write;
    int errorNumber = 0;

    std::string Message() const;
};

// The Japanese description of a file-system error number, for opening a
// file (`saving` false) or saving one.
std::string FileSystemMessage(int errorNumber, bool saving);

// Project files are a few kilobytes; anything beyond this is not one and is
// refused before it is read.
constexpr std::uint64_t kMaxProjectFileSize = 4u * 1024u * 1024u;

}  // namespace karumoa::project
