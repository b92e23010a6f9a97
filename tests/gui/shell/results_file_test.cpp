#include "gui/shell/results_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace vexilor::gui {
namespace {

TEST(BackupNameTest, NameUpToTheFirstDotOfTheLastComponentPlusBak) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\work\\out.txt", "C:\\work\\out.bak"},
      {"C:\\work\\out.v2.txt", "C:\\work\\out.bak"},
      {"C:\\work\\out", "C:\\work\\out.bak"},
      {"/home/user/run.1/out.v2.txt", "/home/user/run.1/out.bak"},
      {"/home/user/run.1/out", "/home/user/run.1/out.bak"},
      {"report.txt", "report.bak"},
      {"out.bak", "out.bak"},
  };
  for (const auto& [name, backup] : cases) {
    EXPECT_EQ(BackupName(QString::fromLatin1(name)), QString::fromLatin1(backup)) << name;
  }
}

class ResultsFileTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Read(const char* name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir folder;
};

TEST_F(ResultsFileTest, BackupReplacesAnOldBackupByTheFileAboutToBeOverwritten) {
  Write("out.v2.txt", "current");
  Write("out.bak", "old backup");
  BackupOnSave(Path("out.v2.txt"));
  EXPECT_EQ(Read("out.bak"), "current");
  EXPECT_FALSE(QFile::exists(Path("out.v2.txt")));
}

TEST_F(ResultsFileTest, NoFileNoBackup) {
  BackupOnSave(Path("new.txt"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ResultsFileTest, AFileNamedLikeItsBackupIsNotDeleted) {
  Write("out.bak", "kept");
  BackupOnSave(Path("out.bak"));
  EXPECT_EQ(Read("out.bak"), "kept");
}

TEST_F(ResultsFileTest, TextIsWrittenInWindows1251WithCrlfAndOneFinalBreak) {
  // U+00A0, the no-break space of the results header, is byte A0.
  const std::vector<std::string> lines = {"N     t", "", "Ёж\u00a0x"};
  ASSERT_FALSE(WriteResultsFile(Path("out.txt"), lines));
  EXPECT_EQ(Read("out.txt"), QByteArray("N     t\r\n\r\n\xA8\xE6\xA0x\r\n"));
  EXPECT_EQ(ReadResultsFile(Path("out.txt")), lines);
}

TEST_F(ResultsFileTest, ValidUtf8IsReadAsUtf8AndAnythingElseAsWindows1251) {
  const std::pair<QByteArray, std::vector<std::string>> cases[] = {
      {"\xD0\xBA\xD1\x83\xD0\xB1\r\nx", {"куб", "x"}},
      {"\xEF\xBB\xBFplain\n", {"plain"}},
      {"\xEA\xF3\xE1\r\n", {"куб"}},
      {"a\n\nb\r", {"a", "", "b"}},
      {"", {}},
  };
  for (const auto& [bytes, lines] : cases) {
    Write("in.txt", bytes);
    EXPECT_EQ(ReadResultsFile(Path("in.txt")), lines) << bytes.toHex().toStdString();
  }
}

TEST_F(ResultsFileTest, FailuresAreReportedAndLeaveNoFile) {
  QString error;
  EXPECT_FALSE(ReadResultsFile(Path("missing.txt"), &error));
  EXPECT_FALSE(error.isEmpty());
  const auto writeError = WriteResultsFile(Path("no/such/folder/out.txt"), {"x"});
  ASSERT_TRUE(writeError);
  EXPECT_FALSE(writeError->isEmpty());
  EXPECT_FALSE(QFile::exists(Path("no/such/folder/out.txt")));
}

TEST_F(ResultsFileTest, AFileLargerThanTheWindowTakesIsRefusedUnread) {
  // Sparse files: made in no time, however large.
  const auto sized = [this](const char* name, qint64 size) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
  };
  sized("huge.txt", 50 * 1024 * 1024);
  QString error;
  EXPECT_FALSE(ReadResultsFile(Path("huge.txt"), &error, 1));
  EXPECT_EQ(error, "The file is too large for the results window: at most 8 MB can be opened.");
  EXPECT_FALSE(ReadResultsFile(Path("huge.txt"), &error, 2));
  EXPECT_EQ(error.toStdString(),
            "Файл слишком велик для окна результатов: открыть можно не более 8 МБ.");

  sized("largest.txt", kMaxResultsFileBytes);
  const auto lines = ReadResultsFile(Path("largest.txt"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(lines->size(), 1u);
  sized("largest.txt", kMaxResultsFileBytes + 1);
  EXPECT_FALSE(ReadResultsFile(Path("largest.txt")));
}

}  // namespace
}  // namespace vexilor::gui
