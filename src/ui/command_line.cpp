#include "ui/command_line.h"

#include <vector>

const char* const kNoDisplayMessage =
    "dedivud: ekrana bağlanılamadı; oyun bir masaüstü oturumunda (DISPLAY ya da WAYLAND_DISPLAY) çalışır.\n";

namespace {

constexpr const char* kUsageText =
    "Kullanım: dedivud [DOSYA.oyk]\n"
    "DOSYA verilirse oyun, \"Dosya › Aç\" ile açılmış gibi o kayıtlı oyunla başlar.\n"
    "  -h, --help   bu yardımı gösterir\n"
    "  --version    sürümü gösterir\n";

LaunchRequest usage(const std::string& why) { return {kLaunchUsage, {}, "dedivud: " + why + "\n" + kUsageText}; }

}  // namespace

LaunchRequest readArguments(int argc, const char* const* argv) {
  std::vector<std::string> files;
  bool optionsEnded = false;  // after "--" a name may start with "-"
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      return {kLaunchPrint, {}, kUsageText};
    } else if (!optionsEnded && arg == "--version") {
      return {kLaunchPrint, {}, "dedivud " DEDIVUD_VERSION "\n"};
    } else if (!optionsEnded && arg[0] == '-') {
      // A lone "-" is no file either: the game does not read standard input.
      return usage("bilinmeyen seçenek: \"" + arg + "\"");
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() > 1) return usage("yalnızca bir dosya açılabilir");
  if (files.empty()) return {kLaunchFresh, {}, {}};
  return {kLaunchOpenFile, files[0], {}};
}
