#include "engine/shell/backup_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/shell/file_folder_fixture.h"

namespace vexilor {
namespace {

TEST(BackupFileTest, BackupNameEndsTheNameAtItsFirstDot) {
  EXPECT_EQ(BackupName("/work/out.txt"), "/work/out.bak");
  EXPECT_EQ(BackupName("/work/out.v2.txt"), "/work/out.bak");
  EXPECT_EQ(BackupName("/work/out"), "/work/out.bak");
  EXPECT_EQ(BackupName("/work.d/out"), "/work.d/out.bak");
  EXPECT_EQ(BackupName("C:\\work.d\\out.txt"), "C:\\work.d\\out.bak");
}

class BackupOnSaveTest : public testing::FileFolderTest {};

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

TEST_F(BackupOnSaveTest, AFileNamedLikeItsBackupIsNotDeleted) {
  Write(Path("out.bak"), "kept");
  EXPECT_FALSE(BackupOnSave(Path("out.bak")));
  EXPECT_EQ(Read(Path("out.bak")), "kept");
}

}  // namespace
}  // namespace vexilor
