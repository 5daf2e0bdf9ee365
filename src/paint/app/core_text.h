#pragma once

// The core's texts, which are UTF-8, as Qt strings.

#include <QString>
#include <string_view>

namespace karumoa::gui {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace karumoa::gui
