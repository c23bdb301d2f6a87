#pragma once

#include <cstddef>
#include <string_view>

// How the bytes of a file sent from elsewhere are text: UTF-8 checked
// strictly, Windows-1252 (what Italian Excel writes as "CSV (delimitato dal
// separatore di elenco)") turned into UTF-8, and UTF-16 without its mark
// recognised, so that none of them is read as something else.
namespace velmora {

enum class Utf8Check {
  Valid,
  Invalid,     // a byte no UTF-8 text holds there
  Incomplete,  // valid, but the last character is cut off at the end
};
Utf8Check CheckUtf8(std::string_view bytes);

// The first bytes have a zero every other byte, as UTF-16 gives the letters
// of a header: "t\0i\0p\0o\0" or "\0t\0i\0p\0o".
bool LooksLikeUtf16(std::string_view head);

// Writes the Windows-1252 bytes as UTF-8 into `to`, which has room for three
// bytes each, and returns how many were written. The five bytes the code
// page leaves undefined become the replacement character.
std::size_t Windows1252ToUtf8(std::string_view bytes, char* to);

}  // namespace velmora
