#include "calc/kouzou_keisan.h"

#include <algorithm>

#include "model/codes.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::calc {
namespace {

using model::Kabe_Data;
using model::Mado_Data;
using model::RoomModel;
using refdb::DteGrid;
using refdb::IgrGrid;
using refdb::ReferenceData;

constexpr int kMaxWalls = 4;

float DteAt(const DteGrid& d, int h, int c) {
    const auto hour = static_cast<std::size_t>(h);
    return c >= 0 && c < static_cast<int>(d[hour].size()) ? d[hour][static_cast<std::size_t>(c)]
                                                          : 0.0f;
}

std::int16_t IgrAt(const IgrGrid& g, int h, int c) {
    const auto hour = static_cast<std::size_t>(h);
    return c >= 0 && c < static_cast<int>(g[hour].size()) ? g[hour][static_cast<std::size_t>(c)]
                                                          : std::int16_t{0};
}

// Equivalent temperature differences of the thickness groups and the
// solar gains, each read from the tables once per calculation and only
// when an element needs it.
class LazyTables {
public:
    explicit LazyTables(const ReferenceData& refs) : refs_(refs) {}
    const DteGrid& Dte(int g) {
        const auto i = static_cast<std::size_t>(g);
        if (!loaded_[i]) {
            grids_[i] = refs_.Dte(g);
            loaded_[i] = true;
        }
        return grids_[i];
    }
    const IgrGrid& Igr() {
        if (!igrLoaded_) {
            igr_ = refs_.Igr();
            igrLoaded_ = true;
        }
        return igr_;
    }

private:
    const ReferenceData& refs_;
    std::array<DteGrid, 5> grids_{};
    std::array<bool, 5> loaded_{};
    IgrGrid igr_{};
    bool igrLoaded_ = false;
};

// The same look-ups on tables read beforehand.
class ReadTables {
public:
    explicit ReadTables(const StructuralTables& tables) : tables_(tables) {}
    const DteGrid& Dte(int g) const { return tables_.Dte(g); }
    const IgrGrid& Igr() const { return tables_.Igr(); }

private:
    const StructuralTables& tables_;
};

// The starting orientation: the smallest orientation among the walls, 100
// when there are none.
int SmallestHoui(const RoomModel& room) {
    int s = 100;
    for (const auto& wall : room.Kabe) {
        s = std::min(s, static_cast<int>(wall->Houi));
    }
    return s;
}

const Kabe_Data* FirstWallWith(const RoomModel& room, int houi) {
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == houi) {
            return wall.get();
        }
    }
    return nullptr;
}

const Mado_Data* FirstMadoWith(const RoomModel& room, int houi) {
    for (const auto& mado : room.Mado) {
        if (mado->Houi == houi) {
            return mado.get();
        }
    }
    return nullptr;
}

enum class Bui { Kabe, Yane, Yuka };

