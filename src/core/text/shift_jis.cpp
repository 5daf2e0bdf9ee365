#include "text/shift_jis.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

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

// Offset of the first byte of `s` that is not ASCII, or the size of `s`.
std::size_t FirstNonAscii(std::string_view s) {
    // Eight bytes at a time while all are ASCII (top bits clear): most
    // texts are ASCII throughout.
    std::size_t from = 0;
    constexpr std::uint64_t kTopBits = 0x8080808080808080u;
    while (s.size() - from >= sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, s.data() + from, sizeof word);
        if ((word & kTopBits) != 0) {
            break;
        }
        from += sizeof word;
    }
    while (from < s.size() && static_cast<unsigned char>(s[from]) < 0x80) {
        ++from;
    }
    return from;
}

// The decoded form of each code page 932 character met so far, so that a
// character is taken through the converter once per thread rather than at
// every occurrence (gconv passes each character through UCS-4 at well over
// a hundred instructions; a batch report decodes the same few dozen
// material names in every file). Code page 932 keeps ASCII as it is and
// needs no state: a text decodes character by character exactly as in one
// piece, a character being a lead byte (0x81..0x9F, 0xE0..0xFC) and the
// byte after it, or any other single byte.
class DecodedCharacters {
public:
    // Appends the UTF-8 of `in`; false (with `out` unspecified) at a
    // sequence the converter does not decode into one character of at most
    // three bytes, or a lead byte at the end.
    bool Decode(std::string_view in, Converter& conv, std::string& out) {
        if (pairs_.empty()) {
            pairs_.resize(kLeadSlots * 256);
        }
        // No byte gives more than three bytes of UTF-8 (a half-width
        // katakana gives three), so the characters are written straight
        // into room for that many, cut to size at the end.
        const std::size_t start = out.size();
        out.resize(start + in.size() * kMaxUtf8);
        char* next = out.data() + start;
        std::size_t i = 0;
        while (i < in.size()) {
            const auto lead = static_cast<unsigned char>(in[i]);
            if (lead < 0x80) {
                *next++ = in[i++];
                continue;
            }
            const bool doubleByte =
                (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
            if (doubleByte && i + 1 == in.size()) {
                return false;
            }
            Entry& entry = doubleByte ? pairs_[static_cast<std::size_t>(lead - 0x80) * 256 +
                                               static_cast<unsigned char>(in[i + 1])]
                                      : singles_[lead - 0x80];
            const std::size_t size = doubleByte ? 2 : 1;
            if (entry.size == kUnknown) {
                entry = Convert(in.substr(i, size), conv);
            }
            if (entry.size == kBad) {
                return false;
            }
            std::memcpy(next, entry.bytes, kMaxUtf8);
            next += entry.size;
            i += size;
        }
        out.resize(static_cast<std::size_t>(next - out.data()));
        return true;
    }

private:
    static constexpr std::uint8_t kUnknown = 0;
    static constexpr std::uint8_t kBad = 0xFF;
    static constexpr std::size_t kLeadSlots = 0x80;  // lead bytes 0x80..0xFF
    static constexpr std::size_t kMaxUtf8 = 3;

    struct Entry {
        std::uint8_t size = kUnknown;  // bytes of UTF-8, or kUnknown / kBad
        char bytes[kMaxUtf8] = {};
    };

    static Entry Convert(std::string_view character, Converter& conv) {
        std::string utf8;
        Entry entry;
        entry.size = kBad;
        if (conv.Convert(character, utf8) == character.size() && !utf8.empty() &&
            utf8.size() <= sizeof entry.bytes) {
            entry.size = static_cast<std::uint8_t>(utf8.size());
            std::copy(utf8.begin(), utf8.end(), entry.bytes);
        }
        return entry;
    }

    std::array<Entry, 0x80> singles_{};  // bytes 0x80..0xFF
    std::vector<Entry> pairs_;           // [lead - 0x80][trail], allocated on first use
};

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
    const std::size_t ascii = FirstNonAscii(in);
    if (ascii == in.size()) {
        out.assign(in);
        return true;
    }
    thread_local Converter conv("UTF-8", "CP932");
    if (!conv.valid()) {
        out.clear();
        if (error) {
            error->offset = 0;
        }
        return false;
    }
    out.assign(in.data(), ascii);
    thread_local DecodedCharacters decoded;
    if (decoded.Decode(in.substr(ascii), conv, out)) {
        return true;
    }
    // Something does not decode: the converter, over the whole text, tells
    // where.
    out.clear();
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
    if (FirstNonAscii(in) == in.size()) {
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
