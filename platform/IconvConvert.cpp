#include "platform/IconvConvert.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace zorva {

std::optional<std::string> IconvConvert(const char* to, const char* from, std::string_view in,
                                        bool replaceInvalid, std::string_view replacement,
                                        size_t inStep) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  std::optional<std::string> result;
  for (;;) {
    size_t r = iconv(cd, inLeft ? &inPtr : nullptr, &inLeft, &outPtr, &outLeft);
    if (r != static_cast<size_t>(-1)) {
      if (inLeft == 0) {
        // Flush any shift state.
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        out.resize(out.size() - outLeft);
        result = std::move(out);
        break;
      }
      continue;
    }
    if (errno == E2BIG) {
      size_t used = out.size() - outLeft;
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    if ((errno == EILSEQ || errno == EINVAL) && replaceInvalid) {
      // Skip one unit of input and emit the replacement.
      size_t skip = std::min(inStep, inLeft);
      inPtr += skip;
      inLeft -= skip;
      if (outLeft < replacement.size()) {
        size_t used = out.size() - outLeft;
        out.resize(out.size() * 2 + replacement.size());
        outPtr = out.data() + used;
        outLeft = out.size() - used;
      }
      for (char c : replacement) {
        *outPtr++ = c;
        --outLeft;
      }
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      continue;
    }
    break;
  }
  iconv_close(cd);
  return result;
}


}  // namespace zorva