// One opaque element.
template <class Tables>
OpaqueElement Bui_Keisan(const RoomModel& room, const Kabe_Data& rec, Bui bui, double k,
                         Tables& tables) {
    OpaqueElement e;
    e.houi = rec.Houi;
    e.zokusei = rec.Zokusei;
    e.width = rec.Yoko / 1000.0;
    e.height = rec.Tate / 1000.0;
    e.K = rec.Netukanryuu;
    e.thickness = rec.Zen_Atusa();

    const double plan = (rec.Tate / 1000.0) * (rec.Yoko / 1000.0);
    switch (bui) {
        case Bui::Kabe: {
            const Mado_Data* mado = FirstMadoWith(room, rec.Houi);
            const float glass = mado != nullptr ? mado->Menseki : 0.0f;
            e.A = static_cast<float>(e.width * e.height - static_cast<double>(glass));
            break;
        }
        case Bui::Yane: {
            const float glass = room.Yane_Mado.empty() ? 0.0f : room.Yane_Mado.Item(1)->Menseki;
            e.A = static_cast<float>(plan - static_cast<double>(glass));
            break;
        }
        case Bui::Yuka:
            e.A = static_cast<float>(plan);
            break;
    }

    e.group = OndosaGroup(e.thickness, rec.kuuki);
    const DteGrid& D = tables.Dte(e.group);
    for (int h = 0; h < kHourCount; ++h) {
        double dte = 0.0;
        if (bui == Bui::Yuka) {
            switch (rec.Zokusei) {
                case model::kYukaHyoujyun:
                    dte = static_cast<double>(DteAt(D, h, model::kHouiYuka));
                    break;
                case model::kYukaSitugai:
                    dte = static_cast<double>(DteAt(D, h, model::kHouiKita)) + k;
                    break;
                default:  // no load
                    break;
            }
        } else {
            switch (rec.Zokusei) {
                case model::kZokuseiHyoujyun:
                    dte = static_cast<double>(DteAt(D, h, rec.Houi)) + k;
                    break;
                case model::kZokuseiHikage:
                    dte = static_cast<double>(DteAt(D, h, model::kHouiKita)) + k;
                    break;
                case model::kZokuseiSitunai:
                    dte = static_cast<double>(DteAt(D, h, model::kHouiKita) - 2.0f) + k;
                    break;
                default:  // no load
                    break;
            }
        }
        const auto i = static_cast<std::size_t>(h);
        e.dte[i] = dte;
        e.qw[i] = static_cast<float>(static_cast<double>(e.K) * dte * static_cast<double>(e.A));
    }
    return e;
}

// One glass element: window set `mado` whose host wall or roof has
// attribute `zokusei`.
void Mado_Keisan(const Mado_Data& mado, std::int16_t zokusei, double to, double ti,
                 const IgrGrid& G, GlassElement& g) {
    g.houi = mado.Houi;
    g.hostZokusei = zokusei;
    g.braindo = mado.Braindo;
    g.A = mado.Menseki;
    switch (zokusei) {
        case model::kZokuseiHyoujyun:
        case model::kZokuseiHikage:
            // The difference is taken at the one decimal it is printed with.
            g.dtText = text::FormatFixed(to - ti, 1);
            g.dt = text::LeadingNumber(g.dtText);
            break;
        case model::kZokuseiSitunai:
            g.dtText = "3.3";
            g.dt = 3.3;
            break;
        default:
            g.dtText = "0";
            g.dt = 0.0;
            break;
    }
    g.qgc = static_cast<float>(kGlassK * g.dt * static_cast<double>(g.A));

    for (int h = 0; h < kHourCount; ++h) {
        std::int16_t igr = 0;
        if (zokusei == model::kZokuseiHyoujyun) {
            igr = IgrAt(G, h, mado.Houi);
        } else if (zokusei == model::kZokuseiHikage) {
            igr = IgrAt(G, h, model::kHouiKita);
        }
        double shaded = igr;
        if (igr > kBlindThreshold && mado.Braindo) {
            shaded = igr * kBlindFactor;
        }
        const auto i = static_cast<std::size_t>(h);
        g.Igr[i] = igr;
        g.IgrShaded[i] = shaded;
        g.qgr[i] = static_cast<float>(static_cast<double>(g.A) * shaded);
    }
}

template <class Tables>
void Kabe_Keisan(const RoomModel& room, Tables& tables, int s, StructuralLoad& r) {
    auto add = [&](const Kabe_Data& rec, Bui bui) {
        r.opaque[static_cast<std::size_t>(r.opaqueCount++)] =
            Bui_Keisan(room, rec, bui, r.k, tables);
    };

    const int count = room.Kabe.Count();
    int processed = 0;
    for (int o = s; processed < count && o <= model::kHouiYuka; o += 2) {
        for (const auto& wall : room.Kabe) {
            if (processed >= count || processed >= kMaxWalls) {
                break;
            }
            if (wall->Houi == o) {
                add(*wall, Bui::Kabe);
                ++processed;
            }
        }
        if (processed >= kMaxWalls) {
            break;
        }
    }
    if (!room.Yane.empty()) {
        add(*room.Yane.Item(1), Bui::Yane);
    }
    if (!room.Yuka.empty()) {
        add(*room.Yuka.Item(1), Bui::Yuka);
    }

    for (int h = 0; h < kHourCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        float sum = 0.0f;
        for (const OpaqueElement& e : r.Opaque()) {
            sum += e.qw[i];
        }
        r.S[i] = sum;
        r.H[i] = sum;
    }
    r.kouzouMax = MaximumOf(r.S);
}

