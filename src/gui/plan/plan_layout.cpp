#include "plan/plan_layout.h"

#include <algorithm>

#include "model/codes.h"
#include "model/room_model.h"
#include "text/number_text.h"

namespace karumoa::gui::plan {

float WorkAreaHeight(float innerHeight) {
    return std::max(0.0f, innerHeight - kStatusHeight);
}

float WallBandHeight(const PlanMetrics& m) {
    return static_cast<float>(text::RoundHalfEven(m.height - m.statusHeight));
}

WallLayout LayoutWall(const model::Kabe_Data& wall, std::int16_t windowCount,
                      const PlanMetrics& m) {
    const float W = m.width;
    const float H = WallBandHeight(m);
    WallLayout out;
    out.windowCount = windowCount;
    Box& b = out.wall;
    switch (wall.Houi) {
        case model::kHouiKita:
        case model::kHouiHokutou:  // top bar
            b = {0.2f * H, 0.2f * W, 0.6f * W, kWallThickness};
            out.horizontal = true;
            break;
        case model::kHouiMinami:
        case model::kHouiNansei:  // bottom bar
            b = {H - 0.2f * H, 0.2f * W, 0.6f * W, kWallThickness};
            out.horizontal = true;
            break;
        case model::kHouiHigasi:
        case model::kHouiNantou:  // right bar
            b = {0.2f * H + kWallThickness, W - 0.2f * W - kWallThickness, kWallThickness,
                 0.6f * H - kWallThickness};
            break;
        default:  // 7 or 8, left bar
            b = {0.2f * H + kWallThickness, 0.2f * W, kWallThickness, 0.6f * H - kWallThickness};
            break;
    }
    if (windowCount == 0) {
        return out;
    }
    // The window button lies outside the wall at its first end in
    // clockwise order.
    const float T = b.top, L = b.left, Wk = b.width, Hk = b.height;
    switch (wall.Houi) {
        case model::kHouiKita:
        case model::kHouiHokutou:
            out.window = Box{T - kWindowButtonThickness, L, Wk / 8, kWindowButtonThickness};
            break;
        case model::kHouiMinami:
        case model::kHouiNansei:
            out.window = Box{T + kWallThickness, Wk - Wk / 8 + L, Wk / 8, kWindowButtonThickness};
            break;
        case model::kHouiHigasi:
        case model::kHouiNantou:
            out.window = Box{T, L + kWallThickness, kWindowButtonThickness, Hk / 8};
            break;
        default:
            out.window =
                Box{Hk - Hk / 8 + T, L - kWindowButtonThickness, kWindowButtonThickness, Hk / 8};
            break;
    }
    return out;
}

std::int16_t Mado_Kazu_Goukei(const model::RoomModel& room, int slot) {
    if (slot < 0 || slot >= room.Mado.Count()) {
        return 0;
    }
    const model::Mado_Data& set = *room.Mado.Item(slot + 1);
    // The plan shows the count as a 16-bit number; sets built by the
    // window dialog stay far below its limit.
    return static_cast<std::int16_t>(set.WindowCount());
}

int Jyoukuu_Moyou(const model::RoomModel& room) {
    const bool roof = !room.Yane.empty();
    const bool floor = !room.Yuka.empty();
    if (roof && floor) {
        return kFillCross;
    }
    if (roof) {
        return kFillHorizontal;
    }
    if (floor) {
        return kFillVertical;
    }
    return kFillNone;
}

OverheadView Jyoukuu_Hyouji(const model::RoomModel& room, const PlanMetrics& m) {
    float A = 0;
    float B = 0;
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == model::kHouiKita || wall->Houi == model::kHouiHokutou) {
            A = static_cast<float>(wall->Yoko);
        } else if (wall->Houi == model::kHouiHigasi || wall->Houi == model::kHouiNantou) {
            B = static_cast<float>(wall->Yoko);
        }
    }
    const float SW = m.innerWidth;
    const float SH = m.innerHeight;
    const float Hw = m.height;
    const float S = m.statusHeight;
    OverheadView view;
    Box& b = view.box;
    if (A >= B) {
        // A room without a length (a damaged record) is drawn flat rather
        // than divided by zero.
        const float q = A > 0 ? B / A : 0.0f;
        b.left = 0.8f * SW + (SW - 0.8f * SW) * 0.2f;
        b.width = SW * 0.2f * 0.6f;
        b.height = b.width * q;
        b.top = (Hw * 0.2f - b.height) / 2 + (SH - S) * 0.8f;
        view.wide = true;
    } else {
        const float q = A / B;
        const float V = (Hw - S) * 0.8f;
        b.height = ((SH - S) - V) * 0.6f;
        b.width = b.height * q;
        b.left = (SW * 0.2f - b.width) / 2 + SW * 0.8f;
        b.top = (Hw - S) * 0.2f * 0.2f + V;
        view.wide = false;
    }
    view.pattern = Jyoukuu_Moyou(room);
    return view;
}

