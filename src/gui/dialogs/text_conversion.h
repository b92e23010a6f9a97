// Conversions between the engine's UTF-8 strings and Qt strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vexilor::gui {

//! UTF-8 text as a QString, unchanged.
QString ToQt(std::string_view utf8);

//! A QString as UTF-8.
std::string FromQt(const QString& text);

//! Text for a label, hint or message box: every line break of the system's
//! texts ("\r\n", "\n\r", a lone "\r" or "\n") becomes one "\n", so the
//! widgets show one break where the text has one.
QString DisplayText(std::string_view utf8);

//! The text with the characters up to and including the blank (code <= 32)
//! removed at both ends, the trimming the number entries use.
QString TrimBlanks(const QString& text);

}  // namespace vexilor::gui
