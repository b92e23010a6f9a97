// The results text as a file: Windows-1251 text with CRLF line breaks, and
// the ".bak" copy kept of a file that is about to be overwritten. The
// encoding and the writing are the engine's (engine/shell/results_file.h);
// this is their Qt face.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vexilor::gui {

//! Largest results file Open takes. The text box lays out about a megabyte
//! in a tenth of a second; a larger file would freeze the window for
//! seconds. A results text of the largest column is some tens of kilobytes.
inline constexpr qint64 kMaxResultsFileBytes = 8 * 1024 * 1024;

//! The backup name of a file: the name up to, not including, the first "."
//! of its last path component (all of it when there is none), plus ".bak".
//! out.v2.txt gives out.bak; both "/" and "\" separate path components.
QString BackupName(const QString& fileName);

//! Keeps the file about to be overwritten as its backup: an existing backup
//! is deleted, then the file is renamed to the backup name. A file that
//! cannot be opened gets no backup; failures are not reported.
void BackupOnSave(const QString& fileName);

//! The lines of a results file (see DecodeResultsFile). nullopt when the
//! file cannot be read or is larger than kMaxResultsFileBytes, with the
//! reason, in the language lang, in *error when given.
std::optional<std::vector<std::string>> ReadResultsFile(const QString& fileName,
                                                        QString* error = nullptr,
                                                        std::uint8_t lang = 1);

//! ReadResultsFile that tells the user, in a message box over parent, when
//! the file cannot be read.
std::optional<std::vector<std::string>> ReadResultsFileOrReport(QWidget* parent,
                                                                const QString& fileName,
                                                                std::uint8_t lang);

//! Writes the lines as a results file, whole or not at all; the file it
//! replaces becomes its ".bak". On failure returns the system's
//! description of the error, and the file and its backup are as they were.
std::optional<QString> WriteResultsFile(const QString& fileName,
                                        const std::vector<std::string>& lines);

}  // namespace vexilor::gui
