#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

QString ToQt(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQt(const QString& text) {
  return text.toUtf8().toStdString();
}

QString DisplayText(std::string_view utf8) {
  QString text = ToQt(utf8);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first].unicode() <= 32) ++first;
  while (last > first && text[last - 1].unicode() <= 32) --last;
  return text.mid(first, last - first);
}

}  // namespace vexilor::gui
