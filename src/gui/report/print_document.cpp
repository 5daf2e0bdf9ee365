#include "report/print_document.h"

#include <QDate>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "app/app_context.h"
#include "app/core_text.h"
#include "app/prompts.h"
#include "document/document_painter.h"

namespace karumoa::gui {

int PrintRoom(AppContext& context, const QString& roomFile, QPrinter& printer) {
    document::DocumentInput input;
    input.room = &context.room();
    input.results = &context.results();
    input.refs = context.referenceData();
    input.fileName =
        roomFile.isEmpty() ? std::string() : QFileInfo(roomFile).fileName().toStdString();
    input.dateText = report::DateText(QDate::currentDate());
    input.programText = report::ProgramText();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    return report::PaintDocument(painter, printer, input, false);
}

void ShowPrintPreview(AppContext& context, const QString& roomFile, QWidget* parent) {
    if (context.referenceData() == nullptr) {
        KakuninWarning(
            context.prompts(),
            QStringLiteral("参照データを読み込めなかったため、計算書は印刷できません。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report::DocumentPageLayout());
    // The job's name, and the name a PDF is offered under: the room's.
    const QString title = QStringLiteral("冷房負荷計算書");
    printer.setDocName(roomFile.isEmpty()
                           ? title
                           : QFileInfo(roomFile).completeBaseName() + QStringLiteral("_") + title);
    printer.setCreator(FromUtf8(report::ProgramText()));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("Print_Preview");
    preview.setWindowTitle(QStringLiteral("印刷プレビュー"));
    // Above the two tool windows, which stay on top of every other window
    // and would otherwise hide the preview's toolbar with its print button;
    // tall enough to read a whole page.
    preview.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (parent != nullptr) {
        const int height = parent->height() * 9 / 10;
        preview.resize(std::min(parent->width() * 9 / 10, height * 4 / 5), height);
    }
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintRoom(context, roomFile, *target); });
    preview.exec();
}

}  // namespace karumoa::gui
