#include "html/CommentText.h"

#include <array>
#include <cstring>

namespace zorva::html {

namespace {

struct Reference {
  std::string_view text;  // without its "&"
  char character;
};

constexpr std::array<Reference, 4> kReferences = {
    {{"#45;", '-'}, {"#38;", '&'}, {"#32;", ' '}, {"#9;", '\t'}}};

// The reference that starts at text[i] (an "&"), or null.
const Reference* ReferenceAt(std::string_view text, size_t i) {
  const std::string_view rest = text.substr(i + 1);
  for (const Reference& r : kReferences)
    if (rest.substr(0, r.text.size()) == r.text) return &r;
  return nullptr;
}

// What stands for text[i] in the page, or an empty view for the byte itself.
std::string_view EncodedByte(std::string_view text, size_t i) {
  const char c = text[i];
  const bool last = i + 1 == text.size();
  if (c == '-' && (last || text[i + 1] == '-')) return "&#45;";
  if (last && c == ' ') return "&#32;";
  if (last && c == '\t') return "&#9;";
  if (c == '&' && ReferenceAt(text, i)) return "&#38;";
  return {};
}

}  // namespace

std::string EncodeCommentText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const std::string_view encoded = EncodedByte(text, i);
    if (encoded.empty())
      out += text[i];
    else
      out += encoded;
  }
  return out;
}

std::string DecodeCommentText(std::string_view text) {
  if (!std::memchr(text.data(), '&', text.size())) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const Reference* r = text[i] == '&' ? ReferenceAt(text, i) : nullptr;
    if (!r) {
      out += text[i];
      continue;
    }
    out += r->character;
    i += r->text.size();
  }
  return out;
}

}  // namespace zorva::html
