#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/codes.h"
#include "model/room_model.h"
#include "project/project_format.h"
#include "text/number_text.h"
#include "text/shift_jis.h"

namespace karumoa::project {
namespace {

using model::Kabe_Data;
using model::Mado_Data;
using model::RoomModel;
using Kind = ReadError::Kind;

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// The values a field accepts. `lo_open` excludes the lower bound (K and
// the conductivities must be positive); an infinite bound leaves only the
// limit of the field's type.
struct Range {
    double lo = -kNoLimit;
    double hi = kNoLimit;
    bool lo_open = false;
    std::string_view unit = {};
};

constexpr Range Between(double lo, double hi, std::string_view unit = {}) {
    return {lo, hi, false, unit};
}
constexpr Range AtLeast(double lo) {
    return {lo, kNoLimit, false, {}};
}
constexpr Range Positive() {
    return {0.0, kNoLimit, true, {}};
}

std::string RangeText(const Range& r) {
    const std::string lo = text::PlainNumber(r.lo);
    const std::string hi = text::PlainNumber(r.hi);
    std::string s;
    if (r.lo_open) {
        s = lo + " より大きい値";
    } else if (std::isinf(r.hi)) {
        s = lo + " 以上";
    } else if (r.lo == r.hi) {
        s = lo + " のみ";
    } else {
        s = lo + "〜" + hi;
    }
    if (!r.unit.empty()) {
        s += ' ';
        s += r.unit;
    }
    return s;
}

bool InRange(double v, const Range& r) {
    if (r.lo_open ? !(v > r.lo) : !(v >= r.lo)) {
        return false;
    }
    return v <= r.hi;
}

// At most about 30 characters of a field's text for a message, cut at a
// character boundary.
std::string Shorten(std::string_view s) {
    constexpr std::size_t kMaxBytes = 60;
    if (s.size() <= kMaxBytes) {
        return std::string(s);
    }
    std::size_t cut = kMaxBytes;
    while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(s.substr(0, cut)) + "…";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// 1-based line of a byte offset; CR LF, LF and a lone CR each end a line.
int LineOf(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
        } else if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) {
            ++line;
        }
    }
    return line;
}

// An orientation for a message: its name in brackets, or the bare code.
std::string HouiText(int houi) {
    const std::string_view name = model::HouiName(houi);
    if (name.empty()) {
        return std::to_string(houi);
    }
    return "「" + std::string(name) + "」";
}

// "壁2（南）"
std::string WallText(std::size_t p, int houi) {
    return "壁" + std::to_string(p) + "（" + std::string(model::HouiName(houi)) + "）";
}

std::string Mm(std::int32_t v) {
    return std::to_string(v) + " mm";
}

// The room as far as it has been read; copied into the caller's room only
// when the whole file has read cleanly.
struct Parsed {
    RoomModel conditions;  // only the 27 settings are used
    // Moved into the room whole, rather than record by record.
    model::ElementList<Kabe_Data> walls;
    model::ElementList<Mado_Data> windows;
    std::shared_ptr<Kabe_Data> roof;
    std::shared_ptr<Kabe_Data> floor;
    std::shared_ptr<Mado_Data> skylight;
};

// Reads the fields of the file in order. Fields are separated by commas
// and line ends alike; blank lines, blanks around a field and a line break
// after a comma are accepted, an empty field between two commas is not.
// Every read checks its value at once, so the error names the field and
// its line.
//
// The reader works on the code page 932 bytes as they are: every byte that
// separates or quotes fields is ASCII below 0x40, which is never the second
// byte of a character, and no character decodes to ASCII, so the fields
// are the same as in the decoded text. Only the texts kept, the material
// names, are decoded. A file that does not decode everywhere is refused by
// ReadProject, whatever the reader found.
class Reader {
public:
    Reader(std::string_view bytes, ReadError* error) : text_(bytes), error_(error) {}

