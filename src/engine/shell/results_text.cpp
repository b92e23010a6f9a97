#include "engine/shell/results_text.h"

namespace vexilor {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
    }
  }
  lines.push_back(std::move(current));
  return lines;
}

void LineList::Append(std::string_view text) {
  for (auto& line : SplitLines(text)) lines_.push_back(std::move(line));
}

void LineList::InsertAt(int index, std::string_view text) {
  if (index < 0 || index > Count()) index = Count();
  auto pieces = SplitLines(text);
  lines_.insert(lines_.begin() + index, pieces.begin(), pieces.end());
}

void LineList::DeleteAt(int index) {
  if (index >= 0 && index < Count()) lines_.erase(lines_.begin() + index);
}

std::string LineList::Line(int index) const {
  return (index >= 0 && index < Count()) ? lines_[static_cast<std::size_t>(index)] : std::string();
}

std::string LineList::ReadAll() const {
  std::string all;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) all += "\r\n";
    all += lines_[i];
  }
  return all;
}

}  // namespace vexilor
