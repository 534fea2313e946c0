#pragma once
// The document as one JSON object, for zorva-cli dump. Texts are converted
// from CP932 to UTF-8 (bytes that are not CP932 become U+FFFD).
#include <string>
#include <string_view>

class CZorvaDoc;

namespace zorva::cli {

std::string DocumentToJson(const CZorvaDoc& doc);

// Appends `utf8` as a JSON string literal.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace zorva::cli
