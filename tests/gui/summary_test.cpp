// The two tool windows: the load total window (rows, sum, size limits,
// minimal display and its context menu, hiding and showing again, refresh
// by the plan rebuild), the settings summary (every case of its rows, with
// and without the reference tables, hidden and shown, size limits), and
// their placement by New room with the remembered settings written back
// when they are closed for real.

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>

#include "app/frame_commands.h"
#include "app/twips.h"
#include "calc/load_totals.h"
#include "gui_test_support.h"
#include "plan/main_form.h"
#include "project/project_commands.h"
#include "refdb/reference_data.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/goukei_menu.h"
#include "summary/settei_hyouji_form.h"
#include "summary/settei_rows.h"
#include "summary/tool_window.h"
#include "text/number_text.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

// One pixel of rounding either way.
constexpr double kPixel = 15.0;

bool Near(double actual, double expected) {
    return std::abs(actual - expected) <= kPixel;
}

QStringList RowTexts(const QTreeWidget* list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int c = 0; item != nullptr && c < list->columnCount(); ++c) {
        texts.append(item->text(c));
    }
    return texts;
}

QStringList Texts(const SetteiRow& row) {
    return {row.item, row.setting, row.condition, row.value};
}

}  // namespace

class SummaryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    model::RoomModel& room() { return program_->room(); }
    MDIForm1& frame() { return program_->frame(); }
    FormRegistry& forms() { return program_->forms(); }
    const refdb::ReferenceData* tables() { return program_->ctx().referenceData(); }

    void NewProgram() {
        program_ = std::make_unique<test::Program>();
        refdb::LoadError error;
        program_->ctx().setReferenceData(refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error));
        QVERIFY2(tables() != nullptr, error.message.c_str());
        frame().resize(1000, 700);
        frame().show();
    }

    Goukei_Hyouji_Form& NewRoomGoukei() {
        frame().commands().Sinki_Ryouiki();
        return forms().goukeiHyouji();
    }

    // The row of the settings summary for a room set up by `setUp`.
    SetteiRow Row(int index, const std::function<void(model::RoomModel&)>& setUp,
                  bool withTables = true) {
        model::RoomModel r;
        setUp(r);
        return SetteiRows(r, withTables ? tables() : nullptr)[static_cast<std::size_t>(index)];
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        NewProgram();
    }
    void cleanup() { program_.reset(); }

    // --- Load total window.

    void loadTotalShowsTheFourTotalsAndTheirSum() {
        Goukei_Hyouji_Form& goukei = NewRoomGoukei();
        QCOMPARE(goukei.windowTitle(), QStringLiteral("負荷合計"));
        QVERIFY(goukei.windowFlags() & Qt::Tool);
        QVERIFY(!(goukei.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(goukei.windowFlags() & Qt::WindowMaximizeButtonHint));
        ToolWindow::SetOuterSize(goukei, 3000, 1800);
        QVERIFY(goukei.ListView1()->isVisible());

        room().Jintai_Goukei = 100.5f;
        room().Syoumei_Goukei = 20.0f;
        room().Kanki_Goukei = 30.25f;
        room().Kouzou_Goukei = 1000.0f;
        goukei.List_Hyouji();

        QTreeWidget* list = goukei.ListView1();
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("項目"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("負荷"));
        QCOMPARE(list->header()->sectionSize(0), ToPixels(1000));
        QCOMPARE(list->header()->sectionSize(1), ToPixels(1000));
        QCOMPARE(list->topLevelItemCount(), 4);
        QCOMPARE(RowTexts(list, 0), (QStringList{"人体熱量", "100.50"}));
        QCOMPARE(RowTexts(list, 1), (QStringList{"照明熱量", "20.00"}));
        QCOMPARE(RowTexts(list, 2), (QStringList{"換気熱量", "30.25"}));
        QCOMPARE(RowTexts(list, 3), (QStringList{"構造体熱量", "1000.00"}));
        QVERIFY(list->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
        QCOMPARE(goukei.Panel1Text(), QStringLiteral("1150.75kcal/h"));

        // Refreshing again rebuilds rather than appends.
        goukei.List_Hyouji();
        QCOMPARE(list->topLevelItemCount(), 4);
    }

    void loadTotalSnapsToItsSizeLimits() {
        Goukei_Hyouji_Form& goukei = NewRoomGoukei();
        const double status = ToTwips(goukei.StatusBar1()->height());

        goukei.resize(ToPixels(4500), ToPixels(2700));
        QVERIFY(Near(ToolWindow::OuterWidth(goukei), 3000));
        QVERIFY(Near(ToolWindow::OuterHeight(goukei), 1800));
        QVERIFY(goukei.ListView1()->isVisible());
        // The list fills the client area above the status bar.
        QCOMPARE(goukei.ListView1()->geometry(),
                 QRect(0, 0, goukei.width(), goukei.height() - goukei.StatusBar1()->height()));
        QCOMPARE(goukei.StatusBar1()->geometry().bottom(), goukei.height() - 1);

        // Within the limits the size is kept.
        goukei.resize(ToPixels(2500), ToPixels(1200));
        QCOMPARE(goukei.size(), QSize(ToPixels(2500), ToPixels(1200)));

        // Lower than its status bar: only the sum, at status bar + 260.
        goukei.resize(ToPixels(2500), 3);
        QVERIFY(Near(ToolWindow::OuterHeight(goukei), status + 260));
        QVERIFY(!goukei.ListView1()->isVisible());
    }

    void minimalDisplayShowsOnlyTheSum() {
        Goukei_Hyouji_Form& goukei = NewRoomGoukei();
        const double status = ToTwips(goukei.StatusBar1()->height());
        // A new room shows the minimal display.
        QVERIFY(goukei.isVisible());
        QVERIFY(!goukei.ListView1()->isVisible());
        QVERIFY(Near(ToolWindow::OuterWidth(goukei), 2000));
        QVERIFY(Near(ToolWindow::OuterHeight(goukei), status + 260));

        ToolWindow::SetOuterSize(goukei, 3000, 1800);
        QVERIFY(goukei.ListView1()->isVisible());
        goukei.Saisyou_Hyouji();
        QVERIFY(!goukei.ListView1()->isVisible());
        QVERIFY(Near(ToolWindow::OuterWidth(goukei), 2000));
        QVERIFY(Near(ToolWindow::OuterHeight(goukei), status + 260));
        QCOMPARE(goukei.Panel1Text(), QStringLiteral("0.00kcal/h"));
    }

    void rightClickOnTheStatusBarOffersTheMinimalDisplay() {
        Goukei_Hyouji_Form& goukei = NewRoomGoukei();
        ToolWindow::SetOuterSize(goukei, 3000, 1800);
        QVERIFY(goukei.ListView1()->isVisible());

        QString title;
        QStringList items;
        QTimer::singleShot(0, this, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (popup == nullptr) {
                return;
            }
            title = popup->title();
            for (QAction* action : popup->actions()) {
                items.append(action->objectName() + u'=' + action->text());
            }
            popup->actions().constFirst()->trigger();
            popup->close();
        });
        // The click lands on the panel that fills the status bar; the menu
        // must open all the same.
        QWidget* under = goukei.StatusBar1()->childAt(5, 5);
        QVERIFY(under != nullptr);
        QContextMenuEvent click(QContextMenuEvent::Mouse,
                                under->mapFrom(goukei.StatusBar1(), QPoint(5, 5)),
                                goukei.StatusBar1()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(under, &click);

        QCOMPARE(title, QStringLiteral("合計表示"));
        QCOMPARE(items, QStringList{"Mnu_Goukei_Nomi=合計のみ表示"});
        QCOMPARE(goukei.Mnu_Goukei()->objectName(), QStringLiteral("Mnu_Goukei"));
        QVERIFY(!goukei.ListView1()->isVisible());
        QVERIFY(Near(ToolWindow::OuterWidth(goukei), 2000));
    }

    void closeButtonHidesAndTheViewMenuBringsItBackRefreshed() {
        Goukei_Hyouji_Form& goukei = NewRoomGoukei();
        ToolWindow::SetOuterSize(goukei, 3000, 1800);
        ToolWindow::Place(goukei, 1350, 1800);
        const QRect placed = goukei.geometry();
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Fuka_Goukei));

        QVERIFY(!goukei.close());
        QVERIFY(!goukei.isVisible());
        QVERIFY(forms().IsLoaded(FormId::Goukei_Hyouji_Form));
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Fuka_Goukei));
        // Hiding is not closing: nothing is remembered yet.
        QCOMPARE(program_->ctx().settings().ReadText("Goukei_Form", "Top", "none"),
                 QStringLiteral("none"));

        // While hidden the list is not touched, the sum still follows.
        room().Kouzou_Goukei = 42.5f;
        goukei.List_Hyouji();
        QCOMPARE(goukei.ListView1()->topLevelItem(3)->text(1), QStringLiteral("0.00"));

        frame().commands().Mnu_Fuka_Goukei_Click();
        QVERIFY(goukei.isVisible());
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Fuka_Goukei));
        QCOMPARE(goukei.geometry(), placed);
        QCOMPARE(goukei.ListView1()->topLevelItem(3)->text(1), QStringLiteral("42.50"));
        QCOMPARE(goukei.Panel1Text(), QStringLiteral("42.50kcal/h"));
    }

    void planRebuildRefreshesTheTotalWhileItIsOpen() {
        Goukei_Hyouji_Form& goukei = NewRoomGoukei();
        test::FillFullRoom(room());
        forms().mainForm().Kabe_Seisaku();
        const float sum = calc::StoredTotals(room()).Sum();
        QVERIFY(sum > 0.0f);
        QCOMPARE(goukei.Panel1Text(),
                 QString::fromStdString(text::FormatFixed(sum, 2)) + QStringLiteral("kcal/h"));

        // Closed by the user, it is left alone by the rebuild until shown.
        goukei.close();
        room().Kabe.Item(1)->Zokusei = 3;
        forms().mainForm().Kabe_Seisaku();
        const float changed = calc::StoredTotals(room()).Sum();
        QVERIFY(changed != sum);
        QCOMPARE(goukei.Panel1Text(),
                 QString::fromStdString(text::FormatFixed(sum, 2)) + QStringLiteral("kcal/h"));
        frame().commands().Mnu_Fuka_Goukei_Click();
        QCOMPARE(goukei.Panel1Text(),
                 QString::fromStdString(text::FormatFixed(changed, 2)) + QStringLiteral("kcal/h"));
    }

    // --- Settings summary rows.

    void outdoorAndIndoorRows() {
        QCOMPARE(Texts(Row(0, [](model::RoomModel&) {})),
                 (QStringList{"外気条件", "東京", "", ""}));
        QCOMPARE(Texts(Row(0, [](model::RoomModel& r) { r.Basyo = 12; })),
                 (QStringList{"外気条件", "札幌", "", ""}));
        QCOMPARE(Texts(Row(1, [](model::RoomModel& r) { r.Situon = 265; })),
                 (QStringList{"室内条件", "26.5℃", "", ""}));
        QCOMPARE(Texts(Row(1, [](model::RoomModel& r) { r.Situon = 260; })),
                 (QStringList{"室内条件", "26℃", "", ""}));
        QCOMPARE(Texts(Row(1, [](model::RoomModel& r) { r.Situon = 225; })),
                 (QStringList{"室内条件", "22.5℃", "", ""}));
    }

    void occupantRows() {
        // A building type with its place from the occupant table.
        QCOMPARE(Texts(Row(2, [](model::RoomModel&) {})),
                 (QStringList{"人体熱量", "事務所", "事務室", "0.2人/㎡"}));
        QCOMPARE(Texts(Row(2,
                           [](model::RoomModel& r) {
                               r.Tatemono_Syurui = 3;
                               r.Situnai_Syurui = 1;
                           })),
                 (QStringList{"人体熱量", "劇場", "客席", "1.5人/㎡"}));
        QCOMPARE(Texts(Row(2,
                           [](model::RoomModel& r) {
                               r.Tatemono_Syurui = 8;
                               r.Situnai_Syurui = 2;
                           })),
                 (QStringList{"人体熱量", "工場", "重作業場", "0.1人/㎡"}));
        // Direct input, per m2 and head count.
        QCOMPARE(Texts(Row(2,
                           [](model::RoomModel& r) {
                               r.Tatemono_Syurui = 9;
                               r.Ninzuu_Flag = true;
                               r.Soutou_Ninzuu = 0.25f;
                           })),
                 (QStringList{"人体熱量", "実数入力", "面積あたり", "0.3人/㎡"}));
        QCOMPARE(Texts(Row(2,
                           [](model::RoomModel& r) {
                               r.Tatemono_Syurui = 9;
                               r.Ninzuu_Flag = false;
                               r.Jitu_Ninzuu = 12;
                           })),
                 (QStringList{"人体熱量", "実数入力", "実人数", "12人"}));
    }

    void lightingRows() {
        // Automatic fitting: the occupant place's illuminance, whatever the
        // tab, and never "混在".
        QCOMPARE(Texts(Row(3,
                           [](model::RoomModel& r) {
                               r.Syoudo_Jidou_Tekigou = true;
                               r.Syoudo_Syurui = 7;
                               r.Syoumei_Konzai = true;
                           })),
                 (QStringList{"照明熱量", "自動適合", "蛍光灯", "750 lx"}));
        // With direct occupant input: the equivalent place's column.
        QCOMPARE(Texts(Row(3,
                           [](model::RoomModel& r) {
                               r.Tatemono_Syurui = 9;
                               r.Soutou_Basyo = 1;  // 学校
                               r.Situnai_Syurui = 2;
                               r.Syoumei_Syurui = false;
                           })),
                 (QStringList{"照明熱量", "自動適合", "白熱灯", "200 lx"}));
        // A level of the illuminance table.
        QCOMPARE(Texts(Row(3,
                           [](model::RoomModel& r) {
                               r.Syoudo_Jidou_Tekigou = false;
                               r.Syoudo_Syurui = 3;
                               r.Syoudo = 3;
                           })),
                 (QStringList{"照明熱量", "百貨店", "蛍光灯", "750 lx"}));
        // Lamp input, with and without mixing.
        QCOMPARE(Texts(Row(3,
                           [](model::RoomModel& r) {
                               r.Syoudo_Jidou_Tekigou = false;
                               r.Syoudo_Syurui = 7;
                               r.Syoumei_Konzai = true;
                           })),
                 (QStringList{"照明熱量", "照度を入力", "混在", "設定値"}));
        QCOMPARE(Texts(Row(3,
                           [](model::RoomModel& r) {
                               r.Syoudo_Jidou_Tekigou = false;
                               r.Syoudo_Syurui = 7;
                               r.Syoumei_Syurui = false;
                           })),
                 (QStringList{"照明熱量", "照度を入力", "白熱灯", "設定値"}));
    }

    void ventilationRows() {
        // A typed volume wins over automatic fitting.
        QCOMPARE(Texts(Row(4,
                           [](model::RoomModel& r) {
                               r.Kanki_Nyuuryoku = true;
                               r.Kanki_Jidou_Tekigou = true;
                               r.Kanki_Fuuryou = 300.0f;
                           })),
                 (QStringList{"換気熱量", "換気量を入力", "空調換気", "300 (㎡/h)/h"}));
        QCOMPARE(Texts(Row(4,
                           [](model::RoomModel& r) {
                               r.Kanki_Housiki = true;
                               r.Tatemono_Syurui = 2;
                               r.Situnai_Syurui = 1;
                           })),
                 (QStringList{"換気熱量", "自動適合", "普通換気", "20 (㎡/h)/h"}));
        // A ventilation place with the minimum or the recommended rate.
        QCOMPARE(Texts(Row(4,
                           [](model::RoomModel& r) {
                               r.Kanki_Jidou_Tekigou = false;
                               r.Kanki_Basyo = 3;
                               r.Kanki_Saisyouti = true;
                           })),
                 (QStringList{"換気熱量", "レストラン", "空調換気", "20.4 (㎡/h)/h"}));
        QCOMPARE(Texts(Row(4,
                           [](model::RoomModel& r) {
                               r.Kanki_Jidou_Tekigou = false;
                               r.Kanki_Basyo = 1;
                               r.Kanki_Saisyouti = false;
                           })),
                 (QStringList{"換気熱量", "バー、キャバレー", "空調換気", "51 (㎡/h)/h"}));
        // No place chosen.
        QCOMPARE(Texts(Row(4,
                           [](model::RoomModel& r) {
                               r.Kanki_Jidou_Tekigou = false;
                               r.Kanki_Basyo = -1;
                           })),
                 (QStringList{"換気熱量", "", "空調換気", "0 (㎡/h)/h"}));
    }

    void withoutTablesOnlyTheLookedUpTextsAreEmpty() {
        const auto rows = SetteiRows(model::RoomModel{}, nullptr);
        QCOMPARE(Texts(rows[0]), (QStringList{"外気条件", "東京", "", ""}));
        QCOMPARE(Texts(rows[2]), (QStringList{"人体熱量", "事務所", "", ""}));
        QCOMPARE(Texts(rows[3]), (QStringList{"照明熱量", "自動適合", "蛍光灯", ""}));
        QCOMPARE(Texts(rows[4]), (QStringList{"換気熱量", "自動適合", "空調換気", ""}));
        QCOMPARE(Texts(Row(
                     4,
                     [](model::RoomModel& r) {
                         r.Kanki_Jidou_Tekigou = false;
                         r.Kanki_Basyo = 6;
                     },
                     false)),
                 (QStringList{"換気熱量", "病院", "空調換気", ""}));
        QCOMPARE(Texts(Row(
                     4,
                     [](model::RoomModel& r) {
                         r.Kanki_Nyuuryoku = true;
                         r.Kanki_Fuuryou = 1500.0f;
                     },
                     false)),
                 (QStringList{"換気熱量", "換気量を入力", "空調換気", "1500 (㎡/h)/h"}));
    }

    // --- Settings summary window.

    void settingsWindowListsTheRowsWhileVisible() {
        program_->ctx().setReferenceData(std::nullopt);
        frame().commands().Sinki_Ryouiki();
        Settei_Hyouji_Form& settei = forms().setteiHyouji();
        QCOMPARE(settei.windowTitle(), QStringLiteral("現在の設定条件"));
        QVERIFY(settei.isVisible());
        QTreeWidget* list = settei.ListView1();
        const QStringList headers{"項目", "設定", "条件", "設定値"};
        const std::array<double, 4> widths{1000, 1400, 1000, 1200};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(list->headerItem()->text(c), headers[c]);
            if (c < 3) {
                QCOMPARE(list->header()->sectionSize(c),
                         ToPixels(widths[static_cast<std::size_t>(c)]));
            }
        }
        // The last column takes what the others leave, never less than its own.
        QCOMPARE(list->header()->sectionSize(3),
                 std::max(ToPixels(1200), list->viewport()->width() - ToPixels(3400)));
        QVERIFY(list->headerItem()->textAlignment(3) & Qt::AlignRight);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(list->topLevelItemCount(), 5);
        const auto rows = SetteiRows(room(), nullptr);
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(RowTexts(list, r), Texts(rows[static_cast<std::size_t>(r)]));
        }
        QVERIFY(list->topLevelItem(1)->textAlignment(3) & Qt::AlignRight);

        // Closed by the user: hidden, the menu item back on, the list left
        // alone until the window is shown again.
        QVERIFY(!settei.close());
        QVERIFY(!settei.isVisible());
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Settei_Jyouken));
        room().Situon = 280;
        settei.List_Hyouji();
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("26℃"));
        frame().commands().Mnu_Settei_Jyouken_Click();
        QVERIFY(settei.isVisible());
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Settei_Jyouken));
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("28℃"));
    }

    void settingsWindowSnapsToItsSizeLimits() {
        frame().commands().Sinki_Ryouiki();
        Settei_Hyouji_Form& settei = forms().setteiHyouji();
        settei.resize(ToPixels(7000), ToPixels(3000));
        QVERIFY(Near(ToolWindow::OuterWidth(settei), 5208));
        QVERIFY(Near(ToolWindow::OuterHeight(settei), 1800));
        QCOMPARE(settei.ListView1()->geometry(), settei.rect());
        settei.resize(ToPixels(3000), ToPixels(900));
        QCOMPARE(settei.size(), QSize(ToPixels(3000), ToPixels(900)));
        QCOMPARE(settei.ListView1()->geometry(), settei.rect());
    }

    void openingARoomShowsItsConditionsAndLoads() {
        program_->prompts.ChooseNextFile(
            QStringLiteral(KARUMOA_TEST_DATA_DIR "/rooms/attributes-blinds.kmd"));
        frame().commands().project().File_Open();
        QCOMPARE(room().Basyo, std::uint8_t{9});
        // The summary was first shown for the empty room; the file's city
        // replaces it.
        QCOMPARE(forms().setteiHyouji().ListView1()->topLevelItem(0)->text(1),
                 QStringLiteral("新潟"));
        QCOMPARE(forms().goukeiHyouji().Panel1Text(),
                 QString::fromStdString(text::FormatFixed(calc::StoredTotals(room()).Sum(), 2)) +
                     QStringLiteral("kcal/h"));
    }

    // --- Placement by New room.

    void newRoomPlacesBothWindowsAsStored() {
        RememberedSettings& settings = program_->ctx().settings();
        settings.WriteSet_Form({500, 0, 4164, 1764});
        settings.WriteGoukei_Form(500, 0);
        frame().commands().Sinki_Ryouiki();
        Settei_Hyouji_Form& settei = forms().setteiHyouji();
        Goukei_Hyouji_Form& goukei = forms().goukeiHyouji();
        for (QWidget* w : {static_cast<QWidget*>(&settei), static_cast<QWidget*>(&goukei)}) {
            QVERIFY(w->isVisible());
            QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
            QVERIFY(w->isWindow());
            QVERIFY(w->parentWidget() == nullptr);
            QVERIFY(Near(ToolWindow::Top(*w), 500));
            QVERIFY(Near(ToolWindow::Left(*w), 0));
        }
        QVERIFY(Near(ToolWindow::OuterWidth(settei), 4164));
        QVERIFY(Near(ToolWindow::OuterHeight(settei), 1764));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Settei_Jyouken));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Fuka_Goukei));
    }

    void firstNewRoomPlacesBothWindowsClearOfTheFrameAndEachOther() {
        frame().setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        frame().commands().Sinki_Ryouiki();
        Settei_Hyouji_Form& settei = forms().setteiHyouji();
        Goukei_Hyouji_Form& goukei = forms().goukeiHyouji();
        const int caption = ToolWindow::CaptionPixels(&frame());
        auto outer = [caption](const QWidget& w) {
            return w.geometry().adjusted(0, -caption, 0, 0);
        };
        auto global = [](const QWidget* w) {
            return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
        };
        const QRect menus = global(frame().menuBar());
        const QRect toolbar = global(frame().findChild<QToolBar*>(QStringLiteral("Toolbar1")));
        const QRect client = global(frame().mdiArea());
        for (const QWidget* w : {static_cast<QWidget*>(&settei), static_cast<QWidget*>(&goukei)}) {
            QVERIFY(w->isVisible());
            QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
            QVERIFY(!outer(*w).intersects(menus));
            QVERIFY(!outer(*w).intersects(toolbar));
            QVERIFY(client.contains(outer(*w)));
        }
        QVERIFY(!outer(settei).intersects(outer(goukei)));
        // Side by side, the load total at the right edge.
        QCOMPARE(settei.geometry().top(), goukei.geometry().top());
        QVERIFY(settei.geometry().right() < goukei.geometry().left());
        QVERIFY(client.right() - goukei.geometry().right() <= 2 * ToolWindow::kGapPixels);
        // All four columns and all five rows of the settings in view.
        QVERIFY(ToolWindow::ClientWidth(settei) <= 5208 &&
                ToolWindow::ClientHeight(settei) <= 1800);
        QTreeWidget* list = settei.ListView1();
        QCOMPARE(list->topLevelItemCount(), 5);
        const QHeaderView* header = list->header();
        QVERIFY(header->sectionPosition(3) + header->sectionSize(3) <= list->viewport()->width());
        QVERIFY(header->sectionSize(3) >= ToPixels(1200));
        QVERIFY(list->visualItemRect(list->topLevelItem(4)).bottom() < list->viewport()->height());
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        // Once closed there, they come back where they were.
        const QRect setteiPlace = settei.geometry();
        const QRect goukeiPlace = goukei.geometry();
        QVERIFY(frame().commands().CloseRoom());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frame().commands().Sinki_Ryouiki();
        QCOMPARE(forms().setteiHyouji().geometry(), setteiPlace);
        QCOMPARE(forms().goukeiHyouji().geometry().topLeft(), goukeiPlace.topLeft());
    }

    void firstStartPlaces_data() {
        QTest::addColumn<QRect>("frameClient");
        QTest::addColumn<QSize>("settei");
        QTest::addColumn<bool>("sideBySide");
        QTest::newRow("1280 wide") << QRect(0, 60, 1280, 700) << QSize(347, 100) << true;
        QTest::newRow("offset frame") << QRect(200, 300, 900, 400) << QSize(347, 100) << true;
        QTest::newRow("just wide enough") << QRect(0, 0, 520, 400) << QSize(347, 100) << true;
        QTest::newRow("too narrow: one below the other")
            << QRect(0, 0, 500, 400) << QSize(347, 100) << false;
    }
    void firstStartPlaces() {
        QFETCH(QRect, frameClient);
        QFETCH(QSize, settei);
        QFETCH(bool, sideBySide);
        const QSize goukei(133, 24);
        const int caption = 20;
        const ToolWindow::FirstPlaces p =
            ToolWindow::FirstStartPlaces(frameClient, settei, goukei, caption);
        QCOMPARE(p.settei.size(), settei);
        QCOMPARE(p.goukei.size(), goukei);
        const QRect s = p.settei.adjusted(0, -caption, 0, 0);
        const QRect g = p.goukei.adjusted(0, -caption, 0, 0);
        QVERIFY(frameClient.contains(s));
        QVERIFY(frameClient.contains(g));
        QVERIFY(!s.adjusted(-4, -4, 4, 4).intersects(g));
        QCOMPARE(g.right(), frameClient.right() - ToolWindow::kGapPixels);
        QCOMPARE(g.top(), frameClient.top() + ToolWindow::kGapPixels);
        QCOMPARE(s.top() == g.top(), sideBySide);
    }

    void reachablePlaces_data() {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QRect>("expected");
        const QRect on(100, 100, 300, 100);
        QTest::newRow("on the screen: as it is") << on << on;
        QTest::newRow("partly off to the right: as it is")
            << QRect(1100, 100, 300, 100) << QRect(1100, 100, 300, 100);
        QTest::newRow("title bar above the screen")
            << QRect(100, 5, 300, 100) << QRect(100, 20, 300, 100);
        QTest::newRow("only the title bar on the screen: as it is")
            << QRect(100, 799, 300, 100) << QRect(100, 799, 300, 100);
        QTest::newRow("title bar out of reach on the left")
            << QRect(-280, 100, 300, 100) << QRect(-252, 100, 300, 100);
        QTest::newRow("wholly off: wholly back")
            << QRect(-9000, 5000, 300, 100) << QRect(0, 720, 300, 100);
        QTest::newRow("on the second screen: as it is")
            << QRect(1500, 300, 300, 100) << QRect(1500, 300, 300, 100);
        QTest::newRow("above the second screen")
            << QRect(1500, -10, 300, 100) << QRect(1500, 20, 300, 100);
    }
    void reachablePlaces() {
        QFETCH(QRect, client);
        QFETCH(QRect, expected);
        const QList<QRect> screens{QRect(0, 0, 1280, 820), QRect(1280, 0, 1024, 768)};
        QCOMPARE(ToolWindow::ReachableClientRect(client, 20, screens), expected);
    }

    void positionsAreWrittenWhenClosedForRealAndReadByTheNextNewRoom() {
        frame().commands().Sinki_Ryouiki();
        ToolWindow::SetOuterSize(forms().setteiHyouji(), 4800, 1500);
        ToolWindow::Place(forms().setteiHyouji(), 1500, 3000);
        ToolWindow::Place(forms().goukeiHyouji(), 4500, 6000);
        // Hidden by the user before the room closes: still remembered.
        forms().goukeiHyouji().close();
        const QPoint setteiPos = forms().setteiHyouji().geometry().topLeft();
        const QSize setteiSize = forms().setteiHyouji().size();
        const QPoint goukeiPos = forms().goukeiHyouji().geometry().topLeft();

        QVERIFY(frame().commands().CloseRoom());
        QVERIFY(!forms().IsLoaded(FormId::Settei_Hyouji_Form));
        QVERIFY(!forms().IsLoaded(FormId::Goukei_Hyouji_Form));
        RememberedSettings& settings = program_->ctx().settings();
        QCOMPARE(settings.ReadText("Set_Form", "Left", ""),
                 QString::number(ToTwips(setteiPos.x())));
        QCOMPARE(settings.ReadText("Set_Form", "Top", ""), QString::number(ToTwips(setteiPos.y())));
        QCOMPARE(settings.ReadText("Set_Form", "Width", ""),
                 QString::number(ToTwips(setteiSize.width())));
        QCOMPARE(settings.ReadText("Set_Form", "Height", ""),
                 QString::number(ToTwips(setteiSize.height()) + 260));
        QCOMPARE(settings.ReadText("Goukei_Form", "Left", ""),
                 QString::number(ToTwips(goukeiPos.x())));
        QCOMPARE(settings.ReadText("Goukei_Form", "Top", ""),
                 QString::number(ToTwips(goukeiPos.y())));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        frame().commands().Sinki_Ryouiki();
        QCOMPARE(forms().setteiHyouji().geometry().topLeft(), setteiPos);
        QCOMPARE(forms().setteiHyouji().size(), setteiSize);
        QCOMPARE(forms().goukeiHyouji().geometry().topLeft(), goukeiPos);
        QVERIFY(forms().goukeiHyouji().isVisible());
    }

    void positionsAreWrittenWhenTheProgramExits() {
        frame().commands().Sinki_Ryouiki();
        ToolWindow::Place(forms().goukeiHyouji(), 2250, 1500);
        QVERIFY(frame().close());
        QCOMPARE(program_->ctx().settings().ReadText("Goukei_Form", "Top", ""),
                 QStringLiteral("2250"));
        QCOMPARE(program_->ctx().settings().ReadText("Goukei_Form", "Left", ""),
                 QStringLiteral("1500"));
    }

    void aStoredPlaceOffTheDesktopOrTooSmallIsCorrected() {
        RememberedSettings& settings = program_->ctx().settings();
        settings.WriteSet_Form({150000, -90000, 1, 1});
        settings.WriteGoukei_Form(-4000, 0);
        frame().commands().Sinki_Ryouiki();
        Settei_Hyouji_Form& settei = forms().setteiHyouji();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(settei.geometry()));
        // Big enough for the headers and a row, not one pixel.
        QCOMPARE(settei.size(), settei.minimumSize());
        QVERIFY(settei.height() > settei.ListView1()->header()->sizeHint().height());
        QVERIFY(settei.width() >= ToPixels(1000));
        // The load total's title bar is brought down onto the screen.
        QCOMPARE(forms().goukeiHyouji().geometry().top(),
                 screen.top() + ToPixels(ToolWindow::kCaptionTwips));
        QVERIFY(Near(ToolWindow::Left(forms().goukeiHyouji()), 0));
    }
};

QTEST_MAIN(SummaryTest)
#include "summary_test.moc"
