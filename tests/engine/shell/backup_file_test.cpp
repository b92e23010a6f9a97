#include "engine/shell/backup_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vexilor {
namespace {

TEST(BackupFileTest, BackupNameEndsTheNameAtItsFirstDot) {
  EXPECT_EQ(BackupName("/work/out.txt"), "/work/out.bak");
  EXPECT_EQ(BackupName("/work/out.v2.txt"), "/work/out.bak");
  EXPECT_EQ(BackupName("/work/out"), "/work/out.bak");
  EXPECT_EQ(BackupName("/work.d/out"), "/work.d/out.bak");
  EXPECT_EQ(BackupName("C:\\work.d\\out.txt"), "C:\\work.d\\out.bak");
}

class BackupOnSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("vexilor-backup-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Path(const char* name) const { return (folder_ / name).string(); }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

  std::filesystem::path folder_;
};

TEST_F(BackupOnSaveTest, FileBecomesTheBackupReplacingAnOldOne) {
  Write(Path("out.txt"), "new");
  Write(Path("out.bak"), "old");
  BackupOnSave(Path("out.txt"));
  EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
  EXPECT_EQ(Read(Path("out.bak")), "new");
}

TEST_F(BackupOnSaveTest, MissingFileMakesNoBackup) {
  Write(Path("out.bak"), "old");
  BackupOnSave(Path("out.txt"));
  EXPECT_EQ(Read(Path("out.bak")), "old");
}

}  // namespace
}  // namespace vexilor
