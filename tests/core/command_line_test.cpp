#include "ui/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What the arguments start: a new game, one file opened, the usage text (with
// the reason on its first line) and no window, or --help and --version.
TEST(CommandLine, NoneOneFileUsageOrPrint) {
  struct Case {
    std::vector<const char*> args;
    int32_t action;
    const char* file;
    const char* reason;  // the start of the text printed
  };
  const Case cases[] = {
      {{}, kLaunchFresh, "", ""},
      {{"oyun.oyk"}, kLaunchOpenFile, "oyun.oyk", ""},
      {{"/ev/a b/Maç.oyk"}, kLaunchOpenFile, "/ev/a b/Maç.oyk", ""},
      {{"a.oyk", "b.oyk"}, kLaunchUsage, "", "dedivud: yalnızca bir dosya açılabilir\n"},
      {{"--help"}, kLaunchPrint, "", "Kullanım: dedivud [DOSYA.oyk]\n"},
      {{"a.oyk", "-h"}, kLaunchPrint, "", "Kullanım: dedivud [DOSYA.oyk]\n"},
      {{"--version", "a.oyk"}, kLaunchPrint, "", "dedivud 1."},
      {{"--", "--help"}, kLaunchOpenFile, "--help", ""},
      {{"--hepl"}, kLaunchUsage, "", "dedivud: bilinmeyen seçenek: \"--hepl\"\n"},
      {{"a.oyk", "-x"}, kLaunchUsage, "", "dedivud: bilinmeyen seçenek: \"-x\"\n"},
      {{"-"}, kLaunchUsage, "", "dedivud: bilinmeyen seçenek: \"-\"\n"},
      {{"--", "-x.oyk"}, kLaunchOpenFile, "-x.oyk", ""},
      {{"--", "a.oyk", "b.oyk"}, kLaunchUsage, "", "dedivud: yalnızca bir dosya açılabilir\n"},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"dedivud"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const LaunchRequest r = readArguments(static_cast<int>(argv.size()), argv.data());
    const std::string shown = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(r.action, c.action) << shown;
    EXPECT_EQ(r.file, c.file) << shown;
    if (*c.reason == '\0') {
      EXPECT_EQ(r.text, "") << shown;
    } else {
      EXPECT_EQ(r.text.rfind(c.reason, 0), 0u) << r.text;
    }
    if (c.action == kLaunchUsage) {
      EXPECT_NE(r.text.find("Kullanım: dedivud [DOSYA.oyk]\n"), std::string::npos) << r.text;
    }
  }
}

}  // namespace
