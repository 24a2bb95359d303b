#include <gtest/gtest.h>

#include "signature.h"

// Any change of the computer's choices changes this checksum: update it only
// on purpose, after checking the printed moves (dedivud_signature_print).
TEST(Signature, ComputerChoicesArePinned) {
  const SignatureResult r = computeSignature();
  for (const std::string& line : r.lines) EXPECT_EQ(line.find("refused"), std::string::npos) << line;
  EXPECT_EQ(r.checksum, 0xc6c7edee413e5355ULL);
  EXPECT_EQ(r.evaluations, 613886);
}
