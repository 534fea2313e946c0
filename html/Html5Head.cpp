#include "html/Html5Head.h"

#include "html/HtmlLiterals.h"
#include "platform/PathSplit.h"

namespace zorva::html {

void AppendEscapedText(CPageBytes& out, std::string_view text, bool ampersands) {
  const char* special = ampersands ? "<&" : "<";
  for (size_t at; (at = text.find_first_of(special)) != std::string_view::npos;) {
    out.Append(text.substr(0, at));
    out.Append(text[at] == '<' ? std::string_view("&lt;") : std::string_view("&amp;"));
    text.remove_prefix(at + 1);
  }
  out.Append(text);
}

void AppendHtml5Head(CPageBytes& out, std::string_view nl, const Html5HeadParts& parts) {
  for (std::string_view line : {std::string_view("<!DOCTYPE html>"), kGeneratedBy, std::string_view("<html lang=\"ja\">"),
                                std::string_view("<head>"), parts.meta,
                                parts.viewport ? std::string_view("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")
                                               : std::string_view()}) {
    if (line.empty()) continue;
    out.Append(line);
    out.Append(nl);
  }
  out.Append("<title>");
  AppendEscapedText(out, parts.title, true);
  out.Append("</title>");
  out.Append(nl);
  if (!parts.style.empty()) {
    out.Append("<style>");
    out.Append(nl);
    out.Append(parts.style);
    out.Append("</style>");
    out.Append(nl);
  }
  out.Append("</head>");
  out.Append(nl);
}

CString Html5Title(const CString& relativePicturePath, const CString& target) {
  // HTML5 wants a title that is not empty.
  CString title = FileNameOf(relativePicturePath);
  if (title.empty()) title = SplitPath(target).name;
  return title;
}

}  // namespace zorva::html
