#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "model/codes.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "model/room_rules.h"
#include "project/project_format.h"
#include "text/number_text.h"
#include "text/shift_jis.h"

namespace karumoa::project {
namespace {

using model::Kabe_Data;
using model::Mado_Data;
using model::RoomModel;
using model::ValueRange;
using Kind = ReadError::Kind;

constexpr ValueRange AtLeast(double lo) {
    return {lo, model::kUnbounded};
}
constexpr ValueRange Exactly(double v) {
    return {v, v};
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

    // Reads the file into `room`, a new room: the settings and the lists
    // as far as they have been read. Each record is checked against the
    // room's rules as the records before it stand, as the dialogs check it
    // against the room they add it to.
    bool Read(RoomModel& room) {
        return Conditions(room) && Reserved() && Walls(room) && WallWindows(room) &&
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
        return Fail(Kind::InvalidRoom, field, line_of_field_, {}, std::move(why));
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
            return Fail(Kind::UnexpectedEnd, field, line_);
        }
        line_of_field_ = line_;
        if (text_[pos_] == '"') {
            const std::size_t start = pos_ + 1;
            std::size_t end = start;
            while (end < text_.size() && text_[end] != '"' && !IsLineEnd(text_[end])) {
                ++end;
            }
            if (end >= text_.size() || text_[end] != '"') {
                return Fail(Kind::UnterminatedString, field, line_);
            }
            t.text = text_.substr(start, end - start);
            t.quoted = true;
            pos_ = end + 1;
            while (pos_ < text_.size() && IsBlank(text_[pos_])) {
                ++pos_;
            }
            if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
                return Fail(Kind::TextAfterString, field, line_, RestOfLine());
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
            return Fail(Kind::EmptyField, field, line_of_field_);
        }
        const std::optional<double> v = t.quoted ? std::nullopt : text::ParseNumberField(t.text);
        if (!v) {
            return Fail(Kind::NotANumber, field, line_of_field_,
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
    bool Integer(const FieldRef& field, const ValueRange& range, T& out) {
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
        ValueRange limits = range;
        if (std::isinf(limits.min)) {
            limits.min = static_cast<double>(std::numeric_limits<T>::min());
        }
        if (std::isinf(limits.max)) {
            limits.max = static_cast<double>(std::numeric_limits<T>::max());
        }
        if (!r || !limits.Contains(static_cast<double>(*r))) {
            return OutOfRange(field, t, limits);
        }
        out = *r;
        return true;
    }

    // A single is taken when both it and the value the program's own file
    // gives back for it are in range: the writer's seven digits may move it
    // by a unit in the last place, and a room read must read again once
    // written. The value written back is its own, so one trip settles it.
    bool Single(const FieldRef& field, const ValueRange& range, float& out) {
        Token t;
        double v = 0.0;
        if (!Next(field, t) || !Number(field, t, v)) {
            return false;
        }
        const std::optional<float> f = text::ToSingle(v);
        if (!f || !range.Contains(static_cast<double>(*f)) ||
            !range.Contains(static_cast<double>(text::FileRoundTrip(*f)))) {
            return OutOfRange(field, t, range);
        }
        out = *f;
        return true;
    }

    bool OutOfRange(const FieldRef& field, const Token& t, const ValueRange& range) {
        return Fail(Kind::OutOfRange, field, line_of_field_, t.text, model::RangeText(range));
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
                return Fail(Kind::EmptyField, field, line_of_field_);
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
        return Fail(Kind::NotABoolean, field, line_of_field_, t.text);
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
            return Fail(Kind::UnterminatedString, field, line_of_field_);
        }
        if (!text::Cp932ToUtf8(t.text, out)) {
            // ReadProject reports where the file stops decoding.
            return Fail(Kind::Encoding, field, line_of_field_);
        }
        return true;
    }

    // A setting of the conditions line, read as its type.
    bool Value(const FieldRef& f, const ValueRange&, bool& out) { return Bool(f, out); }
    bool Value(const FieldRef& f, const ValueRange& range, float& out) {
        return Single(f, range, out);
    }
    template <class T>
    bool Value(const FieldRef& f, const ValueRange& range, T& out) {
        return Integer(f, range, out);
    }

    bool Conditions(RoomModel& r) {
        int index = 0;
        for (const model::RoomSetting& setting : model::kFileSettings) {
            const FieldRef f{Section::Conditions, Field::Setting, 0, ++index};
            const bool ok = std::visit(
                [&](auto member) { return Value(f, setting.range, r.*member); }, setting.field);
            if (!ok) {
                return false;
            }
        }
        return true;
    }

    // Six strings the program writes empty and never uses; anything goes.
    bool Reserved() {
        std::string ignored;
        for (int i = 1; i <= 6; ++i) {
            if (!String({Section::Reserved, Field::Reserved, 0, i}, ignored)) {
                return false;
            }
        }
        return true;
    }

    bool Walls(RoomModel& room) {
        const FieldRef count{Section::WallCount, Field::Count, 0, 0};
        if (!Integer(count, {0, model::kMaxWalls}, wall_count_)) {
            return false;
        }
        for (int p = 1; p <= wall_count_; ++p) {
            std::shared_ptr<Kabe_Data> wall;
            if (!Construction(Section::Wall, p, room, wall)) {
                return false;
            }
            room.Kabe.Add(std::move(wall));
        }
        return true;
    }

    // A wall's orientation against the walls before it.
    bool CheckWallHoui(const FieldRef& f, std::int16_t houi, const RoomModel& room) {
        switch (model::CheckWallHoui(room, houi)) {
            case model::HouiVerdict::Ok:
                return true;
            case model::HouiVerdict::Taken:
                return Invalid(f, "壁" + std::to_string(f.element) + " の方位" + HouiText(houi) +
                                      "は壁" + std::to_string(model::WallWithHoui(room, houi)) +
                                      " と同じです（一つの方位に壁は一つだけです）。");
            case model::HouiVerdict::Refused:
                break;
        }
        return Invalid(f, "壁" + std::to_string(f.element) + " の方位" + HouiText(houi) +
                              "は壁1 の方位" + HouiText(room.Kabe.Item(1)->Houi) +
                              "と組み合わせられません（壁は東西南北か斜めの4方位のどちらかに"
                              "そろえます）。");
    }

    // Every wall has the first wall's height, and the width of the wall
    // it faces.
    bool CheckWallSize(const FieldRef& f, std::int16_t houi, std::int32_t value,
                       const RoomModel& room) {
        if (f.field == Field::Tate) {
            if (!room.Kabe.empty() && room.Kabe.Item(1)->Tate != value) {
                return Invalid(f, "壁" + std::to_string(f.element) + " の高さ " + Mm(value) +
                                      " が壁1 の高さ " + Mm(room.Kabe.Item(1)->Tate) +
                                      " と違います（壁の高さはすべて同じです）。");
            }
            return true;
        }
        const model::Kabe_Data* other = model::OppositeWall(room, houi);
        if (other != nullptr && other->Yoko != value) {
            const int q = model::WallWithHoui(room, other->Houi);
            return Invalid(f, WallText(static_cast<std::size_t>(f.element), houi) + "の幅 " +
                                  Mm(value) + " が向かいの" +
                                  WallText(static_cast<std::size_t>(q), other->Houi) + "の幅 " +
                                  Mm(other->Yoko) + " と違います（向かい合う壁の幅は同じです）。");
        }
        return true;
    }

    // One wall, roof or floor: header line, layer count, thicknesses,
    // conductivities, material names.
    bool Construction(Section section, int element, const RoomModel& room,
                      std::shared_ptr<Kabe_Data>& out) {
        const bool isWall = section == Section::Wall;
        auto f = [&](Field field, int index = 0) {
            return FieldRef{section, field, element, index};
        };

        std::int16_t houi = 0;
        const ValueRange houiRange = isWall ? ValueRange{model::kHouiKita, model::kHouiHokusei}
                                     : section == Section::Roof ? Exactly(model::kHouiYane)
                                                                : Exactly(model::kHouiYuka);
        if (!Integer(f(Field::Houi), houiRange, houi) ||
            (isWall && !CheckWallHoui(f(Field::Houi), houi, room))) {
            return false;
        }
        bool kuuki = false;
        float k = 0.0f;
        if (!Bool(f(Field::Kuuki), kuuki) ||
            !Single(f(Field::Netukanryuu), model::kNetukanryuu, k)) {
            return false;
        }
        const ValueRange& size = isWall ? model::kKabeSunpou : model::kYaneSunpou;
        std::int32_t tate = 0;
        std::int32_t yoko = 0;
        if (!Integer(f(Field::Tate), size, tate) ||
            (isWall && !CheckWallSize(f(Field::Tate), houi, tate, room)) ||
            !Integer(f(Field::Yoko), size, yoko) ||
            (isWall && !CheckWallSize(f(Field::Yoko), houi, yoko, room))) {
            return false;
        }
        std::int16_t zokusei = 0;
        const int zokuseiMax =
            (section == Section::Floor ? model::kFloorZokuseiCount : model::kWallZokuseiCount) - 1;
        std::int16_t n = 0;
        if (!Integer(f(Field::Zokusei), {0, static_cast<double>(zokuseiMax)}, zokusei) ||
            !Integer(f(Field::LayerCount), AtLeast(1), n)) {
            return false;
        }

        const auto slots = static_cast<std::size_t>(n) + 2;
        Kabe_Data::Atusa_Array atusa(slots, 0);
        Kabe_Data::Netu_Array netu(slots, 0.0f);
        Kabe_Data::Zai_Array zai(slots);
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!Integer(f(Field::Atusa, static_cast<int>(i)), model::kSouAtusa, atusa[i])) {
                return false;
            }
        }
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!Single(f(Field::Netu, static_cast<int>(i)), model::kNetuDendouritu, netu[i])) {
                return false;
            }
        }
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!String(f(Field::Zai, static_cast<int>(i)), zai[i])) {
                return false;
            }
        }
        out = std::make_shared<Kabe_Data>(std::move(zai), std::move(netu), std::move(atusa), yoko,
                                          tate, houi, kuuki, k, zokusei);
        return true;
    }

    bool WallWindows(RoomModel& room) {
        for (int p = 1; p <= wall_count_; ++p) {
            std::shared_ptr<Mado_Data> windows;
            const Kabe_Data& wall = *room.Kabe.Item(p);
            if (!Windows(Section::WallWindows, p, wall, windows)) {
                return false;
            }
            room.Mado.Add(std::move(windows));
        }
        return true;
    }

    // One window set: header line, number of window types, counts,
    // heights, widths. Each window must fit the element it belongs to
    // (the wall, or the roof for the skylight), and so must their glass;
    // the area recorded with the set must be the one of its windows.
    bool Windows(Section section, int element, const Kabe_Data& host,
                 std::shared_ptr<Mado_Data>& out) {
        const bool skylight = section == Section::Skylight;
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
        if (!Bool(f(Field::Braindo), braindo) ||
            !Integer(f(Field::MadoHoui),
                     skylight ? Exactly(model::kHouiYane)
                              : ValueRange{model::kHouiKita, model::kHouiHokusei},
                     houi)) {
            return false;
        }
        if (!skylight && houi != host.Houi) {
            return Invalid(f(Field::MadoHoui), owner() + "の方位" + HouiText(houi) + "が" +
                                                   hostName() + " の方位" + HouiText(host.Houi) +
                                                   "と違います。");
        }
        float menseki = 0.0f;
        if (!Single(f(Field::Menseki), AtLeast(0), menseki)) {
            return false;
        }
        const int mensekiLine = line_of_field_;

        std::int16_t w = 0;
        if (!Integer(f(Field::EntryCount), AtLeast(skylight ? 1 : 0), w)) {
            return false;
        }

        const auto slots = static_cast<std::size_t>(w) + 2;
        Mado_Data::Array kazu(slots, 0);
        Mado_Data::Array tate(slots, 0);
        Mado_Data::Array yoko(slots, 0);
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            if (!Integer(f(Field::Kazu, static_cast<int>(i)), model::kMadoKazu, kazu[i])) {
                return false;
            }
        }
        const std::string_view tateName = skylight ? "縦" : "高さ";
        const std::string_view yokoName = skylight ? "横" : "幅";
        for (std::size_t i = 1; i + 1 < slots; ++i) {
            const FieldRef fi = f(Field::MadoTate, static_cast<int>(i));
            if (!Integer(fi, model::kMadoTate, tate[i])) {
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
            const FieldRef fi = f(Field::MadoYoko, static_cast<int>(i));
            if (!Integer(fi, model::kMadoYoko, yoko[i])) {
                return false;
            }
            if (yoko[i] > host.Yoko) {
                return Invalid(fi, owner() + "(種類" + std::to_string(i) + ") の幅 " + Mm(yoko[i]) +
                                       " が" + hostName() + " の" + std::string(yokoName) + " " +
                                       Mm(host.Yoko) + " を超えています。");
            }
        }
        // The set's area and line stand for the whole set.
        line_of_field_ = mensekiLine;
        const std::int64_t glass = model::GlassMm2(tate, yoko, kazu);
        if (!model::GlassFits(glass, host.Tate, host.Yoko)) {
            return Invalid(f(Field::Menseki),
                           owner() + "の面積 " +
                               text::PlainNumber(static_cast<double>(glass) / 1e6) + " ㎡ が" +
                               hostName() + " の面積 " +
                               text::PlainNumber(host.Yoko / 1000.0 * (host.Tate / 1000.0)) +
                               " ㎡ を超えています。");
        }
        // As with the ranges, the area must also match as the file will
        // carry it.
        const float computed = model::MadoMenseki(tate, yoko, kazu);
        if (!model::MensekiMatches(menseki, computed) ||
            !model::MensekiMatches(text::FileRoundTrip(menseki), computed)) {
            return Invalid(f(Field::Menseki),
                           w == 0 ? owner() + "がないのに窓の面積が " + text::PlainNumber(menseki) +
                                        " ㎡ になっています。"
                                  : owner() + "の面積 " + text::PlainNumber(menseki) +
                                        " ㎡ が窓の大きさと数から求めた " +
                                        text::PlainNumber(computed) + " ㎡ と違います。");
        }
        out = std::make_shared<Mado_Data>(std::move(tate), std::move(yoko), std::move(kazu),
                                          braindo, menseki, houi);
        return true;
    }

    bool RoofAndFloor(RoomModel& room) {
        for (const Section section : {Section::Roof, Section::Floor}) {
            const bool roof = section == Section::Roof;
            const FieldRef count{roof ? Section::RoofCount : Section::FloorCount, Field::Count, 0,
                                 0};
            std::int16_t c = 0;
            if (!Integer(count, {0, 1}, c)) {
                return false;
            }
            if (c == 0) {
                continue;
            }
            if (!(roof ? model::CanAddRoof(room) : model::CanAddFloor(room))) {
                return Invalid(count, std::string(roof ? "屋根" : "床") +
                                          "は壁が4面あるときだけ登録できますが、壁は " +
                                          std::to_string(wall_count_) + " 面です。");
            }
            std::shared_ptr<Kabe_Data> record;
            if (!Construction(section, 0, room, record)) {
                return false;
            }
            (roof ? room.Yane : room.Yuka).Add(std::move(record));
        }
        return true;
    }

    bool Skylight(RoomModel& room) {
        const FieldRef count{Section::SkylightCount, Field::Count, 0, 0};
        std::int16_t c = 0;
        if (!Integer(count, {0, 1}, c)) {
            return false;
        }
        if (c == 0) {
            return true;
        }
        if (!model::CanAddSkylight(room)) {
            return Invalid(count, "天窓は屋根があるときだけ登録できますが、屋根がありません。");
        }
        std::shared_ptr<Mado_Data> record;
        if (!Windows(Section::Skylight, 0, *room.Yane.Item(1), record)) {
            return false;
        }
        room.Yane_Mado.Add(std::move(record));
        return true;
    }

    // Only blank lines may follow the last block.
    bool End() {
        const FieldRef end{Section::End, Field::None, 0, 0};
        const int commaLine = line_;
        SkipSeparators();
        if (pos_ < text_.size()) {
            return Fail(Kind::TrailingText, end, line_, RestOfLine());
        }
        if (trailing_comma_) {
            return Fail(Kind::TrailingText, end, commaLine, ",");
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

}  // namespace

bool ReadProject(std::string_view bytes, RoomModel& room, ReadError* error) {
    if (bytes.size() > kMaxProjectFileSize) {
        if (error) {
            *error = ReadError{};
            error->kind = Kind::FileTooLarge;
            error->size = bytes.size();
        }
        return false;
    }
    if (error) {
        *error = ReadError{};
    }
    // The room as far as it has been read; taken into the caller's room
    // only when the whole file has read cleanly.
    RoomModel parsed;
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
            error->kind = Kind::Encoding;
            error->line = LineOf(bytes, bad.offset);
        } else {
            text::Cp932ToUtf8(reader.Shown(), decoded);
            error->text = Shorten(decoded);
        }
        return false;
    }

    for (const model::RoomSetting& setting : model::kFileSettings) {
        std::visit([&](auto member) { room.*member = parsed.*member; }, setting.field);
    }
    room.Kabe = std::move(parsed.Kabe);
    room.Mado = std::move(parsed.Mado);
    room.Yane = std::move(parsed.Yane);
    room.Yuka = std::move(parsed.Yuka);
    room.Yane_Mado = std::move(parsed.Yane_Mado);
    return true;
}

}  // namespace karumoa::project
