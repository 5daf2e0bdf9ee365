// The print command's document: the room as it is, saved or not, painted
// on a printer (here one that writes a PDF, read back with pdftotext), and
// the word to the user when there are no loads to print.

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/frame_commands.h"
#include "edit_test_support.h"
#include "gui_test_support.h"
#include "project/project_commands.h"
#include "report/print_document.h"
#include "text/number_text.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

// The text of a PDF, as pdftotext lays it out.
QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("pdftotext failed on %s", qPrintable(path));
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Sum(const AppContext& context) {
    return QString::fromStdString(text::FormatFixed(context.results().totals.Sum(), 2));
}

}  // namespace

class PrintDocumentTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    QTemporaryDir dir_;

    int Print(const QString& roomFile, const QString& pdf) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return PrintRoom(program_->ctx(), roomFile, printer);
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
    }
    void cleanup() { program_.reset(); }

    void printsTheRoomAsItIsSavedOrNot() {
        test::OpenNewRoom(*program_);
        // A room built and never saved: its document is untitled and shows
        // the loads of the room as it is now.
        test::FillFullRoom(program_->room());
        program_->forms().RoomEdited();
        const QString unsaved = dir_.filePath(QStringLiteral("unsaved.pdf"));
        const int pages = Print(QString(), unsaved);
        QVERIFY(pages >= 2);
        QString text = PdfText(unsaved);
        QVERIFY(text.contains(QStringLiteral("冷房負荷計算書")));
        QVERIFY(text.contains(QStringLiteral("(無題)")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("合計 +") + Sum(program_->ctx()))));
        // The footer of the last page.
        QVERIFY(
            text.contains(QRegularExpression(QStringLiteral("\\(無題\\) +%1 / %1").arg(pages))));

        // The example opened: its file names the document.
        ProjectCommands& project = program_->frame().commands().project();
        QVERIFY(program_->frame().commands().CloseRoom(false));
        const QString example =
            QStringLiteral(KARUMOA_TEST_DATA_DIR "/../../examples/example-room.kmd");
        project.OpenFile(example);
        QCOMPARE(project.RoomFile(), example);
        const QString opened = dir_.filePath(QStringLiteral("opened.pdf"));
        QVERIFY(Print(project.RoomFile(), opened) >= 2);
        text = PdfText(opened);
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("ファイル +example-room.kmd"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("合計 +") + Sum(program_->ctx()))));
        QVERIFY(!text.contains(QStringLiteral("(無題)")));
    }

    void withoutTablesThereIsNothingToPrint() {
        program_->frame().show();
        program_->frame().commands().Sinki_Ryouiki();
        QVERIFY(program_->frame().IsEnabled(FrameItem::Mnu_Print));
        program_->frame().commands().Mnu_Print_Click();
        QCOMPARE(program_->prompts.messages.size(), std::size_t{1});
        QCOMPARE(program_->prompts.messages[0].text,
                 QStringLiteral("参照データを読み込めなかったため、計算書は印刷できません。"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(PrintDocumentTest)
#include "print_document_test.moc"
