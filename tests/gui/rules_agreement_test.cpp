// The dialogs and the project file reader keep the room's rules alike: each
// case is one addition to a room, tried through the construction or window
// dialog (or the command that opens it) and, made directly on the room,
// through a save and an open. Both take it or both refuse it, on both
// sides of every limit: wall sizes and layer thickness, orientations, the
// number of walls, roof and floor over four walls, a skylight in a roof,
// window sizes, counts and glass area within the element.

#include <array>
#include <functional>

#include "edit_test_support.h"
#include "model/room_rules.h"
#include "project/project_format.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

using Entries = std::vector<std::array<std::int16_t, 3>>;  // width, height, count

// A wall through the construction dialog: orientation, width, and on an
// empty room the height and a concrete layer of `thickness`; the others
// start from the first wall. No opposite wall.
void DialogWall(test::Program& p, int houi, int width, int height, int thickness = 150) {
    Kabe_Form& kabe = test::ShowKabe(p, 0);
    if (kabe.Houi_Combo()->currentIndex() != houi) {
        test::ChooseHoui(kabe, houi);
    }
    if (kabe.Sou_Kazu() == 1) {
        test::AddLayer(kabe, 1, 0, QString::number(thickness));
    }
    if (kabe.Haba_Edit()->isEnabled()) {
        test::Type(kabe.Haba_Edit(), QString::number(width));
    }
    if (kabe.Takasa_Edit()->isEnabled()) {
        test::Type(kabe.Takasa_Edit(), QString::number(height));
    }
    kabe.Taimen_Check()->setChecked(false);
    QTest::mouseClick(kabe.Touroku_Button(), Qt::LeftButton);
}

// Whether the last wall is the one asked for, added to `walls` walls.
bool HasNewWall(const model::RoomModel& room, int walls, int houi, int width, int height,
                int thickness = 150) {
    if (room.Kabe.Count() != walls + 1) {
        return false;
    }
    const model::Kabe_Data& w = *room.Kabe.Item(walls + 1);
    return w.Houi == houi && w.Yoko == width && w.Tate == height &&
           w.Atusa_Kaesi().at(1) == thickness;
}

// A window list through the window dialog, for wall `wall` (0: the
// skylight).
void DialogWindows(test::Program& p, int wall, const Entries& entries) {
    Mado_Form& mado = test::ShowMado(p, wall == 0 ? 1 : 0, wall);
    for (const auto& [width, height, count] : entries) {
        test::AddWindows(mado, width, height, count);
    }
    QTest::mouseClick(mado.Touroku_Button(), Qt::LeftButton);
}

model::Mado_Data WindowSet(const Entries& entries, std::int16_t houi) {
    model::Mado_Data::Array tate(entries.size() + 2, 0);
    model::Mado_Data::Array yoko(tate.size(), 0);
    model::Mado_Data::Array kazu(tate.size(), 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        yoko[i + 1] = entries[i][0];
        tate[i + 1] = entries[i][1];
        kazu[i + 1] = entries[i][2];
    }
    model::Mado_Data set;
    set.SetData(tate, yoko, kazu, true, model::MadoMenseki(tate, yoko, kazu), houi);
    return set;
}

// Whether the set of wall `wall` (0: the skylight) holds the list asked for.
bool HasWindows(const model::RoomModel& room, int wall, const Entries& entries) {
    const auto& list = wall == 0 ? room.Yane_Mado : room.Mado;
    if (list.Count() < std::max(wall, 1)) {
        return false;
    }
    const model::Mado_Data& set = *list.Item(std::max(wall, 1));
    const model::Mado_Data asked = WindowSet(entries, set.Houi);
    return set.Tate_Kaesi() == asked.Tate_Kaesi() && set.Yoko_Kaesi() == asked.Yoko_Kaesi() &&
           set.Kazu_Kaesi() == asked.Kazu_Kaesi();
}

void SetWindows(model::RoomModel& room, int wall, const Entries& entries) {
    if (wall == 0) {
        room.Yane_Mado.Add(std::make_shared<model::Mado_Data>(WindowSet(entries, 0)));
    } else {
        *room.Mado.Item(wall) = WindowSet(entries, room.Kabe.Item(wall)->Houi);
    }
}

