// Writing a file whole or not at all: a crash, a full disk or a folder the
// program may not write into never leaves a truncated file where a good one
// stood.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

//! Whether the file being replaced is kept as its ".bak" (BackupOnSave).
enum class KeepBackup { No, Yes };

//! Writes bytes as the file fileName. They go into a new file beside it (in
//! the same folder, so that the rename below stays on one file system), are
//! flushed to the disk, and that file is then renamed over the name; with
//! KeepBackup::Yes the old file becomes its ".bak" just before the rename.
//! The new file takes the permissions of the file it replaces; an existing
//! file that may not be written is not replaced. On failure nothing is left
//! behind, the name and the backup keep what they held, and the system's
//! description of the cause is returned; nullopt on success.
std::optional<std::string> WriteWholeFile(const std::string& fileName, std::string_view bytes,
                                          KeepBackup backup = KeepBackup::No);

}  // namespace vexilor
