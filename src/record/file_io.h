// Reading and writing whole files safely: a read that a FIFO or a device in
// the file's place cannot hold up, and a write that replaces the file (or a
// link's target) at once, keeping its permissions, or leaves it as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Why a file could not be read.
enum class ReadFault : int32_t {
  None,  // read whole
  NotFound,
  NoPermission,
  IsFolder,
  NotRegularFile,
  TooLarge,
  ReadFailed,
};

// A whole file, or why it could not be read (then `bytes` is empty or partial).
struct FileContents {
  ReadFault fault;
  std::string bytes;
};

// The whole of a regular file of at most `limit` bytes.
FileContents readWholeFile(const std::string& path, size_t limit);

// Writes `data` as the file `name` (a symbolic link's target, the link
// staying) through a temporary file renamed over it. False when nothing
// changed: a folder or device there, a folder that takes no new file, a
// failed write.
bool writeFileAtomically(const std::string& name, const std::string& data);
