// What the look-ups need of each table, checked once when a table is loaded
// and again when the database builder makes it, so that no look-up ever
// reads past a table or turns a malformed cell into a silent number.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "refdb/reference_data.h"
#include "text/number_text.h"
#include "text/shift_jis.h"

namespace karumoa::refdb {
namespace {

enum class NumberKind { Single, Int16 };

// A block of cells that the look-ups read as numbers. Last row or column
// -1 means up to the end of the table.
struct NumberBlock {
    int firstRow;
    int lastRow;
    int firstColumn;
    int lastColumn;
    NumberKind kind;
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
        {20, 11, {{0, 19, 1, 10, K::Single}}},
        // Neturyou: 4 hours, codes 0..8 in fields 1..9.
        {4, 10, {{0, 3, 1, 9, K::Int16}}},
        // Kyojyuu_Ninzuu: every building-type column may be asked for.
        {12,
         9,
         {{1, 1, 1, -1, K::Single},
          {3, 3, 1, -1, K::Single},
          {4, 9, 1, -1, K::Int16},
          {10, 11, 1, -1, K::Single}}},
        // Syoudo: one level per record, places of building types 1..6. A
        // new room starts on level 1, so at least two levels.
        {2, 7, {{0, -1, 0, 0, K::Int16}}},
        // KankiRyou: minimum and recommended rates of the places.
        {2, 7, {{0, 1, 0, -1, K::Single}}},
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
// be read as 0 or as its leading digits.
bool NumberFits(const std::string& cell, NumberKind kind) {
    const std::size_t first = cell.find_first_not_of(" \t");
    const std::size_t last = cell.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    const std::optional<double> value =
        text::ParseNumberField(std::string_view(cell).substr(first, last - first + 1));
    if (!value) {
        return false;
    }
    return kind == NumberKind::Single ? text::ToSingle(*value).has_value()
                                      : text::ToInt16(*value).has_value();
}

bool CheckNumbers(const Table& t, int firstRow, int lastRow, int firstColumn, int lastColumn,
                  NumberKind kind, LoadError* error) {
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            const std::string& cell = t.Cell(r, c);
            if (!NumberFits(cell, kind)) {
                return FailAt(t, r, c, "の値「" + cell + "」は数値でないか、範囲外です。", error);
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
            const std::optional<double> lambda = text::ParseNumberField(value);
            if (!lambda || !(*lambda > 0.0) || !text::ToSingle(*lambda)) {
                return FailAt(t, nameRow + 1, c,
                              "の熱伝導率「" + value + "」が正の数ではありません。", error);
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
        if (!CheckNumbers(t, b.firstRow, lastRow, b.firstColumn, lastColumn, b.kind, error)) {
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
        const int dryBulb = t.ColumnIndex(kGaikiColumns[1]);
        if (!CheckNumbers(t, 0, t.RowCount() - 1, dryBulb, dryBulb, NumberKind::Single, error)) {
            return false;
        }
    }
    if (index == 1 && !CheckMaterials(t, error)) {
        return false;
    }
    return true;
}

}  // namespace karumoa::refdb
