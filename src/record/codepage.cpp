#include "record/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace {

std::optional<std::string> convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string buffer(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = buffer.data();
  size_t dstLeft = buffer.size();
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || srcLeft != 0) return std::nullopt;
  return std::string(buffer.data(), buffer.size() - dstLeft);
}

}  // namespace

std::optional<std::string> utf8ToCp1254(const std::string& utf8) { return convert("CP1254", "UTF-8", utf8); }

std::optional<std::string> cp1254ToUtf8(const std::string& bytes) { return convert("UTF-8", "CP1254", bytes); }

bool looksLikeUtf8(const std::string& bytes) {
  bool multiByte = false;
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2;
    } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    multiByte = true;
    i += extra + 1;
  }
  return multiByte;
}
