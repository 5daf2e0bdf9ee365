// libFuzzer target of the reference tables. The input is the number of a
// table (0..6, the load order) on its first line and the table as CSV, as
// the database builder reads its sources. For every table the check
// accepts, in place of the shipped one:
//   - every look-up reads within the table (the sanitizers watch), and
//   - the loads of a room that uses every table, computed against it, are
//     finite numbers: the plausibility ranges keep them so.
// A refused table must give a message naming its file and table.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "calc/room_results.h"
#include "fuzz_support.h"
#include "model/codes.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "refdb/room_check.h"

namespace {

using namespace karumoa;

// The largest element the rule table allows, with the largest K.
std::shared_ptr<model::Kabe_Data> Element(std::int16_t houi, std::int16_t thickness) {
    auto e = std::make_shared<model::Kabe_Data>();
    const auto side = static_cast<std::int32_t>(model::kKabeSunpou.max);
    e->SetData({"", "a", ""}, {0.0f, 1.4f, 0.0f}, {0, thickness, 0}, side, side, houi, false,
               std::nextafter(static_cast<float>(model::kNetukanryuu.max), 0.0f), 0);
    return e;
}

// Glass filling the element: 200 windows of 10 x 5 m.
std::shared_ptr<model::Mado_Data> Glass(std::int16_t houi, bool braindo) {
    auto m = std::make_shared<model::Mado_Data>();
    m->SetData({0, 5000, 0}, {0, 10000, 0}, {0, 200, 0}, braindo, 10000.0f, houi);
    return m;
}

// A four-walled room at the limits of the rule table, with glass, roof,
// floor and skylight, set up by `variant` to reach the look-ups of every
// table.
model::RoomModel Room(int variant) {
    model::RoomModel room;
    room.ResetForNewRoom();
    room.Basyo = static_cast<std::uint8_t>(variant % 14);
    room.Tatemono_Syurui = static_cast<std::int16_t>(1 + variant % 9);
    room.Situnai_Syurui = static_cast<std::int16_t>(1 + variant % 2);
    room.Soutou_Basyo = static_cast<std::int16_t>(variant % 8);
    room.Ninzuu_Flag = variant % 2 == 0;
    room.Soutou_Ninzuu = 2.0f;
    room.Syoumei_Syurui = variant % 3 != 0;
    room.Syoudo_Jidou_Tekigou = variant % 2 == 0;
    room.Syoudo = 0;
    room.Kanki_Jidou_Tekigou = variant % 4 < 2;
    room.Kanki_Basyo = static_cast<std::int16_t>(variant % 8 - 1);
    room.Kanki_Saisyouti = variant % 3 == 0;
    room.Kanki_Housiki = variant % 2 != 0;
    const std::int16_t thickness = static_cast<std::int16_t>(3 + 70 * (variant % 5));
    const int first = variant % 2 == 0 ? 1 : 2;
    for (int i = 0; i < 4; ++i) {
        const auto houi = static_cast<std::int16_t>(first + 2 * i);
        room.Kabe.Add(Element(houi, thickness));
        room.Mado.Add(Glass(houi, variant % 2 == 0));
    }
    room.Yane.Add(Element(model::kHouiYane, thickness));
    room.Yuka.Add(Element(model::kHouiYuka, thickness));
    room.Yane_Mado.Add(Glass(model::kHouiYane, true));
    room.Kanki_Fuuryou = static_cast<float>(model::Setting("Kanki_Fuuryou").range.max);
    room.Syoumei_Syuturyoku =
        static_cast<std::int32_t>(model::Setting("Syoumei_Syuturyoku").range.max);
    return room;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 2 || input[0] < '0' || input[0] > '6' || input[1] != '\n') {
        return 0;
    }
    const auto index = static_cast<std::size_t>(input[0] - '0');
    std::optional<refdb::Table> table = fuzz::TableFromCsv(index, input.substr(2));
    if (!table) {
        return 0;
    }
    refdb::LoadError error;
    if (!refdb::ReferenceData::CheckTable(index, *table, &error)) {
        if (error.message.find(std::string(refdb::ReferenceData::kTables[index])) ==
            std::string::npos) {
            fuzz::Finding("a refused table without its name", error.message);
        }
        return 0;
    }
    std::array<refdb::Table, 7> tables;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        tables[i] = i == index ? *table : fuzz::ShippedTables()[i];
    }
    std::optional<refdb::ReferenceData> refs =
        refdb::ReferenceData::FromTables(std::move(tables), &error);
    if (!refs) {
        fuzz::Finding("a table that passed its check is refused", error.message);
    }
    for (int category = 1; category <= 10; ++category) {
        for (const refdb::Material& m : refs->MaterialList(category)) {
            if (m.name.empty()) {
                fuzz::Finding("a listed material without a name", m.conductivityText);
            }
        }
    }
    for (int record = 0; record < refs->IlluminanceCount(); ++record) {
        refs->IlluminanceLevel(record);
        for (int tab = 1; tab <= 6; ++tab) {
            refs->IlluminancePlaces(record, tab);
        }
    }
    for (int variant = 0; variant < 24; ++variant) {
        model::RoomModel room = Room(variant);
        if (refdb::CheckRoomAgainstTables(room, *refs)) {
            room.Syoudo = 1;
            if (refdb::CheckRoomAgainstTables(room, *refs)) {
                continue;
            }
        }
        for (const std::int16_t situon : {220, 320}) {
            room.Situon = situon;
            const calc::RoomResults results = calc::ComputeRoomResults(room, *refs);
            if (const auto term = calc::NonFiniteTerm(results)) {
                fuzz::Finding("a table that passed its check gives a load that is not finite",
                              *term);
            }
        }
    }
    return 0;
}
