#include "record/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

namespace {

bool writeAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a name stands for: a symbolic link is followed to its target
// (which need not exist yet), so that saving replaces the target and the
// link stays.
std::string followLinks(std::string path) {
  constexpr int kMaxLinks = 40;  // as the kernel allows
  for (int i = 0; i < kMaxLinks; ++i) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return path;
    target.resize(static_cast<size_t>(n));
    path = target[0] == '/' ? target : folderOf(path) + "/" + target;
  }
  return path;
}

// Creates a temporary file with a short name in `folder`, so that any name
// the folder accepts can be saved. The kernel gives it the mode a new file
// gets (0666 less the umask, or the folder's default ACL).
int createTemporary(const std::string& folder, std::string& name) {
  static uint32_t counter = 0;
  const uint32_t seed = static_cast<uint32_t>(::getpid()) * 2654435761u;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", seed + ++counter * 40503u);
    name = folder + "/.dedivud-" + suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes to a temporary file beside the target and renames it over the
// target. A replaced file keeps its permissions, set on the temporary file's
// descriptor before the rename.
}  // namespace

bool writeFileAtomically(const std::string& name, const std::string& data) {
  const std::string path = followLinks(name);
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) return false;
  std::string temp;
  const int fd = createTemporary(folderOf(path), temp);
  if (fd < 0) return false;
  const bool written = writeAll(fd, data) && (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself survives a power cut once the folder is on the disk.
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

// Reads a whole file through one descriptor, opened without blocking (a FIFO
// put in the file's place cannot hold the window) and checked once open.
FileContents readWholeFile(const std::string& path, size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {ReadFault::NotFound, {}};
    return {errno == EACCES || errno == EPERM ? ReadFault::NoPermission : ReadFault::ReadFailed, {}};
  }
  FileContents file{ReadFault::None, {}};
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    file.fault = ReadFault::ReadFailed;
  } else if (S_ISDIR(info.st_mode)) {
    file.fault = ReadFault::IsFolder;
  } else if (!S_ISREG(info.st_mode)) {
    file.fault = ReadFault::NotRegularFile;
  } else if (static_cast<uintmax_t>(info.st_size) > limit) {
    file.fault = ReadFault::TooLarge;
  }
  // Read to the end, stopping past the limit should the file have grown.
  char buffer[65536];
  while (file.fault == ReadFault::None) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno != EINTR) file.fault = ReadFault::ReadFailed;
      continue;
    }
    file.bytes.append(buffer, static_cast<size_t>(n));
    if (file.bytes.size() > limit) file.fault = ReadFault::TooLarge;
  }
  ::close(fd);
  return file;
}
