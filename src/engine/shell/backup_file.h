// The ".bak" copy kept of a file that is about to be overwritten.
#pragma once

#include <string>

namespace vexilor {

//! The backup name of a file: the name up to, not including, the first "."
//! of its last path component (all of it when there is none), plus ".bak".
//! out.v2.txt gives out.bak; "/" and "\" both separate path components.
std::string BackupName(const std::string& fileName);

//! Keeps the file about to be overwritten as its backup: an existing backup
//! is deleted, then the file is renamed to the backup name. A file that
//! cannot be opened gets no backup, nor does a file that already bears its
//! backup name (it would be deleted); failures are not reported. Returns
//! whether the file now is the backup.
bool BackupOnSave(const std::string& fileName);

}  // namespace vexilor