template <class Tables>
void Mado_Goukei(const RoomModel& room, Tables& tables, int s, StructuralLoad& r) {
    const IgrGrid& G = tables.Igr();
    auto add = [&](const Mado_Data& mado, const Kabe_Data* host) {
        const std::int16_t zokusei = host != nullptr ? host->Zokusei : std::int16_t{0};
        Mado_Keisan(mado, zokusei, r.to, r.ti, G,
                    r.glass[static_cast<std::size_t>(r.glassCount++)]);
    };

    const int count = room.Kabe.Count();
    int visited = 0;
    for (int o = s; visited < count && o <= model::kHouiYuka; o += 2) {
        for (const auto& mado : room.Mado) {
            if (visited >= count) {
                break;
            }
            if (mado->Houi != o) {
                continue;
            }
            ++visited;
            if (mado->Menseki != 0.0f && r.glassCount < kMaxWalls) {
                add(*mado, FirstWallWith(room, o));
            }
        }
    }
    if (!room.Yane_Mado.empty()) {
        add(*room.Yane_Mado.Item(1), room.Yane.empty() ? nullptr : room.Yane.Item(1).get());
    }

    float c = 0.0f;
    for (const GlassElement& g : r.Glass()) {
        c += g.qgc;
    }
    r.C = c;
    for (int h = 0; h < kHourCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        float sum = 0.0f;
        for (const GlassElement& g : r.Glass()) {
            sum += g.qgr[i];
        }
        r.R[i] = sum;
        r.W[i] = r.C + sum;
        r.H[i] = r.H[i] + r.W[i];
    }
    r.madoMax = MaximumOf(r.W);
}

}  // namespace

HourMaximum MaximumOf(const HourValues& values) {
    HourMaximum m;
    for (int h = 0; h < kHourCount; ++h) {
        const float v = values[static_cast<std::size_t>(h)];
        if (v > m.value) {
            m.value = v;
            m.hour = h;
        }
    }
    return m;
}

int OndosaGroup(std::int32_t thickness, bool kuuki) {
    int g = 4;
    if (thickness <= 69) {
        g = 0;
    } else if (thickness <= 159) {
        g = 1;
    } else if (thickness <= 229) {
        g = 2;
    } else if (thickness <= 300) {
        g = 3;
    }
    return kuuki ? std::min(g + 1, 4) : g;
}

namespace {

template <class Tables>
StructuralLoad Compute(const RoomModel& room, Tables& tables, double to) {
    StructuralLoad r;
    r.ti = room.Situon / 10.0;
    r.to = to;
    r.k = (26 - r.ti) + (to - 32.6);
    const int s = SmallestHoui(room);
    if (!room.Kabe.empty()) {
        r.hasWalls = true;
        Kabe_Keisan(room, tables, s, r);
    }
    if (!room.Mado.empty()) {
        r.hasGlass = true;
        Mado_Goukei(room, tables, s, r);
    }
    // Without window records H is the opaque sums alone; a room with walls
    // always has them, so this only keeps the total sound for a room that
    // breaks the invariant.
    r.totalMax = MaximumOf(r.H);
    return r;
}

}  // namespace

StructuralTables::StructuralTables(const ReferenceData& refs) {
    for (int g = 0; g < static_cast<int>(dte_.size()); ++g) {
        dte_[static_cast<std::size_t>(g)] = refs.Dte(g);
    }
    igr_ = refs.Igr();
}

StructuralLoad ComputeStructuralLoad(const RoomModel& room, const ReferenceData& refs, double to) {
    LazyTables tables(refs);
    return Compute(room, tables, to);
}

StructuralLoad ComputeStructuralLoad(const RoomModel& room, const StructuralTables& tables,
                                     double to) {
    ReadTables read(tables);
    return Compute(room, read, to);
}

}  // namespace karumoa::calc
