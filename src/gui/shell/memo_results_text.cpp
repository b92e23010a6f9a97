#include "gui/shell/memo_results_text.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

namespace {

QString JoinedLines(std::string_view text) {
  QStringList lines;
  for (const std::string& line : SplitLines(text)) lines << ToQt(line);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

MemoResultsText::MemoResultsText(QPlainTextEdit& memo) : QObject(&memo), memo_(memo) {
  // Whatever the user types makes the box hold exactly what it shows.
  connect(memo_.document(), &QTextDocument::contentsChanged, this, [this] {
    if (!editing_) oneEmptyLine_ = false;
  });
}

template <typename Change>
void MemoResultsText::Edit(Change change) {
  editing_ = true;
  QTextCursor cursor(memo_.document());
  cursor.beginEditBlock();
  change(cursor);
  cursor.endEditBlock();
  editing_ = false;
}

int MemoResultsText::Count() const {
  if (memo_.document()->isEmpty()) return oneEmptyLine_ ? 1 : 0;
  return memo_.document()->blockCount();
}

void MemoResultsText::Append(std::string_view text) {
  const QString lines = JoinedLines(text);
  const bool wasEmpty = Count() == 0;
  Edit([&](QTextCursor& cursor) {
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(wasEmpty ? lines : QLatin1Char('\n') + lines);
  });
  oneEmptyLine_ = wasEmpty && lines.isEmpty();
  ShowEnd();
}

void MemoResultsText::InsertAt(int index, std::string_view text) {
  if (index < 0 || index >= Count()) {
    Append(text);
    return;
  }
  const QString lines = JoinedLines(text);
  Edit([&](QTextCursor& cursor) {
    if (memo_.document()->isEmpty()) {
      // Inserting before the one empty line.
      cursor.insertText(lines + QLatin1Char('\n'));
      return;
    }
    cursor.setPosition(memo_.document()->findBlockByNumber(index).position());
    cursor.insertText(lines + QLatin1Char('\n'));
  });
  oneEmptyLine_ = false;
}

void MemoResultsText::DeleteAt(int index) {
  const int count = Count();
  if (index < 0 || index >= count) return;
  if (count == 1) {
    Clear();
    return;
  }
  QTextDocument* document = memo_.document();
  Edit([&](QTextCursor& cursor) {
    const QTextBlock block = document->findBlockByNumber(index);
    if (index + 1 < count) {
      // The line and the break after it.
      cursor.setPosition(block.position());
      cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
      // The last line and the break before it.
      cursor.setPosition(block.previous().position() + block.previous().length() - 1);
      cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
  });
  // Two lines, one of them empty, may leave an empty box that still holds
  // the other, empty line.
  oneEmptyLine_ = document->isEmpty();
}

std::string MemoResultsText::Line(int index) const {
  if (index < 0 || index >= Count() || memo_.document()->isEmpty()) return {};
  return FromQt(memo_.document()->findBlockByNumber(index).text());
}

std::vector<std::string> MemoResultsText::Lines() const {
  std::vector<std::string> lines;
  const int count = Count();
  lines.reserve(static_cast<std::size_t>(count));
  if (count == 0) return lines;
  if (memo_.document()->isEmpty()) return {std::string()};
  // Block texts keep every character, the no-break space included.
  for (QTextBlock block = memo_.document()->begin(); block.isValid(); block = block.next()) {
    lines.push_back(FromQt(block.text()));
  }
  return lines;
}

std::string MemoResultsText::ReadAll() const {
  std::string all;
  const std::vector<std::string> lines = Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) all += "\r\n";
    all += lines[i];
  }
  return all;
}

void MemoResultsText::Clear() {
  Edit([this](QTextCursor&) { memo_.document()->clear(); });
  oneEmptyLine_ = false;
}

void MemoResultsText::SetLines(const std::vector<std::string>& lines) {
  Clear();
  if (lines.empty()) return;
  QStringList joined;
  for (const std::string& line : lines) joined << ToQt(line);
  Edit([&](QTextCursor& cursor) { cursor.insertText(joined.join(QLatin1Char('\n'))); });
  oneEmptyLine_ = lines.size() == 1 && lines.front().empty();
  memo_.moveCursor(QTextCursor::Start);
}

void MemoResultsText::ShowEnd() {
  memo_.moveCursor(QTextCursor::End);
  memo_.ensureCursorVisible();
}

}  // namespace vexilor::gui
