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

namespace {

struct Arguments {
    std::string resave_out;          // --resave OUT
    std::string indoor_temp;         // --indoor-temp C
    std::string format = "text";     // --format text|json|csv|pdf
    std::string output;              // --output FILE
    std::string data_dir;            // --data-dir DIR
    std::vector<std::string> files;  // FILE...
};

}  // namespace

int main(int argc, char** argv) {
    using namespace karumoa::cli;

    CLI::App app{"カルモア: プロジェクトファイルの冷房負荷を計算して表示します。", "karumoa-calc"};
    Arguments args;
    CLI::Option* resave = app.add_option("--resave", args.resave_out,
                                         "プロジェクトファイル FILE を読み込み、OUT に書き直します")
                              ->type_name("OUT");
    app.add_option("--indoor-temp", args.indoor_temp, "室内温度 (℃, 22.0〜32.0, 既定 26.0)")
        ->type_name("C");
    app.add_option("--format", args.format,
                   "出力形式 text, json, csv または pdf (既定 text; pdf は冷房負荷計算書)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "json", "csv", "pdf"}));
    app.add_option("--output", args.output, "出力するファイル (既定: 標準出力; pdf では必須)")
        ->type_name("FILE");
    app.add_option("--data-dir", args.data_dir,
                   "参照データベースのフォルダ (既定: 実行ファイルのフォルダ)")
        ->type_name("DIR");
    app.add_option("FILE", args.files, "プロジェクトファイル (*.kmd)")->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kExitOk : kExitUsage;
    }

    ReportOptions options;
    if (app.count("--indoor-temp") > 0 && !ParseIndoorTemp(args.indoor_temp, options.situon)) {
        std::cerr << "karumoa-calc: --indoor-temp には 22.0 から 32.0 までの温度を指定して下さい: "
                  << args.indoor_temp << '\n';
        return kExitUsage;
    }

    if (resave->count() > 0) {
        if (args.files.size() != 1) {
            std::cerr
                << "karumoa-calc: --resave OUT には読み込むファイルを一つだけ指定して下さい。\n";
            return kExitUsage;
        }
        return RunResave(args.resave_out, args.files.front(), std::cerr);
    }

    if (args.files.empty()) {
        std::cerr << "karumoa-calc: プロジェクトファイルを指定して下さい。\n" << app.help();
        return kExitUsage;
    }
    if (args.format == "pdf") {
        if (args.output.empty()) {
            std::cerr << "karumoa-calc: --format pdf には --output FILE を指定して下さい。\n";
            return kExitUsage;
        }
        const PdfArguments pdf{args.output,
                               app.count("--indoor-temp") > 0 ? &args.indoor_temp : nullptr,
                               app.count("--data-dir") > 0 ? &args.data_dir : nullptr, args.files};
        return ExecDocumentWriter(ExecutableDir(argv[0]), pdf, std::cerr);
    }
    options.format = args.format == "json"  ? ReportFormat::kJson
                     : args.format == "csv" ? ReportFormat::kCsv
                                            : ReportFormat::kText;
    options.dataDir = args.data_dir.empty() ? ExecutableDir(argv[0]) : args.data_dir;
    int out = STDOUT_FILENO;
    if (!args.output.empty()) {
        out = ::open(args.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (out < 0) {
            std::cerr << "karumoa-calc: " << args.output
                      << ": 書き込めません: " << std::strerror(errno) << '\n';
            return kExitFailure;
        }
    }
    const int status = RunReport(options, args.files, out, std::cerr);
    if (out != STDOUT_FILENO && ::close(out) != 0) {
        std::cerr << "karumoa-calc: " << args.output << ": 書き込めません: " << std::strerror(errno)
                  << '\n';
        return kExitFailure;
    }
    return status;
}
