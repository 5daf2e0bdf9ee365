// The CSV report: every term the calculation document prints, one row
// each, as numbers a spreadsheet can take up again. UTF-8 with a byte-order
// mark and CR LF line ends, the form in which spreadsheet programs open a
// file with the Japanese intact.

#include <cmath>
#include <string>
#include <string_view>

#include "calc/calc.h"
#include "calc/netukanryuu.h"
#include "document/calc_document.h"
#include "json_writer.h"
#include "model/codes.h"
#include "model/kabe_data.h"
#include "model/room_model.h"
#include "room_report.h"
#include "sheet/summary_rows.h"

namespace karumoa::cli {
namespace {

constexpr std::string_view kKcalh = "kcal/h";
constexpr std::string_view kKUnit = "kcal/㎡・h・℃";

// A field as it stands, or quoted with its quotes doubled when it holds a
// separator, a quote or a line break.
void Field(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

class CsvRows {
public:
    CsvRows(std::string& out, std::string_view file) : out_(out), file_(file) {}

    // One term: `hour` 0 for a term that holds for every hour, else 10..16.
    template <class T>
    void Row(std::string_view section, std::string_view element, int hour, std::string_view symbol,
             T value, std::string_view unit) {
        Field(out_, file_);
        out_ += ',';
        Field(out_, section);
        out_ += ',';
        Field(out_, element);
        out_ += ',';
        if (hour != 0) {
            out_ += std::to_string(hour);
        }
        out_ += ',';
        Field(out_, symbol);
        out_ += ',';
        // A value that is not a number is left empty rather than written
        // as one.
        if constexpr (std::is_floating_point_v<T>) {
            if (std::isfinite(value)) {
                AppendNumber(out_, value);
            }
        } else {
            out_ += std::to_string(value);
        }
        out_ += ',';
        Field(out_, unit);
        out_ += "\r\n";
    }

    template <class Values>
    void Hours(std::string_view section, std::string_view element, std::string_view symbol,
               const Values& values, std::string_view unit) {
        for (int h = 0; h < calc::kHourCount; ++h) {
            Row(section, element, calc::HourOf(h), symbol, values[static_cast<std::size_t>(h)],
                unit);
        }
    }

private:
    std::string& out_;
    std::string_view file_;
};

void Structural(CsvRows& csv, const calc::StructuralLoad& s) {
    constexpr std::string_view kWall = "構造体";
    for (const calc::OpaqueElement& e : s.Opaque()) {
        const std::string_view name = model::HouiName(e.houi);
        csv.Row(kWall, name, 0, "幅", e.width, "m");
        csv.Row(kWall, name, 0, "高さ", e.height, "m");
        csv.Row(kWall, name, 0, "A", e.A, "㎡");
        csv.Row(kWall, name, 0, "K", e.K, kKUnit);
        for (int h = 0; h < calc::kHourCount; ++h) {
            const auto i = static_cast<std::size_t>(h);
            // The table's singles plus a one-decimal correction, at single
            // precision as the JSON report gives them.
            csv.Row(kWall, name, calc::HourOf(h), "⊿te", static_cast<float>(e.dte[i]), "℃");
            csv.Row(kWall, name, calc::HourOf(h), "qw", e.qw[i], kKcalh);
        }
    }
    if (s.hasWalls) {
        csv.Hours(kWall, "合計", "qw", s.S, kKcalh);
        csv.Row(kWall, "", calc::HourOf(s.kouzouMax.hour), "構造体最大負荷", s.kouzouMax.value,
                kKcalh);
    }

    constexpr std::string_view kGlass = "窓";
    for (const calc::GlassElement& g : s.Glass()) {
        const std::string_view name = model::HouiName(g.houi);
        csv.Row(kGlass, name, 0, "K", calc::kGlassK, kKUnit);
        csv.Row(kGlass, name, 0, "⊿t", g.dt, "℃");
        csv.Row(kGlass, name, 0, "A", g.A, "㎡");
        csv.Row(kGlass, name, 0, "qgc", g.qgc, kKcalh);
        for (int h = 0; h < calc::kHourCount; ++h) {
            const auto i = static_cast<std::size_t>(h);
            csv.Row(kGlass, name, calc::HourOf(h), "Igr", static_cast<int>(g.Igr[i]), "kcal/㎡・h");
            csv.Row(kGlass, name, calc::HourOf(h), "qgr", g.qgr[i], kKcalh);
        }
    }
    if (s.hasGlass) {
        csv.Row(kGlass, "合計", 0, "qgc", s.C, kKcalh);
        csv.Hours(kGlass, "合計", "qgr", s.R, kKcalh);
        csv.Row(kGlass, "", calc::HourOf(s.madoMax.hour), "窓最大負荷", s.madoMax.value, kKcalh);
        csv.Row(kGlass, "", calc::HourOf(s.totalMax.hour), "壁窓合計負荷", s.totalMax.value,
                kKcalh);
    }
}

void Construction(CsvRows& csv, const model::RoomModel& room) {
    constexpr std::string_view kSection = "構成";
    constexpr std::string_view kRUnit = "㎡・h・℃/kcal";
    for (const model::Kabe_Data* e : document::ConstructionElements(room)) {
        const std::string name(model::HouiName(e->Houi));
        calc::NetuTeikouTerms terms;
        const float R = calc::NetuTeikou(e->Netu_Kaesi(), e->Atusa_Kaesi(), e->kuuki, terms);
        for (int i = 1; i <= e->LayerCount(); ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const std::string layer = name + ": " + e->Zai_Kaesi()[slot];
            csv.Row(kSection, layer, 0, "t", static_cast<int>(e->Atusa_Kaesi()[slot]), "mm");
            csv.Row(kSection, layer, 0, "λ", e->Netu_Kaesi()[slot], "kcal/m・h・℃");
            if (slot - 1 < terms.layers.size()) {
                csv.Row(kSection, layer, 0, "t/λ", terms.layers[slot - 1], kRUnit);
            }
        }
        csv.Row(kSection, name, 0, "r", terms.surface, kRUnit);
        csv.Row(kSection, name, 0, "R", R, kRUnit);
        csv.Row(kSection, name, 0, "K", 1.0f / R, kKUnit);
    }
}

void Internal(CsvRows& csv, const calc::InternalLoad& in) {
    const calc::OccupantLoad& o = in.occupant;
    constexpr std::string_view kJintai = "人体";
    csv.Row(kJintai, "", 0, "A", o.A, "㎡");
    csv.Row(kJintai, "", 0, "qps", static_cast<int>(o.qps), kKcalh);
    csv.Row(kJintai, "", 0, "qpl", static_cast<int>(o.qpl), kKcalh);
    if (o.mode != calc::NinzuuMode::HeadCount) {
        csv.Row(kJintai, "", 0, "人員密度", o.density, "人/㎡");
    }
    csv.Row(kJintai, "", 0, "NP", o.NP, "人");
    csv.Row(kJintai, "", 0, "qp", o.qp, kKcalh);

    const calc::LightingLoad& l = in.lighting;
    constexpr std::string_view kSyoumei = "照明";
    switch (l.mode) {
        case calc::LightingMode::OutputMixed:
        case calc::LightingMode::FixturesMixed:
            csv.Row(kSyoumei, "蛍光灯", 0, "AWk", l.AWk, "kW");
            csv.Row(kSyoumei, "白熱灯", 0, "AWh", l.AWh, "kW");
            break;
        case calc::LightingMode::OutputSingle:
            csv.Row(kSyoumei, calc::Lamp(l.fluorescent).lampName, 0, "AW", l.AW, "kW");
            break;
        case calc::LightingMode::FixturesSingle:
            csv.Row(kSyoumei, l.fixtureText, 0, "台数", static_cast<int>(l.count), "");
            csv.Row(kSyoumei, l.fixtureText, 0, "AW", l.AW, "kW");
            break;
        case calc::LightingMode::Illuminance:
            csv.Row(kSyoumei, "", 0, "E", static_cast<int>(l.E), "lx");
            csv.Row(kSyoumei, "", 0, "K", l.K, "");
            csv.Row(kSyoumei, "", 0, "C", l.C, "");
            csv.Row(kSyoumei, "", 0, "b", l.b, "");
            csv.Row(kSyoumei, "", 0, "η", l.eta, "lm/W");
            csv.Row(kSyoumei, "", 0, "W", l.W, "W/㎡");
            csv.Row(kSyoumei, "", 0, "A", l.A, "㎡");
            break;
    }
    csv.Row(kSyoumei, "", 0, "qe", l.qe, kKcalh);

    const calc::VentilationLoad& v = in.ventilation;
    constexpr std::string_view kKanki = "換気";
    csv.Row(kKanki, "", 0, "γ", calc::kGamma, "kg/㎥");
    if (v.source != calc::VolumeSource::Direct) {
        csv.Row(kKanki, "", 0, "換気量/人", v.rate, "㎥/h");
        csv.Row(kKanki, "", 0, "NP", v.NP, "人");
    }
    csv.Row(kKanki, "", 0, "V", v.V, "㎥/h");
    csv.Row(kKanki, "", 0, "⊿i", v.di, "kcal/kg");
    if (!v.ordinary) {
        csv.Row(kKanki, "", 0, "⊿e", v.de, "");
    }
    csv.Row(kKanki, "", 0, "qv", v.qv, kKcalh);
}

void Totals(CsvRows& csv, const RoomReport& r) {
    constexpr std::string_view kSection = "負荷合計";
    auto both = [&](std::string_view item, float kcalh) {
        csv.Row(kSection, item, 0, "", kcalh, kKcalh);
        csv.Row(kSection, item, 0, "", calc::KcalhToKw(static_cast<double>(kcalh)), "kW");
    };
    for (const sheet::GoukeiRow& row : sheet::GoukeiRows(*r.totals)) {
        both(row.item, row.value);
    }
    const float sum = r.totals->Sum();
    both("合計", sum);
    const float area = r.internal->occupant.A;
    if (r.room != nullptr && r.room->Kabe.Count() == 4 && area > 0.0f) {
        csv.Row(kSection, "床面積", 0, "A", area, "㎡");
        csv.Row(kSection, "面積当たり", 0, "",
                static_cast<double>(sum) * calc::kWattPerKcalh / static_cast<double>(area), "W/㎡");
    }
}

}  // namespace

void AppendCsvHeader(std::string& out) {
    out += "\xEF\xBB\xBF";
    out += "ファイル,区分,部位,時刻,記号,値,単位\r\n";
}

void AppendCsvReport(std::string& out, const RoomReport& r) {
    CsvRows csv(out, r.file);
    csv.Row("条件", "", 0, "to", r.outdoorTemp, "℃");
    csv.Row("条件", "", 0, "ti", r.situon / 10.0, "℃");
    if (r.room != nullptr) {
        Construction(csv, *r.room);
    }
    Structural(csv, *r.structural);
    Internal(csv, *r.internal);
    Totals(csv, r);
}

}  // namespace karumoa::cli
