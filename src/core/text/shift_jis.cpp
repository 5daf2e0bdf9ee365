#include "text/shift_jis.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace karumoa::text {
namespace {

// One conversion descriptor per direction and thread: opening a gconv
// module costs far more than converting a project file.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `in` as possible, appending to `out`. Returns the
    // number of input bytes consumed; stops at the first bad sequence.
    std::size_t Convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        std::array<char, 1024> buf{};
        while (srcLeft > 0) {
            char* dst = buf.data();
            std::size_t dstLeft = buf.size();
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf.data(), buf.size() - dstLeft);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                break;
            }
        }
        char* dst = buf.data();
        std::size_t dstLeft = buf.size();
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buf.data(), buf.size() - dstLeft);
        return in.size() - srcLeft;
    }

private:
    iconv_t cd_;
};

bool IsAscii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// JIS-style characters that code page 932 writes under another code point.
struct LookAlike {
    std::string_view from;  // UTF-8
    std::string_view to;    // UTF-8 of the code page 932 form
};
constexpr std::array<LookAlike, 7> kLookAlikes{{
    {"\xE3\x80\x9C", "\xEF\xBD\x9E"},  // U+301C wave dash -> U+FF5E
    {"\xE2\x88\x92", "\xEF\xBC\x8D"},  // U+2212 minus -> U+FF0D
    {"\xE2\x80\x96", "\xE2\x88\xA5"},  // U+2016 double bar -> U+2225
    {"\xC2\xA2", "\xEF\xBF\xA0"},      // U+00A2 cent -> U+FFE0
    {"\xC2\xA3", "\xEF\xBF\xA1"},      // U+00A3 pound -> U+FFE1
    {"\xC2\xAC", "\xEF\xBF\xA2"},      // U+00AC not -> U+FFE2
    {"\xE2\x80\x94", "\xE2\x80\x95"},  // U+2014 em dash -> U+2015
}};

}  // namespace

bool Cp932ToUtf8(std::string_view in, std::string& out, EncodingError* error) {
    out.clear();
    if (IsAscii(in)) {
        out.assign(in);
        return true;
    }
    thread_local Converter conv("UTF-8", "CP932");
    if (!conv.valid()) {
        if (error) {
            error->offset = 0;
        }
        return false;
    }
    out.reserve(in.size() * 3 / 2);
    const std::size_t used = conv.Convert(in, out);
    if (used != in.size()) {
        if (error) {
            error->offset = used;
        }
        return false;
    }
    return true;
}

bool Utf8ToCp932(std::string_view in, std::string& out, EncodingError* error) {
    out.clear();
    if (IsAscii(in)) {
        out.assign(in);
        return true;
    }
    thread_local Converter conv("CP932", "UTF-8");
    if (!conv.valid()) {
        if (error) {
            error->offset = 0;
        }
        return false;
    }
    out.reserve(in.size());
    std::size_t pos = 0;
    while (pos < in.size()) {
        pos += conv.Convert(in.substr(pos), out);
        if (pos == in.size()) {
            break;
        }
        // Stopped at a character iconv cannot write: retry with its code
        // page 932 look-alike, if it has one.
        bool mapped = false;
        for (const LookAlike& l : kLookAlikes) {
            if (in.substr(pos, l.from.size()) == l.from) {
                conv.Convert(l.to, out);
                pos += l.from.size();
                mapped = true;
                break;
            }
        }
        if (!mapped) {
            if (error) {
                error->offset = pos;
            }
            return false;
        }
    }
    return true;
}

}  // namespace karumoa::text
