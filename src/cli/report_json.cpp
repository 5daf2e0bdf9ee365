#include <string>

#include "calc/calc.h"
#include "json_writer.h"
#include "model/codes.h"
#include "room_report.h"

namespace karumoa::cli {
namespace {

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

void Maximum(JsonWriter& j, std::string_view key, const calc::HourMaximum& m) {
    j.Key(key).BeginObject();
    j.Key("value").Value(m.value);
    j.Key("hour").Value(calc::HourOf(m.hour));
    j.EndObject();
}

void Structural(JsonWriter& j, const calc::StructuralLoad& s) {
    j.BeginObject();
    j.Key("elements").BeginArray();
    for (const calc::OpaqueElement& e : s.Opaque()) {
        j.BeginObject();
        j.Key("houi").Value(e.houi);
        j.Key("name").Literal(model::HouiName(e.houi));
        j.Key("zokusei").Value(e.zokusei);
        j.Key("width").Value(e.width);
        j.Key("height").Value(e.height);
        j.Key("area").Value(e.A);
        j.Key("k").Value(e.K);
        j.Key("thickness").Value(e.thickness);
        j.Key("group").Value(e.group);
        // The table's singles plus a one-decimal correction, at single
        // precision as the table holds them.
        j.Key("dte").BeginArray();
        for (const double d : e.dte) {
            j.Value(static_cast<float>(d));
        }
        j.EndArray();
        j.Key("qw").Array(e.qw);
        j.EndObject();
    }
    j.EndArray();
    j.Key("sums").Array(s.S);
    Maximum(j, "max", s.kouzouMax);

    j.Key("glass").BeginArray();
    for (const calc::GlassElement& g : s.Glass()) {
        j.BeginObject();
        j.Key("houi").Value(g.houi);
        j.Key("name").Literal(model::HouiName(g.houi));
        j.Key("blinds").Value(g.braindo);
        j.Key("dt").Value(g.dt);
        j.Key("area").Value(g.A);
        j.Key("qgc").Value(g.qgc);
        j.Key("igr").Array(g.Igr);
        j.Key("qgr").Array(g.qgr);
        j.EndObject();
    }
    j.EndArray();
    j.Key("glass_conduction").Value(s.C);
    j.Key("glass_sums").Array(s.R);
    j.Key("glass_totals").Array(s.W);
    Maximum(j, "glass_max", s.madoMax);
    j.Key("total").Array(s.H);
    Maximum(j, "total_max", s.totalMax);
    j.EndObject();
}

void Lighting(JsonWriter& j, const calc::LightingLoad& l) {
    j.BeginObject();
    j.Key("qe").Value(l.qe);
    j.Key("mode").Literal(LightingModeName(l.mode));
    j.Key("fluorescent").Value(l.fluorescent);
    switch (l.mode) {
        case calc::LightingMode::OutputMixed:
            j.Key("share").Value(l.share);
            j.Key("awk").Value(l.AWk);
            j.Key("awh").Value(l.AWh);
            break;
        case calc::LightingMode::FixturesMixed:
            j.Key("awk").Value(l.AWk);
            j.Key("awh").Value(l.AWh);
            break;
        case calc::LightingMode::OutputSingle:
            j.Key("aw").Value(l.AW);
            break;
        case calc::LightingMode::FixturesSingle:
            j.Key("fixture").Literal(l.fixtureText);
            j.Key("wattage").Value(l.wattage);
            j.Key("count").Value(l.count);
            break;
        case calc::LightingMode::Illuminance:
            j.Key("e").Value(l.E);
            j.Key("k").Value(l.K);
            j.Key("c").Value(l.C);
            j.Key("b").Value(l.b);
            j.Key("eta").Value(l.eta);
            j.Key("w").Value(l.W);
            j.Key("heat_factor").Value(l.heatFactor);
            j.Key("area").Value(l.A);
            break;
    }
    j.EndObject();
}

void Ventilation(JsonWriter& j, const calc::VentilationLoad& v) {
    j.BeginObject();
    j.Key("v").Value(v.V);
    j.Key("di").Value(v.di);
    j.Key("qv").Value(v.qv);
    j.Key("io").Value(v.io);
    j.Key("ir").Value(v.ir);
    j.Key("ordinary").Value(v.ordinary);
    j.Key("source").Literal(VolumeSourceName(v.source));
    if (v.source != calc::VolumeSource::Direct) {
        j.Key("rate").Value(v.rate);
        j.Key("np").Value(v.NP);
    }
    if (!v.ordinary) {
        j.Key("de").Value(v.de);
    }
    j.EndObject();
}

void Internal(JsonWriter& j, const calc::InternalLoad& in) {
    const calc::OccupantLoad& o = in.occupant;
    j.BeginObject();
    j.Key("area").Value(o.A);
    j.Key("qps").Value(o.qps);
    j.Key("qpl").Value(o.qpl);
    j.Key("persons").Literal(NinzuuModeName(o.mode));
    if (o.mode != calc::NinzuuMode::HeadCount) {
        j.Key("density").Value(o.density);
    }
    j.Key("np").Value(o.NP);
    j.Key("qp").Value(o.qp);
    j.Key("lighting");
    Lighting(j, in.lighting);
    j.Key("ventilation");
    Ventilation(j, in.ventilation);
    j.EndObject();
}

}  // namespace

void AppendJsonReport(std::string& out, const RoomReport& r) {
    JsonWriter j(out);
    j.BeginObject();
    j.Key("file").String(r.file);
    j.Key("indoor_temp").Value(r.situon / 10.0);
    j.Key("outdoor_temp").Value(r.outdoorTemp);
    j.Key("city").String(r.city);
    j.Key("structural");
    Structural(j, *r.structural);
    j.Key("internal");
    Internal(j, *r.internal);
    const calc::LoadTotals& t = *r.totals;
    j.Key("totals").BeginObject();
    j.Key("occupant").Value(t.Jintai_Goukei);
    j.Key("lighting").Value(t.Syoumei_Goukei);
    j.Key("ventilation").Value(t.Kanki_Goukei);
    j.Key("structural").Value(t.Kouzou_Goukei);
    j.Key("sum").Value(t.Sum());
    j.EndObject();
    j.EndObject();
    out += '\n';
}

}  // namespace karumoa::cli
