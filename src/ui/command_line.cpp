#include "ui/command_line.h"

namespace {

constexpr const char* kUsageText =
    "Kullanım: dedivud [DOSYA.oyk]\n"
    "DOSYA verilirse oyun, \"Dosya › Aç\" ile açılmış gibi o kayıtlı oyunla başlar.\n";

LaunchRequest usage(const std::string& why) { return {kLaunchUsage, {}, "dedivud: " + why + "\n" + kUsageText}; }

}  // namespace

LaunchRequest readArguments(int argc, const char* const* argv) {
  if (argc <= 1) return {kLaunchFresh, {}, {}};
  for (int i = 1; i < argc; ++i) {
    // A lone "-" is no file either: the game does not read standard input.
    if (argv[i][0] == '-') return usage("bilinmeyen seçenek: \"" + std::string(argv[i]) + "\"");
  }
  if (argc > 2) return usage("yalnızca bir dosya açılabilir");
  return {kLaunchOpenFile, argv[1], {}};
}
