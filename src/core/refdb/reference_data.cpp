#include "refdb/reference_data.h"

#include <cassert>
#include <filesystem>
#include <utility>

#include "text/number_text.h"

namespace karumoa::refdb {
namespace {

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

bool InRange(int index, int count) {
    return index >= 0 && index < count;
}

// A cell read the way the data engine handed numbers over: its leading
// number, in the width the caller stores. The table check has made sure
// every cell read this way fits, so the fallbacks are never reached with a
// loaded table.
float SingleOf(const std::string& cell) {
    return text::ToSingle(text::LeadingNumber(cell)).value_or(0.0f);
}
std::int16_t Int16Of(const std::string& cell) {
    return text::ToInt16(text::LeadingNumber(cell)).value_or(std::int16_t{0});
}

// The record of place `situnai` (1 or 2) in the occupant block that starts
// at `first` and holds `perPlace` records per place, or -1 when the place
// or the column is not in the table. The lookups walk the block from its
// start, one place after the other, so place p lands on first + perPlace *
// (p - 1).
int OccupantRecord(const Table& table, int first, int perPlace, int column, int situnai) {
    if (situnai < 1 || situnai > ReferenceData::kPlaceCount) {
        return -1;
    }
    if (column < 1 || column >= table.ColumnCount()) {
        return -1;
    }
    const int record = first + perPlace * (situnai - 1);
    return record < table.RowCount() ? record : -1;
}

}  // namespace

Table::Table(std::string file, std::string name, std::vector<std::string> columnNames,
             std::vector<std::string> cells)
    : file_(std::move(file)),
      name_(std::move(name)),
      columns_(std::move(columnNames)),
      cells_(std::move(cells)) {
    assert(columns_.empty() ? cells_.empty() : cells_.size() % columns_.size() == 0);
}

int Table::RowCount() const {
    return columns_.empty() ? 0 : static_cast<int>(cells_.size() / columns_.size());
}

int Table::ColumnIndex(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const std::string& Table::Cell(int row, int column) const {
    assert(InRange(row, RowCount()) && InRange(column, ColumnCount()));
    if (!InRange(row, RowCount()) || !InRange(column, ColumnCount())) {
        return EmptyText();
    }
    return cells_[static_cast<std::size_t>(row) * columns_.size() +
                  static_cast<std::size_t>(column)];
}

std::optional<ReferenceData> ReferenceData::Load(const std::string& dir, LoadError* error) {
    std::array<Table, 7> tables;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const std::filesystem::path path = std::filesystem::path(dir) / kFiles[i];
        std::optional<Table> table = ReadTable(path.string(), std::string(kTables[i]), error);
        if (!table) {
            return std::nullopt;
        }
        tables[i] = std::move(*table);
    }
    return FromTables(std::move(tables), error);
}

std::optional<ReferenceData> ReferenceData::FromTables(std::array<Table, 7> tables,
                                                       LoadError* error) {
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (!CheckTable(i, tables[i], error)) {
            return std::nullopt;
        }
    }
    ReferenceData data;
    data.tables_ = std::move(tables);
    for (std::size_t i = 0; i < kGaikiColumns.size(); ++i) {
        data.gaikiColumns_[i] = data.Gaiki().ColumnIndex(kGaikiColumns[i]);
    }
    return data;
}

// --- Outdoor conditions.

int ReferenceData::CityCount() const {
    return Gaiki().RowCount();
}

const std::string& ReferenceData::CityTemperatureText(int basyo, GaikiColumn column) const {
    assert(InRange(basyo, CityCount()));
    if (!InRange(basyo, CityCount())) {
        return EmptyText();
    }
    return Gaiki().Cell(basyo, gaikiColumns_[static_cast<std::size_t>(column)]);
}

double ReferenceData::OutdoorDryBulb(int basyo) const {
    return text::LeadingNumber(CityTemperatureText(basyo, GaikiColumn::DryBulb8_17));
}

// --- Conductivity.

std::vector<Material> ReferenceData::MaterialList(int category) const {
    const Table& t = Dendouritu();
    assert(category >= 1 && category <= 10);
    std::vector<Material> list;
    if (category < 1 || category > 10) {
        return list;
    }
    const int column = category - 1;
    // The names and the conductivities are two walks over the same column,
    // each ending at its own blank cell; the table check makes them end
    // together. Pairing them keeps a conductivity beside every name even
    // for a table that did not pass that check.
    std::vector<std::string> names;
    for (int i = 0, row = 0; i < kMaxMaterials && row < t.RowCount(); ++i, row += 2) {
        const std::string& cell = t.Cell(row, column);
        if (cell == " ") {
            break;
        }
        names.push_back(cell);
    }
    for (int i = 0, row = 1; i < kMaxMaterials && row < t.RowCount(); ++i, row += 2) {
        const std::string& cell = t.Cell(row, column);
        if (cell == " " || list.size() == names.size()) {
            break;
        }
        list.push_back(Material{names[list.size()], cell});
    }
    return list;
}

