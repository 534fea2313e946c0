#pragma once
// Byte strings for project-file tests, written as hex the way dumps show them.
#include <string>
#include <string_view>

namespace zorva::test {

// "4E 00 'img' 00" -> bytes; quoted runs are taken literally.
inline std::string Bytes(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    char c = text[i];
    if (c == ' ' || c == '\n') {
      ++i;
    } else if (c == '\'') {
      size_t end = text.find('\'', i + 1);
      out.append(text.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      out += char(std::stoi(std::string(text.substr(i, 2)), nullptr, 16));
      i += 2;
    }
  }
  return out;
}

// The complete file of one closed rectangle, an empty default area and one
// vertical guide, with the picture img/a.jpg of 100 x 50 pixels.
inline std::string RectangleAndGuideFile() {
  return Bytes(
      "4E 00 00 00  09 'img/a.jpg'  64 00 00 00 32 00 00 00"
      " 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000"
      " 01 00 00 00  FF FF 00 00 05 00 'CArea'"
      " 00 00 00 00  01 00 00 00"
      " 02 00 00 00 0A 00 00 00 14 00 00 00 32 00 00 00 3C 00 00 00"
      " 00 00 00 00 00 00 00 00"
      " 0A 00 00 00 14 00 00 00 32 00 00 00 3C 00 00 00"
      " 06 'a.html' 00 00  00 00 00 00  00 00 00 00  00 00 00 00  01 00 00 00"
      " 00 00 00  00 00 00 00  00 00 00"
      " 01 00 00 00  FF FF 00 00 06 00 'CGuide'  00 00 00 00 1E 00 00 00");
}

}  // namespace zorva::test
