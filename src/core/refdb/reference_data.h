#pragma once

// The seven reference tables beside the program, each read once and whole
// from its SQLite file, with the typed look-ups the calculations and the
// dialogs make. Rows are in stored order, columns in ordinal order, every
// cell is text; numbers are the leading-number value of a cell.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karumoa::refdb {

// A table read whole.
class Table {
public:
    Table() = default;
    Table(std::string file, std::string name, std::vector<std::string> columnNames,
          std::vector<std::string> cells);

    const std::string& File() const { return file_; }  // file name, without folder
    const std::string& Name() const { return name_; }
    int RowCount() const;
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<std::string>& ColumnNames() const { return columns_; }
    // Index of the column named `name`, or -1.
    int ColumnIndex(std::string_view name) const;
    // Cell text; row and column must be in range (outside it: an assertion,
    // then an empty text).
    const std::string& Cell(int row, int column) const;

private:
    std::string file_;
    std::string name_;
    std::vector<std::string> columns_;
    std::vector<std::string> cells_;  // row-major
};

// Why a table could not be used. `message` is a Japanese sentence naming
// the file and the table, ready to be shown.
struct LoadError {
    std::string file;
    std::string table;
    std::string message;
    // The offending cell when the fault is in one (0-based record and
    // column ordinal), otherwise -1. The database builder maps it back to
    // the line of its source.
    int row = -1;
    int column = -1;
};

// A table or column name quoted for SQL: "name", inner quotes doubled.
std::string QuoteIdentifier(std::string_view name);

// Reads table `table` of the SQLite file `path` whole, records in rowid
// order (opened read-only, never created). A missing file, a file that is
// not a database, a missing table or a failed read is nullopt with `error`
// filled; the shape is not checked here.
std::optional<Table> ReadTable(const std::string& path, const std::string& table, LoadError* error);

// Which of the four outdoor temperatures of a city.
enum class GaikiColumn {
    DryBulb0_24,   // "乾球温度(0-24時)"
    DryBulb8_17,   // "乾球温度(8-17時)"
    DewPoint0_24,  // "露点温度(0-24時)"
    DewPoint8_17,  // "露点温度(8-17時)"
};

struct Material {
    std::string name;              // as listed under the category's tab
    std::string conductivityText;  // as shown beside it, kcal/(m h C)
};

// Equivalent temperature differences of one thickness group: [hour][code],
// hours 10, 12, 14, 16, codes 0 (roof) .. 9 (floor).
using DteGrid = std::array<std::array<float, 10>, 4>;
// Solar gain through glass: [hour][code], codes 0 (horizontal) .. 8.
using IgrGrid = std::array<std::array<std::int16_t, 9>, 4>;

class ReferenceData {
public:
    // File and table names, in the order the tables are loaded.
    static constexpr std::array<std::string_view, 7> kFiles{
        "Gaiki.sqlite",  "NetuDendou.sqlite", "Ondosa.sqlite", "Nissya.sqlite",
        "Jintai.sqlite", "Syoudo.sqlite",     "kanki.sqlite"};
    static constexpr std::array<std::string_view, 7> kTables{
        "Gaiki",          "Dendouritu", "Soutou_Ondosa", "Neturyou",
        "Kyojyuu_Ninzuu", "Syoudo",     "KankiRyou"};
    // The outdoor columns shown by name, in GaikiColumn order.
    static constexpr std::array<std::string_view, 4> kGaikiColumns{
        "乾球温度(0-24時)", "乾球温度(8-17時)", "露点温度(0-24時)", "露点温度(8-17時)"};

    // Loads all seven tables from `dir`. A missing file, a missing table, a
    // file that is not a database or a table failing CheckTable is an error;
    // the first one found is reported.
    static std::optional<ReferenceData> Load(const std::string& dir, LoadError* error);
    // Builds from tables already read (tests); checks their shape the same way.
    static std::optional<ReferenceData> FromTables(std::array<Table, 7> tables, LoadError* error);
    // Whether `table` can serve as table `index` (0..6, the order of kFiles):
    // at least the rows and columns the look-ups read, the four named
    // outdoor columns, every cell read as a number a 16-bit integer or a
    // single within the plausible range of its kind (temperatures -50 to
    // 60 C, equivalent temperature differences -50 to 80, solar gains 0 to
    // 1500, densities, heat, illuminances and rates non-negative and
    // bounded), and every listed material with a name that the project file
    // can hold unescaped and a conductivity above 0 and below 400. The same check guards the
    // database builder, so a table that fails it is never shipped.
    static bool CheckTable(std::size_t index, const Table& table, LoadError* error);

