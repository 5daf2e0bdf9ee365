#pragma once

// Set-up shared by the tests of the construction and window dialogs, the
// context menus and the deletions: the shipped reference tables, dialogs
// shown without their modal loop, a user's typing and choices, and the
// rules every room keeps.

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <set>

#include "app/frame_commands.h"
#include "app/module1.h"
#include "app/numeric_field.h"
#include "envelope/kabe_form.h"
#include "gui_test_support.h"
#include "model/codes.h"
#include "plan/mado_form.h"
#include "plan/main_form.h"
#include "plan/popup_form.h"
#include "refdb/reference_data.h"

namespace karumoa::gui::test {

inline std::optional<refdb::ReferenceData> ShippedReferenceData() {
    refdb::LoadError error;
    return refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error);
}

// A program with the shipped tables and a new room open in a shown frame.
inline void OpenNewRoom(Program& program) {
    program.ctx().setReferenceData(ShippedReferenceData());
    program.frame().resize(1200, 800);
    program.frame().show();
    program.frame().commands().Sinki_Ryouiki();
}

// Types `text` into a field as a user would, replacing what it held.
// Non-ASCII text goes in as an input method's commit.
inline void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->setText(QString());
    field->setCursorPosition(0);
    bool ascii = true;
    for (const QChar c : text) {
        ascii = ascii && c.unicode() < 0x80;
    }
    if (ascii) {
        QTest::keyClicks(field, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
}

// Clicks an option button or a check box on its caption, which is where it
// takes a click when the layout makes it wider than its caption.
inline void ClickOption(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->sizeHint().width() / 2, button->height() / 2));
}

// The construction dialog shown in `mode` (0 wall, 1 roof, 2 floor).
inline Kabe_Form& ShowKabe(Program& program, int mode) {
    program.ctx().Settei_Mode = static_cast<std::uint8_t>(mode);
    Kabe_Form& kabe = program.forms().kabeForm();
    kabe.show();
    return kabe;
}

// Adds material `row` of category tab `tab` (1..10) with `thickness`.
inline void AddLayer(Kabe_Form& kabe, int tab, int row, const QString& thickness) {
    kabe.Sentaku_Tab()->setCurrentIndex(tab - 1);
    kabe.List1()->setCurrentRow(row);
    Type(kabe.Atusa_Edit(), thickness);
    QTest::mouseClick(kabe.Plus_Button(), Qt::LeftButton);
}

// The user picks orientation `houi` from the drop-down list.
inline void ChooseHoui(Kabe_Form& kabe, int houi) {
    kabe.Houi_Combo()->setCurrentIndex(houi);
    emit kabe.Houi_Combo()->activated(houi);
}

// Registers a wall of `houi` with one 150 mm concrete layer; `width` is
// typed only when the field is open, as the height.
inline void RegisterWall(Program& program, int houi, int width, int height, bool opposite) {
    Kabe_Form& kabe = ShowKabe(program, 0);
    if (kabe.Houi_Combo()->currentIndex() != houi) {
        ChooseHoui(kabe, houi);
    }
    if (kabe.Sou_Kazu() == 1) {
        AddLayer(kabe, 1, 0, QStringLiteral("150"));
    }
    if (kabe.Haba_Edit()->isEnabled()) {
        Type(kabe.Haba_Edit(), QString::number(width));
    }
    if (kabe.Takasa_Edit()->isEnabled()) {
        Type(kabe.Takasa_Edit(), QString::number(height));
    }
    kabe.Taimen_Check()->setChecked(opposite);
    QTest::mouseClick(kabe.Touroku_Button(), Qt::LeftButton);
}

// The window dialog shown for wall `wall` (mode 0) or the skylight (mode 1).
inline Mado_Form& ShowMado(Program& program, int mode, int wall = 0) {
    program.ctx().Settei_Mode = static_cast<std::uint8_t>(mode);
    program.room().Kabe_Bangou = static_cast<std::int16_t>(wall);
    Mado_Form& mado = program.forms().madoForm();
    mado.show();
    return mado;
}

// Sets the sliders and the count and presses "+".
inline void AddWindows(Mado_Form& mado, int width, int height, int count) {
    mado.HScroll1()->setValue(width);
    mado.VScroll1()->setValue(height);
    Type(mado.Kazu_Edit(), QString::number(count));
    QTest::mouseClick(mado.Tuika_Button(), Qt::LeftButton);
}

inline QStringList MessageTexts(const ScriptedPrompts& prompts) {
    QStringList texts;
    for (const auto& m : prompts.messages) {
        texts << m.text;
    }
    return texts;
}

// The rules every room keeps: walls and window sets parallel with equal
// orientations, walls of one parity and one per orientation, at most four
// walls, a roof and a floor only over four walls, a skylight only in a
// roof. Empty when they hold, else what is wrong.
inline QString RoomFault(const model::RoomModel& room) {
    if (room.Kabe.Count() != room.Mado.Count()) {
        return QStringLiteral("%1 walls but %2 window sets")
            .arg(room.Kabe.Count())
            .arg(room.Mado.Count());
    }
    if (room.Kabe.Count() > 4) {
        return QStringLiteral("%1 walls").arg(room.Kabe.Count());
    }
    std::set<int> seen;
    for (int p = 1; p <= room.Kabe.Count(); ++p) {
        const int h = room.Kabe.Item(p)->Houi;
        if (!model::IsWallHoui(h)) {
            return QStringLiteral("wall %1 faces %2").arg(p).arg(h);
        }
        if (room.Mado.Item(p)->Houi != h) {
            return QStringLiteral("window set %1 faces %2, its wall %3")
                .arg(p)
                .arg(room.Mado.Item(p)->Houi)
                .arg(h);
        }
        if (!seen.insert(h).second) {
            return QStringLiteral("two walls face %1").arg(h);
        }
        if ((h - room.Kabe.Item(1)->Houi) % 2 != 0) {
            return QStringLiteral("wall %1 of the other parity").arg(p);
        }
    }
    if (room.Yane.Count() > 1 || room.Yuka.Count() > 1 || room.Yane_Mado.Count() > 1) {
        return QStringLiteral("more than one roof, floor or skylight");
    }
    if ((!room.Yane.empty() || !room.Yuka.empty()) && room.Kabe.Count() != 4) {
        return QStringLiteral("roof or floor over %1 walls").arg(room.Kabe.Count());
    }
    if (!room.Yane_Mado.empty() && room.Yane.empty()) {
        return QStringLiteral("skylight without roof");
    }
    return QString();
}

}  // namespace karumoa::gui::test
