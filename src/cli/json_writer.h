#pragma once

// A JSON text written straight into a string, for the report's one object
// per room: no document is built, so a room costs a few hundred appends.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace karumoa::cli {

// A number as the reports write it: a single as its shortest round-trip
// decimal (3.871f is 3.871), which reads back as the double nearest that
// decimal, a double likewise; "null" when not finite.
void AppendNumber(std::string& out, float value);
void AppendNumber(std::string& out, double value);

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The key of the next member; keys are the program's own ASCII names.
    JsonWriter& Key(std::string_view key);

    // A number as AppendNumber writes it.
    void Value(float value);
    void Value(double value);
    void Value(int value);
    void Value(bool value);
    // Any text: escaped as JSON needs, bytes that are not UTF-8 replaced
    // by U+FFFD.
    void String(std::string_view text);
    // A text of the program's own (a literal without quotes, backslashes
    // or control characters), written as it stands.
    void Literal(std::string_view text);

    template <class T, std::size_t N>
    void Array(const std::array<T, N>& values) {
        BeginArray();
        for (const T& v : values) {
            Value(v);
        }
        EndArray();
    }

private:
    void Separate();
    void Open(char c);
    void Close(char c);

    std::string& out_;
    // Whether the container at each depth has a member yet; a key counts
    // as its member's start.
    std::array<bool, 16> started_{};
    int depth_ = 0;
    bool afterKey_ = false;
};

}  // namespace karumoa::cli
