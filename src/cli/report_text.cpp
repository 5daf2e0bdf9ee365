#include <string>
#include <utility>

#include "calc/calc.h"
#include "room_report.h"
#include "sheet/plain_text.h"
#include "sheet/report_sheets.h"
#include "sheet/summary_rows.h"
#include "text/number_text.h"

namespace karumoa::cli {
namespace {

// The load total as the load total window lists it: the four partial
// loads, then their sum followed by the unit.
sheet::Sheet TotalsSheet(const calc::LoadTotals& t, const sheet::TextMetrics& metrics,
                         sheet::Sheet&& storage) {
    constexpr int kValueColumn = 10;
    sheet::SheetWriter w(metrics, std::move(storage));
    w.Moji_Sunpou(0);
    w.Hidari_Hyouji("項目", 0, sheet::kBlack);
    w.Migi_Hyouji("負荷", kValueColumn, sheet::kBlack);
    w.Kaigyou();
    for (const sheet::GoukeiRow& row : sheet::GoukeiRows(t)) {
        w.Hidari_Hyouji(row.item, 0, sheet::kBlack);
        w.Migi_Hyouji(text::FormatFixed(row.value, 2), kValueColumn, sheet::kBlack);
        w.Kaigyou();
    }
    w.Moji_Hyouji(text::FormatFixed(t.Sum(), 2) + "kcal/h", sheet::kBlack);
    return w.Take();
}

}  // namespace

void AppendTextReport(std::string& out, const RoomReport& r) {
    static const sheet::MonospaceMetrics metrics;
    // Each sheet is built in the memory of the same sheet of the room
    // before, which then allocates next to nothing.
    thread_local sheet::Sheet structural;
    thread_local sheet::Sheet internal;
    thread_local sheet::Sheet totals;
    out += "==== ";
    out += r.file;
    out += " ====\n地点: ";
    out += r.city;
    out += "  外気温度(8-17時): ";
    out += r.outdoorText;
    out += "℃  室内温度: ";
    out += text::FormatFixed(r.situon / 10.0, 1);
    out += "℃\n\n構造体負荷計算\n";
    structural = sheet::BuildStructuralSheet(*r.structural, metrics, std::move(structural));
    sheet::AppendPlainText(structural, out);
    out += "\n人体、照明、換気負荷計算\n";
    internal = sheet::BuildInternalSheet(*r.internal, metrics, std::move(internal));
    sheet::AppendPlainText(internal, out);
    out += "\n負荷合計\n";
    totals = TotalsSheet(*r.totals, metrics, std::move(totals));
    sheet::AppendPlainText(totals, out);
    out += '\n';
}

}  // namespace karumoa::cli
