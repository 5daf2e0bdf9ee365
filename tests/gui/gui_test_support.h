#pragma once

// Shared set-up of the GUI tests: a private settings store, scripted
// prompts and a fresh program context per test.

#include <QSettings>
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/mdi_form1.h"
#include "app/scripted_prompts.h"
#include "model/room_model.h"

namespace karumoa::gui::test {

// Points the per-user settings store at a temporary folder. Must run
// before the first QSettings of the process (initTestCase).
inline QTemporaryDir& IsolateSettings() {
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    return dir;
}

inline void ClearSettings() {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("カルモア"),
                       QStringLiteral("カルモア"));
    settings.clear();
    settings.sync();
}

// One program: scripted prompts, the context and its frame.
struct Program {
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context = std::make_unique<AppContext>(prompts);

    AppContext& ctx() { return *context; }
    FormRegistry& forms() { return context->forms(); }
    MDIForm1& frame() { return context->forms().mdiForm(); }
    model::RoomModel& room() { return context->room(); }
};

}  // namespace karumoa::gui::test

#include <initializer_list>
#include <utility>

namespace karumoa::gui::test {

// Appends a wall of orientation `houi`, `yoko` x `tate` mm, with one layer
// per thickness, and its window set: one entry per (count, height, width).
inline void AddWall(model::RoomModel& room, std::int16_t houi, std::int32_t yoko, std::int32_t tate,
                    std::initializer_list<std::int16_t> thicknesses = {150},
                    std::initializer_list<std::array<std::int16_t, 3>> windows = {},
                    float menseki = 0.0f, bool braindo = true, std::int16_t zokusei = 0) {
    model::Kabe_Data::Zai_Array zai(thicknesses.size() + 2);
    model::Kabe_Data::Netu_Array netu(thicknesses.size() + 2, 0.0f);
    model::Kabe_Data::Atusa_Array atusa(thicknesses.size() + 2, 0);
    std::size_t i = 1;
    for (std::int16_t t : thicknesses) {
        zai[i] = "コンクリート";
        netu[i] = 1.4f;
        atusa[i] = t;
        ++i;
    }
    auto wall = std::make_shared<model::Kabe_Data>();
    wall->SetData(zai, netu, atusa, yoko, tate, houi, false, 2.5f, zokusei);
    room.Kabe.Add(wall);

    model::Mado_Data::Array kazu(windows.size() + 2, 0), mt(windows.size() + 2, 0),
        my(windows.size() + 2, 0);
    i = 1;
    for (const auto& w : windows) {
        kazu[i] = w[0];
        mt[i] = w[1];
        my[i] = w[2];
        ++i;
    }
    auto set = std::make_shared<model::Mado_Data>();
    set->SetData(mt, my, kazu, braindo, menseki, houi);
    room.Mado.Add(set);
}

// A roof or floor record over the room (orientation 0 or 9).
inline void AddRoofOrFloor(model::ElementList<model::Kabe_Data>& list, std::int16_t houi,
                           std::int32_t yoko, std::int32_t tate) {
    auto record = std::make_shared<model::Kabe_Data>();
    record->SetData({"", "スラブ", ""}, {0.0f, 1.4f, 0.0f}, {0, 150, 0}, yoko, tate, houi, false,
                    2.0f, 0);
    list.Add(record);
}

// A skylight set of `count` windows of 900 x 900.
inline void AddSkylight(model::RoomModel& room, std::int16_t count, bool braindo) {
    auto set = std::make_shared<model::Mado_Data>();
    set->SetData({0, 900, 0}, {0, 900, 0}, {0, count, 0}, braindo, 0.81f * count, 0);
    room.Yane_Mado.Add(set);
}

// The full example room: four cardinal walls with windows, roof, floor
// and skylight.
inline void FillFullRoom(model::RoomModel& room) {
    AddWall(room, 1, 8000, 2700, {150}, {{2, 1200, 1800}}, 4.32f);
    AddWall(room, 3, 4000, 2700, {150}, {{1, 1200, 900}}, 1.08f, false);
    AddWall(room, 5, 8000, 2700, {150}, {{2, 1200, 1800}, {3, 600, 900}}, 5.94f);
    AddWall(room, 7, 4000, 2700, {150, 12}, {});
    AddRoofOrFloor(room.Yane, 0, 8000, 4000);
    AddRoofOrFloor(room.Yuka, 9, 8000, 4000);
    AddSkylight(room, 2, true);
}

}  // namespace karumoa::gui::test
