// karumoa-doc: writes the calculation documents of project files as one
// PDF, without a display. `karumoa-calc --format pdf` runs it; it takes the
// same arguments for this format.

#include <CLI/CLI.hpp>

#include <QGuiApplication>
#include <iostream>
#include <string>

#include "document_command.h"
#include "exit_codes.h"
#include "report_command.h"
#include "room_options.h"

namespace {

// Qt's own notes (a missing runtime folder, the offscreen platform's
// limits) are not for the user of a command; its errors are.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "karumoa-doc: " << message.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace karumoa::cli;

    CLI::App app{"カルモア: プロジェクトファイルの冷房負荷計算書を PDF に書きます。",
                 "karumoa-doc"};
    std::string output;
    RoomArguments rooms;
    app.add_option("--output", output, "書き込む PDF ファイル")->type_name("FILE")->required();
    AddRoomOptions(app, rooms);
    rooms.filesOption->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kExitOk : kExitUsage;
    }
    ReportOptions options;
    if (!ToReportOptions(rooms, argv[0], "karumoa-doc", options, std::cerr)) {
        return kExitUsage;
    }

    // Painting needs no display: the offscreen platform, unless the caller
    // chose one. Qt is given no arguments of ours to interpret.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QtMessages);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication qt(qtArgc, qtArgv);
    return RunDocument(options, rooms.files, output, std::cerr);
}
