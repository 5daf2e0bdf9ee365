#pragma once

// The remembered settings: a per-user INI store under the application's
// title. Sections and keys are looked up without regard to case (QSettings
// itself is case-sensitive on Linux), values are stored as text and read
// as their leading number, whole-number fields rounded halves to even.
//
// A value outside the range its field can hold falls back to the default:
// the dialogs that set these values can only produce the ranges below, so
// anything else comes from a damaged or hand-edited store.

#include <QString>
#include <cstdint>
#include <optional>

namespace karumoa::gui {

struct WindowPlacement {
    double top = 0;  // twips
    double left = 0;
    double width = 0;
    double height = 0;
    // Read from the store: a window has been closed there before. False
    // when every value is the default of a store that has none of them.
    bool stored = false;
};

class RememberedSettings {
public:
    // The store of the application title "カルモア".
    RememberedSettings();
    // A store in the INI file `iniPath` (tests).
    explicit RememberedSettings(QString iniPath);

    // "Kihon"/"Toti" (default 5, valid 0..13): the city index.
    std::uint8_t Toti() const;
    // "Kihon"/"Heya_Ondo" (default 260, valid 220..320): tenths of a degree.
    std::int16_t Heya_Ondo() const;
    void WriteKihon(std::uint8_t toti, std::int16_t heyaOndo);

    // "Set_Form": Top, Left, Width, Height (defaults 500, 0, 4164, 1764).
    WindowPlacement Set_Form() const;
    void WriteSet_Form(const WindowPlacement& placement);
    // "Goukei_Form": Top, Left (defaults 500, 0); width and height are 0.
    WindowPlacement Goukei_Form() const;
    void WriteGoukei_Form(double top, double left);

    // The raw text of a key, found without regard to case, or `fallback`.
    QString ReadText(const QString& section, const QString& key, const QString& fallback) const;
    // Whether the store holds `key` of `section` (without regard to case).
    bool Contains(const QString& section, const QString& key) const;
    // Stores `value` as text, replacing a key of the same name in any case.
    void WriteText(const QString& section, const QString& key, const QString& value);

    // Where the store lives (for messages and tests).
    QString FileName() const;

private:
    std::optional<QString> Find(const QString& section, const QString& key) const;
    double ReadNumber(const QString& section, const QString& key, const QString& fallback) const;

    QString iniPath_;  // empty: the user store of the application title
};

}  // namespace karumoa::gui
