// The About window (title, version, the system information tool and its
// look-up order, the message when there is none) and the help: the help
// file beside the program (its pages, links and index), the viewer opened
// by the help command (contents, index, a link followed, back and forward)
// and what it shows for a missing or unreadable file.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <set>

#include "app/about_form.h"
#include "app/frame_commands.h"
#include "app/help_file.h"
#include "app/help_viewer.h"
#include "app/module1.h"
#include "app/sys_info.h"
#include "gui_test_support.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

const QString kUnavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

void WriteFile(const QString& path, const QByteArray& contents, bool executable = false) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    if (executable) {
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
}

// The point of the link to `href` in the browser's viewport, scrolled into
// view; (-1, -1) when the page has no such link.
QPoint LinkPoint(QTextBrowser* browser, const QString& href) {
    QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == href) {
                QTextCursor cursor(document);
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                browser->setTextCursor(cursor);
                browser->ensureCursorVisible();
                return browser->cursorRect(cursor).center();
            }
        }
    }
    return QPoint(-1, -1);
}

}  // namespace

class AboutHelpTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    std::unique_ptr<QTemporaryDir> dir_;
    MDIForm1& frame() { return program_->frame(); }
    ScriptedPrompts& prompts() { return program_->prompts; }
    QString Temp(const QString& name) const { return QDir(dir_->path()).filePath(name); }

    About_Form& OpenAbout() {
        frame().commands().Mnu_About_Click();
        return *program_->forms().GetIfLoaded<About_Form>(FormId::About_Form);
    }

    // A look-up over a configuration file and a search path in the
    // temporary folder, recording what it would start.
    SysInfo LookUp(const QString& config, const QString& path, QStringList* started,
                   bool startSucceeds = true) {
        return SysInfo(
            SysInfo::Environment{config, path, [started, startSucceeds](const QString& p) {
                                     started->append(p);
                                     return startSucceeds;
                                 }});
    }

    HelpViewer& OpenHelp() {
        frame().commands().Mnu_Netu_Help_Click();
        return HelpViewer::Of(frame());
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        dir_ = std::make_unique<QTemporaryDir>();
        program_ = std::make_unique<test::Program>();
        program_->ctx().App_Path = QStringLiteral(KARUMOA_BIN_DIR);
        frame().resize(900, 600);
        frame().show();
    }
    void cleanup() {
        program_.reset();
        dir_.reset();
    }

    // --- About.

    void aboutShowsTitleVersionAndNotices() {
        About_Form& about = OpenAbout();
        QVERIFY(about.isVisible());
        QVERIFY(!about.isModal());
        QCOMPARE(about.windowTitle(), QStringLiteral("カルモアのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("カルモア"));
        const QString version = about.findChild<QLabel*>("lblVersion")->text();
        QCOMPARE(version, Module1::VersionText());
        QVERIFY2(QRegularExpression(QStringLiteral("^ﾊﾞｰｼﾞｮﾝ \\d+\\.\\d+\\.\\d+$"))
                     .match(version)
                     .hasMatch(),
                 qPrintable(version));
        QVERIFY(!about.findChild<QLabel*>("picIcon")->pixmap().isNull());
        QVERIFY(about.findChild<QLabel*>("lblDisclaimer")->text().contains(QStringLiteral("責任")));
        QVERIFY(!about.findChild<QLabel*>("Label1")->text().isEmpty());
        QVERIFY(about.findChild<QFrame*>("Line1") != nullptr);
        QCOMPARE(about.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(),
                 QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
        // A fixed dialog in the middle of the screen.
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((about.geometry().center() - centre).manhattanLength() <= 4);

        QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program_->forms().IsLoaded(FormId::About_Form));
        // The command makes a new one.
        QVERIFY(OpenAbout().isVisible());
    }

    void aboutBelongsToTheFrameAndComesBackToTheFront() {
        About_Form& about = OpenAbout();
        QCOMPARE(about.parentWidget(), &frame());
        QVERIFY(about.isWindow());
        // The frame clicked: the About window behind it, as far as the
        // platform goes. The command brings the same window to the front.
        frame().activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &frame());
        frame().commands().Mnu_About_Click();
        QCOMPARE(program_->forms().GetIfLoaded<About_Form>(FormId::About_Form), &about);
        QVERIFY(about.isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &about);
    }

    void withoutAnyToolTheButtonSaysSoAndTheWindowStays() {
        About_Form& about = OpenAbout();
        QStringList started;
        about.setSysInfo(LookUp(Temp("none.ini"), QString(), &started));
        QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        const auto& m = prompts().messages[0];
        QCOMPARE(m.text, kUnavailable);
        QCOMPARE(m.title, QString());
        QCOMPARE(m.icon, PromptIcon::None);
        QCOMPARE(m.buttons, PromptButtons::Ok);
        QVERIFY(started.isEmpty());
        QVERIFY(about.isVisible());
    }

    void theToolIsLookedUpInTheConfigurationThenOnThePath() {
        QStringList started;
        const QString config = Temp("etc/system.ini");
        // 1. The tool's path from the first key, used as given.
        WriteFile(config,
                  "; the administrator's choice\n"
                  "[software\\microsoft\\shared tools\\msinfo]\n"
                  "path = /opt/sysinfo/bin/tool\n");
        QVERIFY(LookUp(config, QString(), &started).Start());
        QCOMPARE(started, QStringList{"/opt/sysinfo/bin/tool"});

        // 2. A folder from the second key, searched for the known tools in
        // their order; a file that is not executable does not count.
        const QString tools = Temp("tools");
        WriteFile(tools + "/lshw-gtk", "#!/bin/sh\n", true);
        WriteFile(tools + "/gnome-system-monitor", "#!/bin/sh\n", true);
        WriteFile(tools + "/hardinfo", "not a program\n");
        WriteFile(config,
                  "[SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO=" + tools.toUtf8() + "\n");
        started.clear();
        QVERIFY(LookUp(config, QString(), &started).Start());
        QCOMPARE(started, QStringList{tools + "/gnome-system-monitor"});

        // 3. The search path: the first known tool wins over the first folder.
        const QString bin1 = Temp("bin1");
        const QString bin2 = Temp("bin2");
        WriteFile(bin1 + "/lshw-gtk", "#!/bin/sh\n", true);
        WriteFile(bin2 + "/hardinfo", "#!/bin/sh\n", true);
        started.clear();
        QVERIFY(LookUp(Temp("missing.ini"), bin1 + "::" + bin2, &started).Start());
        QCOMPARE(started, QStringList{bin2 + "/hardinfo"});

        // A tool that cannot be started: the same message.
        About_Form& about = OpenAbout();
        started.clear();
        about.setSysInfo(LookUp(Temp("missing.ini"), bin1, &started, false));
        about.StartSysInfo();
        QCOMPARE(started, QStringList{bin1 + "/lshw-gtk"});
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        QCOMPARE(prompts().messages[0].text, kUnavailable);
    }

    void getKeyValueReadsTextValuesOfTheLocalMachine() {
        const QString config = Temp("system.ini");
        WriteFile(config, "# comment\n[A\\B]\nName=value one\nLong=" + QByteArray(1024, 'x') +
                              "\n[C]\nName=other\n");
        QStringList started;
        const SysInfo info = LookUp(config, QString(), &started);
        QString value = QStringLiteral("stale");
        QVERIFY(info.GetKeyValue(KeyRoot::LocalMachine, "a\\b", "NAME", value));
        QCOMPARE(value, QStringLiteral("value one"));
        QVERIFY(info.GetKeyValue(KeyRoot::LocalMachine, "C", "Name", value));
        QCOMPARE(value, QStringLiteral("other"));
        // Too long for the buffer, missing, or under another root: empty.
        QVERIFY(!info.GetKeyValue(KeyRoot::LocalMachine, "A\\B", "Long", value));
        QCOMPARE(value, QString());
        value = QStringLiteral("stale");
        QVERIFY(!info.GetKeyValue(KeyRoot::LocalMachine, "A\\B", "Missing", value));
        QCOMPARE(value, QString());
        QVERIFY(!info.GetKeyValue(KeyRoot::LocalMachine, "D", "Name", value));
        QVERIFY(!info.GetKeyValue(KeyRoot::CurrentUser, "C", "Name", value));
    }

    // --- The help file beside the program.

    void theHelpFileHasItsPagesLinksAndIndex() {
        QString error;
        const std::optional<HelpFile> help =
            HelpFile::Load(QStringLiteral(KARUMOA_BIN_DIR "/Karumoa.hlp"), &error);
        QVERIFY2(help.has_value(), qPrintable(error));
        QCOMPARE(help->BrokenLinks(), QStringList());
        // Every page can be reached from the contents.
        std::set<QString> reached{HelpFile::kContents};
        std::vector<QString> pending{HelpFile::kContents};
        const QRegularExpression link(QStringLiteral("href=\"help:([a-z0-9-]+)"));
        while (!pending.empty()) {
            const QString id = pending.back();
            pending.pop_back();
            auto it = link.globalMatch(help->Page(id)->html);
            while (it.hasNext()) {
                const QString target = it.next().captured(1);
                if (help->Page(target) != nullptr && reached.insert(target).second) {
                    pending.push_back(target);
                }
            }
        }
        for (const HelpPage& page : help->Pages()) {
            QVERIFY2(reached.count(page.id) == 1, qPrintable(page.id));
        }
        // The subjects a user looks for are all in the index.
        QStringList words;
        for (const HelpIndexEntry& entry : help->Index()) {
            words.append(entry.word);
            QVERIFY(help->Page(entry.pageId) != nullptr);
        }
        for (const char* word : {"新規製作",       "壁",           "対面壁",         "窓",
                                 "屋根",           "床",           "天窓",           "属性",
                                 "ブラインド",     "削除",         "外気条件",       "室内条件",
                                 "人体発生熱量",   "照明発生熱量", "換気損失熱量",   "作業デスク",
                                 "構造体負荷計算", "負荷合計",     "現在の設定条件", "熱貫流率",
                                 "相当温度差",     "ガラス",       "保存",           "参照データ",
                                 "推定値"}) {
            QVERIFY2(words.contains(QString::fromUtf8(word)), word);
        }
        const QString index = *help->DocumentFor(HelpFile::kIndex);
        QVERIFY(index.contains(QStringLiteral("<h2>か</h2>")));
        QVERIFY(index.indexOf(QStringLiteral(">壁<")) < index.indexOf(QStringLiteral(">保存<")));
    }

    void aDamagedHelpTextNamesItsLine() {
        QString error;
        QVERIFY(!HelpFile::Parse(QStringLiteral("<html>"), &error));
        QCOMPARE(error, QStringLiteral("1 行目: カルモアのヘルプ ファイルではありません。"));
        QVERIFY(!HelpFile::Parse(QStringLiteral("%% note\n@@karumoa-help 1\n@@index よみ 語\n"),
                                 &error));
        QCOMPARE(error, QStringLiteral("3 行目: 索引の項目が正しくありません。"));
        QVERIFY(!HelpFile::Parse(
            QStringLiteral("@@karumoa-help 1\n@@page contents 目次\n@@page contents 再び\n"),
            &error));
        QCOMPARE(error, QStringLiteral("3 行目: ページ contents が重複しています。"));
        QVERIFY(!HelpFile::Parse(QStringLiteral("@@karumoa-help 1\n@@page a A\n"), &error));
        QCOMPARE(error, QStringLiteral("目次のページ（contents）がありません。"));
        const auto help = HelpFile::Parse(
            QStringLiteral(
                "@@karumoa-help 1\r\n@@page contents 目次\r\n<a href=\"help:nope\">x</a>\r\n"),
            &error);
        QVERIFY(help.has_value());
        QCOMPARE(help->BrokenLinks(), QStringList{"contents -> nope"});
        // A line break next to Japanese text is no blank; between Latin words it is.
        const auto wrapped =
            HelpFile::Parse(QStringLiteral("@@karumoa-help 1\n@@page contents "
                                           "目次\n<p>部屋の\n作り方、\n<b>K</b>\nand\nmore</p>\n"),
                            &error);
        QVERIFY(wrapped.has_value());
        QCOMPARE(wrapped->Page("contents")->html,
                 QStringLiteral("<p>部屋の作り方、<b>K</b>\nand\nmore</p>\n\n"));
    }

    // --- The viewer.

    void f1OpensTheContentsAndLinksIndexAndHistoryWork() {
        QCOMPARE(frame().Item(FrameItem::Mnu_Netu_Help)->shortcut(), QKeySequence(Qt::Key_F1));
        HelpViewer& viewer = OpenHelp();
        QVERIFY(viewer.isVisible());
        QTextBrowser* browser = viewer.Help_Browser();
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("contents"));
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("目次")));
        auto* modoru = viewer.findChild<QPushButton*>("Modoru_Button");
        auto* susumu = viewer.findChild<QPushButton*>("Susumu_Button");
        QVERIFY(!modoru->isEnabled());

        // A link of the contents, clicked.
        const QPoint point = LinkPoint(browser, QStringLiteral("help:walls"));
        QVERIFY(point.x() >= 0);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("walls"));
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("壁の登録")));
        QVERIFY(viewer.windowTitle().endsWith(QStringLiteral("壁の登録")));

        QTest::mouseClick(viewer.findChild<QPushButton*>("Sakuin_Button"), Qt::LeftButton);
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("index"));
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("索引")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("熱貫流率")));

        QVERIFY(modoru->isEnabled());
        QTest::mouseClick(modoru, Qt::LeftButton);
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("walls"));
        QVERIFY(susumu->isEnabled());
        QTest::mouseClick(susumu, Qt::LeftButton);
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("index"));
        QTest::mouseClick(viewer.findChild<QPushButton*>("Mokuji_Button"), Qt::LeftButton);
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("contents"));

        // The help command again: the same viewer, on the contents.
        browser->setSource(QUrl(QStringLiteral("help:formula-k")));
        QCOMPARE(&OpenHelp(), &viewer);
        QCOMPARE(viewer.CurrentPage(), QStringLiteral("contents"));
        QVERIFY(prompts().messages.empty());
    }

    void aMissingOrUnreadableFileIsReportedInTheViewer() {
        program_->ctx().App_Path = dir_->path();
        HelpViewer& viewer = OpenHelp();
        const QString path = Temp("Karumoa.hlp");
        QString text = viewer.Help_Browser()->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("ヘルプを表示できません")), qPrintable(text));
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("ファイルがありません")));

        WriteFile(path, "MZ\x90\x00 not a help file");
        OpenHelp();
        text = viewer.Help_Browser()->toPlainText();
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("カルモアのヘルプ ファイルではありません")));
        // The index button has nothing else to show either.
        QTest::mouseClick(viewer.findChild<QPushButton*>("Sakuin_Button"), Qt::LeftButton);
        QVERIFY(viewer.Help_Browser()->toPlainText().contains(path));
        QVERIFY(prompts().messages.empty());
    }
};

QTEST_MAIN(AboutHelpTest)
#include "about_help_test.moc"
