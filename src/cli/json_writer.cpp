#include "json_writer.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

namespace karumoa::cli {
namespace {

// Whether `text` can be written between quotes as it stands: printable
// ASCII without a quote or a backslash. Anything else goes through the
// JSON library's escaping and UTF-8 checks.
bool IsPlain(std::string_view text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b >= 0x7F || c == '"' || c == '\\') {
            return false;
        }
    }
    return true;
}

}  // namespace

void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    bool& started = started_[static_cast<std::size_t>(depth_)];
    if (started) {
        out_ += ',';
    }
    started = true;
}

void JsonWriter::Open(char c) {
    Separate();
    out_ += c;
    ++depth_;
    started_[static_cast<std::size_t>(depth_)] = false;
}

void JsonWriter::Close(char c) {
    --depth_;
    out_ += c;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    Separate();
    out_ += '"';
    out_ += key;
    out_ += "\":";
    afterKey_ = true;
    return *this;
}

void JsonWriter::Value(float value) {
    Separate();
    if (!std::isfinite(value)) {
        out_ += "null";
        return;
    }
    char buf[32];
    out_.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

void JsonWriter::Value(double value) {
    Separate();
    if (!std::isfinite(value)) {
        out_ += "null";
        return;
    }
    char buf[32];
    out_.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

void JsonWriter::Value(int value) {
    Separate();
    char buf[16];
    out_.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

void JsonWriter::Value(bool value) {
    Separate();
    out_ += value ? "true" : "false";
}

void JsonWriter::String(std::string_view text) {
    if (IsPlain(text)) {
        Literal(text);
        return;
    }
    Separate();
    out_ += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void JsonWriter::Literal(std::string_view text) {
    Separate();
    out_ += '"';
    out_ += text;
    out_ += '"';
}

}  // namespace karumoa::cli
