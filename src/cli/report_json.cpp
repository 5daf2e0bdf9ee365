#include <nlohmann/json.hpp>

#include <charconv>
#include <string>

#include "calc/calc.h"
#include "model/codes.h"
#include "room_report.h"

namespace karumoa::cli {
namespace {

using Json = nlohmann::ordered_json;

// A single-precision value as the double nearest its shortest round-trip
// decimal, so 3.871f is written as 3.871 rather than 3.871000051498413.
double Single(float value) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    double d = 0.0;
    std::from_chars(buf, end, d);
    return d;
}

Json Singles(const calc::HourValues& values) {
    Json a = Json::array();
    for (const float v : values) {
        a.push_back(Single(v));
    }
    return a;
}

Json Maximum(const calc::HourMaximum& m) {
    return Json{{"value", Single(m.value)}, {"hour", calc::HourOf(m.hour)}};
}

std::string_view LightingModeName(calc::LightingMode mode) {
    switch (mode) {
        case calc::LightingMode::OutputMixed:
            return "output_mixed";
        case calc::LightingMode::FixturesMixed:
            return "fixtures_mixed";
        case calc::LightingMode::OutputSingle:
            return "output_single";
        case calc::LightingMode::FixturesSingle:
            return "fixtures_single";
        case calc::LightingMode::Illuminance:
            return "illuminance";
    }
    return "";
}

std::string_view NinzuuModeName(calc::NinzuuMode mode) {
    switch (mode) {
        case calc::NinzuuMode::Density:
            return "density";
        case calc::NinzuuMode::PerArea:
            return "per_area";
        case calc::NinzuuMode::HeadCount:
            return "head_count";
    }
    return "";
}

std::string_view VolumeSourceName(calc::VolumeSource source) {
    switch (source) {
        case calc::VolumeSource::Direct:
            return "direct";
        case calc::VolumeSource::OccupantPlace:
            return "occupant_place";
        case calc::VolumeSource::KankiPlace:
            return "ventilation_place";
    }
    return "";
}

Json Structural(const calc::StructuralLoad& s) {
    Json elements = Json::array();
    for (const calc::OpaqueElement& e : s.Opaque()) {
        Json dte = Json::array();
        for (const double d : e.dte) {
            // The table's singles plus a one-decimal correction.
            dte.push_back(Single(static_cast<float>(d)));
        }
        elements.push_back(Json{{"houi", e.houi},
                                {"name", model::HouiName(e.houi)},
                                {"width", e.width},
                                {"height", e.height},
                                {"area", Single(e.A)},
                                {"k", Single(e.K)},
                                {"group", e.group},
                                {"dte", std::move(dte)},
                                {"qw", Singles(e.qw)}});
    }
    Json glass = Json::array();
    for (const calc::GlassElement& g : s.Glass()) {
        Json igr = Json::array();
        for (const std::int16_t v : g.Igr) {
            igr.push_back(v);
        }
        glass.push_back(Json{{"houi", g.houi},
                             {"name", model::HouiName(g.houi)},
                             {"blinds", g.braindo},
                             {"dt", g.dt},
                             {"area", Single(g.A)},
                             {"qgc", Single(g.qgc)},
                             {"igr", std::move(igr)},
                             {"qgr", Singles(g.qgr)}});
    }
    Json j;
    j["elements"] = std::move(elements);
    j["sums"] = Singles(s.S);
    j["max"] = Maximum(s.kouzouMax);
    j["glass"] = std::move(glass);
    j["glass_conduction"] = Single(s.C);
    j["glass_sums"] = Singles(s.R);
    j["glass_totals"] = Singles(s.W);
    j["glass_max"] = Maximum(s.madoMax);
    j["total"] = Singles(s.H);
    j["total_max"] = Maximum(s.totalMax);
    return j;
}

Json Lighting(const calc::LightingLoad& l) {
    Json j;
    j["qe"] = Single(l.qe);
    j["mode"] = LightingModeName(l.mode);
    j["fluorescent"] = l.fluorescent;
    switch (l.mode) {
        case calc::LightingMode::OutputMixed:
            j["share"] = l.share;
            [[fallthrough]];
        case calc::LightingMode::FixturesMixed:
            j["awk"] = Single(l.AWk);
            j["awh"] = Single(l.AWh);
            break;
        case calc::LightingMode::OutputSingle:
            j["aw"] = Single(l.AW);
            break;
        case calc::LightingMode::FixturesSingle:
            j["fixture"] = l.fixtureText;
            j["wattage"] = l.wattage;
            j["count"] = l.count;
            break;
        case calc::LightingMode::Illuminance:
            j["e"] = l.E;
            j["k"] = l.K;
            j["c"] = l.C;
            j["b"] = l.b;
            j["eta"] = l.eta;
            j["w"] = Single(l.W);
            j["heat_factor"] = l.heatFactor;
            j["area"] = Single(l.A);
            break;
    }
    return j;
}

Json Ventilation(const calc::VentilationLoad& v) {
    Json j;
    j["v"] = Single(v.V);
    j["di"] = Single(v.di);
    j["qv"] = Single(v.qv);
    j["io"] = Single(v.io);
    j["ir"] = Single(v.ir);
    j["ordinary"] = v.ordinary;
    j["source"] = VolumeSourceName(v.source);
    if (v.source != calc::VolumeSource::Direct) {
        j["rate"] = Single(v.rate);
        j["np"] = Single(v.NP);
    }
    if (!v.ordinary) {
        j["de"] = v.de;
    }
    return j;
}

Json Internal(const calc::InternalLoad& in) {
    const calc::OccupantLoad& o = in.occupant;
    Json j;
    j["area"] = Single(o.A);
    j["qps"] = o.qps;
    j["qpl"] = o.qpl;
    j["persons"] = NinzuuModeName(o.mode);
    if (o.mode != calc::NinzuuMode::HeadCount) {
        j["density"] = Single(o.density);
    }
    j["np"] = Single(o.NP);
    j["qp"] = Single(o.qp);
    j["lighting"] = Lighting(in.lighting);
    j["ventilation"] = Ventilation(in.ventilation);
    return j;
}

}  // namespace

void AppendJsonReport(std::string& out, const RoomReport& r) {
    Json j;
    j["file"] = r.file;
    j["indoor_temp"] = r.situon / 10.0;
    j["outdoor_temp"] = r.outdoorTemp;
    j["city"] = r.city;
    j["structural"] = Structural(*r.structural);
    j["internal"] = Internal(*r.internal);
    const calc::LoadTotals& t = *r.totals;
    j["totals"] = Json{{"occupant", Single(t.Jintai_Goukei)},
                       {"lighting", Single(t.Syoumei_Goukei)},
                       {"ventilation", Single(t.Kanki_Goukei)},
                       {"structural", Single(t.Kouzou_Goukei)},
                       {"sum", Single(t.Sum())}};
    // A file name that is not UTF-8 is written with replacement characters
    // rather than refused.
    out += j.dump(-1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

}  // namespace karumoa::cli
