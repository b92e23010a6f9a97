#include "gui/dialogs/number_parsing.h"

#include <QRegularExpression>
#include <charconv>
#include <string>

namespace vexilor::gui {

std::optional<Real> ParseReal(const QString& text) {
  static const QRegularExpression realPattern(
      QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
  if (!realPattern.match(text).hasMatch()) return std::nullopt;
  std::string ascii = text.toStdString();
  // from_chars reads the C notation but knows no leading plus sign.
  if (ascii.front() == '+') ascii.erase(0, 1);
  Real value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

bool IsRealPrefix(const QString& text) {
  static const QRegularExpression prefixPattern(
      QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d*)?([eE][+-]?\\d*)?$"));
  const QRegularExpressionMatch match = prefixPattern.match(text);
  if (!match.hasMatch()) return false;
  // An exponent needs digits before it.
  const bool hasExponent = match.capturedLength(2) > 0;
  const QString mantissa = match.captured(1);
  return !hasExponent || mantissa.contains(QRegularExpression(QStringLiteral("\\d")));
}

std::optional<std::int32_t> ParseInteger(const QString& text) {
  static const QRegularExpression integerPattern(QStringLiteral("^[+-]?\\d+$"));
  if (!integerPattern.match(text).hasMatch()) return std::nullopt;
  std::string ascii = text.toStdString();
  if (ascii.front() == '+') ascii.erase(0, 1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

}  // namespace vexilor::gui
