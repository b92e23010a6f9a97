// The results text shown in the main window's text box. Lines are the
// text box's paragraphs; an empty box holds no line.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "engine/shell/results_text.h"

class QPlainTextEdit;

namespace vexilor::gui {

class MemoResultsText : public QObject, public ResultsText {
  Q_OBJECT
 public:
  explicit MemoResultsText(QPlainTextEdit& memo);

  void Append(std::string_view text) override;
  void InsertAt(int index, std::string_view text) override;
  void DeleteAt(int index) override;
  int Count() const override;
  std::string Line(int index) const override;
  std::string ReadAll() const override;
  void Clear() override;

  //! Every line, in order.
  std::vector<std::string> Lines() const;
  //! Replaces the whole text with the lines.
  void SetLines(const std::vector<std::string>& lines);

 private:
  //! Writes into the box while the user's edits are not being followed.
  template <typename Change>
  void Edit(Change change);
  void ShowEnd();

  QPlainTextEdit& memo_;
  //! The box is empty but holds one empty line: an empty paragraph cannot
  //! tell "no line" from "one empty line" by itself.
  bool oneEmptyLine_ = false;
  bool editing_ = false;
};

}  // namespace vexilor::gui
