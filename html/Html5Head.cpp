#include "html/Html5Head.h"

#include "html/HtmlLiterals.h"

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

void AppendHtml5Head(CPageBytes& out, std::string_view nl, std::string_view title, std::string_view style) {
  for (std::string_view line : {std::string_view("<!DOCTYPE html>"), kGeneratedBy,
                                std::string_view("<html lang=\"ja\">"), std::string_view("<head>"),
                                std::string_view("<meta charset=\"utf-8\">"),
                                std::string_view("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")}) {
    out.Append(line);
    out.Append(nl);
  }
  out.Append("<title>");
  AppendEscapedText(out, title, true);
  out.Append("</title>");
  out.Append(nl);
  if (!style.empty()) {
    out.Append("<style>");
    out.Append(nl);
    out.Append(style);
    out.Append("</style>");
    out.Append(nl);
  }
  out.Append("</head>");
  out.Append(nl);
}

}  // namespace zorva::html
