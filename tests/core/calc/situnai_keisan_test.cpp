#include <gtest/gtest.h>

#include "calc/kouzou_keisan.h"
#include "calc/load_totals.h"
#include "calc/room_results.h"
#include "calc/situnai_keisan.h"
#include "calc_fixture.h"
#include "model/room_model.h"

namespace karumoa::calc {
namespace {

using test::AddWall;
using test::TableSet;

// Four walls of 5 m (north, south) and 4 m (east, west): A = 20 m2.
model::RoomModel FourWalls() {
    model::RoomModel room;
    AddWall(room, model::kHouiKita, 5000, 2500, 2.0f);
    AddWall(room, model::kHouiHigasi, 4000, 2500, 2.0f);
    AddWall(room, model::kHouiMinami, 5000, 2500, 2.0f);
    AddWall(room, model::kHouiNisi, 4000, 2500, 2.0f);
    return room;
}

TEST(OccupantLoad, RoomTemperatureMovesSensibleToLatentHeat) {
    TableSet tables;
    tables.Set(test::kJintai, 4, 1, "50");
    tables.Set(test::kJintai, 5, 1, "50");
    const auto refs = tables.Build();
    struct Case {
        std::int16_t situon;
        std::int16_t qps;
        std::int16_t qpl;
    };
    const Case cases[] = {{280, 42, 58}, {260, 50, 50}, {255, 52, 48}, {262, 49, 51}};
    for (const Case& c : cases) {
        model::RoomModel room = FourWalls();
        room.Situon = c.situon;
        const OccupantLoad o = ComputeOccupantLoad(room, refs);
        EXPECT_EQ(o.qps, c.qps) << c.situon;
        EXPECT_EQ(o.qpl, c.qpl) << c.situon;
    }
}

TEST(OccupantLoad, PersonsAndLoadForEveryBuildingType) {
    const auto refs = TableSet().Build();
    struct Case {
        std::int16_t tatemono;
        std::int16_t situnai;
        float NP;
        float qp;
    };
    const Case cases[] = {
        {1, 1, 4, 404},   {2, 1, 12, 1056}, {3, 1, 30, 2640}, {4, 1, 10, 880},  {5, 1, 6, 678},
        {6, 1, 10, 1130}, {7, 1, 14, 1932}, {8, 1, 4, 756},   {1, 2, 10, 1010}, {8, 2, 2, 504},
    };
    for (const Case& c : cases) {
        model::RoomModel room = FourWalls();
        room.Tatemono_Syurui = c.tatemono;
        room.Situnai_Syurui = c.situnai;
        const OccupantLoad o = ComputeOccupantLoad(room, refs);
        EXPECT_EQ(o.A, 20.0f);
        EXPECT_EQ(o.mode, NinzuuMode::Density);
        // Densities are singles such as 0.7f: a few units of the last place.
        EXPECT_FLOAT_EQ(o.NP, c.NP) << c.tatemono << "/" << c.situnai;
        EXPECT_FLOAT_EQ(o.qp, c.qp) << c.tatemono << "/" << c.situnai;
    }
}

TEST(OccupantLoad, DirectInputPerAreaAndHeadCount) {
    const auto refs = TableSet().Build();
    model::RoomModel room = FourWalls();
    room.Tatemono_Syurui = 9;
    room.Soutou_Basyo = 6;  // restaurant, column 7
    room.Situnai_Syurui = 2;
    room.Ninzuu_Flag = true;
    room.Soutou_Ninzuu = 0.25f;
    OccupantLoad o = ComputeOccupantLoad(room, refs);
    EXPECT_EQ(o.mode, NinzuuMode::PerArea);
    EXPECT_EQ(o.Kennetu, 60);
    EXPECT_EQ(o.Sennetu, 129);
    EXPECT_EQ(o.NP, 5.0f);
    EXPECT_EQ(o.qp, 945.0f);

    room.Ninzuu_Flag = false;
    room.Jitu_Ninzuu = 12;
    room.Kabe.Remove(4);  // the head count does not need the area
    o = ComputeOccupantLoad(room, refs);
    EXPECT_EQ(o.mode, NinzuuMode::HeadCount);
    EXPECT_EQ(o.A, 0.0f);
    EXPECT_EQ(o.NP, 12.0f);
    EXPECT_EQ(o.qp, 2268.0f);
}

TEST(OccupantLoad, AreaIsZeroUnlessFourWalls) {
    const auto refs = TableSet().Build();
    model::RoomModel room = FourWalls();
    room.Kabe.Remove(2);
    room.Mado.Remove(2);
    const OccupantLoad o = ComputeOccupantLoad(room, refs);
    EXPECT_EQ(o.L1, 0.0f);
    EXPECT_EQ(o.L2, 0.0f);
    EXPECT_EQ(o.A, 0.0f);
    EXPECT_EQ(o.NP, 0.0f);
    EXPECT_EQ(o.qp, 0.0f);
}

TEST(LightingLoad, WorkedExamples) {
    const auto refs = TableSet().Build();
    struct Case {
        const char* name;
        void (*setup)(model::RoomModel&);
        LightingMode mode;
        float qe;
    };
    const Case cases[] = {
        {"fluorescent, 直接, 750 lx",
         [](model::RoomModel& r) {
             r.Syoudo_Jidou_Tekigou = false;
             r.Syoudo = 3;
         },
         LightingMode::Illuminance, 562.5f},
        {"incandescent, 直接, 750 lx",
         [](model::RoomModel& r) {
             r.Syoudo_Jidou_Tekigou = false;
             r.Syoudo = 3;
             r.Syoumei_Syurui = false;
         },
         LightingMode::Illuminance, 806.25f},
        {"total output 1000 W mixed 7 : 3",
         [](model::RoomModel& r) {
             r.Syoudo_Jidou_Tekigou = false;
             r.Syoudo_Syurui = 7;
             r.Syuturyoku_Nyuuryoku = true;
             r.Syoumei_Konzai = true;
             r.Keikoutou_wariai = 1;
         },
         LightingMode::OutputMixed, 958.0f},
        {"total output 1000 W incandescent",
         [](model::RoomModel& r) {
             r.Syoudo_Jidou_Tekigou = false;
             r.Syoudo_Syurui = 7;
             r.Syuturyoku_Nyuuryoku = true;
             r.Syoumei_Syurui = false;
         },
         LightingMode::OutputSingle, 860.0f},
        {"ten 40W×2 fixtures",
         [](model::RoomModel& r) {
             r.Syoudo_Jidou_Tekigou = false;
             r.Syoudo_Syurui = 7;
             r.Keikoutou_Kazu = 10;
         },
         LightingMode::FixturesSingle, 800.0f},
        {"two 40W×1 fixtures and five 100W lamps",
         [](model::RoomModel& r) {
             r.Syoudo_Jidou_Tekigou = false;
             r.Syoudo_Syurui = 7;
             r.Syoumei_Konzai = true;
             r.Keikoutou_Syurui = 1;
             r.Keikoutou_Kazu = 2;
             r.Hakunetutou_Kazu = 5;
         },
         LightingMode::FixturesMixed, 0.5f * 860 + 0.08f * 1000},
        {"automatic fitting wins over a stored tab 7 (事務室 750 lx)",
         [](model::RoomModel& r) { r.Syoudo_Syurui = 7; }, LightingMode::Illuminance, 562.5f},
    };
    for (const Case& c : cases) {
        model::RoomModel room = FourWalls();
        c.setup(room);
        const LightingLoad l = ComputeLightingLoad(room, refs, 20.0f);
        EXPECT_EQ(l.mode, c.mode) << c.name;
        EXPECT_FLOAT_EQ(l.qe, c.qe) << c.name;
    }
}

TEST(LightingLoad, PrintedTerms) {
    const auto refs = TableSet().Build();
    model::RoomModel room = FourWalls();
    room.Syoudo_Jidou_Tekigou = false;
    room.Syoudo = 3;
    room.Syoumei_housiki = 2;  // 全般拡散, K 0.65 printed as 0.7
    LightingLoad l = ComputeLightingLoad(room, refs, 20.0f);
    EXPECT_EQ(l.E, 750);
    EXPECT_EQ(l.K, 0.65);
    EXPECT_EQ(l.kText, "0.7");
    EXPECT_NEAR(l.W, 1.8 / 39 * 750, 1e-5);  // W is a single

    // Without a floor area the illuminance method gives nothing.
    EXPECT_EQ(ComputeLightingLoad(room, refs, 0.0f).qe, 0.0f);

    room.Syoudo_Syurui = 7;
    room.Syoumei_Syurui = false;
    room.Hakunetutou_Kazu = 3;
    l = ComputeLightingLoad(room, refs, 0.0f);
    EXPECT_EQ(l.fixtureText, "100W");
    EXPECT_EQ(l.count, 3);
    EXPECT_FLOAT_EQ(l.qe, 258.0f);
}

TEST(VentilationLoad, EnthalpyDifference) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    VentilationLoad v = ComputeVentilationLoad(room, refs, 32.0, 0.0f);
    EXPECT_EQ(v.di, 8.0f);
    room.Situon = 270;
    v = ComputeVentilationLoad(room, refs, 30.0, 0.0f);
    // io and ir are singles: their difference is 5.64 to about 1e-6.
    EXPECT_NEAR(v.io, 18.86, 1e-6);
    EXPECT_NEAR(v.ir, 13.22, 1e-6);
    EXPECT_NEAR(v.di, 5.64, 2e-6);
}

TEST(VentilationLoad, MethodsAndAirVolume) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    room.Kanki_Nyuuryoku = true;
    room.Kanki_Fuuryou = 500.0f;
    room.Kanki_Housiki = true;
    VentilationLoad v = ComputeVentilationLoad(room, refs, 32.0, 0.0f);
    EXPECT_EQ(v.source, VolumeSource::Direct);
    EXPECT_EQ(v.qv, 4800.0f);
    room.Kanki_Housiki = false;  // air-conditioning, efficiency "0.6"
    v = ComputeVentilationLoad(room, refs, 32.0, 0.0f);
    EXPECT_EQ(v.deText, "0.6");
    EXPECT_EQ(v.qv, 1920.0f);

