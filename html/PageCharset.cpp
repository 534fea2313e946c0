#include "html/PageCharset.h"

#include <algorithm>
#include <optional>

#include "html/ByteScanner.h"

namespace zorva::html {

namespace {

struct Label {
  const char* name;
  ECharset charset;
};
const Label kLabels[] = {
    {"shift_jis", ECharset::ShiftJis}, {"shift-jis", ECharset::ShiftJis}, {"sjis", ECharset::ShiftJis},
    {"x-sjis", ECharset::ShiftJis},    {"ms_kanji", ECharset::ShiftJis},  {"ms932", ECharset::ShiftJis},
    {"cp932", ECharset::ShiftJis},     {"windows-31j", ECharset::ShiftJis}, {"csshiftjis", ECharset::ShiftJis},
    {"utf-8", ECharset::Utf8},         {"utf8", ECharset::Utf8},          {"unicode-1-1-utf-8", ECharset::Utf8},
    {"x-unicode20utf8", ECharset::Utf8}, {"euc-jp", ECharset::EucJp},     {"x-euc-jp", ECharset::EucJp},
    {"cseucpkdfmtjapanese", ECharset::EucJp},
};


bool EqualsLower(std::string_view s, std::string_view lower) {
  if (s.size() != lower.size()) return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (LowerAscii(s[i]) != lower[i]) return false;
  return true;
}

// The attributes of the tag whose name ends at `pos`, up to its ">": each
// name (lower case) with its value.
template <typename Visit>
size_t WalkAttributes(std::string_view text, size_t pos, Visit visit) {
  const size_t n = text.size();
  while (pos < n && text[pos] != '>') {
    if (IsHtmlSpace(text[pos]) || text[pos] == '/') {
      ++pos;
      continue;
    }
    std::string name;
    while (pos < n && !IsHtmlSpace(text[pos]) && text[pos] != '=' && text[pos] != '>' && text[pos] != '/')
      name += LowerAscii(text[pos++]);
    while (pos < n && IsHtmlSpace(text[pos])) ++pos;
    std::string_view value;
    if (pos < n && text[pos] == '=') {
      ++pos;
      while (pos < n && IsHtmlSpace(text[pos])) ++pos;
      if (pos < n && (text[pos] == '"' || text[pos] == '\'')) {
        const char quote = text[pos++];
        const size_t close = std::min(text.find(quote, pos), n);
        value = text.substr(pos, close - pos);
        pos = close + 1;
      } else {
        const size_t start = pos;
        while (pos < n && !IsHtmlSpace(text[pos]) && text[pos] != '>') ++pos;
        value = text.substr(start, pos - start);
      }
    }
    if (!name.empty()) visit(name, value);
  }
  return pos;
}

// The charset named in a Content-Type value: "text/html; charset=utf-8".
std::optional<std::string_view> CharsetInContentType(std::string_view content) {
  for (size_t i = 0; i + 7 <= content.size(); ++i) {
    if (!EqualsLower(content.substr(i, 7), "charset")) continue;
    size_t p = i + 7;
    while (p < content.size() && IsHtmlSpace(content[p])) ++p;
    if (p >= content.size() || content[p] != '=') continue;
    ++p;
    while (p < content.size() && IsHtmlSpace(content[p])) ++p;
    if (p < content.size() && (content[p] == '"' || content[p] == '\'')) ++p;
    size_t end = p;
    while (end < content.size() && !IsHtmlSpace(content[end]) && content[end] != ';' && content[end] != '"' &&
           content[end] != '\'')
      ++end;
    return content.substr(p, end - p);
  }
  return std::nullopt;
}

// The charset a META tag at `pos` (its "<meta") declares, if any; `pos` ends
// past the tag.
std::optional<std::string> MetaDeclaration(std::string_view text, size_t& pos) {
  std::optional<std::string> charset, content;
  std::optional<bool> contentType;
  pos = WalkAttributes(text, pos + 5, [&](const std::string& name, std::string_view value) {
    // The first of a repeated attribute counts, as in a browser.
    if (name == "charset" && !charset) charset = std::string(value);
    else if (name == "http-equiv" && !contentType) contentType = EqualsLower(value, "content-type");
    else if (name == "content" && !content) content = std::string(value);
  });
  if (charset) return charset;
  if (contentType.value_or(false) && content)
    if (auto named = CharsetInContentType(*content)) return std::string(*named);
  return std::nullopt;
}

bool StartsTag(std::string_view text, size_t pos, std::string_view lowerName) {
  if (text.size() - pos <= lowerName.size()) return false;
  const char after = text[pos + lowerName.size()];
  return EqualsLower(text.substr(pos, lowerName.size()), lowerName) &&
         (IsHtmlSpace(after) || after == '>' || after == '/');
}

}  // namespace

bool CharsetOfLabel(std::string_view label, ECharset& charset) {
  while (!label.empty() && IsHtmlSpace(label.front())) label.remove_prefix(1);
  while (!label.empty() && IsHtmlSpace(label.back())) label.remove_suffix(1);
  for (const Label& l : kLabels) {
    if (EqualsLower(label, l.name)) {
      charset = l.charset;
      return true;
    }
  }
  return false;
}

PageCharset DetectPageCharset(std::string_view page) {
  PageCharset result;
  if (page.substr(0, 3) == "\xEF\xBB\xBF") {
    result.charset = ECharset::Utf8;
    return result;
  }
  // The first declaration before the map counts, as in a browser; those in
  // comments do not.
  for (size_t pos = 0; (pos = page.find('<', pos)) != std::string_view::npos;) {
    if (page.compare(pos, 4, "<!--") == 0) {
      const size_t end = page.find("-->", pos + 4);
      if (end == std::string_view::npos) break;
      pos = end + 3;
    } else if (StartsTag(page, pos, "<map")) {
      break;
    } else if (StartsTag(page, pos, "<meta")) {
      if (std::optional<std::string> label = MetaDeclaration(page, pos)) {
        if (!CharsetOfLabel(*label, result.charset)) result.unsupported = *label;
        return result;
      }
    } else {
      ++pos;
    }
  }
  if (!IsAscii(page) && IsValidUtf8(page)) result.charset = ECharset::Utf8;
  return result;
}

}  // namespace zorva::html
