// The structural load report: formulas and legends, the ruled table of the
// walls, roof and floor with their hourly loads and sums, then the same
// for the glass, with the three maxima.

#include <array>
#include <string>
#include <utility>

#include "calc/kouzou_keisan.h"
#include "model/codes.h"
#include "sheet/report_sheets.h"
#include "sheet/sheet_numbers.h"

namespace karumoa::sheet {
namespace {

using detail::Fixed1;
using detail::Fixed2;
using detail::IntegerText;

// Vertical rules of both heading boxes; the last one is the right edge.
constexpr std::array<int, 12> kRuleColumns{3, 10, 15, 20, 23, 28, 31, 36, 39, 44, 47, kTableRight};
constexpr std::array<std::string_view, calc::kHourCount> kHourCaptions{"１０時 ", "１２時",
                                                                       "１４時", "１６時"};
constexpr std::array<std::string_view, calc::kHourCount> kHourLabels{"[10時]", "[12時]", "[14時]",
                                                                     "[16時]"};

constexpr int TempColumn(int h) {
    return kHourColumn + kHourStep * h;
}
constexpr int LoadColumn(int h) {
    return kHourColumn + 5 + kHourStep * h;
}

// The box of a table heading, two rows high from the current row's top,
// from half a column left of column 0 to the table's right edge.
void Midasi_Waku(SheetWriter& w) {
    const int top = w.Row() * w.LineHeight();
    const int bottom = top + 2 * w.LineHeight();
    const int left = w.ColumnX(0) - w.ColumnUnit() / 2;
    const int right = w.ColumnX(kTableRight);
    w.Sen(left, top, right, top);
    w.Sen(left, bottom, right, bottom);
    w.Sen(left, top, left, bottom);
    for (const int column : kRuleColumns) {
        const int x = w.ColumnX(column);
        w.Sen(x, top, x, bottom);
    }
}

void HourCaptions(SheetWriter& w) {
    for (int h = 0; h < calc::kHourCount; ++h) {
        w.Hidari_Hyouji(kHourCaptions[static_cast<std::size_t>(h)], TempColumn(h), kGreen);
    }
}

// "<label> = <value>[kcal/h][<hour>時]".
void MaximumLine(SheetWriter& w, std::string_view label, const calc::HourMaximum& max) {
    w.Moji_Hyouji(label, kLightMagenta);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji(Fixed2(max.value), kLightMagenta);
    w.Moji_Hyouji("[kcal/h]", kBlack);
    const int hour = max.hour >= 0 && max.hour < calc::kHourCount ? max.hour : 0;
    w.Moji_Hyouji(kHourLabels[static_cast<std::size_t>(hour)], kLightMagenta);
}

void Kabe_Midasi(SheetWriter& w) {
    Midasi_Waku(w);
    w.Hidari_Hyouji("方位", 0, kGreen);
    w.Hidari_Hyouji("幅×高さ", 4, kGreen);
    w.Hidari_Hyouji("面積", 11, kGreen);
    w.Hidari_Hyouji("熱貫流率", 15, kGreen);
    HourCaptions(w);
    w.Kaigyou();
    w.Hidari_Hyouji("ｍ×ｍ", 4, kBlack);
    w.Hidari_Hyouji("A", 12, kLightBlue);
    w.Hidari_Hyouji("K", 17, kLightBlue);
    for (int h = 0; h < calc::kHourCount; ++h) {
        w.Hidari_Hyouji("⊿te", TempColumn(h) - 2, kLightBlue);
        w.Hidari_Hyouji("qw", TempColumn(h) + 2, kLightBlue);
    }
    w.Kaigyou();
}

void Mado_Midasi(SheetWriter& w) {
    Midasi_Waku(w);
    w.Hidari_Hyouji("方位", 0, kGreen);
    w.Hidari_Hyouji("Igc", 5, kLightBlue);
    w.Hidari_Hyouji("面積", 11, kGreen);
    w.Hidari_Hyouji("qgc", 16, kLightBlue);
    HourCaptions(w);
    w.Kaigyou();
    w.Hidari_Hyouji("K×⊿t", 4, kBlack);
    w.Hidari_Hyouji("A", 12, kLightBlue);
    w.Hidari_Hyouji("Igc×A", 16, kBlack);
    for (int h = 0; h < calc::kHourCount; ++h) {
        w.Hidari_Hyouji("Igr", TempColumn(h) - 2, kLightBlue);
        w.Hidari_Hyouji("qgr", TempColumn(h) + 2, kLightBlue);
    }
    w.Kaigyou();
}

void ElementRow(SheetWriter& w, const calc::OpaqueElement& e) {
    w.Hidari_Hyouji(model::HouiName(e.houi), 0, kBlack);
    std::string size = Fixed2(e.width);
    size += "×";
    size += Fixed2(e.height);
    w.Migi_Hyouji(size, 10, kBlack);
    w.Migi_Hyouji(Fixed2(e.A), 15, kLightBlue);
    w.Migi_Hyouji(Fixed2(e.K), 19, kLightBlue);
    for (int h = 0; h < calc::kHourCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        w.Migi_Hyouji(Fixed1(e.dte[i]), TempColumn(h), kLightBlue);
        w.Migi_Hyouji(Fixed2(e.qw[i]), LoadColumn(h), kLightBlue);
    }
    w.Kaigyou();
}

void GlassRow(SheetWriter& w, const calc::GlassElement& g) {
    w.Hidari_Hyouji(model::HouiName(g.houi), 0, kBlack);
    std::string igc(calc::kGlassKText);
    igc += "×";
    igc += g.dtText;
    w.Migi_Hyouji(igc, 10, kBlack);
    w.Migi_Hyouji(Fixed2(g.A), 15, kLightBlue);
    w.Migi_Hyouji(Fixed2(g.qgc), 19, kLightBlue);
    for (int h = 0; h < calc::kHourCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        w.Migi_Hyouji(IntegerText(g.Igr[i]), TempColumn(h), kLightBlue);
        w.Migi_Hyouji(Fixed2(g.qgr[i]), LoadColumn(h), kLightBlue);
    }
    w.Kaigyou();
}

void HourSums(SheetWriter& w, const calc::HourValues& values) {
    for (int h = 0; h < calc::kHourCount; ++h) {
        w.Migi_Hyouji(Fixed2(values[static_cast<std::size_t>(h)]), LoadColumn(h), kMagenta);
    }
}

}  // namespace

void Kabe_Hyouji(SheetWriter& w, const calc::StructuralLoad& load) {
    w.Moji_Sunpou(1);

    w.Moji_Hyouji("qw", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("K", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("A", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("⊿te", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("qw: ", kLightBlue);
    w.Moji_Hyouji("取得熱量", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("K: ", kLightBlue);
    w.Moji_Hyouji("熱貫流率", kGreen);
    w.Moji_Hyouji("[kcal/㎡・h・℃] ", kBlack);
    w.Moji_Hyouji("A: ", kLightBlue);
    w.Moji_Hyouji("外壁の面積", kGreen);
    w.Moji_Hyouji("[㎡]", kBlack);
    w.Moji_Hyouji("⊿te: ", kLightBlue);
    w.Moji_Hyouji("相当温度差", kGreen);
    w.Moji_Hyouji("[℃]", kBlack);
    w.Kaigyou();
    w.Kaigyou();

    const int heading = w.Row();
    Kabe_Midasi(w);
    const int first = w.Row();
    // The table ends with its sums; without walls it is the heading alone.
    w.MarkTable(heading, first, load.hasWalls ? first + kSumRowOffset + 1 : first);
    if (load.hasWalls) {
        for (const calc::OpaqueElement& e : load.Opaque()) {
            ElementRow(w, e);
        }
        w.SetRow(first + kSumRowOffset);
        HourSums(w, load.S);
        w.Kaigyou();
        MaximumLine(w, "構造体最大負荷", load.kouzouMax);
        w.Kaigyou();
    }
    w.SetRow(first + kGlassSectionOffset);
    w.SetX(kLeftMargin);
}

void Garasu_Hyouji(SheetWriter& w, const calc::StructuralLoad& load) {
    w.Moji_Hyouji("qg", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("qgr", kLightBlue);
    w.Moji_Hyouji(" + ", kBlack);
    w.Moji_Hyouji("qgc", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("qg: ", kLightBlue);
    w.Moji_Hyouji("ガラス面の侵入熱量", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("qgr: ", kLightBlue);
    w.Moji_Hyouji("ガラス面透過日射熱量", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("qgc: ", kLightBlue);
    w.Moji_Hyouji("ガラス内表面対流、伝導侵入熱量", kGreen);
    w.Moji_Hyouji("[kcal/h]", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("qgr", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("Igr", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("ks", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("A", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("Igr: ", kLightBlue);
    w.Moji_Hyouji("ガラス面の日射熱量", kGreen);
    w.Moji_Hyouji("[kcal/㎡・h] ", kBlack);
    w.Moji_Hyouji("ks: ", kLightBlue);
    w.Moji_Hyouji("遮蔽係数 ", kGreen);
    w.Moji_Hyouji("A: ", kLightBlue);
    w.Moji_Hyouji("窓の面積", kGreen);
    w.Moji_Hyouji("[㎡]", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("qgc", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("Igc", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("A", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("Igc: ", kLightBlue);
    w.Moji_Hyouji("ガラス面よりの対流、および伝導による熱量", kGreen);
    w.Moji_Hyouji("[kcal/㎡・h]", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("Igc", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("K", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("⊿t", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("K: ", kLightBlue);
    w.Moji_Hyouji("熱貫流率", kGreen);
    w.Moji_Hyouji("[kcal/㎡・h・℃] ", kBlack);
    w.Moji_Hyouji("⊿t: ", kLightBlue);
    w.Moji_Hyouji("相当温度差", kGreen);
    w.Moji_Hyouji("[℃]", kBlack);
    w.Kaigyou();
    w.Kaigyou();

    const int heading = w.Row();
    Mado_Midasi(w);
    const int first = w.Row();
    w.MarkTable(heading, first, load.hasGlass ? first + kGlassTotalOffset + 1 : first);
    if (!load.hasGlass) {
        return;
    }
    for (const calc::GlassElement& g : load.Glass()) {
        GlassRow(w, g);
    }
    w.SetRow(first + kGlassTotalOffset);
    HourSums(w, load.R);
    w.Migi_Hyouji(Fixed2(load.C), 19, kMagenta);
    w.Kaigyou();
    MaximumLine(w, "窓最大負荷", load.madoMax);
    w.Kaigyou();
    w.Kaigyou();
    MaximumLine(w, "壁窓合計負荷", load.totalMax);
}

Sheet BuildStructuralSheet(const calc::StructuralLoad& load, const TextMetrics& metrics) {
    return BuildStructuralSheet(load, metrics, Sheet{});
}

Sheet BuildStructuralSheet(const calc::StructuralLoad& load, const TextMetrics& metrics,
                           Sheet&& storage) {
    SheetWriter w(metrics, std::move(storage));
    Kabe_Hyouji(w, load);
    Garasu_Hyouji(w, load);
    return w.Take();
}

}  // namespace karumoa::sheet