NorthArrow Houi_Yajirusi(const model::RoomModel& room, const OverheadView& view,
                         const PlanMetrics& m) {
    NorthArrow arrow;
    arrow.cardinal = false;
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == model::kHouiHigasi || wall->Houi == model::kHouiKita) {
            arrow.cardinal = true;
        }
    }
    const float L = view.wide ? view.box.width : view.box.height;
    Point p{m.width * 0.2f / 2 + m.width * 0.8f, (m.height - m.statusHeight) * 0.8f};
    auto step = [&p](float dx, float dy) {
        p.x += dx;
        p.y += dy;
        return p;
    };
    if (arrow.cardinal) {
        arrow.points[0] = p;
        arrow.points[1] = step(0, -L / 2);
        arrow.points[2] = step(-L / 12, L / 6);
        arrow.points[3] = step(L / 8, 0);
    } else {
        const float v = m.innerWidth * 0.2f / 8;
        arrow.points[0] = step(v, 0);
        arrow.points[1] = step(-2 * v, -2 * v);
        arrow.points[2] = step(v / 8, v / 2);
        arrow.points[3] = step(v / 3, -v / 3);
    }
    return arrow;
}

Box Yane_Mado_Box(const OverheadView& view) {
    return {view.box.top + 5, view.box.left + 5, view.box.width / 2, kWindowButtonThickness};
}

Rgb Zokusei_Iro(int zokusei) {
    switch (zokusei) {
        case model::kZokuseiHikage:
            return {0, 255, 0};
        case model::kZokuseiSitunai:
            return {255, 128, 255};
        case model::kZokuseiMufuka:
            return {255, 255, 0};
        default:
            return {192, 192, 192};
    }
}

Rgb Mado_Iro(bool braindo) {
    return braindo ? Rgb{128, 128, 255} : Rgb{128, 255, 255};
}

std::string KabeToolTipText(const model::Kabe_Data& wall) {
    return "幅" + text::PlainNumber(wall.Yoko / 1000.0) + "m " + "高さ" +
           text::PlainNumber(wall.Tate / 1000.0) + "m " + "厚さ" +
           text::PlainNumber(static_cast<double>(wall.Zen_Atusa())) + "mm";
}

std::string MadoToolTipText(const model::Mado_Data& windows) {
    return "窓の面積合計 " + text::FormatFixed(windows.Menseki, 2) + "㎡";
}

std::optional<Size> ResizeLimit(Size inner, Size outer) {
    bool changed = false;
    if (inner.height < kMinInnerHeight) {
        outer.height = kMinInnerHeight;
        changed = true;
    }
    if (inner.width < kMinInnerWidth) {
        outer.width = kMinInnerWidth;
        changed = true;
    }
    if (!changed) {
        return std::nullopt;
    }
    return outer;
}

}  // namespace karumoa::gui::plan
