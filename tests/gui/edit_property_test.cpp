// Random edit sequences (fixed seed) through the construction dialog, the
// window dialog, the context menus and the deletions, as a user could make
// them: what the frame and the menus offer, typed sizes in and out of
// range, random answers to every question. After each step the room keeps
// its rules, the plan and the frame's commands agree with it, and the room
// reads back from its project file as it is.

#include <QApplication>
#include <QCheckBox>
#include <random>

#include "edit_test_support.h"
#include "model/room_model.h"
#include "project/project_format.h"

using namespace karumoa;
using namespace karumoa::gui;

class EditPropertyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    std::mt19937 rng_{20240611u};
    QStringList trace_;

    model::RoomModel& room() { return program_->room(); }
    Main_Form& plan() { return *program_->forms().mainFormIfLoaded(); }
    PopUp_Form& popUp() { return program_->forms().popUpForm(); }
    MDIForm1& frame() { return program_->frame(); }

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    PromptAnswer YesNo() { return Chance(60) ? PromptAnswer::Yes : PromptAnswer::No; }

    // A size as a user types it: mostly sensible, sometimes out of range.
    QString SomeSize() {
        switch (Pick(0, 5)) {
            case 0:
                return QString::number(Pick(0, 999));
            case 1:
                return QString::number(Pick(100001, 999999));
            case 2:
                return QString();
            default:
                return QString::number(Pick(10, 120) * 100);
        }
    }

    void EditLayers(Kabe_Form& kabe) {
        if (Chance(20)) {
            kabe.Crear_Button_Click();
        }
        for (int n = Pick(0, 2); n > 0; --n) {
            const int tab = Pick(1, 10);
            kabe.Sentaku_Tab()->setCurrentIndex(tab - 1);
            kabe.List1()->setCurrentRow(Pick(-1, kabe.List1()->count() - 1));
            test::Type(kabe.Atusa_Edit(), QString::number(Pick(0, 320)));
            kabe.Sou_Tuika();
        }
        kabe.Kuuki_Check()->setChecked(Chance(30));
    }

    void Finish(QDialog& dialog) {
        // A refused registration leaves the dialog open: the user cancels.
        if (dialog.isVisible()) {
            dialog.reject();
        }
    }

    void WallDialog() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        if (Chance(50)) {
            test::ChooseHoui(kabe, Pick(0, 9));
        }
        EditLayers(kabe);
        if (kabe.Haba_Edit()->isEnabled()) {
            test::Type(kabe.Haba_Edit(), SomeSize());
        }
        if (kabe.Takasa_Edit()->isEnabled()) {
            test::Type(kabe.Takasa_Edit(), SomeSize());
        }
        if (kabe.Taimen_Check()->isEnabled()) {
            kabe.Taimen_Check()->setChecked(Chance(50));
        }
        trace_ << QStringLiteral("wall %1").arg(kabe.Houi_Combo()->currentIndex());
        if (Chance(85)) {
            kabe.Touroku_Button_Click();
        }
        Finish(kabe);
    }

    void RoofOrFloorDialog(int mode) {
        Kabe_Form& kabe = test::ShowKabe(*program_, mode);
        EditLayers(kabe);
        trace_ << (mode == 1 ? QStringLiteral("roof") : QStringLiteral("floor"));
        kabe.Touroku_Button_Click();
        if (kabe.isVisible() && Chance(50)) {
            kabe.Touroku_Button_Click();
        }
        Finish(kabe);
    }

    void WindowDialog(int mode) {
        Mado_Form& mado = test::ShowMado(*program_, mode, room().Kabe_Bangou);
        for (int n = Pick(0, 3); n > 0; --n) {
            mado.HScroll1()->setValue(Pick(10, 200) * 50);
            mado.VScroll1()->setValue(Pick(6, 100) * 50);
            test::Type(mado.Kazu_Edit(), QString::number(Pick(0, 6)));
            mado.Tuika_Button_Click();
        }
        mado.Braindo_Check()->setChecked(Chance(50));
        trace_ << QStringLiteral("windows mode %1 wall %2 entries %3")
                      .arg(mode)
                      .arg(room().Kabe_Bangou)
                      .arg(mado.Mado_Bangou() - 1);
        if (Chance(85)) {
            mado.Touroku_Button_Click();
        }
        Finish(mado);
    }

    // A right-click on wall slot `slot` and the choice of `item` in its menu.
    void WallMenu(int slot) {
        const int pick = Pick(0, 5);
        popUp().SetMenuRunner([this, pick](QMenu*) {
            static const char* const kItems[] = {"Mnu_Hyoujyun_Zokusei", "Mnu_Hikage_Zokusei",
                                                 "Mnu_SitunaiFuka_Zokusei", "Mnu_Mufuka_Zokusei"};
            if (pick < 4) {
                popUp().Item(QString::fromLatin1(kItems[pick]))->trigger();
            } else if (pick == 4) {
                program_->prompts.AnswerNext(YesNo());
                if (!room().Yane.empty() || !room().Yuka.empty()) {
                    program_->prompts.AnswerNext(Chance(50) ? PromptAnswer::Ok
                                                            : PromptAnswer::Cancel);
                }
                trace_ << QStringLiteral("delete wall %1").arg(room().Kabe_Bangou);
                plan().Kabe_Sakujyo();
            } else if (popUp().Item(QStringLiteral("Mnu_Mado_Tuika"))->isEnabled()) {
                WindowDialog(0);
            }
        });
        popUp().Kabe_Button_MouseDown(slot, Qt::RightButton);
    }

    void WindowMenu(int slot) {
        const int pick = Pick(0, 2);
        popUp().SetMenuRunner([this, pick](QMenu*) {
            if (pick < 2) {
                popUp()
                    .Item(pick == 0 ? QStringLiteral("Mnu_Braindo_Ari")
                                    : QStringLiteral("Mnu_Braindo_Nasi"))
                    ->trigger();
            } else {
                program_->prompts.AnswerNext(YesNo());
                trace_ << QStringLiteral("delete windows %1").arg(room().Kabe_Bangou);
                plan().Mado_Sakujyo();
            }
        });
        popUp().Mado_Button_MouseDown(slot, Qt::RightButton);
    }

    void RoofFloorMenu() {
        const int pick = Pick(0, 4);
        popUp().SetMenuRunner([this, pick](QMenu* menu) {
            const bool roofOn = menu->findChild<QMenu*>(QStringLiteral("Mnu_Yane"))->isEnabled();
            const bool floorOn = menu->findChild<QMenu*>(QStringLiteral("Mnu_Yuka"))->isEnabled();
            if (pick == 0 && roofOn && popUp().Item(QStringLiteral("Mnu_Yane_Mado"))->isEnabled()) {
                WindowDialog(1);
            } else if (pick == 1 && roofOn) {
                program_->prompts.AnswerNext(YesNo());
                trace_ << QStringLiteral("delete roof");
                plan().Yane_Sakujyo();
            } else if (pick == 2 && floorOn) {
                program_->prompts.AnswerNext(YesNo());
                trace_ << QStringLiteral("delete floor");
                plan().Yuka_Sakujyo();
            } else if (pick == 3 && roofOn) {
                popUp().Item(QStringLiteral("Mnu_Yane_Hikage"))->trigger();
            } else if (pick == 4 && floorOn) {
                popUp().Item(QStringLiteral("Mnu_Yuka_Mufuka"))->trigger();
            }
        });
        if (const auto& view = plan().OverheadViewLayout()) {
            popUp().Sagyou_Eria_MouseDown(Qt::RightButton,
                                          QPointF(view->box.left + view->box.width / 2,
                                                  view->box.top + view->box.height / 2));
        }
    }

    void SkylightMenu() {
        popUp().SetMenuRunner([this](QMenu*) {
            program_->prompts.AnswerNext(YesNo());
            trace_ << QStringLiteral("delete skylight");
            plan().Yanemado_Sakujyo();
        });
        popUp().Yane_Mado_Button_MouseDown(Qt::RightButton);
    }

    void Step() {
        const model::RoomModel& r = room();
        switch (Pick(0, 7)) {
            case 0:
            case 1:
                if (frame().IsEnabled(FrameItem::Mnu_Kabe)) {
                    WallDialog();
                }
                break;
            case 2:
                if (frame().IsEnabled(FrameItem::Mnu_Yane)) {
                    RoofOrFloorDialog(1);
                } else if (frame().IsEnabled(FrameItem::Mnu_Yuka)) {
                    RoofOrFloorDialog(2);
                }
                break;
            case 3:
            case 4:
                if (!r.Kabe.empty()) {
                    WallMenu(Pick(0, r.Kabe.Count() - 1));
                }
                break;
            case 5:
                for (int slot = 0; slot < 4; ++slot) {
                    if (plan().Mado_Button(slot)->isVisibleTo(&plan()) && Chance(50)) {
                        WindowMenu(slot);
                        break;
                    }
                }
                break;
            case 6:
                RoofFloorMenu();
                break;
            default:
                if (plan().Yane_Mado_Button()->isVisibleTo(&plan())) {
                    SkylightMenu();
                }
                break;
        }
    }

    // Empty when the room, the plan and the frame agree; else what is wrong.
    QString Fault() {
        const model::RoomModel& r = room();
        if (QString fault = test::RoomFault(r); !fault.isEmpty()) {
            return fault;
        }
        int shown = 0;
        for (int i = 0; i < 4; ++i) {
            shown += plan().Kabe_Button(i)->isVisibleTo(&plan()) ? 1 : 0;
        }
        if (shown != r.Kabe.Count()) {
            return QStringLiteral("%1 wall buttons for %2 walls").arg(shown).arg(r.Kabe.Count());
        }
        const bool four = r.Kabe.Count() == 4;
        if (frame().IsEnabled(FrameItem::Mnu_Kabe) == four ||
            frame().IsEnabled(FrameItem::Mnu_Yane) != (four && r.Yane.empty()) ||
            frame().IsEnabled(FrameItem::Mnu_Yuka) != (four && r.Yuka.empty())) {
            return QStringLiteral("frame commands disagree with the room");
        }
        if (QApplication::activeModalWidget() != nullptr ||
            program_->forms().kabeForm().isVisible() || program_->forms().madoForm().isVisible()) {
            return QStringLiteral("a dialog stayed open");
        }
        // Whatever the dialogs built, the program can read it back.
        std::string bytes;
        project::WriteError writeError;
        if (!project::WriteProject(r, bytes, &writeError)) {
            return QString::fromStdString(writeError.Message());
        }
        model::RoomModel back;
        project::ReadError readError;
        if (!project::ReadProject(bytes, back, &readError)) {
            return QString::fromStdString(readError.Message());
        }
        // Singles are written with seven digits: the file read back
        // writes the same file again.
        std::string again;
        project::WriteProject(back, again);
        if (again != bytes || back.Kabe.Count() != r.Kabe.Count() ||
            back.Yane.Count() != r.Yane.Count() || back.Yuka.Count() != r.Yuka.Count() ||
            back.Yane_Mado.Count() != r.Yane_Mado.Count()) {
            return QStringLiteral("the project file does not give the room back");
        }
        return QString();
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }

    void randomEditsKeepTheRoomARoom() {
        int walls = 0, roofs = 0, skylights = 0, windows = 0;
        for (int sequence = 0; sequence < 25; ++sequence) {
            test::ClearSettings();
            program_ = std::make_unique<test::Program>();
            test::OpenNewRoom(*program_);
            trace_.clear();
            for (int step = 0; step < 60; ++step) {
                Step();
                const QString fault = Fault();
                if (!fault.isEmpty()) {
                    QFAIL(qPrintable(QStringLiteral("sequence %1 step %2: %3\n  %4")
                                         .arg(sequence)
                                         .arg(step)
                                         .arg(fault, trace_.join(QStringLiteral("\n  ")))));
                }
                walls = std::max(walls, room().Kabe.Count());
                roofs += room().Yane.Count();
                skylights += room().Yane_Mado.Count();
                for (const auto& set : room().Mado) {
                    windows += set->WindowCount() > 0 ? 1 : 0;
                }
            }
            program_.reset();
        }
        // The sequences reach full rooms, not only the first steps.
        QCOMPARE(walls, 4);
        QVERIFY(roofs > 0);
        QVERIFY(skylights > 0);
        QVERIFY(windows > 0);
    }
};

QTEST_MAIN(EditPropertyTest)
#include "edit_property_test.moc"
