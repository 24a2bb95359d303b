// Prints the computer's signature: chosen moves, checksum, evaluations.
#include <cstdio>

#include "signature.h"

int main() {
  const SignatureResult r = computeSignature();
  for (const std::string& line : r.lines) std::printf("%s\n", line.c_str());
  std::printf("checksum %016llx\nevaluations %lld\n", static_cast<unsigned long long>(r.checksum),
              static_cast<long long>(r.evaluations));
  return 0;
}
