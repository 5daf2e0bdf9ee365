#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
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
        int error_number;
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
        EXPECT_EQ(error.kind, SaveError::Kind::kFileSystem);
        EXPECT_EQ(error.error_number, c.error_number);
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
    EXPECT_EQ(error.kind, SaveError::Kind::kNoNewFiles);
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
    EXPECT_EQ(error.kind, SaveError::Kind::kWrite);
    EXPECT_EQ(error.write.kind, WriteError::Kind::kNotEncodable);
    EXPECT_EQ(Slurp(Path("room.kmd")), "old content");
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
    EXPECT_EQ(e.kind, ReadError::Kind::kFileSystem);
    EXPECT_EQ(e.Message(), "ファイルがありません。");
    e = refused(dir_.string());
    EXPECT_EQ(e.error_number, EISDIR);

    // A sparse file just over the limit is refused before it is read.
    { std::ofstream big(Path("big.kmd"), std::ios::binary); }
    fs::resize_file(Path("big.kmd"), kMaxProjectFileSize + 1);
    e = refused(Path("big.kmd"));
    EXPECT_EQ(e.kind, ReadError::Kind::kFileTooLarge);
    EXPECT_NE(e.Message().find("4194305"), std::string::npos) << e.Message();

    const std::string bytes = Write(before);
    Put(Path("bad.kmd"), bytes.substr(0, bytes.find("\r\n")));
    e = refused(Path("bad.kmd"));
    EXPECT_EQ(e.kind, ReadError::Kind::kUnexpectedEnd);
}

}  // namespace
}  // namespace karumoa::project::testing
