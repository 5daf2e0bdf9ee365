#include "calc/room_results.h"

#include <cmath>

#include "model/codes.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace karumoa::calc {
namespace {

double OutdoorOf(const model::RoomModel& room, const refdb::ReferenceData& refs) {
    return room.Basyo < refs.CityCount() ? refs.OutdoorDryBulb(room.Basyo) : 0.0;
}

// `tables` is StructuralTables or ReferenceData: both calculations of
// ComputeStructuralLoad give the same result.
template <class Tables>
RoomResults Compute(const model::RoomModel& room, const refdb::ReferenceData& refs,
                    const Tables& tables) {
    RoomResults r;
    r.to = OutdoorOf(room, refs);
    r.structural = ComputeStructuralLoad(room, tables, r.to);
    r.internal = ComputeInternalLoad(room, refs, r.to);
    r.totals = TotalsOf(r.structural, r.internal);
    return r;
}

}  // namespace

RoomResults ComputeRoomResults(const model::RoomModel& room, const refdb::ReferenceData& refs) {
    return Compute(room, refs, refs);
}

RoomResults ComputeRoomResults(const model::RoomModel& room, const refdb::ReferenceData& refs,
                               const StructuralTables& tables) {
    return Compute(room, refs, tables);
}

RoomResults Recalculate(model::RoomModel& room, const refdb::ReferenceData& refs) {
    RoomResults r = ComputeRoomResults(room, refs);
    StoreTotals(room, r.totals);
    return r;
}

namespace {

std::string HourText(std::size_t h) {
    return " (" + std::to_string(HourOf(static_cast<int>(h))) + "時)";
}

// Walks the terms in report order and keeps the name of the first that is
// not finite. Names are only built for that one.
class FiniteCheck {
public:
    template <class Name>
    void Term(double value, Name&& name) {
        if (!found_ && !std::isfinite(value)) {
            found_ = std::string(name());
        }
    }
    template <class Values, class Name>
    void Hours(const Values& values, Name&& name) {
        for (std::size_t h = 0; h < values.size(); ++h) {
            Term(static_cast<double>(values[h]), [&] { return name() + HourText(h); });
        }
    }
    std::optional<std::string> Found() && { return std::move(found_); }

private:
    std::optional<std::string> found_;
};

std::string OpaqueName(const OpaqueElement& e) {
    const std::string_view name = model::HouiName(e.houi);
    return e.houi == model::kHouiYane || e.houi == model::kHouiYuka ? std::string(name)
                                                                    : std::string(name) + "の壁";
}

std::string GlassName(const GlassElement& g) {
    return g.houi == model::kHouiYane ? "天窓" : std::string(model::HouiName(g.houi)) + "の窓";
}

}  // namespace

std::optional<std::string> NonFiniteTerm(const RoomResults& r) {
    FiniteCheck c;
    c.Term(r.to, [] { return "外気温度"; });
    const StructuralLoad& s = r.structural;
    for (const OpaqueElement& e : s.Opaque()) {
        c.Term(static_cast<double>(e.A), [&] { return OpaqueName(e) + "の面積 A"; });
        c.Term(static_cast<double>(e.K), [&] { return OpaqueName(e) + "の熱貫流率 K"; });
        c.Hours(e.dte, [&] { return OpaqueName(e) + "の ⊿te"; });
        c.Hours(e.qw, [&] { return OpaqueName(e) + "の qw"; });
    }
    c.Hours(s.S, [] { return std::string("構造体の合計"); });
    for (const GlassElement& g : s.Glass()) {
        c.Term(static_cast<double>(g.A), [&] { return GlassName(g) + "の面積 A"; });
        c.Term(static_cast<double>(g.qgc), [&] { return GlassName(g) + "の qgc"; });
        c.Hours(g.qgr, [&] { return GlassName(g) + "の qgr"; });
    }
    c.Term(static_cast<double>(s.C), [] { return "窓の qgc の合計"; });
    c.Hours(s.W, [] { return std::string("窓の合計"); });
    c.Hours(s.H, [] { return std::string("壁窓の合計"); });
    const InternalLoad& i = r.internal;
    c.Term(static_cast<double>(i.occupant.A), [] { return "床面積 A"; });
    c.Term(static_cast<double>(i.occupant.NP), [] { return "人数 NP"; });
    c.Term(static_cast<double>(i.occupant.qp), [] { return "人体発生熱量 qp"; });
    c.Term(static_cast<double>(i.lighting.W), [] { return "照明の W"; });
    c.Term(static_cast<double>(i.lighting.qe), [] { return "照明発生熱量 qe"; });
    c.Term(static_cast<double>(i.ventilation.V), [] { return "換気量 V"; });
    c.Term(static_cast<double>(i.ventilation.di), [] { return "エンタルピ差 ⊿i"; });
    c.Term(static_cast<double>(i.ventilation.qv), [] { return "換気熱量 qv"; });
    const LoadTotals& t = r.totals;
    c.Term(static_cast<double>(t.Jintai_Goukei), [] { return "人体熱量"; });
    c.Term(static_cast<double>(t.Syoumei_Goukei), [] { return "照明熱量"; });
    c.Term(static_cast<double>(t.Kanki_Goukei), [] { return "換気熱量"; });
    c.Term(static_cast<double>(t.Kouzou_Goukei), [] { return "構造体熱量"; });
    c.Term(static_cast<double>(t.Sum()), [] { return "負荷合計"; });
    return std::move(c).Found();
}

std::string NonFiniteMessage(std::string_view term) {
    return "負荷を計算できません: " + std::string(term) +
           " が有限の数になりません（入力された値が大きすぎます）。";
}

}  // namespace karumoa::calc
