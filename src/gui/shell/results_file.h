// The results text as a file: Windows-1251 text with CRLF line breaks, and
// the ".bak" copy kept of a file that is about to be overwritten.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vexilor::gui {

//! The backup name of a file: the name up to, not including, the first "."
//! of its last path component (all of it when there is none), plus ".bak".
//! out.v2.txt gives out.bak; both "/" and "\" separate path components.
QString BackupName(const QString& fileName);

//! Keeps the file about to be overwritten as its backup: an existing backup
//! is deleted, then the file is renamed to the backup name. A file that
//! cannot be opened gets no backup; failures are not reported.
void BackupOnSave(const QString& fileName);

//! The lines of a results file. Well-formed UTF-8 is read as UTF-8, any
//! other text as Windows-1251; the line break after the last line does not
//! make an empty line of its own. nullopt when the file cannot be read,
//! with the system's description of the error in *error when given.
std::optional<std::vector<std::string>> ReadResultsFile(const QString& fileName,
                                                        QString* error = nullptr);

//! ReadResultsFile that tells the user, in a message box over parent, when
//! the file cannot be read.
std::optional<std::vector<std::string>> ReadResultsFileOrReport(QWidget* parent,
                                                                const QString& fileName);

//! The bytes of a results file: the lines in Windows-1251 joined by CRLF,
//! followed by one CRLF.
std::string EncodeResultsFile(const std::vector<std::string>& lines);

//! Writes the lines as a results file. The file is written whole or not at
//! all; on failure returns the system's description of the error.
std::optional<QString> WriteResultsFile(const QString& fileName,
                                        const std::vector<std::string>& lines);

}  // namespace vexilor::gui
