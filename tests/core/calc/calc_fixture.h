#pragma once

// Reference tables and rooms for the calculation tests. The tables are
// copies of the shipped sources (data/reference/*.csv); a test changes the
// cells its case needs before building the reference data.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/codes.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace karumoa::calc::test {

enum TableIndex { kGaiki, kDendouritu, kOndosa, kNissya, kJintai, kSyoudo, kKanki };

class TableSet {
public:
    TableSet();

    // Sets the cell of record `row` (0-based, below the header) and field
    // ordinal `column` of table `table`.
    void Set(TableIndex table, int row, int column, std::string text) {
        rows_[table].at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) =
            std::move(text);
    }

    refdb::ReferenceData Build() const {
        std::array<refdb::Table, 7> tables;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            std::vector<std::string> cells;
            for (const auto& row : rows_[i]) {
                cells.insert(cells.end(), row.begin(), row.end());
            }
            tables[i] = refdb::Table(std::string(refdb::ReferenceData::kFiles[i]),
                                     std::string(refdb::ReferenceData::kTables[i]), columns_[i],
                                     std::move(cells));
        }
        refdb::LoadError error;
        auto data = refdb::ReferenceData::FromTables(std::move(tables), &error);
        EXPECT_TRUE(data.has_value()) << error.message;
        return std::move(*data);
    }

private:
    std::array<std::vector<std::string>, 7> columns_;
    std::array<std::vector<std::vector<std::string>>, 7> rows_;
};

inline std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ',')) {
        cells.push_back(cell);
    }
    return cells;
}

inline TableSet::TableSet() {
    // Header line first, then the records, as in data/reference.
    static const std::array<const char*, 7> kSources{
        R"(地点,乾球温度(0-24時),乾球温度(8-17時),露点温度(0-24時),露点温度(8-17時)
鹿児島,32.5,33.3,25.6,25.7
宮崎,32.0,32.7,25.7,25.8
福岡,32.8,33.5,25.3,25.3
大阪,33.1,33.8,25.0,24.9
名古屋,32.9,33.7,24.8,24.7
東京,31.9,32.6,24.6,24.6
銚子,29.3,29.8,24.4,24.5
前橋,32.7,33.6,24.0,23.8
仙台,29.9,30.6,23.4,23.4
新潟,31.7,32.4,24.2,24.2
秋田,30.5,31.2,23.4,23.3
函館,27.4,28.0,21.8,21.9
札幌,28.1,28.8,21.3,21.2
稚内,24.9,25.4,20.2,20.3)",
        R"(セメント,タイル,木,木質繊維,土,石,プラスチック,石膏,保温材,プラスチック保温材
普通コンクリート,タイル,杉・ひのき,インシュレーションボード,土壁,花崗岩,塩化ビニル板,せっこうボード,グラスウール10K,ビーズ法ポリスチレン特号
1.4,1.1,0.10,0.040,0.59,2.5,0.15,0.19,0.043,0.029
軽量コンクリート1種,普通れんが,松・ラワン,ハードボード,しっくい,大理石,ビニル床タイル,せっこうプラスター,グラスウール16K,押出法ポリスチレン1種
0.70,0.53,0.13,0.15,0.60,2.2,0.16,0.52,0.039,0.034
軽量コンクリート2種,耐火れんが,なら・ぶな,パーティクルボード,繊維壁,砂岩,リノリウム, ,グラスウール24K,押出法ポリスチレン3種
0.50,0.85,0.16,0.13,0.10,2.0,0.16, ,0.033,0.024
ALCパネル,瓦,合板,木毛セメント板,土(ローム質),石灰岩,アクリル板, ,グラスウール32K,硬質ウレタンフォーム板
0.15,0.83,0.14,0.13,0.86,1.1,0.17, ,0.031,0.021
セメントモルタル,板ガラス, ,木片セメント板,砂利, ,ゴムシート, ,ロックウール,吹付け硬質ウレタン
1.3,0.67, ,0.15,0.53, ,0.21, ,0.033,0.029
重量ブロック, , ,畳, , , , ,吹込みロックウール,ポリエチレンフォーム
0.95, , ,0.095, , , , ,0.040,0.033
スレート板, , , , , , , ,セルローズファイバー,フェノールフォーム
0.83, , , , , , , ,0.034,0.019)",
        R"(区分,屋根(水平),北,北東,東,南東,南,南西,西,北西,床