    bool Read(Parsed& room) {
        return Conditions(room.conditions) && Reserved() && Walls(room) && WallWindows(room) &&
               RoofAndFloor(room) && Skylight(room) && End();
    }

    // The bytes of the file that the failed read shows in its message
    // (undecoded).
    std::string_view Shown() const { return shown_; }

private:
    struct Token {
        std::string_view text;
        bool quoted = false;
    };

    bool Fail(Kind kind, const FieldRef& field, int line, std::string_view shown = {},
              std::string detail = {}) {
        shown_.assign(shown);
        if (error_) {
            error_->kind = kind;
            error_->line = line;
            error_->field = field;
            error_->detail = std::move(detail);
        }
        return false;
    }

    // A room the program cannot hold, found at the field just read.
    bool Invalid(const FieldRef& field, std::string why) {
        return Fail(Kind::kInvalidRoom, field, line_of_field_, {}, std::move(why));
    }

    void SkipSeparators() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (IsBlank(c)) {
                ++pos_;
            } else if (c == '\r') {
                ++pos_;
                if (pos_ < text_.size() && text_[pos_] == '\n') {
                    ++pos_;
                }
                ++line_;
            } else if (c == '\n') {
                ++pos_;
                ++line_;
            } else {
                break;
            }
        }
    }

    std::string_view RestOfLine() const {
        std::size_t end = pos_;
        while (end < text_.size() && !IsLineEnd(text_[end])) {
            ++end;
        }
        return text_.substr(pos_, end - pos_);
    }

    bool Next(const FieldRef& field, Token& t) {
        SkipSeparators();
        if (pos_ >= text_.size()) {
            return Fail(Kind::kUnexpectedEnd, field, line_);
        }
        line_of_field_ = line_;
        if (text_[pos_] == '"') {
            const std::size_t start = pos_ + 1;
            std::size_t end = start;
            while (end < text_.size() && text_[end] != '"' && !IsLineEnd(text_[end])) {
                ++end;
            }
            if (end >= text_.size() || text_[end] != '"') {
                return Fail(Kind::kUnterminatedString, field, line_);
            }
            t.text = text_.substr(start, end - start);
            t.quoted = true;
            pos_ = end + 1;
            while (pos_ < text_.size() && IsBlank(text_[pos_])) {
                ++pos_;
            }
            if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
                return Fail(Kind::kTextAfterString, field, line_, RestOfLine());
            }
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
                ++pos_;
            }
            std::size_t end = pos_;
            while (end > start && IsBlank(text_[end - 1])) {
                --end;
            }
            t.text = text_.substr(start, end - start);
            t.quoted = false;
        }
        trailing_comma_ = pos_ < text_.size() && text_[pos_] == ',';
        if (trailing_comma_) {
            ++pos_;
        }
        return true;
    }

    // The value of the number field just read into `t`.
    bool Number(const FieldRef& field, const Token& t, double& value) {
        if (!t.quoted && t.text.empty()) {
            return Fail(Kind::kEmptyField, field, line_of_field_);
        }
        const std::optional<double> v = t.quoted ? std::nullopt : text::ParseNumberField(t.text);
        if (!v) {
            return Fail(Kind::kNotANumber, field, line_of_field_,
                        t.quoted ? "\"" + std::string(t.text) + "\"" : std::string(t.text));
        }
        value = *v;
        return true;
    }

    // Digits with an optional minus sign, as the program writes whole
    // numbers; short enough for any integer field to tell whether it fits.
    static bool PlainWhole(const Token& t, std::int64_t& value) {
        const std::string_view s = t.text;
        const bool negative = !s.empty() && s[0] == '-';
        const std::size_t digits = s.size() - (negative ? 1 : 0);
        if (t.quoted || digits == 0 || digits > 10) {
            return false;
        }
        std::int64_t v = 0;
        for (std::size_t i = negative ? 1 : 0; i < s.size(); ++i) {
            if (s[i] < '0' || s[i] > '9') {
                return false;
            }
            v = v * 10 + (s[i] - '0');
        }
        value = negative ? -v : v;
        return true;
    }

    // Whole numbers given with a fraction are rounded halves to even, as
    // every integer field of the program is.
    template <class T>
    bool Integer(const FieldRef& field, const Range& range, T& out) {
        Token t;
        if (!Next(field, t)) {
            return false;
        }
        std::optional<T> r;
        std::int64_t whole = 0;
        if (PlainWhole(t, whole)) {
            // The usual field needs neither the number rules nor rounding.
            if (whole >= std::numeric_limits<T>::min() && whole <= std::numeric_limits<T>::max()) {
                r = static_cast<T>(whole);
            }
        } else {
            double v = 0.0;
            if (!Number(field, t, v)) {
                return false;
            }
            if constexpr (std::is_same_v<T, std::uint8_t>) {
                r = text::ToUInt8(v);
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                r = text::ToInt16(v);
            } else {
                static_assert(std::is_same_v<T, std::int32_t>);
                r = text::ToInt32(v);
            }
        }
        // An open bound leaves the limit of the field's type.
        Range limits = range;
        if (std::isinf(limits.lo)) {
            limits.lo = static_cast<double>(std::numeric_limits<T>::min());
        }
        if (std::isinf(limits.hi)) {
            limits.hi = static_cast<double>(std::numeric_limits<T>::max());
        }
        if (!r || !InRange(static_cast<double>(*r), limits)) {
            return OutOfRange(field, t, limits);
        }
        out = *r;
        return true;
    }

    bool Single(const FieldRef& field, const Range& range, float& out) {
        Token t;
        double v = 0.0;
        if (!Next(field, t) || !Number(field, t, v)) {
            return false;
        }
        const std::optional<float> f = text::ToSingle(v);
        if (!f || !InRange(static_cast<double>(*f), range)) {
            return OutOfRange(field, t, range);
        }
        out = *f;
        return true;
    }

    bool OutOfRange(const FieldRef& field, const Token& t, const Range& range) {
        return Fail(Kind::kOutOfRange, field, line_of_field_, t.text, RangeText(range));
    }

    // #TRUE# and #FALSE# as the program writes them; a number is true
    // unless it is 0.
    bool Bool(const FieldRef& field, bool& out) {
        Token t;
        if (!Next(field, t)) {
            return false;
        }
        if (!t.quoted) {
            if (t.text.empty()) {
                return Fail(Kind::kEmptyField, field, line_of_field_);
            }
            if (EqualsUpper(t.text, "#TRUE#")) {
                out = true;
                return true;
            }
            if (EqualsUpper(t.text, "#FALSE#")) {
                out = false;
                return true;
            }
            if (const auto v = text::ParseNumberField(t.text)) {
                out = *v != 0.0;
                return true;
            }
        }
        return Fail(Kind::kNotABoolean, field, line_of_field_, t.text);
    }

    static bool EqualsUpper(std::string_view s, std::string_view upper) {
        if (s.size() != upper.size()) {
            return false;
        }
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c =
                (s[i] >= 'a' && s[i] <= 'z') ? static_cast<char>(s[i] - 'a' + 'A') : s[i];
            if (c != upper[i]) {
                return false;
            }
        }
        return true;
    }

    // Quoted or not: a material name is whatever the field holds, except a
    // stray double quote, which no string of the file can hold.
    bool String(const FieldRef& field, std::string& out) {
        Token t;
        if (!Next(field, t)) {
            return false;
        }
        if (!t.quoted && t.text.find('"') != std::string_view::npos) {
            return Fail(Kind::kUnterminatedString, field, line_of_field_);
        }
        if (!text::Cp932ToUtf8(t.text, out)) {
            // ReadProject reports where the file stops decoding.
            return Fail(Kind::kEncoding, field, line_of_field_);
        }
        return true;
    }

    static FieldRef Cond(Field f) { return {Section::kConditions, f, 0, 0}; }

    bool Conditions(RoomModel& r) {
        return Integer(Cond(Field::kBasyo), Between(0, 13), r.Basyo) &&
               Integer(Cond(Field::kTatemono_Syurui), Between(1, 9), r.Tatemono_Syurui) &&
               Integer(Cond(Field::kSitunai_Syurui), Between(1, 2), r.Situnai_Syurui) &&
               Single(Cond(Field::kSoutou_Ninzuu), Between(0, 2, "人/㎡"), r.Soutou_Ninzuu) &&
               Integer(Cond(Field::kJitu_Ninzuu), Between(0, 9999, "人"), r.Jitu_Ninzuu) &&
               Bool(Cond(Field::kNinzuu_Flag), r.Ninzuu_Flag) &&
               Integer(Cond(Field::kSoutou_Basyo), Between(0, 7), r.Soutou_Basyo) &&
               Integer(Cond(Field::kSyoudo), AtLeast(0), r.Syoudo) &&
               Integer(Cond(Field::kSyoudo_Syurui), Between(1, 7), r.Syoudo_Syurui) &&
               Integer(Cond(Field::kSyoumei_housiki), Between(0, 4), r.Syoumei_housiki) &&
               Bool(Cond(Field::kSyoumei_Syurui), r.Syoumei_Syurui) &&
               Integer(Cond(Field::kKeikoutou_Syurui), Between(0, 3), r.Keikoutou_Syurui) &&
               Integer(Cond(Field::kHakunetutou_Syurui), Between(0, 4), r.Hakunetutou_Syurui) &&
               Integer(Cond(Field::kKeikoutou_Kazu), Between(0, 999), r.Keikoutou_Kazu) &&
               Integer(Cond(Field::kHakunetutou_Kazu), Between(0, 999), r.Hakunetutou_Kazu) &&
               Bool(Cond(Field::kSyoumei_Konzai), r.Syoumei_Konzai) &&
               Bool(Cond(Field::kSyuturyoku_Nyuuryoku), r.Syuturyoku_Nyuuryoku) &&
               Integer(Cond(Field::kSyoumei_Syuturyoku), Between(0, 99999, "W"),
                       r.Syoumei_Syuturyoku) &&
               Integer(Cond(Field::kKeikoutou_wariai), Between(0, 4), r.Keikoutou_wariai) &&
               Bool(Cond(Field::kSyoudo_Jidou_Tekigou), r.Syoudo_Jidou_Tekigou) &&
               Bool(Cond(Field::kKanki_Jidou_Tekigou), r.Kanki_Jidou_Tekigou) &&
               Bool(Cond(Field::kKanki_Housiki), r.Kanki_Housiki) &&
               Integer(Cond(Field::kKanki_Entarupi), Between(0, 8), r.Kanki_Entarupi) &&
               Integer(Cond(Field::kKanki_Basyo), Between(-1, 6), r.Kanki_Basyo) &&
               Bool(Cond(Field::kKanki_Saisyouti), r.Kanki_Saisyouti) &&
               Single(Cond(Field::kKanki_Fuuryou), Between(0, 99999, "㎥/h"), r.Kanki_Fuuryou) &&
               Bool(Cond(Field::kKanki_Nyuuryoku), r.Kanki_Nyuuryoku);
    }

    // Six strings the program writes empty and never uses; anything goes.
    bool Reserved() {
        std::string ignored;
        for (int i = 1; i <= 6; ++i) {
            if (!String({Section::kReserved, Field::kReserved, 0, i}, ignored)) {
                return false;
            }
        }
        return true;
    }

    bool Walls(Parsed& room) {
        if (!Integer({Section::kWallCount, Field::kCount, 0, 0}, Between(0, 4), wall_count_)) {
            return false;
        }
        for (int p = 1; p <= wall_count_; ++p) {
            std::shared_ptr<Kabe_Data> wall;
            if (!Construction(Section::kWall, p, room, wall)) {
                return false;
            }
            room.walls.Add(std::move(wall));
        }
        return true;
    }

    // Checks of a wall's orientation against the walls before it: one wall
    // per orientation, and all walls cardinal or all diagonal.
    bool CheckWallHoui(const FieldRef& f, std::int16_t houi, const Parsed& room) {
        for (int q = 1; q <= room.walls.Count(); ++q) {
            if (room.walls.Item(q)->Houi == houi) {
                return Invalid(f, "壁" + std::to_string(f.element) + " の方位" + HouiText(houi) +
                                      "は壁" + std::to_string(q) +
                                      " と同じです（一つの方位に壁は一つだけです）。");
            }
        }
        if (!room.walls.empty() && (room.walls.Item(1)->Houi - houi) % 2 != 0) {
            return Invalid(f, "壁" + std::to_string(f.element) + " の方位" + HouiText(houi) +
                                  "は壁1 の方位" + HouiText(room.walls.Item(1)->Houi) +
                                  "と組み合わせられません（壁は東西南北か斜めの4方位のどちらかに"
                                  "そろえます）。");
        }
        return true;
    }

    bool CheckWallSize(const FieldRef& f, std::int16_t houi, std::int32_t value,
                       const Parsed& room) {
        if (f.field == Field::kTate) {
            if (!room.walls.empty() && room.walls.Item(1)->Tate != value) {
                return Invalid(f, "壁" + std::to_string(f.element) + " の高さ " + Mm(value) +
                                      " が壁1 の高さ " + Mm(room.walls.Item(1)->Tate) +
                                      " と違います（壁の高さはすべて同じです）。");
            }
            return true;
        }
        const int opposite = model::OppositeHoui(houi);
        for (int q = 1; q <= room.walls.Count(); ++q) {
            const Kabe_Data& other = *room.walls.Item(q);
            if (other.Houi == opposite && other.Yoko != value) {
                return Invalid(f, WallText(static_cast<std::size_t>(f.element), houi) + "の幅 " +
                                      Mm(value) + " が向かいの" +
                                      WallText(static_cast<std::size_t>(q), opposite) + "の幅 " +
                                      Mm(other.Yoko) +
                                      " と違います（向かい合う壁の幅は同じです）。");
            }
        }
        return true;
    }

    // One wall, roof or floor: header line, layer count, thicknesses,
    // conductivities, material names.
    bool Construction(Section section, int element, const Parsed& room,
                      std::shared_ptr<Kabe_Data>& out) {
        const bool isWall = section == Section::kWall;
        auto f = [&](Field field, int index = 0) {
            return FieldRef{section, field, element, index};
        };

        std::int16_t houi = 0;
        const Range houiRange = isWall                      ? Between(1, 8)
                                : section == Section::kRoof ? Between(0, 0)
                                                            : Between(9, 9);
        if (!Integer(f(Field::kHoui), houiRange, houi) ||
            (isWall && !CheckWallHoui(f(Field::kHoui), houi, room))) {
            return false;
        }
        bool kuuki = false;
        float k = 0.0f;
        if (!Bool(f(Field::kKuuki), kuuki) || !Single(f(Field::kNetukanryuu), Positive(), k)) {
            return false;
        }
        // Walls are entered between 1000 and 100000 mm; the roof and floor
        // take their plan size from the walls.
        const Range size = isWall ? Between(1000, 100000, "mm") : Between(1, 100000, "mm");
        std::int32_t tate = 0;
        std::int32_t yoko = 0;
        if (!Integer(f(Field::kTate), size, tate) ||
            (isWall && !CheckWallSize(f(Field::kTate), houi, tate, room)) ||
            !Integer(f(Field::kYoko), size, yoko) ||
            (isWall && !CheckWallSize(f(Field::kYoko), houi, yoko, room))) {
            return false;
        }
        std::int16_t zokusei = 0;
        const int zokuseiMax =
            (section == Section::kFloor ? model::kFloorZokuseiCount : model::kWallZokuseiCount) - 1;
        std::int16_t n = 0;
        if (!Integer(f(Field::kZokusei), Between(0, zokuseiMax), zokusei) ||
            !Integer(f(Field::kLayerCount), AtLeast(1), n)) {
            return false;
        }

        const auto slots = static_cast<std::size_t>(n) + 2;
        Kabe_Data::Atusa_Array atusa(slots, 0);
        Kabe_Data::Netu_Array netu(slots, 0.0f);
        Kabe_Data::Zai_Array zai(slots);
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!Integer(f(Field::kAtusa, static_cast<int>(i)), Between(3, 300, "mm"), atusa[i])) {
                return false;
            }
        }
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!Single(f(Field::kNetu, static_cast<int>(i)), Positive(), netu[i])) {
                return false;
            }
        }
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!String(f(Field::kZai, static_cast<int>(i)), zai[i])) {
                return false;
            }
        }
        out = std::make_shared<Kabe_Data>(std::move(zai), std::move(netu), std::move(atusa), yoko,
                                          tate, houi, kuuki, k, zokusei);
        return true;
    }

    bool WallWindows(Parsed& room) {
        for (int p = 1; p <= wall_count_; ++p) {
            std::shared_ptr<Mado_Data> windows;
            const Kabe_Data& wall = *room.walls.Item(p);
            if (!Windows(Section::kWallWindows, p, wall, windows)) {
                return false;
            }
            room.windows.Add(std::move(windows));
        }
        return true;
    }

    // One window set: header line, number of window types, counts,
    // heights, widths. Each window must fit the element it belongs to
    // (the wall, or the roof for the skylight), and so must their area.
    bool Windows(Section section, int element, const Kabe_Data& host,
                 std::shared_ptr<Mado_Data>& out) {
        const bool skylight = section == Section::kSkylight;
        auto f = [&](Field field, int index = 0) {
            return FieldRef{section, field, element, index};
        };
        // Names for the messages, built only when one is needed.
        auto owner = [&]() -> std::string {
            return skylight ? "天窓" : "壁" + std::to_string(element) + " の窓";
        };
        auto hostName = [&]() -> std::string {
            return skylight ? "屋根" : "壁" + std::to_string(element);
        };

        bool braindo = false;
        std::int16_t houi = 0;
        if (!Bool(f(Field::kBraindo), braindo) ||
            !Integer(f(Field::kMadoHoui), skylight ? Between(0, 0) : Between(1, 8), houi)) {
            return false;
        }
        if (!skylight && houi != host.Houi) {
            return Invalid(f(Field::kMadoHoui), owner() + "の方位" + HouiText(houi) + "が" +
                                                    hostName() + " の方位" + HouiText(host.Houi) +
                                                    "と違います。");
        }
        float menseki = 0.0f;
        if (!Single(f(Field::kMenseki), AtLeast(0), menseki)) {
            return false;
        }
        const double area = host.Yoko / 1000.0 * (host.Tate / 1000.0);
        // The window dialog refuses a set larger than its element; allow
        // for the rounding of a single-precision sum.
        if (static_cast<double>(menseki) > area * (1.0 + 1e-4) + 1e-6) {
            return Invalid(f(Field::kMenseki), owner() + "の面積 " + text::PlainNumber(menseki) +
                                                   " ㎡ が" + hostName() + " の面積 " +
                                                   text::PlainNumber(area) +
                                                   " ㎡ を超えています。");
        }
        const int mensekiLine = line_of_field_;

        std::int16_t w = 0;
        if (!Integer(f(Field::kEntryCount), AtLeast(skylight ? 1 : 0), w)) {
            return false;
        }
        if (w == 0 && menseki != 0.0f) {
            line_of_field_ = mensekiLine;
            return Invalid(f(Field::kMenseki), owner() + "がないのに窓の面積が " +
                                                   text::PlainNumber(menseki) +
                                                   " ㎡ になっています。");
        }

        const auto slots = static_cast<std::size_t>(w) + 2;
        Mado_Data::Array kazu(slots, 0);
        Mado_Data::Array tate(slots, 0);
        Mado_Data::Array yoko(slots, 0);
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!Integer(f(Field::kKazu, static_cast<int>(i)), Between(1, 999, "個"), kazu[i])) {
                return false;
            }
        }
        const std::string_view tateName = skylight ? "縦" : "高さ";
        const std::string_view yokoName = skylight ? "横" : "幅";
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            const FieldRef fi = f(Field::kMadoTate, static_cast<int>(i));
            if (!Integer(fi, Between(300, 5000, "mm"), tate[i])) {
                return false;
            }
            if (tate[i] > host.Tate) {
                return Invalid(fi, owner() + "(種類" + std::to_string(i) + ") の高さ " +
                                       Mm(tate[i]) + " が" + hostName() + " の" +
                                       std::string(tateName) + " " + Mm(host.Tate) +
                                       " を超えています。");
            }
        }
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            const FieldRef fi = f(Field::kMadoYoko, static_cast<int>(i));
            if (!Integer(fi, Between(500, 10000, "mm"), yoko[i])) {
                return false;
            }
            if (yoko[i] > host.Yoko) {
                return Invalid(fi, owner() + "(種類" + std::to_string(i) + ") の幅 " + Mm(yoko[i]) +
                                       " が" + hostName() + " の" + std::string(yokoName) + " " +
                                       Mm(host.Yoko) + " を超えています。");
            }
        }
        out = std::make_shared<Mado_Data>(std::move(tate), std::move(yoko), std::move(kazu),
                                          braindo, menseki, houi);
        return true;
    }

    bool RoofAndFloor(Parsed& room) {
        for (const Section section : {Section::kRoof, Section::kFloor}) {
            const bool roof = section == Section::kRoof;
            const FieldRef count{roof ? Section::kRoofCount : Section::kFloorCount, Field::kCount,
                                 0, 0};
            std::int16_t c = 0;
            if (!Integer(count, Between(0, 1), c)) {
                return false;
            }
            if (c == 0) {
                continue;
            }
            if (wall_count_ != 4) {
                return Invalid(count, std::string(roof ? "屋根" : "床") +
                                          "は壁が4面あるときだけ登録できますが、壁は " +
                                          std::to_string(wall_count_) + " 面です。");
            }
            std::shared_ptr<Kabe_Data> record;
            if (!Construction(section, 0, room, record)) {
                return false;
            }
            (roof ? room.roof : room.floor) = std::move(record);
        }
        return true;
    }

    bool Skylight(Parsed& room) {
        const FieldRef count{Section::kSkylightCount, Field::kCount, 0, 0};
        std::int16_t c = 0;
        if (!Integer(count, Between(0, 1), c)) {
            return false;
        }
        if (c == 0) {
            return true;
        }
        if (!room.roof) {
            return Invalid(count, "天窓は屋根があるときだけ登録できますが、屋根がありません。");
        }
        std::shared_ptr<Mado_Data> record;
        if (!Windows(Section::kSkylight, 0, *room.roof, record)) {
            return false;
        }
        room.skylight = std::move(record);
        return true;
    }

    // Only blank lines may follow the last block.
    bool End() {
        const FieldRef end{Section::kEnd, Field::kNone, 0, 0};
        const int commaLine = line_;
        SkipSeparators();
        if (pos_ < text_.size()) {
            return Fail(Kind::kTrailingText, end, line_, RestOfLine());
        }
        if (trailing_comma_) {
            return Fail(Kind::kTrailingText, end, commaLine, ",");
        }
        return true;
    }

    std::string_view text_;  // code page 932
    ReadError* error_;
    std::string shown_;
    std::size_t pos_ = 0;
    int line_ = 1;           // line at pos_
    int line_of_field_ = 1;  // line where the field last read starts
    bool trailing_comma_ = false;
    std::int16_t wall_count_ = 0;
};

