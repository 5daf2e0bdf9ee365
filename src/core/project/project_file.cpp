#include "project/project_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string_view>
#include <vector>

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
    // Hands the descriptor over to be closed elsewhere.
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
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

bool ReadFailure(ReadError* error, int errorNumber) {
    if (error) {
        *error = ReadError{};
        error->kind = ReadError::Kind::FileSystem;
        error->errorNumber = errorNumber;
    }
    return false;
}

bool TooLarge(ReadError* error, std::uint64_t size) {
    if (error) {
        *error = ReadError{};
        error->kind = ReadError::Kind::FileTooLarge;
        error->size = size;
    }
    return false;
}

bool SaveFailure(SaveError* error, int errorNumber) {
    if (error) {
        *error = SaveError{};
        error->kind = SaveError::Kind::FileSystem;
        error->errorNumber = errorNumber;
    }
    return false;
}

bool SaveFailure(SaveError* error, SaveError::Kind kind) {
    if (error) {
        *error = SaveError{};
        error->kind = kind;
    }
    return false;
}

bool WriteAll(SaveCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const long n = calls.Write(fd, bytes.data(), bytes.size());
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

bool InGroup(gid_t gid) {
    if (gid == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

// Whether the file's mode bits let this user write it. A save replaces the
// file through its folder, which the folder's permissions alone would
// allow; a file marked read-only must stay as it is. Root is held to the
// owner's bit: access() would say root may write anything.
bool WritableByMode(const struct stat& st) {
    const uid_t user = ::geteuid();
    if (user == st.st_uid || user == 0) {
        return (st.st_mode & S_IWUSR) != 0;
    }
    if (InGroup(st.st_gid)) {
        return (st.st_mode & S_IWGRP) != 0;
    }
    return (st.st_mode & S_IWOTH) != 0;
}

// The file a save writes: `target` with its symbolic links followed, also
// one that points at a file not there yet (the file is then created where
// it points, and the link stays). `st` is the file's status, and `exists`
// false when there is none. A folder on the way that is a link is left to
// the system.
bool ResolveTarget(std::filesystem::path& target, struct stat& st, bool& exists, int& errorNumber) {
    namespace fs = std::filesystem;
    constexpr int kMaxLinks = 40;  // as the system's own limit
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno == ENOENT) {
                exists = false;
                return true;
            }
            errorNumber = errno;
            return false;
        }
        if (!S_ISLNK(st.st_mode)) {
            exists = true;
            return true;
        }
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) {
            errorNumber = ec.value();
            return false;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    errorNumber = ELOOP;
    return false;
}

SaveCalls& SystemCalls() {
    static SaveCalls calls;
    return calls;
}

}  // namespace

long SaveCalls::Write(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int SaveCalls::Sync(int fd) {
    return ::fsync(fd);
}

int SaveCalls::Close(int fd) {
    return ::close(fd);
}

int SaveCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

bool ReadProjectFile(const std::string& path, model::RoomModel& room, ReadError* error) {
    // Opening a FIFO waits for a writer; without blocking it opens at once
    // and is refused below with every other file that is not a regular one.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
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
    if (!S_ISREG(st.st_mode)) {
        if (error) {
            *error = ReadError{};
            error->kind = ReadError::Kind::NotRegularFile;
        }
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxProjectFileSize) {
        return TooLarge(error, static_cast<std::uint64_t>(st.st_size));
    }
    // Read to the end, but stop one chunk past the limit: the size from
    // fstat is only a hint (the file may grow, or be one of /proc's).
    // The buffer is kept for the next file read on this thread (a batch
    // report reads thousands); one that grew large is given back then.
    thread_local std::string bytes;
    bytes.clear();
    if (bytes.capacity() > kKeptBufferSize) {
        bytes.shrink_to_fit();
    }
    bytes.reserve(static_cast<std::size_t>(st.st_size));
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
        if (static_cast<std::size_t>(n) < sizeof chunk) {
            break;
        }
    }
    fd.Close();
    return ReadProject(bytes, room, error);
}

bool SaveProjectFile(const std::string& path, const model::RoomModel& room, SaveError* error) {
    return SaveProjectFile(path, room, error, SystemCalls());
}

bool SaveProjectFile(const std::string& path, const model::RoomModel& room, SaveError* error,
                     SaveCalls& calls) {
    std::string bytes;
    WriteError writeError;
    if (!WriteProject(room, bytes, &writeError)) {
        if (error) {
            *error = SaveError{};
            error->kind = SaveError::Kind::Write;
            error->write = writeError;
        }
        return false;
    }

    if (path.empty()) {
        return SaveFailure(error, ENOENT);
    }
    namespace fs = std::filesystem;
    // A symbolic link is saved through: the file it points to is replaced
    // (or created), not the link, which would otherwise leave the linked
    // file stale.
    fs::path target(path);
    struct stat existing {};
    bool replacing = false;
    int resolveError = 0;
    if (!ResolveTarget(target, existing, replacing, resolveError)) {
        return SaveFailure(error, resolveError);
    }
    if (replacing && S_ISDIR(existing.st_mode)) {
        return SaveFailure(error, EISDIR);
    }
    if (replacing && !S_ISREG(existing.st_mode)) {
        return SaveFailure(error, SaveError::Kind::NotRegularFile);
    }
    if (replacing && !WritableByMode(existing)) {
        return SaveFailure(error, SaveError::Kind::ReadOnly);
    }
    const std::string base = target.filename().string();
    if (base.empty() || base == "." || base == "..") {
        return SaveFailure(error, EISDIR);
    }
    const fs::path folder = target.parent_path();

    // A file saved over keeps its permissions (a private file stays
    // private); a new one is created with 0666 less the umask, as any new
    // file of the user.
    std::string temporary;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temporary = (folder / TemporaryName(base, attempt)).string();
        raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) {
            const int e = errno;
            // "No such file" for a file about to be created in a folder that
            // is there: the file system takes no new files (/proc).
            std::error_code ec;
            if (e == ENOENT && fs::is_directory(folder.empty() ? fs::path(".") : folder, ec)) {
                SaveFailure(error, e);
                if (error) {
                    error->kind = SaveError::Kind::NoNewFiles;
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
    auto abandon = [&](int errorNumber) {
        fd.Close();
        ::unlink(temporary.c_str());
        return SaveFailure(error, errorNumber);
    };
    if (replacing && ::fchmod(fd.get(), existing.st_mode & 0777) != 0) {
        return abandon(errno);
    }
    if (!WriteAll(calls, fd.get(), bytes)) {
        return abandon(errno);
    }
    if (calls.Sync(fd.get()) != 0) {
        return abandon(errno);
    }
    // Closed once whatever the result: a failed close still releases the
    // descriptor, and close can report a write that failed late.
    const int closed = calls.Close(fd.Release());
    if (closed != 0) {
        const int e = errno;
        ::unlink(temporary.c_str());
        return SaveFailure(error, e);
    }
    if (calls.Rename(temporary.c_str(), target.c_str()) != 0) {
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
