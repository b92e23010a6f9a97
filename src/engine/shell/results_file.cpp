#include "engine/shell/results_file.h"

#include "engine/shell/cp1251.h"
#include "engine/shell/results_text.h"
#include "engine/shell/whole_file.h"

namespace vexilor {

std::string EncodeResultsFile(const std::vector<std::string>& lines) {
  if (lines.empty()) return "\r\n";
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return Utf8ToCp1251(text);
}

std::vector<std::string> DecodeResultsFile(std::string_view bytes) {
  std::string text;
  if (IsValidUtf8(bytes)) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    text = bytes;
  } else {
    text = Cp1251ToUtf8(bytes);
  }
  if (text.empty()) return {};
  if (text.ends_with("\r\n")) {
    text.resize(text.size() - 2);
  } else if (text.ends_with('\n') || text.ends_with('\r')) {
    text.pop_back();
  }
  return SplitLines(text);
}

std::optional<std::string> WriteResultsFile(const std::string& fileName,
                                            const std::vector<std::string>& lines) {
  return WriteWholeFile(fileName, EncodeResultsFile(lines), KeepBackup::Yes);
}

}  // namespace vexilor