void CopyConditions(const RoomModel& from, RoomModel& to) {
    to.Basyo = from.Basyo;
    to.Tatemono_Syurui = from.Tatemono_Syurui;
    to.Situnai_Syurui = from.Situnai_Syurui;
    to.Soutou_Ninzuu = from.Soutou_Ninzuu;
    to.Jitu_Ninzuu = from.Jitu_Ninzuu;
    to.Ninzuu_Flag = from.Ninzuu_Flag;
    to.Soutou_Basyo = from.Soutou_Basyo;
    to.Syoudo = from.Syoudo;
    to.Syoudo_Syurui = from.Syoudo_Syurui;
    to.Syoumei_housiki = from.Syoumei_housiki;
    to.Syoumei_Syurui = from.Syoumei_Syurui;
    to.Keikoutou_Syurui = from.Keikoutou_Syurui;
    to.Hakunetutou_Syurui = from.Hakunetutou_Syurui;
    to.Keikoutou_Kazu = from.Keikoutou_Kazu;
    to.Hakunetutou_Kazu = from.Hakunetutou_Kazu;
    to.Syoumei_Konzai = from.Syoumei_Konzai;
    to.Syuturyoku_Nyuuryoku = from.Syuturyoku_Nyuuryoku;
    to.Syoumei_Syuturyoku = from.Syoumei_Syuturyoku;
    to.Keikoutou_wariai = from.Keikoutou_wariai;
    to.Syoudo_Jidou_Tekigou = from.Syoudo_Jidou_Tekigou;
    to.Kanki_Jidou_Tekigou = from.Kanki_Jidou_Tekigou;
    to.Kanki_Housiki = from.Kanki_Housiki;
    to.Kanki_Entarupi = from.Kanki_Entarupi;
    to.Kanki_Basyo = from.Kanki_Basyo;
    to.Kanki_Saisyouti = from.Kanki_Saisyouti;
    to.Kanki_Fuuryou = from.Kanki_Fuuryou;
    to.Kanki_Nyuuryoku = from.Kanki_Nyuuryoku;
}

}  // namespace

