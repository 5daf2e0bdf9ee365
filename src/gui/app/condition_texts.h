#pragma once

// The fixed item texts of the condition dialogs (model/condition_texts.h)
// as the dialogs' controls take them.

#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "app/controls.h"
#include "model/condition_texts.h"

namespace karumoa::gui::ConditionTexts {

using model::kGaikiCities;
using model::kJintaiTabs;
using model::kKankiPlaces;
using model::kSyoudoTabs;

// Item `index` (0-based) of `items`, or an empty text outside the list (a
// code from a damaged file names nothing).
template <std::size_t N>
QString Item(const std::array<std::string_view, N>& items, int index) {
    return FromUtf8(model::ItemText(items, index));
}

// All items in order, to fill a list or combo box.
template <std::size_t N>
QStringList Items(const std::array<std::string_view, N>& items) {
    QStringList list;
    for (int i = 0; i < static_cast<int>(N); ++i) {
        list.append(Item(items, i));
    }
    return list;
}

inline QString CityName(int basyo) {
    return Item(kGaikiCities, basyo);
}
// Caption of occupant tab `tab`, 1-based.
inline QString JintaiTabCaption(int tab) {
    return Item(kJintaiTabs, tab - 1);
}
// Caption of lighting tab `tab`, 1-based.
inline QString SyoudoTabCaption(int tab) {
    return Item(kSyoudoTabs, tab - 1);
}
inline QString KankiPlace(int index) {
    return Item(kKankiPlaces, index);
}

}  // namespace karumoa::gui::ConditionTexts
