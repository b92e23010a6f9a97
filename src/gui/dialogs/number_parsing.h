// Reading numbers typed into the dialogs. The notation is the C locale's
// (a decimal point), whatever the user's locale, so that the same text
// means the same number on every machine.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "engine/shell/real.h"

namespace vexilor::gui {

//! A real number in plain or exponent notation ("1.5", "-2", ".5", "3e-4").
//! The whole text must be the number: no blanks, no thousands separators.
//! nullopt for anything else, and for values beyond the extended range.
std::optional<Real> ParseReal(const QString& text);

//! True when text could still become a real number as more is typed: a
//! number, or its beginning ("-", ".", "1e", "2.5e-"). Lets the check
//! of a cell being typed accept a minus sign or an exponent on its way.
bool IsRealPrefix(const QString& text);

//! A decimal integer with an optional sign in the 32-bit range.
std::optional<std::int32_t> ParseInteger(const QString& text);

//! The low 16 bits of a parsed integer (70000 -> 4464, -1 -> 65535): the
//! dialogs store integers in 16-bit fields.
constexpr std::uint16_t Low16Bits(std::int32_t value) {
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

}  // namespace vexilor::gui
