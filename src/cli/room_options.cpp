#include "room_options.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "report_command.h"

namespace karumoa::cli {

bool RoomArguments::IndoorTempGiven() const {
    return indoorTempOption != nullptr && indoorTempOption->count() > 0;
}

bool RoomArguments::DataDirGiven() const {
    return dataDirOption != nullptr && dataDirOption->count() > 0;
}

void AddRoomOptions(CLI::App& app, RoomArguments& args) {
    args.indoorTempOption =
        app.add_option("--indoor-temp", args.indoorTemp, "室内温度 (℃, 22.0〜32.0, 既定 26.0)")
            ->type_name("C");
    args.dataDirOption = app.add_option("--data-dir", args.dataDir,
                                        "参照データベースのフォルダ (既定: 実行ファイルのフォルダ)")
                             ->type_name("DIR");
    args.filesOption =
        app.add_option("FILE", args.files, "プロジェクトファイル (*.kmd)")->type_name("FILE");
}

bool ToReportOptions(const RoomArguments& args, const char* argv0, std::string_view program,
                     ReportOptions& options, std::ostream& err) {
    if (args.IndoorTempGiven() && !ParseIndoorTemp(args.indoorTemp, options.situon)) {
        err << program
            << ": --indoor-temp には 22.0 から 32.0 までの温度を指定して下さい: " << args.indoorTemp
            << '\n';
        return false;
    }
    options.dataDir = args.dataDir.empty() ? ExecutableDir(argv0) : args.dataDir;
    return true;
}

}  // namespace karumoa::cli
