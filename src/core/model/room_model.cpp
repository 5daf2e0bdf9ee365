#include "model/room_model.h"

namespace karumoa::model {

void RoomModel::ResetForNewRoom() {
    RoomModel fresh;
    fresh.Jintai_Goukei = Jintai_Goukei;
    fresh.Syoumei_Goukei = Syoumei_Goukei;
    fresh.Kanki_Goukei = Kanki_Goukei;
    fresh.Kouzou_Goukei = Kouzou_Goukei;
    fresh.Sonota_Goukei = Sonota_Goukei;
    fresh.Situon = Situon;
    fresh.Basyo = Basyo;
    fresh.Kabe_Bangou = Kabe_Bangou;
    *this = std::move(fresh);
}

}  // namespace karumoa::model
