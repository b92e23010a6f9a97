#include "engine/shell/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "engine/shell/backup_file.h"

namespace vexilor {

namespace {

// Leftovers of an interrupted write may hold the first names; a few more
// are tried before giving up.
constexpr int kTemporaryNameAttempts = 100;

std::string Cause(int error) {
  return std::strerror(error);
}

// The folder part of a path ("." for a bare name), for syncing the rename.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A symbolic link is followed: the file it names is the one replaced, and
// the link stays.
std::string ResolvedTarget(const std::string& fileName) {
  std::error_code error;
  if (!std::filesystem::is_symlink(fileName, error)) return fileName;
  const auto target = std::filesystem::weakly_canonical(fileName, error);
  return error ? fileName : target.string();
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A temporary file created for this write only (never one that exists):
// its descriptor and name, or the cause of the failure.
struct Temporary {
  int Descriptor = -1;
  std::string Name;
  int Error = 0;
};

Temporary CreateTemporary(const std::string& target) {
  Temporary temporary;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporary.Name = target + ".part" + (attempt == 0 ? "" : std::to_string(attempt));
    temporary.Descriptor =
        ::open(temporary.Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temporary.Descriptor >= 0) return temporary;
    if (errno != EEXIST) break;
  }
  temporary.Error = errno;
  return temporary;
}

void SyncFolder(const std::string& path) {
  const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  ::fsync(folder);  // best effort: the rename is done either way
  ::close(folder);
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& fileName, std::string_view bytes,
                                          KeepBackup backup) {
  const std::string target = ResolvedTarget(fileName);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  // A folder or a device of the name is never replaced by a file.
  if (exists && S_ISDIR(existing.st_mode)) return Cause(EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) return std::string("not a regular file");
  // A file write-protected by its owner keeps its content, as a write into
  // it would; the rename alone would not ask.
  if (exists && ::access(target.c_str(), W_OK) != 0) return Cause(errno);

  Temporary temporary = CreateTemporary(target);
  if (temporary.Descriptor < 0) return Cause(temporary.Error);
  auto fail = [&](int error) -> std::optional<std::string> {
    if (temporary.Descriptor >= 0) ::close(temporary.Descriptor);
    ::unlink(temporary.Name.c_str());
    return Cause(error);
  };
  if (exists && ::fchmod(temporary.Descriptor, existing.st_mode & 07777) != 0) {
    return fail(errno);
  }
  if (!WriteAll(temporary.Descriptor, bytes) || ::fsync(temporary.Descriptor) != 0) {
    return fail(errno);
  }
  const int closed = ::close(temporary.Descriptor);
  temporary.Descriptor = -1;
  if (closed != 0) return fail(errno);

  const std::string backupName = BackupName(target);
  const bool backedUp = backup == KeepBackup::Yes && exists && BackupOnSave(target);
  if (::rename(temporary.Name.c_str(), target.c_str()) != 0) {
    const int error = errno;
    // Put the old file back under its name rather than leave the name empty.
    if (backedUp) std::rename(backupName.c_str(), target.c_str());
    return fail(error);
  }
  SyncFolder(target);
  return std::nullopt;
}

}  // namespace vexilor
