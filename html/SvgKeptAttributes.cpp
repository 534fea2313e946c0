#include "html/SvgKeptAttributes.h"

#include "html/AttributeText.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool SvgLinkTakes(std::string_view lower) {
  for (std::string_view name : {"id", "class", "style", "lang", "tabindex", "rel", "role"})
    if (lower == name) return true;
  return (StartsWith(lower, "data-") || StartsWith(lower, "aria-") || StartsWith(lower, "on")) && lower.size() > 2;
}

// The value of `raw` (name, "=", a value quoted or not), or empty.
std::string_view ValueOf(std::string_view raw) {
  const size_t eq = raw.find('=');
  if (eq == std::string_view::npos) return {};
  std::string_view v = raw.substr(eq + 1);
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t' || v.front() == '\n' || v.front() == '\r'))
    v.remove_prefix(1);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

}  // namespace

void AppendSvgKeptAttributes(CPageBytes& out, std::string_view kept, bool labelWritten, std::string& title) {
  title.clear();
  for (const KeptAttribute& k : SplitKeptAttributes(kept)) {
    if (AreaOwnedAttributeBit(k.name)) continue;
    const CString lower = ToLowerAscii(k.name);
    if (lower == "title") {
      title.assign(ValueOf(k.raw));
      continue;
    }
    if (!SvgLinkTakes(lower) || (labelWritten && lower == "aria-label")) continue;
    out.Append(' ');
    out.Append(k.raw);
  }
}

}  // namespace zorva::html