    // Each building type of the occupant table has two places.
    static constexpr int kPlaceCount = 2;
    // The conductivity lists offer at most this many materials per category.
    static constexpr int kMaxMaterials = 7;

    const Table& Gaiki() const { return tables_[0]; }
    const Table& Dendouritu() const { return tables_[1]; }
    const Table& Soutou_Ondosa() const { return tables_[2]; }
    const Table& Neturyou() const { return tables_[3]; }
    const Table& Kyojyuu_Ninzuu() const { return tables_[4]; }
    const Table& Syoudo() const { return tables_[5]; }
    const Table& KankiRyou() const { return tables_[6]; }

    // Look-ups take indexes that the room check (room_check.h) has
    // validated against these tables. An index a table lacks asserts in
    // debug builds and otherwise reads nothing: an empty text or 0. The
    // occupant look-ups and KankiRate(-1) are the exceptions noted below.

    // --- Outdoor conditions: row n is city n (Basyo 0..13).
    int CityCount() const;
    const std::string& CityTemperatureText(int basyo, GaikiColumn column) const;
    // The outdoor dry-bulb temperature the calculations use: the leading
    // number of the 8-17 h dry-bulb text of row `basyo`, in C.
    double OutdoorDryBulb(int basyo) const;

    // --- Conductivity: the materials of category tab 1..10 (field p - 1),
    // names on even rows and conductivities on the odd row after each, at
    // most 7, ending before a cell holding a single blank.
    std::vector<Material> MaterialList(int category) const;

    // --- Structural load tables.
    DteGrid Dte(int group) const;  // group 0..4: rows 4g..4g+3, fields 1..10
    IgrGrid Igr() const;           // rows 0..3, fields 1..9, as 16-bit integers

    // --- Occupant table, read by position: column k is building type k
    // (1..8), place 1 or 2. With place 0 nothing is read: the out
    // parameters keep their values and the functions return 0. A column
    // the table lacks (9, direct input, holds no building type) or a place
    // beyond 2 reads nothing in the same way, without asserting, as the
    // callers may ask for the stored building type whatever it is.
    // Place name and occupant density (persons per m2) of place `situnai`.
    void Basyo_Kaesi(int tatemono, int situnai, std::string& Heya, float& Hito) const;
    // Sensible and latent heat per person (kcal/h at 26 C) of place
    // `situnai` in column `column`.
    void Netu_Kaesi(int situnai, int column, std::int16_t& Kennetu, std::int16_t& Sennetu) const;
    // Design illuminance of the place, lx, rounded to an integer.
    std::int16_t Syoudo_Kaesi(int tatemono, int situnai) const;
    // Ventilation rate of the place, m3/h per person.
    float Kanki_kaesi(int tatemono, int situnai) const;
    // The density text as stored (shown in the occupant dialog's list).
    const std::string& DensityText(int tatemono, int situnai) const;

    // --- Illuminance table: one row per level.
    int IlluminanceCount() const;
    const std::string& IlluminanceText(int record) const;  // column 0, lx as text
    std::int16_t IlluminanceLevel(int record) const;       // column 0, rounded
    // The places of building type tab 1..6 that need level `record`.
    const std::string& IlluminancePlaces(int record, int tab) const;

    // --- Ventilation table: row 0 minimum, row 1 recommended; place 0..6.
    // Place -1 (none chosen) is an empty text and 0 without asserting.
    const std::string& KankiRateText(bool minimum, int place) const;
    float KankiRate(bool minimum, int place) const;

private:
    ReferenceData() = default;

    std::array<Table, 7> tables_;
    // Ordinals of the four named outdoor columns, in GaikiColumn order.
    std::array<int, 4> gaikiColumns_{};
};

}  // namespace karumoa::refdb
