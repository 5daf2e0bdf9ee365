#include "report_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>

#include "calc/calc.h"
#include "exit_codes.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"
#include "refdb/room_check.h"
#include "room_report.h"
#include "text/number_text.h"

namespace karumoa::cli {
namespace {

// Output is collected and written in large pieces: one write for many
// rooms rather than many small writes per room.
class Output {
public:
    explicit Output(int fd) : fd_(fd) { buffer_.reserve(kFlushSize + 64 * 1024); }
    ~Output() { Flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    std::string& Buffer() { return buffer_; }
    void MaybeFlush() {
        if (buffer_.size() >= kFlushSize) {
            Flush();
        }
    }
    // Writes what is collected; false once a write has failed (the rest is
    // then dropped, as a closed pipe or a full disk will not recover).
    bool Flush() {
        std::string_view rest = buffer_;
        while (ok_ && !rest.empty()) {
            const ssize_t n = ::write(fd_, rest.data(), rest.size());
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                ok_ = false;
                break;
            }
            rest.remove_prefix(static_cast<std::size_t>(n));
        }
        buffer_.clear();
        return ok_;
    }

private:
    static constexpr std::size_t kFlushSize = 256 * 1024;
    int fd_;
    std::string buffer_;
    bool ok_ = true;
};

}  // namespace

bool ParseIndoorTemp(const std::string& text, std::int16_t& situon) {
    // The range holds tenths of a degree; the degrees typed are checked
    // before they are rounded to tenths.
    constexpr const model::ValueRange& kSituon = model::Setting("Situon").range;
    const std::optional<double> value = text::ParseNumberField(text);
    if (!value || !kSituon.Contains(*value * 10.0)) {
        return false;
    }
    const std::optional<std::int16_t> tenths = text::ToInt16(*value * 10.0);
    if (!tenths) {
        return false;
    }
    situon = *tenths;
    return true;
}

std::string ExecutableDir(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) {
        return self.parent_path().string();
    }
    const std::string_view arg = argv0 != nullptr ? argv0 : "";
    if (arg.find('/') != std::string_view::npos) {
        const fs::path p = fs::weakly_canonical(fs::path(arg), ec);
        return (ec ? fs::path(arg) : p).parent_path().string();
    }
    if (!arg.empty()) {
        const char* path = std::getenv("PATH");
        std::string_view dirs = path != nullptr ? path : "";
        while (!dirs.empty()) {
            const std::size_t colon = dirs.find(':');
            const std::string_view dir = dirs.substr(0, colon);
            const fs::path candidate = fs::path(dir.empty() ? "." : dir) / arg;
            if (::access(candidate.c_str(), X_OK) == 0) {
                return fs::weakly_canonical(candidate, ec).parent_path().string();
            }
            dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
        }
    }
    return ".";
}

int RunReport(const ReportOptions& options, const std::vector<std::string>& files, int outFd,
              std::ostream& err) {
    refdb::LoadError loadError;
    const std::optional<refdb::ReferenceData> refs =
        refdb::ReferenceData::Load(options.dataDir, &loadError);
    if (!refs) {
        err << "karumoa-calc: " << loadError.message << '\n';
        return kExitFailure;
    }

    const calc::StructuralTables tables(*refs);
    Output out(outFd);
    if (options.format == ReportFormat::Csv && !options.eachRoom) {
        AppendCsvHeader(out.Buffer());
    }
    int status = kExitOk;
    for (const std::string& file : files) {
        auto fail = [&](const std::string& message) {
            // Earlier reports first, so a terminal shows the message after them.
            out.Flush();
            err << "karumoa-calc: " << file << ": " << message << '\n';
            status = kExitFailure;
        };

        model::RoomModel room;
        project::ReadError readError;
        if (!project::ReadProjectFile(file, room, &readError)) {
            fail(readError.Message());
            continue;
        }
        if (const auto refused = refdb::CheckRoomAgainstTables(room, *refs)) {
            fail(*refused);
            continue;
        }
        // Project files do not hold the indoor temperature.
        room.Situon = options.situon;

        const calc::RoomResults results = calc::ComputeRoomResults(room, *refs, tables);
        // A load that is not a number is never printed as one.
        if (const auto term = calc::NonFiniteTerm(results)) {
            fail(calc::NonFiniteMessage(*term));
            continue;
        }

        RoomReport report;
        report.file = file;
        report.city = refs->Gaiki().Cell(room.Basyo, 0);
        report.outdoorText = refs->CityTemperatureText(room.Basyo, refdb::GaikiColumn::DryBulb8_17);
        report.outdoorTemp = results.to;
        report.situon = room.Situon;
        report.structural = &results.structural;
        report.internal = &results.internal;
        report.totals = &results.totals;
        report.room = &room;
        report.results = &results;
        report.refs = &*refs;
        if (options.eachRoom) {
            options.eachRoom(report);
        } else if (options.format == ReportFormat::Json) {
            AppendJsonReport(out.Buffer(), report);
        } else if (options.format == ReportFormat::Csv) {
            AppendCsvReport(out.Buffer(), report);
        } else {
            AppendTextReport(out.Buffer(), report);
        }
        out.MaybeFlush();
    }
    if (!out.Flush()) {
        err << "karumoa-calc: 標準出力に書き込めませんでした。\n";
        status = kExitFailure;
    }
    return status;
}

}  // namespace karumoa::cli
