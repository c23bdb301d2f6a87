#include "core/documents/text_encoding.h"

#include <algorithm>

namespace velmora {
namespace {

// What Windows-1252 puts at 0x80-0x9F; 0 where it puts nothing. From 0xA0 on
// it is Latin-1, the byte's own code point.
constexpr char16_t k1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char16_t kReplacement = 0xFFFD;

}  // namespace

Utf8Check CheckUtf8(std::string_view bytes) {
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    // The length of the sequence, and the range of its second byte that
    // keeps it neither overlong, nor a surrogate, nor beyond U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return Utf8Check::Invalid;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= n) return Utf8Check::Incomplete;
      const auto d = static_cast<unsigned char>(bytes[i + k]);
      if (d < (k == 1 ? low : 0x80) || d > (k == 1 ? high : 0xBF)) return Utf8Check::Invalid;
    }
    i += length;
  }
  return Utf8Check::Valid;
}

bool LooksLikeUtf16(std::string_view head) {
  // Sixteen characters are enough, and a header has more than two.
  const std::size_t pairs = std::min<std::size_t>(head.size() / 2, 16);
  if (pairs < 2) return false;
  auto everyOther = [&](std::size_t zero) {
    for (std::size_t p = 0; p < pairs; ++p) {
      if (head[2 * p + zero] != '\0' || head[2 * p + 1 - zero] == '\0') return false;
    }
    return true;
  };
  return everyOther(1) || everyOther(0);
}

std::size_t Windows1252ToUtf8(std::string_view bytes, char* to) {
  char* p = to;
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < 0x80) {
      *p++ = byte;
      continue;
    }
    char16_t c = b >= 0xA0 ? char16_t(b) : k1252[b - 0x80];
    if (c == 0) c = kReplacement;
    if (c < 0x800) {
      *p++ = char(0xC0 | (c >> 6));
    } else {
      *p++ = char(0xE0 | (c >> 12));
      *p++ = char(0x80 | ((c >> 6) & 0x3F));
    }
    *p++ = char(0x80 | (c & 0x3F));
  }
  return std::size_t(p - to);
}

}  // namespace velmora
