#include "engine/shell/backup_file.h"

#include <cstdio>
#include <fstream>

namespace vexilor {

std::string BackupName(const std::string& fileName) {
  const std::size_t separator = fileName.find_last_of("/\\");
  const std::size_t componentStart = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = fileName.find('.', componentStart);
  return fileName.substr(0, dot) + ".bak";
}

bool BackupOnSave(const std::string& fileName) {
  if (!std::ifstream(fileName, std::ios::binary)) return false;
  const std::string backup = BackupName(fileName);
  if (backup == fileName) return false;
  std::remove(backup.c_str());
  return std::rename(fileName.c_str(), backup.c_str()) == 0;
}

}  // namespace vexilor
