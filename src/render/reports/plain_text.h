// A report document as plain text: paragraphs line by line, tables laid out
// in aligned columns, pictures left out.
#pragma once

#include <QString>
#include <QTextDocument>

namespace vexilor::render {

//! The text of the document, lines ended by "\n". Table cells are padded
//! to the widest cell of their column and separated by two spaces; cells
//! holding a number are aligned to the right, others to the left.
QString DocumentToPlainText(const QTextDocument& document);

}  // namespace vexilor::render