    // From the persons: nobody, no air.
    room.Kanki_Nyuuryoku = false;
    v = ComputeVentilationLoad(room, refs, 32.0, 0.0f);
    EXPECT_EQ(v.source, VolumeSource::OccupantPlace);
    EXPECT_EQ(v.rate, 30.0f);
    EXPECT_EQ(v.qv, 0.0f);
}

TEST(VentilationLoad, RateRecordAndPlace) {
    const auto refs = TableSet().Build();
    model::RoomModel room;
    room.Kanki_Jidou_Tekigou = false;
    room.Kanki_Basyo = 2;  // 事務所
    room.Kanki_Saisyouti = true;
    EXPECT_EQ(ComputeVentilationLoad(room, refs, 32.0, 10.0f).V, 170.0f);
    room.Kanki_Saisyouti = false;
    EXPECT_EQ(ComputeVentilationLoad(room, refs, 32.0, 10.0f).V, 255.0f);
    room.Kanki_Basyo = -1;
    const VentilationLoad v = ComputeVentilationLoad(room, refs, 32.0, 10.0f);
    EXPECT_EQ(v.source, VolumeSource::KankiPlace);
    EXPECT_EQ(v.rate, 0.0f);
    EXPECT_EQ(v.qv, 0.0f);
}

// Direct input with automatic fitting: illuminance and ventilation rate
// come from the equivalent type's column and the stored place.
TEST(InternalLoad, DirectInputFitsFromTheEquivalentType) {
    const auto refs = TableSet().Build();
    model::RoomModel room = FourWalls();
    room.Tatemono_Syurui = 9;
    room.Soutou_Basyo = 1;  // school, column 2
    room.Situnai_Syurui = 2;
    room.Ninzuu_Flag = false;
    room.Jitu_Ninzuu = 10;
    EXPECT_EQ(OccupantColumn(room), 2);
    const InternalLoad r = ComputeInternalLoad(room, refs, 32.0);
    EXPECT_EQ(r.lighting.E, 200);
    EXPECT_EQ(r.ventilation.rate, 20.0f);
    EXPECT_EQ(r.ventilation.V, 200.0f);
    EXPECT_EQ(r.occupant.qps, 50);
    EXPECT_EQ(r.occupant.qpl, 33);
}