// Starting rooms: 2400 high walls with one 150 mm layer.
void North(model::RoomModel& r) {
    test::AddWall(r, 1, 6000, 2400);
}
void NorthEast(model::RoomModel& r) {
    test::AddWall(r, 2, 6000, 2400);
}
void ThreeWalls(model::RoomModel& r) {
    test::AddWall(r, 1, 6000, 2400);
    test::AddWall(r, 3, 4000, 2400);
    test::AddWall(r, 5, 6000, 2400);
}
void FourWalls(model::RoomModel& r) {
    ThreeWalls(r);
    test::AddWall(r, 7, 4000, 2400);
}
void WithRoof(model::RoomModel& r) {
    FourWalls(r);
    test::AddRoofOrFloor(r.Yane, 0, 6000, 4000);
}
void OneWall(model::RoomModel& r, int width, int height) {
    test::AddWall(r, 1, width, height);
}

struct Case {
    const char* what;
    bool allowed;
    std::function<void(model::RoomModel&)> start;
    // The addition tried in the program; true when the room holds it.
    std::function<bool(test::Program&)> dialog;
    // The same addition made on the room directly.
    std::function<void(model::RoomModel&)> record;
};

std::vector<Case> Cases() {
    auto wallCase = [](const char* what, bool allowed, std::function<void(model::RoomModel&)> start,
                       int houi, int width, int height, int thickness = 150) {
        return Case{what, allowed, start,
                    [=](test::Program& p) {
                        const int walls = p.room().Kabe.Count();
                        DialogWall(p, houi, width, height, thickness);
                        return HasNewWall(p.room(), walls, houi, width, height, thickness);
                    },
                    [=](model::RoomModel& r) {
                        test::AddWall(r, static_cast<std::int16_t>(houi), width, height,
                                      {static_cast<std::int16_t>(thickness)});
                    }};
    };
    auto windowCase = [](const char* what, bool allowed,
                         std::function<void(model::RoomModel&)> start, int wall, Entries entries) {
        return Case{what, allowed, start,
                    [=](test::Program& p) {
                        DialogWindows(p, wall, entries);
                        return HasWindows(p.room(), wall, entries);
                    },
                    [=](model::RoomModel& r) { SetWindows(r, wall, entries); }};
    };
    auto none = [](model::RoomModel&) {};
    auto oneWall = [](int width, int height) {
        return [=](model::RoomModel& r) { OneWall(r, width, height); };
    };
    const Entries fullWall{{10000, 5000, 200}};  // 10000 m2, the whole wall below

    return {
        wallCase("width 999", false, none, 1, 999, 2400),
        wallCase("width 1000", true, none, 1, 1000, 2400),
        wallCase("width 100000", true, none, 1, 100000, 2400),
        wallCase("width 100001", false, none, 1, 100001, 2400),
        wallCase("height 999", false, none, 1, 6000, 999),
        wallCase("height 1000", true, none, 1, 6000, 1000),
        wallCase("height 100000", true, none, 1, 6000, 100000),
        wallCase("height 100001", false, none, 1, 6000, 100001),
        wallCase("layer of 2 mm", false, none, 1, 6000, 2400, 2),
        wallCase("layer of 3 mm", true, none, 1, 6000, 2400, 3),
        wallCase("layer of 300 mm", true, none, 1, 6000, 2400, 300),
        wallCase("layer of 301 mm", false, none, 1, 6000, 2400, 301),
        wallCase("east beside north", true, North, 3, 4000, 2400),
        wallCase("north-east beside north", false, North, 2, 4000, 2400),
        wallCase("north twice", false, North, 1, 6000, 2400),
        wallCase("south-east beside north-east", true, NorthEast, 4, 4000, 2400),
        wallCase("east beside north-east", false, NorthEast, 3, 4000, 2400),
        wallCase("fourth wall", true, ThreeWalls, 7, 4000, 2400),
        {"fifth wall", false, FourWalls,
         [](test::Program& p) {
             if (!p.frame().IsEnabled(FrameItem::Mnu_Kabe)) {
                 return false;
             }
             DialogWall(p, 2, 1000, 2400);
             return p.room().Kabe.Count() == 5;
         },
         [](model::RoomModel& r) { test::AddWall(r, 2, 1000, 2400); }},
        {"roof over three walls", false, ThreeWalls,
         [](test::Program& p) { return p.frame().IsEnabled(FrameItem::Mnu_Yane); },
         [](model::RoomModel& r) { test::AddRoofOrFloor(r.Yane, 0, 6000, 4000); }},
        {"roof over four walls", true, FourWalls,
         [](test::Program& p) {
             if (!p.frame().IsEnabled(FrameItem::Mnu_Yane)) {
                 return false;
             }
             QTest::mouseClick(test::ShowKabe(p, 1).Touroku_Button(), Qt::LeftButton);
             return p.room().Yane.Count() == 1;
         },
         [](model::RoomModel& r) { test::AddRoofOrFloor(r.Yane, 0, 6000, 4000); }},
        {"floor over three walls", false, ThreeWalls,
         [](test::Program& p) { return p.frame().IsEnabled(FrameItem::Mnu_Yuka); },
         [](model::RoomModel& r) { test::AddRoofOrFloor(r.Yuka, 9, 6000, 4000); }},
        {"skylight without roof", false, FourWalls,
         [](test::Program& p) {
             p.ctx().Settei_Mode = 1;
             return p.forms().madoForm().CanOpen();
         },
         [](model::RoomModel& r) {
             SetWindows(r, 0, {{900, 900, 1}});
         }},
        windowCase("skylight in a roof", true, WithRoof, 0, {{900, 900, 1}}),
        windowCase("skylight as wide as the roof", true, WithRoof, 0, {{6000, 4000, 1}}),
        windowCase("skylight wider than the roof", false, WithRoof, 0, {{6050, 900, 1}}),
        windowCase("window as wide and high as the wall", true, oneWall(1000, 1000), 1,
                   {{1000, 1000, 1}}),
        windowCase("window wider than the wall", false, oneWall(1000, 1000), 1, {{1050, 500, 1}}),
        windowCase("window higher than the wall", false, oneWall(1000, 1000), 1, {{500, 1050, 1}}),
        windowCase("windows filling the wall", true, oneWall(3000, 2400), 1, {{1500, 1200, 4}}),
        windowCase("windows beyond the wall", false, oneWall(3000, 2400), 1,
                   {{1500, 1200, 4}, {500, 300, 1}}),
        // 0.15 m2 beyond 10000 m2: a share of the area that rounding m2
        // would let through.
        windowCase("windows filling a large wall", true, oneWall(100000, 100000), 1, fullWall),
        windowCase("windows just beyond a large wall", false, oneWall(100000, 100000), 1,
                   {fullWall[0], {500, 300, 1}}),
        windowCase("count 0", false, oneWall(6000, 2400), 1, {{500, 300, 0}}),
        windowCase("count 1", true, oneWall(6000, 2400), 1, {{500, 300, 1}}),
        windowCase("count 999", true, oneWall(100000, 100000), 1, {{500, 300, 999}}),
    };
}

}  // namespace

class RulesAgreementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }

    void dialogsAndReaderTakeTheSameRooms() {
        for (const Case& c : Cases()) {
            test::ClearSettings();
            test::Program program;
            test::OpenNewRoom(program);
            c.start(program.room());
            program.forms().mainFormIfLoaded()->Kabe_Seisaku();
            const bool dialog = c.dialog(program);

            model::RoomModel room;
            c.start(room);
            c.record(room);
            std::string bytes;
            QVERIFY(project::WriteProject(room, bytes));
            model::RoomModel read;
            project::ReadError error;
            const bool reader = project::ReadProject(bytes, read, &error);

            const QString what = QString::fromUtf8(c.what) + QStringLiteral(": ") +
                                 QString::fromStdString(error.Message());
            QVERIFY2(dialog == c.allowed, qPrintable(QStringLiteral("dialog, ") + what));
            QVERIFY2(reader == c.allowed, qPrintable(QStringLiteral("reader, ") + what));
        }
    }
};

QTEST_MAIN(RulesAgreementTest)
#include "rules_agreement_test.moc"
