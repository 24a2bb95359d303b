// The program's arguments: none, or one saved game to open at start as
// "Dosya › Aç" opens it; --help and --version print and end.
#pragma once

#include <cstdint>
#include <string>

enum LaunchAction : int32_t {
  kLaunchFresh = 0,     // no argument: a new game
  kLaunchOpenFile = 1,  // one file: open it once the window is up
  kLaunchUsage = 2,     // a wrong argument: usage text on standard error, no window
  kLaunchPrint = 3,     // --help, --version: text on standard output, no window
};

// The exit status after the usage text for a wrong argument.
constexpr int kUsageExitStatus = 2;
// The exit status when there is no display to show the windows on.
constexpr int kNoDisplayExitStatus = 1;

struct LaunchRequest {
  int32_t action;
  std::string file;  // kLaunchOpenFile
  std::string text;  // kLaunchUsage, kLaunchPrint: what to print
};

LaunchRequest readArguments(int argc, const char* const* argv);

// The one line printed when no display can be reached.
extern const char* const kNoDisplayMessage;
