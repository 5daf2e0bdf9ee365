#pragma once

// The arithmetic of the plan window, without widgets: where the wall,
// window-count and skylight buttons go, the overhead view, the north arrow
// and the texts and colours they carry. Everything is in twips, measured
// from the top left corner of the work area, in single precision, as the
// proportions of the plan are defined; the window converts to pixels only
// when it places the controls.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karumoa::model {
class Kabe_Data;
class Mado_Data;
struct RoomModel;
}  // namespace karumoa::model

namespace karumoa::gui::plan {

// The sizes the layout is computed from, in twips.
struct PlanMetrics {
    float width = 0;         // W: the work area's (outer) width
    float height = 0;        // Hw: the work area's (outer) height
    float innerWidth = 0;    // SW
    float innerHeight = 0;   // SH
    float statusHeight = 0;  // S: the status bar's height
};

// The work area and status bar of a freshly loaded plan window.
constexpr float kInitialInnerWidth = 8640;
constexpr float kInitialInnerHeight = 3750;
constexpr float kInitialWorkWidth = 5136;
constexpr float kWorkHeight = 3375;
constexpr float kStatusHeight = 375;

// The work area's height in a plan window whose inner height is
// `innerHeight`: all of it above the status bar's band, so that the plan
// grows and shrinks with the window and the legend never covers it
// (kWorkHeight at the initial size).
float WorkAreaHeight(float innerHeight);
// The smallest inner size the resize allows.
constexpr float kMinInnerHeight = 2500;
constexpr float kMinInnerWidth = 3000;

constexpr float kWallThickness = 300;
constexpr float kWindowButtonThickness = 348;

struct Box {
    float top = 0;
    float left = 0;
    float width = 0;
    float height = 0;
    bool operator==(const Box&) const = default;
};

struct Point {
    float x = 0;
    float y = 0;
    bool operator==(const Point&) const = default;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// One laid-out wall of slot 0..3.
struct WallLayout {
    Box wall;
    bool horizontal = false;  // tag "Yoko" (else "Tate")
    std::int16_t windowCount = 0;
    std::optional<Box> window;  // only when the wall has windows
};

// Wall layout of record `wall` in a work area of `metrics`, with
// `windowCount` windows. Orientations 1, 2, 5, 6 are horizontal bars.
WallLayout LayoutWall(const model::Kabe_Data& wall, std::int16_t windowCount,
                      const PlanMetrics& metrics);

// H of the wall layout: the work area's height minus the status bar's,
// rounded to an integer with halves to even.
float WallBandHeight(const PlanMetrics& metrics);

// Mado_Kazu_Goukei: the number of windows of window set `slot` + 1 (0 when
// it has no entries or does not exist).
std::int16_t Mado_Kazu_Goukei(const model::RoomModel& room, int slot);

// Fill pattern codes of the overhead view (Jyoukuu_Moyou).
enum FillPattern : int { kFillNone = 1, kFillHorizontal = 2, kFillVertical = 3, kFillCross = 6 };
int Jyoukuu_Moyou(const model::RoomModel& room);

struct OverheadView {
    Box box;
    bool wide = false;  // Jyoukuu_Yoko_Flag: the north-side wall is at least as long
    int pattern = kFillNone;
};
// The overhead view of a room with four walls.
OverheadView Jyoukuu_Hyouji(const model::RoomModel& room, const PlanMetrics& metrics);

// The north arrow: a polyline of four points, cardinal (north up) when a
// wall faces north or east, else diagonal (north up and to the left).
struct NorthArrow {
    bool cardinal = true;
    std::array<Point, 4> points{};
};
NorthArrow Houi_Yajirusi(const model::RoomModel& room, const OverheadView& view,
                         const PlanMetrics& metrics);

// The skylight button inside the overhead view.
Box Yane_Mado_Box(const OverheadView& view);

// Colours: wall buttons by attribute, window and skylight buttons by blinds.
Rgb Zokusei_Iro(int zokusei);
Rgb Mado_Iro(bool braindo);

// Tool tips: "幅5.4m 高さ2.7m 厚さ150mm" and "窓の面積合計 3.24㎡".
std::string KabeToolTipText(const model::Kabe_Data& wall);
std::string MadoToolTipText(const model::Mado_Data& windows);

// The outer size the window must be set to after a resize that left its
// inner area below the limits; nullopt when it is within them. Sizes are
// {width, height} in twips.
struct Size {
    float width = 0;
    float height = 0;
    bool operator==(const Size&) const = default;
};
std::optional<Size> ResizeLimit(Size inner, Size outer);

}  // namespace karumoa::gui::plan
