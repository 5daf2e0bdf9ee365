// karumoa-calc: the command-line front end. main only parses the arguments
// and hands them to one command; each command lives in its own file.

#include <CLI/CLI.hpp>

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "report_command.h"
#include "resave_command.h"

namespace {

struct Arguments {
    std::string resave_out;          // --resave OUT
    std::string indoor_temp;         // --indoor-temp C
    std::string format = "text";     // --format text|json
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
    app.add_option("--format", args.format, "出力形式 text または json (既定 text)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "json"}));
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
    options.format = args.format == "json" ? ReportFormat::kJson : ReportFormat::kText;
    options.dataDir = args.data_dir.empty() ? ExecutableDir(argv[0]) : args.data_dir;
    return RunReport(options, args.files, STDOUT_FILENO, std::cerr);
}
