#include "support/file_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace vexilor::testing {

ReadOnlyFolder::ReadOnlyFolder(std::string path) : path_(std::move(path)) {
  ::chmod(path_.c_str(), 0555);
  if (::geteuid() == 0) immutable_ = SetImmutable(true);
  // Whether the folder really refuses: try to create a file in it.
  const std::string probe = (std::filesystem::path(path_) / ".probe").string();
  const int descriptor = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  refuses_ = descriptor < 0;
  if (descriptor >= 0) {
    ::close(descriptor);
    ::unlink(probe.c_str());
  }
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (immutable_) SetImmutable(false);
  ::chmod(path_.c_str(), 0755);
}

bool ReadOnlyFolder::SetImmutable(bool on) const {
  const int folder = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) return false;
  int flags = 0;
  bool done = ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = ::ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(folder);
  return done;
}

FileSizeLimit::FileSizeLimit(rlim_t maxBytes) {
  ::getrlimit(RLIMIT_FSIZE, &saved_);
  savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved_;
  limit.rlim_cur = maxBytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, savedHandler_);
}

}  // namespace vexilor::testing
