#include <charconv>
#include <cstdint>
#include <type_traits>
#include <variant>

#include "model/room_fields.h"
#include "model/room_model.h"
#include "project/project_format.h"
#include "text/number_text.h"
#include "text/shift_jis.h"

namespace karumoa::project {
namespace {

using model::Kabe_Data;
using model::Mado_Data;

constexpr std::string_view kLineEnd = "\r\n";

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) { out_.clear(); }

    void Int(std::int64_t v) {
        char buf[24];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        out_.append(buf, r.ptr);
    }
    void Single(float v) { out_ += text::FileNumber(v); }
    void Bool(bool v) { out_ += v ? "#TRUE#" : "#FALSE#"; }
    // A setting, as its type is written.
    template <class T>
    void Value(T v) {
        if constexpr (std::is_same_v<T, bool>) {
            Bool(v);
        } else if constexpr (std::is_same_v<T, float>) {
            Single(v);
        } else {
            Int(v);
        }
    }
    void Comma() { out_ += ','; }
    void LineEnd() { out_ += kLineEnd; }

    // A quoted string. The format has no escapes, so a quote or a line
    // break inside would end the field early and the file would not read
    // back; such a text is refused rather than written.
    bool String(const std::string& utf8, const FieldRef& field, WriteError* error) {
        if (utf8.find_first_of("\"\r\n") != std::string::npos) {
            return Fail(WriteError::Kind::BreaksFormat, utf8, field, error);
        }
        if (!text::Utf8ToCp932(utf8, encoded_)) {
            return Fail(WriteError::Kind::NotEncodable, utf8, field, error);
        }
        out_ += '"';
        out_ += encoded_;
        out_ += '"';
        return true;
    }

private:
    static bool Fail(WriteError::Kind kind, const std::string& utf8, const FieldRef& field,
                     WriteError* error) {
        if (error) {
            error->kind = kind;
            error->field = field;
            error->text = utf8;
        }
        return false;
    }

    std::string& out_;
    std::string encoded_;
};

void WriteConditions(Writer& w, const model::RoomModel& r) {
    bool first = true;
    for (const model::RoomSetting& setting : model::kFileSettings) {
        if (!first) {
            w.Comma();
        }
        first = false;
        std::visit([&](auto member) { w.Value(r.*member); }, setting.field);
    }
    w.LineEnd();
}

// Number of values an entry array carries: its highest index minus one
// (slot 0 and the spare last slot hold none).
template <class Array>
std::size_t ValueCount(const Array& a) {
    return a.size() >= 2 ? a.size() - 2 : 0;
}

// Header line, layer count, thicknesses each followed by a comma, then
// conductivities and material names each followed by a line end, so the
// first conductivity continues the thickness line. Each array is written
// over its own values; only the thickness count is written.
bool WriteConstruction(Writer& w, const Kabe_Data& k, Section section, int element,
                       WriteError* error) {
    w.Int(k.Houi);
    w.Comma();
    w.Bool(k.kuuki);
    w.Comma();
    w.Single(k.Netukanryuu);
    w.Comma();
    w.Int(k.Tate);
    w.Comma();
    w.Int(k.Yoko);
    w.Comma();
    w.Int(k.Zokusei);
    w.LineEnd();

    const auto& atusa = k.Atusa_Kaesi();
    const auto& netu = k.Netu_Kaesi();
    const auto& zai = k.Zai_Kaesi();
    w.Int(static_cast<std::int64_t>(ValueCount(atusa)));
    w.LineEnd();
    for (std::size_t i = 1; i <= ValueCount(atusa); ++i) {
        w.Int(atusa[i]);
        w.Comma();
    }
    for (std::size_t i = 1; i <= ValueCount(netu); ++i) {
        w.Single(netu[i]);
        w.LineEnd();
    }
    for (std::size_t i = 1; i <= ValueCount(zai); ++i) {
        const FieldRef field{section, Field::Zai, element, static_cast<int>(i)};
        if (!w.String(zai[i], field, error)) {
            return false;
        }
        w.LineEnd();
    }
    return true;
}

void WriteWindows(Writer& w, const Mado_Data& m) {
    w.Bool(m.Braindo);
    w.Comma();
    w.Int(m.Houi);
    w.Comma();
    w.Single(m.Menseki);
    w.LineEnd();
    const auto& kazu = m.Kazu_Kaesi();
    const auto& tate = m.Tate_Kaesi();
    const auto& yoko = m.Yoko_Kaesi();
    w.Int(static_cast<std::int64_t>(ValueCount(kazu)));
    w.LineEnd();
    for (const auto* a : {&kazu, &tate, &yoko}) {
        for (std::size_t i = 1; i <= ValueCount(*a); ++i) {
            w.Int((*a)[i]);
            w.LineEnd();
        }
    }
}

}  // namespace

bool WriteProject(const model::RoomModel& room, std::string& bytes, WriteError* error) {
    Writer w(bytes);
    bytes.reserve(1024);
    WriteConditions(w, room);
    bytes += "\"\",\"\",\"\",\"\",\"\",\"\"";
    w.LineEnd();

    w.Int(room.Kabe.Count());
    w.LineEnd();
    int p = 0;
    for (const auto& wall : room.Kabe) {
        if (!WriteConstruction(w, *wall, Section::Wall, ++p, error)) {
            return false;
        }
    }
    for (const auto& windows : room.Mado) {
        WriteWindows(w, *windows);
    }

    w.Int(room.Yane.Count());
    w.LineEnd();
    for (const auto& roof : room.Yane) {
        if (!WriteConstruction(w, *roof, Section::Roof, 0, error)) {
            return false;
        }
    }
    w.Int(room.Yuka.Count());
    w.LineEnd();
    for (const auto& floor : room.Yuka) {
        if (!WriteConstruction(w, *floor, Section::Floor, 0, error)) {
            return false;
        }
    }
    w.Int(room.Yane_Mado.Count());
    w.LineEnd();
    for (const auto& skylight : room.Yane_Mado) {
        WriteWindows(w, *skylight);
    }
    return true;
}

}  // namespace karumoa::project
