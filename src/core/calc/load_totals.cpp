#include "calc/load_totals.h"

#include "calc/kouzou_keisan.h"
#include "calc/situnai_keisan.h"
#include "model/room_model.h"

namespace karumoa::calc {

float LoadTotals::Sum() const {
    float sum = 0.0f;
    sum += Jintai_Goukei;
    sum += Syoumei_Goukei;
    sum += Kanki_Goukei;
    sum += Kouzou_Goukei;
    return sum;
}

LoadTotals TotalsOf(const StructuralLoad& kouzou, const InternalLoad& situnai) {
    LoadTotals t;
    t.Jintai_Goukei = situnai.occupant.qp;
    t.Syoumei_Goukei = situnai.lighting.qe;
    t.Kanki_Goukei = situnai.ventilation.qv;
    t.Kouzou_Goukei = kouzou.totalMax.value;
    return t;
}

LoadTotals StoredTotals(const model::RoomModel& room) {
    LoadTotals t;
    t.Jintai_Goukei = room.Jintai_Goukei;
    t.Syoumei_Goukei = room.Syoumei_Goukei;
    t.Kanki_Goukei = room.Kanki_Goukei;
    t.Kouzou_Goukei = room.Kouzou_Goukei;
    return t;
}

void StoreTotals(model::RoomModel& room, const LoadTotals& totals) {
    room.Jintai_Goukei = totals.Jintai_Goukei;
    room.Syoumei_Goukei = totals.Syoumei_Goukei;
    room.Kanki_Goukei = totals.Kanki_Goukei;
    room.Kouzou_Goukei = totals.Kouzou_Goukei;
    room.Sonota_Goukei = 0.0f;
}

}  // namespace karumoa::calc
