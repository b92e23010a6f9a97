#include "engine/shell/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/shell/file_folder_fixture.h"
#include "support/file_faults.h"

namespace vexilor {
namespace {

using testing::FileSizeLimit;
using testing::ReadOnlyFolder;

class WholeFileTest : public testing::FileFolderTest {};

TEST_F(WholeFileTest, ReplacesTheFileAndKeepsTheOldOneAsItsBackupWhenAsked) {
  Write(Path("out.txt"), "old text that is longer than the new one");
  Write(Path("out.bak"), "older backup");
  ASSERT_EQ(WriteWholeFile(Path("out.txt"), "new", KeepBackup::Yes), std::nullopt);
  EXPECT_EQ(Read(Path("out.txt")), "new");
  EXPECT_EQ(Read(Path("out.bak")), "old text that is longer than the new one");

  ASSERT_EQ(WriteWholeFile(Path("out.txt"), "newer"), std::nullopt);
  EXPECT_EQ(Read(Path("out.txt")), "newer");
  EXPECT_EQ(Read(Path("out.bak")), "old text that is longer than the new one");
  EXPECT_EQ(Names(), (std::vector<std::string>{"out.bak", "out.txt"}));
}

TEST_F(WholeFileTest, ANewFileGetsNoBackupAndTheReplacedFilesPermissionsStay) {
  ASSERT_EQ(WriteWholeFile(Path("fresh.txt"), "text", KeepBackup::Yes), std::nullopt);
  EXPECT_EQ(Names(), std::vector<std::string>{"fresh.txt"});

  ::chmod(Path("fresh.txt").c_str(), 0640);
  ASSERT_EQ(WriteWholeFile(Path("fresh.txt"), "again"), std::nullopt);
  struct stat status {};
  ASSERT_EQ(::stat(Path("fresh.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(WholeFileTest, ALeftoverPartialFileIsNeitherUsedNorRemoved) {
  Write(Path("out.txt.part"), "left by a crash");
  ASSERT_EQ(WriteWholeFile(Path("out.txt"), "whole"), std::nullopt);
  EXPECT_EQ(Read(Path("out.txt")), "whole");
  EXPECT_EQ(Read(Path("out.txt.part")), "left by a crash");
  EXPECT_EQ(Names(), (std::vector<std::string>{"out.txt", "out.txt.part"}));
}

TEST_F(WholeFileTest, ALinkIsFollowedAndStaysALink) {
  Write(Path("target.txt"), "old");
  std::filesystem::create_symlink(Path("target.txt"), Path("link.txt"));
  ASSERT_EQ(WriteWholeFile(Path("link.txt"), "through the link"), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.txt")));
  EXPECT_EQ(Read(Path("target.txt")), "through the link");
}

TEST_F(WholeFileTest, AFileNamedLikeItsBackupIsReplacedWithoutLosingIt) {
  Write(Path("out.bak"), "old");
  ASSERT_EQ(WriteWholeFile(Path("out.bak"), "new", KeepBackup::Yes), std::nullopt);
  EXPECT_EQ(Read(Path("out.bak")), "new");
}

// The failures: whatever stops the write, the file and its backup keep what
// they held and no partial file is left.
TEST_F(WholeFileTest, AFolderThatRefusesNewFilesLeavesEverythingAsItWas) {
  Write(Path("out.txt"), "good text");
  Write(Path("out.bak"), "good backup");
  std::optional<std::string> failure;
  {
    ReadOnlyFolder readOnly(folder_.string());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this file system cannot refuse new files";
    failure = WriteWholeFile(Path("out.txt"), "new text", KeepBackup::Yes);
  }
  ASSERT_TRUE(failure.has_value());
  EXPECT_FALSE(failure->empty());
  EXPECT_EQ(Read(Path("out.txt")), "good text");
  EXPECT_EQ(Read(Path("out.bak")), "good backup");
  EXPECT_EQ(Names(), (std::vector<std::string>{"out.bak", "out.txt"}));
}

TEST_F(WholeFileTest, AFullDiskLeavesEverythingAsItWas) {
  Write(Path("out.txt"), "good text");
  Write(Path("out.bak"), "good backup");
  const std::string large(64 * 1024, 'x');
  std::optional<std::string> failure;
  {
    FileSizeLimit full(4096);
    failure = WriteWholeFile(Path("out.txt"), large, KeepBackup::Yes);
  }
  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("too large"), std::string::npos) << *failure;  // EFBIG
  EXPECT_EQ(Read(Path("out.txt")), "good text");
  EXPECT_EQ(Read(Path("out.bak")), "good backup");
  EXPECT_EQ(Names(), (std::vector<std::string>{"out.bak", "out.txt"}));
}

TEST_F(WholeFileTest, AMissingFolderOrAFolderInTheWayIsReported) {
  EXPECT_TRUE(WriteWholeFile(Path("no-such-folder/out.txt"), "x").has_value());
  std::filesystem::create_directory(Path("in-the-way"));
  EXPECT_TRUE(WriteWholeFile(Path("in-the-way"), "x", KeepBackup::Yes).has_value());
  EXPECT_TRUE(std::filesystem::is_directory(Path("in-the-way")));
  EXPECT_EQ(Names(), std::vector<std::string>{"in-the-way"});
}

}  // namespace
}  // namespace vexilor
