// The results text as a file: Windows-1251 lines joined by CRLF and followed
// by one CRLF, as Save writes it; Open also takes UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

//! The bytes of a results file: the lines in Windows-1251, each followed by
//! CRLF (an empty text is one CRLF).
std::string EncodeResultsFile(const std::vector<std::string>& lines);

//! The lines of a results file's bytes, as UTF-8. Well-formed UTF-8 is read
//! as UTF-8 (a byte-order mark dropped), any other text as Windows-1251;
//! "\r\n", "\n" and "\r" break lines, and the break after the last line
//! does not make an empty line of its own.
std::vector<std::string> DecodeResultsFile(std::string_view bytes);

//! Saves the lines as the results file fileName, whole or not at all, the
//! file it replaces kept as its ".bak". Returns the system's description of
//! a failure; nullopt on success.
std::optional<std::string> WriteResultsFile(const std::string& fileName,
                                            const std::vector<std::string>& lines);

}  // namespace vexilor
