// The internal load report: for occupants, lighting and ventilation the
// formula in symbols, the legend, the formula with the numbers substituted
// and the result, as coloured runs that flow along each line.

#include <string>
#include <utility>

#include "calc/calc_texts.h"
#include "calc/situnai_keisan.h"
#include "sheet/report_sheets.h"
#include "sheet/sheet_numbers.h"

namespace karumoa::sheet {
namespace {

using calc::LightingMode;
using detail::Fixed1;
using detail::Fixed2;
using detail::IntegerText;

// "<label> = <value>[kcal/h]", the last line of each section.
void ResultLine(SheetWriter& w, std::string_view label, float value) {
    w.Moji_Hyouji(label, kLightMagenta);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji(Fixed2(value), kLightMagenta);
    w.Moji_Hyouji("[kcal/h]", kBlack);
}

// The legend of both mixed modes. Its second line starts under the first
// line's "AWk: ", where the pen stood after the qe legend.
void MixedLegend(SheetWriter& w) {
    w.Moji_Hyouji("qe ", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("( ", kBlack);
    w.Moji_Hyouji("AWk", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("qeks", kLightBlue);
    w.Moji_Hyouji(" )", kBlack);
    w.Moji_Hyouji(" + ", kBlack);
    w.Moji_Hyouji("( ", kBlack);
    w.Moji_Hyouji("AWh", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("qehs", kLightBlue);
    w.Moji_Hyouji(" )", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("qe: ", kLightBlue);
    w.Moji_Hyouji("照明器具の発生熱量", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    const int legendX = w.X();
    w.Moji_Hyouji("AWk: ", kLightBlue);
    w.Moji_Hyouji("蛍光灯の全出力", kGreen);
    w.Moji_Hyouji("[Kw] ", kBlack);
    w.Moji_Hyouji("qeks: ", kLightBlue);
    w.Moji_Hyouji("蛍光灯1Kw当たりの顕熱", kGreen);
    w.Moji_Hyouji("[kcal/h]", kBlack);
    w.Kaigyou();

    w.SetX(legendX);
    w.Moji_Hyouji("AWh: ", kLightBlue);
    w.Moji_Hyouji("白熱灯の全出力", kGreen);
    w.Moji_Hyouji("[Kw] ", kBlack);
    w.Moji_Hyouji("qehs: ", kLightBlue);
    w.Moji_Hyouji("白熱灯1Kw当たりの顕熱", kGreen);
    w.Moji_Hyouji("[kcal/h]", kBlack);
    w.Kaigyou();
}

// The two legend lines of the one-lamp modes.
void SingleLegend(SheetWriter& w, bool fluorescent) {
    w.Moji_Hyouji("qe", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("AW", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("qes", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("qe: ", kLightBlue);
    w.Moji_Hyouji("照明器具の発生熱量", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("AW: ", kLightBlue);
    w.Moji_Hyouji(fluorescent ? "蛍光灯の全出力" : "白熱灯の全出力", kGreen);
    w.Moji_Hyouji("[Kw] ", kBlack);
    w.Moji_Hyouji("qes: ", kLightBlue);
    w.Moji_Hyouji(fluorescent ? "蛍光灯1Kw当たりの顕熱" : "白熱灯1Kw当たりの顕熱", kGreen);
    w.Moji_Hyouji("[kcal/h]", kBlack);
    w.Kaigyou();
}

// "( <AWk> × 1000" then `middle` then "( <AWh> × 860 )": the two mixed
// modes differ only in how the first bracket is closed.
void MixedValues(SheetWriter& w, const calc::LightingLoad& l, bool closeAsOneRun) {
    w.Moji_Hyouji("qe ", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("( ", kBlack);
    w.Moji_Hyouji(Fixed2(l.AWk), kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(calc::kKeikoutou.heatPerKwText, kLightBlue);
    if (closeAsOneRun) {
        w.Moji_Hyouji(" ) + ", kBlack);
    } else {
        w.Moji_Hyouji(" )", kBlack);
        w.Moji_Hyouji(" + ", kBlack);
    }
    w.Moji_Hyouji("( ", kBlack);
    w.Moji_Hyouji(Fixed2(l.AWh), kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(calc::kHakunetutou.heatPerKwText, kLightBlue);
    w.Moji_Hyouji(" )", kBlack);
}

void IlluminanceLines(SheetWriter& w, const calc::LightingLoad& l) {
    const calc::LampConstants& lamp = calc::Lamp(l.fluorescent);

    w.Moji_Hyouji("W", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("(", kBlack);
    w.Moji_Hyouji("(", kBlack);
    w.Moji_Hyouji("C", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("b", kLightBlue);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(" ÷ ", kBlack);
    w.Moji_Hyouji("(", kBlack);
    w.Moji_Hyouji("K", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("η", kLightBlue);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("E", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("W: ", kLightBlue);
    w.Moji_Hyouji("1㎡当たりの発生熱量", kGreen);
    w.Moji_Hyouji("[W/㎡] ", kBlack);
    w.Moji_Hyouji("C :", kLightBlue);
    w.Moji_Hyouji("減光補償率 ", kGreen);
    w.Moji_Hyouji("b :", kLightBlue);
    w.Moji_Hyouji("蛍光灯,白熱灯のバラスト損失率 ", kGreen);
    w.Kaigyou();

    w.Moji_Hyouji("K: ", kLightBlue);
    w.Moji_Hyouji("照明率 ", kGreen);
    w.Moji_Hyouji("η: ", kLightBlue);
    w.Moji_Hyouji("器具の照明効率", kGreen);
    w.Moji_Hyouji("[lm/W] ", kBlack);
    w.Moji_Hyouji("E: ", kLightBlue);
    w.Moji_Hyouji("照度", kGreen);
    w.Moji_Hyouji("[lx]", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("W", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("(", kBlack);
    w.Moji_Hyouji("(", kBlack);
    w.Moji_Hyouji(lamp.cText, kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(lamp.bText, kLightBlue);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(" ÷ ", kBlack);
    w.Moji_Hyouji("(", kBlack);
    // The factor is printed with one decimal (0.65 as 0.7); the
    // calculation used it whole.
    w.Moji_Hyouji(l.kText, kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(lamp.etaText, kLightBlue);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(IntegerText(l.E), kLightBlue);
    w.Kaigyou();
    w.Kaigyou();

    w.Moji_Hyouji("W", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji(Fixed2(l.W), kLightBlue);
    w.Moji_Hyouji("[W/㎡]", kBlack);
    w.Kaigyou();
    w.Kaigyou();

    w.Moji_Hyouji("qe", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji(lamp.heatFactorText, kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("W", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("A", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("qe: ", kLightBlue);
    w.Moji_Hyouji("照明器具の発生熱量", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("W: ", kLightBlue);
    w.Moji_Hyouji("1㎡当たりの発生熱量", kGreen);
    w.Moji_Hyouji("[W/㎡] ", kBlack);
    w.Moji_Hyouji("A: ", kLightBlue);
    w.Moji_Hyouji("室面積", kGreen);
    w.Moji_Hyouji("[㎡]", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("pe", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji(lamp.heatFactorText, kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(Fixed2(l.W), kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(Fixed2(l.A), kLightBlue);
}

}  // namespace

void Jintai_Hyouji(SheetWriter& w, const calc::OccupantLoad& o) {
    w.Moji_Sunpou(1);

    w.Moji_Hyouji("qp", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("(", kBlack);
    w.Moji_Hyouji("qps", kLightBlue);
    w.Moji_Hyouji(" + ", kBlack);
    w.Moji_Hyouji("qpl", kLightBlue);
    w.Moji_Hyouji(")", kBlack);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(" NP", kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("qp: ", kLightBlue);
    w.Moji_Hyouji("人体発生熱量 ", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("qps: ", kLightBlue);
    w.Moji_Hyouji("人体から発生する顕熱 ", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("qpl: ", kLightBlue);
    w.Moji_Hyouji("人体から発生する潜熱 ", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("NP: ", kLightBlue);
    w.Moji_Hyouji("人数", kGreen);
    w.Moji_Hyouji("(人)", kBlack);
    w.Kaigyou();

    w.Moji_Hyouji("qp", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("( ", kBlack);
    w.Moji_Hyouji(IntegerText(o.qps), kLightBlue);
    w.Moji_Hyouji(" + ", kBlack);
    w.Moji_Hyouji(IntegerText(o.qpl), kLightBlue);
    w.Moji_Hyouji(" )", kBlack);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(Fixed2(o.NP), kLightBlue);
    w.Kaigyou();

    w.Moji_Hyouji("            NP", kLightBlue);
    switch (o.mode) {
        case calc::NinzuuMode::HeadCount:
            w.Moji_Hyouji(" = 実人数", kBlack);
            break;
        case calc::NinzuuMode::PerArea:
        case calc::NinzuuMode::Density:
            // The typed density has no blank before it, the place's has.
            w.Moji_Hyouji(o.mode == calc::NinzuuMode::PerArea ? " = 面積当たり" : " = 面積当たり ",
                          kBlack);
            w.Moji_Hyouji(Fixed1(o.density) + " 人", kLightBlue);
            w.Moji_Hyouji(" × ", kBlack);
            w.Moji_Hyouji(Fixed2(o.A), kLightBlue);
            w.Moji_Hyouji(" ㎡", kBlack);
            break;
    }
    w.Kaigyou();
    w.Kaigyou();

    ResultLine(w, "人体発生熱量", o.qp);
}

void Syoumei_Hyouji(SheetWriter& w, const calc::LightingLoad& l) {
    w.Kaigyou();
    w.Kaigyou();

    const calc::LampConstants& lamp = calc::Lamp(l.fluorescent);
    switch (l.mode) {
        case LightingMode::OutputMixed:
            MixedLegend(w);
            MixedValues(w, l, true);
            break;
        case LightingMode::FixturesMixed:
            MixedLegend(w);
            MixedValues(w, l, false);
            break;
        case LightingMode::OutputSingle:
            SingleLegend(w, l.fluorescent);
            w.Moji_Hyouji("qe: ", kLightBlue);
            w.Moji_Hyouji(" = ", kBlack);
            w.Moji_Hyouji(Fixed2(l.AW), kLightBlue);
            w.Moji_Hyouji(" × ", kBlack);
            w.Moji_Hyouji(lamp.heatPerKwText, kLightBlue);
            break;
        case LightingMode::FixturesSingle:
            SingleLegend(w, l.fluorescent);
            w.Moji_Hyouji("qe", kLightBlue);
            w.Moji_Hyouji(" = ", kBlack);
            w.Moji_Hyouji(l.fluorescent ? "蛍光灯 " : "白熱灯 ", kGreen);
            w.Moji_Hyouji("(", kBlack);
            w.Moji_Hyouji(l.fixtureText, kLightBlue);
            w.Moji_Hyouji(" )", kBlack);
            w.Moji_Hyouji(" × ", kBlack);
            w.Moji_Hyouji(IntegerText(l.count), kLightBlue);
            w.Moji_Hyouji(" × ", kBlack);
            w.Moji_Hyouji(lamp.heatPerKwText, kLightBlue);
            break;
        case LightingMode::Illuminance:
            IlluminanceLines(w, l);
            break;
    }
    w.Kaigyou();
    w.Kaigyou();

    ResultLine(w, "照明発生熱量", l.qe);
}

void Kanki_Hyouji(SheetWriter& w, const calc::VentilationLoad& v) {
    w.Kaigyou();
    w.Kaigyou();

    const bool kuutyou = !v.ordinary;
    w.Moji_Hyouji("qv", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji("γ", kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji("V", kLightBlue);
    w.Moji_Hyouji(" ×", kBlack);
    w.Moji_Hyouji("⊿i", kLightBlue);
    if (kuutyou) {
        w.Moji_Hyouji(" × ", kBlack);
        w.Moji_Hyouji("( ", kBlack);
        w.Moji_Hyouji("1 - ⊿e", kLightBlue);
        w.Moji_Hyouji(" )", kBlack);
    }
    w.Kaigyou();

    w.Moji_Hyouji("qv: ", kLightBlue);
    w.Moji_Hyouji(" 換気負荷", kGreen);
    w.Moji_Hyouji("[kcal/h] ", kBlack);
    w.Moji_Hyouji("γ: ", kLightBlue);
    w.Moji_Hyouji("空気の比重", kGreen);
    w.Moji_Hyouji("[kg/㎡] ", kBlack);
    w.Moji_Hyouji("V: ", kLightBlue);
    w.Moji_Hyouji("必要換気量", kGreen);
    w.Moji_Hyouji("[㎡/h] ", kBlack);
    w.Moji_Hyouji("⊿i: ", kLightBlue);
    if (kuutyou) {
        w.Moji_Hyouji("ｴﾝﾀﾙﾋﾟ差", kGreen);
        w.Moji_Hyouji("[kcal/kg]", kBlack);
        w.Moji_Hyouji("⊿e: ", kLightBlue);
        w.Moji_Hyouji("ｴﾝﾀﾙﾋﾟ交換効率 ", kGreen);
        w.Moji_Hyouji("[%]", kBlack);
    } else {
        w.Moji_Hyouji("エンタルピ差", kGreen);
        w.Moji_Hyouji("[kcal/kg]", kBlack);
    }
    w.Kaigyou();

    w.Moji_Hyouji("qv", kLightBlue);
    w.Moji_Hyouji(" = ", kBlack);
    w.Moji_Hyouji(calc::kGammaText, kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(Fixed2(v.V), kLightBlue);
    w.Moji_Hyouji(" × ", kBlack);
    w.Moji_Hyouji(Fixed2(v.di), kLightBlue);
    if (kuutyou) {
        w.Moji_Hyouji(" × ", kBlack);
        w.Moji_Hyouji("( ", kBlack);
        w.Moji_Hyouji("1 - ", kLightBlue);
        w.Moji_Hyouji(v.deText, kLightBlue);
        w.Moji_Hyouji(" )", kBlack);
    }
    w.Kaigyou();
    w.Kaigyou();

    ResultLine(w, "換気損失熱量", v.qv);
}

Sheet BuildInternalSheet(const calc::InternalLoad& load, const TextMetrics& metrics) {
    return BuildInternalSheet(load, metrics, Sheet{});
}

Sheet BuildInternalSheet(const calc::InternalLoad& load, const TextMetrics& metrics,
                         Sheet&& storage) {
    SheetWriter w(metrics, std::move(storage));
    Jintai_Hyouji(w, load.occupant);
    Syoumei_Hyouji(w, load.lighting);
    Kanki_Hyouji(w, load.ventilation);
    return w.Take();
}

}  // namespace karumoa::sheet
