#pragma once
// Writing a page's bytes to the user's file: through a temporary file that
// replaces the target only once every byte is on the disk, so a cancel or a
// failed write leaves an existing page as it was.
#include <functional>
#include <string>

#include "html/PageBytes.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// Runs `build` over bytes that go to `target` while they are produced. False
// when `build` returns false (the user cancelled; nothing is reported) or the
// write fails, which is reported through the document.
bool WritePageFile(CZorvaDoc& doc, const CString& target, const std::function<bool(CPageBytes&)>& build);

// Runs `build` over bytes kept in memory, then copies them to `out`; `out` is
// empty when `build` returns false.
bool BuildPageString(std::string& out, const std::function<bool(CPageBytes&)>& build);

}  // namespace zorva::html
