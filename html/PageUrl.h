#pragma once
// The picture's file name as a page's "src" holds it, and the map name made
// from it: what a browser must resolve to the file, and back.
#include <string>
#include <string_view>

namespace zorva::html {

// A relative path (Shift_JIS, as paths are held) as an attribute value a
// browser resolves to that file:
// bytes a URL path may not hold ("#", "?", "%", blanks, quotation marks, ...)
// percent-encoded, "&" written "&amp;". Other bytes, those of non-ASCII
// characters and the separators included, stay as they are.
std::string SourceValueForPath(std::string_view path);

// The file path a "src" value (UTF-8, as the page's text) leads to: character
// references decoded, the query and fragment dropped, percent escapes decoded.
// Nothing when the decoded bytes are not UTF-8.
bool PathOfSourceValue(std::string_view utf8Source, std::string& path);

// Whether `source` holds anything PathOfSourceValue would change.
bool SourceNeedsDecoding(std::string_view source);

// The map a usemap value names: what follows its first "#", or the whole
// value when it has none. Reader and writer take it alike.
std::string_view MapNameOfUseMap(std::string_view useMap);

// A map name from a file name: bytes that would break the usemap reference
// or the attribute (blanks, quotation marks, "#", "&", "<", ">") become "_".
std::string MapNameOfFileName(std::string_view name);

}  // namespace zorva::html