// --- Structural load tables.

DteGrid ReferenceData::Dte(int group) const {
    DteGrid grid{};
    assert(group >= 0 && group <= 4);
    if (group < 0 || group > 4) {
        return grid;
    }
    for (int h = 0; h < 4; ++h) {
        for (int c = 0; c < 10; ++c) {
            grid[static_cast<std::size_t>(h)][static_cast<std::size_t>(c)] =
                SingleOf(Soutou_Ondosa().Cell(4 * group + h, 1 + c));
        }
    }
    return grid;
}

IgrGrid ReferenceData::Igr() const {
    IgrGrid grid{};
    for (int h = 0; h < 4; ++h) {
        for (int c = 0; c < 9; ++c) {
            grid[static_cast<std::size_t>(h)][static_cast<std::size_t>(c)] =
                Int16Of(Neturyou().Cell(h, 1 + c));
        }
    }
    return grid;
}

// --- Occupant table.

void ReferenceData::Basyo_Kaesi(int tatemono, int situnai, std::string& Heya, float& Hito) const {
    const int record = OccupantRecord(Kyojyuu_Ninzuu(), 0, 2, tatemono, situnai);
    if (record < 0) {
        return;
    }
    Heya = Kyojyuu_Ninzuu().Cell(record, tatemono);
    Hito = SingleOf(Kyojyuu_Ninzuu().Cell(record + 1, tatemono));
}

void ReferenceData::Netu_Kaesi(int situnai, int column, std::int16_t& Kennetu,
                               std::int16_t& Sennetu) const {
    const int record = OccupantRecord(Kyojyuu_Ninzuu(), 4, 2, column, situnai);
    if (record < 0) {
        return;
    }
    Kennetu = Int16Of(Kyojyuu_Ninzuu().Cell(record, column));
    Sennetu = Int16Of(Kyojyuu_Ninzuu().Cell(record + 1, column));
}

std::int16_t ReferenceData::Syoudo_Kaesi(int tatemono, int situnai) const {
    const int record = OccupantRecord(Kyojyuu_Ninzuu(), 8, 1, tatemono, situnai);
    return record < 0 ? std::int16_t{0} : Int16Of(Kyojyuu_Ninzuu().Cell(record, tatemono));
}

float ReferenceData::Kanki_kaesi(int tatemono, int situnai) const {
    const int record = OccupantRecord(Kyojyuu_Ninzuu(), 10, 1, tatemono, situnai);
    return record < 0 ? 0.0f : SingleOf(Kyojyuu_Ninzuu().Cell(record, tatemono));
}

const std::string& ReferenceData::DensityText(int tatemono, int situnai) const {
    const int record = OccupantRecord(Kyojyuu_Ninzuu(), 1, 2, tatemono, situnai);
    return record < 0 ? EmptyText() : Kyojyuu_Ninzuu().Cell(record, tatemono);
}

// --- Illuminance table.

int ReferenceData::IlluminanceCount() const {
    return Syoudo().RowCount();
}

const std::string& ReferenceData::IlluminanceText(int record) const {
    assert(InRange(record, IlluminanceCount()));
    return InRange(record, IlluminanceCount()) ? Syoudo().Cell(record, 0) : EmptyText();
}

std::int16_t ReferenceData::IlluminanceLevel(int record) const {
    return Int16Of(IlluminanceText(record));
}

const std::string& ReferenceData::IlluminancePlaces(int record, int tab) const {
    assert(InRange(record, IlluminanceCount()) && tab >= 1 && tab <= 6);
    if (!InRange(record, IlluminanceCount()) || tab < 1 || tab > 6) {
        return EmptyText();
    }
    return Syoudo().Cell(record, tab);
}

// --- Ventilation table.

const std::string& ReferenceData::KankiRateText(bool minimum, int place) const {
    if (place == -1) {
        return EmptyText();
    }
    assert(InRange(place, KankiRyou().ColumnCount()));
    if (!InRange(place, KankiRyou().ColumnCount())) {
        return EmptyText();
    }
    return KankiRyou().Cell(minimum ? 0 : 1, place);
}

float ReferenceData::KankiRate(bool minimum, int place) const {
    return SingleOf(KankiRateText(minimum, place));
}

}  // namespace karumoa::refdb