壁G0 10時,24.7,6.3,16.5,23.7,20.6,9.2,6.0,6.1,6.0,3.3
壁G0 12時,34.8,7.8,9.8,15.3,18.3,15.1,9.6,7.7,7.7,3.3
壁G0 14時,36.1,8.7,8.9,9.6,10.8,16.1,19.0,16.5,10.4,3.3
壁G0 16時,28.0,8.6,8.6,8.7,8.9,11.6,23.2,26.3,19.2,3.3
壁G1 10時,12.8,4.7,13.5,17.7,13.9,5.0,4.0,4.1,4.0,3.3
壁G1 12時,24.3,6.2,12.0,18.0,17.2,10.1,6.2,5.9,5.9,3.3
壁G1 14時,31.4,7.5,10.2,13.3,14.3,13.7,12.2,10.0,7.6,3.3
壁G1 16時,31.0,8.2,9.4,10.8,11.3,13.4,18.4,18.4,13.0,3.3
壁G2 10時,4.6,3.2,7.8,9.5,7.2,2.8,3.0,3.1,2.9,3.3
壁G2 12時,12.5,4.4,10.1,13.8,11.7,5.6,4.2,4.3,4.1,3.3
壁G2 14時,20.4,5.6,9.8,13.5,13.2,9.0,6.9,6.0,5.5,3.3
壁G2 16時,25.1,6.7,9.5,12.1,12.1,11.1,11.5,10.6,7.9,3.3
壁G3 10時,3.3,2.9,5.1,5.9,4.7,2.8,3.6,3.9,3.3,3.3
壁G3 12時,7.3,3.6,7.6,9.7,7.9,4.0,4.0,4.2,3.8,3.3
壁G3 14時,13.0,4.5,8.5,11.5,10.4,6.2,5.1,5.0,4.6,3.3
壁G3 16時,18.2,5.4,8.7,11.5,11.0,8.4,7.8,7.1,5.8,3.3
壁G4 10時,5.1,3.3,4.3,5.0,4.6,3.8,5.0,5.4,4.5,3.3
壁G4 12時,5.9,3.5,5.7,6.8,5.8,3.8,4.7,5.1,4.3,3.3
壁G4 14時,8.6,3.9,6.9,8.8,7.7,4.7,4.9,5.2,4.5,3.3
壁G4 16時,12.2,4.5,7.6,9.8,9.0,6.1,5.9,5.8,5.0,3.3)",
        R"(時刻,水平,北,北東,東,南東,南,南西,西,北西
10時,620,36,105,311,311,104,36,36,36
12時,705,38,38,38,104,159,104,38,38
14時,620,36,36,36,36,104,311,311,105
16時,383,32,32,32,32,32,353,514,359)",
        R"(項目,事務所,学校,劇場,図書館,美術館,百貨店,レストラン,工場
場所1,事務室,普通教室,客席,閲覧室,展示室,売場,客席,軽作業場
人員密度1(人/m2),0.2,0.6,1.5,0.5,0.3,0.5,0.7,0.2
場所2,会議室,講堂,ロビー,書庫,ロビー,食品売場,厨房,重作業場
人員密度2(人/m2),0.5,1.0,0.3,0.1,0.2,1.0,0.1,0.1
顕熱1(kcal/h人),54,54,54,54,55,55,60,60
潜熱1(kcal/h人),47,34,34,34,58,58,78,129
顕熱2(kcal/h人),54,50,55,55,55,55,60,83
潜熱2(kcal/h人),47,33,58,58,58,58,129,169
照度1(lx),750,300,200,500,200,750,300,500
照度2(lx),500,200,200,200,500,750,500,200
外気量1(m3/h人),30,20,20,20,30,30,30,30
外気量2(m3/h人),30,20,30,30,30,30,30,30)",
        R"(照度(lx),事務所,病院,百貨店,ホテル,美術館,工場