bool ReadProject(std::string_view bytes, RoomModel& room, ReadError* error) {
    if (bytes.size() > kMaxProjectFileSize) {
        if (error) {
            *error = ReadError{};
            error->kind = Kind::kFileTooLarge;
            error->size = bytes.size();
        }
        return false;
    }
    if (error) {
        *error = ReadError{};
    }
    Parsed parsed;
    Reader reader(bytes, error);
    if (!reader.Read(parsed)) {
        if (!error) {
            return false;
        }
        // Bytes that do not decode, wherever they are, are what is wrong
        // with the file; otherwise the text shown decodes.
        std::string decoded;
        text::EncodingError bad;
        if (!text::Cp932ToUtf8(bytes, decoded, &bad)) {
            *error = ReadError{};
            error->kind = Kind::kEncoding;
            error->line = LineOf(bytes, bad.offset);
        } else {
            text::Cp932ToUtf8(reader.Shown(), decoded);
            error->text = Shorten(decoded);
        }
        return false;
    }

    CopyConditions(parsed.conditions, room);
    room.Kabe = std::move(parsed.walls);
    room.Mado = std::move(parsed.windows);
    room.Yane.Clear();
    room.Yuka.Clear();
    room.Yane_Mado.Clear();
    if (parsed.roof) {
        room.Yane.Add(std::move(parsed.roof));
    }
    if (parsed.floor) {
        room.Yuka.Add(std::move(parsed.floor));
    }
    if (parsed.skylight) {
        room.Yane_Mado.Add(std::move(parsed.skylight));
    }
    return true;
}

}  // namespace karumoa::project
