#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "fixture_rooms.h"
#include "project/project_file.h"
#include "test_util.h"

namespace karumoa::project::testing {
namespace {

namespace fs = std::filesystem;
using model::RoomModel;

class ProjectFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "karumoa-save-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Names in the folder, to see that no temporary file is left.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(ProjectFiles, SaveWritesTheWritersBytesWithNormalPermissions) {
    const mode_t old = ::umask(022);
    SaveError error;
    const bool saved = SaveProjectFile(Path("room.kmd"), ExampleRoom(), &error);
    ::umask(old);
    ASSERT_TRUE(saved) << error.Message();
    EXPECT_EQ(Slurp(Path("room.kmd")), Write(ExampleRoom()));
    struct stat st {};
    ASSERT_EQ(::stat(Path("room.kmd").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_EQ(Entries(), std::vector<std::string>{"room.kmd"});

    // Saving over it replaces it whole.
    ASSERT_TRUE(SaveProjectFile(Path("room.kmd"), OneWallRoom(), &error)) << error.Message();
    RoomModel read = NewRoom();
    ReadError readError;
    ASSERT_TRUE(ReadProjectFile(Path("room.kmd"), read, &readError)) << readError.Message();
    EXPECT_EQ(read, OneWallRoom());
    EXPECT_EQ(Entries(), std::vector<std::string>{"room.kmd"});
}

TEST_F(ProjectFiles, SavingOverAFileKeepsItsPermissionsAndSavesThroughALink) {
    Put(Path("private.kmd"), "old");
    ASSERT_EQ(::chmod(Path("private.kmd").c_str(), 0600), 0);
    fs::create_symlink("private.kmd", dir_ / "link.kmd");
    SaveError error;
    ASSERT_TRUE(SaveProjectFile(Path("link.kmd"), ExampleRoom(), &error)) << error.Message();
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.kmd"));
    EXPECT_EQ(Slurp(Path("private.kmd")), Write(ExampleRoom()));
    struct stat st {};
    ASSERT_EQ(::stat(Path("private.kmd").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.kmd", "private.kmd"}));
}

TEST_F(ProjectFiles, FailedSavesReportAndLeaveNothingBehind) {
    Put(Path("plain-file"), "not a folder");
    struct Case {
        std::string path;
        int errorNumber;
        const char* message;
    };
    fs::create_directory(dir_ / "folder.kmd");
    const std::vector<Case> cases{
        {Path("missing/room.kmd"), ENOENT, "保存先のフォルダがありません。"},
        {Path("plain-file/room.kmd"), ENOTDIR,
         "保存先のフォルダがありません（途中にフォルダでないものがあります）。"},
        {Path("folder.kmd"), EISDIR, "同じ名前のフォルダがあるため保存できません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        SaveError error;
        EXPECT_FALSE(SaveProjectFile(c.path, ExampleRoom(), &error));
        EXPECT_EQ(error.kind, SaveError::Kind::FileSystem);
        EXPECT_EQ(error.errorNumber, c.errorNumber);
        EXPECT_EQ(error.Message(), c.message);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.kmd", "plain-file"}));
    }
    EXPECT_TRUE(fs::is_empty(dir_ / "folder.kmd"));
}

TEST_F(ProjectFiles, AFolderThatTakesNoFilesIsNotCalledMissing) {
    // The process file system answers "no such file" to every new name in
    // folders that are there.
    if (!fs::is_directory("/proc/self")) {
        GTEST_SKIP() << "no /proc";
    }
    SaveError error;
    EXPECT_FALSE(SaveProjectFile("/proc/room.kmd", ExampleRoom(), &error));
    EXPECT_EQ(error.kind, SaveError::Kind::NoNewFiles);
    EXPECT_EQ(error.Message(),
              "保存先のフォルダには新しいファイルを作成できません。別のフォルダを選んで下さい。");
}

TEST_F(ProjectFiles, ARoomThatCannotBeWrittenLeavesTheOldFile) {
    Put(Path("room.kmd"), "old content");
    RoomModel room = OneWallRoom();
    room.Kabe.Item(1)->SetData({"", "\xF0\x9F\x98\x80", ""}, {0, 1.0f, 0}, {0, 10, 0}, 6000, 2400,
                               1, false, 3.0f, 0);
    SaveError error;
    EXPECT_FALSE(SaveProjectFile(Path("room.kmd"), room, &error));
    EXPECT_EQ(error.kind, SaveError::Kind::Write);
    EXPECT_EQ(error.write.kind, WriteError::Kind::NotEncodable);
    EXPECT_EQ(Slurp(Path("room.kmd")), "old content");
    EXPECT_EQ(Entries(), std::vector<std::string>{"room.kmd"});
}

// Targets a save must not replace: the old file, or whatever stands there,
// stays byte for byte as it was, and nothing is left beside it. The
// read-only file is refused by its mode bits, so also when the tests run
// as root.
TEST_F(ProjectFiles, TargetsThatMustNotBeReplacedAreRefused) {
    Put(Path("read-only.kmd"), "old content");
    ASSERT_EQ(::chmod(Path("read-only.kmd").c_str(), 0444), 0);
    Put(Path("owner-read-only.kmd"), "old content");
    ASSERT_EQ(::chmod(Path("owner-read-only.kmd").c_str(), 0466), 0);
    ASSERT_EQ(::mkfifo(Path("fifo.kmd").c_str(), 0644), 0);
    fs::create_symlink("/dev/null", dir_ / "device.kmd");
    fs::create_symlink("read-only.kmd", dir_ / "link-to-read-only.kmd");
    fs::create_symlink("loop-b.kmd", dir_ / "loop-a.kmd");
    fs::create_symlink("loop-a.kmd", dir_ / "loop-b.kmd");
    const std::vector<std::string> before = Entries();
    struct Case {
        std::string name;
        SaveError::Kind kind;
        std::string message;
    };
    const std::vector<Case> cases{
        {"read-only.kmd", SaveError::Kind::ReadOnly,
         "読み取り専用のファイルです。上書きしませんでした。"},
        {"owner-read-only.kmd", SaveError::Kind::ReadOnly,
         "読み取り専用のファイルです。上書きしませんでした。"},
        {"link-to-read-only.kmd", SaveError::Kind::ReadOnly,
         "読み取り専用のファイルです。上書きしませんでした。"},
        {"fifo.kmd", SaveError::Kind::NotRegularFile,
         "保存先は通常のファイルではありません（FIFO やデバイスには保存できません）。"},
        {"device.kmd", SaveError::Kind::NotRegularFile,
         "保存先は通常のファイルではありません（FIFO やデバイスには保存できません）。"},
        {"loop-a.kmd", SaveError::Kind::FileSystem, "シンボリックリンクが循環しています。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveError error;
        EXPECT_FALSE(SaveProjectFile(Path(c.name), ExampleRoom(), &error));
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.Message(), c.message);
        EXPECT_EQ(Entries(), before);
    }
    EXPECT_EQ(Slurp(Path("read-only.kmd")), "old content");
    EXPECT_EQ(Slurp(Path("owner-read-only.kmd")), "old content");
    EXPECT_EQ(fs::status(dir_ / "fifo.kmd").type(), fs::file_type::fifo);
}

TEST_F(ProjectFiles, ADanglingLinkGetsTheFileItPointsTo) {
    fs::create_directory(dir_ / "rooms");
    fs::create_symlink("rooms/room.kmd", dir_ / "link.kmd");
    fs::create_symlink("link.kmd", dir_ / "link-to-link.kmd");
    SaveError error;
    ASSERT_TRUE(SaveProjectFile(Path("link-to-link.kmd"), ExampleRoom(), &error))
        << error.Message();
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.kmd"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link-to-link.kmd"));
    EXPECT_EQ(Slurp(Path("rooms/room.kmd")), Write(ExampleRoom()));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link-to-link.kmd", "link.kmd", "rooms"}));
}

// The system calls of a save, each of which can be made to fail once it
// has been called `after` times. A failing close still closes.
class FailingCalls : public SaveCalls {
public:
    enum class Call { Write, Sync, Close, Rename };
    FailingCalls(Call call, int after, int errorNumber)
        : call_(call), after_(after), errno_(errorNumber) {}

    long Write(int fd, const char* data, std::size_t size) override {
        if (Fails(Call::Write)) {
            return -1;
        }
        // Short writes, as a pipe or a nearly full disk gives them.
        return SaveCalls::Write(fd, data, std::min<std::size_t>(size, 100));
    }
    int Sync(int fd) override { return Fails(Call::Sync) ? -1 : SaveCalls::Sync(fd); }
    int Close(int fd) override {
        const int r = SaveCalls::Close(fd);
        return Fails(Call::Close) ? -1 : r;
    }
    int Rename(const char* from, const char* to) override {
        return Fails(Call::Rename) ? -1 : SaveCalls::Rename(from, to);
    }

private:
    bool Fails(Call call) {
        if (call != call_ || calls_++ < after_) {
            return false;
        }
        errno = errno_;
        return true;
    }

    Call call_;
    int after_;
    int errno_;
    int calls_ = 0;
};

TEST_F(ProjectFiles, ASaveFailingAtAnyStepKeepsTheOldFileAndSaysWhy) {
    using Call = FailingCalls::Call;
    struct Case {
        const char* what;
        Call call;
        int after;
        int errorNumber;
        const char* message;
    };
    const Case cases[] = {
        {"first write", Call::Write, 0, ENOSPC, "ディスクの空き容量が足りません。"},
        {"a later write", Call::Write, 3, EIO, "保存できませんでした（Input/output error）。"},
        {"flush", Call::Sync, 0, EIO, "保存できませんでした（Input/output error）。"},
        {"close", Call::Close, 0, EDQUOT, "ディスクの空き容量が足りません。"},
        {"rename", Call::Rename, 0, EACCES, "保存先に書き込む権限がありません。"},
    };
    Put(Path("room.kmd"), Write(OneWallRoom()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FailingCalls calls(c.call, c.after, c.errorNumber);
        SaveError error;
        EXPECT_FALSE(SaveProjectFile(Path("room.kmd"), ExampleRoom(), &error, calls));
        EXPECT_EQ(error.kind, SaveError::Kind::FileSystem);
        EXPECT_EQ(error.errorNumber, c.errorNumber);
        EXPECT_EQ(error.Message(), c.message);
        EXPECT_EQ(Slurp(Path("room.kmd")), Write(OneWallRoom()));
        EXPECT_EQ(Entries(), std::vector<std::string>{"room.kmd"});
    }
    // The same calls without a failure save the whole file.
    FailingCalls none(Call::Rename, 1, 0);
    SaveError error;
    ASSERT_TRUE(SaveProjectFile(Path("room.kmd"), ExampleRoom(), &error, none)) << error.Message();
    EXPECT_EQ(Slurp(Path("room.kmd")), Write(ExampleRoom()));
}

// A disk that fills up part way: a file size limit stops the write as a
// full disk would, without root.
TEST_F(ProjectFiles, AFullDiskKeepsTheOldFile) {
    Put(Path("room.kmd"), Write(OneWallRoom()));
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 200;
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    SaveError error;
    const bool saved = SaveProjectFile(Path("room.kmd"), ExampleRoom(), &error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(error.errorNumber, EFBIG);
    EXPECT_EQ(error.Message(), "ファイルの大きさの上限を超えるため書き込めません。");
    EXPECT_EQ(Slurp(Path("room.kmd")), Write(OneWallRoom()));
    EXPECT_EQ(Entries(), std::vector<std::string>{"room.kmd"});
}

TEST_F(ProjectFiles, ReadFailuresLeaveTheRoomAlone) {
    const RoomModel before = ExampleRoom();
    auto refused = [&](const std::string& path) {
        RoomModel room = before;
        ReadError error;
        EXPECT_FALSE(ReadProjectFile(path, room, &error));
        EXPECT_EQ(room, before);
        return error;
    };
    ReadError e = refused(Path("absent.kmd"));
    EXPECT_EQ(e.kind, ReadError::Kind::FileSystem);
    EXPECT_EQ(e.Message(), "ファイルがありません。");
    e = refused(dir_.string());
    EXPECT_EQ(e.errorNumber, EISDIR);

    // A sparse file just over the limit is refused before it is read.
    { std::ofstream big(Path("big.kmd"), std::ios::binary); }
    fs::resize_file(Path("big.kmd"), kMaxProjectFileSize + 1);
    e = refused(Path("big.kmd"));
    EXPECT_EQ(e.kind, ReadError::Kind::FileTooLarge);
    EXPECT_NE(e.Message().find("4194305"), std::string::npos) << e.Message();

    const std::string bytes = Write(before);
    Put(Path("bad.kmd"), bytes.substr(0, bytes.find("\r\n")));
    e = refused(Path("bad.kmd"));
    EXPECT_EQ(e.kind, ReadError::Kind::UnexpectedEnd);

    // Nothing that is not a regular file is read, and a FIFO is not waited
    // on: without a writer, reading one would wait for ever.
    e = refused("/dev/zero");
    EXPECT_EQ(e.kind, ReadError::Kind::NotRegularFile);
    EXPECT_EQ(e.Message(), "通常のファイルではありません（FIFO やデバイスからは読み込めません）。");
    ASSERT_EQ(::mkfifo(Path("fifo.kmd").c_str(), 0644), 0);
    auto reading = std::async(std::launch::async, [&] { return refused(Path("fifo.kmd")); });
    if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "reading the FIFO waits for a writer";
        // A writer that opens and closes lets the read end.
        ::close(::open(Path("fifo.kmd").c_str(), O_WRONLY));
    }
    EXPECT_EQ(reading.get().kind, ReadError::Kind::NotRegularFile);
}

}  // namespace
}  // namespace karumoa::project::testing
