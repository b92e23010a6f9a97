// Texts of the report windows as Qt strings.
#pragma once

#include <QString>
#include <string_view>

#include "engine/shell/lang.h"

namespace vexilor::gui {

//! The text of the pair in the language of interface.
inline QString UiText(const TextPair& text) {
  const std::string_view value = text.Get();
  return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

}  // namespace vexilor::gui