TEST(LoadTotals, SumAndStore) {
    const LoadTotals totals{100.5f, 20.0f, 30.25f, 1000.0f};
    EXPECT_EQ(totals.Sum(), 1150.75f);

    model::RoomModel room;
    room.Sonota_Goukei = 7.0f;
    StoreTotals(room, totals);
    EXPECT_EQ(StoredTotals(room), totals);
    EXPECT_EQ(room.Sonota_Goukei, 0.0f);
}

TEST(LoadTotals, RecalculateStoresBothCalculations) {
    const auto refs = TableSet().Build();
    model::RoomModel room = FourWalls();
    room.Mado.Item(3)->Menseki = 4.0f;
    room.Basyo = 12;  // 札幌, 28.8
    const LoadTotals stored = Recalculate(room, refs).totals;
    const StructuralLoad kouzou = ComputeStructuralLoad(room, refs, 28.8);
    const InternalLoad situnai = ComputeInternalLoad(room, refs, 28.8);
    EXPECT_EQ(stored, TotalsOf(kouzou, situnai));
    EXPECT_EQ(room.Kouzou_Goukei, kouzou.totalMax.value);
    EXPECT_GT(room.Kouzou_Goukei, 0.0f);
    EXPECT_EQ(room.Jintai_Goukei, situnai.occupant.qp);
    EXPECT_EQ(room.Kanki_Goukei, situnai.ventilation.qv);
}

}  // namespace
}  // namespace karumoa::calc
