#pragma once

#include <string>
#include <string_view>

namespace sylvenor {

// Texts are UTF-8 in memory and Windows-1252 in the files. Every one of the 256 byte values has
// its own character, so a text read from a file is written back byte for byte.
class Cp1252 {
 public:
  static std::string decode(std::string_view bytes);
  // A character with no single-byte form becomes '?'.
  static std::string encode(std::string_view utf8);
  // Encodes, cuts to `width` bytes and pads with blanks.
  static std::string encodeField(std::string_view utf8, std::size_t width);
};

}  // namespace sylvenor
