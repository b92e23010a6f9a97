// A fresh folder for each test of the units that write files, removed with
// its contents afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vexilor::testing {

class FileFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("vexilor-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Path(const char* name) const { return (folder_ / name).string(); }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  //! The text of the file, "<missing>" when there is none.
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  //! Names of the folder's entries, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder_))
      names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path folder_;
};

}  // namespace vexilor::testing
