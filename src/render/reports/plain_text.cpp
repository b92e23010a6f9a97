#include "render/reports/plain_text.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace vexilor::render {

namespace {

const QString kColumnGap = QStringLiteral("  ");

//! Text between two cursor positions on one line: paragraph breaks and
//! the placeholders of pictures become spaces, runs of spaces one.
QString FlatText(const QTextCursor& from, const QTextCursor& to) {
  QTextCursor cursor(from);
  cursor.setPosition(to.position(), QTextCursor::KeepAnchor);
  QString text = cursor.selectedText();
  text.replace(QChar::ParagraphSeparator, u' ');
  text.replace(QChar::LineSeparator, u' ');
  text.replace(QChar::ObjectReplacementCharacter, u' ');
  text.replace(QChar::Nbsp, u' ');
  return text.simplified();
}

bool LooksNumeric(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+([.,][0-9]+)?$"));
  return number.match(text).hasMatch();
}

void AppendTable(const QTextTable& table, QStringList& lines) {
  const int rows = table.rows();
  const int columns = table.columns();
  std::vector<std::vector<QString>> cells(static_cast<std::size_t>(rows),
                                          std::vector<QString>(static_cast<std::size_t>(columns)));
  std::vector<qsizetype> widths(static_cast<std::size_t>(columns), 0);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      // A spanned cell is written once, at its top-left corner.
      if (cell.row() != r || cell.column() != c) continue;
      QString text = FlatText(cell.firstCursorPosition(), cell.lastCursorPosition());
      if (cell.columnSpan() == 1) {
        widths[static_cast<std::size_t>(c)] =
            std::max(widths[static_cast<std::size_t>(c)], text.size());
      }
      cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = std::move(text);
    }
  }
  for (int r = 0; r < rows; ++r) {
    QString line;
    for (int c = 0; c < columns;) {
      const QTextTableCell cell = table.cellAt(r, c);
      const int span = std::max(1, cell.column() == c ? cell.columnSpan() : 1);
      qsizetype width = 0;
      for (int k = c; k < c + span && k < columns; ++k) {
        width += widths[static_cast<std::size_t>(k)] + (k > c ? kColumnGap.size() : 0);
      }
      const QString& text = cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (c > 0) line += kColumnGap;
      line += LooksNumeric(text) ? text.rightJustified(width) : text.leftJustified(width);
      c += span;
    }
    while (line.endsWith(u' ')) line.chop(1);
    lines << line;
  }
}

void AppendFrame(const QTextFrame& frame, QStringList& lines) {
  for (auto it = frame.begin(); !it.atEnd(); ++it) {
    if (const QTextFrame* child = it.currentFrame()) {
      if (const auto* table = qobject_cast<const QTextTable*>(child)) {
        AppendTable(*table, lines);
      } else {
        AppendFrame(*child, lines);
      }
      lines << QString();
      continue;
    }
    const QTextBlock block = it.currentBlock();
    QTextCursor start(block);
    QTextCursor end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    const QString text = FlatText(start, end);
    const bool lastBlank = lines.isEmpty() || lines.last().isEmpty();
    // A heading is set off by a blank line; blank lines never come in pairs.
    if (block.blockFormat().headingLevel() > 0 && !lastBlank) lines << QString();
    if (!text.isEmpty() || !lastBlank) lines << text;
  }
}

}  // namespace

QString DocumentToPlainText(const QTextDocument& document) {
  QStringList lines;
  AppendFrame(*document.rootFrame(), lines);
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines.join(u'\n') + u'\n';
}

}  // namespace vexilor::render
