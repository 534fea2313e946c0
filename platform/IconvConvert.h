#pragma once
// One iconv conversion, shared by the code-page and charset conversions.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

// Converts `in` from the encoding `from` to `to`. With `replaceInvalid`,
// input that cannot be decoded or mapped is skipped `inStep` bytes at a time
// and `replacement` written instead; otherwise any such input makes the whole
// conversion fail.
std::optional<std::string> IconvConvert(const char* to, const char* from, std::string_view in,
                                        bool replaceInvalid, std::string_view replacement,
                                        size_t inStep);

}  // namespace zorva
