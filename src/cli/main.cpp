// karumoa-calc: the command-line front end. main only parses the arguments
// and hands them to one command; each command lives in its own file.

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "pdf_command.h"
#include "report_command.h"
#include "resave_command.h"
#include "room_options.h"

namespace {

struct Arguments {
    std::string resave_out;       // --resave OUT
    std::string format = "text";  // --format text|json|csv|pdf
    std::string output;           // --output FILE
    karumoa::cli::RoomArguments rooms;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace karumoa::cli;

    CLI::App app{"カルモア: プロジェクトファイルの冷房負荷を計算して表示します。", "karumoa-calc"};
    Arguments args;
    CLI::Option* resave = app.add_option("--resave", args.resave_out,
                                         "プロジェクトファイル FILE を読み込み、OUT に書き直します")
                              ->type_name("OUT");
    AddRoomOptions(app, args.rooms);
    app.add_option("--format", args.format,
                   "出力形式 text, json, csv または pdf (既定 text; pdf は冷房負荷計算書)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "json", "csv", "pdf"}));
    app.add_option("--output", args.output, "出力するファイル (既定: 標準出力; pdf では必須)")
        ->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kExitOk : kExitUsage;
    }

    ReportOptions options;
    if (!ToReportOptions(args.rooms, argv[0], "karumoa-calc", options, std::cerr)) {
        return kExitUsage;
    }
    const std::vector<std::string>& files = args.rooms.files;

    if (resave->count() > 0) {
        if (files.size() != 1) {
            std::cerr
                << "karumoa-calc: --resave OUT には読み込むファイルを一つだけ指定して下さい。\n";
            return kExitUsage;
        }
        return RunResave(args.resave_out, files.front(), std::cerr);
    }

    if (files.empty()) {
        std::cerr << "karumoa-calc: プロジェクトファイルを指定して下さい。\n" << app.help();
        return kExitUsage;
    }
    if (args.format == "pdf") {
        if (args.output.empty()) {
            std::cerr << "karumoa-calc: --format pdf には --output FILE を指定して下さい。\n";
            return kExitUsage;
        }
        return ExecDocumentWriter(ExecutableDir(argv[0]), args.output, args.rooms, std::cerr);
    }
    options.format = args.format == "json"  ? ReportFormat::Json
                     : args.format == "csv" ? ReportFormat::Csv
                                            : ReportFormat::Text;
    int out = STDOUT_FILENO;
    if (!args.output.empty()) {
        out = ::open(args.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (out < 0) {
            std::cerr << "karumoa-calc: " << args.output
                      << ": 書き込めません: " << std::strerror(errno) << '\n';
            return kExitFailure;
        }
    }
    const int status = RunReport(options, files, out, std::cerr);
    if (out != STDOUT_FILENO && ::close(out) != 0) {
        std::cerr << "karumoa-calc: " << args.output << ": 書き込めません: " << std::strerror(errno)
                  << '\n';
        return kExitFailure;
    }
    return status;
}
