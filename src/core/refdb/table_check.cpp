// What the look-ups need of each table, checked once when a table is loaded
// and again when the database builder makes it, so that no look-up ever
// reads past a table or turns a malformed cell into a silent number.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/room_fields.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"
#include "text/shift_jis.h"

namespace karumoa::refdb {
namespace {

enum class NumberKind { Single, Int16 };

// What each kind of design value can plausibly be. A cell outside is a
// slip of the keyboard (an exponent, a misplaced point, a sign) that the
// calculations would otherwise use as it stands, up to loads that
// overflow. The bounds are wide: they catch the impossible, not the
// unusual.
constexpr model::ValueRange kTemperature{-50, 60, false, "℃"};
constexpr model::ValueRange kDte{-50, 80, false, "℃"};
constexpr model::ValueRange kSolarGain{0, 1500, false, "kcal/㎡h"};
// Persons per m2 as the occupant dialog takes them typed in.
constexpr model::ValueRange kDensity = model::Setting("Soutou_Ninzuu").range;
constexpr model::ValueRange kHeatPerPerson{0, 500, false, "kcal/h人"};
constexpr model::ValueRange kIlluminance{0, 10000, false, "lx"};
constexpr model::ValueRange kRatePerPerson{0, 500, false, "㎥/h人"};

// A block of cells that the look-ups read as numbers, and the values they
// may hold. Last row or column -1 means up to the end of the table.
struct NumberBlock {
    int firstRow;
    int lastRow;
    int firstColumn;
    int lastColumn;
    NumberKind kind;
    model::ValueRange range;
};

struct TableNeeds {
    int rows;
    int columns;
    std::vector<NumberBlock> numbers;
};

const TableNeeds& NeedsOf(std::size_t index) {
    using K = NumberKind;
    static const std::array<TableNeeds, 7> needs{{
        // Gaiki: 14 cities; the 8-17 h dry-bulb column is checked by name.
        {14, 5, {}},
        // Dendouritu: 7 name/conductivity pairs in 10 categories; the pairs
        // are checked on their own.
        {14, 10, {}},
        // Soutou_Ondosa: 5 groups of 4 hours, codes 0..9 in fields 1..10.
        {20, 11, {{0, 19, 1, 10, K::Single, kDte}}},
        // Neturyou: 4 hours, codes 0..8 in fields 1..9.
        {4, 10, {{0, 3, 1, 9, K::Int16, kSolarGain}}},
        // Kyojyuu_Ninzuu: every building-type column may be asked for:
        // densities, sensible and latent heat of both places, their
        // illuminances and ventilation rates.
        {12,
         9,
         {{1, 1, 1, -1, K::Single, kDensity},
          {3, 3, 1, -1, K::Single, kDensity},
          {4, 7, 1, -1, K::Int16, kHeatPerPerson},
          {8, 9, 1, -1, K::Int16, kIlluminance},
          {10, 11, 1, -1, K::Single, kRatePerPerson}}},
        // Syoudo: one level per record, places of building types 1..6. A
        // new room starts on level 1, so at least two levels.
        {2, 7, {{0, -1, 0, 0, K::Int16, kIlluminance}}},
        // KankiRyou: minimum and recommended rates of the places.
        {2, 7, {{0, 1, 0, -1, K::Single, kRatePerPerson}}},
    }};
    return needs[index];
}

std::string Subject(const Table& t) {
    return "参照データファイル「" + t.File() + "」のテーブル「" + t.Name() + "」";
}

std::string CellPlace(const Table& t, int row, int column) {
    return std::to_string(row + 1) + " 行目 " + std::to_string(column + 1) + " 列目（" +
           t.ColumnNames()[static_cast<std::size_t>(column)] + "）";
}

bool Fail(const Table& t, std::string message, LoadError* error, int row = -1, int column = -1) {
    if (error) {
        *error = LoadError{t.File(), t.Name(), std::move(message), row, column};
    }
    return false;
}

bool FailAt(const Table& t, int row, int column, const std::string& what, LoadError* error) {
    return Fail(t, Subject(t) + "の " + CellPlace(t, row, column) + what, error, row, column);
}

// A cell read as a number must be one, whole (blanks around it aside), and
// fit the width it is read into: a typing error in a table would otherwise
// be read as 0 or as its leading digits. Returns the value as the look-ups
// read it, or nullopt.
std::optional<double> NumberOf(const std::string& cell, NumberKind kind) {
    const std::size_t first = cell.find_first_not_of(" \t");
    const std::size_t last = cell.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<double> value =
        text::ParseNumberField(std::string_view(cell).substr(first, last - first + 1));
    if (!value) {
        return std::nullopt;
    }
    if (kind == NumberKind::Single) {
        const std::optional<float> f = text::ToSingle(*value);
        return f ? std::optional<double>(*f) : std::nullopt;
    }
    const std::optional<std::int16_t> i = text::ToInt16(*value);
    return i ? std::optional<double>(*i) : std::nullopt;
}

bool CheckNumbers(const Table& t, int firstRow, int lastRow, int firstColumn, int lastColumn,
                  NumberKind kind, const model::ValueRange& range, LoadError* error) {
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            const std::string& cell = t.Cell(r, c);
            const std::optional<double> value = NumberOf(cell, kind);
            if (!value) {
                return FailAt(t, r, c, "の値「" + cell + "」は数値でないか、範囲外です。", error);
            }
            if (!range.Contains(*value)) {
                return FailAt(
                    t, r, c,
                    "の値「" + cell + "」はありえない値です（" + model::RangeText(range) + "）。",
                    error);
            }
        }
    }
    return true;
}

