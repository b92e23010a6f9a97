// Faults of the file system for tests: a folder that refuses new files and
// a disk that fills up, made without root's tmpfs mounts.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <string>

namespace vexilor::testing {

//! Makes a folder refuse new files, renames and deletions for the life of
//! the object: its write permission is taken away and, for root (whom
//! permissions do not stop), its immutable attribute is set. Refuses()
//! tells whether it worked (the file system may lack the attribute); a test
//! skips otherwise.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::string path);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  bool Refuses() const { return refuses_; }

 private:
  bool SetImmutable(bool on) const;

  std::string path_;
  bool immutable_ = false;
  bool refuses_ = false;
};

//! Limits the size of the files this process writes to maxBytes for the
//! life of the object (RLIMIT_FSIZE, which binds root too), with SIGXFSZ
//! ignored: a write past the limit fails with EFBIG, as one on a full disk
//! fails with ENOSPC.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t maxBytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = SIG_DFL;
};

}  // namespace vexilor::testing
