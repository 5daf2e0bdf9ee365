#include "plan/popup_form.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "model/room_model.h"
#include "plan/mado_form.h"
#include "plan/main_form.h"
#include "plan/plan_widgets.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/goukei_menu.h"

namespace karumoa::gui {
namespace {

// Attribute items in code order.
constexpr const char* kKabeZokusei[] = {"Mnu_Hyoujyun_Zokusei", "Mnu_Hikage_Zokusei",
                                        "Mnu_SitunaiFuka_Zokusei", "Mnu_Mufuka_Zokusei"};
constexpr const char* kYaneZokusei[] = {"Mnu_Yane_Hyoujyun", "Mnu_Yane_Hikage", "Mnu_Yane_Situnai",
                                        "Mnu_Yane_Mufuka"};
constexpr const char* kYukaZokusei[] = {"Mnu_Yuka_Hyoujyun", "Mnu_Yuka_Situgai", "Mnu_Yuka_Mufuka"};

QMenu* SubMenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddAction(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

PopUp_Form::PopUp_Form(AppContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      runner_([this](QMenu* menu) { menu->exec(anchor_.value_or(QCursor::pos())); }) {
    setObjectName("PopUp_Form");
    hide();
    BuildMenus();
}

PopUp_Form::~PopUp_Form() = default;

void PopUp_Form::BuildMenus() {
    auto on = [this](const char* name, std::function<void()> command) {
        connect(Item(QString::fromLatin1(name)), &QAction::triggered, this,
                [command = std::move(command)] { command(); });
    };

    mnuKabe_ = new QMenu(QStringLiteral("壁"), this);
    mnuKabe_->setObjectName("Mnu_Kabe");
    AddAction(mnuKabe_, "Mnu_Mado_Tuika", QStringLiteral("窓の追加..."));
    AddSeparator(mnuKabe_, "kubun");
    QMenu* zokuse = SubMenu(mnuKabe_, "Mnu_Zokuse", QStringLiteral("壁の属性"));
    AddAction(zokuse, kKabeZokusei[0], QStringLiteral("標準"), true);
    AddAction(zokuse, kKabeZokusei[1], QStringLiteral("室外日陰"), true);
    AddAction(zokuse, kKabeZokusei[2], QStringLiteral("室内負荷"), true);
    AddAction(zokuse, kKabeZokusei[3], QStringLiteral("無負荷"), true);
    AddAction(mnuKabe_, "Mnu_Kabe_Sakujyo", QStringLiteral("壁の削除"));

    mnuMado_ = new QMenu(QStringLiteral("窓"), this);
    mnuMado_->setObjectName("Mnu_Mado");
    QMenu* madoZokusei = SubMenu(mnuMado_, "Mnu_Mado_Zokusei", QStringLiteral("窓の属性"));
    AddAction(madoZokusei, "Mnu_Braindo_Ari", QStringLiteral("ブラインド有り"), true);
    AddAction(madoZokusei, "Mnu_Braindo_Nasi", QStringLiteral("ブラインド無し"), true);
    AddAction(mnuMado_, "Mnu_Mado_Sakujyo", QStringLiteral("窓の削除"));

    mnuJyouge_ = new QMenu(QStringLiteral("上下"), this);
    mnuJyouge_->setObjectName("Mnu_Jyouge");
    QMenu* yane = SubMenu(mnuJyouge_, "Mnu_Yane", QStringLiteral("屋根"));
    AddAction(yane, "Mnu_Yane_Mado", QStringLiteral("窓の追加"));
    AddSeparator(yane, "Yane_Kubun");
    QMenu* yaneZokusei = SubMenu(yane, "Mnu_Yane_Zokusei", QStringLiteral("屋根の属性"));
    AddAction(yaneZokusei, kYaneZokusei[0], QStringLiteral("標準"), true);
    AddAction(yaneZokusei, kYaneZokusei[1], QStringLiteral("室外日陰"), true);
    AddAction(yaneZokusei, kYaneZokusei[2], QStringLiteral("室内負荷"), true);
    AddAction(yaneZokusei, kYaneZokusei[3], QStringLiteral("無負荷"), true);
    AddAction(yane, "Mnu_Yane_Sakujyo", QStringLiteral("屋根の削除"));
    QMenu* yuka = SubMenu(mnuJyouge_, "Mnu_Yuka", QStringLiteral("床"));
    QMenu* yukaZokusei = SubMenu(yuka, "Mnu_Yuka_Zokusei", QStringLiteral("床の属性"));
    AddAction(yukaZokusei, kYukaZokusei[0], QStringLiteral("標準"), true);
    AddAction(yukaZokusei, kYukaZokusei[1], QStringLiteral("室外負荷"), true);
    AddAction(yukaZokusei, kYukaZokusei[2], QStringLiteral("無負荷"), true);
    AddAction(yuka, "Mnu_Yuka_Sakujyo", QStringLiteral("床の削除"));

    mnuYanemado_ = new QMenu(QStringLiteral("屋根窓"), this);
    mnuYanemado_->setObjectName("Mnu_Yanemado");
    QMenu* yaneMadoZokusei =
        SubMenu(mnuYanemado_, "Mnu_Yane_Mado_Zokusei", QStringLiteral("窓の属性"));
    AddAction(yaneMadoZokusei, "Mnu_Yane_Mado_Braindo_Ari", QStringLiteral("ブラインド有り"), true);
    AddAction(yaneMadoZokusei, "Mnu_Yane_Mado_Braindo_Nasi", QStringLiteral("ブラインド無し"),
              true);
    AddAction(mnuYanemado_, "Mnu_Yanemado_Sakujyo", QStringLiteral("窓の削除"));

    // --- Commands.
    model::RoomModel& room = context_.room();
    on("Mnu_Mado_Tuika", [this] {
        context_.Settei_Mode = 0;
        context_.forms().madoForm().Mado_Tuika();
    });
    for (int z = 0; z < 4; ++z) {
        on(kKabeZokusei[z], [this, z] { Kabe_Zokusei_Kousin(z); });
        on(kYaneZokusei[z], [this, z] { Yane_Zokusei_Kousin(z); });
    }
    for (int z = 0; z < 3; ++z) {
        on(kYukaZokusei[z], [this, z] { Yuka_Zokusei_Check(z); });
    }
    on("Mnu_Kabe_Sakujyo", [this] {
        if (Main_Form* plan = Plan()) {
            plan->Kabe_Sakujyo();
        }
    });
    auto madoBraindo = [this, &room](bool braindo) {
        if (!ValidWall()) {
            return;
        }
        room.Mado.Item(room.Kabe_Bangou)->Braindo = braindo;
        context_.forms().RoomEdited();
    };
    on("Mnu_Braindo_Ari", [madoBraindo] { madoBraindo(true); });
    on("Mnu_Braindo_Nasi", [madoBraindo] { madoBraindo(false); });
    on("Mnu_Mado_Sakujyo", [this] {
        if (Main_Form* plan = Plan()) {
            plan->Mado_Sakujyo();
        }
    });
    on("Mnu_Yane_Mado", [this] {
        context_.Settei_Mode = 1;
        context_.forms().madoForm().Mado_Tuika();
    });
    on("Mnu_Yane_Sakujyo", [this] {
        if (Main_Form* plan = Plan()) {
            plan->Yane_Sakujyo();
        }
    });
    on("Mnu_Yuka_Sakujyo", [this] {
        if (Main_Form* plan = Plan()) {
            plan->Yuka_Sakujyo();
        }
    });
    auto yaneMadoBraindo = [this, &room](bool braindo) {
        if (room.Yane_Mado.empty()) {
            return;
        }
        room.Yane_Mado.Item(1)->Braindo = braindo;
        context_.forms().RoomEdited();
    };
    on("Mnu_Yane_Mado_Braindo_Ari", [yaneMadoBraindo] { yaneMadoBraindo(true); });
    on("Mnu_Yane_Mado_Braindo_Nasi", [yaneMadoBraindo] { yaneMadoBraindo(false); });
    on("Mnu_Yanemado_Sakujyo", [this] {
        if (Main_Form* plan = Plan()) {
            plan->Yanemado_Sakujyo();
        }
    });
}

QAction* PopUp_Form::Item(const QString& name) const {
    return findChild<QAction*>(name);
}

Main_Form* PopUp_Form::Plan() const {
    return context_.forms().mainFormIfLoaded();
}

bool PopUp_Form::ValidWall() const {
    const model::RoomModel& room = context_.room();
    return room.Kabe_Bangou >= 1 && room.Kabe_Bangou <= room.Kabe.Count() &&
           room.Kabe_Bangou <= room.Mado.Count();
}

void PopUp_Form::OpenMenu(QMenu* menu) {
    runner_(menu);
}

void PopUp_Form::Kabe_Button_MouseDown(int slot, Qt::MouseButton button) {
    model::RoomModel& room = context_.room();
    if (button == Qt::RightButton && slot >= 0 && slot < room.Kabe.Count() &&
        slot < room.Mado.Count()) {
        room.Kabe_Bangou = static_cast<std::int16_t>(slot + 1);
        Zokusei_Set(room.Kabe_Bangou);
        // Windows are added to a wall without windows only: the dialog
        // builds a whole new set.
        Item(QStringLiteral("Mnu_Mado_Tuika"))
            ->setEnabled(room.Mado.Item(room.Kabe_Bangou)->EntryCount() == 0);
        OpenMenu(mnuKabe_);
    }
    if (Main_Form* plan = Plan()) {
        plan->Sagyou_Eria()->setFocus();
    }
}

void PopUp_Form::Mado_Button_MouseDown(int slot, Qt::MouseButton button) {
    model::RoomModel& room = context_.room();
    if (button == Qt::RightButton && slot >= 0 && slot < room.Mado.Count() &&
        slot < room.Kabe.Count()) {
        room.Kabe_Bangou = static_cast<std::int16_t>(slot + 1);
        const bool braindo = room.Mado.Item(room.Kabe_Bangou)->Braindo;
        Item(QStringLiteral("Mnu_Braindo_Ari"))->setChecked(braindo);
        Item(QStringLiteral("Mnu_Braindo_Nasi"))->setChecked(!braindo);
        OpenMenu(mnuMado_);
    }
    if (Main_Form* plan = Plan()) {
        plan->Sagyou_Eria()->setFocus();
    }
}

void PopUp_Form::Yane_Mado_Button_MouseDown(Qt::MouseButton button) {
    const model::RoomModel& room = context_.room();
    if (button == Qt::RightButton && !room.Yane_Mado.empty()) {
        const bool braindo = room.Yane_Mado.Item(1)->Braindo;
        Item(QStringLiteral("Mnu_Yane_Mado_Braindo_Ari"))->setChecked(braindo);
        Item(QStringLiteral("Mnu_Yane_Mado_Braindo_Nasi"))->setChecked(!braindo);
        OpenMenu(mnuYanemado_);
    }
    if (Main_Form* plan = Plan()) {
        plan->Sagyou_Eria()->setFocus();
    }
}

void PopUp_Form::Sagyou_Eria_MouseDown(Qt::MouseButton button, QPointF twips) {
    const Main_Form* plan = Plan();
    if (button != Qt::RightButton || plan == nullptr || plan->Jyoukuu_Shape()->isHidden() ||
        !plan->OverheadViewLayout()) {
        return;
    }
    const plan::Box& view = plan->OverheadViewLayout()->box;
    const auto x = static_cast<float>(twips.x());
    const auto y = static_cast<float>(twips.y());
    if (!(view.left < x && x < view.left + view.width && view.top < y &&
          y < view.top + view.height)) {
        return;
    }
    const model::RoomModel& room = context_.room();
    QAction* yane = mnuJyouge_->findChild<QMenu*>(QStringLiteral("Mnu_Yane"))->menuAction();
    QAction* yuka = mnuJyouge_->findChild<QMenu*>(QStringLiteral("Mnu_Yuka"))->menuAction();
    if (!room.Yane.empty()) {
        yane->setEnabled(true);
        const int z = room.Yane.Item(1)->Zokusei;
        for (int i = 0; i < 4; ++i) {
            Item(QString::fromLatin1(kYaneZokusei[i]))->setChecked(i == z);
        }
        // One skylight set per roof.
        Item(QStringLiteral("Mnu_Yane_Mado"))->setEnabled(room.Yane_Mado.empty());
    } else {
        yane->setEnabled(false);
    }
    if (!room.Yuka.empty()) {
        yuka->setEnabled(true);
        const int z = room.Yuka.Item(1)->Zokusei;
        for (int i = 0; i < 3; ++i) {
            Item(QString::fromLatin1(kYukaZokusei[i]))->setChecked(i == z);
        }
    } else {
        yuka->setEnabled(false);
    }
    OpenMenu(mnuJyouge_);
}

void PopUp_Form::Zokusei_Set(int n) {
    const model::RoomModel& room = context_.room();
    if (n < 1 || n > room.Kabe.Count()) {
        return;
    }
    const int z = room.Kabe.Item(n)->Zokusei;
    if (z < 0 || z > 3) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        Item(QString::fromLatin1(kKabeZokusei[i]))->setChecked(i == z);
    }
}

void PopUp_Form::Kabe_Zokusei_Kousin(int zokusei) {
    model::RoomModel& room = context_.room();
    if (!ValidWall()) {
        return;
    }
    room.Kabe.Item(room.Kabe_Bangou)->Zokusei = static_cast<std::int16_t>(zokusei);
    context_.forms().RoomEdited();
}

void PopUp_Form::Yane_Zokusei_Kousin(int zokusei) {
    model::RoomModel& room = context_.room();
    if (room.Yane.empty()) {
        return;
    }
    room.Yane.Item(1)->Zokusei = static_cast<std::int16_t>(zokusei);
    context_.forms().RoomEdited();
}

void PopUp_Form::Yuka_Zokusei_Check(int zokusei) {
    model::RoomModel& room = context_.room();
    if (room.Yuka.empty()) {
        return;
    }
    room.Yuka.Item(1)->Zokusei = static_cast<std::int16_t>(zokusei);
    context_.forms().RoomEdited();
}

Goukei_Menu* PopUp_Form::Mnu_Goukei() const {
    return context_.forms().goukeiHyouji().Mnu_Goukei();
}

}  // namespace karumoa::gui
