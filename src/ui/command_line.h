// The program's arguments: none, or one saved game to open at start as
// "Dosya › Aç" opens it. The game knows no option.
#pragma once

#include <cstdint>
#include <string>

enum LaunchAction : int32_t {
  kLaunchFresh = 0,     // no argument: a new game
  kLaunchOpenFile = 1,  // one file: open it once the window is up
  kLaunchUsage = 2,     // anything else: usage text, no window
};

// The exit status after the usage text.
constexpr int kUsageExitStatus = 2;

struct LaunchRequest {
  int32_t action;
  std::string file;   // kLaunchOpenFile
  std::string usage;  // kLaunchUsage: the text for standard error
};

LaunchRequest readArguments(int argc, const char* const* argv);
