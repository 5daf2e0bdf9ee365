#pragma once

// Conversion between the program's UTF-8 text and the Japanese ANSI code
// page (code page 932) that project files are written in.

#include <cstddef>
#include <string>
#include <string_view>

namespace karumoa::text {

struct EncodingError {
    std::size_t offset = 0;  // byte offset in the input of the first bad sequence
};

// Decodes code page 932 bytes. Returns false and fills `error` (if given)
// when a byte sequence does not decode; `out` is then unspecified.
bool Cp932ToUtf8(std::string_view in, std::string& out, EncodingError* error = nullptr);

// Encodes UTF-8 text as code page 932. Look-alike characters of the JIS
// style (U+301C wave dash, U+2212 minus, ...) are written as their code
// page 932 forms. Returns false when a character has no code (an emoji, say)
// or the input is not valid UTF-8.
bool Utf8ToCp932(std::string_view in, std::string& out, EncodingError* error = nullptr);

}  // namespace karumoa::text
