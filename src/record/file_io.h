// Reading and writing whole files safely: a read that a FIFO or a device in
// the file's place cannot hold up, and a write that replaces the file (or a
// link's target) at once, keeping its permissions, or leaves it as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Why a file could not be read.
enum ReadFault : int32_t {
  kReadDone = 0,
  kNotFound = 1,
  kNoPermission = 2,
  kIsFolder = 3,
  kNotRegularFile = 4,
  kTooLarge = 5,
  kReadFailed = 6,
};

// The whole of a regular file of at most `limit` bytes; a ReadFault.
int32_t readWholeFile(const std::string& path, size_t limit, std::string& bytes);

// Writes `data` as the file `name` (a symbolic link's target, the link
// staying) through a temporary file renamed over it. False when nothing
// changed: a folder or device there, a folder that takes no new file, a
// failed write.
bool writeFileAtomically(const std::string& name, const std::string& data);
