#pragma once

// The menu items and toolbar buttons of the frame whose enabled flags the
// program switches. Each has the object name of its enumerator (toolbar
// buttons "Toolbar1_Button1" and so on, numbered as on the toolbar).

#include <array>
#include <string_view>

namespace karumoa::gui {

enum class FrameItem {
    Mnu_File,
    Mnu_Sinki_Ryouiki,
    Mnu_File_Open,
    Mnu_Save_Us,
    Mnu_Print,
    Mnu_End,
    Mnu_Hyouji,
    Mnu_Situnai_Keisan,
    Mnu_Kouzou_Keisan,
    Mnu_Settei_Jyouken,
    Mnu_Fuka_Goukei,
    Mnu_Fuka,
    Mnu_Kabe,
    Mnu_Yane,
    Mnu_Yuka,
    Mnu_Set,
    Mnu_Gaiki,
    Mnu_Situnai,
    Mnu_Jintai,
    mnu_Syoumei,
    Mnu_Kanki,
    Mnu_Window,
    Mnu_Jyouge,
    Mnu_sayuu,
    Mnu_Kasanete,
    Mnu_Help,
    Mnu_Netu_Help,
    Mnu_About,
    Toolbar1_Button1,  // new room
    Toolbar1_Button2,  // open
    Toolbar1_Button3,  // save
    Toolbar1_Button5,  // wall
    Count
};

constexpr std::array<std::string_view, static_cast<std::size_t>(FrameItem::Count)> kFrameItemNames{
    "Mnu_File",          "Mnu_Sinki_Ryouiki",
    "Mnu_File_Open",     "Mnu_Save_Us",
    "Mnu_Print",         "Mnu_End",
    "Mnu_Hyouji",        "Mnu_Situnai_Keisan",
    "Mnu_Kouzou_Keisan", "Mnu_Settei_Jyouken",
    "Mnu_Fuka_Goukei",   "Mnu_Fuka",
    "Mnu_Kabe",          "Mnu_Yane",
    "Mnu_Yuka",          "Mnu_Set",
    "Mnu_Gaiki",         "Mnu_Situnai",
    "Mnu_Jintai",        "mnu_Syoumei",
    "Mnu_Kanki",         "Mnu_Window",
    "Mnu_Jyouge",        "Mnu_sayuu",
    "Mnu_Kasanete",      "Mnu_Help",
    "Mnu_Netu_Help",     "Mnu_About",
    "Toolbar1_Button1",  "Toolbar1_Button2",
    "Toolbar1_Button3",  "Toolbar1_Button5"};

constexpr std::string_view FrameItemName(FrameItem item) {
    return kFrameItemNames[static_cast<std::size_t>(item)];
}

}  // namespace karumoa::gui
