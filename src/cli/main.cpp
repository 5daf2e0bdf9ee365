// karumoa-calc: the command-line front end. main only parses the arguments
// and hands them to one command; each command lives in its own file.

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "resave_command.h"

namespace {

struct Arguments {
    std::string resave_out;          // --resave OUT
    std::vector<std::string> files;  // FILE...
};

}  // namespace

int main(int argc, char** argv) {
    using namespace karumoa::cli;

    CLI::App app{"カルモア: 冷房負荷計算のプロジェクトファイルを扱います。", "karumoa-calc"};
    Arguments args;
    CLI::Option* resave = app.add_option("--resave", args.resave_out,
                                         "プロジェクトファイル FILE を読み込み、OUT に書き直します")
                              ->type_name("OUT");
    app.add_option("FILE", args.files, "プロジェクトファイル (*.kmd)")->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kExitOk : kExitUsage;
    }

    if (resave->count() > 0) {
        if (args.files.size() != 1) {
            std::cerr
                << "karumoa-calc: --resave OUT には読み込むファイルを一つだけ指定して下さい。\n";
            return kExitUsage;
        }
        return RunResave(args.resave_out, args.files.front(), std::cerr);
    }

    std::cerr << "karumoa-calc: コマンドを指定して下さい。\n" << app.help();
    return kExitUsage;
}
