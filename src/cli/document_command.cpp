#include "document_command.h"

#include <QDate>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <ostream>

#include <unistd.h>

#include "document/document_painter.h"
#include "exit_codes.h"
#include "room_report.h"

namespace karumoa::cli {

int RunDocument(const ReportOptions& options, const std::vector<std::string>& files,
                const std::string& output, std::ostream& err) {
    const std::string date = gui::report::DateText(QDate::currentDate());
    const std::string program = gui::report::ProgramText();
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    bool failed = false;
    int rooms = 0;

    ReportOptions each = options;
    each.eachRoom = [&](const RoomReport& r) {
        if (failed) {
            return;
        }
        // The file is made with the first room, so that a run in which no
        // room reads leaves none behind.
        if (!writer) {
            writer = std::make_unique<QPdfWriter>(QString::fromStdString(output));
            writer->setPageLayout(gui::report::DocumentPageLayout());
            writer->setTitle(QStringLiteral("冷房負荷計算書"));
            writer->setCreator(QString::fromStdString(program));
            if (!painter.begin(writer.get())) {
                failed = true;
                return;
            }
        }
        document::DocumentInput input;
        input.room = r.room;
        input.results = r.results;
        input.refs = r.refs;
        input.fileName = std::filesystem::path(r.file).filename().string();
        input.dateText = date;
        input.programText = program;
        gui::report::PaintDocument(painter, *writer, input, rooms > 0);
        ++rooms;
    };
    int status = RunReport(each, files, STDOUT_FILENO, err);
    if (painter.isActive() && !painter.end()) {
        failed = true;
    }
    if (failed) {
        err << "karumoa-calc: " << output << ": PDF を書き込めませんでした。\n";
        status = kExitFailure;
    }
    return status;
}

}  // namespace karumoa::cli