2000,－,－,－,－,－,超精密な視作業
1500,－,－,重要陳列部,－,－,極めて細かい組立、検査
1000,－,手術室,－,－,彫刻(石・金属)、造形物、模型,精密な視作業
750,事務室、役員室、設計室、製図室,－,一般陳列部、レジ、包装台,－,－,細かい組立、検査、製図室
500,会議室、応接室、印刷室、電子計算機室,診察室、救急室、分娩室,エスカレータ、エレベータホール,－,洋画、彫刻(プラスタ・木)、研究室,普通の組立、検査、計器盤監視
300,受付、化粧室、エレベータホール,－,－,フロント、食堂,－,倉庫内の事務
200,更衣室、便所、洗面所,待合室、外来の廊下、面会室,便所、洗面所,宴会場、便所、洗面所,日本画、工芸品、一般陳列品,粗な視作業、電気室、便所
150,階段,－,階段,階段,－,荷積み、荷降ろし、階段
100,休憩室、廊下、エレベータ,病室、便所、更衣室、霊安室,休憩室,客室、ロビー、廊下,はく製品、標本、食堂、廊下,ごく粗な視作業、倉庫、廊下
50,屋内非常階段,－,－,－,収蔵庫,屋内非常階段)",
        R"(会議室,バー、キャバレー,事務所,レストラン,商店、デパート,劇場,病院
51,42.5,17,20.4,17,17,42.5
85,51,25.5,25.5,25.5,25.5,51)"};
    for (std::size_t i = 0; i < kSources.size(); ++i) {
        std::istringstream in(kSources[i]);
        std::string line;
        std::getline(in, line);
        columns_[i] = SplitCsvLine(line);
        while (std::getline(in, line)) {
            rows_[i].push_back(SplitCsvLine(line));
        }
    }
}

// A one-layer element of `thickness` mm.
inline std::shared_ptr<model::Kabe_Data> Element(int houi, int yoko, int tate, float K,
                                                 int thickness = 100, bool kuuki = false,
                                                 int zokusei = 0) {
    auto e = std::make_shared<model::Kabe_Data>();
    e->SetData({"", "普通コンクリート", ""}, {0.0f, 1.4f, 0.0f},
               {0, static_cast<std::int16_t>(thickness), 0}, yoko, tate,
               static_cast<std::int16_t>(houi), kuuki, K, static_cast<std::int16_t>(zokusei));
    return e;
}

// A window set of total area `menseki` (one window type, as the window
// dialog stores it; an area of 0 is a set without windows).
inline std::shared_ptr<model::Mado_Data> Windows(int houi, float menseki, bool braindo = false) {
    auto m = std::make_shared<model::Mado_Data>();
    if (menseki == 0.0f) {
        m->SetData({0, 0}, {0, 0}, {0, 0}, braindo, 0.0f, static_cast<std::int16_t>(houi));
    } else {
        m->SetData({0, 1000, 0}, {0, 1000, 0}, {0, 1, 0}, braindo, menseki,
                   static_cast<std::int16_t>(houi));
    }
    return m;
}

// Appends a wall and its window set.
inline void AddWall(model::RoomModel& room, int houi, int yoko, int tate, float K,
                    float menseki = 0.0f, int zokusei = 0, int thickness = 100,
                    bool braindo = false) {
    room.Kabe.Add(Element(houi, yoko, tate, K, thickness, false, zokusei));
    room.Mado.Add(Windows(houi, menseki, braindo));
}

}  // namespace karumoa::calc::test
