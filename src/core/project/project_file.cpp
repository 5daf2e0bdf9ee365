#include "project/project_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string_view>

#include "model/room_model.h"
#include "project/project_format.h"

namespace karumoa::project {
namespace {

// Buffers kept from one file to the next are given back above this size.
constexpr std::size_t kKeptBufferSize = 64 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // Closes now and reports the result; close can report a failed write.
    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0;
    }

private:
    int fd_;
};

bool ReadFailure(ReadError* error, int error_number) {
    if (error) {
        *error = ReadError{};
        error->kind = ReadError::Kind::kFileSystem;
        error->error_number = error_number;
    }
    return false;
}

bool TooLarge(ReadError* error, std::uint64_t size) {
    if (error) {
        *error = ReadError{};
        error->kind = ReadError::Kind::kFileTooLarge;
        error->size = size;
    }
    return false;
}

bool SaveFailure(SaveError* error, int error_number) {
    if (error) {
        *error = SaveError{};
        error->kind = SaveError::Kind::kFileSystem;
        error->error_number = error_number;
    }
    return false;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A name for the temporary file beside the target: hidden, derived from
// the target's name (shortened, so that a long name still leaves room for
// the suffix) and unique within this process and, almost surely, between
// processes; O_EXCL settles the rest.
std::string TemporaryName(const std::string& base, int attempt) {
    static std::atomic<unsigned> counter{0};
    std::string_view stem = base;
    if (stem.size() > 64) {
        std::size_t cut = 64;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        stem = stem.substr(0, cut);
    }
    const auto now = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return "." + std::string(stem) + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string((now >> 4) % 1000000) +
           std::to_string(attempt) + ".tmp";
}

}  // namespace

bool ReadProjectFile(const std::string& path, model::RoomModel& room, ReadError* error) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return ReadFailure(error, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return ReadFailure(error, errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return ReadFailure(error, EISDIR);
    }
    if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > kMaxProjectFileSize) {
        return TooLarge(error, static_cast<std::uint64_t>(st.st_size));
    }
    // Read to the end, but stop one chunk past the limit: the size from
    // fstat is only a hint (the file may grow, or not be a regular file).
    // The buffer is kept for the next file read on this thread (a batch
    // report reads thousands); one that grew large is given back then.
    thread_local std::string bytes;
    bytes.clear();
    if (bytes.capacity() > kKeptBufferSize) {
        bytes.shrink_to_fit();
    }
    if (S_ISREG(st.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ReadFailure(error, errno);
        }
        if (n == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxProjectFileSize) {
            return TooLarge(error, bytes.size());
        }
        // A regular file gives less than asked for only at its end; not
        // asking again saves a system call per file in a batch report.
        if (S_ISREG(st.st_mode) && static_cast<std::size_t>(n) < sizeof chunk) {
            break;
        }
    }
    fd.Close();
    return ReadProject(bytes, room, error);
}

bool SaveProjectFile(const std::string& path, const model::RoomModel& room, SaveError* error) {
    std::string bytes;
    WriteError writeError;
    if (!WriteProject(room, bytes, &writeError)) {
        if (error) {
            *error = SaveError{};
            error->kind = SaveError::Kind::kWrite;
            error->write = writeError;
        }
        return false;
    }

    if (path.empty()) {
        return SaveFailure(error, ENOENT);
    }
    namespace fs = std::filesystem;
    // A symbolic link is saved through: the file it points to is replaced,
    // not the link, which would otherwise leave the linked file stale.
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec) {
            return SaveFailure(error, ec.value());
        }
        target = resolved;
    }
    const std::string base = target.filename().string();
    if (base.empty() || base == "." || base == "..") {
        return SaveFailure(error, EISDIR);
    }
    const fs::path folder = target.parent_path();

    // A file saved over keeps its permissions (a private file stays
    // private); a new one is created with 0666 less the umask, as any new
    // file of the user.
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    std::string temporary;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temporary = (folder / TemporaryName(base, attempt)).string();
        raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) {
            const int e = errno;
            // "No such file" for a file about to be created in a folder that
            // is there: the file system takes no new files (/proc).
            if (e == ENOENT && fs::is_directory(folder.empty() ? fs::path(".") : folder, ec)) {
                SaveFailure(error, e);
                if (error) {
                    error->kind = SaveError::Kind::kNoNewFiles;
                }
                return false;
            }
            return SaveFailure(error, e);
        }
    }
    if (raw < 0) {
        return SaveFailure(error, EEXIST);
    }
    FileDescriptor fd(raw);
    auto abandon = [&](int error_number) {
        fd.Close();
        ::unlink(temporary.c_str());
        return SaveFailure(error, error_number);
    };
    if (replacing && ::fchmod(fd.get(), existing.st_mode & 0777) != 0) {
        return abandon(errno);
    }
    if (!WriteAll(fd.get(), bytes)) {
        return abandon(errno);
    }
    if (::fsync(fd.get()) != 0) {
        return abandon(errno);
    }
    if (!fd.Close()) {
        const int e = errno;
        ::unlink(temporary.c_str());
        return SaveFailure(error, e);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int e = errno;
        ::unlink(temporary.c_str());
        return SaveFailure(error, e);
    }
    // Make the rename itself durable; the file is complete either way, so a
    // failure here is not reported.
    const std::string folderName = folder.empty() ? "." : folder.string();
    FileDescriptor dir(::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return true;
}

}  // namespace karumoa::project
