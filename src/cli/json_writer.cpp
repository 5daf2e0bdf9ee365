#include "json_writer.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstdint>

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

// Most numbers of a report are whole or carry one or two decimals (sizes,
// areas, table values). Below 2^16 two decimals of at most two places lie
// further apart than neighbouring singles (or doubles), so the one that
// reads back as the value is its shortest round-trip decimal, and fixed
// notation is never longer than scientific there: exactly what
// std::to_chars prints, without its general search. False for any other
// value, which then takes the general path.
template <class T>
bool AppendShortDecimal(std::string& out, T value) {
    const double a = std::fabs(static_cast<double>(value));
    if (!(a >= 0.01 && a < 65536.0)) {
        return false;
    }
    constexpr double kScale[] = {1.0, 10.0, 100.0};
    for (int places = 0; places <= 2; ++places) {
        const double n = std::nearbyint(a * kScale[places]);
        // n / scale is correctly rounded to double and is never a tie
        // between two singles, so this is the value the decimal reads as.
        // Fewer places are tried first, so the last place is never 0.
        if (static_cast<T>(n / kScale[places]) != static_cast<T>(a)) {
            continue;
        }
        auto units = static_cast<std::uint32_t>(n);
        char buf[16];
        char* const end = buf + sizeof buf;
        char* p = end;
        for (int i = 0; i < places; ++i) {
            *--p = static_cast<char>('0' + units % 10);
            units /= 10;
        }
        if (places > 0) {
            *--p = '.';
        }
        do {
            *--p = static_cast<char>('0' + units % 10);
            units /= 10;
        } while (units != 0);
        if (value < 0) {
            *--p = '-';
        }
        out.append(p, end);
        return true;
    }
    return false;
}

template <class T>
void AppendNumberText(std::string& out, T value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (AppendShortDecimal(out, value)) {
        return;
    }
    char buf[32];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

}  // namespace

void AppendNumber(std::string& out, float value) {
    AppendNumberText(out, value);
}

void AppendNumber(std::string& out, double value) {
    AppendNumberText(out, value);
}

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
    AppendNumber(out_, value);
}

void JsonWriter::Value(double value) {
    Separate();
    AppendNumber(out_, value);
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
