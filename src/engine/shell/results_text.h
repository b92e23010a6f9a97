// The results text: the lines every calculation writes its report into.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

//! Splits text at its line breaks ("\r\n", or a lone "\n" or "\r"): n breaks
//! give n + 1 lines, so a trailing break yields a final empty line.
std::vector<std::string> SplitLines(std::string_view text);

//! The multi-line results text of the main window, seen by the engine.
//! Lines are UTF-8 without line-break characters.
class ResultsText {
 public:
  virtual ~ResultsText() = default;

  //! Appends text as one or more lines (its line breaks split it).
  virtual void Append(std::string_view text) = 0;
  //! Inserts text at line index (0 <= index <= Count()).
  virtual void InsertAt(int index, std::string_view text) = 0;
  //! Deletes line index; an index outside 0..Count()-1 does nothing.
  virtual void DeleteAt(int index) = 0;
  virtual int Count() const = 0;
  virtual std::string Line(int index) const = 0;
  //! All lines joined by "\r\n", without a trailing break.
  virtual std::string ReadAll() const = 0;
  virtual void Clear() = 0;
};

//! ResultsText held in memory: the command line's and the tests' text.
class LineList : public ResultsText {
 public:
  void Append(std::string_view text) override;
  void InsertAt(int index, std::string_view text) override;
  void DeleteAt(int index) override;
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Line(int index) const override;
  std::string ReadAll() const override;
  void Clear() override { lines_.clear(); }

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace vexilor
