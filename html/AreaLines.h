#pragma once
// The lines of a map's areas, and attribute values as the writer puts them.
#include <string_view>
#include <vector>

#include "html/HtmlLiterals.h"
#include "html/PageBytes.h"
#include "html/PageText.h"
#include "model/Area.h"

class CZorvaDoc;

namespace zorva::html {

// An attribute value: bytes as held, except that a quotation mark, which
// would end the value early, is written as an entity.
void AppendValue(CPageBytes& out, std::string_view v);
// `name` (which ends in `="`), the value and the closing mark.
// Inline: every area line writes several, and a call each costs as much as
// the appending.
inline void AppendAttribute(CPageBytes& out, std::string_view name, std::string_view value) {
  out.Append(name);
  AppendValue(out, value);
  out.Append('"');
}

// A comment's text (not empty), written so that it cannot end the comment
// early.
void AppendCommentText(CPageBytes& out, std::string_view comment);

// Whether a default area would write nothing but its shape.
bool IsEmptyDefaultArea(const CArea& a);

// The messages naming areas left out of a page: shapes with no polygon form,
// and (in HTML5, which has no shape of no size) rectangles and circles of no size.
constexpr unsigned kAreasLeftOutMessage = 65015;
constexpr unsigned kNoSizeLeftOutMessage = 65051;

// Tells the user which areas (their rows in the area list, from 1) could not
// be written; nothing when none.
void ReportAreasLeftOut(CZorvaDoc& doc, const std::vector<size_t>& leftOut,
                        unsigned message = kAreasLeftOutMessage);

// How the area lines are written: the literals of the letter case, the line
// end, and the end of a tag (">", or " />" for a page whose areas were
// written so).
struct AreaLineStyle {
  const HtmlLiterals& L;
  std::string_view newline;
  std::string_view tagEnd = ">";
  // A default area without a link, texts or comment is left out (a page's
  // map that had none gets none).
  bool omitEmptyDefault = false;
};

// The line of every area of the document's list that HTML can hold, then the
// default area's line, their texts passed through `text`. Asks the document's
// host about areas HTML cannot hold as they are; false when the user cancelled
// there.
// Areas go from the top of the editor's stack down, as a browser picks them.
// Areas the user wanted converted that have no polygon form are left out and
// reported once the lines are written.
bool AppendAreaLines(CPageBytes& out, CZorvaDoc& doc, const AreaLineStyle& style, CPageText& text);

}  // namespace zorva::html