// The project file stores material names between double quotes without
// escapes, so a name may hold none of the characters that would end its
// field or its line.
bool NameStorable(const std::string& name) {
    return name.find_first_of(",\"\r\n") == std::string::npos;
}

// The pairs the conductivity lists read (see MaterialList): a listed name
// needs a positive conductivity, and a list ends in the name and the
// conductivity slot together.
bool CheckMaterials(const Table& t, LoadError* error) {
    for (int c = 0; c < 10; ++c) {
        for (int i = 0; i < ReferenceData::kMaxMaterials; ++i) {
            const int nameRow = 2 * i;
            const std::string& name = t.Cell(nameRow, c);
            const std::string& value = t.Cell(nameRow + 1, c);
            if (name == " ") {
                if (value != " ") {
                    return FailAt(t, nameRow + 1, c,
                                  "の熱伝導率「" + value + "」に材料名がありません。", error);
                }
                break;
            }
            if (name.empty()) {
                return FailAt(t, nameRow, c, "の材料名が空です。", error);
            }
            if (!NameStorable(name)) {
                return FailAt(
                    t, nameRow, c,
                    "の材料名「" + name + "」にカンマ、二重引用符または改行が含まれています。",
                    error);
            }
            // The name must come back from the project file as it went in:
            // a character without a code page 932 form, or one written as a
            // look-alike (U+301C as U+FF5E), would not.
            std::string encoded;
            std::string decoded;
            if (!text::Utf8ToCp932(name, encoded) || !text::Cp932ToUtf8(encoded, decoded) ||
                decoded != name) {
                return FailAt(
                    t, nameRow, c,
                    "の材料名「" + name + "」はプロジェクトファイルの文字コードで書けません。",
                    error);
            }
            const std::optional<double> parsed = text::ParseNumberField(value);
            const std::optional<float> lambda = parsed ? text::ToSingle(*parsed) : std::nullopt;
            if (!lambda || !(*lambda > 0.0f)) {
                return FailAt(t, nameRow + 1, c,
                              "の熱伝導率「" + value + "」が正の数ではありません。", error);
            }
            // Project files hold the conductivities the dialog takes from
            // here; the reader takes exactly this range.
            if (!model::kNetuDendouritu.Contains(static_cast<double>(*lambda))) {
                return FailAt(t, nameRow + 1, c,
                              "の熱伝導率「" + value + "」はありえない値です（" +
                                  model::RangeText(model::kNetuDendouritu) + "）。",
                              error);
            }
        }
    }
    return true;
}

}  // namespace

bool ReferenceData::CheckTable(std::size_t index, const Table& t, LoadError* error) {
    if (index >= kTables.size()) {
        return Fail(t, "参照テーブルの番号 " + std::to_string(index) + " は不正です。", error);
    }
    const TableNeeds& needs = NeedsOf(index);
    if (t.RowCount() < needs.rows) {
        return Fail(t,
                    Subject(t) + "は " + std::to_string(needs.rows) + " 行以上必要ですが、" +
                        std::to_string(t.RowCount()) + " 行しかありません。",
                    error);
    }
    if (t.ColumnCount() < needs.columns) {
        return Fail(t,
                    Subject(t) + "は " + std::to_string(needs.columns) + " 列以上必要ですが、" +
                        std::to_string(t.ColumnCount()) + " 列しかありません。",
                    error);
    }
    for (const NumberBlock& b : needs.numbers) {
        const int lastRow = b.lastRow < 0 ? t.RowCount() - 1 : b.lastRow;
        const int lastColumn = b.lastColumn < 0 ? t.ColumnCount() - 1 : b.lastColumn;
        if (!CheckNumbers(t, b.firstRow, lastRow, b.firstColumn, lastColumn, b.kind, b.range,
                          error)) {
            return false;
        }
    }
    if (index == 0) {
        for (std::string_view name : kGaikiColumns) {
            if (t.ColumnIndex(name) < 0) {
                return Fail(t, Subject(t) + "に列「" + std::string(name) + "」がありません。",
                            error);
            }
        }
        // The calculations use the 8-17 h dry bulb; the outdoor dialog
        // shows all four.
        for (std::string_view name : kGaikiColumns) {
            const int column = t.ColumnIndex(name);
            if (!CheckNumbers(t, 0, t.RowCount() - 1, column, column, NumberKind::Single,
                              kTemperature, error)) {
                return false;
            }
        }
    }
    if (index == 1 && !CheckMaterials(t, error)) {
        return false;
    }
    return true;
}

}  // namespace karumoa::refdb
